// fieldschema.h: the typed fields of world devices and of the driver, with defaults and checks.
#ifndef SDK_SIM_FIELDSCHEMA_H
#define SDK_SIM_FIELDSCHEMA_H

#include "sdk/sim/simcore.h"

#include <QHash>
#include <QJsonObject>
#include <QString>

#include <deque>
#include <mutex>
#include <vector>

namespace vysim {

class FieldSchema final
{
public:
    static FieldSchema &devices();
    static FieldSchema &driver();

    void add(std::initializer_list<FieldSpec> fields);
    const FieldSpec *find(const QString &name) const;
    std::vector<FieldSpec> fields() const;

    // Checks one value against its field; on failure *problem names it.
    bool check(const QString &name, const QJsonValue &value, QString *problem) const;
    // Checks every member of an object (unknown names refused) and fills in the defaults of the
    // missing ones. A field without default (Undefined) is required.
    bool complete(const QJsonObject &given, QJsonObject *out, QString *problem) const;

private:
    FieldSchema() = default;
    Q_DISABLE_COPY(FieldSchema)

    const FieldSpec *findLocked(const QString &name) const;
    bool checkLocked(const QString &name, const QJsonValue &value, QString *problem) const;

    // Protects m_fields and m_index. Modules add fields at static initialisation; a deque keeps
    // the specs in place, so the pointers find() returns stay valid.
    mutable std::mutex m_mutex;
    std::deque<FieldSpec> m_fields;
    QHash<QString, size_t> m_index;
};

// Integer fields accept JSON numbers and "0x..." texts; this reads either.
bool integerValue(const QJsonValue &value, qint64 *out);
// The integer field name of fields, 0 when it is missing or not an integer.
qint64 integerField(const QJsonObject &fields, const char *name);

} // namespace vysim

#endif // SDK_SIM_FIELDSCHEMA_H
