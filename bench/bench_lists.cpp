// The listing lists on 100,000 listings: the time from pressing the search button until the grid
// holds its first rows and the first row can be read, side by side with SQLite itself running the
// same statement through a plain QSqlQuery and stepping through the rows the grid fetches first
// (and, for comparison, the same forward-only, which keeps no row it has passed). Each iteration
// runs all three in turn, so a machine busy with other work weighs on every side alike. The window
// may cost at most half again what the plain query does; the program exits with 1 when a list
// costs more.
#include "bench_data.h"
#include "browse/list_window.h"
#include "browse/listing_model.h"
#include "data/data_module.h"
#include "data/database.h"
#include "data/db_error.h"
#include "listings/entry_window.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

constexpr double kMaxRatio = 1.5;
constexpr int kRepetitions = 5;

struct Case {
    QString label;
    QString window;
    QList<QPair<QString, QString>> filters; // control, text
};

// The lists an office opens most, the list of every listing, and a narrowed search.
const QList<Case> &cases()
{
    static const QList<Case> list = {
        {QStringLiteral("TfmAPTList"), QStringLiteral("TfmAPTList"), {}},
        {QStringLiteral("TfmAPTLentList"), QStringLiteral("TfmAPTLentList"), {}},
        {QStringLiteral("TfmTOJList"), QStringLiteral("TfmTOJList"), {}},
        {QStringLiteral("TfmOTHLentList"), QStringLiteral("TfmOTHLentList"), {}},
        {QStringLiteral("TfmALLList"), QStringLiteral("TfmALLList"), {}},
        {QStringLiteral("TfmAPTList+3filters"),
         QStringLiteral("TfmAPTList"),
         {{QStringLiteral("Add_city"), QStringLiteral("서울")},
          {QStringLiteral("Bld_nme"), QStringLiteral("래미안")},
          {QStringLiteral("sales_amt1"), QStringLiteral("50000")},
          {QStringLiteral("sales_amt2"), QStringLiteral("200000")}}},
    };
    return list;
}

// One window per case, opened once (as the main window does) with its filters typed in.
QMap<QString, ListWindow *> g_windows;

ListWindow *windowFor(const Case &c)
{
    if (ListWindow *w = g_windows.value(c.label))
        return w;
    auto *w = qobject_cast<ListWindow *>(windows::create(c.window, nullptr));
    if (!w)
        return nullptr;
    w->resize(800, 600);
    w->show();
    QCoreApplication::processEvents();
    for (const auto &f : c.filters)
        w->setTextOf(f.first, f.second);
    g_windows.insert(c.label, w);
    return w;
}

using Clock = std::chrono::steady_clock;

// The search button, until the grid has rows and its first row reads. Returns the rows shown.
int searchInWindow(ListWindow *w)
{
    w->SpeedButton1Click();
    const int rows = w->model()->rowCount();
    for (int col = 0; rows > 0 && col < w->model()->columnCount(); ++col)
        benchmark::DoNotOptimize(w->model()->data(w->model()->index(0, col), Qt::DisplayRole));
    return rows;
}

// The same statement through a plain QSqlQuery, stepping the rows the grid fetches first.
// `forwardOnly` drops every row once stepped (the engine's bare cost); without it QtSql keeps them
// for scrolling back, as the list's own query must for the entry window's navigator.
int searchInEngine(const QString &sql, bool forwardOnly, QString *error)
{
    QSqlQuery q(database::connection());
    q.setForwardOnly(forwardOnly);
    if (!q.exec(sql)) {
        *error = q.lastError().text();
        return 0;
    }
    int rows = 0;
    while (rows < ListingModel::kBatch && q.next()) {
        benchmark::DoNotOptimize(q.value(0));
        ++rows;
    }
    return rows;
}

