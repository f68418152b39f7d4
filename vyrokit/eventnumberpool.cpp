// eventnumberpool.cpp: the pool's numbers, last released first taken.
#include "vyrokit/eventnumberpool.h"

#include <QCoreApplication>

#include <stdexcept>

namespace vyrokit {

EventNumberPool &EventNumberPool::instance()
{
    static EventNumberPool pool;
    return pool;
}

EventNumberPool::EventNumberPool()
{
    m_freeNumbers.reserve(size);
    for (int i = 0; i < size; ++i)
        m_freeNumbers.append(first + quint32(i));
}

quint32 EventNumberPool::acquire()
{
    QMutexLocker lock(&m_mutex);
    if (m_freeNumbers.isEmpty())
        throw std::runtime_error(
            QCoreApplication::translate("EventThread", "Too many events :D").toStdString());
    return m_freeNumbers.takeLast();
}

void EventNumberPool::release(quint32 number)
{
    QMutexLocker lock(&m_mutex);
    m_freeNumbers.append(number);
}

} // namespace vyrokit
