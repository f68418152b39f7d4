// cameratable.cpp: the camera list for the terminal.
#include "zentara/shell/cameratable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

#include "vyrokit/cameralistreader.h"
#include "zentara/inventory/camera.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/inventory/camerastatus.h"

namespace {

struct HeaderText
{
    const char *context;
    const char *text;
};

// The list's own column titles, then the status line's.
const HeaderText HeaderTexts[] = {
    {"CameraListModel", QT_TRANSLATE_NOOP("CameraListModel", "Type")},
    {"CameraListModel", QT_TRANSLATE_NOOP("CameraListModel", "Cam. ID")},
    {"CameraListModel", QT_TRANSLATE_NOOP("CameraListModel", "Dev. ID")},
    {"CameraListModel", QT_TRANSLATE_NOOP("CameraListModel", "Model")},
    {"CameraListModel", QT_TRANSLATE_NOOP("CameraListModel", "Ser. No.")},
    {"CameraListModel", QT_TRANSLATE_NOOP("CameraListModel", "Free")},
    {"CameraListModel", QT_TRANSLATE_NOOP("CameraListModel", "Avail.")},
    {"CameraTable", QT_TRANSLATE_NOOP("CameraTable", "Status")},
};

} // namespace

bool CameraTable::read()
{
    m_rows.clear();
    vyrokit::CameraListReader reader;
    m_read = reader.read();
    m_result = reader.result();
    if (!m_read)
        return false;
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
        row.status = plainText(CameraStatus::evaluate(&camera).sentence);
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
    QStringList header;
    for (const auto &column : HeaderTexts)
        header.append(QCoreApplication::translate(column.context, column.text));
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
        o.insert(QStringLiteral("cameraId"), int(r.cameraId));
        o.insert(QStringLiteral("deviceId"), int(r.deviceId));
        o.insert(QStringLiteral("model"), r.model);
        o.insert(QStringLiteral("serialNumber"), r.serialNumber);
        o.insert(QStringLiteral("free"), r.free);
        o.insert(QStringLiteral("available"), r.available);
        o.insert(QStringLiteral("status"), r.status);
        cameras.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("cameras"), cameras);
    if (!m_read)
        root.insert(QStringLiteral("error"), int(m_result));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
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
    out.flush();
    if (!read) {
        QTextStream err(stderr);
        err << tr("The camera list could not be read (error code %1).").arg(table.result())
            << QLatin1Char('\n');
    }
    return read ? 0 : 1;
}
