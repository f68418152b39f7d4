// tst_pixelclassdelegate.cpp: the hot pixel class column shown in the user's language while the
// model keeps its English texts.
#include <QComboBox>
#include <QCoreApplication>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include "dapplix/hotpixels/pixelclassdelegate.h"
#include "tests/support/testmain.h"

class tst_PixelclassDelegate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void shownTranslated_data();
    void shownTranslated();
    void editorWritesModelText();

private:
    QTranslator m_german;
};

void tst_PixelclassDelegate::initTestCase()
{
    QVERIFY(m_german.load(QStringLiteral("dapplix_de"), QStringLiteral(DAPPLIX_LANG_DIR)));
    QCoreApplication::installTranslator(&m_german);
}

void tst_PixelclassDelegate::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_german);
}

void tst_PixelclassDelegate::shownTranslated_data()
{
    QTest::addColumn<QString>("modelText");
    QTest::addColumn<QString>("shown");
    QTest::newRow("factory") << "factory"
                             << "Werk";
    QTest::newRow("user") << "user"
                          << "Benutzer";
    QTest::newRow("ignore") << "ignore"
                            << "ignorieren";
    QTest::newRow("unknown_text_as_is") << "Factory"
                                        << "Factory";
}

void tst_PixelclassDelegate::shownTranslated()
{
    QFETCH(QString, modelText);
    QFETCH(QString, shown);
    PixelclassDelegate delegate;
    QCOMPARE(delegate.displayText(modelText, QLocale(QLocale::German)), shown);
}

void tst_PixelclassDelegate::editorWritesModelText()
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QStringLiteral("user"));
    QTableView view;
    view.setModel(&model);
    auto *delegate = new PixelclassDelegate(&view);
    view.setItemDelegateForColumn(0, delegate);

    QWidget *editor = delegate->createEditor(view.viewport(), {}, model.index(0, 0));
    auto *combo = qobject_cast<QComboBox *>(editor);
    QVERIFY(combo);
    delegate->setEditorData(combo, model.index(0, 0));
    QCOMPARE(combo->currentText(), QStringLiteral("Benutzer"));
    combo->setCurrentIndex(combo->findText(QStringLiteral("ignorieren")));
    delegate->setModelData(combo, &model, model.index(0, 0));
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("ignore"));
    delete editor;
}

VYRO_TEST_MAIN(tst_PixelclassDelegate)
#include "tst_pixelclassdelegate.moc"
