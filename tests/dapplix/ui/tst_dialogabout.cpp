// The about box and its link label, and the pictures behind the window's actions.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "dapplix/ui/dialog_about.h"
#include "dapplix/ui/mainwindow.h"
#include "dapplix/ui/qclickablelabel.h"
#include "dapplix/ui/resourceicon.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/testmain.h"

namespace {

// The share of pixels that are not transparent; a blank picture has none.
double coverage(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            opaque += qAlpha(argb.pixel(x, y)) > 128;
    return double(opaque) / (argb.width() * argb.height());
}

} // namespace

class tst_DialogAbout : public QObject
{
    Q_OBJECT
private slots:
    void aboutBox();
    void usageLink();
    void aboutQt();
    void clickableLabel_data();
    void clickableLabel();
    void icons_data();
    void icons();
    void programIcon();
    void actionsCarryTheirIcons();
};

void tst_DialogAbout::aboutBox()
{
    Dialog_About about(QStringLiteral("Vyro Dapplix"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Vyro Dapplix"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("titleLabel"))->text(),
             QStringLiteral("Vyro Dapplix"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("versionLabel"))->text(),
             QStringLiteral("Version: 4.95.1.0"));
    const QPixmap logo =
        about.findChild<QLabel *>(QStringLiteral("logoLabel"))->pixmap(Qt::ReturnByValue);
    QVERIFY(!logo.isNull());
    QVERIFY(coverage(logo.toImage()) > 0.1);
    auto *link = about.findChild<QClickableLabel *>(QStringLiteral("usageLink"));
    QVERIFY(link);
    QVERIFY(link->styleSheet().contains(QStringLiteral("text-decoration : underline")));
}

void tst_DialogAbout::usageLink()
{
    MainWindow window;
    // The usage box opens from the about box's link, above it; the about box stays open.
    QStringList shown;
    bool aboutStillOpen = false;
    QTimer::singleShot(0, this, [&] {
        auto *about = window.findChild<Dialog_About *>();
        auto *link = about ? about->findChild<QClickableLabel *>() : nullptr;
        if (!link)
            return;
        ModalAnswerer answerer;
        connect(&answerer, &ModalAnswerer::answered, this,
                [&](const QString &text) { shown << text.section(QLatin1Char('\n'), 0, 0); });
        QTest::mouseClick(link, Qt::LeftButton);
        aboutStillOpen = about->isVisible();
        about->accept();
    });
    window.openHelpAboutWindow();
    QCOMPARE(shown, QStringList{QStringLiteral("Vyro Dapplix - Usage")});
    QVERIFY(aboutStillOpen);
}

void tst_DialogAbout::aboutQt()
{
    Dialog_About about(QStringLiteral("Vyro Dapplix"));
    auto *button = about.findChild<QPushButton *>(QStringLiteral("aboutQtButton"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("About Qt"));
    ModalAnswerer answerer;
    button->click();
    QCOMPARE(answerer.count(), 1);
    QVERIFY(answerer.texts().at(0).contains(QStringLiteral("Qt")));
}

void tst_DialogAbout::clickableLabel_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left_click") << int(Qt::LeftButton) << 0 << true << 1;
    QTest::newRow("right_click") << int(Qt::RightButton) << 0 << true << 0;
    QTest::newRow("released_outside") << int(Qt::LeftButton) << 0 << false << 0;
    QTest::newRow("space") << 0 << int(Qt::Key_Space) << true << 1;
    QTest::newRow("return") << 0 << int(Qt::Key_Return) << true << 1;
    QTest::newRow("letter") << 0 << int(Qt::Key_A) << true << 0;
}

void tst_DialogAbout::clickableLabel()
{
    QFETCH(int, button);
    QFETCH(int, key);
    QFETCH(bool, inside);
    QFETCH(int, clicks);
    QClickableLabel label(QStringLiteral("link"), 7);
    label.resize(80, 20);
    QSignalSpy clicked(&label, &QClickableLabel::clicked);
    if (key) {
        QTest::keyClick(&label, Qt::Key(key));
    } else {
        const QPoint at = inside ? QPoint(5, 5) : QPoint(200, 5);
        QTest::mousePress(&label, Qt::MouseButton(button), Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::MouseButton(button), Qt::NoModifier, at);
    }
    QCOMPARE(clicked.count(), clicks);
    if (clicks)
        QCOMPARE(clicked.at(0).at(0).toInt(), 7);
}

void tst_DialogAbout::icons_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"openplay",
                             "camclose",
                             "writeList",
                             "openList",
                             "highlight",
                             "writeBadpixel",
                             "badpixelCorrection",
                             "addBadpixel",
                             "deleteBadpixel",
                             "detectBadpixel",
                             "zoom",
                             "help",
                             "information",
                             "exportList",
                             "importList",
                             "exit",
                             "cameraList",
                             "badpixelList",
                             "window_view",
                             "cameraproperties"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_DialogAbout::icons()
{
    QFETCH(QString, name);
    ResourceIcon::registerResources();
    const QImage big(QStringLiteral(":/res/%1.png").arg(name));
    QCOMPARE(big.size(), QSize(32, 32));
    const QIcon icon = ResourceIcon::get(name);
    // Drawn for each size, and none of them blank.
    for (int size : {16, 22, 32}) {
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY2(coverage(image) > 0.15,
                 qPrintable(QStringLiteral("%1 at %2").arg(name).arg(size)));
    }
    QVERIFY(QFile::exists(QStringLiteral(":/res/16/%1.png").arg(name)));
    QVERIFY(QFile::exists(QStringLiteral(":/res/22/%1.png").arg(name)));
}

void tst_DialogAbout::programIcon()
{
    const QIcon icon = ResourceIcon::programIcon();
    QVERIFY(!icon.isNull());
    for (int size : {16, 32, 48, 256}) {
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(coverage(image) > 0.5);
    }
}

void tst_DialogAbout::actionsCarryTheirIcons()
{
    MainWindow window;
    QVERIFY(!window.windowIcon().isNull());
    int withIcon = 0;
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->objectName().isEmpty() || action->objectName().startsWith("actionZoom1") ||
            action->objectName().startsWith("actionZoom2") ||
            action->objectName().startsWith("actionZoom4") ||
            action->objectName() == QLatin1String("actionZoomToFit") ||
            action->objectName() == QLatin1String("actionClearUser"))
            continue;
        QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
        ++withIcon;
    }
    QCOMPARE(withIcon, 22);
}

VYRO_TEST_MAIN(tst_DialogAbout)
#include "tst_dialogabout.moc"
