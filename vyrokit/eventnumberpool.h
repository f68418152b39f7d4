// eventnumberpool.h: the process-wide pool of private event numbers that event threads use to
// wake themselves.
#ifndef VYROKIT_EVENTNUMBERPOOL_H
#define VYROKIT_EVENTNUMBERPOOL_H

#include <QMutex>
#include <QVector>

namespace vyrokit {

class EventNumberPool final
{
public:
    static constexpr quint32 first = 10000;
    static constexpr int size = 200;

    static EventNumberPool &instance();

    // Takes the most recently released number; throws when none is left.
    quint32 acquire();
    void release(quint32 number);

private:
    EventNumberPool();
    Q_DISABLE_COPY(EventNumberPool)

    // Protects m_freeNumbers: event threads are created and destroyed from any thread.
    QMutex m_mutex;
    QVector<quint32> m_freeNumbers;
};

} // namespace vyrokit

#endif // VYROKIT_EVENTNUMBERPOOL_H
