// Printing a listing: the detail sheet laid out and written as PDF, with two photographs of the size a
// phone takes, and the picture sheet. An agent presses "출 력" and waits for the preview; each sheet
// must be ready in well under 200 ms. The program exits with 1 when one of them is not.

#include "app/data_folder.h"
#include "data/data_module.h"
#include "data/database.h"
#include "listings/kind_flags.h"
#include "print/detail_sheet.h"
#include "print/picture_sheet.h"
#include "print/sheet_renderer.h"

#include "bench_limit.h"
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

constexpr double kLimitMs = 200.0;
QString g_out;

QImage photograph(int width, int height, QColor sky)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, sky);
    g.setColorAt(1, QColor(60, 120, 60));
    p.fillRect(image.rect(), g);
    p.setBrush(QColor(190, 120, 80));
    p.drawRect(width / 4, height / 3, width / 2, height / 2);
    for (int i = 0; i < 2000; ++i)
        p.fillRect((i * 7919) % width, (i * 104729) % height, 6, 6, QColor::fromHsv(i % 360, 120, 200));
    return image;
}

bool prepareListing(const QString &folder)
{
    if (!photograph(4000, 3000, QColor(120, 170, 230)).save(QDir(folder).filePath(QStringLiteral("img/img1_1.jpg"))) ||
        !photograph(4000, 3000, QColor(230, 200, 150)).save(QDir(folder).filePath(QStringLiteral("img/img1_2.jpg"))))
        return false;
    QString remarks;
    for (int i = 1; i <= 12; ++i)
        remarks += QStringLiteral("%1. 남향이며 주차가 편리하고 학교와 지하철역이 가깝습니다.\n").arg(i);
    QSqlQuery q(database::connection());
    q.prepare(QStringLiteral(
        "insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Add_city, Add_district, Add_town, Addr_number, "
        "Bld_nme, Add_degree, Bld_degree, Bld_num, Gnd_png, Gnd_area, Bld_layer, Bld_hi_layer, Sales_amt, "
        "Land_amt, Sales_person, Sales_pnum, Sales_cnum, Lent_person, Lent_cnum, Estate_nme, Estate_pnum, "
        "Insert_date, Update_date, Open_title, Spec, Pic_pic1, Pic_pic2) values (1, '아파트', '매매', '서울', "
        "'강남구', '역삼동', '823-15', '래미안 역삼', '2단지', '105', '1203', 34, 25.7, '12', '25', 95000, 30000, "
        "'김철수', '02-111-2222', '010-3333-4444', '이영희', '010-5555-6666', '행복공인중개사', '02-555-1234', "
        "'2026-12-01', '2026-12-09', '역삼동 래미안 34평 매매', :spec, :pic1, :pic2)"));
    q.bindValue(QStringLiteral(":spec"), remarks);
    q.bindValue(QStringLiteral(":pic1"), QStringLiteral("C:\\old\\data\\img\\img1_1.jpg"));
    q.bindValue(QStringLiteral(":pic2"), QStringLiteral("C:\\old\\data\\img\\img1_2.jpg"));
    return q.exec();
}

void BM_DetailSheetLayout(benchmark::State &state)
{
    const DetailSheetSpec *spec = detailsheets::byName(QStringLiteral("TAptPrtScr"));
    for (auto _ : state) {
        const sheet::Document doc = DetailSheet(*spec).build();
        if (doc.pages.isEmpty() || !doc.firstOf(QStringLiteral("Pic_pic1")) ||
            doc.firstOf(QStringLiteral("Pic_pic1"))->picture.isNull())
            state.SkipWithError("the sheet was not laid out with its pictures");
        benchmark::DoNotOptimize(doc);
    }
}

void BM_DetailSheetToPdf(benchmark::State &state)
{
    const DetailSheetSpec *spec = detailsheets::byName(QStringLiteral("TAptPrtScr"));
    const QString file = QDir(g_out).filePath(QStringLiteral("detail.pdf"));
    for (auto _ : state) {
        if (!sheet::writePdf(DetailSheet(*spec).build(), file))
            state.SkipWithError("the PDF file was not written");
    }
}

void BM_PictureSheetToPdf(benchmark::State &state)
{
    const QImage picture = photograph(3000, 2000, QColor(150, 190, 240));
    const QString file = QDir(g_out).filePath(QStringLiteral("picture.pdf"));
    for (auto _ : state) {
        if (!sheet::writePdf(picturesheet::build(picture, QSize(710, 473)), file))
            state.SkipWithError("the PDF file was not written");
    }
}

BENCHMARK(BM_DetailSheetLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailSheetToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureSheetToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    // The data folder's alias goes into a configuration of its own, not the user's.
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("share")).toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const QString folder = home.filePath(QStringLiteral("office/data"));
    g_out = home.path();
    datafolder::create(folder, false);
    database::open(folder);
    auto dm = std::make_unique<Tdm>();
    dm->DataPath = folder;
    dm->PrintLogo = QStringLiteral("YES");
    dm->LogoText = QStringLiteral("행복공인중개사");
    dm->OfficePhone = QStringLiteral("02-555-1234");
    setDataModule(dm.get());
    if (!prepareListing(folder)) {
        std::fprintf(stderr, "the listing could not be prepared\n");
        return 1;
    }
    kindFlags(QStringLiteral("TfmApt")).ShowSecret = QStringLiteral("N");
    dm->qry_prt_mamul.setInteger(QStringLiteral("Id_seq"), 1);
    dm->qry_prt_mamul.open();

    LimitReporter reporter(kLimitMs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    dm->qry_prt_mamul.close();
    setDataModule(nullptr);
    dm.reset();
    database::close();
    for (const QString &line : reporter.overLimit)
        std::fprintf(stderr, "over %.0f ms: %s\n", kLimitMs, qPrintable(line));
    return reporter.overLimit.isEmpty() ? 0 : 1;
}
