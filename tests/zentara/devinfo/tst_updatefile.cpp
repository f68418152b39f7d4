// tst_updatefile.cpp: reading the update file, comparing versions, and the configured addresses
// of the update file and the download page.
#include <QtTest>

#include <QSettings>

#include "tests/support/testmain.h"
#include "zentara/devinfo/updateendpoints.h"
#include "zentara/devinfo/updatefile.h"

Q_DECLARE_METATYPE(UpdateFile::Status)

namespace {

// Sets an environment variable for one scope and restores it afterwards.
class ScopedVariable final
{
public:
    ScopedVariable(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

class tst_UpdateFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void parse_data();
    void parse();
    void parseReplacesTable();
    void compare_data();
    void compare();
    void updateUrl_data();
    void updateUrl();
    void downloadPage_data();
    void downloadPage();
};

void tst_UpdateFile::init()
{
    QSettings(QStringLiteral("Orv"), QStringLiteral("Zentara")).clear();
}

void tst_UpdateFile::parse_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<UpdateFile::Status>("status");
    QTest::addColumn<QString>("zentara");
    QTest::addColumn<QString>("library");

    QTest::newRow("good") << QByteArray("; latest\n[Zentara]\nVersion=4.96.1.0\n"
                                        "[Library]\nVersion=4.96.0002\n")
                          << UpdateFile::Status::Ok << "4.96.1.0"
                          << "4.96.0002";
    QTest::newRow("crlf_and_blanks") << QByteArray("\r\n[Zentara]\r\nVersion = 4.97.0.0 \r\n")
                                     << UpdateFile::Status::Ok << "4.97.0.0" << QString();
    QTest::newRow("group_without_version") << QByteArray("[Zentara]\nDate=2026-12-01\n")
                                           << UpdateFile::Status::Ok << QString() << QString();
    QTest::newRow("empty") << QByteArray() << UpdateFile::Status::Empty << QString() << QString();
    QTest::newRow("white_space") << QByteArray(" \n\r\n\t") << UpdateFile::Status::Empty
                                 << QString() << QString();
    QTest::newRow("plain_text") << QByteArray("Service temporarily unavailable\n")
                                << UpdateFile::Status::NotIni << QString() << QString();
    QTest::newRow("json") << QByteArray("{\"Zentara\": {\"Version\": \"4.96.1.0\"}}")
                          << UpdateFile::Status::NotIni << QString() << QString();
    QTest::newRow("groups_only") << QByteArray("[Zentara]\n[Library]\n")
                                 << UpdateFile::Status::NotIni << QString() << QString();
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                            << UpdateFile::Status::NotIni << QString() << QString();
}

void tst_UpdateFile::parse()
{
    QFETCH(QByteArray, body);
    QFETCH(UpdateFile::Status, status);
    QFETCH(QString, zentara);
    QFETCH(QString, library);

    UpdateFile::Table table;
    QCOMPARE(UpdateFile::parse(body, table), status);
    if (status != UpdateFile::Status::Ok)
        QVERIFY(table.isEmpty());
    QCOMPARE(UpdateFile::latestVersion(table, QStringLiteral("Zentara")).value_or(QString()),
             zentara);
    QCOMPARE(UpdateFile::latestVersion(table, QStringLiteral("Library")).value_or(QString()),
             library);
    QVERIFY(!UpdateFile::latestVersion(table, QStringLiteral("EthDaemon")));
}

void tst_UpdateFile::parseReplacesTable()
{
    UpdateFile::Table table;
    table[QStringLiteral("Library")][QStringLiteral("Version")] = QStringLiteral("9.9.9");
    QCOMPARE(UpdateFile::parse("not an update file", table), UpdateFile::Status::NotIni);
    QVERIFY(table.isEmpty());

    QCOMPARE(UpdateFile::parse("[UsbDaemon]\nVersion=4.96.3\nNote=a, b\n", table),
             UpdateFile::Status::Ok);
    QCOMPARE(table.keys(), QStringList{QStringLiteral("UsbDaemon")});
    QCOMPARE(table[QStringLiteral("UsbDaemon")][QStringLiteral("Note")], QStringLiteral("a, b"));
}

void tst_UpdateFile::compare_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<int>("order"); // -1, 0, 1; 2 for not comparable

