// The list of every kind (`TfmALLList`) driven on small data folders: its statement (base condition,
// filters, sort table), the grid's row numbers and state colours, the "전체" reset, and the windows
// it opens: each row's own entry window, new listings through the kind chooser, the kind change
// window.
#include "browse/all_list_window.h"
#include "browse/list_statement.h"
#include "browse/listing_model.h"
#include "catalogue/entry_catalogue.h"
#include "catalogue/list_catalogue.h"
#include "data/data_module.h"
#include "listings/entry_window.h"
#include "listings/kind_flags.h"
#include "support/scripted_env.h"
#include "ui/sheet_registry.h"
#include "ui/window_registry.h"

#include <QBrush>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {

using Fields = QList<QPair<QString, QString>>;

const QString kName = QStringLiteral("TfmALLList");

// Stores one listing; every column not given takes an apartment sale's plain value.
void addListing(qint64 id, const Fields &fields = {})
{
    Fields all = {
        {"Obj_kind", "아파트"},     {"Obj_kubun1", "매매"},       {"Obj_state", "일반"},    {"Add_city", "서울"},
        {"Add_district", "강남구"}, {"Add_town", "역삼동"},       {"Addr_number", "100-1"}, {"Bld_nme", "래미안"},
        {"Bld_degree", "101"},      {"Bld_layer", "5"},           {"Gnd_png", "34"},        {"Sales_amt", "50000"},
        {"Sales_person", "김영수"}, {"Insert_date", "2026-12-01"}};
    for (const auto &f : fields) {
        auto it = std::find_if(all.begin(), all.end(),
                               [&](const auto &a) { return a.first.compare(f.first, Qt::CaseInsensitive) == 0; });
        if (it != all.end())
            it->second = f.second;
        else
            all << f;
    }
    QStringList columns{QStringLiteral("Id_seq")}, values{QString::number(id)};
    for (const auto &f : all) {
        columns << f.first;
        values << QLatin1Char('\'') + Tdm::quoted(f.second) + QLatin1Char('\'');
    }
    execSql(QStringLiteral("insert into mamul_table (%1) values (%2)")
                .arg(columns.join(QLatin1Char(',')), values.join(QLatin1Char(','))));
}

const ListWindowSpec &spec()
{
    const ListWindowSpec *s = catalogue::allListingsWindow();
    Q_ASSERT(s);
    return *s;
}

std::unique_ptr<AllListWindow> openList()
{
    std::unique_ptr<AllListWindow> w(qobject_cast<AllListWindow *>(windows::create(kName, nullptr)));
    if (w)
        w->show(); // runs FormShow, as when the main window opens it
    return w;
}

QList<qint64> shownIds(ListWindow *w)
{
    while (w->model()->canFetchMore(QModelIndex()))
        w->model()->fetchMore(QModelIndex());
    QList<qint64> ids;
    for (int r = 0; r < w->model()->rowCount(); ++r)
        ids << w->model()->idSeqAt(r);
    return ids;
}

QList<qint64> sortedIds(ListWindow *w)
{
    QList<qint64> ids = shownIds(w);
    std::sort(ids.begin(), ids.end());
    return ids;
}

void press(QWidget *window, const QString &button)
{
    auto *b = window->findChild<QAbstractButton *>(button);
    QVERIFY2(b, qPrintable(button));
    b->click();
}

void selectId(ListWindow *w, qint64 id)
{
    const int row = w->model()->rowOf(id);
    QVERIFY(row >= 0);
    w->setCurrentRow(row);
}

// The text a cell of the grid shows, by the column's field.
QString cell(ListWindow *w, int row, const QString &field)
{
    for (int c = 0; c < w->model()->columnCount(); ++c)
        if (w->model()->column(c).field == field)
            return w->model()->data(w->model()->index(row, c), Qt::DisplayRole).toString();
    return QStringLiteral("<no column>");
}

QColor foreground(ListWindow *w, int row, int column)
{
    const QVariant v = w->model()->data(w->model()->index(row, column), Qt::ForegroundRole);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
}

// Picks a kind and deal in the kind chooser and confirms.
std::function<void(QDialog *)> choose(const QString &kind, const QString &deal)
{
    return [kind, deal](QDialog *chooser) {
        auto *k = chooser->findChild<QComboBox *>(QStringLiteral("obj_k"));
        auto *g = chooser->findChild<QComboBox *>(QStringLiteral("obj_g"));
        QVERIFY(k && g);
        k->setCurrentIndex(k->findText(kind));
        g->setCurrentIndex(g->findText(deal));
        QCOMPARE(k->currentText(), kind);
        QCOMPARE(g->currentText(), deal);
        press(chooser, QStringLiteral("OkButton"));
    };
}

