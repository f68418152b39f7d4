// tst_languages.cpp: the language combo over the built translations, switching, the saved
// choice and the system locale.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "tests/support/testenvironment.h"
#include "tests/zentara/shell/recordingdialogrunner.h"
#include "tests/zentara/shell/shelltest.h"
#include "zentara/shell/startup.h"

using shelltest::child;

class tst_Languages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void comboListsTheTranslations();
    void switchingRetranslatesEverything_data();
    void switchingRetranslatesEverything();
    void choiceIsSavedAndRestored();
    void systemLocaleIsTheDefault();
    void localeChangeFollowsTheSystem();
    void missingTranslationsLeaveAnEmptyCombo();
    void generalInformationInTheChosenLanguage();

private:
    RecordingDialogRunner m_dialogs;
    QTemporaryDir m_lang;
};

void tst_Languages::initTestCase()
{
    QVERIFY(m_lang.isValid());
    Startup::initResources();
    // The built translations, copied so the test reads them from a place of its own.
    const QDir built(QStringLiteral(ZENTARA_LANG_DIR));
    for (const QString &name : built.entryList({QStringLiteral("*.qm")}, QDir::Files))
        QVERIFY(QFile::copy(built.filePath(name), m_lang.filePath(name)));
    QVERIFY(QFile::exists(m_lang.filePath(QStringLiteral("zentara_de.qm"))));
    QVERIFY(QFile::exists(m_lang.filePath(QStringLiteral("zentara_en.qm"))));
    // Not a translation: the combo must skip it.
    QFile other(m_lang.filePath(QStringLiteral("other_fr.qm")));
    QVERIFY(other.open(QIODevice::WriteOnly));
}

void tst_Languages::init()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
}

void tst_Languages::comboListsTheTranslations()
{
    QVyroZentara w(m_dialogs, m_lang.path());
    auto *combo = child<QComboBox>(w, "languageCombo");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemData(0).toString(), QStringLiteral("de"));
    QCOMPARE(combo->itemData(1).toString(), QStringLiteral("en"));
    QCOMPARE(combo->itemText(0), QStringLiteral("Deutsch (Deutschland)"));
    QVERIFY(combo->itemText(1).endsWith(QStringLiteral("(United States)")));
    for (int i = 0; i < combo->count(); ++i)
        QVERIFY(!combo->itemIcon(i).isNull());
}

void tst_Languages::switchingRetranslatesEverything_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expert");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("qtText");
    QTest::newRow("de") << "de"
                        << "Expertenmodus"
                        << "Schließen"
                        << "Kameraliste"
                        << "Abbrechen";
    QTest::newRow("en") << "en"
                        << "Expert mode"
                        << "Close"
                        << "Camera list"
                        << "Cancel";
}

void tst_Languages::switchingRetranslatesEverything()
{
    QFETCH(QString, language);
    QFETCH(QString, expert);
    QFETCH(QString, close);
    QFETCH(QString, group);
    QFETCH(QString, qtText);
    QVyroZentara w(m_dialogs, m_lang.path());
    w.show();
    auto *combo = child<QComboBox>(w, "languageCombo");
    // Start from the other language so that the switch is a real change.
    combo->setCurrentIndex(combo->findData(language == QLatin1String("de") ? "en" : "de"));
    QCoreApplication::processEvents();
    combo->setCurrentIndex(combo->findData(language));
    QTRY_COMPARE(child<QCheckBox>(w, "expertBox")->text(), expert);
    QCOMPARE(child<QPushButton>(w, "closeButton")->text(), close);
    QCOMPARE(w.findChildren<QGroupBox *>().first()->title(), group);
    QCOMPARE(w.windowTitle(), QStringLiteral("Orv Zentara"));
    // Qt's own texts follow as well.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtText);
    // The window makes room for the new texts as far as the screen lets it.
    const QSize room = QVyroZentara::roomOn(w.screen()->availableGeometry().size());
    QTRY_VERIFY(w.width() >= qMin(w.sizeHint().width(), room.width()));
}

void tst_Languages::choiceIsSavedAndRestored()
{
    {
        QVyroZentara w(m_dialogs, m_lang.path());
        auto *combo = child<QComboBox>(w, "languageCombo");
        combo->setCurrentIndex(combo->findData(QStringLiteral("de")));
    }
    {
        QSettings settings(QStringLiteral("Orv"), QStringLiteral("Zentara"));
        QCOMPARE(settings.value(QStringLiteral("mainWindow/selectedLanguage")).toString(),
                 QStringLiteral("de"));
        settings.setValue(QStringLiteral("mainWindow/selectedLanguage"), QStringLiteral("en"));
    }
    QVyroZentara w(m_dialogs, m_lang.path());
    QCOMPARE(child<QComboBox>(w, "languageCombo")->currentData().toString(), QStringLiteral("en"));
    QTRY_COMPARE(child<QCheckBox>(w, "expertBox")->text(), QStringLiteral("Expert mode"));
}

// main() below runs the test under a German system locale.
void tst_Languages::systemLocaleIsTheDefault()
{
    QVyroZentara w(m_dialogs, m_lang.path());
    QCOMPARE(child<QComboBox>(w, "languageCombo")->currentData().toString(), QStringLiteral("de"));
    QTRY_COMPARE(child<QCheckBox>(w, "expertBox")->text(), QStringLiteral("Expertenmodus"));
}

void tst_Languages::localeChangeFollowsTheSystem()
{
    QVyroZentara w(m_dialogs, m_lang.path());
    auto *combo = child<QComboBox>(w, "languageCombo");
    combo->setCurrentIndex(combo->findData(QStringLiteral("en")));
    QTRY_COMPARE(child<QCheckBox>(w, "expertBox")->text(), QStringLiteral("Expert mode"));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&w, &change);
    QCOMPARE(combo->currentData().toString(), QStringLiteral("de"));
    QTRY_COMPARE(child<QCheckBox>(w, "expertBox")->text(), QStringLiteral("Expertenmodus"));
}

void tst_Languages::missingTranslationsLeaveAnEmptyCombo()
{
    QVyroZentara w(m_dialogs, m_lang.filePath(QStringLiteral("missing")));
    QCOMPARE(child<QComboBox>(w, "languageCombo")->count(), 0);
    QTRY_COMPARE(child<QCheckBox>(w, "expertBox")->text(), QStringLiteral("Expert mode"));
}

// The general information window gets the language shown, which picks its download site.
void tst_Languages::generalInformationInTheChosenLanguage()
{
    m_dialogs.runs.clear();
    QVyroZentara w(m_dialogs, m_lang.path());
    auto *combo = child<QComboBox>(w, "languageCombo");
    QCOMPARE(combo->currentData().toString(), QStringLiteral("de"));
    child<QPushButton>(w, "generalInfoButton")->click();
    combo->setCurrentIndex(combo->findData(QStringLiteral("en")));
    child<QPushButton>(w, "generalInfoButton")->click();
    QCOMPARE(m_dialogs.runs.size(), 2);
    QCOMPARE(m_dialogs.runs.at(0).language, QStringLiteral("de"));
    QCOMPARE(m_dialogs.runs.at(1).language, QStringLiteral("en"));
}

int main(int argc, char *argv[])
{
    // The locale is fixed before anything, the isolation included, asks Qt for it.
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    TestEnvironment::isolate();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_Languages test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languages.moc"
