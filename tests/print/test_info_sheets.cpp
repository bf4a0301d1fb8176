// The listing information sheets: every member's lines, the notice, the logo, the posters for every
// kind, read from the laid-out pages; the entry window's print command; and the program printing one
// into a PDF file from the command line.
#include "catalogue/entry_catalogue.h"
#include "data/listing_record.h"
#include "listings/entry_window.h"
#include "print/info_sheet.h"
#include "print/print_sheets.h"
#include "print/sheet_preview.h"
#include "print/sheet_text.h"
#include "support/scripted_env.h"
#include "ui/sheet_registry.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <memory>

using Row = QHash<QString, QString>;

namespace {

// The listing every poster is laid out from, by column.
QHash<QString, QString> listing()
{
    return {{"obj_kind", "아파트"},     {"obj_kubun1", "매매"},
            {"obj_state", "급매"},      {"add_city", "서울"},
            {"add_district", "강남구"}, {"add_town", "역삼동"},
            {"bld_nme", "래미안"},      {"bld_layer", "12"},
            {"bld_hi_layer", "25"},     {"bld_lo_layer", "2"},
            {"gnd_png", "34"},          {"room_num", "3"},
            {"living_num", "1"},        {"bath_num", "2"},
            {"sales_amt", "95000"},     {"warrenty_amt", "30000"},
            {"monthly_amt", "120"},     {"premium_amt", "5000"},
            {"divide_amt", "41000"},    {"divide_pi_amt", "3500"},
            {"obj_kubun3", "경유"},     {"gimok", "대지"},
            {"bld_degree", "105"},      {"bld_num", "1203"},
            {"sales_person", "김철수"}, {"sales_cnum", "010-1111-2222"}};
}

InfoSheet::Values valuesOf(const QHash<QString, QString> &row)
{
    return [row](const QString &column) { return row.value(column.toLower()); };
}

const sheet::Watermark kOffice = sheet::Watermark::of("YES", "행복부동산", "02-555-1234", 52);

sheet::Document poster(const QString &name, const QHash<QString, QString> &row,
                       const sheet::Watermark &watermark = kOffice)
{
    const InfoSheetSpec *spec = infosheets::byName(name);
    if (!spec)
        qFatal("no information sheet %s", qPrintable(name));
    return InfoSheet(*spec).build(valuesOf(row), watermark);
}

// The printed lines, top to bottom: the texts of one line joined, the watermark left out.
QStringList linesOf(const sheet::Document &doc)
{
    QStringList lines;
    qreal top = -1;
    for (const sheet::Item &item : doc.pages.value(0).items) {
        if (item.kind != sheet::ItemKind::Text || item.field == "logo" || item.field == "logo_tel")
            continue;
        if (lines.isEmpty() || qAbs(item.rect.top() - top) > 0.01) {
            lines << QString();
            top = item.rect.top();
        }
        lines.last() += item.text;
    }
    return lines;
}

bool inside(const QRectF &outer, const QRectF &inner)
{
    const qreal e = 0.01;
    return inner.left() >= outer.left() - e && inner.top() >= outer.top() - e && inner.right() <= outer.right() + e &&
           inner.bottom() <= outer.bottom() + e;
}

QString pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    text.replace(QChar(1), QLatin1Char(' ')); // NanumGothic's blanks
    return text;
}

const QStringList kSale = {"매매가", "95000만원"};
const QStringList kLease = {"보증금", "30000만원", "월세", "120만원"};
const QString kRooms = "방 3 / 거실 1 / 화장실 2";
const QString kOfficeRooms = "칸막이 3 / 회의실 1 / 화장실 2";

} // namespace

