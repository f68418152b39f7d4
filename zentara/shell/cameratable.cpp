// cameratable.cpp: the camera list for the terminal.
#include "zentara/shell/cameratable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <array>
#include <cstdio>

#include "vyrokit/cameralistreader.h"
#include "vyrokit/sdkerror.h"
#include "vyrokit/sdkquery.h"
#include "zentara/devinfo/libraryversion.h"
#include "zentara/inventory/camera.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/inventory/camerastatus.h"

using zentara::Camera;
using zentara::CameraListModel;

namespace {

bool daemonRuns(uint32_t command)
{
    using DaemonInfo = std::array<char, VY_FUNC_DAEMON_INFO_SIZE>;
    return vyrokit::query<DaemonInfo>(vy_Func, VY_DRIVER_HANDLE, command).has_value();
}

} // namespace

bool CameraTable::read()
{
    m_rows.clear();
    m_result = VY_SUCCESS;
    m_daemonsStopped = false;
    m_failure = Failure::None;
    if (!LibraryVersion::isSupported(vy_GetDLLVersion())) {
        m_failure = Failure::LibraryTooOld;
        return false;
    }
    vyrokit::CameraListReader reader;
    const bool read = reader.read();
    m_result = reader.result();
    if (!read) {
        m_errorText = vyrokit::SdkError::text(VY_DRIVER_HANDLE, m_result);
        m_failure = Failure::ListFailed;
        return false;
    }
    if (reader.cameras().empty()) {
        m_daemonsStopped =
            !daemonRuns(VY_FUNC_USB_DAEMON_INFO) && !daemonRuns(VY_FUNC_ETH_DAEMON_INFO);
    }
    for (const vyrokit::ListedCamera &listed : reader.cameras()) {
        const Camera camera(listed);
        Row row;
        row.type = camera.typeText();
        row.cameraId = camera.cameraId();
        row.deviceId = camera.deviceId();
        row.model = CameraListModel::displayModelName(camera.fullModelName());
        row.serialNumber = camera.serialNumber();
        row.free = CameraStatus::freeText(camera);
        row.available = CameraStatus::availableText(camera);
        row.isFree = CameraStatus::isFree(camera);
        row.bootBoost = CameraStatus::isFreeInBootBoost(camera);
        row.isAvailable = CameraStatus::isAvailable(camera);
        const CameraVerdict verdict = CameraStatus::evaluate(&camera);
        row.verdict = verdict.key;
        row.status = plainText(verdict.sentence);
        m_rows.append(row);
    }
    return true;
}

QString CameraTable::plainText(const QString &richText)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = richText;
    text.replace(
        QRegularExpression(QStringLiteral("<br\\s*/?>"), QRegularExpression::CaseInsensitiveOption),
        QStringLiteral(" "));
    text.remove(tag);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text.simplified();
}

QString CameraTable::text() const
{
    // The list's own column titles in the terminal's order, then the status line's.
    QStringList header;
    for (const CameraListModel::Column column :
         {CameraListModel::ColType, CameraListModel::ColCameraId, CameraListModel::ColDeviceId,
          CameraListModel::ColModel, CameraListModel::ColSerial, CameraListModel::ColFree,
          CameraListModel::ColAvail})
        header.append(CameraListModel::columnTitle(column));
    header.append(tr("Status"));
    QVector<QStringList> lines{header};
    for (const Row &r : m_rows)
        lines.append({r.type, QString::number(r.cameraId), QString::number(r.deviceId), r.model,
                      r.serialNumber, r.free, r.available, r.status});
    // Every column but the last is padded to its widest cell.
    QVector<int> widths(header.size(), 0);
    for (const QStringList &line : lines)
        for (int c = 0; c < line.size() - 1; ++c)
            widths[c] = qMax(widths[c], line.at(c).size());
    QString out;
    for (const QStringList &line : lines) {
        QStringList cells;
        for (int c = 0; c < line.size(); ++c)
            cells.append(c < line.size() - 1 ? line.at(c).leftJustified(widths[c]) : line.at(c));
        out += cells.join(QStringLiteral("  ")) + QLatin1Char('\n');
    }
    return out;
}

QByteArray CameraTable::json() const
{
    QJsonArray cameras;
    for (const Row &r : m_rows) {
        QJsonObject o;
        o.insert(QStringLiteral("type"), r.type);
        o.insert(QStringLiteral("cameraId"), qint64(r.cameraId));
        o.insert(QStringLiteral("deviceId"), qint64(r.deviceId));
        o.insert(QStringLiteral("model"), r.model);
        o.insert(QStringLiteral("serialNumber"), r.serialNumber);
        o.insert(QStringLiteral("free"), r.isFree);
        o.insert(QStringLiteral("bootBoost"), r.bootBoost);
        o.insert(QStringLiteral("available"), r.isAvailable);
        o.insert(QStringLiteral("verdict"), r.verdict);
        o.insert(QStringLiteral("status"), r.status);
        cameras.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("version"), jsonVersion);
    root.insert(QStringLiteral("cameras"), cameras);
    if (m_failure == Failure::LibraryTooOld)
        root.insert(QStringLiteral("error"), QStringLiteral("library-too-old"));
    if (m_failure == Failure::ListFailed) {
        root.insert(QStringLiteral("error"), QStringLiteral("list-failed"));
        root.insert(QStringLiteral("errorCode"), int(m_result));
    }
    if (m_failure != Failure::None)
        root.insert(QStringLiteral("message"), explanation());
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString CameraTable::explanation() const
{
    switch (m_failure) {
    case Failure::LibraryTooOld:
        return LibraryVersion::refusalText().simplified();
    case Failure::ListFailed:
        return tr("The camera list could not be read: %1").arg(m_errorText);
    case Failure::None:
        break;
    }
    if (!m_rows.isEmpty())
        return QString();
    if (m_daemonsStopped)
        return tr("No camera: the USB and the GigE driver daemons are both stopped.");
    return tr("No camera is connected.");
}

int CameraTable::print(bool json)
{
    CameraTable table;
    const bool read = table.read();
    QTextStream out(stdout);
    if (json)
        out << QString::fromUtf8(table.json());
    else if (read)
        out << table.text();
    const QString why = table.explanation();
    if (read && !json && !why.isEmpty())
        out << why << QLatin1Char('\n');
    out.flush();
    if (!why.isEmpty() && (!read || json)) {
        QTextStream err(stderr);
        err << why << QLatin1Char('\n');
    }
    return read ? 0 : 1;
}
