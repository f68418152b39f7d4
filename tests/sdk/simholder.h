// simholder.h: a second process holding a simulated camera open (sim_holder), for the tests of
// what other processes see.
#ifndef TESTS_SDK_SIMHOLDER_H
#define TESTS_SDK_SIMHOLDER_H

#include <QProcess>

#include <signal.h>

#include <cstdint>

namespace simtest {

// A second process holding a camera open (sim_holder).
class Holder final
{
public:
    explicit Holder(uint32_t deviceId)
    {
        m_process.start(QStringLiteral(SIM_HOLDER), {QString::number(deviceId)});
    }
    ~Holder()
    {
        if (isOwnRunningChild()) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    // The holder's first line: "opened <handle>" or "failed <code>".
    QByteArray answer()
    {
        if (!m_process.canReadLine())
            m_process.waitForReadyRead(10000);
        return m_process.readLine().trimmed();
    }
    void closeNormally()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished(10000);
    }
    // Ends the holder as a crash would, with no chance to close anything. False when there is
    // no running child to signal: a pid that is not positive would reach other processes.
    bool crash()
    {
        if (!isOwnRunningChild())
            return false;
        if (::kill(pid_t(m_process.processId()), SIGKILL) != 0)
            return false;
        return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::CrashExit;
    }

private:
    bool isOwnRunningChild() const
    {
        return m_process.state() == QProcess::Running && m_process.processId() > 0;
    }

    QProcess m_process;
};

} // namespace simtest

#endif // TESTS_SDK_SIMHOLDER_H
