// tst_inventorytranslation.cpp: the German texts of the inventory: complete, and used where shown.
#include <QFile>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "tests/support/testmain.h"
#include "tests/zentara/inventory/simworld.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/inventory/camerastatus.h"

using zentara::Camera;
using zentara::CameraListModel;

class tst_InventoryTranslation : public QObject
{
    Q_OBJECT
private slots:
    void everyTextTranslated();
    void shownTextsFollowLanguage();
    void cleanupTestCase();

private:
    QTranslator m_translator;
};

void tst_InventoryTranslation::everyTextTranslated()
{
    QFile file(QStringLiteral(INVENTORY_TS));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int messages = 0;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            ++messages;
            QVERIFY2(type != QLatin1String("unfinished"), qPrintable(source));
            QVERIFY2(!xml.readElementText().isEmpty(), qPrintable(source));
        }
    }
    QVERIFY(!xml.hasError());
    QVERIFY(messages >= 40);
}

void tst_InventoryTranslation::shownTextsFollowLanguage()
{
    QVERIFY(m_translator.load(QStringLiteral(INVENTORY_QM)));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));

    const CameraVerdict none = CameraStatus::evaluate(nullptr);
    QCOMPARE(none.sentence, QStringLiteral("Keine Kameraliste verfügbar"));

    const Camera eth = simworld::single(QStringLiteral(
        R"({"deviceId": 1002, "deviceType": "0x82", "infoDeviceType": "0x82",
            "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8",
            "deviceStatus": "0x1", "controlStatus": "0x080000A7"})"));
    QCOMPARE(CameraStatus::freeText(eth), QStringLiteral("Ja (BB)"));
    QCOMPARE(CameraStatus::availableText(eth), QStringLiteral("Ja"));
    QVERIFY(
        CameraStatus::evaluate(&eth).sentence.startsWith(QStringLiteral("Status von Gerät 1002")));

    CameraListModel model;
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Frei"));
    QCOMPARE(model.headerData(6, Qt::Horizontal).toString(), QStringLiteral("Ser.-Nr."));
}

void tst_InventoryTranslation::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

VYRO_TEST_GUILESS_MAIN(tst_InventoryTranslation)
#include "tst_inventorytranslation.moc"
