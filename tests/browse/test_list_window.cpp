// The listing list windows driven end to end on small data folders: filters, state rules, sorting,
// the "전 체" reset, deleting, and the entry-window protocol through "등 록" and "수 정"; then every
// one of the 33 lists on the demonstration data.
#include "browse/list_window.h"
#include "browse/listing_model.h"
#include "catalogue/kinds.h"
#include "catalogue/list_catalogue.h"
#include "data/data_module.h"
#include "data/db_error.h"
#include "listings/entry_window.h"
#include "support/scripted_env.h"
#include "support/typing.h"
#include "ui/window_registry.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>

namespace {

using Fields = QList<QPair<QString, QString>>;

// Stores one listing; every column not given takes an apartment sale's plain value.
void addListing(qint64 id, const Fields &fields = {})
{
    Fields all = {{"Obj_kind", "아파트"},       {"Obj_kubun1", "매매"},     {"Obj_state", "일반"},
                  {"Add_city", "서울"},         {"Add_district", "강남구"}, {"Add_town", "역삼동"},
                  {"Addr_number", "100-1"},     {"Bld_nme", "래미안"},      {"Bld_degree", "101"},
                  {"Bld_layer", "5"},           {"Bld_hi_layer", "25"},     {"Gnd_png", "34"},
                  {"Sales_amt", "50000"},       {"Sales_person", "김영수"}, {"Sales_cnum", "010-1234-5678"},
                  {"Insert_date", "2026-12-01"}};
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

int storedRows(const QString &where = QString())
{
    return sqlValue(QStringLiteral("select count(*) from mamul_table") +
                    (where.isEmpty() ? QString() : QStringLiteral(" where ") + where))
        .toInt();
}

std::unique_ptr<ListWindow> openList(const QString &name)
{
    std::unique_ptr<ListWindow> w(qobject_cast<ListWindow *>(windows::create(name, nullptr)));
    if (w)
        w->show(); // runs FormShow, as when the main window opens it
    return w;
}

void fetchAll(ListWindow *w)
{
    while (w->model()->canFetchMore(QModelIndex()))
        w->model()->fetchMore(QModelIndex());
}

// The Id_seq of every row of the grid, in grid order.
QList<qint64> shownIds(ListWindow *w)
{
    fetchAll(w);
    QList<qint64> ids;
    for (int r = 0; r < w->model()->rowCount(); ++r)
        ids << w->model()->idSeqAt(r);
    return ids;
}

// A column of the list query for every row of the grid (also columns the grid does not show).
QStringList shownValues(ListWindow *w, const QString &field)
{
    fetchAll(w);
    SqlQuery &q = dataModule()->qry_mamul;
    QStringList out;
    for (int r = 0; r < w->model()->rowCount(); ++r) {
        q.moveTo(r);
        out << q.fieldByName(field).asString();
    }
    return out;
}

int columnTitled(ListWindow *w, const QString &title)
{
    for (int c = 0; c < w->model()->columnCount(); ++c)
        if (w->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == title)
            return c;
    return -1;
}

// The texts the grid shows in the column with this title.
QStringList shownTexts(ListWindow *w, const QString &title)
{
    fetchAll(w);
    const int c = columnTitled(w, title);
    QStringList out;
    for (int r = 0; r < w->model()->rowCount(); ++r)
        out << w->model()->data(w->model()->index(r, c), Qt::DisplayRole).toString();
    return out;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QComboBox *sortBox(ListWindow *w)
{
    return w->findChild<QComboBox *>(QStringLiteral("dbsort"));
}

void chooseSort(ListWindow *w, const QString &choice)
{
    QComboBox *box = sortBox(w);
    const int i = box->findText(choice);
    QVERIFY2(i >= 0, qPrintable(choice));
    box->setCurrentIndex(i);
    emit box->activated(i);
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
    QCOMPARE(w->model()->idSeqAt(w->currentRow()), id);
}

// Fills what the apartment sale entry window requires.
void fillApartment(EntryWindow *e, const QString &name, const QString &price)
{
    e->setTextOf(QStringLiteral("Add_district"), QStringLiteral("강남구"));
    e->setTextOf(QStringLiteral("Add_town"), QStringLiteral("역삼동"));
    e->setTextOf(QStringLiteral("Bld_nme"), name);
    e->setTextOf(QStringLiteral("Bld_degree"), QStringLiteral("105"));
    e->setTextOf(QStringLiteral("Gnd_png"), QStringLiteral("32"));
    e->setTextOf(QStringLiteral("Sales_amt"), price);
}

// The value Obj_kind holds for a listing of the kind a list window shows.
QString kindShownBy(const ListWindowSpec &spec)
{
    for (const Kind &k : kinds::all()) {
        if (k.saleList != spec.name && k.leaseList != spec.name)
            continue;
        if (!k.objKind.isEmpty())
            return k.objKind;
        return k.code == QLatin1String("BIL") ? QStringLiteral("다세대") : QStringLiteral("학원");
    }
    return QString();
}

QString dealOf(const ListWindowSpec &spec)
{
    return spec.deal == QLatin1String("lease") ? QStringLiteral("임대") : QStringLiteral("매매");
}

} // namespace

class TestListWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder(QStringLiteral("office/data"),
                           QTest::currentTestFunction() == QByteArray("everyWindowOnDemoData"));
        registerListingWindows();
        registerListWindows();
    }
    void cleanup() { env.reset(); }

