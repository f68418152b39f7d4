// main.cpp: zentara, the camera manager.
#include <QApplication>

#include "vyrokit/consoleoptions.h"
#include "zentara/shell/commandline.h"
#include "zentara/shell/startup.h"

int main(int argc, char *argv[])
{
    // Help, version, wrong options and the camera listing are answered on the terminal, before
    // any GUI exists, so that they work over SSH without a display.
    if (CommandLine::answersOnTerminal(argc, argv)) {
        const QStringList arguments = vyrokit::ConsoleOptions::withoutQtOptions(argc, argv);
        QCoreApplication console(argc, argv);
        return Startup::answerOnTerminal(console, arguments);
    }

    Startup::initResources();
    QApplication app(argc, argv);
    return Startup::run(app, QApplication::arguments());
}
