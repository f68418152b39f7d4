// main.cpp: zentara, the camera manager.
#include <QApplication>

#include "vyrokit/consoleoptions.h"
#include "zentara/shell/commandline.h"
#include "zentara/shell/startup.h"

int main(int argc, char *argv[])
{
    if (vyrokit::ConsoleOptions::askForTextOnly(argc, argv)) {
        QCoreApplication console(argc, argv);
        Startup::setIdentity(console);
        CommandLine().process(QCoreApplication::arguments());
        return 0;
    }

    Startup::initResources();
    QApplication app(argc, argv);
    return Startup::run(app, QApplication::arguments());
}
