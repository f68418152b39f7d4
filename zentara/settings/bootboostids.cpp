// bootboostids.cpp: parsing and showing boot boost ID values.
#include "zentara/settings/bootboostids.h"

#include <QStringList>

#include <algorithm>

namespace {

// A decimal number as the user typed it; leading zeros are fine, anything else is not.
int number(const QString &text, bool *valid)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    *valid = ok && BootBoostIds::isValidId(value);
    return ok ? value : 0;
}

void sortUnique(QVector<int> &ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

} // namespace

QVector<BootBoostIds::Part> BootBoostIds::parts(const QString &input)
{
    QVector<Part> result;
    const QStringList texts = input.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    result.reserve(texts.size());
    for (const QString &text : texts) {
        Part part;
        part.text = text;
        const int dash = text.indexOf(QLatin1Char('-'));
        if (dash >= 1) {
            part.range = true;
            part.first = number(text.left(dash), &part.firstValid);
            part.last = number(text.mid(dash + 1), &part.lastValid);
        } else {
            part.first = number(text, &part.firstValid);
        }
        result.append(part);
    }
    return result;
}

std::optional<QVector<int>> BootBoostIds::listToSet(const QString &input)
{
    QVector<int> ids;
    for (const Part &part : parts(input)) {
        if (!part.firstValid || (part.range && !part.lastValid))
            return std::nullopt;
        if (!part.range) {
            ids.append(part.first);
            continue;
        }
        for (int id = part.first; id <= part.last; ++id)
            ids.append(id);
    }
    sortUnique(ids);
    return ids;
}

QString BootBoostIds::display(QVector<int> ids)
{
    sortUnique(ids);
    QStringList items;
    for (int i = 0; i < ids.size();) {
        int j = i;
        while (j + 1 < ids.size() && ids.at(j + 1) == ids.at(j) + 1)
            ++j;
        items.append(j > i ? QStringLiteral("%1 - %2").arg(ids.at(i)).arg(ids.at(j))
                           : QString::number(ids.at(i)));
        i = j + 1;
    }
    return items.join(QStringLiteral(" ; "));
}
