// tst_displayrenderer.cpp: the display drawn part by part gives the pixels of the whole image
// converted, marked and scaled the straightforward way, at every zoom and for every part.
#include <QtTest>

#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/ui/displayrenderer.h"
#include "tests/support/greyframe.h"
#include "tests/support/testmain.h"

namespace {

QImage noiseFrame(int width, int height, QImage::Format format, quint32 seed)
{
    QImage frame = format == QImage::Format_Indexed8 ? greyFrame(width, height)
                                                     : QImage(width, height, format);
    quint32 state = seed;
    for (int y = 0; y < height; ++y) {
        uchar *line = frame.scanLine(y);
        const int bytes = width * frame.depth() / 8;
        for (int i = 0; i < bytes; ++i) {
            state = state * 1664525u + 1013904223u;
            line[i] = uchar(state >> 24);
        }
        if (format == QImage::Format_RGB32)
            for (int x = 0; x < width; ++x)
                reinterpret_cast<quint32 *>(line)[x] |= 0xff000000u;
    }
    return frame;
}

// Factory and user entries, overlapping each other, on the edges and outside the image.
void fillList(BadpixelListModel &model, const QSize &size)
{
    const QList<QPoint> users = {{10, 10},
                                 {13, 12},
                                 {0, 0},
                                 {size.width() - 1, 5},
                                 {5, size.height() - 1},
                                 {size.width() / 2, size.height() / 2},
                                 {size.width() + 3, 4}};
    for (const QPoint &p : users)
        model.addBadpixel(p);
    model.insertRows(model.rowCount(), 2);
    const int factory = model.rowCount() - 2;
    model.setData(model.index(factory, 0), 20);
    model.setData(model.index(factory, 1), 17);
    model.setData(model.index(factory, 2), QStringLiteral("factory"));
    model.setData(model.index(factory + 1, 0), 23);
    model.setData(model.index(factory + 1, 1), 19);
    model.setData(model.index(factory + 1, 2), QStringLiteral("factory"));
}

int firstDifference(const QImage &a, const QImage &b, QPoint *where)
{
    if (a.size() != b.size())
        return -2;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                *where = QPoint(x, y);
                return 1;
            }
    return 0;
}

} // namespace

class tst_DisplayRenderer : public QObject
{
    Q_OBJECT
private slots:
    void partsMatchWholeImage_data();
    void partsMatchWholeImage();
    void highlightOffShowsPlainImage();
    void markersKeepTheirSizeWhenReduced_data();
    void markersKeepTheirSizeWhenReduced();
    void crossHairOnlyWhenEnlargedOrOneToOne_data();
    void crossHairOnlyWhenEnlargedOrOneToOne();
    void frameIsShared();
    void tooLargeImage();
};

