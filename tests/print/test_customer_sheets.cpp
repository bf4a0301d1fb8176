// The customer sheets: the detail sheet of one customer with the office's logo behind it, the roster
// of the customer list on landscape pages, and the print query given back to the listing sheets.
#include "customers/customer_list.h"
#include "customers/customer_model.h"
#include "customers/customer_window.h"
#include "customers/customer_windows.h"
#include "data/db_error.h"
#include "data/schema.h"
#include "listings/kind_flags.h"
#include "print/customer_list_sheet.h"
#include "print/customer_sheet.h"
#include "print/print_sheets.h"
#include "print/sheet_preview.h"
#include "print/sheet_renderer.h"
#include "support/scripted_env.h"
#include "ui/sheet_registry.h"

#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

const QString kListingPrint = QStringLiteral("select * from mamul_table.db where Id_seq = :Id_seq");

// A customer with a value of its own in every column; the values by lower-case column.
QHash<QString, QString> insertCustomer(int num, const QString &name = QString())
{
    QStringList names, values;
    QHash<QString, QString> written;
    for (const schema::Column &c : schema::table("cust_table").columns) {
        const QString column = QString::fromLatin1(c.name);
        QString v;
        if (column == "Num")
            v = QString::number(num);
        else if (column == "Cname" && !name.isEmpty())
            v = name;
        else
            v = QStringLiteral("%1_%2").arg(column.toLower()).arg(num);
        names << column;
        values << (column == "Num" ? v : "'" + v + "'");
        written.insert(column.toLower(), v);
    }
    execSql("insert into cust_table (" + names.join(",") + ") values (" + values.join(",") + ")");
    return written;
}

// As the customer window opens it.
void openCustomer(int num)
{
    SqlQuery &q = dataModule()->qry_prt_mamul;
    q.close();
    q.setSql("select * from cust_table.db where Num =" + QString::number(num));
    q.open();
}

sheet::Document buildSheet(const QString &name)
{
    const std::optional<sheet::Document> doc = printsheets::build(name);
    if (!doc)
        qFatal("no sheet %s", qPrintable(name));
    return *doc;
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

QString pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    text.replace(QChar(1), QLatin1Char(' ')); // NanumGothic's blanks
    return text;
}

bool inside(const QRectF &outer, const QRectF &inner)
{
    const qreal e = 0.01;
    return inner.left() >= outer.left() - e && inner.top() >= outer.top() - e && inner.right() <= outer.right() + e &&
           inner.bottom() <= outer.bottom() + e;
}

} // namespace

