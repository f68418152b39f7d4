// bootboostids.cpp: parsing and showing boot boost ID values.
#include "zentara/settings/bootboostids.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

// A decimal number as the user typed it; leading zeros and white space around it are fine, a
// sign or anything else is not.
int number(const QString &text, bool *isNumber, bool *valid)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*[0-9]+\\s*$"));
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    *isNumber = digits.match(text).hasMatch();
    *valid = *isNumber && ok && BootBoostIds::isValidId(value);
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
            part.first = number(text.left(dash), &part.firstNumber, &part.firstValid);
            part.last = number(text.mid(dash + 1), &part.lastNumber, &part.lastValid);
        } else {
            part.first = number(text, &part.firstNumber, &part.firstValid);
        }
        result.append(part);
    }
    return result;
}

std::optional<QVector<int>> BootBoostIds::ids(const QString &input, QString *problem)
{
    const auto refuse = [problem](const QString &why) -> std::optional<QVector<int>> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    const auto outside = [](const QString &id) {
        return tr("The ID %1 has to be between with %2 and %3").arg(id).arg(minId).arg(maxId);
    };
    if (input.trimmed().isEmpty())
        return refuse(tr("Enter one or more IDs, e.g. 3;5-7."));
    const QVector<Part> all = parts(input);
    QVector<int> ids;
    for (int i = 0; i < all.size(); ++i) {
        const Part &part = all.at(i);
        const QString text = part.text.trimmed();
        if (text.isEmpty())
            return refuse(tr("Part %1 of the input is empty: remove the extra \";\".").arg(i + 1));
        if (!part.firstNumber || (part.range && !part.lastNumber))
            return refuse(tr("\"%1\" is neither an ID nor a range of IDs such as 5-7.").arg(text));
        if (!part.firstValid)
            return refuse(outside(text.left(text.indexOf(QLatin1Char('-'))).trimmed()));
        if (!part.range) {
            ids.append(part.first);
            continue;
        }
        if (!part.lastValid)
            return refuse(outside(text.mid(text.indexOf(QLatin1Char('-')) + 1).trimmed()));
        if (part.last < part.first)
            return refuse(tr("The range %1 is reversed: write it as %2-%3.")
                              .arg(text)
                              .arg(part.last)
                              .arg(part.first));
        for (int id = part.first; id <= part.last; ++id)
            ids.append(id);
    }
    return ids;
}

std::optional<QVector<int>> BootBoostIds::listToSet(const QString &input, QString *problem)
{
    std::optional<QVector<int>> list = ids(input, problem);
    if (list)
        sortUnique(*list);
    return list;
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
