// The list print of 1,000 listings, from the open list query to a PDF file on disk: reading the rows
// (and the remarks the list statement does not select), laying them out on pages, and drawing the
// pages into the file. Measured for the apartment sale print, which reads the remarks afterwards,
// and the all-listings print, which has the most columns. The program exits with 1 when a print takes
// 3 seconds or more.
#include "bench_data.h"
#include "data/data_module.h"
#include "data/database.h"
#include "listings/kind_flags.h"
#include "print/list_print.h"
#include "print/sheet_renderer.h"

#include <QApplication>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

constexpr int kListings = 1000;
constexpr double kLimitMs = 3000;

const QStringList kPrints = {QStringLiteral("TAptListPrtScr"), QStringLiteral("TALLListPrtScr")};

using Clock = std::chrono::steady_clock;

QString g_pdfFolder;
QMap<QString, double> g_worstMs;
QStringList g_errors;

void openList()
{
    Tdm *dm = dataModule();
    SqlQuery &q = dm->qry_mamul;
    q.close();
    q.setSql(QStringLiteral("select ") + dm->ListColumns + QStringLiteral(" from mamul_table.db order by Id_seq"));
    q.open();
}

void BM_ListPrint(benchmark::State &state, const QString &name)
{
    const ListPrintSpec *spec = listprints::byName(name);
    if (!spec) {
        state.SkipWithError("no such list print");
        return;
    }
    kindFlags(spec->window).ShowSecret = QStringLiteral("N");
    const QString file = g_pdfFolder + QLatin1Char('/') + name + QStringLiteral(".pdf");
    int pages = 0;
    for (auto _ : state) {
        openList();
        const auto start = Clock::now();
        const sheet::Document doc = ListPrint(*spec).build();
        const auto laidOut = Clock::now();
        QString error;
        if (!sheet::writePdf(doc, file, &error)) {
            g_errors << error;
            state.SkipWithError("the PDF file was not written");
            return;
        }
        const auto written = Clock::now();
        const double total = std::chrono::duration<double>(written - start).count();
        state.SetIterationTime(total);
        state.counters["layout_ms"] = std::chrono::duration<double, std::milli>(laidOut - start).count();
        g_worstMs[name] = qMax(g_worstMs.value(name), total * 1000);
        pages = int(doc.pages.size());
    }
    state.counters["pages"] = pages;
    state.counters["pdf_kB"] = double(QFileInfo(file).size()) / 1024;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir home;
    const QString folder = benchdata::makeDataFolder(home, kListings);
    if (folder.isEmpty())
        return 1;
    g_pdfFolder = home.path();
    auto dm = std::make_unique<Tdm>();
    dm->DataPath = folder;
    dm->AppendListColumns();
    setDataModule(dm.get());

    for (const QString &name : kPrints)
        benchmark::RegisterBenchmark(qPrintable(name), [name](benchmark::State &st) { BM_ListPrint(st, name); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    int over = 0;
    std::printf("\n%-16s %10s %10s\n", "list print", "slowest", "limit");
    for (const QString &name : kPrints) {
        const double worst = g_worstMs.value(name, -1);
        std::printf("%-16s %7.0f ms %7.0f ms%s\n", qPrintable(name), worst, kLimitMs,
                    worst >= kLimitMs ? "  over" : "");
        if (worst < 0 || worst >= kLimitMs)
            ++over;
    }
    for (const QString &e : g_errors)
        std::fprintf(stderr, "%s\n", qPrintable(e));

    dm->qry_mamul.close();
    setDataModule(nullptr);
    dm.reset();
    database::close();
    return over == 0 && g_errors.isEmpty() ? 0 : 1;
}
