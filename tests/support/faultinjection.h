// faultinjection.h: a user's road through a program as named steps, the SDK calls each step
// makes, and the same road again with one of those calls failing.
#ifndef TESTS_SUPPORT_FAULTINJECTION_H
#define TESTS_SUPPORT_FAULTINJECTION_H

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QVector>

#include <cstdint>
#include <functional>

class FaultInjection final
{
public:
    // One SDK call site: a function with its command, called during a step.
    struct Site
    {
        QString step;
        QByteArray function;
        uint32_t command = 0;

        QString name() const;
        bool operator==(const Site &other) const;
    };
    using Step = std::function<void()>;

    // Steps run in the order added. The first step builds what the others act on, so that
    // every run starts afresh; the closing step ends every run.
    void addStep(const QString &name, Step step);
    void setClosingStep(const QString &name, Step step);

    // Runs the road with the call log on and returns every site it reached, each once, in
    // order of first call.
    QVector<Site> record() const;
    // Records the road and adds a data row "site" for each site this run takes; returns how many
    // sites the road reached. CTest runs a long road as several tests at once (vyro_add_test's
    // SHARDS), each with VYRO_TEST_SHARD=k/n: shard k takes every n-th site from the k-th. Run by
    // hand, a program takes them all.
    int addRows() const;
    // Whether this run is the first shard (or the only run): what a road test does once more
    // beside its rows runs there.
    static bool firstShard();
    // Runs the road as far as site's step, with calls of site's function and command answering
    // result during that step only, then the closing step; returns how many calls were forced.
    int runFailing(const Site &site, int32_t result) const;

private:
    QVector<QPair<QString, Step>> m_steps;
    QPair<QString, Step> m_closing;
};

Q_DECLARE_METATYPE(FaultInjection::Site)

#endif // TESTS_SUPPORT_FAULTINJECTION_H
