// tst_qipedit.cpp: the IPv4 input widget: reading and setting addresses, the focus moving
// between octets as the user types, the clamping of octets and the clear button.
#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "tests/support/testmain.h"
#include "zentara/network/ipitemvalidator.h"
#include "zentara/network/qipdot.h"
#include "zentara/network/qipedit.h"

class TestQIpEdit : public QObject
{
    Q_OBJECT

private:
    static QStringList fieldTexts(const QIpEdit &edit)
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << edit.octetField(i)->text();
        return texts;
    }

    // Shows the widget as the active window, so that focus changes take effect.
    static bool showActive(QIpEdit &edit)
    {
        edit.show();
        QApplication::setActiveWindow(&edit);
        return QTest::qWaitForWindowActive(&edit);
    }

private slots:
    void startsEmpty()
    {
        QIpEdit edit;
        QCOMPARE(fieldTexts(edit), QStringList({"", "", "", ""}));
        QCOMPARE(edit.rawText(), QStringLiteral("0.0.0.0"));
        QCOMPARE(edit.text(), QStringLiteral("0.0.0.0"));
        QCOMPARE(edit.value(), 0u);
        QVERIFY(edit.maximumWidth() <= 280);
        QCOMPARE(edit.sizeHint(), edit.layout()->sizeHint());
        QCOMPARE(edit.findChildren<QIpDot *>().size(), 3);
    }

    void setText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("normalised");
        QTest::addColumn<uint>("value");
        QTest::newRow("address") << "10.0.0.7" << QStringList{"10", "0", "0", "7"} << "10.0.0.7"
                                 << 0x0A000007u;
        QTest::newRow("broadcast") << "255.255.255.255" << QStringList{"255", "255", "255", "255"}
                                   << "255.255.255.255" << 0xFFFFFFFFu;
        QTest::newRow("not_an_address")
            << "abc" << QStringList{"1", "2", "3", "4"} << "1.2.3.4" << 0x01020304u;
        QTest::newRow("octet_too_large")
            << "1.2.3.256" << QStringList{"1", "2", "3", "4"} << "1.2.3.4" << 0x01020304u;
        QTest::newRow("ipv6") << "fe80::1" << QStringList{"1", "2", "3", "4"} << "1.2.3.4"
                              << 0x01020304u;
        QTest::newRow("empty") << "" << QStringList{"1", "2", "3", "4"} << "1.2.3.4" << 0x01020304u;
        QTest::newRow("ipv4_mapped_ipv6")
            << "::ffff:10.0.0.7" << QStringList{"1", "2", "3", "4"} << "1.2.3.4" << 0x01020304u;
        QTest::newRow("ipv6_dotted_tail")
            << "64:ff9b::192.0.2.33" << QStringList{"1", "2", "3", "4"} << "1.2.3.4" << 0x01020304u;
    }

    void setText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QFETCH(QString, normalised);
        QFETCH(uint, value);
        QIpEdit edit;
        edit.setText(QStringLiteral("1.2.3.4"));
        edit.setText(text);
        QCOMPARE(fieldTexts(edit), fields);
        QCOMPARE(edit.text(), normalised);
        QCOMPARE(edit.value(), value);
    }

    void setRawText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("four_parts") << "192.168.0.1" << QStringList{"192", "168", "0", "1"};
        QTest::newRow("three_parts") << "1.2.3" << QStringList{"9", "9", "9", "9"};
        QTest::newRow("five_parts") << "1.2.3.4.5" << QStringList{"9", "9", "9", "9"};
        QTest::newRow("empty_part") << "1..3.4" << QStringList{"1", "", "3", "4"};
    }

    void setRawText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QIpEdit edit;
        edit.setRawText(QStringLiteral("9.9.9.9"));
        edit.setRawText(text);
        QCOMPARE(fieldTexts(edit), fields);
    }

    void emptyFieldReadsAsZero()
    {
        QIpEdit edit;
        edit.octetField(0)->setText(QStringLiteral("192"));
        edit.octetField(1)->setText(QStringLiteral("168"));
        edit.octetField(3)->setText(QStringLiteral("1"));
        QCOMPARE(edit.rawText(), QStringLiteral("192.168.0.1"));
        QCOMPARE(edit.text(), QStringLiteral("192.168.0.1"));
        QCOMPARE(edit.value(), 0xC0A80001u);
    }

    void setValue()
    {
        QIpEdit edit;
        edit.setValue(0xC0A80001u);
        QCOMPARE(fieldTexts(edit), QStringList({"192", "168", "0", "1"}));
        edit.setValue(0);
        QCOMPARE(edit.text(), QStringLiteral("0.0.0.0"));
    }

    void validatorKeepsEmptyInput()
    {
        IPItemValidator validator;
        QString empty;
        validator.fixup(empty);
        QVERIFY(empty.isEmpty());
        int pos = 0;
        QString tooLarge = QStringLiteral("256");
        QVERIFY(validator.validate(tooLarge, pos) != QValidator::Acceptable);
        QString octet = QStringLiteral("255");
        QCOMPARE(validator.validate(octet, pos), QValidator::Acceptable);
        QString letters = QStringLiteral("a");
        QCOMPARE(validator.validate(letters, pos), QValidator::Invalid);
    }

    // Typed as a user types, each key going where the focus is: the address typed is the
    // address held, and an octet above 255 stays as typed, marked, with no address held.
    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("text");
        QTest::newRow("three_digit_octets")
            << "192.168.1.10" << false << QStringList{"192", "168", "1", "10"} << "192.168.1.10";
        QTest::newRow("short_octets")
            << "10.0.0.5" << false << QStringList{"10", "0", "0", "5"} << "10.0.0.5";
        QTest::newRow("keypad_period")
            << "10.0.0.5" << true << QStringList{"10", "0", "0", "5"} << "10.0.0.5";
        QTest::newRow("keypad_decimal_comma")
            << "172,16,0,1" << true << QStringList{"172", "16", "0", "1"} << "172.16.0.1";
        QTest::newRow("too_large_kept")
            << "300.1.1.1" << false << QStringList{"300", "1", "1", "1"} << QString();
    }

    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(bool, keypad);
        QFETCH(QStringList, fields);
        QFETCH(QString, text);
        QIpEdit edit;
        QVERIFY(showActive(edit));
        edit.octetField(0)->setFocus();
        QTest::keyClicks(nullptr, typed, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(fieldTexts(edit), fields);
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.hasAcceptableInput(), !text.isEmpty());
        QCOMPARE(edit.octetField(0)->styleSheet().contains(QLatin1String("color")), text.isEmpty());
    }

    // The X server may press Num Lock around a keypad key: that confirms no octet.
    void numLockKeepsTheThirdDigitsMove()
    {
        QIpEdit edit;
        QVERIFY(showActive(edit));
        edit.octetField(0)->setFocus();
        QTest::keyClicks(nullptr, QStringLiteral("255"));
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_NumLock);
        QTest::keyClicks(nullptr, QStringLiteral(".1.2.3"), Qt::KeypadModifier);
        QCOMPARE(edit.text(), QStringLiteral("255.1.2.3"));
    }

    void pasteFillsAllFour_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("shortcut") << " 192.168.1.10\n"
                                  << false << QStringList{"192", "168", "1", "10"};
        QTest::newRow("context_menu") << "10.0.0.5" << true << QStringList{"10", "0", "0", "5"};
        QTest::newRow("not_an_address") << "1.2.3" << false << QStringList{"", "7", "", ""};
    }

    void pasteFillsAllFour()
    {
        QFETCH(QString, clipboard);
        QFETCH(bool, menu);
        QFETCH(QStringList, fields);
        QIpEdit edit;
        QVERIFY(showActive(edit));
        edit.octetField(1)->setFocus();
        QTest::keyClicks(nullptr, QStringLiteral("7"));
        QApplication::clipboard()->setText(clipboard);
        if (menu) {
            // The context menu pastes into the field as it stands: here replacing all of it.
            edit.octetField(1)->selectAll();
            edit.octetField(1)->paste();
        } else
            QTest::keySequence(edit.octetField(1), QKeySequence::Paste);
        QCOMPARE(fieldTexts(edit), fields);
    }

    void thirdDigitMovesFocusAndSelects()
    {
        QIpEdit edit;
        edit.setText(QStringLiteral("0.42.0.0"));
        QVERIFY(showActive(edit));
        QLineEdit *first = edit.octetField(0);
        first->setFocus();
        first->clear();
        QTest::keyClicks(first, QStringLiteral("192"));
        QTRY_COMPARE(QApplication::focusWidget(), edit.octetField(1));
        QCOMPARE(edit.octetField(1)->selectedText(), QStringLiteral("42"));
        QCOMPARE(first->text(), QStringLiteral("192"));
    }

    void lastFieldKeepsFocus()
    {
        QIpEdit edit;
        QVERIFY(showActive(edit));
        QLineEdit *last = edit.octetField(3);
        last->setFocus();
        QSignalSpy finished(&edit, &QIpEdit::editingFinished);
        QTest::keyClicks(last, QStringLiteral("254"));
        QTRY_VERIFY(finished.count() >= 1);
        QCOMPARE(QApplication::focusWidget(), last);
    }

    void homeAndEnd_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("cursor");
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("home_from_%d", i) << i << int(Qt::Key_Home) << 0 << 0;
            QTest::addRow("end_from_%d", i) << i << int(Qt::Key_End) << 3 << 2;
        }
    }

    void homeAndEnd()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        QFETCH(int, cursor);
        QIpEdit edit;
        edit.setText(QStringLiteral("11.22.33.44"));
        QVERIFY(showActive(edit));
        edit.octetField(from)->setFocus();
        edit.octetField(from)->setCursorPosition(1);
        QTest::keyClick(edit.octetField(from), Qt::Key(key));
        QTRY_COMPARE(QApplication::focusWidget(), edit.octetField(to));
        QCOMPARE(edit.octetField(to)->cursorPosition(), cursor);
    }

    void leftAndRight_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("cursorBefore");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("cursorAfter");
        QTest::newRow("left_at_start_moves_back") << 2 << 0 << int(Qt::Key_Left) << 1 << 2;
        QTest::newRow("left_inside_stays") << 2 << 1 << int(Qt::Key_Left) << 2 << 0;
        QTest::newRow("left_in_first_stays") << 0 << 0 << int(Qt::Key_Left) << 0 << 0;
        QTest::newRow("right_at_end_moves_on") << 1 << 2 << int(Qt::Key_Right) << 2 << 0;
        QTest::newRow("right_inside_stays") << 1 << 1 << int(Qt::Key_Right) << 1 << 2;
        QTest::newRow("right_in_last_stays") << 3 << 2 << int(Qt::Key_Right) << 3 << 2;
    }

    void leftAndRight()
    {
        QFETCH(int, from);
        QFETCH(int, cursorBefore);
        QFETCH(int, key);
        QFETCH(int, to);
        QFETCH(int, cursorAfter);
        QIpEdit edit;
        edit.setText(QStringLiteral("11.22.33.44"));
        QVERIFY(showActive(edit));
        QSignalSpy changed(&edit, &QIpEdit::signalTextChanged);
        edit.octetField(from)->setFocus();
        edit.octetField(from)->setCursorPosition(cursorBefore);
        QTest::keyClick(edit.octetField(from), Qt::Key(key));
        QTRY_COMPARE(QApplication::focusWidget(), edit.octetField(to));
        QCOMPARE(edit.octetField(to)->cursorPosition(), cursorAfter);
        // The cursor keys never count as editing.
        QCOMPARE(changed.count(), 0);
    }

    void rightInEmptyFieldMovesOn()
    {
        QIpEdit edit;
        QVERIFY(showActive(edit));
        edit.octetField(0)->setFocus();
        QTest::keyClick(edit.octetField(0), Qt::Key_Right);
        QTRY_COMPARE(QApplication::focusWidget(), edit.octetField(1));
    }

    void keyPressEmitsWithItsField()
    {
        QIpEdit edit;
        QVERIFY(showActive(edit));
        QSignalSpy changed(&edit, &QIpEdit::signalTextChanged);
        edit.octetField(2)->setFocus();
        QTest::keyClick(edit.octetField(2), Qt::Key_5);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QLineEdit *>(), edit.octetField(2));
        QCOMPARE(edit.octetField(2)->text(), QStringLiteral("5"));
    }

    void clearButtonEmptiesAllFields()
    {
        QIpEdit edit;
        edit.setText(QStringLiteral("10.1.2.3"));
        QTest::mouseClick(edit.clearButton(), Qt::LeftButton);
        QCOMPARE(fieldTexts(edit), QStringList({"", "", "", ""}));
        QCOMPARE(edit.text(), QStringLiteral("0.0.0.0"));
        QVERIFY(edit.clearButton()->isFlat());
        QVERIFY(!edit.clearButton()->icon().pixmap(16).isNull());
    }

    void dotFollowsEnabledState()
    {
        QIpEdit edit;
        QIpDot *dot = edit.findChild<QIpDot *>();
        QVERIFY(dot);
        QCOMPARE(dot->text(), QStringLiteral("."));
        const QPalette palette = QApplication::palette("QLineEdit");
        QCOMPARE(dot->styleSheet(), QStringLiteral("background: ") +
                                        palette.color(QPalette::Active, QPalette::Base).name());
        edit.setEnabled(false);
        QCOMPARE(dot->styleSheet(), QStringLiteral("background: ") +
                                        palette.color(QPalette::Inactive, QPalette::Base).name());
    }
};

VYRO_TEST_MAIN(TestQIpEdit)
#include "tst_qipedit.moc"