void tst_DisplayRenderer::partsMatchWholeImage_data()
{
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<int>("format");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("viewport");
    QTest::addColumn<bool>("highlight");
    QTest::addColumn<QPoint>("focus");

    const QSize vp(300, 200);
    const int grey = QImage::Format_Indexed8;
    const int rgb = QImage::Format_RGB32;
    QTest::newRow("one_to_one") << QSize(97, 61) << grey << 1.0 << vp << true << QPoint(12, 11);
    QTest::newRow("two_to_one") << QSize(97, 61) << grey << 2.0 << vp << true << QPoint(20, 17);
    QTest::newRow("four_to_one") << QSize(97, 61) << grey << 4.0 << vp << true << QPoint(0, 0);
    QTest::newRow("one_to_two") << QSize(97, 61) << grey << 0.5 << vp << true << QPoint(12, 11);
    QTest::newRow("one_to_four") << QSize(97, 61) << grey << 0.25 << vp << true << QPoint(3, 3);
    QTest::newRow("fit_enlarged") << QSize(97, 61) << grey << 0.0 << vp << true << QPoint(5, 5);
    QTest::newRow("fit_slightly_reduced")
        << QSize(401, 233) << grey << 0.0 << vp << true << QPoint(5, 5);
    QTest::newRow("fit_strongly_reduced")
        << QSize(1301, 977) << grey << 0.0 << vp << true << QPoint(5, 5);
    QTest::newRow("fit_tall") << QSize(50, 700) << grey << 0.0 << vp << true << QPoint(5, 5);
    QTest::newRow("rgb_one_to_one") << QSize(64, 48) << rgb << 1.0 << vp << true << QPoint(9, 9);
    QTest::newRow("rgb_one_to_four")
        << QSize(257, 129) << rgb << 0.25 << vp << true << QPoint(9, 9);
    QTest::newRow("rgb_two_to_one") << QSize(64, 48) << rgb << 2.0 << vp << true << QPoint(9, 9);
    QTest::newRow("focus_outside_image")
        << QSize(97, 61) << grey << 2.0 << vp << true << QPoint(500, 500);
    QTest::newRow("no_focus") << QSize(97, 61) << grey << 2.0 << vp << true << QPoint(-1, -1);
    QTest::newRow("highlight_off") << QSize(97, 61) << grey << 2.0 << vp << false << QPoint(9, 9);
}

void tst_DisplayRenderer::partsMatchWholeImage()
{
    QFETCH(QSize, frameSize);
    QFETCH(int, format);
    QFETCH(double, scale);
    QFETCH(QSize, viewport);
    QFETCH(bool, highlight);
    QFETCH(QPoint, focus);

    BadpixelListModel model;
    fillList(model, frameSize);
    DisplayRenderer renderer;
    renderer.setModel(&model);
    renderer.setImage(noiseFrame(frameSize.width(), frameSize.height(), QImage::Format(format),
                                 quint32(frameSize.width())));
    renderer.setScale(scale);
    renderer.setViewportSize(viewport);
    renderer.setHighlight(highlight);
    renderer.setFocusPixel(focus);
    renderer.setSelectedRow(1);

    const QImage whole = renderer.renderFull();
    QVERIFY(!whole.isNull());
    QCOMPARE(renderer.targetSize(), whole.size());

    QImage drawn;
    renderer.render(QRect(QPoint(0, 0), whole.size()), drawn);
    QPoint where;
    QCOMPARE(firstDifference(drawn, whole, &where), 0);

    // Parts at odd places, as scrolling exposes them; a part reaching past the image is blank
    // there.
    const QList<QRect> parts = {
        QRect(1, 1, whole.width() / 2, whole.height() / 3),
        QRect(whole.width() / 3, whole.height() / 2, whole.width() - whole.width() / 3,
              whole.height() - whole.height() / 2),
        QRect(7, 3, 5, 9), QRect(whole.width() - 10, whole.height() - 10, 20, 20)};
    for (const QRect &part : parts) {
        renderer.render(part, drawn);
        QImage expected(part.size(), QImage::Format_RGB32);
        expected.fill(0);
        const QRect inside = part & whole.rect();
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                expected.setPixel(x - part.left(), y - part.top(), whole.pixel(x, y));
        const int result = firstDifference(drawn, expected, &where);
        if (result != 0)
            qWarning() << "part" << part << "differs at" << where;
        QCOMPARE(result, 0);
    }
}

void tst_DisplayRenderer::highlightOffShowsPlainImage()
{
    BadpixelListModel model;
    model.addBadpixel(QPoint(10, 10));
    DisplayRenderer renderer;
    renderer.setModel(&model);
    const QImage frame = noiseFrame(40, 30, QImage::Format_Indexed8, 7);
    renderer.setImage(frame);
    renderer.setFocusPixel(QPoint(10, 10));
    renderer.setSelectedRow(0);
    renderer.setHighlight(false);
    QImage drawn;
    renderer.render(QRect(0, 0, 40, 30), drawn);
    QCOMPARE(drawn, frame.convertToFormat(QImage::Format_RGB32));

    renderer.setHighlight(true);
    renderer.render(QRect(0, 0, 40, 30), drawn);
    QVERIFY(drawn != frame.convertToFormat(QImage::Format_RGB32));
}

