// The customer list and the pick list of the customer lookup, driven through the seams on a
// temporary data folder, together with the real customer window and listing entry windows.
#include "customers/customer_list.h"
#include "customers/customer_model.h"
#include "customers/customer_window.h"
#include "customers/customer_windows.h"
#include "customers/find_customer_list.h"
#include "listings/entry_window.h"
#include "support/scripted_env.h"
#include "ui/sheet_registry.h"
#include "ui/window_registry.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

namespace {

// Num, name, relation, address, home phone, mobile, landlord.
struct Row {
    int num;
    const char *name, *relation, *addr, *phone, *mobile, *landlord;
};

const Row kRows[] = {
    {1, "김철수", "고객", "서울 강남구 역삼동", "02-111", "010-1", "박주인"},
    {2, "김영희", "가족", "경기 성남시 정자동", "02-222", "010-2", ""},
    {3, "이민수", "친구", "부산 해운대구 우동", "051-333", "010-3", "최주인"},
    {4, "O'Neil", "고객", "인천 남동구 구월동", "032-444", "", ""},
    {5, "박관공", "관공서", "대전 서구 둔산동", "042-555", "010-5", ""},
    {6, "김민수", "친척", "광주 북구 용봉동", "062-666", "010-6", "박주인"},
};

void insertRows()
{
    for (const Row &r : kRows)
        execSql(QStringLiteral("insert into cust_table (Num, Cname, Cgwange, Caddr, Cphone, Chandphone, Oname, "
                               "Cophone, Cemail) values (%1, '%2', '%3', '%4', '%5', '%6', '%7', '', '')")
                    .arg(r.num)
                    .arg(QString::fromUtf8(r.name).replace(QLatin1String("'"), QLatin1String("''")),
                         QString::fromUtf8(r.relation), QString::fromUtf8(r.addr), QString::fromUtf8(r.phone),
                         QString::fromUtf8(r.mobile), QString::fromUtf8(r.landlord)));
}

QStringList numsOf(const CustomerList &list)
{
    QStringList nums;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        nums << list.model()->numAt(row);
    return nums;
}

QString currentNum(const CustomerList &list)
{
    return list.model()->numAt(list.currentRow());
}

QPushButton *button(QWidget *w, const QString &name)
{
    return w->findChild<QPushButton *>(name);
}

// A double click as a mouse makes it: the press that picks the row, then the double click.
void doubleClick(QTableView *grid, int row)
{
    const QPoint at = grid->visualRect(grid->model()->index(row, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

int rowOfName(const CustomerModel *model, const QString &name)
{
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->value(row, QStringLiteral("Cname")) == name)
            return row;
    return -1;
}

} // namespace

class TestCustomerList : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder();
        insertRows();
        registerCustomerWindows();
    }
    void cleanup() { env.reset(); }

