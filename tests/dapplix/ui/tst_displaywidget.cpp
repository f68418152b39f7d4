// tst_displaywidget.cpp: the live image as the user sees it: markers, cross hair, zoom, clicks
// that pick a listed pixel or move the focus, and dragging.
#include <QBackingStore>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/ui/displaywidget.h"
#include "tests/support/greyframe.h"
#include "tests/support/testmain.h"

namespace {

QImage noiseFrame(int width, int height)
{
    QImage frame = greyFrame(width, height, 0);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            frame.scanLine(y)[x] = uchar(state >> 24);
        }
    return frame;
}

// What the label shows inside the viewport, as the screen gets it.
QImage shown(DisplayWidget &display)
{
    QWidget *label = display.imageLabel();
    const QRect visible(label->mapFrom(display.viewport(), QPoint(0, 0)),
                        display.viewport()->size());
    return label->grab(visible & label->rect()).toImage().convertToFormat(QImage::Format_RGB32);
}

QRect visiblePart(DisplayWidget &display)
{
    QWidget *label = display.imageLabel();
    return QRect(label->mapFrom(display.viewport(), QPoint(0, 0)), display.viewport()->size()) &
           label->rect();
}

bool hasColour(const QImage &image, bool (*test)(QRgb))
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y)))
                return true;
    return false;
}

bool reddish(QRgb c)
{
    return qRed(c) > qGreen(c) + 10;
}

bool greenish(QRgb c)
{
    return qGreen(c) > qRed(c) + 10;
}

struct Fixture
{
    Fixture()
    {
        display.resize(400, 300);
        display.setModel(&model);
        display.setSelectionModel(&selection);
        display.show();
        exposed = QTest::qWaitForWindowExposed(&display);
    }
    bool exposed = false;
    BadpixelListModel model;
    QItemSelectionModel selection{&model};
    DisplayWidget display;
};

} // namespace

class tst_DisplayWidget : public QObject
{
    Q_OBJECT
private slots:
    void highlightOffShowsNoMarkers();
    void highlightOnShowsMarkersAndCrossHair();
    void noCrossHairWhenReduced_data();
    void noCrossHairWhenReduced();
    void screenMatchesWholeImage_data();
    void screenMatchesWholeImage();
    void clickNearListedPixelSelectsIt_data();
    void clickNearListedPixelSelectsIt();
    void clickWhenFittedUsesShownScale();
    void rightDragScrolls();
    void tooLargeScaleIsHalved();
    void clearEmptiesTheLabel();
    void selectionShowsWithoutNewFrame();
};

void tst_DisplayWidget::highlightOffShowsNoMarkers()
{
    Fixture f;
    f.model.addBadpixel(QPoint(20, 20));
    f.selection.select(f.model.index(0, 0),
                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    f.display.updateMagnifierPosition(QPoint(20, 20));
    f.display.setHighlight(false);
    f.display.setImage(greyFrame(100, 80, 50));
    const QImage image = shown(f.display);
    QCOMPARE(image.size(), QSize(100, 80));
    QCOMPARE(image, greyFrame(100, 80, 50).convertToFormat(QImage::Format_RGB32));
}

void tst_DisplayWidget::highlightOnShowsMarkersAndCrossHair()
{
    Fixture f;
    f.model.addBadpixel(QPoint(20, 20));
    f.display.updateMagnifierPosition(QPoint(60, 50));
    f.display.setHighlight(true);
    f.display.setImage(greyFrame(100, 80, 50));
    const QImage image = shown(f.display);
    QVERIFY(greenish(image.pixel(16, 20))); // the user entry's circle
    QVERIFY(reddish(image.pixel(5, 50)));   // the cross hair's row
    QVERIFY(reddish(image.pixel(60, 5)));   // and its column
    QCOMPARE(image.pixel(5, 5), qRgb(50, 50, 50));
}

void tst_DisplayWidget::noCrossHairWhenReduced_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("crossHair");
    QTest::newRow("one_to_one") << 1.0 << true;
    QTest::newRow("one_to_two") << 0.5 << false;
    QTest::newRow("to_fit") << 0.0 << false;
}

void tst_DisplayWidget::noCrossHairWhenReduced()
{
    QFETCH(double, scale);
    QFETCH(bool, crossHair);
    Fixture f;
    f.display.updateMagnifierPosition(QPoint(60, 50));
    f.display.setHighlight(true);
    f.display.setScale(scale);
    f.display.setImage(greyFrame(200, 160, 50));
    QCOMPARE(hasColour(shown(f.display), reddish), crossHair);
}

