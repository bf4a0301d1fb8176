// The listing list prints: every member's title, headers, values and masks read from the laid-out
// pages, the count, the pages of a long list, the order of the list, and the print command of a list
// window.
#include "browse/list_window.h"
#include "browse/listing_model.h"
#include "catalogue/list_catalogue.h"
#include "data/listing_record.h"
#include "data/schema.h"
#include "listings/kind_flags.h"
#include "print/list_print.h"
#include "print/print_sheets.h"
#include "print/sheet_preview.h"
#include "print/sheet_renderer.h"
#include "support/scripted_env.h"
#include "ui/sheet_registry.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <memory>

namespace {

bool isNumeric(schema::Type t)
{
    return t == schema::Type::Number || t == schema::Type::Money || t == schema::Type::Integer;
}

// A listing with a value of its own in every column; returns the values by lower-case column.
QHash<QString, QString> insertListing(qint64 id)
{
    QStringList names, values;
    QHash<QString, QString> written;
    int n = 0;
    for (const schema::Column &c : schema::listingTable().columns) {
        const QString name = QString::fromLatin1(c.name);
        ++n;
        QString v;
        if (name == "Id_seq")
            v = QString::number(id);
        else if (isNumeric(c.type))
            v = QString::number(id * 1000 + n);
        else
            v = QStringLiteral("%1값%2").arg(name).arg(id);
        names << name;
        values << (isNumeric(c.type) ? v : "'" + v + "'");
        written.insert(name.toLower(), v);
    }
    execSql("insert into mamul_table (" + names.join(",") + ") values (" + values.join(",") + ")");
    return written;
}

// Opens the list query as a list window would: its column set, a condition and an order.
void openList(const QString &condition, const QString &order = "Id_seq")
{
    Tdm *dm = dataModule();
    if (dm->ListColumns.isEmpty())
        dm->AppendListColumns();
    SqlQuery &q = dm->qry_mamul;
    q.close();
    q.setSql("select " + dm->ListColumns + " from mamul_table.db where " + condition + " order by " + order);
    q.open();
}

sheet::Document printList(const QString &name, const QString &secret)
{
    const ListPrintSpec *spec = listprints::byName(name);
    if (!spec)
        qFatal("no list print %s", qPrintable(name));
    kindFlags(spec->window).ShowSecret = secret;
    return ListPrint(*spec).build();
}

QStringList textsOf(const sheet::Document &doc, const QString &field, int page = -1)
{
    QStringList out;
    for (int p = 0; p < doc.pages.size(); ++p)
        if (page < 0 || p == page)
            for (const sheet::Item &item : doc.pages.at(p).items)
                if (item.field.compare(field, Qt::CaseInsensitive) == 0)
                    out << item.text;
    return out;
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

// The owner's columns every print has on line 2.
const QStringList kOwner = {"성명", "연락처(자택/휴대)"};

} // namespace

class TestListPrints : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder();
        env->dm->AppendListColumns();
        registerPrintSheets();
    }
    void cleanup()
    {
        env->dm->qry_mamul.close();
        env.reset();
    }

    void catalogueHasEveryList()
    {
        QVERIFY2(listprints::loadError().isEmpty(), qPrintable(listprints::loadError()));
        QList<const ListWindowSpec *> windows;
        for (const ListWindowSpec &w : catalogue::listWindows())
            windows << &w;
        windows << catalogue::allListingsWindow();
        QCOMPARE(listprints::all().size(), windows.size());
        for (const ListWindowSpec *w : windows) {
            const ListPrintSpec *print = listprints::byName(w->listPrint);
            QVERIFY2(print, qPrintable(w->name + " prints " + w->listPrint));
            // The print reads the secret flag that its list window sets.
            QCOMPARE(print->window, w->name);
            QVERIFY(sheets::has(w->listPrint) && printsheets::has(w->listPrint));
            for (const QString &column : print->columns())
                QVERIFY2(mamulRecord::indexOf(column) >= 0, qPrintable(print->name + ": " + column));
        }
    }

    void members_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("masks");
        QTest::addColumn<QStringList>("headers1");
        QTest::addColumn<QString>("fields1");
        QTest::addColumn<QStringList>("headers2");
        QTest::addColumn<QString>("fields2");
        QTest::addColumn<QString>("secret");
        auto row = [](const char *name, const char *window, const char *title, const char *masks,
                      const QStringList &headers1, const char *fields1, const QStringList &headers2,
                      const char *fields2) {
            for (const char *secret : {"N", "Y"})
                QTest::addRow("%s %s", name, secret)
                    << QString(name) << QString(window) << QString::fromUtf8(title) << QString::fromUtf8(masks)
                    << headers1 << QString(fields1) << headers2 << QString(fields2) << QString(secret);
        };
        row("TAptListPrtScr", "TfmAPTList", "아파트 매매 목록",
            "Addr_number=*****;Bld_nme=********;Bld_degree=****;Bld_num=****",
            {"아파트", "차수/단지", "동수", "층수", "호수", "상태", "노트번호", "평형", "전용"},
            "Bld_nme Add_degree Bld_degree Bld_layer/Bld_hi_layer Bld_num Obj_state C1 Gnd_png Gnd_area",
            {"매매가", "융자금", "보증금", "실입주금", "특징"}, "Sales_amt Land_amt Warrenty_amt Move_into_amt Spec");
        row("TAptlentListPrtScr", "TfmAPTLentList", "아파트 임대 목록",
            "Addr_number=*****;Bld_nme=********;Bld_degree=****;Bld_num=****",
            {"아파트", "차수/단지", "동수", "층수", "호수", "상태", "노트번호"},
            "Bld_nme Add_degree Bld_degree Bld_layer/Bld_hi_layer Bld_num Obj_state C1",
            {"평형", "전용", "구분", "보증금", "월세"}, "Gnd_png Gnd_area Obj_kubun2 Warrenty_amt Monthly_amt");
        row("TBUNListPrtScr", "TfmBUNList", "분양권 매매 목록", "Bld_degree=****;Bld_num=****",
            {"아파트", "동수", "층수", "호수", "상태", "노트번호", "평형"},
            "Bld_nme Bld_degree Bld_layer/Bld_hi_layer Bld_num Obj_state C1 Gnd_png",
            {"매매가", "분양가", "분양피", "융자금", "실입주금"},
            "Sales_amt Divide_amt Divide_pi_amt Land_amt Move_into_amt");
        row("TDANListPrtScr", "TfmDANList", "단독주택 매매 목록", "Addr_number=*****",
            {"상태", "노트번호", "대지", "건평", "방수", "지상", "지하"},
            "Obj_state C1 Gnd_png Gnd_area Room_num Bld_hi_layer Bld_lo_layer",
            {"매매가", "실입주금", "융자금", "보증금", "월세"},
            "Sales_amt Move_into_amt Land_amt Warrenty_amt Monthly_amt");
        row("TDANLentListPrtScr", "TfmDANLentList", "단독주택 임대 목록", "Addr_number=****",
            {"상태", "노트번호", "평형", "건평", "방수", "층수"},
            "Obj_state C1 Gnd_png Gnd_area Room_num Bld_layer/Bld_hi_layer", {"구분", "임대", "보증금", "월세", "방향"},
            "Obj_kubun2 Obj_kubun3 Warrenty_amt Monthly_amt House_direct");
        row("TDAGListPrtScr", "TfmDAGList", "다가구 매매 목록", "Addr_number=*****;Bld_nme=********;Bld_num=***",
            {"종류", "건물이름", "호수", "상태", "노트번호", "지상", "지하", "방수", "대지면적", "건평"},
            "Obj_kubun3 Bld_nme Bld_num Obj_state C1 Bld_hi_layer Bld_lo_layer Room_num Gnd_png Gnd_area",
            {"매매가", "실입주금", "보증금", "월세", "융자금"},
            "Sales_amt Move_into_amt Warrenty_amt Monthly_amt Land_amt");
        row("TDAGLentListPrtScr", "TfmDAGLentList", "다가구 임대 목록",
            "Addr_number=*****;Bld_nme=********;Bld_num=***",
            {"종류", "구분", "건물이름", "호수", "상태", "노트번호", "층수"},
            "Obj_kubun3 Obj_kubun2 Bld_nme Bld_num Obj_state C1 Bld_layer/Bld_hi_layer",
            {"평형", "방수", "보증금", "월세"}, "Gnd_png Room_num Warrenty_amt Monthly_amt");
        row("TBILListPrtScr", "TfmBILList", "빌라 매매 목록", "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"종류", "건물명", "호수", "상태", "노트번호", "층수", "방수", "평형"},
            "Obj_kind Bld_nme Bld_num Obj_state C1 Bld_layer/Bld_hi_layer Room_num Gnd_png",
            {"매매가", "실입주금", "융자금", "월세"}, "Sales_amt Move_into_amt Land_amt Monthly_amt");
        row("TBILLentListPrtScr", "TfmBILLentList", "빌라 임대 목록", "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"종류", "건물명", "호수", "구분", "상태", "노트번호", "층수"},
            "Obj_kind Bld_nme Bld_num Obj_kubun2 Obj_state C1 Bld_layer/Bld_hi_layer",
            {"평형", "전용", "방수", "보증금", "월세"}, "Gnd_png Gnd_area Room_num Warrenty_amt Monthly_amt");
        row("TSANListPrtScr", "TfmSANList", "상가 매매 목록", "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"상가명", "호수", "용도", "상태", "노트번호", "평형", "실평", "층수"},
            "Bld_nme Bld_num Youngdo Obj_state C1 Gnd_png Gnd_area Bld_layer/Bld_hi_layer",
            {"매매가", "권리금", "융자금", "보증금", "월세"},
            "Sales_amt Premium_amt Land_amt Warrenty_amt Monthly_amt");
        row("TSANLentListPrtScr", "TfmSANLentList", "상가 임대 목록", "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"상가명", "호수", "용도", "구분", "상태", "노트번호", "층수"},
            "Bld_nme Bld_num Youngdo Obj_kubun2 Obj_state C1 Bld_layer/Bld_hi_layer",
            {"평형", "실평", "보증금", "권리금", "월세", "실입주금"},
            "Gnd_png Gnd_area Warrenty_amt Premium_amt Monthly_amt Move_into_amt");
        row("TSAJListPrtScr", "TfmSAJList", "상가주택 매매 목록", "Addr_number=*****;Bld_num=****",
            {"호수", "상태", "노트번호", "대지", "건평", "방", "지상", "지하"},
            "Bld_num Obj_state C1 Gnd_png Gnd_area Room_num Bld_hi_layer Bld_lo_layer",
            {"매매가", "실입주금", "융자금", "보증금", "월세"},
            "Sales_amt Move_into_amt Land_amt Warrenty_amt Monthly_amt");
        row("TSAJLentListPrtScr", "TfmSAJLentList", "상가주택 임대 목록", "Addr_number=*****;Bld_num=****",
            {"호수", "구분", "상태", "노트번호", "건평", "대지", "층수"},
            "Bld_num Obj_kubun2 Obj_state C1 Gnd_area Gnd_png Bld_layer/Bld_hi_layer", {"방수", "보증금", "월세"},
            "Room_num Warrenty_amt Monthly_amt");
        row("TOFTListPrtScr", "TfmOFTList", "오피스텔 매매 목록", "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"오피스텔명", "용도", "상태", "노트번호", "층수", "호수", "평형", "방수"},
            "Bld_nme Obj_kubun3 Obj_state C1 Bld_layer/Bld_hi_layer Bld_num Gnd_png Room_num",
            {"매매가", "실입주금", "융자금", "보증금", "월세"},
            "Sales_amt Move_into_amt Land_amt Warrenty_amt Monthly_amt");
        row("TOFTLentListPrtScr", "TfmOFTLentList", "오피스텔 임대 목록",
            "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"임대구분", "건물명", "용도", "상태", "노트번호", "층수", "호수"},
            "Obj_kubun2 Bld_nme Obj_kubun3 Obj_state C1 Bld_layer/Bld_hi_layer Bld_num",
            {"평형", "실평", "방수", "관리비", "보증금", "월세"},
            "Gnd_png Gnd_area Room_num Official_amt Warrenty_amt Monthly_amt");
        row("TONEListPrtScr", "TfmONEList", "원룸 매매 목록", "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"원룸명", "층수", "호수", "거래구분", "상태", "노트번호", "평형", "방수"},
            "Bld_nme Bld_layer/Bld_hi_layer Bld_num Obj_kubun3 Obj_state C1 Gnd_png Room_num",
            {"매매가", "실입주금", "융자금", "보증금", "월세"},
            "Sales_amt Move_into_amt Land_amt Warrenty_amt Monthly_amt");
        row("TONELentListPrtScr", "TfmONELentList", "원룸 임대 목록", "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"건물명", "층수", "호수", "임대구분", "거래구분", "상태", "노트번호"},
            "Bld_nme Bld_layer/Bld_hi_layer Bld_num Obj_kubun2 Obj_kubun3 Obj_state C1",
            {"평형", "실평", "보증금", "월세", "관리비"}, "Gnd_png Gnd_area Warrenty_amt Monthly_amt Official_amt");
        row("TSAMListPrtScr", "TfmSAMList", "사무실 매매 목록", "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"건물명", "구분", "상태", "노트번호", "층수", "호수", "평형", "전용면적"},
            "Bld_nme Obj_kubun3 Obj_state C1 Bld_layer/Bld_hi_layer Bld_num Gnd_png Gnd_area",
            {"매매가", "실입주금", "융자금", "보증금", "월세"},
            "Sales_amt Move_into_amt Land_amt Warrenty_amt Monthly_amt");
        row("TSAMLentListPrtScr", "TfmSAMLentList", "사무실 임대 목록",
            "Addr_number=*****;Bld_nme=********;Bld_num=****",
            {"임대구분", "거래구분", "상태", "노트번호", "건물명", "호수", "층수"},
            "Obj_kubun2 Obj_kubun3 Obj_state C1 Bld_nme Bld_num Bld_layer/Bld_hi_layer",
            {"평형", "실평", "보증금", "월세", "관리비"}, "Gnd_png Gnd_area Warrenty_amt Monthly_amt Official_amt");
        row("TBULListPrtScr", "TfmBULList", "빌딩 매매 목록", "Addr_number=*****;Bld_nme=*****",
            {"빌딩명", "빌딩용도", "상태", "노트번호", "대지면적", "건평", "지상", "지하"},
            "Bld_nme Obj_kubun3 Obj_state C1 Gnd_png Gnd_area Bld_hi_layer Bld_lo_layer",
            {"매매가", "실입주금", "융자금", "보증금", "월세"},
            "Sales_amt Move_into_amt Land_amt Warrenty_amt Monthly_amt");
        row("TBULLentListPrtScr", "TfmBULLentList", "빌딩 임대 목록", "Addr_number=*****;Bld_nme=********",
            {"빌딩명", "층수", "임대구분", "건물종류", "상태", "노트번호"},
            "Bld_nme Bld_layer/Bld_hi_layer Obj_kubun2 Obj_kubun3 Obj_state C1", {"대지면적", "건평", "보증금", "월세"},
            "Gnd_png Gnd_area Warrenty_amt Monthly_amt");
        row("TTOJListPrtScr", "TfmTOJList", "토지 매매 목록", "Addr_number=*****",
            {"용도", "지목", "도시계획", "상태", "노트번호"}, "Youngdo Gimok Dosi Obj_state C1",
            {"대지면적", "매매가(만원)", "평당가(원)", "현금가"}, "Gnd_png Sales_amt Pyeong_amt Move_into_amt");
        row("TTOJLentListPrtScr", "TfmTOJLentList", "토지 임대 목록", "Addr_number=*****",
            {"용도", "지목", "도시계획", "상태", "노트번호"}, "Youngdo Gimok Dosi Obj_state C1",
            {"대지면적", "평당가", "보증금", "월세"}, "Gnd_png Pyeong_amt Warrenty_amt Monthly_amt");
        row("TGONListPrtScr", "TfmGONList", "공장 매매 목록", "Addr_number=*****;Bld_nme=********",
            {"공장종류", "상태", "노트번호", "공장상호", "건평", "대지"},
            "Obj_kubun3 Obj_state C1 Bld_nme Gnd_area Gnd_png", {"매매가", "실입주금", "융자금", "보증금", "월세"},
            "Sales_amt Move_into_amt Land_amt Warrenty_amt Monthly_amt");
        row("TGONLentListPrtScr", "TfmGONLentList", "공장 임대 목록", "Addr_number=*****;Bld_nme=********",
            {"공장종류", "공장명", "임대구분", "상태", "노트번호", "층수"},
            "Obj_kubun3 Bld_nme Obj_kubun2 Obj_state C1 Bld_layer/Bld_hi_layer",
            {"대지", "건평", "보증금", "월세", "관리비", "건축년"},
            "Gnd_png Gnd_area Warrenty_amt Monthly_amt Official_amt Bld_year");
        row("TJUNListPrtScr", "TfmJUNList", "전원주택 매매 목록", "Addr_number=*****",
            {"대지", "건평", "상태", "노트번호", "방수", "지상", "지하"},
            "Gnd_png Gnd_area Obj_state C1 Room_num Bld_hi_layer Bld_lo_layer",
            {"매매가", "융자금", "보증금", "실입주금", "월세"},
            "Sales_amt Land_amt Warrenty_amt Move_into_amt Monthly_amt");
        row("TJUNLentListPrtScr", "TfmJUNLentList", "전원주택 임대 목록", "Addr_number=*****",
            {"임대구분", "거래구분", "상태", "노트번호", "층수", "방수"},
            "Obj_kubun2 Obj_kubun3 Obj_state C1 Bld_layer/Bld_hi_layer Room_num", {"대지", "평형", "보증금", "월세"},
            "Gnd_png Gnd_area Warrenty_amt Monthly_amt");
        row("TJOOListPrtScr", "TfmJOOList", "주유소 매매 목록", "Addr_number=*****;Bld_nme=********",
            {"취급종류", "주유사", "상태", "노트번호"}, "Obj_kubun3 Bld_nme Obj_state C1",
            {"대지", "건평", "주유기수", "매매가", "융자금"}, "Gnd_png Gnd_area Room_num Sales_amt Land_amt");
        row("TJOOLentListPrtScr", "TfmJOOLentList", "주유소 임대 목록", "Addr_number=*****;Bld_nme=********",
            {"주유사", "임대구분", "기름구분", "상태", "노트번호"}, "Bld_nme Obj_kubun2 Obj_kubun3 Obj_state C1",
            {"대지(평)", "건평", "주유기", "월세", "보증금"}, "Gnd_png Gnd_area Room_num Monthly_amt Warrenty_amt");
        row("TMOTListPrtScr", "TfmMOTList", "모텔 매매 목록", "Addr_number=*****;Bld_nme=**********",
            {"물건종류", "상호", "상태", "노트번호", "대지(평)", "건평"},
            "Obj_kubun3 Bld_nme Obj_state C1 Gnd_png Gnd_area",
            {"객실수", "지상", "지하", "매매가", "융자금", "현금가"},
            "Room_num Bld_hi_layer Bld_lo_layer Sales_amt Land_amt Move_into_amt");
        row("TMOTLentListPrtScr", "TfmMOTLentList", "모텔 임대 목록", "Addr_number=*****;Bld_nme=**********",
            {"상호", "구분", "물건종류", "상태", "노트번호"}, "Bld_nme Obj_kubun2 Obj_kubun3 Obj_state C1",
            {"객실수", "층수", "면적", "건평", "보증금", "월세"},
            "Room_num Bld_layer/Bld_hi_layer Gnd_png Gnd_area Warrenty_amt Monthly_amt");
        row("TOTHListPrtScr", "TfmOTHList", "기타 매매 목록", "Addr_number=*****;Bld_nme=**********",
            {"물건종류", "건물/상호", "상태", "노트번호", "층수", "대지", "건평"},
            "Obj_kind Bld_nme Obj_state C1 Bld_layer/Bld_hi_layer Gnd_png Gnd_area",
            {"금액", "실입주금", "융자금", "보증금", "월세"},
            "Sales_amt Move_into_amt Land_amt Warrenty_amt Monthly_amt");
        row("TOTHLentListPrtScr", "TfmOTHLentList", "기타 임대 목록", "Addr_number=*****;Bld_nme=**********",
            {"종류", "구분", "거래구분", "건물/상호", "상태", "노트번호", "층수"},
            "Obj_kind Obj_kubun2 Obj_kubun3 Bld_nme Obj_state C1 Bld_layer/Bld_hi_layer",
            {"대지", "건평", "보증금", "월세"}, "Gnd_png Gnd_area Warrenty_amt Monthly_amt");
        row("TALLListPrtScr", "TfmALLList", "모든물건 관리 목록",
            "Addr_number=**********;Bld_nme=**********;Bld_degree=*****;Bld_num=*****",
            {"매물종류", "구분", "임대구분", "구분/종류", "계약일자", "계약만료", "건물명", "차수/단지", "동수",
             "호수"},
            "Obj_kind Obj_kubun1 Obj_kubun2 Obj_kubun3 Cont_date Cont_end_date Bld_nme Add_degree Bld_degree Bld_num",
            {"상태", "노트번호", "층수", "지상", "지하", "면적", "건평", "방수", "매매가", "보증금", "월세", "권리금"},
            "Obj_state C1 Bld_layer Bld_hi_layer Bld_lo_layer Gnd_png Gnd_area Room_num Sales_amt Warrenty_amt "
            "Monthly_amt Premium_amt");
    }
    void members()
    {
        QFETCH(QString, name);
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QString, masks);
        QFETCH(QStringList, headers1);
        QFETCH(QString, fields1);
        QFETCH(QStringList, headers2);
        QFETCH(QString, fields2);
        QFETCH(QString, secret);
        QList<QHash<QString, QString>> rows;
        for (qint64 id : {3, 1, 2})
            rows << insertListing(id);
        openList("Id_seq in (1, 2, 3)", "Id_seq desc");
        const sheet::Document doc = printList(name, secret);
        QCOMPARE(doc.name, name);
        QCOMPARE(doc.pages.size(), 1);
        QCOMPARE(textsOf(doc, "title"), QStringList{title});

        // Headers: number and address first, registration date last on line 1; the owner after the
        // print's own columns of line 2 (before the remarks of the apartment sale print), the date of
        // the last change last.
        QStringList line2 = headers2;
        const int remarks = fields2.split(' ').indexOf("Spec");
        for (int i = 0; i < kOwner.size(); ++i)
            line2.insert((remarks < 0 ? line2.size() : remarks) + (remarks < 0 ? 0 : i), kOwner.at(i));
        const QStringList headers =
            QStringList{"번호", "주소"} + headers1 + QStringList{"등록일"} + line2 + QStringList{"수정일자"};
        QCOMPARE(textsOf(doc, "header"), headers);

        QHash<QString, QString> maskOf{
            {"sales_person", "******"}, {"sales_pnum", "**********"}, {"sales_cnum", "**********"}};
        for (const QString &m : masks.split(';', Qt::SkipEmptyParts))
            maskOf.insert(m.section('=', 0, 0).toLower(), m.section('=', 1));
        QStringList columns{"Add_city",     "Add_district", "Add_town",   "Addr_number", "Insert_date",
                            "Sales_person", "Sales_pnum",   "Sales_cnum", "Update_date"};
        for (const QString &f : (fields1 + " " + fields2).split(' ', Qt::SkipEmptyParts))
            columns << f.split('/');
        // Rows in the list's order (3, 2, 1), each column once per row.
        const QList<int> order{0, 2, 1};
        QCOMPARE(textsOf(doc, "rowNumber"), QStringList({"1", "2", "3"}));
        for (const QString &column : columns) {
            const QList<const sheet::Item *> items = doc.itemsOf(column);
            QCOMPARE(items.size(), 3);
            const bool masked = secret == "N" && maskOf.contains(column.toLower());
            for (int r = 0; r < 3; ++r) {
                QCOMPARE(items.at(r)->masked, masked);
                QCOMPARE(items.at(r)->text,
                         masked ? maskOf.value(column.toLower()) : rows.at(order.at(r)).value(column.toLower()));
                QCOMPARE(items.at(r)->font.points, sheet::pointsOfPixels(11));
            }
        }
        // Nothing else of the listing prints: neither the tenant nor the office's phones.
        for (const schema::Column &c : schema::listingTable().columns)
            if (!columns.contains(QString::fromLatin1(c.name), Qt::CaseInsensitive))
                QVERIFY2(doc.itemsOf(QString::fromLatin1(c.name)).isEmpty(), c.name);
        QCOMPARE(textsOf(doc, "total"), QStringList{"3"});
        QCOMPARE(textsOf(doc, "totalLabel"), QStringList{"TOTAL:"});
        QCOMPARE(textsOf(doc, "totalUnit"), QStringList{"개"});
        QCOMPARE(textsOf(doc, "page"), QStringList{"1"});
        QCOMPARE(textsOf(doc, "printDate"), QStringList{"2026-12-09"});
        for (const sheet::Item &item : doc.pages.first().items)
            QVERIFY2(inside(doc.printableRect(), item.rect), qPrintable(item.field + " " + item.text));
        // Every header sits over its column: the first value of a column starts where its header does.
        const sheet::Item *header = nullptr;
        for (const sheet::Item &item : doc.pages.first().items)
            if (item.field == "header" && item.text == "등록일")
                header = &item;
        QVERIFY(header);
        QCOMPARE(doc.firstOf("Insert_date")->rect.left(), header->rect.left());
    }

    void maskedEvenWhenEmpty_data()
    {
        QTest::addColumn<QString>("secret");
        QTest::addColumn<bool>("masked");
        QTest::newRow("N") << "N" << true;
        QTest::newRow("Y") << "Y" << false;
        QTest::newRow("lower-case n") << "n" << false;
        QTest::newRow("empty") << "" << false;
    }
    void maskedEvenWhenEmpty()
    {
        QFETCH(QString, secret);
        QFETCH(bool, masked);
        execSql("insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1) values (1, '아파트', '매매')");
        openList("Id_seq = 1");
        const sheet::Document doc = printList("TAptListPrtScr", secret);
        for (const char *column :
             {"Addr_number", "Bld_nme", "Bld_degree", "Bld_num", "Sales_person", "Sales_pnum", "Sales_cnum"}) {
            const sheet::Item *item = doc.firstOf(column);
            QVERIFY2(item, column);
            QCOMPARE(item->masked, masked);
            QCOMPARE(item->text.isEmpty(), !masked);
        }
    }

    void emptyListPrintsHeadersAndZero()
    {
        insertListing(1);
        openList("Id_seq = 99");
        for (const ListPrintSpec &spec : listprints::all()) {
            kindFlags(spec.window).ShowSecret = "N";
            const sheet::Document doc = ListPrint(spec).build();
            QCOMPARE(doc.pages.size(), 1);
            QCOMPARE(textsOf(doc, "title"), QStringList{spec.title});
            QCOMPARE(textsOf(doc, "header").size(), spec.line1.size() + spec.line2.size());
            QVERIFY(textsOf(doc, "rowNumber").isEmpty());
            QCOMPARE(textsOf(doc, "totalLabel") + textsOf(doc, "total") + textsOf(doc, "totalUnit"),
                     QStringList({"TOTAL:", "0", "개"}));
        }
        // A list query that is not open prints an empty list too.
        env->dm->qry_mamul.close();
        QCOMPARE(textsOf(printList("TBILListPrtScr", "N"), "total"), QStringList{"0"});
    }

    void longListPaginates()
    {
        execSql("with recursive n(i) as (select 1 union all select i + 1 from n where i < 1000) "
                "insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Add_city, Add_district, Add_town, "
                "Addr_number, Bld_nme, Sales_person, Sales_cnum, Sales_amt, Insert_date, Spec) "
                "select i, '아파트', '매매', '서울', '강남구', '역삼동', '10-' || i, '건물' || i, '김' || i, "
                "'010-0000-' || i, i * 100, '2026-01-01', '특징' || i from n");
        openList("Obj_kind = '아파트'", "Id_seq desc");
        const sheet::Document doc = printList("TAptListPrtScr", "Y");
        QVERIFY(doc.pages.size() > 20);
        // Both header lines of the apartment sale print on every page.
        const QStringList headers = textsOf(doc, "header", 0);
        QCOMPARE(headers.size(), 20);
        QStringList numbers;
        for (int p = 0; p < doc.pages.size(); ++p) {
            QCOMPARE(textsOf(doc, "header", p), headers);
            QCOMPARE(textsOf(doc, "page", p), QStringList{QString::number(p + 1)});
            QCOMPARE(textsOf(doc, "pageLabel", p), QStringList{"페이지:"});
            QCOMPARE(textsOf(doc, "title", p).size(), p == 0 ? 1 : 0);
            numbers += textsOf(doc, "rowNumber", p);
            for (const sheet::Item &item : doc.pages.at(p).items)
                QVERIFY(inside(doc.printableRect(), item.rect));
        }
        QStringList expected;
        for (int i = 1; i <= 1000; ++i)
            expected << QString::number(i);
        QCOMPARE(numbers, expected);
        // In the list's order, with the remarks read for every row.
        const QStringList names = textsOf(doc, "Bld_nme"), remarks = textsOf(doc, "Spec");
        QCOMPARE(names.first(), QString("건물1000"));
        QCOMPARE(names.last(), QString("건물1"));
        QCOMPARE(remarks.first(), QString("특징1000"));
        QCOMPARE(remarks.last(), QString("특징1"));
        QCOMPARE(textsOf(doc, "total"), QStringList{"1000"});
        QCOMPARE(textsOf(doc, "total").size(), 1);
        // The summary follows the last row on the last page.
        QCOMPARE(textsOf(doc, "total", int(doc.pages.size()) - 1), QStringList{"1000"});
    }

    void columnsTheListDoesNotSelect_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("column");
        QTest::newRow("remarks") << "TAptListPrtScr"
                                 << "Spec";
        QTest::newRow("direction") << "TDANLentListPrtScr"
                                   << "House_direct";
        QTest::newRow("year built") << "TGONLentListPrtScr"
                                    << "Bld_year";
    }
    void columnsTheListDoesNotSelect()
    {
        QFETCH(QString, name);
        QFETCH(QString, column);
        const QString listColumns = env->dm->ListColumns;
        QVERIFY(!listColumns.contains(column, Qt::CaseInsensitive));
        execSql("insert into mamul_table (Id_seq, Obj_kind, " + column +
                ") values (1, 'x', '첫째 줄\n둘째 줄'), "
                "(2, 'x', '둘째 값'), (3, 'x', '')");
        openList("Id_seq in (1, 2, 3)", "Id_seq desc");
        SqlQuery &q = env->dm->qry_mamul;
        q.moveTo(1);
        const sheet::Document doc = printList(name, "N");
        QCOMPARE(textsOf(doc, column), QStringList({"", "둘째 값", "첫째 줄 둘째 줄"}));
        // The list keeps its column set and its row.
        QCOMPARE(env->dm->ListColumns, listColumns);
        QCOMPARE(q.fieldNames().size(), 50);
        QCOMPARE(q.recNo(), 1);
        QCOMPARE(q.fieldByName("Id_seq").asInteger(), 2);
    }

    void listWindowPrintsItsRowsInItsOrder_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void listWindowPrintsItsRowsInItsOrder()
    {
        QFETCH(bool, answer);
        const QStringList names{"나래", "가람", "다솜"};
        for (int i = 0; i < names.size(); ++i)
            execSql(QStringLiteral("insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Obj_state, Add_city, "
                                   "Bld_nme, Sales_person, Insert_date) values (%1, '아파트', '매매', '일반', '서울', "
                                   "'%2', '소유자%1', '2026-01-0%1')")
                        .arg(i + 1)
                        .arg(names.at(i)));
        const ListWindowSpec *spec = catalogue::listWindow("TfmAPTList");
        QVERIFY(spec);
        ListWindow w(*spec);
        w.show();
        auto printed = [&] {
            sheet::Document shown;
            env->dialogs->answers << answer;
            env->modal->handlers << [&](QDialog *d) {
                auto *preview = qobject_cast<sheet::SheetPreview *>(d);
                QVERIFY(preview);
                shown = preview->document();
            };
            w.ApartPClick();
            return shown;
        };
        sheet::Document doc = printed();
        QCOMPARE(doc.name, QString("TAptListPrtScr"));
        QCOMPARE(env->dialogs->messages.value(0), QString("비밀정보(성명/연락처)를 출력하시겠습니까?"));
        // The rows as the grid lists them.
        QStringList shownNames, shownOwners;
        SqlQuery &q = env->dm->qry_mamul;
        for (int r = 0; r < w.model()->rowCount(); ++r) {
            q.moveTo(r);
            shownNames << q.fieldByName("Bld_nme").asString();
            shownOwners << q.fieldByName("Sales_person").asString();
        }
        QCOMPARE(shownNames.size(), 3);
        QCOMPARE(textsOf(doc, "Bld_nme"), answer ? shownNames : QStringList(3, "********"));
        QCOMPARE(textsOf(doc, "Sales_person"), answer ? shownOwners : QStringList(3, "******"));

        // After a title click the print follows the new order.
        int column = -1;
        for (int c = 0; c < spec->columns.size(); ++c)
            if (spec->columns.at(c).field == "Bld_nme")
                column = c;
        QVERIFY(column >= 0);
        w.DBGrid1TitleClick(column);
        doc = printed();
        QCOMPARE(textsOf(doc, "Bld_nme"), answer ? QStringList({"가람", "나래", "다솜"}) : QStringList(3, "********"));
        QCOMPARE(textsOf(doc, "Sales_person"),
                 answer ? QStringList({"소유자2", "소유자1", "소유자3"}) : QStringList(3, "******"));
    }

    void pdfOfAList()
    {
        for (int i = 1; i <= 3; ++i)
            insertListing(i);
        openList("Id_seq > 0");
        const sheet::Document doc = printList("TTOJListPrtScr", "N");
        const QString pdf = env->path("list.pdf");
        QVERIFY(sheet::writePdf(doc, pdf));
        const QString text = pdfText(pdf);
        for (const char *shown : {"토지 매매 목록", "페이지:", "TOTAL:", "개", "2026-12-09", "대지면적", "Gimok값1"})
            QVERIFY2(text.contains(QString::fromUtf8(shown)), qPrintable(text));
        QVERIFY(!text.contains("Sales_person값1"));
        QVERIFY(text.contains("******"));
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestListPrints)
#include "test_list_prints.moc"