    void windowParts()
    {
        CustomerList list;
        QCOMPARE(list.objectName(), QStringLiteral("TfmCustlist"));
        QCOMPARE(list.windowTitle(), QStringLiteral("고객관리"));
        QVERIFY(list.windowState() & Qt::WindowMaximized);
        const QStringList titles = {"이름",   "관계",     "주소",      "전화",       "핸드폰",      "회사",   "부서",
                                    "집주인", "주인전화", "건물/이름", "주거형태",   "이사일",      "입주일", "직책",
                                    "FAX",    "이메일",   "홈페이지",  "주인핸드폰", "집주인이메일"};
        QStringList shown;
        for (int i = 0; i < list.model()->columnCount(); ++i)
            shown << list.model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
        shown.removeAt(5); // "회사전화" sits between "핸드폰" and "회사"
        QCOMPARE(shown, titles);
        QCOMPARE(list.model()->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("회사전화"));
        const QStringList captions = {"등 록", "수 정", "삭 제", "출 력", "종 료",  "전체", "모두",
                                      "고객",  "가족",  "친척",  "친구",  "관공서", "기타"};
        const QStringList names = {"ApartA",  "ApartM",  "ApartD",  "ApartP",  "ExitCont", "BitBtn7", "BitBtn8",
                                   "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5",  "BitBtn6"};
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(button(&list, names.at(i))->text(), captions.at(i));
        // Every search box is announced by its caption.
        const QList<QPair<QString, QString>> labelled = {
            {"h_name", "이    름"},      {"h_addr", "주    소"},    {"h_office", "회    사"},
            {"h_phone", "집 전 화"},     {"h_o_phone", "회사전화"}, {"h_k", "관    계"},
            {"h_handphone", "핸 드 폰"}, {"h_house", "건물/이름"},  {"dbsort", "분류방법"}};
        for (const auto &p : labelled) {
            QWidget *input = list.control(p.first);
            QVERIFY2(input, qPrintable(p.first));
            bool found = false;
            for (QLabel *l : list.findChildren<QLabel *>())
                found = found || (l->buddy() == input && l->text() == p.second);
            QVERIFY2(found, qPrintable(p.first));
        }
        for (const char *name : {"fd_name", "fd_value"}) {
            bool found = false;
            for (QLabel *l : list.findChildren<QLabel *>())
                found = found || l->buddy() == list.control(QString::fromLatin1(name));
            QVERIFY2(found, name);
        }
    }

    void opensWithEveryCustomerNewestFirst()
    {
        CustomerList list;
        env->modal->handlers << [&](QDialog *) {};
        seams::modal().run(&list);
        QCOMPARE(numsOf(list), (QStringList{"6", "5", "4", "3", "2", "1"}));
        QCOMPARE(list.currentRow(), 0);
        QCOMPARE(list.textOf(QStringLiteral("dbsort")), QStringLiteral("등록일"));
        QCOMPARE(list.textOf(QStringLiteral("h_k")), QStringLiteral("전체"));
        QCOMPARE(list.textOf(QStringLiteral("fd_name")), QStringLiteral("집주인"));
        QCOMPARE(list.grid()->font().pointSize(), 15);
        QCOMPARE(list.grid()->model()->index(0, 0).data().toString(), QStringLiteral("김민수"));
    }

    void relationButtons_data()
    {
        QTest::addColumn<QString>("relation");
        QTest::addColumn<QStringList>("nums");
        QTest::newRow("고객") << "고객" << QStringList{"4", "1"};
        QTest::newRow("가족") << "가족" << QStringList{"2"};
        QTest::newRow("관공서") << "관공서" << QStringList{"5"};
        QTest::newRow("기타") << "기타" << QStringList{};
    }
    void relationButtons()
    {
        QFETCH(QString, relation);
        QFETCH(QStringList, nums);
        CustomerList list;
        list.show();
        QPushButton *quick = nullptr;
        for (QPushButton *b : list.findChildren<QPushButton *>())
            if (b->text() == relation)
                quick = b;
        QVERIFY(quick);
        quick->click();
        QCOMPARE(list.textOf(QStringLiteral("h_k")), relation);
        QCOMPARE(numsOf(list), nums);
        // "전체" and "모두" bring every customer back and every control to its start.
        list.setTextOf(QStringLiteral("h_name"), QStringLiteral("김"));
        list.setTextOf(QStringLiteral("fd_value"), QStringLiteral("x"));
        list.setTextOf(QStringLiteral("fd_name"), QStringLiteral("부서"));
        button(&list, QStringLiteral("BitBtn8"))->click();
        QCOMPARE(numsOf(list).size(), 6);
        QCOMPARE(list.textOf(QStringLiteral("h_k")), QStringLiteral("전체"));
        QCOMPARE(list.textOf(QStringLiteral("h_name")), QString());
        QCOMPARE(list.textOf(QStringLiteral("fd_value")), QString());
        QCOMPARE(list.textOf(QStringLiteral("fd_name")), QStringLiteral("집주인"));
    }

