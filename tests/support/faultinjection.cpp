// faultinjection.cpp: recording the call sites of a road and running it with one of them failing.
#include "tests/support/faultinjection.h"

#include "sdk/sim/vyro_sim.h"

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
