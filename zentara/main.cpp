// main.cpp: zentara, the camera manager.
#include <QApplication>

#include "zentara/shell/startup.h"

int main(int argc, char *argv[])
{
    Startup::initResources();
    QApplication app(argc, argv);
    return Startup::run(app, QApplication::arguments());
}
