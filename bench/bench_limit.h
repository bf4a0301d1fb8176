#pragma once
// A console reporter that also remembers every run (mean or median) slower than a limit, so a
// benchmark program can exit non-zero when a target is missed.

#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>

class LimitReporter : public benchmark::ConsoleReporter {
public:
    explicit LimitReporter(double limitMs) : ConsoleReporter(OO_Tabular), m_limitMs(limitMs) {}
    QStringList overLimit;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred) {
                overLimit << QString::fromStdString(run.benchmark_name() + ": " + run.error_message);
                continue;
            }
            // Spread statistics (standard deviation, variation) are not times to hold to the limit.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean" && run.aggregate_name != "median")
                continue;
            const double ms = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1000.0;
            if (ms >= m_limitMs)
                overLimit << QStringLiteral("%1: %2 ms").arg(QString::fromStdString(run.benchmark_name())).arg(ms);
        }
    }

private:
    double m_limitMs;
};