QStringList g_printed; // the sheets shown, by name

const QString kBase = QStringLiteral("where Obj_kind not in ('매수','임차','매매','임대','교환') ");

} // namespace

class TestAllList : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder(QStringLiteral("office/data"), QTest::currentTestFunction() == QByteArray("demoData"));
        env->dm->AppendListColumns(); // as at start-up
        registerListingWindows();
        registerListWindows();
        g_printed.clear();
        sheets::registerSheet(QStringLiteral("TALLListPrtScr"),
                              [](QWidget *) { g_printed << QStringLiteral("TALLListPrtScr"); });
    }
    void cleanup() { env.reset(); }

    // The list of every kind stands apart from the 33 per-kind lists, and every window it names exists.
    void catalogueEntry()
    {
        QVERIFY2(catalogue::listLoadError().isEmpty(), qPrintable(catalogue::listLoadError()));
        QCOMPARE(catalogue::listWindows().size(), 33);
        QCOMPARE(catalogue::listWindow(kName), &spec());
        QCOMPARE(spec().caption, QStringLiteral("모든 물건 관리 프로그램..."));
        QCOMPARE(spec().listPrint, QStringLiteral("TALLListPrtScr"));
        for (auto it = spec().entryByKind.cbegin(); it != spec().entryByKind.cend(); ++it)
            for (const QString &window : *it)
                QVERIFY2(catalogue::entryWindow(window), qPrintable(window));
        QVERIFY(windows::has(spec().kindChooser));
        QVERIFY(windows::has(spec().kindChangeWindow));
        for (const QString &item : spec().sortItems)
            QVERIFY2(spec().sortTable.contains(item), qPrintable(item));
        for (const FilterSpec &f : spec().filters)
            if (!f.list.isEmpty())
                QVERIFY2(!catalogue::filterList(f.list).isEmpty(), qPrintable(f.list));
    }

    void layout()
    {
        auto w = openList();
        QVERIFY(w);
        QCOMPARE(w->objectName(), kName);
        QCOMPARE(w->windowTitle(), QStringLiteral("모든 물건 관리 프로그램..."));
        const QList<QPair<QString, QString>> buttons = {
            {"ApartA", "등 록"},   {"ApartM", "수 정"}, {"ApartD", "삭 제"},         {"ApartP", "출 력"},
            {"ExitCont", "종 료"}, {"BitBtn1", "전체"}, {"BitBtn2", "매물종류수정"},
        };
        for (const auto &b : buttons) {
            auto *button = w->findChild<QPushButton *>(b.first);
            QVERIFY2(button, qPrintable(b.first));
            QCOMPARE(button->text(), b.second);
        }
        auto *kind = w->findChild<QComboBox *>(QStringLiteral("obj_kind"));
        QVERIFY(kind);
        QCOMPARE(kind->currentText(), QStringLiteral("전체"));
        QCOMPARE(kind->count(), 36);
        QCOMPARE(w->findChild<QComboBox *>(QStringLiteral("bld_layer"))->count(), 71);
        QCOMPARE(w->findChild<QComboBox *>(QStringLiteral("Room_num"))->currentText(), QStringLiteral("전체"));
        QCOMPARE(w->findChild<QComboBox *>(QStringLiteral("Room_num"))->count(), 10);
        for (const char *name : {"Cont_date1", "Cont_date2", "Cont_end_date1", "Cont_end_date2", "obj_kubun3",
                                 "fd_value", "gnd_png1", "monthly_amt2"})
            QVERIFY2(w->findChild<QLineEdit *>(QString::fromLatin1(name)), name);
        QCOMPARE(w->findChild<QComboBox *>(QStringLiteral("dbsort"))->count(), 25);
    }

    // With every filter as it opens: all kinds, both deals and every state, except the rows whose
    // kind is a request's.
    void opensOnEveryKind()
    {
        addListing(1);
        addListing(2, {{"Obj_kind", "학원"}, {"Obj_kubun1", "임대"}, {"Obj_state", "계약"}});
        addListing(3, {{"Obj_kind", "토지"}, {"Obj_state", "삭제"}});
        addListing(4, {{"Obj_kind", "빌라"}, {"Obj_kubun1", "임대"}, {"Obj_state", "보류"}});
        qint64 id = 10;
        for (const char *kind : {"매수", "임차", "매매", "임대", "교환"})
            addListing(id++, {{"Obj_kind", QString::fromUtf8(kind)}});
        auto w = openList();
        QCOMPARE(w->statement(), QStringLiteral("select ") + env->dm->ListColumns +
                                     QStringLiteral(" from mamul_table.db\r") + kBase +
                                     QStringLiteral(" order by id_seq desc "));
        QCOMPARE(shownIds(w.get()), (QList<qint64>{4, 3, 2, 1}));
    }

    void rowNumbersAndColours()
    {
        addListing(1, {{"Obj_state", "추천"}});
        addListing(2, {{"Obj_state", "급매"}});
        addListing(3, {{"Obj_state", "일반"}});
        addListing(4, {{"Obj_state", "계약"}});
        auto w = openList();
        QCOMPARE(w->model()->column(0).field, QStringLiteral("cnt_c"));
        QCOMPARE(w->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString());
        QCOMPARE(w->grid()->columnWidth(0), 30);
        QCOMPARE(w->model()->columnCount(), 29);
        QCOMPARE(shownIds(w.get()), (QList<qint64>{4, 3, 2, 1}));
        for (int row = 0; row < 4; ++row)
            QCOMPARE(cell(w.get(), row, QStringLiteral("cnt_c")), QString::number(row + 1));
        // Every cell of a recommended row is blue, of an urgent sale red; the others keep the normal colour.
        for (int c = 0; c < w->model()->columnCount(); ++c) {
            QCOMPARE(foreground(w.get(), 3, c), QColor(Qt::blue));
            QCOMPARE(foreground(w.get(), 2, c), QColor(Qt::red));
            QVERIFY(!foreground(w.get(), 1, c).isValid());
            QVERIFY(!foreground(w.get(), 0, c).isValid());
        }
        // Sorted the other way round, the numbers still count the rows as shown.
        w->findChild<QComboBox *>(QStringLiteral("dbsort"))->setEditText(QStringLiteral("Insert_date,id_seq"));
        w->SpeedButton1Click();
        QCOMPARE(shownIds(w.get()), (QList<qint64>{1, 2, 3, 4}));
        for (int row = 0; row < 4; ++row)
            QCOMPARE(cell(w.get(), row, QStringLiteral("cnt_c")), QString::number(row + 1));
        QCOMPARE(foreground(w.get(), 0, 5), QColor(Qt::blue));
    }

    void filters_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("control2");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QString>("fragment"); // "" when the control adds nothing
        QTest::newRow("kind") << "obj_kind"
                              << "아파트"
                              << ""
                              << ""
                              << " and Obj_kind like '아파트%'\r";
        QTest::newRow("kind all") << "obj_kind"
                                  << "전체"
                                  << ""
                                  << ""
                                  << "";
        QTest::newRow("deal") << "Obj_kubun1"
                              << "임대"
                              << ""
                              << ""
                              << " and Obj_kubun1 like '임대%'\r";
        QTest::newRow("lease type") << "Obj_kubun2"
                                    << "전세"
                                    << ""
                                    << ""
                                    << " and Obj_kubun2 like '전세%'\r";
        QTest::newRow("sub-type") << "obj_kubun3"
                                  << "호수별"
                                  << ""
                                  << ""
                                  << " and Obj_kubun3 like '호수별%'\r";
        QTest::newRow("sub-type quote") << "obj_kubun3"
                                        << "O'X"
                                        << ""
                                        << ""
                                        << " and Obj_kubun3 like 'O''X%'\r";
        QTest::newRow("province") << "Add_city"
                                  << "서울"
                                  << ""
                                  << ""
                                  << " and add_city = '서울'\r";
        QTest::newRow("lot") << "Addr_number"
                             << "12"
                             << ""
                             << ""
                             << " and addr_number like '%12%'\r";
        QTest::newRow("building") << "Bld_nme"
                                  << "타워"
                                  << ""
                                  << ""
                                  << " and Bld_nme like '%타워%'\r";
        QTest::newRow("unit") << "Bld_num"
                              << "1203"
                              << ""
                              << ""
                              << " and Bld_num like '%1203%'\r";
        QTest::newRow("rooms") << "Room_num"
                               << "1"
                               << ""
                               << ""
                               << " and room_num like '%1%'\r";
        QTest::newRow("rooms all") << "Room_num"
                                   << "전체"
                                   << ""
                                   << ""
                                   << "";
        QTest::newRow("area range") << "gnd_png1"
                                    << "30"
                                    << "gnd_png2"
                                    << "40"
                                    << " and gnd_png >= 30 and gnd_png <= 40";
        QTest::newRow("floor area single") << "gnd_area1"
                                           << ""
                                           << "gnd_area2"
                                           << "25"
                                           << " and gnd_area  = 25";
        QTest::newRow("state") << "obj_state"
                               << "계약"
                               << ""
                               << ""
                               << " and obj_state = '계약'\r";
        QTest::newRow("state all") << "obj_state"
                                   << "전체"
                                   << ""
                                   << ""
                                   << "";
        QTest::newRow("floor") << "bld_layer"
                               << "1"
                               << ""
                               << ""
                               << " and bld_layer like '1%'\r";
        QTest::newRow("storeys") << "bld_hi_layer"
                                 << "15"
                                 << ""
                                 << ""
                                 << " and bld_hi_layer like '15%'\r";
        QTest::newRow("price") << "sales_amt1"
                               << "1000"
                               << "sales_amt2"
                               << "2000"
                               << " and sales_amt >= 1000 and sales_amt <= 2000";
        QTest::newRow("deposit single") << "warrenty_amt1"
                                        << "5000"
                                        << "warrenty_amt2"
                                        << ""
                                        << " and warrenty_amt  = 5000";
        QTest::newRow("rent") << "monthly_amt1"
                              << "50"
                              << "monthly_amt2"
                              << "90"
                              << " and monthly_amt >= 50 and monthly_amt <= 90";
        QTest::newRow("contract dates") << "Cont_date1"
                                        << "2026-01-01"
                                        << "Cont_date2"
                                        << "2026-06-30"
                                        << " and cont_date >= '2026-01-01' and cont_date <= '2026-06-30'";
        QTest::newRow("contract end single") << "Cont_end_date1"
                                             << ""
                                             << "Cont_end_date2"
                                             << "2027-03-31"
                                             << " and cont_end_date  = '2027-03-31'";
        QTest::newRow("blank date") << "Cont_date1"
                                    << "  "
                                    << "Cont_date2"
                                    << ""
                                    << "";
        QTest::newRow("owner") << "fd_name"
                               << "의뢰인성명"
                               << "fd_value"
                               << "김"
                               << " and sales_person  like '%김%'";
        QTest::newRow("note number") << "fd_name"
                                     << "노트번호"
                                     << "fd_value"
                                     << "ab"
                                     << " and c1  like '%AB%'";
    }
    // Each filter adds its fragment right after the base condition, or nothing for "전체" or blank.
    void filters()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, control2);
        QFETCH(QString, text2);
        QFETCH(QString, fragment);
        auto w = openList();
        QVERIFY2(w->control(control), qPrintable(control));
        w->setTextOf(control, text);
        if (!control2.isEmpty()) {
            QVERIFY2(w->control(control2), qPrintable(control2));
            w->setTextOf(control2, text2);
        }
        QCOMPARE(w->statement(), QStringLiteral("select ") + env->dm->ListColumns +
                                     QStringLiteral(" from mamul_table.db\r") + kBase + fragment +
                                     QStringLiteral(" order by id_seq desc "));
    }

    // Filled together, the fragments come in the window's statement order.
    void statementOrder()
    {
        auto w = openList();
        const QList<QPair<QString, QString>> texts = {
            {"fd_value", "박"},
            {"fd_name", "세입자성명"},
            {"Cont_end_date2", "2027-12-31"},
            {"Cont_end_date1", "2027-01-01"},
            {"Cont_date1", "2026-05-05"},
            {"monthly_amt1", "70"},
            {"warrenty_amt2", "9000"},
            {"sales_amt1", "3000"},
            {"bld_hi_layer", "20"},
            {"bld_layer", "3"},
            {"obj_state", "급매"},
            {"gnd_area1", "20"},
            {"gnd_png2", "40"},
            {"Room_num", "3"},
            {"Bld_num", "1"},
            {"Bld_degree", "2"},
            {"Add_degree", "3"},
            {"Bld_nme", "자이"},
            {"Addr_number", "9"},
            {"obj_kubun3", "층전체"},
            {"Obj_kubun2", "월세"},
            {"Obj_kubun1", "임대"},
            {"obj_kind", "상가"},
        };
        for (const auto &t : texts)
            w->setTextOf(t.first, t.second);
        const QString expected =
            kBase + QStringLiteral(" and Obj_kind like '상가%'\r and Obj_kubun1 like '임대%'\r"
                                   " and Obj_kubun2 like '월세%'\r and Obj_kubun3 like '층전체%'\r"
                                   " and addr_number like '%9%'\r and Bld_nme like '%자이%'\r"
                                   " and Add_degree like '%3%'\r and Bld_degree like '%2%'\r"
                                   " and Bld_num like '%1%'\r and room_num like '%3%'\r"
                                   " and gnd_png  = 40 and gnd_area  = 20 and obj_state = '급매'\r"
                                   " and bld_layer like '3%'\r and bld_hi_layer like '20%'\r"
                                   " and sales_amt  = 3000 and warrenty_amt  = 9000 and monthly_amt  = 70"
                                   " and cont_date  = '2026-05-05'"
                                   " and cont_end_date >= '2027-01-01' and cont_end_date <= '2027-12-31'"
                                   " and lent_person  like '%박%'");
        QCOMPARE(
            ListStatement::conditions(
                spec(), [&](const QString &c) { return w->textOf(c); }, ListSettings{env->dm->ListColumns, true, true}),
            expected);
    }

    // Floor "1" finds 1 and 10 to 19; rooms "1" finds 1 and 10; a contract-end range takes both ends.
    void prefixAndRangeSearches()
    {
        const QStringList floors = {"1", "2", "10", "19", "21"};
        for (int i = 0; i < floors.size(); ++i)
            addListing(i + 1, {{"Bld_layer", floors.at(i)}});
        addListing(11, {{"Room_num", "1"}, {"Bld_layer", "7"}});
        addListing(12, {{"Room_num", "10"}, {"Bld_layer", "7"}});
        addListing(13, {{"Room_num", "2"}, {"Bld_layer", "7"}});
        addListing(21, {{"Cont_end_date", "2026-12-31"}, {"Bld_layer", "7"}});
        addListing(22, {{"Cont_end_date", "2027-01-15"}, {"Bld_layer", "7"}});
        addListing(23, {{"Cont_end_date", "2027-02-01"}, {"Bld_layer", "7"}});
        addListing(24, {{"Cont_end_date", "2027-02-02"}, {"Bld_layer", "7"}});
        auto w = openList();
        w->setTextOf(QStringLiteral("bld_layer"), QStringLiteral("1"));
        press(w.get(), QStringLiteral("SpeedButton1"));
        QCOMPARE(sortedIds(w.get()), (QList<qint64>{1, 3, 4}));
        w->setTextOf(QStringLiteral("bld_layer"), QStringLiteral("전체"));
        w->setTextOf(QStringLiteral("Room_num"), QStringLiteral("1"));
        press(w.get(), QStringLiteral("SpeedButton1"));
        QCOMPARE(sortedIds(w.get()), (QList<qint64>{11, 12}));
        w->setTextOf(QStringLiteral("Room_num"), QStringLiteral("전체"));
        w->setTextOf(QStringLiteral("Cont_end_date1"), QStringLiteral("2027-01-15"));
        w->setTextOf(QStringLiteral("Cont_end_date2"), QStringLiteral("2027-02-01"));
        press(w.get(), QStringLiteral("SpeedButton1"));
        QCOMPARE(sortedIds(w.get()), (QList<qint64>{22, 23}));
    }

    void sorts_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("fragment");
        const QList<QPair<QString, QString>> table = {
            {"매물종류", " order by obj_kind  "},
            {"거래구분", " order by obj_kubun1 "},
            {"임대구분", " order by obj_kubun2 "},
            {"계약일", " order by cont_date "},
            {"계약만료일", " order by cont_end_date "},
            {"면적", " order by gnd_png "},
            {"건평", " order by gnd_area "},
            {"방수", " order by room_num "},
            {"매매가", " order by sales_amt "},
            {"수익률", " order by n1 desc "},
            {"보증금", " order by warrenty_amt "},
            {"월세", " order by monthly_amt "},
            {"구분/종류", " order by obj_kubun3  "},
            {"주소", " order by add_city,add_district,Add_town,Addr_number,bld_nme,Add_degree,Bld_degree,bld_num "},
            {"대지", " order by gnd_png, warrenty_amt "},
            {"건물명", " order by bld_nme "},
            {"단지/차수", " order by Add_degree "},
            {"동수", " order by Bld_degree "},
            {"호수", " order by bld_num "},
            {"층수", " order by bld_layer "},
            {"지상층수", " order by bld_hi_layer "},
            {"고객성명", " order by sales_person "},
            {"연락처", " order by sales_pnum "},
            {"등록일", " order by id_seq desc "},
            {"수정일", " order by update_date "},
            // Texts this window's table lacks follow the model's rules.
            {"실입주금", " order by move_into_amt "},
            {"분류순서선택", " order by id_seq desc "},
            {"Sales_amt", " order by Sales_amt"},
            {"no column", " order by id_seq desc "},
        };
        for (const auto &row : table)
            QTest::newRow(qPrintable(row.first)) << row.first << row.second;
    }
    void sorts()
    {
        QFETCH(QString, choice);
        QFETCH(QString, fragment);
        QCOMPARE(ListStatement::sortFragment(spec(), choice, ListSettings{env->dm->ListColumns, true, true}), fragment);
    }

    // The sort box offers every choice of the table, in the window's order, and choosing one runs it.
    void sortBox()
    {
        addListing(1, {{"Obj_kind", "토지"}});
        addListing(2, {{"Obj_kind", "빌딩"}});
        addListing(3, {{"Obj_kind", "상가"}});
        auto w = openList();
        auto *box = w->findChild<QComboBox *>(QStringLiteral("dbsort"));
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, spec().sortItems);
        QCOMPARE(items.first(), QStringLiteral("매물종류"));
        QCOMPARE(items.last(), QStringLiteral("수정일"));
        box->setCurrentIndex(box->findText(QStringLiteral("매물종류")));
        emit box->activated(box->currentIndex());
        QCOMPARE(shownIds(w.get()), (QList<qint64>{2, 3, 1})); // 빌딩, 상가, 토지
    }

    // "전체" puts the boxes back and empties the edits, but keeps the room count and the state.
    void resetKeepsRoomsAndState()
    {
        auto w = openList();
        const QList<QPair<QString, QString>> texts = {
            {"obj_kind", "상가"},
            {"Obj_kubun1", "임대"},
            {"Obj_kubun2", "월세"},
            {"obj_kubun3", "층전체"},
            {"Bld_nme", "자이"},
            {"bld_layer", "3"},
            {"bld_hi_layer", "20"},
            {"gnd_png1", "10"},
            {"Cont_date1", "2026-05-05"},
            {"Cont_end_date2", "2027-01-01"},
            {"fd_name", "세입자성명"},
            {"fd_value", "박"},
            {"Room_num", "3"},
            {"obj_state", "급매"},
            {"Add_city", "서울"},
        };
        for (const auto &t : texts)
            w->setTextOf(t.first, t.second);
        press(w.get(), QStringLiteral("BitBtn1"));
        for (const char *c : {"obj_kind", "Obj_kubun1", "Obj_kubun2", "bld_layer", "bld_hi_layer"})
            QCOMPARE(w->textOf(QString::fromLatin1(c)), QStringLiteral("전체"));
        for (const char *c : {"obj_kubun3", "Bld_nme", "gnd_png1", "Cont_date1", "Cont_end_date2", "fd_value"})
            QCOMPARE(w->textOf(QString::fromLatin1(c)), QString());
        QCOMPARE(w->textOf(QStringLiteral("fd_name")), QStringLiteral("의뢰인성명"));
        QCOMPARE(w->textOf(QStringLiteral("Add_city")), QStringLiteral("전체시도"));
        QCOMPARE(w->textOf(QStringLiteral("Room_num")), QStringLiteral("3"));
        QCOMPARE(w->textOf(QStringLiteral("obj_state")), QStringLiteral("급매"));
        QVERIFY(w->statement().contains(QStringLiteral(" and room_num like '%3%'\r and obj_state = '급매'\r")));
    }

    void rowWindows_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("deal");
        QTest::addColumn<QString>("window");
        QTest::newRow("apartment sale") << "아파트"
                                        << "매매"
                                        << "TfmApt";
        QTest::newRow("apartment lease") << "아파트"
                                         << "임대"
                                         << "TfmAptLent";
        QTest::newRow("presale rights, any deal") << "아파트분양권"
                                                  << "임대"
                                                  << "TfmBun";
        QTest::newRow("row house") << "연립"
                                   << "매매"
                                   << "TfmBIL";
        QTest::newRow("multi-household lease") << "다세대"
                                               << "임대"
                                               << "TfmBILLent";
        QTest::newRow("shop lease") << "상가"
                                    << "임대"
                                    << "TfmSAGLent";
        QTest::newRow("land") << "토지"
                              << "매매"
                              << "TfmTOJ";
        QTest::newRow("motel lease") << "모텔"
                                     << "임대"
                                     << "TfmMOTLent";
        QTest::newRow("academy sale") << "학원"
                                      << "매매"
                                      << "TfmOTH";
        QTest::newRow("presale text is another kind") << "분양권"
                                                      << "임대"
                                                      << "TfmOTHLent";
        QTest::newRow("request deal") << "아파트"
                                      << "매수임차"
                                      << "";
        QTest::newRow("other kind, request deal") << "학원"
                                                  << "매수임차"
                                                  << "";
    }
    void rowWindows()
    {
        QFETCH(QString, kind);
        QFETCH(QString, deal);
        QFETCH(QString, window);
        QCOMPARE(AllListWindow::entryWindowFor(spec(), kind, deal), window);
    }

    // "수 정" on an academy for lease opens the other-kinds lease window on that listing.
    void academyLeaseOpensOtherLeaseWindow()
    {
        addListing(1);
        addListing(2, {{"Obj_kind", "학원"}, {"Obj_kubun1", "임대"}, {"Warrenty_amt", "3000"}});
        auto w = openList();
        selectId(w.get(), 2);
        qint64 shownId = -1;
        QString mode;
        env->modal->handlers << [&](QDialog *d) {
            auto *entry = qobject_cast<EntryWindow *>(d);
            QVERIFY(entry);
            shownId = entry->IdSeq;
            mode = entry->Mode;
            d->reject();
        };
        press(w.get(), QStringLiteral("ApartM"));
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmOTHLent")});
        QCOMPARE(shownId, 2);
        QCOMPARE(mode, QStringLiteral("Edit"));
        QCOMPARE(env->dm->SavedFlag, QStringLiteral("NO"));
        QCOMPARE(w->model()->idSeqAt(w->currentRow()), 2); // closed unsaved: the cursor stays
    }

    // A row of a request's deal opens nothing; a double click opens like "수 정".
    void rowOfAnotherDealOpensNothing()
    {
        addListing(1, {{"Obj_kubun1", "매수임차"}});
        addListing(2, {{"Obj_kind", "토지"}});
        auto w = openList();
        selectId(w.get(), 1);
        press(w.get(), QStringLiteral("ApartM"));
        QVERIFY(env->modal->opened.isEmpty());
        selectId(w.get(), 2);
        env->modal->handlers << [](QDialog *d) { d->reject(); };
        emit w->grid()->doubleClicked(w->grid()->currentIndex());
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmTOJ")});
    }

    // Cancelling the kind chooser opens no entry window and leaves the list as it was.
    void cancelledChooserOpensNothing()
    {
        addListing(1);
        addListing(2);
        auto w = openList();
        selectId(w.get(), 1);
        const QString before = w->statement();
        env->dm->OtherKindChoice = QStringLiteral("아파트"); // an earlier choice must not linger
        env->dm->OtherDealChoice = QStringLiteral("매매");
        env->modal->handlers << [](QDialog *d) { press(d, QStringLiteral("CancelButton")); };
        press(w.get(), QStringLiteral("ApartA"));
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmALLkind")});
        QCOMPARE(env->dm->OtherKindChoice, QString());
        QCOMPARE(env->dm->OtherDealChoice, QString());
        QCOMPARE(w->statement(), before);
        QCOMPARE(w->model()->idSeqAt(w->currentRow()), 1);
        QCOMPARE(shownIds(w.get()), (QList<qint64>{2, 1}));
    }

    void chooserOpensEntryWindow_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("deal");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("shownKind"); // the entry window's kind box, "" when it has none
        QTest::newRow("apartment sale") << "아파트"
                                        << "매매"
                                        << "TfmApt"
                                        << "";
        QTest::newRow("presale rights") << "분양권"
                                        << "매매"
                                        << "TfmBun"
                                        << "";
        QTest::newRow("row house lease") << "연립"
                                         << "임대"
                                         << "TfmBILLent"
                                         << "연립";
        QTest::newRow("multi-household") << "다세대"
                                         << "매매"
                                         << "TfmBIL"
                                         << "다세대";
        QTest::newRow("filling station lease") << "주유소"
                                               << "임대"
                                               << "TfmJOOLent"
                                               << "";
        QTest::newRow("other kinds") << "기타"
                                     << "임대"
                                     << "TfmOTHLent"
                                     << "기타";
    }
    // "등 록": the chooser's kind and deal open the matching entry window for a new listing.
    void chooserOpensEntryWindow()
    {
        QFETCH(QString, kind);
        QFETCH(QString, deal);
        QFETCH(QString, window);
        QFETCH(QString, shownKind);
        auto w = openList();
        QString mode, boxKind;
        env->modal->handlers << choose(kind, deal) << [&](QDialog *d) {
            auto *entry = qobject_cast<EntryWindow *>(d);
            QVERIFY(entry);
            mode = entry->Mode;
            if (entry->control(QStringLiteral("Obj_kind")))
                boxKind = entry->textOf(QStringLiteral("Obj_kind"));
            d->reject();
        };
        press(w.get(), QStringLiteral("ApartA"));
        QCOMPARE(env->modal->opened, (QStringList{QStringLiteral("TfmALLkind"), window}));
        QCOMPARE(env->dm->OtherKindChoice, kind);
        QCOMPARE(env->dm->OtherDealChoice, deal);
        QCOMPARE(mode, QStringLiteral("Append"));
        QCOMPARE(boxKind, shownKind);
    }

    // A listing registered through the chooser shows in the list afterwards.
    void registerThroughChooser()
    {
        auto w = openList();
        QVERIFY(shownIds(w.get()).isEmpty());
        env->modal->handlers << choose(QStringLiteral("다세대"), QStringLiteral("임대")) << [](QDialog *d) {
            auto *e = qobject_cast<EntryWindow *>(d);
            QVERIFY(e);
            e->setTextOf(QStringLiteral("Add_district"), QStringLiteral("강남구"));
            e->setTextOf(QStringLiteral("Add_town"), QStringLiteral("역삼동"));
            e->setTextOf(QStringLiteral("Bld_nme"), QStringLiteral("행복빌"));
            press(d, QStringLiteral("SaveButton"));
        };
        env->dialogs->answers = {false}; // no more input
        press(w.get(), QStringLiteral("ApartA"));
        QCOMPARE(env->modal->opened, (QStringList{QStringLiteral("TfmALLkind"), QStringLiteral("TfmBILLent")}));
        QCOMPARE(env->dialogs->messages.last(), QStringLiteral("입력을 계속 하시겠습니까?"));
        QCOMPARE(shownIds(w.get()), QList<qint64>{1});
        QCOMPARE(sqlValue(QStringLiteral("select Obj_kind || '/' || Obj_kubun1 from mamul_table")),
                 QStringLiteral("다세대/임대"));
    }

    // "매물종류수정" opens the kind change window on the current row; afterwards the list reads
    // again and stands on that listing, even when nothing was saved.
    void kindChangeButton()
    {
        addListing(1);
        addListing(2, {{"Obj_kind", "상가"}});
        addListing(3);
        auto w = openList();
        selectId(w.get(), 2);
        qint64 shownId = -1;
        env->modal->handlers << [&](QDialog *d) {
            auto *entry = qobject_cast<EntryWindow *>(d);
            QVERIFY(entry);
            shownId = entry->IdSeq;
            QCOMPARE(entry->Mode, QStringLiteral("Edit"));
            QCOMPARE(entry->textOf(QStringLiteral("Obj_kind")), QStringLiteral("상가"));
            entry->setTextOf(QStringLiteral("Obj_kind"), QStringLiteral("학원"));
            press(d, QStringLiteral("SaveButton"));
        };
        press(w.get(), QStringLiteral("BitBtn2"));
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmALL")});
        QCOMPARE(shownId, 2);
        QCOMPARE(sqlValue(QStringLiteral("select Obj_kind from mamul_table where Id_seq = 2")), QStringLiteral("학원"));
        QCOMPARE(w->model()->idSeqAt(w->currentRow()), 2);
        QCOMPARE(cell(w.get(), w->currentRow(), QStringLiteral("Obj_kind")), QStringLiteral("학원"));

        // Closed without saving: still read again (a listing deleted there disappears at once).
        selectId(w.get(), 3);
        execSql(QStringLiteral("delete from mamul_table where Id_seq = 1"));
        env->modal->handlers << [](QDialog *d) { d->reject(); };
        press(w.get(), QStringLiteral("BitBtn2"));
        QCOMPARE(shownIds(w.get()), (QList<qint64>{3, 2}));
        QCOMPARE(w->model()->idSeqAt(w->currentRow()), 3);
    }

    // On the demonstration data: every listing but the requests' rows shows, and each row of a sale
    // or lease opens a window that exists.
    void demoData()
    {
        auto w = openList();
        const QList<qint64> ids = shownIds(w.get());
        QVERIFY(ids.size() > 20);
        QCOMPARE(ids.size(), sqlValue(QStringLiteral("select count(*) from mamul_table where Obj_kind not in "
                                                     "('매수','임차','매매','임대','교환')"))
                                 .toInt());
        SqlQuery &q = env->dm->qry_mamul;
        for (int row = 0; row < ids.size(); ++row) {
            QVERIFY(q.moveTo(row));
            const QString kind = q.fieldByName(QStringLiteral("Obj_kind")).asString();
            const QString deal = q.fieldByName(QStringLiteral("Obj_kubun1")).asString();
            const QString window = AllListWindow::entryWindowFor(spec(), kind, deal);
            if (deal == QStringLiteral("매매") || deal == QStringLiteral("임대"))
                QVERIFY2(windows::has(window), qPrintable(kind + QLatin1Char('/') + deal));
            else
                QVERIFY2(window.isEmpty() || kind == QStringLiteral("아파트분양권"),
                         qPrintable(kind + QLatin1Char('/') + deal));
        }
    }

    // Print asks the secret question and shows the list print of every kind.
    void printsTheList()
    {
        addListing(1);
        auto w = openList();
        env->dialogs->answers = {true};
        press(w.get(), QStringLiteral("ApartP"));
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("비밀정보(성명/연락처)를 출력하시겠습니까?")});
        QCOMPARE(g_printed, QStringList{QStringLiteral("TALLListPrtScr")});
        QCOMPARE(kindFlags(kName).ShowSecret, QStringLiteral("Y"));
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestAllList)
#include "test_all_list.moc"
