// consoleoptions.cpp: recognising help, version and wrong options before the application exists.
#include "vyrokit/consoleoptions.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace vyrokit {

namespace {

// The options QGuiApplication, QApplication and the xcb platform consume, with one or two
// leading dashes, as "-name value" or "-name=value".
const char *const qtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "qwindowtitle",
                                          "qwindowicon",
                                          "geometry",
                                          "title",
                                          "icon",
                                          "display",
                                          "style",
                                          "stylesheet",
                                          "session",
                                          "name",
                                          "visual",
                                          "ncols",
                                          "cmap",
                                          "qmljsdebugger"};
const char *const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

bool isOneOf(const QString &name, const char *const *names, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (name == QLatin1String(names[i]))
            return true;
    }
    return false;
}

} // namespace

bool ConsoleOptions::askForTextOnly(int argc, const char *const *argv)
{
    // The names QCommandLineParser's help and version options answer to.
    static const char *const names[] = {"-h", "--help", "-?", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc && argv[i]; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (const char *name : names) {
            if (std::strcmp(argv[i], name) == 0)
                return true;
        }
    }
    return false;
}

QStringList ConsoleOptions::withoutQtOptions(int argc, const char *const *argv)
{
    QStringList arguments;
    bool afterDoubleDash = false;
    for (int i = 0; i < argc && argv[i]; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (i == 0 || afterDoubleDash || !argument.startsWith(QLatin1Char('-'))) {
            arguments.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            afterDoubleDash = true;
            arguments.append(argument);
            continue;
        }
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const int equals = name.indexOf(QLatin1Char('='));
        const bool inlineValue = equals >= 0;
        if (inlineValue)
            name.truncate(equals);
        if (isOneOf(name, qtOptionsWithValue, std::size(qtOptionsWithValue))) {
            if (!inlineValue)
                ++i; // its value
            continue;
        }
        if (!inlineValue && isOneOf(name, qtFlags, std::size(qtFlags)))
            continue;
        arguments.append(argument);
    }
    return arguments;
}

bool ConsoleOptions::answersOnTerminal(QCommandLineParser &parser, int argc,
                                       const char *const *argv)
{
    return askForTextOnly(argc, argv) || !parser.parse(withoutQtOptions(argc, argv));
}

std::optional<int> ConsoleOptions::process(QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.parse(arguments)) {
        QTextStream err(stderr);
        err << parser.errorText() << "\n\n" << parser.helpText();
        err.flush();
        return 1;
    }
    // Help and version exit here; the parser has already seen that nothing else is wrong.
    parser.process(arguments);
    return std::nullopt;
}

} // namespace vyrokit