// The benchmark's own time is the window's; the counters give the three sides' mean times.
void BM_List(benchmark::State &state, const Case &c)
{
    ListWindow *w = windowFor(c);
    if (!w) {
        state.SkipWithError("no such window");
        return;
    }
    const QString sql = database::translate(w->statement());
    double seconds[3] = {0, 0, 0}; // window, plain query, forward-only query
    int rows[3] = {0, 0, 0};
    QString error;
    for (auto _ : state) {
        for (int k = 0; k < 3; ++k) {
            const int side = (k + int(state.iterations())) % 3; // each side leads in turn
            const Clock::time_point start = Clock::now();
            try {
                rows[side] = side == 0 ? searchInWindow(w) : searchInEngine(sql, side == 2, &error);
            } catch (const DbError &e) {
                error = e.text();
            }
            const double took = std::chrono::duration<double>(Clock::now() - start).count();
            seconds[side] += took;
            if (side == 0)
                state.SetIterationTime(took);
        }
        if (!error.isEmpty()) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
    if (rows[0] == 0 || rows[0] != rows[1] || rows[1] != rows[2]) {
        state.SkipWithError("the window and the engine do not find the same first rows");
        return;
    }
    const double n = double(state.iterations());
    state.counters["window_ms"] = seconds[0] / n * 1000.0;
    state.counters["query_ms"] = seconds[1] / n * 1000.0;
    state.counters["fwd_ms"] = seconds[2] / n * 1000.0;
    state.counters["rows"] = rows[0];
}

// Prints as usual and keeps the median counters of every list (the median of several repetitions
// shrugs off a moment when the machine was busy).
class PairReporter : public benchmark::ConsoleReporter {
public:
    PairReporter() : ConsoleReporter(OO_Tabular) {}
    QMap<QString, std::array<double, 3>> ms; // window, plain query, forward-only query
    QStringList errors;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const QString name = QString::fromStdString(run.run_name.function_name);
            if (run.error_occurred) {
                errors << name + QStringLiteral(": ") + QString::fromStdString(run.error_message);
                continue;
            }
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            auto counter = [&run](const char *key) {
                auto it = run.counters.find(key);
                return it == run.counters.end() ? -1.0 : double(it->second);
            };
            ms[name] = {counter("window_ms"), counter("query_ms"), counter("fwd_ms")};
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir home;
    const QString folder = benchdata::makeDataFolder(home);
    if (folder.isEmpty())
        return 1;
    auto dm = std::make_unique<Tdm>();
    dm->DataPath = folder;
    setDataModule(dm.get());
    registerListingWindows();
    registerListWindows();

    for (const Case &c : cases()) {
        if (!windows::has(c.window)) {
            std::printf("%s: not built into this program, skipped\n", qPrintable(c.window));
            continue;
        }
        benchmark::RegisterBenchmark(qPrintable(c.label), [&c](benchmark::State &st) { BM_List(st, c); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(kRepetitions)
            ->ReportAggregatesOnly(true);
    }
    PairReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    int over = 0;
    // Held to the limit against the plain query; the forward-only one shows the engine's bare cost.
    std::printf("\n%-20s %9s %9s %6s %11s %6s\n", "list", "window", "QSqlQuery", "ratio", "forward-only", "ratio");
    for (const Case &c : cases()) {
        if (!reporter.ms.contains(c.label))
            continue;
        const auto [window, plain, bare] = reporter.ms.value(c.label);
        if (window <= 0 || plain <= 0 || bare <= 0)
            continue;
        const double ratio = window / plain;
        std::printf("%-20s %6.2f ms %6.2f ms %5.2fx %8.2f ms %5.2fx%s\n", qPrintable(c.label), window, plain, ratio,
                    bare, window / bare, ratio > kMaxRatio ? "  over" : "");
        if (ratio > kMaxRatio)
            ++over;
    }
    for (const QString &e : reporter.errors)
        std::fprintf(stderr, "%s\n", qPrintable(e));

    qDeleteAll(g_windows);
    g_windows.clear();
    setDataModule(nullptr);
    dm.reset();
    database::close();
    return over == 0 && reporter.errors.isEmpty() ? 0 : 1;
}
