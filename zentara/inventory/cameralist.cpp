// cameralist.cpp: the camera list widget: sorting, periodic refresh and the context menu.
#include "zentara/inventory/cameralist.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QVBoxLayout>

#include "sdk/vyro_device.h"
#include "vyrokit/sdkquery.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/inventory/cameratableview.h"

using zentara::Camera;
using zentara::CameraListModel;

CameraList::CameraList(QWidget *parent)
    : QWidget(parent), m_model(new CameraListModel(this)), m_proxy(new QSortFilterProxyModel(this)),
      m_view(new CameraTableView(this)), m_refreshTimer(new QTimer(this))
{
    m_proxy->setDynamicSortFilter(true);
    m_proxy->setSourceModel(m_model);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // No sort column until the user clicks a header: the library's order stands.
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);

    connect(m_view, &CameraTableView::selectedCameraChanged, this,
            &CameraList::onSelectedCameraChanged);
    connect(m_view, &CameraTableView::languageChanged, m_model, &CameraListModel::retranslate);
    connect(m_view, &QWidget::customContextMenuRequested, this, &CameraList::onCustomContextMenu);
    connect(m_view, &QAbstractItemView::activated, this, &CameraList::onActivated);
    connect(m_proxy, &QAbstractItemModel::headerDataChanged, m_view,
            &QTableView::resizeColumnsToContents);
    connect(m_model, &CameraListModel::listChanged, this, &CameraList::cameraListChanged);
    connect(m_refreshTimer, &QTimer::timeout, this, &CameraList::onTimeout);
    m_refreshTimer->setInterval(refreshIntervalMs);

    m_view->setModel(m_proxy);
    m_view->resizeColumnsToContents();
}

CameraList::~CameraList() = default;

void CameraList::setAutoRefresh(bool on)
{
    if (on)
        m_refreshTimer->start();
    else
        m_refreshTimer->stop();
}

bool CameraList::autoRefresh() const
{
    return m_refreshTimer->isActive();
}

void CameraList::setListUpdatesBlocked(bool blocked)
{
    m_model->blockSignals(blocked);
}

void CameraList::reloadList()
{
    m_model->onCameraListChanged();
}

void CameraList::onSelectedCameraChanged(const camera::optional &camera)
{
    m_camera = camera;
    if (m_camera) {
        m_camera->refreshDeviceInfo();
        emit cameraChanged(m_camera, true);
    } else {
        emit cameraChanged(std::nullopt, true);
    }
}

void CameraList::onTimeout()
{
    if (!m_camera)
        return;
    m_camera->refreshDeviceInfo();
    emit cameraChanged(m_camera, false);
}

void CameraList::onActivated()
{
    if (m_camera)
        emit openCamera(QList<Camera>{*m_camera});
}

bool CameraList::driverMulticastEnabled()
{
    return vyrokit::query<uint32_t>(vy_Multicast, VY_DRIVER_HANDLE, VY_MULTICAST_GET_RO_ENABLE)
               .value_or(0) != 0;
}

std::unique_ptr<QMenu> CameraList::createContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const camera::optional selected = m_camera;
    const bool free = selected && selected->inUse() == 0;

    if (free) {
        QAction *open = menu->addAction(QIcon(QStringLiteral(":/images/openplay.png")),
                                        tr("&Open this camera"));
        connect(open, &QAction::triggered, this,
                [this, camera = *selected] { emit openCamera(QList<Camera>{camera}); });
    }
    QAction *openAll = menu->addAction(tr("Open &all available cameras"));
    connect(openAll, &QAction::triggered, this, [this] {
        QList<Camera> cameras;
        for (int row = 0; row < m_proxy->rowCount(); ++row)
            cameras << m_proxy->index(row, 0).data(CameraListModel::CameraRole).value<Camera>();
        emit openCamera(cameras);
    });
    menu->addSeparator();
    QAction *refresh = menu->addAction(tr("&Refresh list"));
    connect(refresh, &QAction::triggered, m_view->viewport(), qOverload<>(&QWidget::update));

    if (!selected)
        return menu;
    const Camera &camera = *selected;

    if (free) {
        menu->addSeparator();
        QAction *info = menu->addAction(tr("&Camera information"));
        connect(info, &QAction::triggered, this, [this, camera] { emit openCameraInfo(camera); });
        menu->addSeparator();
        QAction *identify = menu->addAction(tr("&Identify this camera"));
        const uint8_t type = camera.deviceTypeCode();
        identify->setEnabled(
            (vyro::isThirdGenerationType(type) && camera.networkTypeCode() != 99) ||
            (type == 64 && camera.legacyUsbFlag() == 1));
        connect(identify, &QAction::triggered, this, [this, camera] { emit identCamera(camera); });
    }

    if (camera.deviceTypeCode() == vyro::TypeGigEVision || camera.isEth()) {
        QAction *manual = menu->addAction(tr("Manual ETH configuration"));
        connect(manual, &QAction::triggered, this, [this, camera] { emit openIPSettings(camera); });
        QAction *addReadOnly = menu->addAction(tr("&Add Readonly Device"));
        addReadOnly->setEnabled(camera.deviceTypeCode() != vyro::TypeGigEVision &&
                                driverMulticastEnabled() &&
                                (camera.controlStatus() & vyro::ControlStatusAccessible) != 0);
        connect(addReadOnly, &QAction::triggered, this,
                [this, camera] { emit openMulticastSettings(camera); });
    } else if (camera.isReadOnlyDevice()) {
        QAction *remove = menu->addAction(tr("&Delete"));
        connect(remove, &QAction::triggered, this, [this, camera] { emit deletePMC(camera); });
    }
    return menu;
}

void CameraList::onCustomContextMenu(const QPoint &pos)
{
    std::unique_ptr<QMenu> menu = createContextMenu();
    menu->exec(m_view->viewport()->mapToGlobal(pos));
}
