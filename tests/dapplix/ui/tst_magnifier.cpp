// tst_magnifier.cpp: the magnifier's cells, its framed centre, the Bayer letter and value of the
// focus pixel, moving the focus by keys and clicks, and the zoom slider with the mouse wheel.
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include "dapplix/ui/magnifier.h"
#include "dapplix/ui/magnifiercontrol.h"
#include "tests/support/greyframe.h"
#include "tests/support/testmain.h"

namespace {

// Each pixel's grey level tells its position: (x + 10 y) modulo 256.
QImage positionFrame(int width, int height)
{
    QImage frame = greyFrame(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            frame.scanLine(y)[x] = uchar((x + 10 * y) % 256);
    return frame;
}

} // namespace

class tst_Magnifier : public QObject
{
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void showsCellsAroundFocus();
    void bayerLetter_data();
    void bayerLetter();
    void pixelInfoFollowsPosition();
    void keysMoveFocus_data();
    void keysMoveFocus();
    void clickMovesByCells_data();
    void clickMovesByCells();
    void controlShowsPixelInfo();
    void wheelMovesZoomSlider_data();
    void wheelMovesZoomSlider();
};

void tst_Magnifier::cells_data()
{
    QTest::addColumn<QSize>("label");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("cells");
    QTest::newRow("zoom_5_on_160x120") << QSize(160, 120) << 5 << QSize(35, 27);
    QTest::newRow("zoom_20_on_160x120") << QSize(160, 120) << 20 << QSize(11, 9);
    QTest::newRow("zoom_100_on_160x120") << QSize(160, 120) << 100 << QSize(3, 3);
    QTest::newRow("zoom_7_on_161x99") << QSize(161, 99) << 7 << QSize(25, 17);
}

void tst_Magnifier::cells()
{
    QFETCH(QSize, label);
    QFETCH(int, zoom);
    QFETCH(QSize, cells);
    Magnifier magnifier;
    magnifier.resize(label);
    magnifier.setZoom(zoom);
    QCOMPARE(magnifier.cells(), cells);
    magnifier.setImage(positionFrame(200, 150));
    magnifier.setPosition(QPoint(100, 75));
    QCOMPARE(magnifier.pixmap(Qt::ReturnByValue).size(), cells * zoom);
}

void tst_Magnifier::showsCellsAroundFocus()
{
    Magnifier magnifier;
    magnifier.resize(160, 120);
    magnifier.setZoom(5);
    magnifier.setImage(positionFrame(200, 150));
    magnifier.setPosition(QPoint(100, 75));
    const QImage shown = magnifier.pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(shown.size(), QSize(175, 135));
    // 35 x 27 cells: the top left one shows (100 - 17, 75 - 13), the last (100 + 17, 75 + 13).
    auto level = [](int x, int y) { return (x + 10 * y) % 256; };
    QCOMPARE(qBlue(shown.pixel(2, 2)), level(83, 62));
    QCOMPARE(qBlue(shown.pixel(172, 132)), level(117, 88));
    // The focus cell is framed in green, with green ticks pointing at it.
    const int left = 17 * 5;
    const int top = 13 * 5;
    QCOMPARE(shown.pixel(left - 1, top + 2), qRgb(0, 255, 0));
    QCOMPARE(shown.pixel(left + 5, top + 2), qRgb(0, 255, 0));
    QCOMPARE(shown.pixel(left + 2, top - 1), qRgb(0, 255, 0));
    QCOMPARE(shown.pixel(left + 2, top + 5), qRgb(0, 255, 0));
    QCOMPARE(qBlue(shown.pixel(left + 2, top + 2)), level(100, 75));
    QCOMPARE(shown.pixel(left - 10, top + 2), qRgb(0, 255, 0));
    QCOMPARE(shown.pixel(left + 2, top + 15), qRgb(0, 255, 0));
}

void tst_Magnifier::bayerLetter_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QString>("letter");
    QTest::newRow("3_5_blue") << QPoint(3, 5) << "B";
    QTest::newRow("2_5_green") << QPoint(2, 5) << "G";
    QTest::newRow("3_4_green") << QPoint(3, 4) << "G";
    QTest::newRow("2_4_red") << QPoint(2, 4) << "R";
    QTest::newRow("origin_red") << QPoint(0, 0) << "R";
}

void tst_Magnifier::bayerLetter()
{
    QFETCH(QPoint, pos);
    QFETCH(QString, letter);
    Magnifier magnifier;
    magnifier.resize(160, 120);
    magnifier.setImage(positionFrame(20, 20));
    QSignalSpy info(&magnifier, &Magnifier::pixelInfoChanged);
    magnifier.setPosition(pos);
    QCOMPARE(info.count(), 1);
    QCOMPARE(info.first().at(0).toString(), letter);
    QCOMPARE(info.first().at(1).toInt(), pos.x() + 10 * pos.y());
}

