// tst_deviceinfoview.cpp: the device information view: expanded groups, the copy of selected
// rows by menu and key, the context menu, and a change of language.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTranslator>

#include "tests/support/testmain.h"
#include "tests/zentara/devinfo/deviceinfotree.h"
#include "tests/zentara/inventory/simworld.h"
#include "zentara/devinfo/deviceinfomodel.h"
#include "zentara/devinfo/deviceinfoview.h"
#include "zentara/devinfo/usbtopology.h"

using zentara::Camera;

namespace {

// Marks every text of the device information classes, so that a test sees which were
// translated again.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        const QByteArray name(context);
        if (name == "DeviceInfoModel" || name == "DeviceInfoView")
            return QStringLiteral("DE:") + QString::fromUtf8(sourceText);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

QMenu *menuOf(const DeviceInfoView &view)
{
    return view.findChild<QMenu *>();
}

} // namespace

class tst_DeviceInfoView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void construction();
    void groupsExpanded();
    void copy_data();
    void copy();
    void copyKey();
    void contextMenu_data();
    void contextMenu();
    void languageChange();

private:
    void show(const QString &deviceJson);
    void selectRows(const QStringList &paths);

    std::unique_ptr<DeviceInfoView> m_view;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    Camera m_camera;
};

void tst_DeviceInfoView::initTestCase()
{
    qRegisterMetaType<Qt::Orientation>();
}

void tst_DeviceInfoView::init()
{
    QVERIFY(SimWorld::reset());
    m_view = std::make_unique<DeviceInfoView>();
    m_tester = std::make_unique<QAbstractItemModelTester>(m_view->model());
    m_view->resize(500, 700);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    QTRY_VERIFY(!m_view->deviceInfoModel()->topology().isRescanning());
}

void tst_DeviceInfoView::cleanup()
{
    m_tester.reset();
    m_view.reset();
}

void tst_DeviceInfoView::show(const QString &deviceJson)
{
    m_camera = simworld::single(deviceJson);
    QVERIFY(m_camera.deviceId() != 0);
    m_view->Update(&m_camera);
}