class TestCustomerSheets : public QObject {
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
        registerCustomerWindows();
    }
    void cleanup()
    {
        env->dm->qry_prt_mamul.close();
        env->dm->qry_cust.close();
        env.reset();
    }

    void detailSheetFields_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("column");
        const char *rows[][2] = {{"이    름 : ", "Cname"},           {"회    사 : ", "Ccompany"},
                                 {"관    계 : ", "Cgwange"},         {"직    책 : ", "Cgikchek"},
                                 {"회사전화 : ", "Cophone"},         {"전    화 : ", "Cphone"},
                                 {"부    서 : ", "Cbuseo"},          {" F  A  X : ", "Cfax"},
                                 {"핸 드  폰 : ", "Chandphone"},     {"주    소 : ", "Caddr"},
                                 {"이 메 일 : ", "Oemail"},          {"홈페이지 : ", "Chomepage"},
                                 {"주거형태 : ", "Cliving_type"},    {"집 주 인  : ", "Oname"},
                                 {"건물/이름 : ", "Cbld_type"},      {"주인전화 : ", "Ophone"},
                                 {"입 주 일 : ", "Cmove_into_date"}, {"주인핸드폰 : ", "Ohandphone"},
                                 {"이 사 일 : ", "Cmove_out_date"}};
        for (const auto &r : rows)
            QTest::newRow(r[1]) << QString::fromUtf8(r[0]) << QString(r[1]);
    }
    void detailSheetFields()
    {
        QFETCH(QString, label);
        QFETCH(QString, column);
        insertCustomer(1);
        const QHash<QString, QString> values = insertCustomer(2);
        openCustomer(2);
        const sheet::Document doc = buildSheet("TCustConPrtScr");
        QCOMPARE(doc.name, QString("TCustConPrtScr"));
        QCOMPARE(doc.caption, QString("고객상세정보 출력"));
        QCOMPARE(doc.orientation, QPageLayout::Portrait);
        // The label, then its value, nothing masked.
        const QList<sheet::Item> &items = doc.pages.first().items;
        int at = -1;
        for (int i = 0; i < items.size(); ++i)
            if (items[i].text == label)
                at = i;
        QVERIFY2(at >= 0, qPrintable(label));
        QVERIFY(items[at].font.bold);
        QCOMPARE(items[at + 1].field, column);
        QCOMPARE(items[at + 1].text, values.value(column.toLower()));
        QVERIFY(!items[at + 1].masked);
        QCOMPARE(items[at + 1].font.points, sheet::pointsOfPixels(15));
        QCOMPARE(doc.itemsOf(column).size(), 1);
        // The value stays in its section's frame.
        bool framed = false;
        for (const sheet::Item &item : items)
            framed = framed || (item.kind == sheet::ItemKind::Frame && inside(item.rect, items[at + 1].rect));
        QVERIFY(framed);
    }

    void detailSheetParts()
    {
        const QHash<QString, QString> values = insertCustomer(3);
        openCustomer(3);
        const sheet::Document doc = buildSheet("TCustConPrtScr");
        QCOMPARE(doc.pages.size(), 1);
        for (const char *heading : {"고객상세정보", "[개인정보]", "[주거형태]", "[메모]"})
            QVERIFY2(doc.texts().contains(QString::fromUtf8(heading)), heading);
        QCOMPARE(doc.firstOf("title")->font.points, sheet::pointsOfPixels(27));
        QCOMPARE(doc.firstOf("Cmemo")->text, values.value("cmemo"));
        QCOMPARE(doc.firstOf("Cmemo")->kind, sheet::ItemKind::RichText);
        // The landlord's e-mail is not on the detail sheet.
        QVERIFY(doc.itemsOf("Cemail").isEmpty());
        for (const sheet::Item &item : doc.pages.first().items)
            if (item.field != "logo" && item.field != "logo_tel")
                QVERIFY2(inside(doc.printableRect(), item.rect), qPrintable(item.field + " " + item.text));
    }

    void watermark_data()
    {
        QTest::addColumn<QString>("printLogo");
        QTest::addColumn<QString>("logo");
        QTest::addColumn<bool>("prints");
        QTest::addColumn<int>("points");
        QTest::newRow("YES, five syllables") << "YES"
                                             << "행복부동산" << true << 105;
        QTest::newRow("YES, ten syllables") << "YES"
                                            << "가나다라마바사아자차" << true << 52;
        QTest::newRow("YES, nine letters keep 52") << "YES"
                                                   << "ABCDEFGHI" << true << 52;
        QTest::newRow("NO") << "NO"
                            << "행복부동산" << false << 52;
        QTest::newRow("empty") << ""
                               << "행복부동산" << false << 52;
    }
    void watermark()
    {
        QFETCH(QString, printLogo);
        QFETCH(QString, logo);
        QFETCH(bool, prints);
        QFETCH(int, points);
        env->dm->PrintLogo = printLogo;
        env->dm->LogoText = logo;
        insertCustomer(4);
        openCustomer(4);
        const sheet::Document doc = buildSheet("TCustConPrtScr");
        const QList<sheet::Item> &items = doc.pages.first().items;
        int logoAt = -1, telAt = -1, firstField = -1;
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].field == "logo")
                logoAt = i;
            else if (items[i].field == "logo_tel")
                telAt = i;
            else if (firstField < 0 && items[i].kind == sheet::ItemKind::Text)
                firstField = i;
        }
        QVERIFY(logoAt >= 0 && telAt >= 0 && firstField >= 0);
        QVERIFY(logoAt < firstField && telAt < firstField);
        QCOMPARE(items[logoAt].text, prints ? logo : QString());
        QCOMPARE(items[telAt].text, prints ? QString("02-555-1234") : QString());
        QCOMPARE(items[logoAt].font.points, qreal(points));
        // Light sky blue, the logo across the middle of the page and the phone lower down.
        QCOMPARE(items[logoAt].color, QColor(166, 202, 240));
        QCOMPARE(items[telAt].color, QColor(166, 202, 240));
        const QRectF area = doc.printableRect();
        QVERIFY(qAbs(items[logoAt].rect.center().y() - area.center().y()) < 1);
        QVERIFY(items[telAt].rect.top() > items[logoAt].rect.bottom());
        QVERIFY(items[telAt].rect.bottom() < area.bottom());
    }

    void printQueryGoesBackToTheListings()
    {
        insertCustomer(5);
        execSql(
            "insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Bld_nme) values (7, '아파트', '매매', '래미안')");
        openCustomer(5);
        QCOMPARE(buildSheet("TCustConPrtScr").firstOf("Cname")->text, QString("cname_5"));
        SqlQuery &q = env->dm->qry_prt_mamul;
        QVERIFY(!q.isOpen());
        QCOMPARE(q.sql(), kListingPrint);
        // A listing detail print works as before.
        kindFlags("TfmApt").ShowSecret = "Y";
        q.setInteger("Id_seq", 7);
        q.open();
        QCOMPARE(buildSheet("TAptPrtScr").firstOf("Bld_nme")->text, QString("래미안"));
        // Also when the customer cannot be read.
        q.close();
        q.setSql("select Num from cust_table.db where Num = 5");
        q.open();
        QVERIFY_THROWS_EXCEPTION(DbError, buildSheet("TCustConPrtScr"));
        QVERIFY(!q.isOpen());
        QCOMPARE(q.sql(), kListingPrint);
    }

    void longMemoStretches()
    {
        insertCustomer(6);
        QString memo;
        for (int i = 0; i < 90; ++i)
            memo += QStringLiteral("%1번째 메모: 역세권 아파트를 찾고 있으며 학군을 중요하게 생각합니다.\n").arg(i + 1);
        execSql("update cust_table set CMemo = '" + memo + "' where Num = 6");
        openCustomer(6);
        const sheet::Document doc = buildSheet("TCustConPrtScr");
        QVERIFY(doc.pages.size() >= 2);
        const QList<const sheet::Item *> pieces = doc.itemsOf("Cmemo");
        QVERIFY(pieces.size() >= 2);
        QCOMPARE(pieces.last()->text, memo);
        for (const sheet::Item *piece : pieces)
            QVERIFY(inside(doc.printableRect(), piece->rect));
        // The memo's frame grows with it on the first page.
        qreal tallest = 0;
        for (const sheet::Item &item : doc.pages.first().items)
            if (item.kind == sheet::ItemKind::Frame)
                tallest = qMax(tallest, item.rect.height());
        QVERIFY(tallest > doc.printableRect().height() / 2);
    }

    void customerWindowPrints()
    {
        insertCustomer(1);
        insertCustomer(2, "이영희");
        env->dm->qry_cust.setSql("select * from cust_table where Num = 2");
        env->dm->qry_cust.open();
        CustomerWindow w;
        w.Mode = "Edit";
        w.CustNum = "2";
        w.show();
        sheet::Document shown;
        env->modal->handlers << [&](QDialog *d) {
            auto *preview = qobject_cast<sheet::SheetPreview *>(d);
            QVERIFY(preview);
            shown = preview->document();
        };
        w.PrintClick();
        QCOMPARE(env->modal->opened, QStringList{"TCustConPrtScr"});
        QCOMPARE(shown.firstOf("Cname")->text, QString("이영희"));
        QCOMPARE(env->dm->qry_prt_mamul.sql(), kListingPrint);
        QVERIFY(!env->dm->qry_prt_mamul.isOpen());
    }

    void roster()
    {
        QList<QHash<QString, QString>> rows;
        for (int i = 1; i <= 3; ++i)
            rows << insertCustomer(i);
        SqlQuery &q = env->dm->qry_cust;
        q.setSql("select * from cust_table.db order by Num desc");
        q.open();
        q.moveTo(1);
        const sheet::Document doc = buildSheet("TCustListPrtSrc");
        QCOMPARE(doc.name, QString("TCustListPrtSrc"));
        QCOMPARE(doc.orientation, QPageLayout::Landscape);
        QCOMPARE(doc.pages.size(), 1);
        QCOMPARE(textsOf(doc, "title"), QStringList{"고객 명부"});
        QCOMPARE(doc.firstOf("title")->font.points, sheet::pointsOfPixels(37));
        QCOMPARE(textsOf(doc, "printDate"), QStringList{"2026-12-09"});
        QCOMPARE(textsOf(doc, "page"), QStringList{"1"});
        QCOMPARE(textsOf(doc, "header"), QStringList({"번호", "성명", "관계", "주소", "전화/핸드폰/FAX", "건물/이름",
                                                      "주거형태", "회사/부서", "직책", "입주일/이사일", "홈페이지",
                                                      "이메일", "집주인", "주인전화/주인핸드폰", "집주인E-mail"}));
        QCOMPARE(textsOf(doc, "rowNumber"), QStringList({"1", "2", "3"}));
        // Same rows, same order as the list; nothing masked.
        for (const char *column :
             {"Cname", "Cgwange", "Caddr", "Cphone", "Chandphone", "Cfax", "Cbld_type", "Cliving_type", "Ccompany",
              "Cbuseo", "Cgikchek", "Cmove_into_date", "Cmove_out_date", "Chomepage", "Oemail", "Oname", "Ophone",
              "Ohandphone", "Cemail"}) {
            const QString key = QString(column).toLower();
            QCOMPARE(textsOf(doc, column), QStringList({rows[2].value(key), rows[1].value(key), rows[0].value(key)}));
            for (const sheet::Item *item : doc.itemsOf(column))
                QVERIFY(!item->masked);
        }
        QCOMPARE(textsOf(doc, "totalLabel") + textsOf(doc, "total") + textsOf(doc, "totalUnit"),
                 QStringList({"TOTAL:", "3", "명"}));
        for (const sheet::Item &item : doc.pages.first().items)
            QVERIFY2(inside(doc.printableRect(), item.rect), qPrintable(item.field + " " + item.text));
        // The list stays on its row.
        QCOMPARE(q.recNo(), 1);
    }

    void emptyRoster()
    {
        insertCustomer(1);
        SqlQuery &q = env->dm->qry_cust;
        q.setSql("select * from cust_table.db where Cname = '없음'");
        q.open();
        const sheet::Document doc = buildSheet("TCustListPrtSrc");
        QCOMPARE(doc.pages.size(), 1);
        QCOMPARE(textsOf(doc, "header").size(), 15);
        QVERIFY(textsOf(doc, "rowNumber").isEmpty());
        QCOMPARE(textsOf(doc, "totalLabel") + textsOf(doc, "total") + textsOf(doc, "totalUnit"),
                 QStringList({"TOTAL:", "0", "명"}));
    }

    void longRosterRepeatsItsHeaders()
    {
        execSql("with recursive n(i) as (select 1 union all select i + 1 from n where i < 120) "
                "insert into cust_table (Num, Cname, Caddr) select i, '고객' || i, '서울 강남구' from n");
        SqlQuery &q = env->dm->qry_cust;
        q.setSql("select * from cust_table.db order by Num");
        q.open();
        const sheet::Document doc = buildSheet("TCustListPrtSrc");
        QVERIFY(doc.pages.size() >= 3);
        QStringList numbers;
        for (int p = 0; p < doc.pages.size(); ++p) {
            QCOMPARE(textsOf(doc, "header", p).size(), 15);
            numbers += textsOf(doc, "rowNumber", p);
        }
        QCOMPARE(numbers.size(), 120);
        QCOMPARE(numbers.last(), QString("120"));
        QCOMPARE(textsOf(doc, "total"), QStringList{"120"});
    }

    void customerListPrintsItsRows()
    {
        insertCustomer(1, "김철수");
        insertCustomer(2, "박영수");
        insertCustomer(3, "김영희");
        CustomerList list;
        list.show();
        list.setTextOf("h_name", "김");
        list.sb_findClick();
        sheet::Document shown;
        env->modal->handlers << [&](QDialog *d) {
            auto *preview = qobject_cast<sheet::SheetPreview *>(d);
            QVERIFY(preview);
            shown = preview->document();
        };
        list.ApartPClick();
        QCOMPARE(env->modal->opened, QStringList{"TCustListPrtSrc"});
        QStringList listed;
        SqlQuery &q = env->dm->qry_cust;
        for (int r = 0; r < list.model()->rowCount(); ++r) {
            q.moveTo(r);
            listed << q.fieldByName("Cname").asString();
        }
        QCOMPARE(listed.size(), 2);
        QCOMPARE(textsOf(shown, "Cname"), listed);
        QCOMPARE(textsOf(shown, "total"), QStringList{"2"});
    }

    void pdfOfTheCustomer()
    {
        insertCustomer(8, "홍길동");
        openCustomer(8);
        const QString pdf = env->path("customer.pdf");
        QVERIFY(sheet::writePdf(buildSheet("TCustConPrtScr"), pdf));
        const QString text = pdfText(pdf);
        for (const char *shown :
             {"고객상세정보", "[개인정보]", "홍길동", "caddr_8", "oemail_8", "행복부동산", "02-555-1234", "cmemo_8"})
            QVERIFY2(text.contains(QString::fromUtf8(shown)), qPrintable(text));
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestCustomerSheets)
#include "test_customer_sheets.moc"
