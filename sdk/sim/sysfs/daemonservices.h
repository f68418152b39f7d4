// daemonservices.h: the simulated installation's driver daemon services: service scripts,
// systemd units, systemctl, pkexec and the GigE daemon's configuration file.
#ifndef SDK_SIM_SYSFS_DAEMONSERVICES_H
#define SDK_SIM_SYSFS_DAEMONSERVICES_H

#include <QString>

namespace vysim {

// Writes below a root (the one programs get as VYRO_SYSROOT) what the programs look for to start
// and stop the driver daemons, wired to the simulator: "/etc/init.d/vyroethdrc" and
// "/etc/init.d/vyrousbdrc" (start, stop, force-stop, restart; also in "/usr/sbin", where a
// service run by its bare name is found), their systemd units linked from
// multi-user.target.wants, and "/usr/bin/systemctl" and "/usr/bin/pkexec" that answer
// "--version" and run the service commands. Every start or stop becomes
// "vyrosim daemon <usb|eth> <start|stop>", so the daemon states the SDK reports follow it. The
// scripts run the simulator with the caller's environment (its state directory included).
//
// "/etc/orv/vyro/vyroethd.conf" is written only when it does not exist yet, so the choices made
// in it survive a rewrite.
class DaemonServices final
{
public:
    // vyrosim is the absolute path of the vyrosim program the scripts call.
    explicit DaemonServices(const QString &vyrosim);

    // The machine's first interface other than loopback with a hardware address, the one the
    // simulator's "auto" adapter MAC names; empty when there is none.
    static QString machineInterface();

    // The interface name written into a new configuration file.
    void setDefaultInterface(const QString &name) { m_defaultInterface = name; }

    // Refuses the root "/"; on failure message says why.
    bool write(const QString &root, QString *message) const;

private:
    QString m_vyrosim;
    QString m_defaultInterface;
};

} // namespace vysim

#endif // SDK_SIM_SYSFS_DAEMONSERVICES_H