    void activeStates_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("states");
        const QStringList active = {"일반", "추천", "급매", "기타"};
        const QStringList all = {"일반", "추천", "급매", "기타", "계약", "보류", "삭제"};
        QTest::newRow("YES, all") << "YES"
                                  << "전체" << active;
        QTest::newRow("empty setting counts as on") << ""
                                                    << "전체" << active;
        QTest::newRow("NO, all") << "NO"
                                 << "전체" << all;
        QTest::newRow("YES, deleted chosen") << "YES"
                                             << "삭제" << QStringList{"삭제"};
        QTest::newRow("NO, contracted chosen") << "NO"
                                               << "계약" << QStringList{"계약"};
    }
    // "전체" in the state box hides contracted, on-hold and deleted listings only while the office
    // setting is on.
    void activeStates()
    {
        QFETCH(QString, setting);
        QFETCH(QString, box);
        QFETCH(QStringList, states);
        const QStringList all = {"일반", "추천", "급매", "기타", "계약", "보류", "삭제"};
        for (int i = 0; i < all.size(); ++i)
            addListing(i + 1, {{"Obj_state", all.at(i)}});
        addListing(20, {{"Obj_state", "계약"}, {"Obj_kubun1", "임대"}}); // another list's
        env->dm->ActiveStatesOnly = setting;
        auto w = openList(QStringLiteral("TfmAPTList"));
        w->setTextOf(QStringLiteral("obj_state"), box);
        w->SpeedButton1Click();
        QCOMPARE(sorted(shownTexts(w.get(), QStringLiteral("상태"))), sorted(states));
    }

    void priceBounds_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("prices");
        QTest::newRow("upper bound only") << ""
                                          << "5000" << QStringList{"5000"};
        QTest::newRow("lower bound only") << "5000"
                                          << "" << QStringList{"5000"};
        QTest::newRow("both") << "4999"
                              << "5001" << QStringList{"4999", "5000", "5001"};
        QTest::newRow("neither") << ""
                                 << "" << QStringList{"3000", "4999", "5000", "5001", "7000"};
    }
    // A single price bound means that very price, not "up to" or "from".
    void priceBounds()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, prices);
        const QStringList stored = {"3000", "4999", "5000", "5001", "7000"};
        for (int i = 0; i < stored.size(); ++i)
            addListing(i + 1, {{"Sales_amt", stored.at(i)}});
        auto w = openList(QStringLiteral("TfmAPTList"));
        w->setTextOf(QStringLiteral("sales_amt1"), from);
        w->setTextOf(QStringLiteral("sales_amt2"), to);
        press(w.get(), QStringLiteral("SpeedButton1"));
        QCOMPARE(sorted(shownTexts(w.get(), QStringLiteral("매매가"))), sorted(prices));
    }

    void requestsNeverListed_data()
    {
        QTest::addColumn<QString>("name");
        for (const ListWindowSpec &s : catalogue::listWindows())
            if (s.deal == QLatin1String("sale") || s.deal == QLatin1String("lease"))
                QTest::newRow(qPrintable(s.name)) << s.name;
    }
    // A buyer's or tenant's request is a listing row of its own deal type: no list of listings
    // shows it, even when everything else about it matches.
    void requestsNeverListed()
    {
        QFETCH(QString, name);
        const ListWindowSpec &spec = *catalogue::listWindow(name);
        const QString kind = kindShownBy(spec);
        QVERIFY(!kind.isEmpty());
        addListing(1, {{"Obj_kind", kind}, {"Obj_kubun1", dealOf(spec)}, {"Obj_kubun2", "전세"}});
        addListing(2, {{"Obj_kind", kind}, {"Obj_kubun1", "매수임차"}, {"Obj_kubun2", "전세"}});
        auto w = openList(name);
        QVERIFY(w);
        QCOMPARE(shownIds(w.get()), QList<qint64>{1});
        w->BitBtn1Click();
        QCOMPARE(shownIds(w.get()), QList<qint64>{1});
    }

    void villaKinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("kinds");
        const QStringList villas = {"빌라", "다세대", "연립"};
        QTest::newRow("sale, empty box") << "TfmBILList"
                                         << "" << villas;
        QTest::newRow("sale, 전체") << "TfmBILList"
                                    << "전체" << villas;
        QTest::newRow("sale, 다세대") << "TfmBILList"
                                      << "다세대" << QStringList{"다세대"};
        QTest::newRow("lease, empty box") << "TfmBILLentList"
                                          << "" << villas;
    }
    // The villa lists have no kind in their base condition: an empty kind box still keeps them to
    // villas, multi-household houses and row houses.
    void villaKinds()
    {
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(QStringList, kinds);
        const ListWindowSpec &spec = *catalogue::listWindow(name);
        const QStringList stored = {"빌라", "다세대", "연립", "아파트", "단독주택", "빌라트"};
        for (int i = 0; i < stored.size(); ++i)
            addListing(i + 1, {{"Obj_kind", stored.at(i)}, {"Obj_kubun1", dealOf(spec)}});
        auto w = openList(name);
        w->setTextOf(QStringLiteral("obj_kind"), box);
        QCOMPARE(w->textOf(QStringLiteral("obj_kind")), box);
        w->SpeedButton1Click();
        QCOMPARE(sorted(shownValues(w.get(), QStringLiteral("Obj_kind"))), sorted(kinds));
    }

    void floorRanges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("floors");
        QTest::newRow("apartment 2~10") << "TfmAPTList"
                                        << "bld_layer"
                                        << "2"
                                        << "10" << QStringList{"2", "5", "10"};
        QTest::newRow("apartment 5 only") << "TfmAPTList"
                                          << "bld_layer"
                                          << "5"
                                          << "" << QStringList{"5"};
        QTest::newRow("apartment B1 only") << "TfmAPTList"
                                           << "bld_layer"
                                           << ""
                                           << "B1" << QStringList{"B1"};
        QTest::newRow("house storeys 2~10") << "TfmDANList"
                                            << "bld_hi_layer"
                                            << "2"
                                            << "10" << QStringList{"2", "5", "10"};
    }
    // Floors are stored as text; a range of whole numbers still compares them as numbers, so
    // 2~10 finds floors 5 and 10 (as text, "5" > "10" and nothing would be found).
    void floorRanges()
    {
        QFETCH(QString, name);
        QFETCH(QString, column);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, floors);
        const ListWindowSpec &spec = *catalogue::listWindow(name);
        const QStringList stored = {"1", "2", "5", "10", "12", "B1"};
        for (int i = 0; i < stored.size(); ++i)
            addListing(i + 1, {{"Obj_kind", kindShownBy(spec)}, {column, stored.at(i)}});
        auto w = openList(name);
        w->setTextOf(column + QStringLiteral("1"), from);
        w->setTextOf(column + QStringLiteral("2"), to);
        QCOMPARE(w->textOf(column + QStringLiteral("1")), from);
        w->SpeedButton1Click();
        QCOMPARE(sorted(shownValues(w.get(), column)), sorted(floors));
    }

    void apostrophes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("owner name") << "fd_value"
                                    << "O'Neil"
                                    << "Sales_person" << QStringList{"O'Neil"};
        QTest::newRow("part of owner name") << "fd_value"
                                            << "'N"
                                            << "Sales_person" << QStringList{"O'Neil"};
        QTest::newRow("apartment name") << "Bld_nme"
                                        << "King's"
                                        << "Bld_nme" << QStringList{"King's Court"};
        QTest::newRow("note number") << "fd_value"
                                     << "x'1"
                                     << "C1" << QStringList{"X'12"};
    }
    // What is typed is searched for as typed: an apostrophe neither breaks the statement nor
    // changes what it finds.
    void apostrophes()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, column);
        QFETCH(QStringList, found);
        addListing(1, {{"Sales_person", "O'Neil"}, {"Bld_nme", "King's Court"}, {"C1", "X'12"}});
        addListing(2, {{"Sales_person", "ONeil"}, {"Bld_nme", "Kings Court"}, {"C1", "X12"}});
        addListing(3, {{"Sales_person", "Neil"}, {"Bld_nme", "King"}, {"C1", "X1"}});
        auto w = openList(QStringLiteral("TfmAPTList"));
        if (QTest::currentDataTag() == QByteArray("note number"))
            w->setTextOf(QStringLiteral("fd_name"), QStringLiteral("노트번호"));
        auto *edit = qobject_cast<QLineEdit *>(w->control(control));
        QVERIFY(edit);
        edit->setFocus();
        typeText(edit, typed);
        QCOMPARE(edit->text(), typed);
        press(w.get(), QStringLiteral("SpeedButton1"));
        QCOMPARE(shownValues(w.get(), column), found);
    }

    void titleClicks_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("sortText");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("주소") << "주소"
                              << "add_city,add_district,add_town,addr_number"
                              << QStringList{"Add_city", "Add_district", "Add_town", "Addr_number"};
        QTest::newRow("연락처") << "연락처"
                                << "sales_cnum" << QStringList{"Sales_cnum"};
        QTest::newRow("층수") << "층수"
                              << "bld_layer,bld_hi_layer" << QStringList{"Bld_layer", "Bld_hi_layer"};
        QTest::newRow("매매가") << "매매가"
                                << "Sales_amt" << QStringList{"Sales_amt"};
    }
    // A click on a grid title sorts by that column (the calculated ones by the columns behind
    // them), and the sort box shows what it sorts by.
    void titleClicks()
    {
        QFETCH(QString, title);
        QFETCH(QString, sortText);
        QFETCH(QStringList, keys);
        const QList<Fields> rows = {
            {{"Add_city", "서울"},
             {"Add_district", "강남구"},
             {"Add_town", "역삼동"},
             {"Addr_number", "10"},
             {"Sales_cnum", "010-3333-0000"},
             {"Bld_layer", "3"},
             {"Bld_hi_layer", "15"},
             {"Sales_amt", "30000"}},
            {{"Add_city", "경기"},
             {"Add_district", "분당구"},
             {"Add_town", "정자동"},
             {"Addr_number", "5"},
             {"Sales_cnum", ""},
             {"Sales_pnum", "02-111-1111"},
             {"Bld_layer", "12"},
             {"Bld_hi_layer", "20"},
             {"Sales_amt", "9000"}},
            {{"Add_city", "서울"},
             {"Add_district", "강남구"},
             {"Add_town", "대치동"},
             {"Addr_number", "7"},
             {"Sales_cnum", "010-1111-0000"},
             {"Bld_layer", "3"},
             {"Bld_hi_layer", "10"},
             {"Sales_amt", "120000"}},
            {{"Add_city", "부산"},
             {"Add_district", "해운대구"},
             {"Add_town", "우동"},
             {"Addr_number", "3"},
             {"Sales_cnum", "010-2222-0000"},
             {"Bld_layer", "7"},
             {"Bld_hi_layer", "25"},
             {"Sales_amt", "75000"}},
            {{"Add_city", "서울"},
             {"Add_district", "서초구"},
             {"Add_town", "반포동"},
             {"Addr_number", "1"},
             {"Sales_cnum", "010-9999-0000"},
             {"Bld_layer", "1"},
             {"Bld_hi_layer", "5"},
             {"Sales_amt", "8000"}},
        };
        for (int i = 0; i < rows.size(); ++i)
            addListing(i + 1, rows.at(i));
        // The order expected: the key columns as the engine compares them (text, or amounts as numbers).
        auto key = [&](int i, const QString &column) {
            for (const auto &f : rows.at(i))
                if (f.first == column)
                    return f.second;
            return QString();
        };
        QList<qint64> expected = {1, 2, 3, 4, 5};
        std::sort(expected.begin(), expected.end(), [&](qint64 a, qint64 b) {
            for (const QString &k : keys) {
                const QString x = key(int(a - 1), k), y = key(int(b - 1), k);
                if (x == y)
                    continue;
                if (k == QLatin1String("Sales_amt"))
                    return x.toInt() < y.toInt();
                return x < y;
            }
            return false;
        });

        auto w = openList(QStringLiteral("TfmAPTList"));
        QHeaderView *header = w->grid()->horizontalHeader();
        const int column = columnTitled(w.get(), title);
        QVERIFY(column >= 0);
        w->grid()->scrollTo(w->model()->index(0, column));
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
        QCOMPARE(sortBox(w.get())->currentText(), sortText);
        QVERIFY(w->statement().endsWith(QStringLiteral(" order by ") + sortText));
        QCOMPARE(shownIds(w.get()), expected);
    }

    // "전 체" empties every filter but keeps the chosen sort order.
    void allResetsFiltersKeepsSort()
    {
        addListing(1, {{"Sales_amt", "30000"}});
        addListing(2, {{"Sales_amt", "10000"}, {"Add_city", "경기"}, {"Bld_nme", "자이"}});
        addListing(3, {{"Sales_amt", "20000"}, {"Obj_state", "계약"}});
        addListing(4, {{"Sales_amt", "5000"}, {"Sales_person", "이미경"}});
        auto w = openList(QStringLiteral("TfmAPTList"));
        chooseSort(w.get(), QStringLiteral("매매가"));
        QCOMPARE(shownIds(w.get()), (QList<qint64>{4, 2, 1}));
        w->setTextOf(QStringLiteral("Add_city"), QStringLiteral("서울"));
        w->setTextOf(QStringLiteral("Bld_nme"), QStringLiteral("래미안"));
        w->setTextOf(QStringLiteral("sales_amt1"), QStringLiteral("30000"));
        w->setTextOf(QStringLiteral("bld_layer1"), QStringLiteral("5"));
        w->setTextOf(QStringLiteral("obj_state"), QStringLiteral("일반"));
        w->setTextOf(QStringLiteral("fd_name"), QStringLiteral("의뢰인핸드폰"));
        w->setTextOf(QStringLiteral("fd_value"), QStringLiteral("010"));
        w->SpeedButton1Click();
        QCOMPARE(shownIds(w.get()), QList<qint64>{1});

        press(w.get(), QStringLiteral("BitBtn1"));
        QCOMPARE(w->textOf(QStringLiteral("Add_city")), QStringLiteral("전체시도"));
        QCOMPARE(w->textOf(QStringLiteral("Add_district")), QStringLiteral("전체구시군"));
        QCOMPARE(w->textOf(QStringLiteral("Add_town")), QStringLiteral("전체읍면동"));
        QCOMPARE(w->textOf(QStringLiteral("obj_state")), QStringLiteral("전체"));
        QCOMPARE(w->textOf(QStringLiteral("fd_name")), QStringLiteral("의뢰인성명"));
        for (const char *c : {"Bld_nme", "sales_amt1", "bld_layer1", "fd_value"})
            QVERIFY2(w->textOf(QString::fromLatin1(c)).isEmpty(), c);
        QCOMPARE(sortBox(w.get())->currentText(), QStringLiteral("매매가"));
        QCOMPARE(shownIds(w.get()), (QList<qint64>{4, 2, 1}));
    }

    void deleteAsks_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    // "삭 제" asks first; Yes removes the current listing and the list re-opens without it.
    void deleteAsks()
    {
        QFETCH(bool, yes);
        for (int id = 1; id <= 3; ++id)
            addListing(id);
        auto w = openList(QStringLiteral("TfmAPTList"));
        selectId(w.get(), 2);
        env->dialogs->answers = {yes};
        press(w.get(), QStringLiteral("ApartD"));
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("매물 정보를 삭제 하시겠습니까?")});
        QCOMPARE(storedRows(QStringLiteral("Id_seq = 2")), yes ? 0 : 1);
        QCOMPARE(storedRows(), yes ? 2 : 3);
        QCOMPARE(shownIds(w.get()), yes ? (QList<qint64>{3, 1}) : (QList<qint64>{3, 2, 1}));
        if (!yes)
            QCOMPARE(w->model()->idSeqAt(w->currentRow()), 2);
    }

    // "등 록" opens the kind's entry window in "Append"; after a save the list re-opens with the
    // new listing in it.
    void registerThroughEntryWindow()
    {
        addListing(1);
        auto w = openList(QStringLiteral("TfmAPTList"));
        env->dm->SavedFlag = QStringLiteral("YES");
        qint64 shownIdSeq = -1;
        env->modal->handlers << [&](QDialog *d) {
            auto *e = qobject_cast<EntryWindow *>(d);
            QVERIFY(e);
            QCOMPARE(e->Mode, QStringLiteral("Append"));
            QCOMPARE(env->dm->SavedFlag, QStringLiteral("NO"));
            fillApartment(e, QStringLiteral("새아파트"), QStringLiteral("61000"));
            env->dialogs->answers << false;
            press(e, QStringLiteral("SaveButton"));
            shownIdSeq = e->IdSeq;
        };
        press(w.get(), QStringLiteral("ApartA"));
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmApt")});
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("입력을 계속 하시겠습니까?")});
        QCOMPARE(storedRows(), 2);
        QCOMPARE(shownIdSeq, 2);
        QCOMPARE(sqlValue(QStringLiteral("select Bld_nme from mamul_table where Id_seq = 2")),
                 QStringLiteral("새아파트"));
        QCOMPARE(shownIds(w.get()), (QList<qint64>{2, 1}));
        QCOMPARE(w->currentRow(), 0);
        QCOMPARE(shownTexts(w.get(), QStringLiteral("아파트")).first(), QStringLiteral("새아파트"));
        QCOMPARE(shownTexts(w.get(), QStringLiteral("매매가")).first(), QStringLiteral("61000"));
    }

    // The model path: "등 록", save, Yes to go on, save again, No: two listings with consecutive
    // numbers and the same contents, both in the list.
    void appendTwiceThroughList()
    {
        addListing(7, {{"Bld_nme", "기존"}});
        auto w = openList(QStringLiteral("TfmAPTList"));
        env->modal->handlers << [&](QDialog *d) {
            auto *e = qobject_cast<EntryWindow *>(d);
            QVERIFY(e);
            fillApartment(e, QStringLiteral("힐스테이트"), QStringLiteral("82000"));
            e->setTextOf(QStringLiteral("Sales_person"), QStringLiteral("박준호"));
            env->dialogs->answers << true << false;
            press(e, QStringLiteral("SaveButton"));
            QVERIFY(e->isVisible());
            QCOMPARE(e->Mode, QStringLiteral("Append"));
            QCOMPARE(e->IdSeq, 8);
            press(e, QStringLiteral("SaveButton"));
            QCOMPARE(e->IdSeq, 9);
        };
        press(w.get(), QStringLiteral("ApartA"));
        QCOMPARE(env->dialogs->messages, QStringList(2, QStringLiteral("입력을 계속 하시겠습니까?")));
        QCOMPARE(storedRows(), 3);
        const mamulRecord a = env->dm->ReadListing(8), b = env->dm->ReadListing(9);
        QCOMPARE(a[QStringLiteral("Bld_nme")], QStringLiteral("힐스테이트"));
        for (int i = 1; i < mamulRecord::kColumns; ++i)
            QCOMPARE(b[i], a[i]);
        QCOMPARE(shownIds(w.get()), (QList<qint64>{9, 8, 7}));
        QCOMPARE(shownTexts(w.get(), QStringLiteral("성명")).mid(0, 2), QStringList(2, QStringLiteral("박준호")));
    }

    // "수 정" of a row, a changed price saved: the list re-opens standing on the same listing, even
    // though the new price moved it elsewhere in the order.
    void editStaysOnTheListing()
    {
        for (int id = 1; id <= 5; ++id)
            addListing(id, {{"Sales_amt", QString::number(id * 1000)}, {"Bld_nme", QStringLiteral("단지%1").arg(id)}});
        auto w = openList(QStringLiteral("TfmAPTList"));
        chooseSort(w.get(), QStringLiteral("매매가"));
        QCOMPARE(shownIds(w.get()), (QList<qint64>{1, 2, 3, 4, 5}));
        selectId(w.get(), 2);
        env->modal->handlers << [&](QDialog *d) {
            auto *e = qobject_cast<EntryWindow *>(d);
            QVERIFY(e);
            QCOMPARE(e->Mode, QStringLiteral("Edit"));
            QCOMPARE(e->IdSeq, 2);
            QCOMPARE(e->textOf(QStringLiteral("Bld_nme")), QStringLiteral("단지2"));
            e->setTextOf(QStringLiteral("Sales_amt"), QStringLiteral("9000"));
            press(e, QStringLiteral("SaveButton"));
        };
        press(w.get(), QStringLiteral("ApartM"));
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmApt")});
        QCOMPARE(sqlValue(QStringLiteral("select Sales_amt from mamul_table where Id_seq = 2")),
                 QStringLiteral("9000"));
        QCOMPARE(shownIds(w.get()), (QList<qint64>{1, 3, 4, 5, 2}));
        QCOMPARE(w->currentRow(), 4);
        QCOMPARE(w->model()->idSeqAt(w->currentRow()), 2);
        QCOMPARE(w->grid()->currentIndex().row(), 4);
    }

    void closeWithoutSaving_data()
    {
        QTest::addColumn<bool>("append");
        QTest::newRow("등 록") << true;
        QTest::newRow("수 정") << false;
    }
    // Closing the entry window without saving leaves the list, its rows and its cursor as they were.
    void closeWithoutSaving()
    {
        QFETCH(bool, append);
        for (int id = 1; id <= 5; ++id)
            addListing(id, {{"Sales_amt", QString::number(id * 1000)}});
        auto w = openList(QStringLiteral("TfmAPTList"));
        chooseSort(w.get(), QStringLiteral("매매가"));
        selectId(w.get(), 4);
        const QString statement = w->statement();
        env->modal->handlers << [&](QDialog *d) {
            auto *e = qobject_cast<EntryWindow *>(d);
            QVERIFY(e);
            e->setTextOf(QStringLiteral("Sales_amt"), QStringLiteral("123"));
            e->setTextOf(QStringLiteral("Bld_nme"), QStringLiteral("바뀐이름"));
            press(e, QStringLiteral("CloseButton"));
        };
        press(w.get(), append ? QStringLiteral("ApartA") : QStringLiteral("ApartM"));
        QCOMPARE(env->modal->opened.size(), 1);
        QCOMPARE(env->dm->SavedFlag, QStringLiteral("NO"));
        QCOMPARE(storedRows(), 5);
        QCOMPARE(storedRows(QStringLiteral("Sales_amt = 123 or Bld_nme = '바뀐이름'")), 0);
        QCOMPARE(w->statement(), statement);
        QCOMPARE(w->currentRow(), 3);
        QCOMPARE(w->model()->idSeqAt(w->currentRow()), 4);
        QCOMPARE(shownIds(w.get()), (QList<qint64>{1, 2, 3, 4, 5}));
    }

    // The entry window's navigator walks the rows of the list it was opened from, in the list's order.
    void navigatorWalksTheList()
    {
        const QStringList names = {"가", "나", "다", "라"};
        for (int id = 1; id <= 4; ++id)
            addListing(id, {{"Bld_nme", names.at(id - 1)}, {"Sales_amt", QString::number(5000 - id * 1000)}});
        auto w = openList(QStringLiteral("TfmAPTList"));
        chooseSort(w.get(), QStringLiteral("매매가")); // 4, 3, 2, 1
        QCOMPARE(shownIds(w.get()), (QList<qint64>{4, 3, 2, 1}));
        selectId(w.get(), 3);
        QList<qint64> visited;
        QStringList shownNames;
        env->modal->handlers << [&](QDialog *d) {
            auto *e = qobject_cast<EntryWindow *>(d);
            QVERIFY(e);
            auto step = [&](const char *button) {
                press(e, QString::fromLatin1(button));
                visited << e->IdSeq;
                shownNames << e->textOf(QStringLiteral("Bld_nme"));
                QCOMPARE(env->dm->SavedFlag, QStringLiteral("NO"));
            };
            QCOMPARE(e->IdSeq, 3);
            step("NavNext");
            step("NavNext");
            step("NavNext"); // already on the last row: stays
            step("NavFirst");
            step("NavPrior"); // already on the first row: stays
            step("NavLast");
            step("NavPrior");
            e->navigate(0);
            visited << e->IdSeq;
            shownNames << e->textOf(QStringLiteral("Bld_nme"));
            press(e, QStringLiteral("CloseButton"));
        };
        press(w.get(), QStringLiteral("ApartM"));
        QCOMPARE(visited, (QList<qint64>{2, 1, 1, 4, 4, 1, 2, 4}));
        QCOMPARE(shownNames, (QStringList{"나", "가", "가", "라", "라", "가", "나", "라"}));
    }

    void everyWindowOnDemoData_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("titles");
        QTest::addColumn<QString>("sortItems");
        // clang-format off
        QTest::newRow("TfmAPTList") << QStringLiteral("TfmAPTList") << QStringLiteral("아파트 매매 리스트")
            << QStringLiteral("주소|아파트|차수/단지|동수|층수|호수|상태|노트번호|평형|전용|매매가|융자금|보증금|실입주금|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|매매가|등록일|주소|아파트명|차수/단지|동수|층수|호수|실입주금|고객성명|연락처|수정일");
        QTest::newRow("TfmBUNList") << QStringLiteral("TfmBUNList") << QStringLiteral("아파트 분양권 매매 리스트")
            << QStringLiteral("주소|아파트|동수|층수|호수|상태|노트번호|평형|매매가|분양가|분양피|융자금|실입주금|성명|연락처|등록일|수정")
            << QStringLiteral("평형|등록일|주소|매매가|분양피|분양가|아파트명|차수/단지|동수|층수|호수|고객성명|연락처|수정일");
        QTest::newRow("TfmDANList") << QStringLiteral("TfmDANList") << QStringLiteral("단독주택 매매 리스트")
            << QStringLiteral("주소|상태|노트번호|대지|건평|방|지상|지하|매매가|수익률|실입주금|융자금|보증금|월세|성명|연락처|등록일|수정")
            << QStringLiteral("대지|주소|등록일|매매가|수익률|실입주금|보증금|월세|지상층수|방수|호수|고객성명|연락처|수정일");
        QTest::newRow("TfmDAGList") << QStringLiteral("TfmDAGList") << QStringLiteral("다가구 매매 리스트")
            << QStringLiteral("주소|종류|건물이름|호수|상태|노트번호|지상|지하|대지면적|건평|방|매매가|수익률|실입주금|보증금|월세|융자금|성명|연락처|등록일|수정일")
            << QStringLiteral("대지|등록일|물건종류|주소|매매가|수익률|실입주금|보증금|월세|지상층수|방수|호수|고객성명|연락처|수정일");
        QTest::newRow("TfmBILList") << QStringLiteral("TfmBILList") << QStringLiteral("빌라 / 다세대 / 연립 매매 리스트")
            << QStringLiteral("주소|종류|건물명|동수|층수|호수|상태|노트번호|평형|방수|매매가|수익률|실입주금|융자금|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|주소|등록일|매물종류|매매가|수익률|실입주금|보증금|월세|층수|방수|고객성명|연락처|수정일");
        QTest::newRow("TfmSANList") << QStringLiteral("TfmSANList") << QStringLiteral("상가 매매 리스트")
            << QStringLiteral("주소|상가명|용도|상태|노트번호|평형|실평|층수|매매가|수익률|권리금|융자금|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|주소|등록일|상가명|용도|매매가|수익률|실입주금|권리금|보증금|월세|층수|고객성명|연락처|수정일");
        QTest::newRow("TfmSAJList") << QStringLiteral("TfmSAJList") << QStringLiteral("상가주택 매매 리스트")
            << QStringLiteral("주소|상태|노트번호|대지|건평|방수|지상|지하|매매가|수익률|실입주금|융자금|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("대지|등록일|주소|매매가|수익률|실입주금|보증금|월세|지상층수|방수|호수|고객성명|연락처|수정일");
        QTest::newRow("TfmOFTList") << QStringLiteral("TfmOFTList") << QStringLiteral("오피스텔 매매 리스트")
            << QStringLiteral("주소|오피스텔명|동수|층수|호수|용도|상태|노트번호|평|방|매매가|수익률|실입주금|융자금|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|주소|등록일|매매가|수익률|실입주금|보증금|월세|오피스텔명|거래구분|층수|방수|고객성명|연락처|수정일");
        QTest::newRow("TfmONEList") << QStringLiteral("TfmONEList") << QStringLiteral("원룸 매매 리스트")
            << QStringLiteral("주소|거래구분|원룸명|동수|층수|호수|상태|노트번호|평|방|매매가|수익률|실입주금|융자금|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|주소|등록일|매매가|수익률|실입주금|보증금|월세|원룸명|거래구분|층수|방수|고객성명|연락처|수정일");
        QTest::newRow("TfmSAMList") << QStringLiteral("TfmSAMList") << QStringLiteral("사무실 매매 리스트")
            << QStringLiteral("주소|건물명|구분|상태|노트번호|층수|호수|평형|전용면적|매매가|수익률|실입주금|융자금|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|주소|등록일|매매가|수익률|건물명|실입주금|보증금|월세|층수|방수|고객성명|연락처|수정일");
        QTest::newRow("TfmBULList") << QStringLiteral("TfmBULList") << QStringLiteral("빌딩 매매 리스트")
            << QStringLiteral("주소|빌딩명|빌딩용도|상태|노트번호|대지면적|건평|지상|지하|매매가|수익률|실입주금|융자금|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|주소|등록일|빌딩명|빌딩용도|매매가|수익률|실입주금|보증금|월세|층수|고객성명|연락처|수정일");
        QTest::newRow("TfmTOJList") << QStringLiteral("TfmTOJList") << QStringLiteral("토지 매매 리스트")
            << QStringLiteral("주소|용도|지목|도시계획|상태|노트번호|땅면적|매매가(만원)|평당가(원)|현금가|성명|연락처|등록일|수정일")
            << QStringLiteral("주소|땅면적|등록일|용도|지목|도시계획|매매가|현금가|평단가|고객성명|연락처|수정일");
        QTest::newRow("TfmGONList") << QStringLiteral("TfmGONList") << QStringLiteral("공장 매매 리스트")
            << QStringLiteral("주소|공장종류|상태|노트번호|공장상호|층수|건평|대지|매매가|수익률|실입주금|융자금|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("건평|대지|주소|등록일|공장상호|공장종류|매매가|수익률|융자금|실입주금|보증금|월세|층수|고객성명|연락처|수정일");
        QTest::newRow("TfmJUNList") << QStringLiteral("TfmJUNList") << QStringLiteral("전원주택 매매 리스트")
            << QStringLiteral("주소|대지|건평|상태|노트번호|방|지상|지하|매매가|융자금|보증금|실입주금|월세|성명|연락처|등록일|수정")
            << QStringLiteral("대지|주소|등록일|매매가|실입주금|보증금|월세|지상층수|방수|호수|고객성명|연락처|수정일");
        QTest::newRow("TfmJOOList") << QStringLiteral("TfmJOOList") << QStringLiteral("주유소 매매 리스트")
            << QStringLiteral("주소|취급종류|주유사|상태|노트번호|대지|건평|주유기수|매매가|융자금|성명|연락처|등록일|수정일")
            << QStringLiteral("취급종류|주유사|대지|건평|주소|주유기수|매매가|융자금액|고객성명|연락처|수정일");
        QTest::newRow("TfmMOTList") << QStringLiteral("TfmMOTList") << QStringLiteral("모텔 매매 리스트")
            << QStringLiteral("주소|물건종류|상호|상태|노트번호|대지(평)|건평|객실수|지상|지하|매매가|수익률|융자금|현금가|성명|연락처|등록일|수정일")
            << QStringLiteral("물건종류|주소|대지|건평|상호|객실수|매매가|수익률|융자금액|현금가|고객성명|연락처|수정일");
        QTest::newRow("TfmOTHList") << QStringLiteral("TfmOTHList") << QStringLiteral("기타 매매 리스트")
            << QStringLiteral("주소|물건종류|건물/상호|상태|노트번호|층수|대지|건평|금액|수익률|실입주금|융자금|보증금|월세|성명|연락처|등록일자|수정")
            << QStringLiteral("물건종류|주소|대지|건평|건물/상호명|매매가|수익률|융자금|실입주금|보증금|월세|고객성명|연락처|수정일");
        QTest::newRow("TfmAPTLentList") << QStringLiteral("TfmAPTLentList") << QStringLiteral("아파트 임대 리스트")
            << QStringLiteral("주소|아파트|차수/단지|동수|층수|호|상태|노트번호|평형|전용|구분|보증금|월세|성명|연락처|등록|수정")
            << QStringLiteral("평형|보증금|월세|주소|등록일|아파트명|차수/단지|동수|층수|호수|방수|고객성명|연락처|수정일");
        QTest::newRow("TfmDANLentList") << QStringLiteral("TfmDANLentList") << QStringLiteral("단독주택 임대 리스트")
            << QStringLiteral("주소|상태|노트번호|평형|건평|방수|층|구분|임대|보증금|월세|방향|건축년도|성명|연락처|등록일자|수정일자")
            << QStringLiteral("평형|주소|등록일|임대구분|보증금|월세|층수|방수|호수|고객성명|연락처|수정일");
        QTest::newRow("TfmDAGLentList") << QStringLiteral("TfmDAGLentList") << QStringLiteral("다가구 임대 리스트")
            << QStringLiteral("주소|종류|구분|건물이름|호수|상태|노트번호|층수|평형|방수|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|등록일|주소|물건종류|임대구분|보증금|월세|층수|방수|호수|고객성명|연락처|수정일");
        QTest::newRow("TfmBILLentList") << QStringLiteral("TfmBILLentList") << QStringLiteral("빌라 / 다세대 / 연립 임대 리스트")
            << QStringLiteral("주소|매물종류|건물명|동수|층수|호수|구분|상태|노트번호|평형|전용|방수|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|주소|등록일|매물종류|임대구분|보증금|월세|층수|방수|고객성명|연락처|수정일");
        QTest::newRow("TfmSANLentList") << QStringLiteral("TfmSANLentList") << QStringLiteral("상가 임대 리스트")
            << QStringLiteral("주소|상가명|호수|용도|구분|상태|노트번호|층수|평형|실평|보증금|권리금|실입주금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|실평|주소|임대구분|등록일|상가명|용도|보증금|권리금|월세|층수|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmSAJLentList") << QStringLiteral("TfmSAJLentList") << QStringLiteral("상가주택 임대 리스트")
            << QStringLiteral("주소|구분|상태|노트번호|건평|대지|층수|방|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("평형|주소|등록일|임대구분|보증금|월세|층수|방수|호수|고객성명|연락처|수정일");
        QTest::newRow("TfmOFTLentList") << QStringLiteral("TfmOFTLentList") << QStringLiteral("오피스텔 임대 리스트")
            << QStringLiteral("주소|임대구분|사용용도|건물명|동수|층수|호수|상태|노트번호|평형|실평|방|보증금|월세|관리비|성명|연락처|등록일자|수정일")
            << QStringLiteral("평형|실평|주소|등록일|사용용도|건물명|임대구분|보증금|월세|층수|방수|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmONELentList") << QStringLiteral("TfmONELentList") << QStringLiteral("원룸 임대 리스트")
            << QStringLiteral("주소|임대구분|거래구분|건물명|동수|층수|호수|상태|노트번호|평형|실평|보증금|월세|관리비|성명|연락처|등록일자|수정일")
            << QStringLiteral("평형|주소|실평|등록일|원룸명|임대구분|거래구분|보증금|월세|관리비|층수|방수|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmSAMLentList") << QStringLiteral("TfmSAMLentList") << QStringLiteral("사무실 임대 리스트")
            << QStringLiteral("주소|임대구분|거래구분|상태|노트번호|건물명|호수|층수|평형|실평|보증금|월세|관리비|성명|연락처|등록일자|수정일")
            << QStringLiteral("평형|실평|주소|등록일|건물명|임대구분|거래구분|보증금|월세|관리비|층수|방수|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmBULLentList") << QStringLiteral("TfmBULLentList") << QStringLiteral("빌딩 임대 리스트")
            << QStringLiteral("주소|빌딩명|층수|임대구분|건물종류|상태|노트번호|대지면적|건평|보증금|월세|성명|연락처|등록일자|수정일")
            << QStringLiteral("대지|건평|주소|등록일|빌딩명|건물종류|임대구분|보증금|월세|관리비|층수|방수|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmTOJLentList") << QStringLiteral("TfmTOJLentList") << QStringLiteral("토지 임대 리스트")
            << QStringLiteral("주소|용도|지목|도시계획|상태|노트번호|대지면적|평단가|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("대지면적|주소|등록일|용도|지목|도시계획|보증금|월세|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmGONLentList") << QStringLiteral("TfmGONLentList") << QStringLiteral("공장 임대 리스트")
            << QStringLiteral("주소|공장종류|공장명|임대구분|상태|노트번호|층수|대지(평)|건평|보증금|월세|관리비|건축년도|성명|연락처|등록일|수정일")
            << QStringLiteral("대지|건평|주소|등록일|공장명|공장종류|임대구분|보증금|월세|관리비|층수|방수|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmJUNLentList") << QStringLiteral("TfmJUNLentList") << QStringLiteral("전원주택 임대 리스트")
            << QStringLiteral("주소|임대구분|거래구분|상태|노트번호|층수|방수|대지|건평|보증금|월세|성명|연락처|등록일|수정일")
            << QStringLiteral("등록일|주소|대지|건평|임대구분|거래구분|보증금|월세|층수|방수|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmJOOLentList") << QStringLiteral("TfmJOOLentList") << QStringLiteral("주유소 임대 리스트")
            << QStringLiteral("주소|주유사|임대구분|기름구분|상태|노트번호|대지(평)|건평|주유기|보증금|월세|성명|연락처|등록일자|수정일")
            << QStringLiteral("등록일|대지|건평|주소|임대구분|기름구분|주유사|주유기수|보증금|월세|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmMOTLentList") << QStringLiteral("TfmMOTLentList") << QStringLiteral("모텔 임대 리스트")
            << QStringLiteral("주소|상호|구분|물건종류|상태|노트번호|객실수|층수|면적|건평|보증금|월세|성명|연락처|등록일자|수정")
            << QStringLiteral("등록일|주소|대지|건평|임대구분|물건종류|객실수|상호|보증금|월세|층수|고객성명|연락처|수정일|상태");
        QTest::newRow("TfmOTHLentList") << QStringLiteral("TfmOTHLentList") << QStringLiteral("기타 임대 리스트")
            << QStringLiteral("주소|종류|구분|거래구분|상호/건물|상태|노트번호|층수|대지|건평|보증금|월세|수익률|성명|연락처|등록일자|수정일자")
            << QStringLiteral("물건종류|임대구분|거래구분|상호/건물명|주소|대지|건평|보증금|월세|수익률|층수|고객성명|연락처|수정일");
        // clang-format on
    }
    // Every list opens on the demonstration data, runs its statement, and shows its caption, its
    // grid titles in order with their widths, its sort box items and only rows of its deal type.
    void everyWindowOnDemoData()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, titles);
        QFETCH(QString, sortItems);
        const ListWindowSpec &spec = *catalogue::listWindow(name);
        std::unique_ptr<ListWindow> w(qobject_cast<ListWindow *>(windows::create(name, nullptr)));
        QVERIFY(w);
        try {
            w->FormShow(); // what showing the window runs, here where an engine error can be caught
        } catch (const DbError &e) {
            QFAIL(qPrintable(e.text()));
        }
        QCOMPARE(w->objectName(), name);
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(env->dm->qry_mamul.isOpen());

        const QStringList expectedTitles = titles.split(QLatin1Char('|'));
        QStringList shown;
        for (int c = 0; c < w->model()->columnCount(); ++c)
            shown << w->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(shown, expectedTitles);
        for (int c = 0; c < spec.columns.size(); ++c)
            QCOMPARE(w->grid()->columnWidth(c), spec.columns.at(c).width);
        if (name == QLatin1String("TfmAPTList")) {
            const QList<int> widths = {150, 80, 70, 40, 50, 30, 40, 50, 40, 40, 70, 70, 70, 70, 50, 100, 64, 64};
            for (int c = 0; c < widths.size(); ++c)
                QCOMPARE(w->grid()->columnWidth(c), widths.at(c));
        }

        QComboBox *box = sortBox(w.get());
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, sortItems.split(QLatin1Char('|')));
        QCOMPARE(box->currentText(), QStringLiteral("분류순서선택"));

        // The demonstration data has listings of every kind and deal type.
        QVERIFY2(w->model()->rowCount() > 0, qPrintable(name));
        const QString deal = dealOf(spec);
        for (const QString &d : shownValues(w.get(), QStringLiteral("Obj_kubun1")))
            QCOMPARE(d, deal);
        for (int c = 0; c < w->model()->columnCount(); ++c)
            w->model()->data(w->model()->index(0, c), Qt::DisplayRole);
        // Every sort choice runs.
        for (int i = 0; i < box->count(); ++i) {
            try {
                chooseSort(w.get(), box->itemText(i));
            } catch (const DbError &e) {
                QFAIL(qPrintable(box->itemText(i) + QStringLiteral(": ") + e.text()));
            }
            QVERIFY2(env->dm->qry_mamul.isOpen(), qPrintable(box->itemText(i)));
        }
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestListWindow)
#include "test_list_window.moc"
