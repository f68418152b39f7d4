// tst_modalanswerer.cpp: the modal box answerer the widget tests use.
#include <QDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

#include "tests/support/modalanswerer.h"
#include "tests/support/testmain.h"

class tst_ModalAnswerer : public QObject
{
    Q_OBJECT
private slots:
    void answersMessageBoxes_data();
    void answersMessageBoxes();
    void recordsInOrder();
    void closesDialogs_data();
    void closesDialogs();
};

void tst_ModalAnswerer::answersMessageBoxes_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("result");
    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    QTest::newRow("yes") << yesNo << int(QMessageBox::Yes) << int(QMessageBox::Yes);
    QTest::newRow("no") << yesNo << int(QMessageBox::No) << int(QMessageBox::No);
    // A button the box does not have falls back to the box's first one.
    QTest::newRow("missing button") << yesNo << int(QMessageBox::Ok) << int(QMessageBox::Yes);
    QTest::newRow("ok") << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(QMessageBox::Ok);
}

void tst_ModalAnswerer::answersMessageBoxes()
{
    QFETCH(int, buttons);
    QFETCH(int, answer);
    QFETCH(int, result);
    ModalAnswerer answerer{QMessageBox::StandardButton(answer)};
    QSignalSpy spy(&answerer, &ModalAnswerer::answered);
    const int got = QMessageBox::question(nullptr, QStringLiteral("title"), QStringLiteral("sure?"),
                                          QMessageBox::StandardButtons(buttons));
    QCOMPARE(got, result);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("sure?")});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Question});
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("sure?"));
}

void tst_ModalAnswerer::recordsInOrder()
{
    ModalAnswerer answerer;
    QMessageBox::critical(nullptr, QString(), QStringLiteral("first"));
    QMessageBox::warning(nullptr, QString(), QStringLiteral("second"));
    QCOMPARE(answerer.texts(), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    QCOMPARE(answerer.icons(),
             (QList<QMessageBox::Icon>{QMessageBox::Critical, QMessageBox::Warning}));
}

void tst_ModalAnswerer::closesDialogs_data()
{
    QTest::addColumn<int>("result");
    QTest::newRow("accepted") << int(QDialog::Accepted);
    QTest::newRow("rejected") << int(QDialog::Rejected);
}

void tst_ModalAnswerer::closesDialogs()
{
    QFETCH(int, result);
    ModalAnswerer answerer(QMessageBox::Ok, result);
    QDialog dialog;
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(answerer.count(), 1);
    QVERIFY(answerer.texts().isEmpty());
}

VYRO_TEST_MAIN(tst_ModalAnswerer)
#include "tst_modalanswerer.moc"
