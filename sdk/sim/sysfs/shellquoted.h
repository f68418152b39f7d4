#ifndef SDK_SIM_SYSFS_SHELLQUOTED_H
#define SDK_SIM_SYSFS_SHELLQUOTED_H

#include <QString>

namespace vysim {

// A text as one single-quoted word for sh; a quote inside is closed, escaped and reopened.
inline QString shellQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace vysim

#endif // SDK_SIM_SYSFS_SHELLQUOTED_H
