// supporttools.h: the simulated installation's report generator: a usr/bin/vyroreport that
// writes a real support file (its pkexec comes with the daemon services).
#ifndef SDK_SIM_SYSFS_SUPPORTTOOLS_H
#define SDK_SIM_SYSFS_SUPPORTTOOLS_H

#include <QString>

namespace vysim {

class SupportTools final
{
public:
    // vyrosim is the program the report generator asks for the world and the camera table.
    explicit SupportTools(QString vyrosim);

    // The line every script written here carries; only such a file is ever replaced.
    static const char *markerLine();

    // Writes <root>/usr/bin/vyroreport (mode 0755). Refuses "/"; a
    // file there that this class did not write is kept as it is. On failure message says why.
    bool write(const QString &root, QString *message) const;

    QString reportScript() const;

private:
    QString m_vyrosim;
};

} // namespace vysim

#endif // SDK_SIM_SYSFS_SUPPORTTOOLS_H