void tst_Magnifier::pixelInfoFollowsPosition()
{
    Magnifier magnifier;
    magnifier.resize(160, 120);
    QSignalSpy info(&magnifier, &Magnifier::pixelInfoChanged);
    // Without an image the value is 0.
    magnifier.setPosition(QPoint(1, 1));
    QCOMPARE(info.last().at(1).toInt(), 0);
    // A frame arriving redraws but does not repeat the information.
    magnifier.setImage(positionFrame(30, 30));
    QCOMPARE(info.count(), 1);
    magnifier.setPosition(QPoint(7, 3));
    QCOMPARE(info.last().at(0).toString(), QStringLiteral("B"));
    QCOMPARE(info.last().at(1).toInt(), 37);
    // Outside the image: the letter still follows the position, the value is 0.
    magnifier.setPosition(QPoint(31, 2));
    QCOMPARE(info.last().at(1).toInt(), 0);
}

void tst_Magnifier::keysMoveFocus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("left") << int(Qt::Key_Left) << QPoint(9, 20);
    QTest::newRow("up") << int(Qt::Key_Up) << QPoint(10, 19);
    QTest::newRow("right") << int(Qt::Key_Right) << QPoint(11, 20);
    QTest::newRow("down") << int(Qt::Key_Down) << QPoint(10, 21);
}

void tst_Magnifier::keysMoveFocus()
{
    QFETCH(int, key);
    QFETCH(QPoint, to);
    Magnifier magnifier;
    magnifier.setPosition(QPoint(10, 20));
    QSignalSpy moved(&magnifier, &Magnifier::changePosition);
    QTest::keyClick(&magnifier, Qt::Key(key));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.first().first().toPoint(), to);
    QTest::keyClick(&magnifier, Qt::Key_A);
    QCOMPARE(moved.count(), 1);
}

void tst_Magnifier::clickMovesByCells_data()
{
    QTest::addColumn<QPoint>("offset"); // from the label's centre
    QTest::addColumn<QPoint>("cells");
    QTest::newRow("centre") << QPoint(0, 0) << QPoint(0, 0);
    QTest::newRow("inside_centre_cell") << QPoint(9, -9) << QPoint(0, 0);
    QTest::newRow("next_right") << QPoint(11, 0) << QPoint(1, 0);
    QTest::newRow("next_up") << QPoint(0, -11) << QPoint(0, -1);
    QTest::newRow("two_left_one_down") << QPoint(-45, 25) << QPoint(-2, 1);
}

void tst_Magnifier::clickMovesByCells()
{
    QFETCH(QPoint, offset);
    QFETCH(QPoint, cells);
    Magnifier magnifier;
    magnifier.resize(160, 120);
    magnifier.setZoom(20);
    magnifier.setPosition(QPoint(50, 50));
    QSignalSpy moved(&magnifier, &Magnifier::changePosition);
    QTest::mouseClick(&magnifier, Qt::LeftButton, Qt::NoModifier, QPoint(80, 60) + offset);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.first().first().toPoint(), QPoint(50, 50) + cells);
}

void tst_Magnifier::controlShowsPixelInfo()
{
    MagnifierControl control;
    QVERIFY(control.magnifier()->minimumWidth() >= 160);
    QVERIFY(control.magnifier()->minimumHeight() >= 120);
    QCOMPARE(control.magnifier()->toolTip(), QStringLiteral("Click to center"));
    QCOMPARE(control.zoomSlider()->minimum(), 5);
    QCOMPARE(control.zoomSlider()->maximum(), 100);
    QCOMPARE(control.zoomSlider()->value(), 20);
    control.magnifier()->setImage(positionFrame(20, 20));
    control.magnifier()->setPosition(QPoint(3, 5));
    QCOMPARE(control.bayerColorText(), QStringLiteral("B"));
    QCOMPARE(control.valueText(), QStringLiteral("53"));
    control.zoomSlider()->setValue(40);
    QCOMPARE(control.magnifier()->zoom(), 40);
}

void tst_Magnifier::wheelMovesZoomSlider_data()
{
    QTest::addColumn<int>("angle"); // eighths of a degree, as the wheel reports
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("overSlider");
    QTest::newRow("one_notch_up") << 120 << 21 << false;
    QTest::newRow("three_notches_down") << -360 << 17 << false;
    QTest::newRow("no_turn") << 0 << 20 << false;
    QTest::newRow("beyond_top") << 120 * 200 << 100 << false;
    QTest::newRow("over_slider_one_notch") << 120 << 21 << true;
    QTest::newRow("over_slider_two_notches_down") << -240 << 18 << true;
}

void tst_Magnifier::wheelMovesZoomSlider()
{
    QFETCH(int, angle);
    QFETCH(int, zoom);
    QFETCH(bool, overSlider);
    MagnifierControl control;
    control.resize(200, 200);
    QWidget *target = overSlider ? static_cast<QWidget *>(control.zoomSlider()) : &control;
    const QPoint at(5, 5);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    QCOMPARE(control.zoomSlider()->value(), zoom);
    QCOMPARE(control.magnifier()->zoom(), zoom);
}

VYRO_TEST_MAIN(tst_Magnifier)
#include "tst_magnifier.moc"
