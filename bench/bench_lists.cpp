// The listing lists on 100,000 listings: the time from pressing the search button until the grid
// holds its first rows and the first row can be read, side by side with SQLite itself running the
// same statement through a plain QSqlQuery and stepping through the rows the grid fetches first
// (and, for comparison, the same forward-only, which keeps no row it has passed). The window may
// cost at most half again what the plain query does; the program exits with 1 when a list costs
// more.

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
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

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

void BM_Window(benchmark::State &state, const Case &c)
{
    ListWindow *w = windowFor(c);
    if (!w) {
        state.SkipWithError("no such window");
        return;
    }
    int rows = 0;
    for (auto _ : state) {
        try {
            w->SpeedButton1Click();
        } catch (const DbError &e) {
            state.SkipWithError(qPrintable(e.text()));
            return;
        }
        rows = w->model()->rowCount();
        if (rows == 0) {
            state.SkipWithError("the list shows no rows");
            return;
        }
        for (int col = 0; col < w->model()->columnCount(); ++col)
            benchmark::DoNotOptimize(w->model()->data(w->model()->index(0, col), Qt::DisplayRole));
    }
    state.counters["rows"] = rows;
}

// SQLite running the window's statement through a plain QSqlQuery, stepping the rows the grid
// fetches first. `forwardOnly` drops the rows already stepped (the engine's bare cost); without it
// QtSql keeps them for scrolling back, as the list's own query must for the entry window's
// navigator.
void BM_Sqlite(benchmark::State &state, const Case &c, bool forwardOnly)
{
    ListWindow *w = windowFor(c);
    if (!w) {
        state.SkipWithError("no such window");
        return;
    }
    const QString sql = database::translate(w->statement());
    int rows = 0;
    for (auto _ : state) {
        QSqlQuery q(database::connection());
        q.setForwardOnly(forwardOnly);
        if (!q.exec(sql)) {
            state.SkipWithError(qPrintable(q.lastError().text()));
            return;
        }
        rows = 0;
        while (rows < ListingModel::kBatch && q.next()) {
            benchmark::DoNotOptimize(q.value(0));
            ++rows;
        }
    }
    state.counters["rows"] = rows;
}

// Prints as usual and keeps the median time of every benchmark by its name (the machine may be busy
// with other work; the median of several repetitions shrugs that off).
class PairReporter : public benchmark::ConsoleReporter {
public:
    PairReporter() : ConsoleReporter(OO_Tabular) {}
    QMap<QString, double> ms;
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
            ms[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1000.0;
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The repetitions of window and engine runs take turns in random order, so that a machine busy
    // with other work weighs on both sides alike.
    std::vector<char *> args(argv, argv + argc);
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    if (std::none_of(args.begin(), args.end(), [](const char *a) {
            return std::strncmp(a, interleave, std::strlen("--benchmark_enable_random_interleaving")) == 0;
        }))
        args.insert(args.begin() + 1, interleave);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
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
        auto add = [&c](const QString &side, auto &&run) {
            benchmark::RegisterBenchmark(qPrintable(side + c.label), run)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(kRepetitions)
                ->ReportAggregatesOnly(true);
        };
        add(QStringLiteral("window/"), [&c](benchmark::State &st) { BM_Window(st, c); });
        add(QStringLiteral("sqlite/"), [&c](benchmark::State &st) { BM_Sqlite(st, c, false); });
        add(QStringLiteral("sqlite-fwd/"), [&c](benchmark::State &st) { BM_Sqlite(st, c, true); });
    }
    PairReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    int over = 0;
    // Held to the limit against the plain query; the forward-only one shows the engine's bare cost.
    std::printf("\n%-20s %9s %9s %6s %11s %6s\n", "list", "window", "QSqlQuery", "ratio", "forward-only", "ratio");
    for (const Case &c : cases()) {
        const double window = reporter.ms.value(QStringLiteral("window/") + c.label, -1);
        const double plain = reporter.ms.value(QStringLiteral("sqlite/") + c.label, -1);
        const double bare = reporter.ms.value(QStringLiteral("sqlite-fwd/") + c.label, -1);
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
