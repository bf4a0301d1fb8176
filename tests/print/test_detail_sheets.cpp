// The listing detail sheets: every member's fields, masks, labels, logo and pictures, read from the
// laid-out pages, and the print protocol of the entry windows.
#include "catalogue/entry_catalogue.h"
#include "data/database.h"
#include "data/schema.h"
#include "listings/entry_window.h"
#include "listings/kind_flags.h"
#include "print/detail_sheet.h"
#include "print/print_sheets.h"
#include "print/sheet_preview.h"
#include "support/scripted_env.h"
#include "ui/sheet_registry.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <memory>

namespace {

// What the model sheet prints, section by section (the registration date prints twice).
const QStringList kModelColumns = {
    "Insert_date",  "Obj_kind",      "Obj_kubun1",   "Add_city",      "Add_district", "Add_town",
    "Addr_number",  "Bld_nme",       "Add_degree",   "Bld_degree",    "Bld_num",      "Gnd_png",
    "Gnd_area",     "Bld_layer",     "Bld_hi_layer", "Bld_hi_home",   "Move_to_date", "Sales_amt",
    "Warrenty_amt", "Monthly_amt",   "Land_amt",     "Move_into_amt", "Official_amt", "Oth_amt",
    "Bld_year",     "Bld_structure", "Room_num",     "Living_num",    "Bath_num",     "Heat_type",
    "House_direct", "Open_title",    "Cont_date",    "Cont_end_date", "Obj_state",    "C1",
    "Update_date",  "Estate_nme",    "Estate_rep",   "Estate_pnum",   "Estate_cnum",  "Sales_person",
    "Sales_pnum",   "Sales_onum",    "Sales_cnum",   "Lent_person",   "Lent_pnum",    "Lent_onum",
    "Lent_cnum",    "Spec"};

QHash<QString, QString> modelMasks()
{
    QHash<QString, QString> m;
    m["Addr_number"] = "******";
    m["Sales_person"] = "******";
    m["Lent_person"] = "******";
    for (const char *phone : {"Sales_pnum", "Sales_onum", "Sales_cnum", "Lent_pnum", "Lent_onum", "Lent_cnum"})
        m[phone] = "***-****-****";
    return m;
}

// The extra masks as the member table names them.
QHash<QString, QString> masksOf(const QString &extra)
{
    QHash<QString, QString> m = modelMasks();
    for (const QString &tag : extra.split(", ", Qt::SkipEmptyParts)) {
        if (tag == "bld+unit") {
            m["Bld_degree"] = "*****";
            m["Bld_num"] = "*****";
        } else if (tag == "unit") {
            m["Bld_num"] = "*****";
        } else if (tag == "name(10)") {
            m["Bld_nme"] = "**********";
        } else if (tag == "name(8)") {
            m["Bld_nme"] = "********";
        } else {
            qFatal("unknown mask %s", qPrintable(tag));
        }
    }
    return m;
}

// The window whose secret flag a sheet reads: the entry window that prints it.
QString windowOf(const QString &sheet)
{
    for (const EntryWindowSpec &w : catalogue::entryWindows())
        if (w.detailSheet == sheet)
            return w.name;
    return sheet == "TALLConPrtScr" ? "TfmALL" : QString();
}

bool isNumeric(schema::Type t)
{
    return t == schema::Type::Number || t == schema::Type::Money || t == schema::Type::Integer;
}

// A listing row with a value of its own in every column (pictures and video left empty).
QHash<QString, QString> insertListing(qint64 id, bool empty = false)
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
        else if (name.startsWith("Pic_pic") || empty)
            v = QString();
        else if (isNumeric(c.type))
            v = QString::number(1000 + n);
        else
            v = QStringLiteral("값%1_%2").arg(n).arg(name);
        names << name;
        values << (isNumeric(c.type) && !v.isEmpty() ? v : "'" + v + "'");
        written.insert(name.toLower(), v);
    }
    execSql("insert into mamul_table (" + names.join(",") + ") values (" + values.join(",") + ")");
    return written;
}

void openPrintQuery(qint64 id)
{
    SqlQuery &q = dataModule()->qry_prt_mamul;
    q.close();
    q.setInteger("Id_seq", id);
    q.open();
}

sheet::Document buildSheet(const QString &name, const QString &showSecret)
{
    const DetailSheetSpec *spec = detailsheets::byName(name);
    if (!spec)
        return {};
    kindFlags(spec->window).ShowSecret = showSecret;
    return DetailSheet(*spec).build();
}

// Edges compared directly: an item cut down to nothing at the end of its cell is still inside.
bool inside(const QRectF &outer, const QRectF &inner)
{
    const qreal e = 0.01;
    return inner.left() >= outer.left() - e && inner.top() >= outer.top() - e && inner.right() <= outer.right() + e &&
           inner.bottom() <= outer.bottom() + e;
}