    // The search boxes combine with "and"; each is a substring match.
    void search_data()
    {
        QTest::addColumn<QStringList>("settings"); // control, text, control, text, ...
        QTest::addColumn<QStringList>("nums");
        QTest::newRow("name") << QStringList{"h_name", "김"} << QStringList{"6", "2", "1"};
        QTest::newRow("name and relation") << QStringList{"h_name", "김", "h_k", "가족"} << QStringList{"2"};
        QTest::newRow("address") << QStringList{"h_addr", "강남구"} << QStringList{"1"};
        QTest::newRow("home phone") << QStringList{"h_phone", "333"} << QStringList{"3"};
        QTest::newRow("mobile") << QStringList{"h_handphone", "010-5"} << QStringList{"5"};
        QTest::newRow("empty relation entry") << QStringList{"h_k", ""} << QStringList{"6", "5", "4", "3", "2", "1"};
        QTest::newRow("quote in a name") << QStringList{"h_name", "O'N"} << QStringList{"4"};
        QTest::newRow("extra field on the landlord") << QStringList{"fd_value", "박주"} << QStringList{"6", "1"};
        QTest::newRow("extra field and name") << QStringList{"fd_value", "주인", "h_name", "이"} << QStringList{"3"};
        QTest::newRow("extra field other than a column")
            << QStringList{"fd_name", "아무거나", "fd_value", "박주"} << QStringList{"6", "5", "4", "3", "2", "1"};
        QTest::newRow("전체 in the extra value is a word") << QStringList{"fd_value", "전체"} << QStringList{};
    }
    void search()
    {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, nums);
        CustomerList list;
        list.show();
        for (int i = 0; i + 1 < settings.size(); i += 2)
            list.setTextOf(settings.at(i), settings.at(i + 1));
        list.findChild<QAbstractButton *>(QStringLiteral("sb_find"))->click();
        QCOMPARE(numsOf(list), nums);
        QVERIFY(env->dialogs->messages.isEmpty());
    }

    void conditionsInStatementOrder()
    {
        CustomerList list;
        const QStringList boxes = {"h_name",    "h_addr", "h_office",    "h_phone",
                                   "h_o_phone", "h_k",    "h_handphone", "h_house"};
        for (const QString &b : boxes)
            list.setTextOf(b, b.mid(2));
        list.setTextOf(QStringLiteral("fd_name"), QStringLiteral("주인전화"));
        list.setTextOf(QStringLiteral("fd_value"), QStringLiteral("v"));
        QCOMPARE(list.statement(),
                 QStringLiteral("select * from cust_table.db  where  cname like '%name%'\n"
                                " and caddr like '%addr%'\n and ccompany like '%office%'\n and cphone like '%phone%'\n"
                                " and cophone like '%o_phone%'\n and cgwange like '%k%'\n"
                                " and chandphone like '%handphone%'\n and cbld_type like '%house%'\n"
                                " and ophone  like '%v%' order by num desc "));
    }

    void ordering_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QString>("order");
        QTest::newRow("등록일") << "등록일"
                                << " order by num desc ";
        QTest::newRow("이름") << "이름"
                              << " order by cname";
        QTest::newRow("핸드폰") << "핸드폰"
                                << " order by chandphone";
        QTest::newRow("집전화") << "집전화"
                                << " order by cphone";
        QTest::newRow("이사일") << "이사일"
                                << " order by cmove_out_date";
        QTest::newRow("입주일") << "입주일"
                                << " order by cmove_into_date";
        QTest::newRow("a column name") << "Caddr"
                                       << " order by Caddr";
        QTest::newRow("a column list") << "cgwange, Num desc"
                                       << " order by cgwange, Num desc";
        QTest::newRow("no such column") << "Caddr2"
                                        << " order by num desc ";
        QTest::newRow("text that is no column") << "아무거나"
                                                << " order by num desc ";
        QTest::newRow("a statement") << "num; delete from cust_table"
                                     << " order by num desc ";
        QTest::newRow("empty") << ""
                               << " order by num desc ";
    }
    void ordering()
    {
        QFETCH(QString, sort);
        QFETCH(QString, order);
        QCOMPARE(CustomerList::ordering(sort), order);
    }

    // A sort text typed by hand never breaks the search.
    void typedSortText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("nums");
        QTest::newRow("no column") << "주소순" << QStringList{"6", "5", "4", "3", "2", "1"};
        QTest::newRow("a column") << "chandphone desc" << QStringList{"6", "5", "3", "2", "1", "4"};
    }
    void typedSortText()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, nums);
        CustomerList list;
        list.show();
        list.findChild<QComboBox *>(QStringLiteral("dbsort"))->setEditText(typed);
        QCOMPARE(numsOf(list), nums);
        QVERIFY(env->dialogs->messages.isEmpty());
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from cust_table")), QStringLiteral("6"));
    }

    void sortBoxOrders_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("nums");
        QTest::newRow("핸드폰") << "핸드폰" << QStringList{"4", "1", "2", "3", "5", "6"};
        QTest::newRow("집전화") << "집전화" << QStringList{"1", "2", "4", "5", "3", "6"};
    }
    void sortBoxOrders()
    {
        QFETCH(QString, entry);
        QFETCH(QStringList, nums);
        CustomerList list;
        list.show();
        auto *sort = list.findChild<QComboBox *>(QStringLiteral("dbsort"));
        sort->setCurrentIndex(sort->findText(entry));
        QCOMPARE(numsOf(list), nums);
    }

    // A title click orders by that column and leaves its name in the sort box for the next search.
    void titleClickKeepsTheOrder()
    {
        CustomerList list;
        list.show();
        int addrColumn = -1;
        for (int i = 0; i < list.model()->columnCount(); ++i)
            if (list.model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString() == QStringLiteral("주소"))
                addrColumn = i;
        QVERIFY(addrColumn >= 0);
        QHeaderView *header = list.grid()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(addrColumn) + 5, header->height() / 2));
        QCOMPARE(list.textOf(QStringLiteral("dbsort")), QStringLiteral("Caddr"));
        QList<const Row *> rows;
        for (const Row &r : kRows)
            rows << &r;
        std::sort(rows.begin(), rows.end(),
                  [](const Row *a, const Row *b) { return QString::fromUtf8(a->addr) < QString::fromUtf8(b->addr); });
        QStringList expected, customersOnly;
        for (const Row *r : rows) {
            expected << QString::number(r->num);
            if (QString::fromUtf8(r->relation) == QStringLiteral("고객"))
                customersOnly << QString::number(r->num);
        }
        QVERIFY(expected != QStringList({"6", "5", "4", "3", "2", "1"})); // differs from the newest-first order
        QCOMPARE(numsOf(list), expected);
        button(&list, QStringLiteral("BitBtn1"))->click(); // "고객"
        QCOMPARE(list.textOf(QStringLiteral("dbsort")), QStringLiteral("Caddr"));
        QCOMPARE(numsOf(list), customersOnly);
    }

    // The window's navigator moves the list's own query; the list comes back on the last one shown.
    void editReturnsToTheLastCustomerShown()
    {
        CustomerList list;
        list.show();
        list.setCurrentRow(2); // Num 4
        QCOMPARE(currentNum(list), QStringLiteral("4"));
        QString shownFirst, shownLast;
        env->modal->handlers << [&](QDialog *d) {
            auto *w = qobject_cast<CustomerWindow *>(d);
            QVERIFY(w);
            shownFirst = w->textOf(QStringLiteral("Cname"));
            w->setTextOf(QStringLiteral("Cbuseo"), QStringLiteral("총무부"));
            env->dialogs->answers = {true};
            w->SaveClick();
            w->findChild<QAbstractButton *>(QStringLiteral("NavNext"))->click();
            w->findChild<QAbstractButton *>(QStringLiteral("NavNext"))->click();
            shownLast = w->textOf(QStringLiteral("Cname"));
            button(w, QStringLiteral("ExitBtn"))->click();
        };
        QTest::mouseClick(button(&list, QStringLiteral("ApartM")), Qt::LeftButton);
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmCust")});
        QCOMPARE(shownFirst, QStringLiteral("O'Neil"));
        QCOMPARE(sqlValue(QStringLiteral("select Cbuseo from cust_table where Num = 4")), QStringLiteral("총무부"));
        QCOMPARE(shownLast, QStringLiteral("김영희"));
        QCOMPARE(currentNum(list), QStringLiteral("2"));
        QCOMPARE(env->dm->qry_cust.fieldByName(QStringLiteral("Num")).asString(), QStringLiteral("2"));
    }

    void editOfADeletedCustomerStandsOnTheFirstRow()
    {
        CustomerList list;
        list.show();
        list.setCurrentRow(3);
        env->modal->handlers << [&](QDialog *d) {
            env->dialogs->answers = {true};
            button(d, QStringLiteral("DelCont"))->click();
        };
        doubleClick(list.grid(), 3);
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmCust")});
        QCOMPARE(numsOf(list), (QStringList{"6", "5", "4", "2", "1"}));
        QCOMPARE(list.currentRow(), 0);
    }

    void registerShowsTheNewCustomer()
    {
        CustomerList list;
        list.show();
        button(&list, QStringLiteral("BitBtn2"))->click(); // "가족"
        env->modal->handlers << [&](QDialog *d) {
            auto *w = qobject_cast<CustomerWindow *>(d);
            QVERIFY(w);
            QCOMPARE(w->Mode, QStringLiteral("Append"));
            w->setTextOf(QStringLiteral("Cname"), QStringLiteral("새가족"));
            w->setTextOf(QStringLiteral("CGwange"), QStringLiteral("가족"));
            env->dialogs->answers = {false};
            w->SaveClick();
        };
        button(&list, QStringLiteral("ApartA"))->click();
        // The last search runs again: still only the family, the new one first.
        QCOMPARE(numsOf(list), (QStringList{"7", "2"}));
        QCOMPARE(list.currentRow(), 0);
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        CustomerList list;
        list.show();
        list.setCurrentRow(1); // Num 5
        env->dialogs->answers = {yes};
        button(&list, QStringLiteral("ApartD"))->click();
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("거래처 정보를 삭제 하시겠습니까?")});
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from cust_table where Num = 5")),
                 yes ? QStringLiteral("0") : QStringLiteral("1"));
        QCOMPARE(numsOf(list).size(), yes ? 5 : 6);
    }

    void editAndDeleteOnAnEmptyList()
    {
        CustomerList list;
        list.show();
        list.setTextOf(QStringLiteral("h_name"), QStringLiteral("없는 이름"));
        list.sb_findClick();
        QCOMPARE(list.model()->rowCount(), 0);
        list.ApartMClick();
        list.ApartDClick();
        QVERIFY(env->modal->opened.isEmpty());
        QVERIFY(env->dialogs->messages.isEmpty());
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from cust_table")), QStringLiteral("6"));
    }

    // The list sheet reads the rows as the list holds them.
    void printTheRowsListed()
    {
        QStringList printed;
        sheets::registerSheet(QStringLiteral("TCustListPrtSrc"), [&](QWidget *) {
            SqlQuery &q = env->dm->qry_cust;
            for (q.first(); !q.eof(); q.next())
                printed << q.fieldByName(QStringLiteral("Num")).asString();
        });
        CustomerList list;
        list.show();
        list.setTextOf(QStringLiteral("h_name"), QStringLiteral("김"));
        list.sb_findClick();
        list.setCurrentRow(1);
        button(&list, QStringLiteral("ApartP"))->click();
        sheets::registerSheet(QStringLiteral("TCustListPrtSrc"), [](QWidget *) {});
        QCOMPARE(printed, (QStringList{"6", "2", "1"}));
        QCOMPARE(env->dm->qry_cust.fieldByName(QStringLiteral("Num")).asString(), QStringLiteral("2"));
    }

    // ---- the pick list and the customer lookup of the entry windows ----

    void pickListShowsTheMatches()
    {
        env->dm->CustSearchName = QStringLiteral("김");
        {
            FindCustomerList pick;
            QCOMPARE(pick.objectName(), QStringLiteral("TfmFindCustlist"));
            QCOMPARE(pick.windowTitle(), QStringLiteral("고객검색결과"));
            QCOMPARE(pick.size(), QSize(640, 570));
            QCOMPARE(pick.FindName, QStringLiteral("김"));
            pick.show();
            QStringList names;
            for (int row = 0; row < pick.model()->rowCount(); ++row)
                names << pick.model()->value(row, QStringLiteral("Cname"));
            names.sort();
            QCOMPARE(names, (QStringList{"김민수", "김영희", "김철수"}));
            QCOMPARE(pick.model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("주소"));
        }
        // Closed without a double click: nothing picked, and the name is forgotten.
        QCOMPARE(env->dm->PickedCustNum, QString());
        QCOMPARE(env->dm->CustSearchName, QString());
    }

    // An empty name, or the word "전체", lists every customer.
    void pickListWithoutAName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("전체") << "전체";
    }
    void pickListWithoutAName()
    {
        QFETCH(QString, name);
        env->dm->CustSearchName = name;
        FindCustomerList pick;
        pick.show();
        QCOMPARE(pick.model()->rowCount(), 6);
    }

    void entryWindowLookup_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pick"); // the name double-clicked in the pick list, "" = no pick list
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("result"); // name, home, office, mobile afterwards
        const QString change = QStringLiteral("현 의뢰인정보를 변경하시겠습니까?");
        QTest::newRow("no match") << "홍"
                                  << "" << true << QStringList{QStringLiteral("등록된 고객님이 아닙니다.")}
                                  << QStringList{"홍", "02-000", "02-999", "010-000"};
        QTest::newRow("one match, yes") << "이민"
                                        << "" << true << QStringList{change}
                                        << QStringList{"이민수", "051-333", "", "010-3"};
        QTest::newRow("one match, no") << "이민"
                                       << "" << false << QStringList{change}
                                       << QStringList{"이민", "02-000", "02-999", "010-000"};
        QTest::newRow("several, picked") << "김"
                                         << "김영희" << true << QStringList{change}
                                         << QStringList{"김영희", "02-222", "", "010-2"};
        QTest::newRow("several, closed") << "김"
                                         << "" << true << QStringList{}
                                         << QStringList{"김", "02-000", "02-999", "010-000"};
    }
    void entryWindowLookup()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pick);
        QFETCH(bool, yes);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, result);
        registerListingWindows();
        std::unique_ptr<QDialog> d(windows::create(QStringLiteral("TfmApt"), nullptr));
        auto *entry = qobject_cast<EntryWindow *>(d.get());
        QVERIFY(entry);
        entry->FormShow();
        const QStringList owner = {"Sales_person", "Sales_pnum", "Sales_onum", "Sales_cnum"};
        const QStringList before = {typed, "02-000", "02-999", "010-000"};
        for (int i = 0; i < 4; ++i)
            entry->setTextOf(owner.at(i), before.at(i));
        const bool several = typed == QStringLiteral("김");
        if (several)
            env->modal->handlers << [&](QDialog *window) {
                auto *list = qobject_cast<FindCustomerList *>(window);
                QVERIFY(list);
                if (pick.isEmpty()) {
                    window->reject();
                    return;
                }
                const int row = rowOfName(list->model(), pick);
                QVERIFY(row >= 0);
                doubleClick(list->grid(), row);
                QVERIFY(!window->isVisible());
            };
        env->dialogs->answers = {yes};
        entry->custSearch(false);
        QCOMPARE(env->modal->opened, several ? QStringList{QStringLiteral("TfmFindCustlist")} : QStringList());
        QCOMPARE(env->dialogs->messages, messages);
        QStringList after;
        for (const QString &c : owner)
            after << entry->textOf(c);
        QCOMPARE(after, result);
        QCOMPARE(env->dm->CustSearchName, several ? QString() : typed);
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestCustomerList)
#include "test_customer_list.moc"
