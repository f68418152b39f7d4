// main.cpp: zentara, the camera manager.
#include <QApplication>

#include "vyrokit/consoleoptions.h"
#include "zentara/shell/cameratable.h"
#include "zentara/shell/commandline.h"
#include "zentara/shell/startup.h"

int main(int argc, char *argv[])
{
    // Help, version and the camera listing are answered on the terminal, before any GUI exists,
    // so that they work over SSH without a display.
    if (vyrokit::ConsoleOptions::askForTextOnly(argc, argv) ||
        CommandLine::asksForListing(argc, argv)) {
        QCoreApplication console(argc, argv);
        Startup::setIdentity(console);
        Startup::loadConsoleTranslation(console);
        CommandLine commandLine;
        commandLine.process(QCoreApplication::arguments());
        if (commandLine.listing())
            return CameraTable::print(commandLine.json());
        return 0;
    }

    Startup::initResources();
    QApplication app(argc, argv);
    return Startup::run(app, QApplication::arguments());
}
