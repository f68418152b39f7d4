// testenvironment.cpp: the isolation every test program gets from its main function.
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace {

// Lives until the program exits and is removed with everything the test left in it.
std::unique_ptr<QTemporaryDir> &privateDirectory()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

QString makeDirectory(const QString &name)
{
    const QString path = QDir(TestEnvironment::directory()).filePath(name);
    QDir().mkpath(path);
    return path;
}

void setVariable(const char *name, const QString &value)
{
    qputenv(name, QFile::encodeName(value));
}

} // namespace

void TestEnvironment::isolate()
{
    auto &dir = privateDirectory();
    if (dir)
        return;
    dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vyrotest-XXXXXX"));
    if (!dir->isValid())
        qFatal("cannot create a private test directory: %s", qPrintable(dir->errorString()));

    // CTest hands every test a state directory of its own; a program run by hand makes one.
    if (qEnvironmentVariableIsEmpty("VYRO_SIM_HOME"))
        setVariable("VYRO_SIM_HOME", makeDirectory(QStringLiteral("simhome")));
    // Tests start from the built-in world; the few that name a world file do so for the
    // processes they start.
    qunsetenv("VYRO_SIM_WORLD");

    setVariable("XDG_CONFIG_HOME", makeDirectory(QStringLiteral("config")));
    setVariable("XDG_DATA_HOME", makeDirectory(QStringLiteral("data")));
    setVariable("XDG_CACHE_HOME", makeDirectory(QStringLiteral("cache")));
    // Qt wants the runtime directory private to the user; without one it makes its own below
    // the temporary directory and leaves it there.
    const QString runtime = makeDirectory(QStringLiteral("runtime"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setVariable("XDG_RUNTIME_DIR", runtime);
    QStandardPaths::setTestModeEnabled(true);

    const QString settings = makeDirectory(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
}

QString TestEnvironment::directory()
{
    const auto &dir = privateDirectory();
    return dir ? dir->path() : QString();
}