    QTest::newRow("older_minor") << "4.95.0001"
                                 << "4.96.0000" << -1;
    QTest::newRow("older_build") << "4.95.1"
                                 << "4.95.0002" << -1;
    QTest::newRow("padding_equal") << "4.95.1"
                                   << "4.95.0001" << 0;
    QTest::newRow("missing_field_zero") << "4.95.1.0"
                                        << "4.95.1" << 0;
    QTest::newRow("newer") << "4.96.1.0"
                           << "4.95.9.9" << 1;
    QTest::newRow("numeric_not_text") << "4.9.0"
                                      << "4.10.0" << -1;
    QTest::newRow("no_daemon") << "-"
                               << "4.95.1" << 2;
    QTest::newRow("suffix") << "4.95.1"
                            << "4.96-beta" << 2;
    QTest::newRow("empty_field") << "4..1"
                                 << "4.0.1" << 2;
    QTest::newRow("signed") << "4.95.1"
                            << "4.+96.1" << 2;
    QTest::newRow("empty") << ""
                           << "4.95.1" << 2;
}

void tst_UpdateFile::compare()
{
    QFETCH(QString, installed);
    QFETCH(QString, latest);
    QFETCH(int, order);

    const std::optional<int> result = UpdateFile::compare(installed, latest);
    if (order == 2) {
        QVERIFY(!result);
        return;
    }
    QVERIFY(result);
    QCOMPARE(*result < 0 ? -1 : (*result > 0 ? 1 : 0), order);
}

void tst_UpdateFile::updateUrl_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("url");

    const QString maker = UpdateEndpoints::defaultUpdateUrl().toString();
    QTest::newRow("default") << QByteArray() << QString() << maker;
    QTest::newRow("setting") << QByteArray() << "http://127.0.0.1:8080/update.txt"
                             << "http://127.0.0.1:8080/update.txt";
    QTest::newRow("variable_beats_setting")
        << QByteArray("http://127.0.0.1:9/u.txt") << "http://127.0.0.1:8080/update.txt"
        << "http://127.0.0.1:9/u.txt";
    QTest::newRow("blank_variable") << QByteArray("  ") << QString() << maker;
}

void tst_UpdateFile::updateUrl()
{
    QFETCH(QByteArray, variable);
    QFETCH(QString, setting);
    QFETCH(QString, url);

    if (!setting.isEmpty())
        QSettings(QStringLiteral("Orv"), QStringLiteral("Zentara"))
            .setValue(UpdateEndpoints::updateUrlKey(), setting);
    const ScopedVariable scoped(UpdateEndpoints::updateUrlVariable(), variable);
    QCOMPARE(UpdateEndpoints::updateUrl().toString(), url);
    QVERIFY(UpdateEndpoints::defaultUpdateUrl().path().endsWith(
        QLatin1String("/frontend/files/Vyroupdater/update.txt")));
}

void tst_UpdateFile::downloadPage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("site");

    QTest::newRow("de") << "de" << QByteArray() << UpdateEndpoints::defaultDownloadSite("de");
    QTest::newRow("fr") << "fr" << QByteArray() << UpdateEndpoints::defaultDownloadSite("fr");
    QTest::newRow("ja") << "ja" << QByteArray() << UpdateEndpoints::defaultDownloadSite("ja");
    QTest::newRow("it_english") << "it" << QByteArray()
                                << UpdateEndpoints::defaultDownloadSite("en");
    QTest::newRow("empty_english")
        << "" << QByteArray() << UpdateEndpoints::defaultDownloadSite("en");
    QTest::newRow("mirror") << "ja" << QByteArray("http://127.0.0.1:8000/mirror/")
                            << "http://127.0.0.1:8000/mirror";
}

void tst_UpdateFile::downloadPage()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, variable);
    QFETCH(QString, site);

    const ScopedVariable scoped(UpdateEndpoints::downloadSiteVariable(), variable);
    QCOMPARE(UpdateEndpoints::downloadPage(language).toString(),
             site + QStringLiteral("/download-vyro-emb-hardfloat.html"));
    // Each of the maker's languages has its own site, the others share the English one.
    const QString english = UpdateEndpoints::defaultDownloadSite(QStringLiteral("en"));
    QVERIFY(UpdateEndpoints::defaultDownloadSite(QStringLiteral("ja")) != english);
    QVERIFY(UpdateEndpoints::defaultDownloadSite(QStringLiteral("de")) != english);
    QCOMPARE(UpdateEndpoints::defaultDownloadSite(QStringLiteral("it")), english);
}

VYRO_TEST_GUILESS_MAIN(tst_UpdateFile)
#include "tst_updatefile.moc"