void tst_DisplayWidget::screenMatchesWholeImage_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("scroll");
    QTest::newRow("one_to_one") << 1.0 << QPoint(0, 0);
    QTest::newRow("one_to_one_scrolled") << 1.0 << QPoint(117, 61);
    QTest::newRow("two_to_one_scrolled") << 2.0 << QPoint(301, 203);
    QTest::newRow("four_to_one_scrolled") << 4.0 << QPoint(999, 777);
    QTest::newRow("one_to_two") << 0.5 << QPoint(13, 7);
    QTest::newRow("one_to_four") << 0.25 << QPoint(0, 0);
    QTest::newRow("to_fit") << 0.0 << QPoint(0, 0);
}

void tst_DisplayWidget::screenMatchesWholeImage()
{
    QFETCH(double, scale);
    QFETCH(QPoint, scroll);
    Fixture f;
    QVERIFY(f.exposed);
    for (int i = 0; i < 40; ++i)
        f.model.addBadpixel(QPoint((i * 37) % 640, (i * 53) % 480));
    f.selection.select(f.model.index(3, 0),
                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    f.display.updateMagnifierPosition(QPoint(150, 120));
    f.display.setHighlight(true);
    f.display.setScale(scale);
    f.display.setImage(noiseFrame(640, 480));
    f.display.horizontalScrollBar()->setValue(scroll.x());
    f.display.verticalScrollBar()->setValue(scroll.y());

    const QImage whole = f.display.renderedImage();
    QCOMPARE(f.display.imageLabel()->size(), whole.size());
    const QRect part = visiblePart(f.display);
    QVERIFY(!part.isEmpty());
    const QImage expected = whole.copy(part);
    // Through a pixmap, as a grab gets it.
    QCOMPARE(shown(f.display), expected);
    // Into an image, which the label writes directly.
    QImage rendered(part.size(), QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::magenta);
    f.display.imageLabel()->render(&rendered, QPoint(), QRegion(part));
    QCOMPARE(rendered.convertToFormat(QImage::Format_RGB32), expected);
    // On the screen: the window's backing store after a repaint.
    f.display.viewport()->repaint();
    auto *surface = dynamic_cast<QImage *>(f.display.window()->backingStore()->paintDevice());
    QVERIFY(surface);
    const QPoint inWindow = f.display.imageLabel()->mapTo(f.display.window(), part.topLeft());
    QCOMPARE(surface->copy(QRect(inWindow, part.size())).convertToFormat(QImage::Format_RGB32),
             expected);
}

void tst_DisplayWidget::clickNearListedPixelSelectsIt_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("click"); // in image pixels
    QTest::addColumn<bool>("selects");
    QTest::newRow("on_it") << 1.0 << QPoint(40, 30) << true;
    QTest::newRow("six_right_six_down") << 1.0 << QPoint(46, 36) << true;
    QTest::newRow("six_left_six_up") << 1.0 << QPoint(34, 24) << true;
    QTest::newRow("seven_right") << 1.0 << QPoint(47, 30) << false;
    QTest::newRow("seven_up") << 1.0 << QPoint(40, 23) << false;
    QTest::newRow("enlarged_six_right") << 2.0 << QPoint(46, 30) << true;
    QTest::newRow("enlarged_seven_right") << 2.0 << QPoint(47, 30) << false;
}

void tst_DisplayWidget::clickNearListedPixelSelectsIt()
{
    QFETCH(double, scale);
    QFETCH(QPoint, click);
    QFETCH(bool, selects);
    Fixture f;
    f.model.addBadpixel(QPoint(5, 5));
    f.model.addBadpixel(QPoint(40, 30));
    f.selection.select(f.model.index(0, 0),
                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    f.display.setScale(scale);
    f.display.setImage(greyFrame(100, 80, 50));
    QSignalSpy clicked(&f.display, &DisplayWidget::positionClicked);

    // The middle of the image pixel on the screen.
    const QPoint onLabel(int((click.x() + 0.5) * scale), int((click.y() + 0.5) * scale));
    QTest::mouseClick(f.display.viewport(), Qt::LeftButton, Qt::NoModifier,
                      f.display.imageLabel()->mapTo(f.display.viewport(), onLabel));
    if (selects) {
        QCOMPARE(clicked.count(), 0);
        const QModelIndexList rows = f.selection.selectedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().row(), 1);
    } else {
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toPoint(), click);
        QVERIFY(!f.selection.hasSelection());
    }
}