void tst_DeviceInfoView::selectRows(const QStringList &paths)
{
    m_view->selectionModel()->clear();
    for (const QString &path : paths) {
        const QModelIndex index = deviceinfotree::find(*m_view->model(), path);
        QVERIFY2(index.isValid(), qPrintable(path));
        m_view->selectionModel()->select(index,
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void tst_DeviceInfoView::construction()
{
    QCOMPARE(m_view->minimumSize(), QSize(94, 194));
    QCOMPARE(m_view->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(m_view->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(m_view->alternatingRowColors());
    QCOMPARE(m_view->model()->rowCount(), 0);
    QMenu *menu = menuOf(*m_view);
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Copy item values"));
}

void tst_DeviceInfoView::groupsExpanded()
{
    show(R"({"deviceId": 1001, "deviceType": "0x82"})");
    const QAbstractItemModel &model = *m_view->model();
    const QStringList groups{"Device", "Device/General", "Device/Network", "Local network adapter",
                             "Local network adapter/Settings"};
    for (const QString &path : groups)
        QVERIFY2(m_view->isExpanded(deviceinfotree::find(model, path)), qPrintable(path));
    // Bit rows stay folded until the user opens them.
    QVERIFY(!m_view->isExpanded(deviceinfotree::find(model, "Device/General/Device status flags")));
    // The labels fit: nothing of column 0 is cut off.
    QVERIFY(m_view->columnWidth(0) >
            m_view->fontMetrics().horizontalAdvance(QStringLiteral("Local network adapter")));
    // Opened, the bit rows' labels fit as well.
    m_view->expand(deviceinfotree::find(model, "Device/General/Device status flags"));
    QVERIFY(m_view->columnWidth(0) >= m_view->fontMetrics().horizontalAdvance(
                                          QStringLiteral("Persistent IP address not applicable")));
}

void tst_DeviceInfoView::copy_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("text");
    QTest::newRow("two_rows") << QStringList{"Device/Hardware/Sensor ID",
                                             "Device/Hardware/Image memory size"}
                              << "Sensor ID\t538\nImage memory size\t64 MB";
    QTest::newRow("selected_backwards")
        << QStringList{"Device/Hardware/Image memory size", "Device/Hardware/Sensor ID"}
        << "Sensor ID\t538\nImage memory size\t64 MB";
    QTest::newRow("one_row") << QStringList{"Device/Network/Current IP address"}
                             << "Current IP address\t192.168.10.11";
    // Rows of different groups come in the order they are shown, each on its own line.
    QTest::newRow("across_groups")
        << QStringList{"Local network adapter/Network/IP address", "Device/Hardware/Sensor ID"}
        << "Sensor ID\t538\nIP address\t192.168.10.1";
    QTest::newRow("group_row") << QStringList{"Device/Hardware"} << "Hardware\t";
    QTest::newRow("nothing") << QStringList{} << "";
}

void tst_DeviceInfoView::copy()
{
    QFETCH(QStringList, selected);
    QFETCH(QString, text);
    show(R"({"deviceId": 1001, "deviceType": "0x82", "sensorId": 538, "imageMemorySize": 64,
             "ipAddress": "192.168.10.11", "adapterIp": "192.168.10.1"})");
    selectRows(selected);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QMenu *menu = menuOf(*m_view);
    QVERIFY(menu);
    menu->actions().at(0)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), text);
}

void tst_DeviceInfoView::copyKey()
{
    show(R"({"deviceId": 1, "deviceType": "0x63", "busGeneration": 2, "sensorId": 538})");
    selectRows({"Device/General/Sensor ID", "Device/General/Device type"});
    QApplication::clipboard()->setText(QStringLiteral("before"));
    m_view->setFocus();
    QTest::keyClick(m_view.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Sensor ID\t538\nDevice type\t99"));
}

void tst_DeviceInfoView::contextMenu_data()
{
    QTest::addColumn<bool>("onRow");
    QTest::newRow("on_a_row") << true;
    QTest::newRow("below_the_rows") << false;
}

void tst_DeviceInfoView::contextMenu()
{
    QFETCH(bool, onRow);
    show(R"({"deviceId": 1, "deviceType": "0x40"})");
    const QModelIndex first = m_view->model()->index(0, 0);
    const QPoint pos =
        onRow ? m_view->visualRect(first).center() : QPoint(5, m_view->viewport()->height() - 3);
    QCOMPARE(m_view->indexAt(pos).isValid(), onRow);
    QMenu *menu = menuOf(*m_view);
    QVERIFY(menu);
    emit m_view->customContextMenuRequested(pos);
    QCOMPARE(menu->isVisible(), onRow);
    menu->hide();
}

void tst_DeviceInfoView::languageChange()
{
    show(R"({"deviceId": 1001, "deviceType": "0x82", "deviceStatus": "0x1"})");
    QAbstractItemModel *model = m_view->model();
    const int rows = deviceinfotree::paths(*model).size();
    QSignalSpy headers(model, &QAbstractItemModel::headerDataChanged);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTRY_COMPARE(headers.count(), 1);
    QCOMPARE(headers.at(0).at(0).value<Qt::Orientation>(), Qt::Horizontal);
    QCOMPARE(headers.at(0).at(1).toInt(), 0);
    QCOMPARE(headers.at(0).at(2).toInt(), 1);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("DE:Parameter"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("DE:Values"));
    QCOMPARE(menuOf(*m_view)->actions().at(0)->text(), QStringLiteral("DE:Copy item values"));
    QCOMPARE(deviceinfotree::value(*model, "DE:Device/DE:General/DE:Device status flags/"
                                           "DE:Ready to operate"),
             QStringLiteral("DE:true"));
    QCOMPARE(deviceinfotree::paths(*model).size(), rows);
    QVERIFY(m_view->isExpanded(deviceinfotree::find(*model, "DE:Device/DE:General")));

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QTRY_COMPARE(headers.count(), 2);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Parameter"));
    QVERIFY(deviceinfotree::find(*model, "Device/General/Device status flags").isValid());
}

VYRO_TEST_MAIN(tst_DeviceInfoView)
#include "tst_deviceinfoview.moc"