QImage testPicture(QColor colour)
{
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestDetailSheets : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        folder = env->newDataFolder();
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

    void catalogueLoadsEverySheet()
    {
        QVERIFY2(detailsheets::loadError().isEmpty(), qPrintable(detailsheets::loadError()));
        QCOMPARE(detailsheets::all().size(), 34);
        for (const DetailSheetSpec &s : detailsheets::all()) {
            QVERIFY2(sheets::has(s.name), qPrintable(s.name));
            QVERIFY2(printsheets::has(s.name), qPrintable(s.name));
            QCOMPARE(s.window, windowOf(s.name));
            for (const QString &column : s.printedColumns())
                QVERIFY2(mamulRecord::indexOf(column) >= 0, qPrintable(s.name + ": " + column));
        }
        // Every entry window's detail sheet exists.
        for (const EntryWindowSpec &w : catalogue::entryWindows())
            QVERIFY2(detailsheets::byName(w.detailSheet), qPrintable(w.name + " prints " + w.detailSheet));
    }

    void members_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("kindSection");
        QTest::addColumn<QString>("extraMasks");
        QTest::addColumn<QStringList>("adds");
        QTest::addColumn<QStringList>("omits");
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<QString>("showSecret");
        auto row = [](const char *name, const char *caption, const char *title, const char *kindSection,
                      const char *extraMasks, const QStringList &adds, const QStringList &omits, bool pictures) {
            for (const char *secret : {"N", "Y"})
                QTest::addRow("%s %s", name, secret)
                    << QString(name) << QString::fromUtf8(caption) << QString::fromUtf8(title)
                    << QString::fromUtf8(kindSection) << QString(extraMasks) << adds << omits << pictures
                    << QString(secret);
        };
        row("TAptPrtScr", "아파트 매매 상세 출력", "아파트매매상세정보", "[아파트정보]", "bld+unit", QStringList{},
            QStringList{}, true);
        row("TAptLentConPrtScr", "아파트 임대 상세 출력", "아파트임대상세정보", "[아파트정보]", "bld+unit",
            QStringList{"Obj_kubun2"}, QStringList{"Land_amt", "Move_into_amt", "Sales_amt"}, true);
        row("TAptBunConPrtScr", "분양권매매 상세 출력", "분양권매매상세정보", "[아파트정보]", "bld+unit",
            QStringList{"Bld_company", "Divide_amt", "Divide_pi_amt", "Payment_amt", "Nonpayment_amt"},
            QStringList{"Monthly_amt", "Official_amt", "Warrenty_amt"}, true);
        row("TDANConPrtScr", "단독주택 매매 상세 출력", "단독주택매매상세정보", "[단독주택정보]", "",
            QStringList{"Bld_lo_layer", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_layer", "Bld_nme", "Official_amt"}, true);
        row("TDANLentConPrtScr", "단독주택 임대 상세 출력", "단독주택임대상세정보", "[단독주택정보]", "",
            QStringList{"Obj_kubun2", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_nme", "Land_amt", "Move_into_amt", "Obj_kubun1",
                        "Sales_amt"},
            true);
        row("TDAGConPrtScr", "다가구 매매 상세 출력", "다가구매매상세정보", "[다가구정보]", "bld+unit, name(10)",
            QStringList{"Bld_lo_layer", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_hi_home", "Bld_layer", "Official_amt"}, true);
        row("TDAGLentConPrtScr", "다가구 임대 상세 출력", "다가구임대상세정보", "[다가구정보]", "bld+unit, name(10)",
            QStringList{"Obj_kubun2", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_hi_home", "Land_amt", "Move_into_amt", "Official_amt", "Sales_amt"}, true);
        row("TBILConPrtScr", "빌라 매매 상세 출력", "빌라매매상세정보", "[빌라정보]", "bld+unit, name(10)",
            QStringList{"Trafic_info"}, QStringList{"Add_degree", "Bld_hi_home", "Official_amt"}, true);
        row("TBILLentConPrtScr", "빌라 임대 상세 출력", "빌라임대상세정보", "[빌라정보]", "bld+unit, name(10)",
            QStringList{"Obj_kubun2", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_hi_home", "Land_amt", "Move_into_amt", "Official_amt", "Sales_amt"}, true);
        row("TSAGConPrtScr", "상가 매매 상세 출력", "상가매매상세정보", "[상가정보]", "bld+unit, name(10)",
            QStringList{"Premium_amt", "Trafic_info", "Youngdo"},
            QStringList{"Add_degree", "Bld_hi_home", "Bld_structure", "Bld_year", "Official_amt"}, true);
        row("TSAGLentConPrtScr", "상가 임대 상세 출력", "상가임대상세정보", "[상가정보]", "bld+unit, name(10)",
            QStringList{"Obj_kubun2", "Premium_amt", "Trafic_info", "Youngdo"},
            QStringList{"Add_degree", "Bld_hi_home", "Bld_structure", "Bld_year", "Land_amt", "Official_amt",
                        "Sales_amt"},
            true);
        row("TSAJConPrtScr", "상가주택 매매 상세 출력", "상가주택매매상세정보", "[상가주택정보]", "unit",
            QStringList{"Bld_lo_layer", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_layer", "Bld_nme", "Official_amt"}, false);
        row("TSAJLentConPrtScr", "상가주택 임대 상세 출력", "상가주택임대상세정보", "[상가주택정보]", "unit",
            QStringList{"Obj_kubun2", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_nme", "Land_amt", "Move_into_amt", "Sales_amt"},
            false);
        row("TOFTConPrtScr", "오피스텔 매매 상세 출력", "오피스텔매매상세정보", "[오피스텔정보]", "bld+unit, name(10)",
            QStringList{"Obj_kubun3", "Trafic_info"}, QStringList{"Add_degree", "Bld_hi_home", "Bld_structure"}, true);
        row("TOFTLentConPrtScr", "오피스텔 임대 상세 출력", "오피스텔임대상세정보", "[오피스텔정보]",
            "bld+unit, name(10)", QStringList{"Obj_kubun2", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_hi_home", "Bld_structure", "Land_amt", "Move_into_amt", "Sales_amt"}, true);
        row("TONEConPrtScr", "원룸 매매 상세 출력", "원룸매매상세정보", "[원룸정보]", "unit, name(10)",
            QStringList{"Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_structure"}, true);
        row("TONELentConPrtScr", "원룸 임대 상세 출력", "원룸임대상세정보", "[원룸정보]", "unit, name(10)",
            QStringList{"Obj_kubun2", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_structure", "Land_amt", "Move_into_amt",
                        "Sales_amt"},
            true);
        row("TSAMConPrtScr", "사무실 매매 상세 출력", "사무실매매상세정보", "[사무실정보]", "unit, name(10)",
            QStringList{"Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_structure"}, true);
        row("TSAMLentConPrtScr", "사무실 임대 상세 출력", "사무실임대상세정보", "[사무실정보]", "unit, name(10)",
            QStringList{"Obj_kubun2", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_structure", "Land_amt", "Move_into_amt",
                        "Sales_amt"},
            true);
        row("TBULConPrtScr", "빌딩 매매 상세 출력", "빌딩매매상세정보", "[빌딩정보]", "unit, name(10)",
            QStringList{"Bld_lo_layer", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_layer", "Bld_structure",
                        "Living_num", "Official_amt", "Room_num"},
            true);
        row("TBULLentConPrtScr", "빌딩 임대 상세 출력", "빌딩임대상세정보", "[빌딩정보]", "unit, name(10)",
            QStringList{"Obj_kubun2", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_structure", "Land_amt",
                        "Living_num", "Move_into_amt", "Official_amt", "Room_num", "Sales_amt"},
            true);
        row("TTOJConPrtScr", "토지매매 상세 출력", "토지매매상세정보", "[토지정보]", "",
            QStringList{"Dosi", "Gimok", "Pyeong_amt", "Youngdo"},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_hi_layer", "Bld_layer", "Bld_nme",
                        "Bld_num", "Bld_structure", "Bld_year", "Gnd_area", "Heat_type", "House_direct", "Land_amt",
                        "Living_num", "Monthly_amt", "Official_amt", "Room_num", "Warrenty_amt"},
            true);
        row("TTOJLentConPrtScr", "토지임대 상세 출력", "토지임대상세정보", "[토지정보]", "",
            QStringList{"Dosi", "Gimok", "Obj_kubun2", "Pyeong_amt", "Youngdo"},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_hi_layer", "Bld_layer", "Bld_nme",
                        "Bld_num", "Bld_structure", "Bld_year", "Gnd_area", "Heat_type", "House_direct", "Land_amt",
                        "Living_num", "Move_into_amt", "Official_amt", "Room_num", "Sales_amt"},
            true);
        row("TGONConPrtScr", "공장 매매 상세 출력", "공장매매상세정보", "[공장정보]", "",
            QStringList{"Elect", "Obj_kubun3"},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_num", "Bld_structure", "Heat_type",
                        "House_direct", "Living_num", "Official_amt", "Room_num"},
            true);
        row("TGONLentConPrtScr", "공장 임대 상세 출력", "공장임대상세정보", "[공장정보]", "",
            QStringList{"Elect", "Obj_kubun2", "Obj_kubun3"},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_num", "Bld_structure", "Heat_type",
                        "House_direct", "Land_amt", "Living_num", "Move_into_amt", "Room_num", "Sales_amt"},
            true);
        row("TJUNConPrtScr", "전원주택 매매 상세 출력", "전원주택매매상세정보", "[전원주택정보]", "",
            QStringList{"Bld_lo_layer", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_layer", "Bld_nme", "Official_amt"}, true);
        row("TJUNLentConPrtScr", "전원주택 임대 상세 출력", "전원주택임대상세정보", "[전원주택정보]", "",
            QStringList{"Obj_kubun2", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_nme", "Bld_structure", "Bld_year", "Land_amt",
                        "Move_into_amt", "Obj_kubun1", "Sales_amt"},
            true);
        row("TJOOConPrtScr", "주유소매매 상세 출력", "주유소매매상세정보", "[물건정보]", "name(8)",
            QStringList{"Obj_kubun3"},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_hi_layer", "Bld_layer", "Bld_num",
                        "Bld_structure", "Heat_type", "House_direct", "Living_num", "Monthly_amt", "Move_into_amt",
                        "Official_amt", "Warrenty_amt"},
            true);
        row("TJOOLentConPrtScr", "주유소임대 상세 출력", "주유소임대상세정보", "[물건정보]", "name(8)",
            QStringList{"Obj_kubun2", "Obj_kubun3"},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_hi_layer", "Bld_layer", "Bld_num",
                        "Bld_structure", "Heat_type", "House_direct", "Land_amt", "Living_num", "Move_into_amt",
                        "Move_to_date", "Official_amt", "Oth_amt", "Sales_amt"},
            true);
        row("TMOTConPrtScr", "모텔 매매 상세 출력", "모텔매매상세정보", "[모텔정보]", "name(10)",
            QStringList{"Bld_lo_layer", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_layer", "Bld_num", "Monthly_amt",
                        "Official_amt", "Warrenty_amt"},
            true);
        row("TMOTLentConPrtScr", "모텔 임대 상세 출력", "모텔임대상세정보", "[모텔정보]", "name(10)",
            QStringList{"Obj_kubun2", "Obj_kubun3", "Trafic_info"},
            QStringList{"Add_degree", "Bld_degree", "Bld_hi_home", "Bld_num", "Land_amt", "Move_into_amt",
                        "Official_amt", "Sales_amt"},
            true);
        row("TOTHConPrtScr", "기타매매 상세 출력", "기타매매상세정보", "[물건정보]", "name(10)", QStringList{},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_num", "Bld_structure", "Bld_year",
                        "Heat_type", "House_direct", "Living_num", "Official_amt", "Room_num"},
            true);
        row("TOTHLentConPrtScr", "기타임대 상세 출력", "기타임대상세정보", "[물건정보]", "name(10)",
            QStringList{"Obj_kubun2", "Obj_kubun3"},
            QStringList{"Add_degree", "Bath_num", "Bld_degree", "Bld_hi_home", "Bld_num", "Bld_structure", "Bld_year",
                        "Heat_type", "House_direct", "Land_amt", "Living_num", "Move_into_amt", "Obj_kubun1",
                        "Official_amt", "Room_num", "Sales_amt"},
            true);
        row("TALLConPrtScr", "모든매물 상세 출력", "모든매물상세정보", "[면적정보]", "bld+unit, name(8)",
            QStringList{"Bld_lo_layer", "Obj_kubun2", "Premium_amt"},
            QStringList{"Bld_hi_home", "Bld_structure", "Bld_year", "Heat_type", "House_direct", "Land_amt",
                        "Move_into_amt", "Official_amt", "Sales_amt"},
            false);
    }
    void members()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QString, kindSection);
        QFETCH(QString, extraMasks);
        QFETCH(QStringList, adds);
        QFETCH(QStringList, omits);
        QFETCH(bool, pictures);
        QFETCH(QString, showSecret);

        const QHash<QString, QString> values = insertListing(7);
        openPrintQuery(7);
        const sheet::Document doc = buildSheet(name, showSecret);
        QCOMPARE(doc.name, name);
        QCOMPARE(doc.caption, caption);
        QCOMPARE(doc.pages.size(), 1);
        QVERIFY(doc.firstOf("title"));
        QCOMPARE(doc.firstOf("title")->text, title);
        QVERIFY(doc.texts().contains(kindSection));
        QCOMPARE(doc.texts().contains("[ 사진 ]"), pictures);

        QStringList printed = kModelColumns;
        printed += adds;
        for (const QString &c : omits)
            printed.removeAll(c);
        if (pictures)
            printed << "Pic_pic1"
                    << "Pic_pic2";
        const QHash<QString, QString> masks = masksOf(extraMasks);
        for (const QString &column : printed) {
            const QList<const sheet::Item *> items = doc.itemsOf(column);
            QVERIFY2(!items.isEmpty(), qPrintable(column + " does not print"));
            if (column.startsWith("Pic_pic"))
                continue;
            const bool masked = showSecret == "N" && masks.contains(column);
            for (const sheet::Item *item : items) {
                QCOMPARE(item->masked, masked);
                QCOMPARE(item->text, masked ? masks.value(column) : values.value(column.toLower()));
            }
        }
        for (const schema::Column &c : schema::listingTable().columns) {
            const QString column = QString::fromLatin1(c.name);
            if (!printed.contains(column, Qt::CaseInsensitive))
                QVERIFY2(doc.itemsOf(column).isEmpty(), qPrintable(column + " prints but should not"));
        }
        // No value of a secret field leaks into the sheet under "N".
        if (showSecret == "N")
            for (auto it = masks.begin(); it != masks.end(); ++it)
                if (printed.contains(it.key()))
                    QVERIFY2(!doc.texts().contains(values.value(it.key().toLower())), qPrintable(it.key()));
    }

    void masksPrintOverEmptyValuesAndOnlyForExactlyN_data()
    {
        QTest::addColumn<QString>("showSecret");
        QTest::addColumn<bool>("masked");
        QTest::newRow("N") << "N" << true;
        QTest::newRow("Y") << "Y" << false;
        QTest::newRow("lower-case n") << "n" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("N with a blank") << "N " << false;
    }
    void masksPrintOverEmptyValuesAndOnlyForExactlyN()
    {
        QFETCH(QString, showSecret);
        QFETCH(bool, masked);
        insertListing(3, true);
        openPrintQuery(3);
        const sheet::Document doc = buildSheet("TAptPrtScr", showSecret);
        for (const char *column :
             {"Addr_number", "Bld_degree", "Bld_num", "Sales_person", "Sales_pnum", "Lent_person", "Lent_cnum"}) {
            const sheet::Item *item = doc.firstOf(column);
            QVERIFY(item);
            QCOMPARE(item->masked, masked);
            QCOMPARE(item->text.isEmpty(), !masked);
        }
    }

    void agencyPhonesAreNeverMasked()
    {
        const QHash<QString, QString> values = insertListing(4);
        openPrintQuery(4);
        for (const DetailSheetSpec &s : detailsheets::all()) {
            const sheet::Document doc = buildSheet(s.name, "N");
            for (const char *column : {"Estate_nme", "Estate_rep", "Estate_pnum", "Estate_cnum"}) {
                const sheet::Item *item = doc.firstOf(column);
                QVERIFY2(item, qPrintable(s.name + " " + column));
                QVERIFY(!item->masked);
                QCOMPARE(item->text, values.value(QString(column).toLower()));
            }
        }
    }

    void labelsAndUnitsOfTheModel()
    {
        const QHash<QString, QString> values = insertListing(5);
        openPrintQuery(5);
        const QStringList texts = buildSheet("TAptPrtScr", "Y").texts();
        for (const char *text : {"[매물정보]",    "매물종류 : ",
                                 "구   분 : ",    "[소재지정보]",
                                 "주    소 : ",   "[아파트정보]",
                                 "아파트명 : ",   "차    수 : ",
                                 "동    수 : ",   "동",
                                 "호    수 : ",   "호",
                                 "평    형 : ",   "평형",
                                 "전용면적 : ",   "평",
                                 "층    수 : ",   "층",
                                 "전체층수 : ",   "총세대수 : ",
                                 "세대",          "입주가능일 : ",
                                 "[가격정보]",    "매매금액 : ",
                                 "만원",          "보 증 금 : ",
                                 "월     세 : ",  "융 자 금 : ",
                                 "실입주금 : ",   "관 리 비 : ",
                                 "기타금액 : ",   "[건축구조정보]",
                                 "건축년도 : ",   "년도",
                                 "아파트구조 : ", "내부구조 : ",
                                 "/방",           "/거실",
                                 "/화장실",       "난방방식 : ",
                                 "방    향 : ",   "향",
                                 "[제목]",        "[매물상태정보]",
                                 "계약기간 : ",   "~",
                                 "까지",          "매물상태 : ",
                                 "노트번호 : ",   "[매물등록정보]",
                                 "등록일자 : ",   "수정일자 : ",
                                 "[부동산정보]",  "부동산상호 : ",
                                 "대표자전화 : ", "담당자전화 : ",
                                 "담당자 H.P : ", "[의뢰인정보]",
                                 "의 뢰 인 : ",   "자택전화 : ",
                                 "회사전화 : ",   "휴대전화 : ",
                                 "[세입자정보]",  "세 입 자 : ",
                                 "[기타정보]",    "[ 사진 ]"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        // The rooms line reads value "/방" value "/거실" value "/화장실".
        const int room = texts.indexOf(values.value("room_num"));
        QVERIFY(room > 0);
        QCOMPARE(texts.mid(room, 6), QStringList({values.value("room_num"), "/방", values.value("living_num"), "/거실",
                                                  values.value("bath_num"), "/화장실"}));
    }

    void nothingLeavesItsFrame()
    {
        // Long values in every column: what does not fit is cut at the end of its cell.
        insertListing(6);
        execSql("update mamul_table set Bld_nme = '" + QString(25, QChar(0xAC00)) +
                "', Room_num = '12345', "
                "Trafic_info = '" +
                QString(25, QChar(0xB098)) + "' where Id_seq = 6");
        openPrintQuery(6);
        for (const DetailSheetSpec &s : detailsheets::all()) {
            const sheet::Document doc = buildSheet(s.name, "Y");
            QCOMPARE(doc.pages.size(), 1);
            QList<QRectF> frames;
            for (const sheet::Item &item : doc.pages.first().items)
                if (item.kind == sheet::ItemKind::Frame || item.kind == sheet::ItemKind::Circle)
                    frames << item.rect;
            const QRectF area = doc.printableRect();
            const sheet::Item *date = doc.firstOf("Insert_date");
            for (const sheet::Item &item : doc.pages.first().items) {
                if (item.field == "logo" || item.field == "logo_tel")
                    continue;
                QVERIFY2(inside(area, item.rect), qPrintable(s.name + " " + item.field + " " + item.text));
                if (item.kind != sheet::ItemKind::Text || item.text.isEmpty() || &item == date)
                    continue;
                bool framed = false;
                for (const QRectF &frame : frames)
                    framed = framed || inside(frame, item.rect);
                QVERIFY2(framed, qPrintable(s.name + " " + item.field + " " + item.text));
            }
        }
    }

    void logoSize_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("logo");
        QTest::addColumn<int>("points");
        QTest::newRow("ten syllables, 20 bytes") << "TAptPrtScr"
                                                 << "가나다라마바사아자차" << 52;
        QTest::newRow("18 bytes") << "TAptPrtScr"
                                  << "가나다라마바사아자" << 58;
        QTest::newRow("16 bytes") << "TAptPrtScr"
                                  << "가나다라마바사아" << 66;
        QTest::newRow("14 bytes") << "TAptPrtScr"
                                  << "가나다라마바사" << 75;
        QTest::newRow("12 bytes") << "TAptPrtScr"
                                  << "가나다라마바" << 85;
        QTest::newRow("ten letters") << "TAptPrtScr"
                                     << "ABCDEFGHIJ" << 105;
        QTest::newRow("nine letters keep 52") << "TAptPrtScr"
                                              << "ABCDEFGHI" << 52;
        QTest::newRow("nine letters keep 105") << "TBULConPrtScr"
                                               << "ABCDEFGHI" << 105;
        QTest::newRow("four syllables") << "TAptPrtScr"
                                        << "가나다라" << 120;
        QTest::newRow("seven letters") << "TAptPrtScr"
                                       << "ABCDEFG" << 140;
        QTest::newRow("three syllables") << "TSAGConPrtScr"
                                         << "가나다" << 140;
        QTest::newRow("mixed 13 bytes") << "TAptPrtScr"
                                        << "ABC가나다라마" << 52;
        QTest::newRow("21 bytes") << "TTOJConPrtScr"
                                  << "가나다라마바사아자차A" << 105;
        QTest::newRow("eleven letters in a 105 sheet") << "TMOTConPrtScr"
                                                       << "ABCDEFGHIJK" << 105;
        QTest::newRow("ten letters in a 105 sheet") << "TOTHConPrtScr"
                                                    << "ABCDEFGHIJ" << 105;
        QTest::newRow("twenty bytes in a 105 sheet") << "TSAMLentConPrtScr"
                                                     << "가나다라마바사아자차" << 52;
    }
    void logoSize()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, logo);
        QFETCH(int, points);
        env->dm->LogoText = logo;
        insertListing(8);
        openPrintQuery(8);
        const sheet::Document doc = buildSheet(sheet, "N");
        const sheet::Item *item = doc.firstOf("logo");
        QVERIFY(item);
        QCOMPARE(item->text, logo);
        QCOMPARE(item->font.points, qreal(points));
        QCOMPARE(item->font.face, QString("굴림"));
        QVERIFY(item->font.bold);
        const sheet::Item *phone = doc.firstOf("logo_tel");
        QVERIFY(phone);
        QCOMPARE(phone->text, QString("02-555-1234"));
        QCOMPARE(phone->font.face, QString("돋움"));
        QCOMPARE(phone->font.points, qreal(65));
    }

    void designSizeOfEverySheet()
    {
        // Nine sheets were designed with 105 points, the rest with 52; a 9-byte logo keeps it.
        const QStringList big = {"TBULConPrtScr", "TGONConPrtScr",     "TJOOConPrtScr",
                                 "TJUNConPrtScr", "TMOTConPrtScr",     "TOTHConPrtScr",
                                 "TSAGConPrtScr", "TSAMLentConPrtScr", "TTOJConPrtScr"};
        env->dm->LogoText = "123456789";
        insertListing(9);
        openPrintQuery(9);
        for (const DetailSheetSpec &s : detailsheets::all()) {
            const sheet::Item *item = buildSheet(s.name, "N").firstOf("logo");
            QVERIFY(item);
            QCOMPARE(item->font.points, qreal(big.contains(s.name) ? 105 : 52));
        }
    }

    void noLogoUnlessExactlyYes_data()
    {
        QTest::addColumn<QString>("printLogo");
        QTest::addColumn<bool>("prints");
        QTest::newRow("YES") << "YES" << true;
        QTest::newRow("NO") << "NO" << false;
        QTest::newRow("yes") << "yes" << false;
        QTest::newRow("empty") << "" << false;
    }
    void noLogoUnlessExactlyYes()
    {
        QFETCH(QString, printLogo);
        QFETCH(bool, prints);
        env->dm->PrintLogo = printLogo;
        insertListing(10);
        openPrintQuery(10);
        const sheet::Document doc = buildSheet("TDANConPrtScr", "N");
        QVERIFY(doc.firstOf("logo") && doc.firstOf("logo_tel"));
        QCOMPARE(doc.firstOf("logo")->text, prints ? QString("행복부동산") : QString());
        QCOMPARE(doc.firstOf("logo_tel")->text, prints ? QString("02-555-1234") : QString());
        QCOMPARE(doc.texts().contains("02-555-1234"), prints);
    }

    void watermarkIsPaleAndBehindTheFields()
    {
        insertListing(11);
        openPrintQuery(11);
        const sheet::Document doc = buildSheet("TAptPrtScr", "N");
        const QList<sheet::Item> &items = doc.pages.first().items;
        int logo = -1, tel = -1, firstField = -1;
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].field == "logo")
                logo = i;
            else if (items[i].field == "logo_tel")
                tel = i;
            else if (firstField < 0 && items[i].kind == sheet::ItemKind::Text)
                firstField = i;
        }
        QVERIFY(logo >= 0 && tel >= 0 && firstField >= 0);
        QVERIFY(logo < firstField && tel < firstField);
        QCOMPARE(items[logo].color, QColor(240, 202, 166));
        QCOMPARE(items[tel].color, QColor(240, 202, 166));
        QVERIFY(items[logo].wordWrap);
        QCOMPARE(items[logo].align, Qt::Alignment(Qt::AlignCenter));
        // Across the price and structure sections, and across the agency, owner and tenant sections.
        const QRectF prices = doc.firstOf("Sales_amt")->rect, structure = doc.firstOf("Heat_type")->rect;
        QVERIFY(items[logo].rect.top() < prices.bottom() && items[logo].rect.bottom() > structure.top());
        const QRectF agency = doc.firstOf("Estate_nme")->rect, tenant = doc.firstOf("Lent_cnum")->rect;
        QVERIFY(items[tel].rect.top() < tenant.bottom() && items[tel].rect.bottom() > agency.top());
        QCOMPARE(items[logo].rect.width(), sheet::px(714));
        QCOMPARE(items[tel].rect.height(), sheet::px(88));
    }

    void picturesFollowTheDataFolder()
    {
        QVERIFY(testPicture(Qt::red).save(QDir(folder).filePath("img/img12_1.jpg")));
        QVERIFY(testPicture(Qt::blue).save(QDir(folder).filePath("img/img12_2.png")));
        insertListing(12);
        execSql("update mamul_table set Pic_pic1 = 'D:\\old office\\data\\img\\img12_1.jpg', "
                "Pic_pic2 = '/somewhere/else/data/img/img12_2.png' where Id_seq = 12");
        openPrintQuery(12);
        const sheet::Document doc = buildSheet("TAptPrtScr", "N");
        const sheet::Item *one = doc.firstOf("Pic_pic1");
        const sheet::Item *two = doc.firstOf("Pic_pic2");
        QVERIFY(one && two);
        QCOMPARE(one->source, QDir(folder).filePath("img/img12_1.jpg"));
        QCOMPARE(two->source, QDir(folder).filePath("img/img12_2.png"));
        QVERIFY(!one->picture.isNull());
        QVERIFY(!two->picture.isNull());
        QCOMPARE(one->kind, sheet::ItemKind::Picture);
        QCOMPARE(one->rect.size(), QSizeF(sheet::px(250), sheet::px(140)));
        QVERIFY(one->rect.bottom() <= two->rect.top());
        QCOMPARE(QColor(two->picture.pixel(two->picture.width() / 2, two->picture.height() / 2)), QColor(Qt::blue));
    }

    void missingPicturesLeaveBlankBoxes()
    {
        insertListing(13);
        execSql("update mamul_table set Pic_pic1 = 'C:\\data\\img\\img13_1.jpg', Pic_pic2 = '' where Id_seq = 13");
        openPrintQuery(13);
        const sheet::Document doc = buildSheet("TAptPrtScr", "N");
        QVERIFY(doc.texts().contains("[ 사진 ]"));
        for (const char *column : {"Pic_pic1", "Pic_pic2"}) {
            const sheet::Item *box = doc.firstOf(column);
            QVERIFY(box);
            QVERIFY(box->picture.isNull());
            // Each box is framed even when blank.
            bool framed = false;
            for (const sheet::Item &item : doc.pages.first().items)
                framed = framed || (item.kind == sheet::ItemKind::Frame && item.rect == box->rect);
            QVERIFY2(framed, column);
        }
    }

    void longRemarksGrowTheDetailBand()
    {
        insertListing(14);
        QString remarks;
        for (int i = 0; i < 40; ++i)
            remarks += QStringLiteral("%1번째 줄: 남향이며 주차가 편리하고 학교가 가깝습니다.\n").arg(i + 1);
        execSql("update mamul_table set Spec = '" + remarks + "' where Id_seq = 14");
        openPrintQuery(14);
        const sheet::Document doc = buildSheet("TAptPrtScr", "N");
        QVERIFY(doc.pages.size() >= 2);
        QString printed;
        for (const sheet::Item *item : doc.itemsOf("Spec")) {
            QVERIFY(inside(doc.printableRect(), item->rect));
            printed = item->text;
        }
        QCOMPARE(printed, remarks);
        QVERIFY(doc.itemsOf("Spec").first()->rect.height() > sheet::px(280));
    }

    void deletedListingPrintsEmptyValues()
    {
        openPrintQuery(999);
        const sheet::Document doc = buildSheet("TAptPrtScr", "Y");
        QVERIFY(doc.firstOf("Bld_nme"));
        QCOMPARE(doc.firstOf("Bld_nme")->text, QString());
        QVERIFY(doc.texts().contains("아파트매매상세정보"));
    }

    void entryWindowPrintsThroughThePreview_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("answer");
        QTest::newRow("apartment, No") << "TfmApt" << false;
        QTest::newRow("apartment, Yes") << "TfmApt" << true;
        QTest::newRow("villa lease, No") << "TfmBILLent" << false;
    }
    void entryWindowPrintsThroughThePreview()
    {
        QFETCH(QString, window);
        QFETCH(bool, answer);
        const EntryWindowSpec *spec = catalogue::entryWindow(window);
        QVERIFY(spec);
        const QHash<QString, QString> values = insertListing(20);
        execSql(QStringLiteral("update mamul_table set Obj_kind = '%1', Obj_kubun1 = '%2' where Id_seq = 20")
                    .arg(spec->objKind.isEmpty() ? QStringLiteral("빌라") : spec->objKind,
                         spec->isLease() ? QStringLiteral("임대") : QStringLiteral("매매")));
        auto w = std::make_unique<EntryWindow>(*spec);
        w->Mode = "Edit";
        w->IdSeq = 20;
        w->FormShow();
        env->dialogs->answers << answer;
        const QString pdf = env->path("shown.pdf");
        sheet::Document shown;
        env->modal->handlers << [&](QDialog *d) {
            auto *preview = qobject_cast<sheet::SheetPreview *>(d);
            QVERIFY(preview);
            QVERIFY(dataModule()->qry_prt_mamul.isOpen());
            shown = preview->document();
            env->dialogs->saveFiles << pdf;
            preview->savePdfAction()->trigger();
        };
        w->PrintClick();
        QCOMPARE(env->dialogs->messages.value(0), QString("비밀정보(물건정보/성명/연락처)를 출력하시겠습니까?"));
        QCOMPARE(env->modal->opened, QStringList({spec->detailSheet}));
        QCOMPARE(kindFlags(window).ShowSecret, answer ? QString("Y") : QString("N"));
        QVERIFY(!dataModule()->qry_prt_mamul.isOpen());
        QCOMPARE(shown.name, spec->detailSheet);
        QVERIFY(shown.firstOf("Sales_person"));
        QCOMPARE(shown.firstOf("Sales_person")->text, answer ? values.value("sales_person") : QString("******"));
        QCOMPARE(shown.firstOf("Addr_number")->masked, !answer);
        QVERIFY(QFileInfo(pdf).size() > 0);
    }

private:
    std::unique_ptr<TestEnv> env;
    QString folder;
};

QTEST_MAIN(TestDetailSheets)
#include "test_detail_sheets.moc"