class TestInfoSheets : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder();
        env->dm->PrintLogo = "YES";
        env->dm->LogoText = "행복부동산";
        env->dm->OfficePhone = "02-555-1234";
        registerPrintSheets();
    }
    void cleanup()
    {
        env->dm->qry_prt_mamul.close();
        env.reset();
    }

    void catalogueHasEverySheet()
    {
        QVERIFY2(infosheets::loadError().isEmpty(), qPrintable(infosheets::loadError()));
        QStringList expected{"TALLBanPrtScr", "TAllLentBanPrtScr"};
        for (const EntryWindowSpec &w : catalogue::entryWindows())
            expected << w.infoSheet;
        QStringList names;
        for (const InfoSheetSpec &s : infosheets::all()) {
            names << s.name;
            QVERIFY2(sheets::has(s.name) && printsheets::has(s.name), qPrintable(s.name));
            for (const QString &column : infosheets::columnsOf(s))
                QVERIFY2(mamulRecord::indexOf(column) >= 0, qPrintable(s.name + ": " + column));
        }
        expected.sort();
        names.sort();
        QCOMPARE(names, expected);
    }

    void members_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("town");
        QTest::addColumn<QStringList>("content");
        auto row = [](const char *name, const char *kind, const char *caption, const char *title, bool town,
                      const QStringList &content) {
            QTest::newRow(name) << QString(name) << QString::fromUtf8(kind) << QString::fromUtf8(caption)
                                << QString::fromUtf8(title) << town << content;
        };
        row("TAptBanPrtScr", "아파트", "아파트매매 정보지출력", "아파트매매", true,
            QStringList{"래미안", "12/25층", "34평형"} + kSale);
        row("TAptLentBanPrtScr", "아파트", "아파트임대 정보지출력", "아파트임대", true,
            QStringList{"래미안", "34평형 / 12층"} + kLease);
        row("TBUNBanPrtScr", "아파트분양권", "분양권매매 정보지출력", "분양권매매", true,
            {"래미안", "34평형 / 12층 / 105동 1203호", "분양가", "41000만원", "분양피", "3500만원"});
        row("TDANBanPrtScr", "단독주택", "단독주택매매 정보지출력", "단독주택매매", true,
            QStringList{"지상 25 / 지하 2", "34평", kRooms} + kSale);
        row("TDANLentBanPrtScr", "단독주택", "단독주택임대 정보지출력", "단독주택임대", true,
            QStringList{"34평 / 12층", kRooms} + kLease);
        row("TDAGBanPrtScr", "다가구", "다가구매매 정보지출력", "다가구매매", true,
            QStringList{"지상 25 / 지하 2", "34평형", kRooms} + kSale);
        row("TDAGLentBanPrtScr", "다가구", "다가구임대 정보지출력", "다가구임대", true,
            QStringList{"34평형 / 12층", kRooms} + kLease);
        row("TBILBanPrtScr", "빌라", "빌라매매 정보지출력", "빌라매매", true,
            QStringList{"12/25층", "34평형", kRooms} + kSale);
        row("TBILLentBanPrtScr", "빌라", "빌라임대 정보지출력", "빌라임대", true,
            QStringList{"34평형 / 12층", kRooms} + kLease);
        row("TSAGBanPrtScr", "상가", "상가매매 정보지출력", "상가매매", true, QStringList{"12/25층", "34평형"} + kSale);
        row("TSAGLentBanPrtScr", "상가", "상가임대 정보지출력", "상가임대", true,
            QStringList{"34평형 / 12층"} + kLease + QStringList{"권리금", "5000만원"});
        row("TSAJBanPrtScr", "상가주택", "상가주택매매 정보지출력", "상가주택매매", true,
            QStringList{"지상 25 / 지하 2", "34평", kRooms} + kSale);
        row("TSAJLentBanPrtScr", "상가주택", "상가주택임대 정보지출력", "상가주택임대", true,
            QStringList{"34평 / 12층", kRooms} + kLease);
        row("TOFTBanPrtScr", "오피스텔", "오피스텔매매 정보지출력", "오피스텔매매", true,
            QStringList{"12/25층", "34평형", kRooms} + kSale);
        row("TOFTLentBanPrtScr", "오피스텔", "오피스텔임대 정보지출력", "오피스텔임대", true,
            QStringList{"34평형 / 12층", kRooms} + kLease);
        row("TONEBanPrtScr", "원룸", "원룸매매 정보지출력", "원룸매매", true,
            QStringList{"12/25층", "34평형", kRooms} + kSale);
        row("TONELentBanPrtScr", "원룸", "원룸임대 정보지출력", "원룸임대", true,
            QStringList{"34평형 / 12층", kRooms} + kLease);
        row("TSAMBanPrtScr", "사무실", "사무실매매 정보지출력", "사무실매매", true,
            QStringList{"12/25층", "34평형", kOfficeRooms} + kSale);
        row("TSAMLentBanPrtScr", "사무실", "사무실임대 정보지출력", "사무실임대", true,
            QStringList{"34평형 / 12층", kOfficeRooms} + kLease);
        row("TBULBanPrtScr", "빌딩", "빌딩매매 정보지출력", "빌딩매매", true,
            QStringList{"경유", "지상 25 / 지하 2", "34평"} + kSale);
        row("TBULLentBanPrtScr", "빌딩", "빌딩임대 정보지출력", "빌딩임대", true, QStringList{"34평 / 12층"} + kLease);
        row("TTOJBanPrtScr", "토지", "토지매매 정보지출력", "토지매매", false, QStringList{"대지", "34평"} + kSale);
        row("TTOJLentBanPrtScr", "토지", "토지임대 정보지출력", "토지임대", false,
            QStringList{"대지", "34평"} + kLease);
        row("TGONBanPrtScr", "공장", "공장매매 정보지출력", "공장매매", false, QStringList{"12/25층", "34평"} + kSale);
        row("TGONLentBanPrtScr", "공장", "공장임대 정보지출력", "공장임대", false, QStringList{"34평 / 12층"} + kLease);
        row("TJUNBanPrtScr", "전원주택", "전원주택매매 정보지출력", "전원주택매매", false,
            QStringList{"지상 25 / 지하 2", "34평", kRooms} + kSale);
        row("TJUNLentBanPrtScr", "전원주택", "전원주택임대 정보지출력", "전원주택임대", true,
            QStringList{"34평형 / 12층", kRooms} + kLease);
        row("TJOOBanPrtScr", "주유소", "주유소매매 정보지출력", "주유소매매", false,
            QStringList{"34평", "경유 주유기 3대"} + kSale);
        row("TJOOLentBanPrtScr", "주유소", "주유소임대 정보지출력", "주유소임대", false,
            QStringList{"34평", "경유 3대"} + kLease);
        row("TMOTBanPrtScr", "모텔", "모텔매매 정보지출력", "모텔매매", false,
            QStringList{"지상 25 / 지하 2", "34평 / 경유 객실 3"} + kSale);
        row("TMOTLentBanPrtScr", "모텔", "모텔임대 정보지출력", "모텔임대", false,
            QStringList{"34평형 / 12층 / 경유 객실 3"} + kLease);
        row("TOTHBanPrtScr", "가든", "기타매매 정보지출력", "가든매매", false, QStringList{"12/25층", "34평"} + kSale);
        row("TOTHLentBanPrtScr", "회원권", "기타임대 정보지출력", "회원권임대", false,
            QStringList{"34평 / 12층"} + kLease);
    }
    void members()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(bool, town);
        QFETCH(QStringList, content);
        QHash<QString, QString> row = listing();
        row["obj_kind"] = kind;
        const sheet::Document doc = poster(name, row);
        QCOMPARE(doc.name, name);
        QCOMPARE(doc.caption, caption);
        QCOMPARE(doc.pages.size(), 1);
        QCOMPARE(doc.margins, QMarginsF(8, 8, 8, 8));
        const QStringList expected = QStringList{title, town ? "서울강남구역삼동" : "서울강남구", "※급매※"} + content;
        QCOMPARE(linesOf(doc), expected);
        QCOMPARE(doc.itemsOf("Add_town").isEmpty(), !town);
        // The poster carries no owner data.
        QVERIFY(doc.itemsOf("Sales_person").isEmpty() && doc.itemsOf("Sales_cnum").isEmpty());
    }

    void noticeOnlyForUrgentAndRecommended_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("notice");
        QTest::newRow("급매") << "급매" << true;
        QTest::newRow("추천") << "추천" << true;
        QTest::newRow("일반") << "일반" << false;
        QTest::newRow("계약") << "계약" << false;
        QTest::newRow("보류") << "보류" << false;
        QTest::newRow("기타") << "기타" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("급매 with a blank") << "급매 " << false;
    }
    void noticeOnlyForUrgentAndRecommended()
    {
        QFETCH(QString, state);
        QFETCH(bool, notice);
        QHash<QString, QString> row = listing();
        row["obj_state"] = state;
        for (const InfoSheetSpec &spec : infosheets::all()) {
            const sheet::Document doc = InfoSheet(spec).build(valuesOf(row), kOffice);
            const sheet::Item *stateItem = doc.firstOf("Obj_state");
            QVERIFY2(stateItem, qPrintable(spec.name));
            QCOMPARE(stateItem->text, notice ? state : QString());
            QCOMPARE(doc.texts().count("※"), notice ? 2 : 0);
            // 93 pixels where the poster holds its lines at their design size; a poster with more lines
            // closes up as a whole, so the notice keeps its size against the address line.
            QVERIFY(stateItem->font.bold);
            QCOMPARE(stateItem->font.points / doc.firstOf("Add_city")->font.points, 93.0 / 60.0);
            if (spec.name == "TAptBanPrtScr")
                QCOMPARE(stateItem->font.points, sheet::pointsOfPixels(93));
            // The notice line keeps its place either way.
            QCOMPARE(linesOf(doc).value(2), notice ? "※" + state + "※" : QString());
        }
    }

    void modelTypeHeights_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("underline");
        QTest::newRow("title") << "title"
                               << "아파트매매" << 133 << false;
        QTest::newRow("address") << "Add_district"
                                 << "강남구" << 60 << false;
        QTest::newRow("notice") << "Obj_state"
                                << "급매" << 93 << false;
        QTest::newRow("building") << "Bld_nme"
                                  << "래미안" << 107 << false;
        QTest::newRow("floor") << "Bld_hi_layer"
                               << "25" << 107 << false;
        QTest::newRow("size") << "Gnd_png"
                              << "34" << 107 << false;
        QTest::newRow("price") << "Sales_amt"
                               << "95000" << 89 << false;
        QTest::newRow("price heading") << ""
                                       << "매매가" << 67 << true;
    }
    void modelTypeHeights()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, pixels);
        QFETCH(bool, underline);
        const sheet::Document doc = poster("TAptBanPrtScr", listing());
        const sheet::Item *item = nullptr;
        for (const sheet::Item &i : doc.pages.first().items)
            if (i.field == field && i.text == text)
                item = &i;
        QVERIFY(item);
        QCOMPARE(item->font.points, sheet::pointsOfPixels(pixels));
        QVERIFY(item->font.bold);
        QCOMPARE(item->font.underline, underline);
        QCOMPARE(item->font.face, QString("굴림"));
    }

    void logo_data()
    {
        QTest::addColumn<QString>("printLogo");
        QTest::addColumn<QString>("logo");
        QTest::addColumn<bool>("prints");
        QTest::addColumn<int>("points");
        QTest::newRow("YES, ten syllables") << "YES"
                                            << "가나다라마바사아자차" << true << 52;
        QTest::newRow("YES, ten letters") << "YES"
                                          << "ABCDEFGHIJ" << true << 105;
        QTest::newRow("YES, four syllables") << "YES"
                                             << "가나다라" << true << 120;
        QTest::newRow("YES, nine letters keep the design size") << "YES"
                                                                << "ABCDEFGHI" << true << 52;
        QTest::newRow("NO") << "NO"
                            << "행복부동산" << false << 52;
        QTest::newRow("yes") << "yes"
                             << "행복부동산" << false << 52;
        QTest::newRow("empty") << ""
                               << "행복부동산" << false << 52;
    }
    void logo()
    {
        QFETCH(QString, printLogo);
        QFETCH(QString, logo);
        QFETCH(bool, prints);
        QFETCH(int, points);
        env->dm->PrintLogo = printLogo;
        env->dm->LogoText = logo;
        execSql("insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Bld_nme, Obj_state) values "
                "(5, '아파트', '매매', '래미안', '급매')");
        SqlQuery &q = env->dm->qry_prt_mamul;
        q.setInteger("Id_seq", 5);
        q.open();
        const std::optional<sheet::Document> doc = printsheets::build("TAptBanPrtScr");
        QVERIFY(doc);
        const sheet::Item *logoItem = doc->firstOf("logo");
        const sheet::Item *phone = doc->firstOf("logo_tel");
        QVERIFY(logoItem && phone);
        QCOMPARE(logoItem->text, prints ? logo : QString());
        QCOMPARE(phone->text, prints ? QString("02-555-1234") : QString());
        QCOMPARE(doc->texts().contains("02-555-1234"), prints);
        QCOMPARE(logoItem->font.points, qreal(points));
        QCOMPARE(doc->firstOf("Bld_nme")->text, QString("래미안"));
    }

    void watermarkIsPaleAndBehindTheBuildingAndSize()
    {
        const sheet::Document doc = poster("TAptBanPrtScr", listing());
        const QList<sheet::Item> &items = doc.pages.first().items;
        int logo = -1, tel = -1, firstText = -1;
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].field == "logo")
                logo = i;
            else if (items[i].field == "logo_tel")
                tel = i;
            else if (firstText < 0 && items[i].kind == sheet::ItemKind::Text)
                firstText = i;
        }
        QVERIFY(logo >= 0 && tel >= 0 && firstText >= 0);
        QVERIFY(logo < firstText && tel < firstText);
        QCOMPARE(items[logo].color, QColor(240, 202, 166));
        QCOMPARE(items[tel].color, QColor(240, 202, 166));
        QCOMPARE(items[logo].rect.size(), QSizeF(sheet::px(714), sheet::px(188)));
        QCOMPARE(items[tel].rect.size(), QSizeF(sheet::px(719), sheet::px(88)));
        const QRectF building = doc.firstOf("Bld_nme")->rect, size = doc.firstOf("Gnd_png")->rect;
        QVERIFY(qAbs(items[logo].rect.center().y() - building.center().y()) < 0.5);
        QVERIFY(qAbs(items[tel].rect.center().y() - size.center().y()) < 0.5);
    }

    void allListings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Row>("changes");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char *tag, const char *name, const QHash<QString, QString> &changes,
                      const QStringList &expected) { QTest::newRow(tag) << QString(name) << changes << expected; };
        const QString address = "서울강남구역삼동", notice = "※급매※";
        // Land: its category and area, no floors, rooms or town.
        row("land, sale", "TALLBanPrtScr", {{"obj_kind", "토지"}},
            QStringList{"토지매매", "서울강남구", notice, "대지", "34평"} + kSale);
        row("land, lease", "TAllLentBanPrtScr", {{"obj_kind", "토지"}},
            QStringList{"토지임대", "서울강남구", notice, "대지", "34평"} + kLease);
        row("apartment", "TALLBanPrtScr", {},
            QStringList{"아파트매매", address, notice, "래미안", "12층 지상 25 지하 2", "34평형", kRooms} + kSale);
        // Presale rights print their own kind text on the sale sheet only.
        row("presale rights, sale", "TALLBanPrtScr", {{"obj_kind", "아파트분양권"}},
            QStringList{"분양권매매", address, notice, "래미안", "12층 지상 25 지하 2", "34평형", kRooms} + kSale);
        row("presale rights, lease", "TAllLentBanPrtScr", {{"obj_kind", "아파트분양권"}},
            QStringList{"아파트분양권임대", address, notice, "래미안", "12층 지상 25 지하 2", "34평형", kRooms} +
                kLease);
        row("villa, no name", "TAllLentBanPrtScr", {{"obj_kind", "빌라"}},
            QStringList{"빌라임대", address, notice, "12층 지상 25 지하 2", "34평형", kRooms} + kLease);
        row("detached house", "TALLBanPrtScr", {{"obj_kind", "단독주택"}},
            QStringList{"단독주택매매", address, notice, "12층 지상 25 지하 2", "34평", kRooms} + kSale);
        row("office", "TALLBanPrtScr", {{"obj_kind", "사무실"}},
            QStringList{"사무실매매", address, notice, "12층 지상 25 지하 2", "34평형", kOfficeRooms} + kSale);
        row("shop", "TAllLentBanPrtScr", {{"obj_kind", "상가"}},
            QStringList{"상가임대", address, notice, "12층 지상 25 지하 2", "34평형"} + kLease);
        row("factory", "TALLBanPrtScr", {{"obj_kind", "공장"}},
            QStringList{"공장매매", "서울강남구", notice, "12층 지상 25 지하 2", "34평"} + kSale);
        row("building", "TALLBanPrtScr", {{"obj_kind", "빌딩"}},
            QStringList{"빌딩매매", address, notice, "12층 지상 25 지하 2", "34평"} + kSale);
        row("filling station", "TALLBanPrtScr", {{"obj_kind", "주유소"}},
            QStringList{"주유소매매", "서울강남구", notice, "34평", "경유 주유기 3대"} + kSale);
        row("filling station, lease", "TAllLentBanPrtScr", {{"obj_kind", "주유소"}},
            QStringList{"주유소임대", "서울강남구", notice, "34평", "경유 주유기 3대"} + kLease);
        row("motel", "TAllLentBanPrtScr", {{"obj_kind", "모텔"}},
            QStringList{"모텔임대", "서울강남구", notice, "12층 지상 25 지하 2", "34평", "경유 / 객실 3"} + kLease);
        // Empty counts hide their own labels and one separator.
        row("no living room", "TALLBanPrtScr", {{"living_num", ""}},
            QStringList{"아파트매매", address, notice, "래미안", "12층 지상 25 지하 2", "34평형", "방 3 / 화장실 2"} +
                kSale);
        row("no rooms", "TALLBanPrtScr", {{"room_num", ""}},
            QStringList{"아파트매매", address, notice, "래미안", "12층 지상 25 지하 2", "34평형", "거실 1 / 화장실 2"} +
                kSale);
        row("no bathroom", "TALLBanPrtScr", {{"bath_num", ""}},
            QStringList{"아파트매매", address, notice, "래미안", "12층 지상 25 지하 2", "34평형", "방 3 / 거실 1"} +
                kSale);
        row("rooms only", "TALLBanPrtScr", {{"room_num", ""}, {"bath_num", ""}},
            QStringList{"아파트매매", address, notice, "래미안", "12층 지상 25 지하 2", "34평형", "거실 1"} + kSale);
        // Empty floors hide their labels.
        row("no floor", "TALLBanPrtScr", {{"bld_layer", ""}},
            QStringList{"아파트매매", address, notice, "래미안", "지상 25 지하 2", "34평형", kRooms} + kSale);
        row("no basement", "TALLBanPrtScr", {{"bld_lo_layer", ""}, {"bld_hi_layer", ""}},
            QStringList{"아파트매매", address, notice, "래미안", "12층", "34평형", kRooms} + kSale);
    }
    void allListings()
    {
        QFETCH(QString, name);
        QFETCH(Row, changes);
        QFETCH(QStringList, expected);
        QHash<QString, QString> row = listing();
        for (auto it = changes.begin(); it != changes.end(); ++it)
            row[it.key()] = it.value();
        const sheet::Document doc = poster(name, row);
        QCOMPARE(linesOf(doc), expected);
    }

    void landOnTheAllListingsSheet()
    {
        QHash<QString, QString> row = listing();
        row["obj_kind"] = "토지";
        for (const char *name : {"TALLBanPrtScr", "TAllLentBanPrtScr"}) {
            const sheet::Document doc = poster(name, row);
            QVERIFY(doc.firstOf("Gimok") && doc.firstOf("Gnd_png"));
            QCOMPARE(doc.firstOf("Gimok")->text, QString("대지"));
            for (const char *absent : {"Bld_layer", "Bld_hi_layer", "Bld_lo_layer", "Room_num", "Living_num",
                                       "Bath_num", "Add_town", "Bld_nme"})
                QVERIFY2(doc.itemsOf(absent).isEmpty(), absent);
            for (const QString &text : doc.texts())
                for (const char *label : {"층", "지상", "지하", "방", "거실", "화장실", "역삼동"})
                    QVERIFY2(!text.contains(QString::fromUtf8(label)), qPrintable(text));
        }
    }

    void nothingLeavesThePage()
    {
        // A long building name and large amounts: the line gets smaller type rather than run off.
        QHash<QString, QString> row = listing();
        row["bld_nme"] = QString(25, QChar(0xAC00));
        row["sales_amt"] = "1234567890";
        row["obj_kubun3"] = QString(10, QChar(0xB098));
        for (const InfoSheetSpec &spec : infosheets::all()) {
            for (const char *kind : {"아파트", "주유소", "모텔", "사무실"}) {
                row["obj_kind"] = QString::fromUtf8(kind);
                const sheet::Document doc = InfoSheet(spec).build(valuesOf(row), kOffice);
                QCOMPARE(doc.pages.size(), 1);
                const QRectF area = doc.printableRect();
                for (const sheet::Item &item : doc.pages.first().items) {
                    if (item.field == "logo" || item.field == "logo_tel")
                        continue;
                    QVERIFY2(inside(area, item.rect), qPrintable(spec.name + " " + item.field + " " + item.text));
                    if (item.kind == sheet::ItemKind::Text && !item.text.isEmpty())
                        QVERIFY2(sheet::textWidth(item.text, item.font) <= item.rect.width() + 0.01,
                                 qPrintable(spec.name + " " + item.text));
                }
            }
        }
        row["obj_kind"] = "아파트";
        const sheet::Item *name = poster("TAptBanPrtScr", row).firstOf("Bld_nme");
        QVERIFY(name->font.points < sheet::pointsOfPixels(107));
        QCOMPARE(name->text, row["bld_nme"]);
    }

    void deletedListingPrintsEmptyValues()
    {
        SqlQuery &q = env->dm->qry_prt_mamul;
        q.setInteger("Id_seq", 404);
        q.open();
        const std::optional<sheet::Document> doc = printsheets::build("TAptBanPrtScr");
        QVERIFY(doc);
        QCOMPARE(doc->firstOf("Bld_nme")->text, QString());
        QCOMPARE(doc->firstOf("Obj_state")->text, QString());
        QVERIFY(doc->texts().contains("아파트매매"));
    }

    void entryWindowPrintsTheListingItShows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("deal");
        QTest::newRow("apartment sale") << "TfmApt"
                                        << "아파트"
                                        << "매매";
        QTest::newRow("land lease") << "TfmTOJLent"
                                    << "토지"
                                    << "임대";
    }
    void entryWindowPrintsTheListingItShows()
    {
        QFETCH(QString, window);
        QFETCH(QString, kind);
        QFETCH(QString, deal);
        const EntryWindowSpec *spec = catalogue::entryWindow(window);
        QVERIFY(spec);
        execSql(QStringLiteral(
                    "insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Obj_state, Bld_nme, Gimok) "
                    "values (1, '%1', '%2', '급매', '다른건물', '전'), (2, '%1', '%2', '일반', '래미안', '대지')")
                    .arg(kind, deal));
        // The list stands on an urgent listing; the window prints the ordinary one.
        SqlQuery &list = env->dm->qry_mamul;
        list.setSql("select * from mamul_table where Id_seq = 1");
        list.open();
        auto w = std::make_unique<EntryWindow>(*spec);
        w->Mode = "Edit";
        w->IdSeq = 2;
        w->FormShow();
        const QString pdf = env->path("poster.pdf");
        sheet::Document shown;
        env->modal->handlers << [&](QDialog *d) {
            auto *preview = qobject_cast<sheet::SheetPreview *>(d);
            QVERIFY(preview);
            shown = preview->document();
            env->dialogs->saveFiles << pdf;
            preview->savePdfAction()->trigger();
        };
        w->InfoPrintClick();
        // No secret question: the poster has no secrets.
        QVERIFY(env->dialogs->messages.isEmpty());
        QCOMPARE(env->modal->opened, QStringList{spec->infoSheet});
        QCOMPARE(shown.name, spec->infoSheet);
        QVERIFY(!env->dm->qry_prt_mamul.isOpen());
        QCOMPARE(shown.texts().count("※"), 0);
        QCOMPARE(shown.firstOf("Obj_state")->text, QString());
        if (kind == "토지")
            QCOMPARE(shown.firstOf("Gimok")->text, QString("대지"));
        else
            QCOMPARE(shown.firstOf("Bld_nme")->text, QString("래미안"));
        QVERIFY(QFileInfo(pdf).size() > 0);
    }

    void commandLinePrintsAPoster_data()
    {
        QTest::addColumn<QString>("printLogo");
        QTest::addColumn<QString>("state");
        QTest::newRow("urgent, with the logo") << "YES"
                                               << "급매";
        QTest::newRow("ordinary, without the logo") << "NO"
                                                    << "일반";
    }
    void commandLinePrintsAPoster()
    {
        QFETCH(QString, printLogo);
        QFETCH(QString, state);
        execSql("update id_table set ddd = '02', phone = '555-1234', c4 = '행복부동산', c5 = '" + printLogo + "'");
        execSql("insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Obj_state, Add_city, Add_district, Add_town, "
                "Bld_nme, Bld_layer, Bld_hi_layer, Gnd_png, Sales_amt, Sales_person, Sales_cnum) values (41, '아파트', "
                "'매매', '" +
                state +
                "', '서울', '강남구', '역삼동', '래미안', '12', '25', 34, 95000, '김철수', "
                "'010-1111-2222')");
        const QString pdf = env->path("info.pdf");
        QProcess p;
        p.start(qEnvironmentVariable("DOMORA_PROGRAM"), {"--print", "info", "--listing", "41", "--pdf", pdf});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        QVERIFY(QFileInfo(pdf).size() > 0);
        const QString text = pdfText(pdf);
        for (const char *shown :
             {"아파트매매", "서울", "강남구", "역삼동", "래미안", "12/25층", "34평형", "매매가", "95000만원"})
            QVERIFY2(text.contains(QString::fromUtf8(shown)), qPrintable(text));
        const bool urgent = state == "급매";
        QCOMPARE(text.contains("※"), urgent);
        QCOMPARE(text.contains("급매"), urgent);
        QCOMPARE(text.contains("행복부동산"), printLogo == "YES");
        QCOMPARE(text.contains("02-555-1234"), printLogo == "YES");
        QVERIFY(!text.contains("김철수") && !text.contains("010-1111-2222"));
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestInfoSheets)
#include "test_info_sheets.moc"
