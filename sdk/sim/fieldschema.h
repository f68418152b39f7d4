// fieldschema.h: the typed fields of world devices and of the driver, with defaults and checks.
#ifndef VYSIM_FIELDSCHEMA_H
#define VYSIM_FIELDSCHEMA_H

#include "simcore.h"

#include <QJsonObject>
#include <QString>

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

    mutable std::mutex mutex_; // protects fields_ (modules add fields at static initialisation)
    std::vector<FieldSpec> fields_;
};

// Integer fields accept JSON numbers and "0x..." texts; this reads either.
bool integerValue(const QJsonValue &value, qint64 *out);

} // namespace vysim

#endif // VYSIM_FIELDSCHEMA_H
