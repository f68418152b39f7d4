// faultinjection.cpp: recording the call sites of a road and running it with one of them failing.
#include "tests/support/faultinjection.h"

#include <QtTest>

#include "sdk/sim/vyro_sim.h"

namespace {

// This run's shard: {k, n} from VYRO_TEST_SHARD=k/n, {1, 1} without it.
QPair<int, int> shard()
{
    const QStringList parts = qEnvironmentVariable("VYRO_TEST_SHARD").split(QLatin1Char('/'));
    const int index = parts.value(0).toInt();
    const int count = parts.value(1).toInt();
    if (parts.size() != 2 || count < 1 || index < 1 || index > count)
        return {1, 1};
    return {index, count};
}

} // namespace

QString FaultInjection::Site::name() const
{
    return QStringLiteral("%1: %2 0x%3")
        .arg(step, QString::fromLatin1(function), QString::number(command, 16));
}

bool FaultInjection::Site::operator==(const Site &other) const
{
    return step == other.step && function == other.function && command == other.command;
}

void FaultInjection::addStep(const QString &name, Step step)
{
    m_steps.append({name, std::move(step)});
}

void FaultInjection::setClosingStep(const QString &name, Step step)
{
    m_closing = {name, std::move(step)};
}

QVector<FaultInjection::Site> FaultInjection::record() const
{
    QVector<Site> sites;
    vysim_log_enable(1);
    QVector<QPair<QString, Step>> steps = m_steps;
    if (m_closing.second)
        steps.append(m_closing);
    for (const auto &step : steps) {
        vysim_log_clear();
        step.second();
        for (const vysim::LoggedCall &call : vysim::callLog()) {
            const Site site{step.first, QByteArray::fromStdString(call.function), call.command};
            if (!sites.contains(site))
                sites.append(site);
        }
    }
    return sites;
}

int FaultInjection::addRows() const
{
    QTest::addColumn<Site>("site");
    const QVector<Site> sites = record();
    const auto [index, count] = shard();
    for (int i = index - 1; i < sites.size(); i += count)
        QTest::newRow(qPrintable(sites.at(i).name())) << sites.at(i);
    qInfo("%d call sites on the road, shard %d of %d", int(sites.size()), index, count);
    return int(sites.size());
}

bool FaultInjection::firstShard()
{
    return shard().first == 1;
}

int FaultInjection::runFailing(const Site &site, int32_t result) const
{
    int forced = 0;
    QVector<QPair<QString, Step>> steps;
    for (const auto &step : m_steps) {
        steps.append(step);
        if (step.first == site.step)
            break;
    }
    if (m_closing.second)
        steps.append(m_closing);
    for (const auto &step : steps) {
        const bool failing = step.first == site.step;
        if (failing) {
            vysim_log_clear();
            vysim_force_result(site.function.constData(), site.command, VYSIM_ANY_HANDLE, result,
                               0);
        }
        step.second();
        if (failing) {
            vysim_clear_forced(site.function.constData());
            for (const vysim::LoggedCall &call : vysim::callLog())
                forced += call.forced ? 1 : 0;
        }
    }
    return forced;
}
