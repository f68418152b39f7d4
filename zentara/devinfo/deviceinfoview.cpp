// deviceinfoview.cpp: the device information tree of the main window.
#include "zentara/devinfo/deviceinfoview.h"

#include <QEvent>
#include <QHeaderView>
#include <QStandardItemModel>

DeviceInfoView::DeviceInfoView(QWidget *parent)
    : QTreeView(parent), m_model(new QStandardItemModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setUniformRowHeights(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(true);
    rebuild();
}

DeviceInfoView::~DeviceInfoView() = default;

void DeviceInfoView::Update(const Camera *camera, bool force_reset)
{
    Q_UNUSED(force_reset)
    if (camera)
        m_camera = *camera;
    else
        m_camera.reset();
    rebuild();
}

void DeviceInfoView::Update(const Camera *camera)
{
    Update(camera, false);
}

void DeviceInfoView::UpdateUsbTopology()
{
    rebuild();
}

void DeviceInfoView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        rebuild();
    QTreeView::changeEvent(event);
}

void DeviceInfoView::rebuild()
{
    m_model->clear();
    m_model->setHorizontalHeaderLabels({tr("Parameter"), tr("Values")});
    if (!m_camera)
        return;
    const Camera &c = *m_camera;
    const QList<QPair<QString, QString>> rows = {
        {tr("Device ID"), QString::number(c.deviceId())},
        {tr("Camera ID"), QString::number(c.cameraId())},
        {tr("Model"), c.fullModelName().isEmpty() ? c.model() : c.fullModelName()},
        {tr("Serial number"), c.serialNumber()},
        {tr("Sensor ID"), QString::number(c.sensorId())},
        {tr("Device type"), c.typeText()},
    };
    for (const auto &row : rows) {
        auto *label = new QStandardItem(row.first);
        auto *value = new QStandardItem(row.second);
        m_model->appendRow({label, value});
    }
}
