// servicecontrol.h: starting and stopping the driver daemons' services, with the tools the
// system offers and the privileges the process has.
#ifndef ZENTARA_NETWORK_SERVICECONTROL_H
#define ZENTARA_NETWORK_SERVICECONTROL_H

#include <QString>
#include <QStringList>

// Finds the service tools once, at construction: systemctl ("systemctl --version" succeeds
// within a second), then pkexec only when systemctl is there; the services are the systemd
// units linked from multi-user.target.wants, or without systemctl the init scripts. Programs
// and files are looked up through vyrokit::SystemPaths, programs started with argument lists.
class ServiceControl final
{
public:
    static const QString ethService; // "vyroethdrc"
    static const QString usbService; // "vyrousbdrc"

    // isRoot: the process runs with user ID 0 (the default asks the system).
    ServiceControl();
    explicit ServiceControl(bool isRoot);

    bool isRoot() const { return m_isRoot; }
    bool hasSystemctl() const { return m_hasSystemctl; }
    bool hasPkexec() const { return m_hasPkexec; }
    bool usbServiceInstalled() const { return m_usbServiceInstalled; }
    bool ethServiceInstalled() const { return m_ethServiceInstalled; }
    // Root, or pkexec to become it.
    bool canControl() const { return m_isRoot || m_hasPkexec; }

    // Starts or stops a service as the tools allow: as root through systemctl or the service
    // script (waiting up to a second), otherwise through pkexec without waiting. False, with
    // nothing started, when the process has no way to the privileges. Whether the daemon
    // followed shows only in the states the SDK reports.
    bool control(const QString &service, bool stop) const;

    // The program's exit code once it ended within timeoutMs; -1 when it could not be found or
    // started, crashed or ran longer (it is killed then). Its input and output are the null
    // device.
    static int runAndWait(const QString &program, const QStringList &arguments, int timeoutMs);
    // Starts the program without waiting for it to end (waiting at most 30 s for it to start);
    // false when it did not start. The process object deletes itself when the program ends.
    static bool startDetached(const QString &program, const QStringList &arguments);

    static QString systemdUnitPath(const QString &service);
    static QString initScriptPath(const QString &service);

private:
    void detect();

    bool m_isRoot;
    bool m_hasSystemctl = false;
    bool m_hasPkexec = false;
    bool m_usbServiceInstalled = false;
    bool m_ethServiceInstalled = false;
};

#endif // ZENTARA_NETWORK_SERVICECONTROL_H