// Reduced views draw the markers at their own size; scaled with the image they were 1–2 pixels.
void tst_DisplayRenderer::markersKeepTheirSizeWhenReduced_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("1:1") << 1.0;
    QTest::newRow("1:4") << 0.25;
    QTest::newRow("to fit") << 0.0;
}

void tst_DisplayRenderer::markersKeepTheirSizeWhenReduced()
{
    QFETCH(double, scale);
    BadpixelListModel model;
    model.addBadpixel(QPoint(200, 160));
    DisplayRenderer renderer;
    renderer.setModel(&model);
    renderer.setImage(noiseFrame(400, 320, QImage::Format_Indexed8, 3));
    renderer.setScale(scale);
    renderer.setViewportSize(QSize(102, 82));
    const QRect all(QPoint(0, 0), renderer.targetSize());
    QImage plain, marked;
    renderer.setHighlight(false);
    renderer.render(all, plain);
    renderer.setHighlight(true);
    renderer.render(all, marked);
    int changed = 0;
    for (int y = 0; y < all.height(); ++y)
        for (int x = 0; x < all.width(); ++x)
            changed += plain.pixel(x, y) != marked.pixel(x, y);
    QVERIFY2(changed >= 20, qPrintable(QString::number(changed)));
}

void tst_DisplayRenderer::crossHairOnlyWhenEnlargedOrOneToOne_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("crossHair");
    QTest::newRow("one_to_one") << 1.0 << true;
    QTest::newRow("two_to_one") << 2.0 << true;
    QTest::newRow("one_to_two") << 0.5 << false;
    QTest::newRow("one_to_four") << 0.25 << false;
    QTest::newRow("to_fit") << 0.0 << false;
}

void tst_DisplayRenderer::crossHairOnlyWhenEnlargedOrOneToOne()
{
    QFETCH(double, scale);
    QFETCH(bool, crossHair);
    BadpixelListModel model;
    DisplayRenderer renderer;
    renderer.setModel(&model);
    QImage frame(80, 60, QImage::Format_Indexed8);
    frame.setColorTable({qRgb(0, 0, 0)});
    frame.fill(0);
    renderer.setImage(frame);
    renderer.setScale(scale);
    renderer.setViewportSize(QSize(162, 122)); // fits at 2:1
    renderer.setHighlight(true);
    renderer.setFocusPixel(QPoint(40, 30));
    QImage drawn;
    const QSize target = renderer.targetSize();
    renderer.render(QRect(QPoint(0, 0), target), drawn);
    bool anyRed = false;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            anyRed = anyRed || qRed(drawn.pixel(x, y)) > 0;
    QCOMPARE(anyRed, crossHair);
    QCOMPARE(drawn, renderer.renderFull());
}

void tst_DisplayRenderer::frameIsShared()
{
    // The camera's frame is kept, not copied; a giver that changes its image afterwards gets
    // storage of its own, and the display keeps what it was given.
    QImage frame = noiseFrame(16, 8, QImage::Format_Indexed8, 3);
    const QImage before = frame.copy();
    DisplayRenderer renderer;
    renderer.setImage(frame);
    QCOMPARE(renderer.image().constBits(), frame.constBits());
    frame.fill(0);
    QCOMPARE(renderer.image(), before);
}

void tst_DisplayRenderer::tooLargeImage()
{
    QVERIFY(!DisplayRenderer::tooLarge(QSize(5472 * 4, 3648 * 4) / 2));
    QVERIFY(DisplayRenderer::tooLarge(QSize(40000, 20000)));
}

VYRO_TEST_MAIN(tst_DisplayRenderer)
#include "tst_displayrenderer.moc"