void tst_DisplayWidget::clickWhenFittedUsesShownScale()
{
    Fixture f;
    f.display.setScale(0.0);
    f.display.setImage(greyFrame(1000, 800, 50));
    const double shownScale = double(f.display.imageLabel()->width()) / 1000;
    QVERIFY(shownScale > 0.0 && shownScale < 1.0);
    QSignalSpy clicked(&f.display, &DisplayWidget::positionClicked);
    const QPoint onLabel(100, 50);
    QTest::mouseClick(f.display.viewport(), Qt::LeftButton, Qt::NoModifier,
                      f.display.imageLabel()->mapTo(f.display.viewport(), onLabel));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toPoint(),
             QPoint(int(100 / shownScale), int(50 / shownScale)));
}

void tst_DisplayWidget::rightDragScrolls()
{
    Fixture f;
    f.display.setScale(2.0);
    f.display.setImage(greyFrame(640, 480, 50));
    f.display.horizontalScrollBar()->setValue(100);
    f.display.verticalScrollBar()->setValue(100);
    QWidget *vp = f.display.viewport();
    QTest::mousePress(vp, Qt::RightButton, Qt::NoModifier, QPoint(200, 150));
    QMouseEvent move(QEvent::MouseMove, QPointF(170, 110), Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(vp, &move);
    QCOMPARE(f.display.horizontalScrollBar()->value(), 130);
    QCOMPARE(f.display.verticalScrollBar()->value(), 140);
    // The start follows the mouse: a second step scrolls by that step only.
    QMouseEvent again(QEvent::MouseMove, QPointF(160, 110), Qt::NoButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(vp, &again);
    QCOMPARE(f.display.horizontalScrollBar()->value(), 140);
    QCOMPARE(f.display.verticalScrollBar()->value(), 140);
    QTest::mouseRelease(vp, Qt::RightButton, Qt::NoModifier, QPoint(160, 110));
}

void tst_DisplayWidget::tooLargeScaleIsHalved()
{
    Fixture f;
    QSignalSpy scaleChanged(&f.display, &DisplayWidget::scaleChanged);
    f.display.setScale(4.0);
    f.display.setImage(greyFrame(8000, 8000, 50));
    QCOMPARE(scaleChanged.count(), 1);
    QCOMPARE(scaleChanged.first().first().toDouble(), 2.0);
    QCOMPARE(f.display.scale(), 2.0);
    QCOMPARE(f.display.imageLabel()->size(), QSize(16000, 16000));
}

void tst_DisplayWidget::clearEmptiesTheLabel()
{
    Fixture f;
    f.display.setImage(greyFrame(100, 80, 50));
    QCOMPARE(f.display.imageLabel()->size(), QSize(100, 80));
    f.display.clear();
    QVERIFY(f.display.image().isNull());
    QVERIFY(f.display.imageLabel()->size().isEmpty());
    // A redraw without an image shows nothing and does not fail.
    f.display.redrawImage();
    QVERIFY(f.display.imageLabel()->size().isEmpty());
}

void tst_DisplayWidget::selectionShowsWithoutNewFrame()
{
    Fixture f;
    f.model.addBadpixel(QPoint(5, 5));
    f.model.addBadpixel(QPoint(40, 30));
    f.display.setHighlight(true);
    f.display.setImage(greyFrame(100, 80, 50));
    auto bluish = [](QRgb c) { return qBlue(c) > qRed(c) + 10; };
    QVERIFY(!bluish(shown(f.display).pixel(46, 30)));
    f.selection.select(f.model.index(1, 0),
                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QVERIFY(bluish(shown(f.display).pixel(46, 30)));
    QVERIFY(!bluish(shown(f.display).pixel(11, 5)));
    f.selection.select(f.model.index(0, 0),
                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QVERIFY(!bluish(shown(f.display).pixel(46, 30)));
    QVERIFY(bluish(shown(f.display).pixel(11, 5)));
}

VYRO_TEST_MAIN(tst_DisplayWidget)
#include "tst_displaywidget.moc"
