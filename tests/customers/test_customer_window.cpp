// The customer window driven through the seams on a temporary data folder: its modes, the duplicate
// question, numbering, quoting, delete, print, navigator, keys and layout, and registration from a
// listing entry window.
#include "customers/customer_window.h"
#include "customers/customer_windows.h"
#include "data/db_error.h"
#include "listings/entry_window.h"
#include "support/scripted_env.h"
#include "ui/sheet_registry.h"
#include "ui/window_registry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

namespace {

const QString kDuplicate = QStringLiteral("이미 등록된 고객입니다! 등록하시겠습니까?");
const QString kRegistered = QStringLiteral(" * 등록되었습니다, 감사합니다, 계속 등록하시겠습니까? ");
const QString kUpdated = QStringLiteral(" * 수정되었습니다, 감사합니다, 다른 항목을 수정하시겠습니까? ");
const QString kDeleteQuestion = QStringLiteral("거래처 정보를 삭제 하시겠습니까?");
const QString kListingPrint = QStringLiteral("select * from mamul_table.db where Id_seq = :Id_seq");

void insertCustomer(int num, const QString &name, const QString &phone, const QString &company = QString())
{
    execSql(QStringLiteral("insert into cust_table (Num, Cname, Cphone, CCompany) values (%1, '%2', '%3', '%4')")
                .arg(num)
                .arg(name, phone, company));
}

int customers(const QString &where = QString())
{
    return sqlValue(QStringLiteral("select count(*) from cust_table") +
                    (where.isEmpty() ? QString() : QStringLiteral(" where ") + where))
        .toInt();
}

QString column(int num, const QString &col)
{
    return sqlValue(QStringLiteral("select %1 from cust_table where Num = %2").arg(col).arg(num));
}

QPushButton *button(QWidget *w, const QString &name)
{
    return w->findChild<QPushButton *>(name);
}

} // namespace

class TestCustomerWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder();
        registerCustomerWindows();
    }
    void cleanup() { env.reset(); }

    void labels_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        const char *const pairs[][2] = {
            {"Cname", "이    름"},           {"CCompany", "회    사"},       {"Cophone", "회사전화"},
            {"CGwange", "관    계"},         {"Cgikchek", "직    책"},       {"Cfax", "F  A  X"},
            {"Cphone", "전    화"},          {"Cbuseo", "부    서"},         {"Chandphone", "핸 드 폰"},
            {"Caddr", "주    소"},           {"Chomepage", "홈페이지"},      {"OEmail", "이 메 일"},
            {"Cliving_type", "주거형태"},    {"Cbld_type", "건물/이름"},     {"Oname", "집 주 인"},
            {"Cmove_into_date", "입 주 일"}, {"Cmove_out_date", "이 사 일"}, {"Ophone", "주인전화"},
            {"Ohandphone", "주인 핸드폰"},
        };
        for (const auto &p : pairs)
            QTest::newRow(p[0]) << QString::fromLatin1(p[0]) << QString::fromUtf8(p[1]);
    }
    // Every input is announced by its caption.
    void labels()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        CustomerWindow w;
        QWidget *input = w.findChild<QWidget *>(control);
        QVERIFY(input);
        QStringList captions;
        for (QLabel *l : w.findChildren<QLabel *>())
            if (l->buddy() == input)
                captions << l->text();
        QCOMPARE(captions, QStringList{caption});
    }

    void windowParts()
    {
        CustomerWindow w;
        QCOMPARE(w.objectName(), QStringLiteral("TfmCust"));
        QCOMPARE(button(&w, QStringLiteral("Save"))->text(), QStringLiteral("저 장(&S)"));
        QCOMPARE(button(&w, QStringLiteral("Print"))->text(), QStringLiteral("출 력(&P)"));
        QCOMPARE(button(&w, QStringLiteral("DelCont"))->text(), QStringLiteral("삭 제(&D)"));
        QCOMPARE(button(&w, QStringLiteral("ExitBtn"))->text(), QStringLiteral("종 료(&X)"));
        QStringList groups;
        for (QGroupBox *g : w.findChildren<QGroupBox *>())
            groups << g->title();
        QCOMPARE(groups, (QStringList{QStringLiteral("  * 개인정보   "), QStringLiteral("  * 주거형태   "),
                                      QStringLiteral("  * 메모   ")}));
        auto *relation = w.findChild<QComboBox *>(QStringLiteral("CGwange"));
        QStringList items;
        for (int i = 0; i < relation->count(); ++i)
            items << relation->itemText(i);
        QCOMPARE(items, (QStringList{"고객", "가족", "친척", "친구", "관공서", "기타"}));
        QVERIFY(w.findChild<QPlainTextEdit *>(QStringLiteral("CMemo")));
        QVERIFY(w.findChild<QWidget *>(QStringLiteral("mamul_nav")));
        // The caller sets the mode by name.
        QVERIFY(w.setProperty("Mode", QStringLiteral("Append2")));
        QCOMPARE(w.Mode, QStringLiteral("Append2"));
        QCOMPARE(w.property("Mode").toString(), QStringLiteral("Append2"));
    }

    // Row by row through the personal group, then the housing group, the memo and the buttons.
    void tabOrder()
    {
        CustomerWindow w;
        const QStringList expected = {
            "Cname",        "CCompany",  "Cophone",    "CGwange",         "Cgikchek",       "Cfax",
            "Cphone",       "Cbuseo",    "Chandphone", "Caddr",           "Chomepage",      "OEmail",
            "Cliving_type", "Cbld_type", "Oname",      "Cmove_into_date", "Cmove_out_date", "Ophone",
            "Ohandphone",   "CMemo",     "Save",       "Print",           "DelCont",        "ExitBtn"};
        QStringList seen;
        QWidget *at = w.findChild<QWidget *>(QStringLiteral("Cname"));
        for (int guard = 0; at && guard < 200 && seen.size() < expected.size(); ++guard) {
            if (expected.contains(at->objectName()) && !seen.contains(at->objectName()))
                seen << at->objectName();
            at = at->nextInFocusChain();
        }
        QCOMPARE(seen, expected);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("enter in the name") << "Cname" << int(Qt::Key_Return) << "CCompany";
        QTest::newRow("down at the row end") << "Cophone" << int(Qt::Key_Down) << "CGwange";
        QTest::newRow("up in the relation") << "CGwange" << int(Qt::Key_Up) << "Cophone";
        QTest::newRow("enter in the relation") << "CGwange" << int(Qt::Key_Enter) << "Cgikchek";
        QTest::newRow("enter in the address") << "Caddr" << int(Qt::Key_Return) << "Chomepage";
        QTest::newRow("down in a date") << "Cmove_into_date" << int(Qt::Key_Down) << "Cmove_out_date";
        QTest::newRow("enter in a date") << "Cmove_out_date" << int(Qt::Key_Return) << "Ophone";
    }
    void keys()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        CustomerWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *start = w.control(from);
        start->setFocus();
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key));
        QWidget *now = QApplication::focusWidget();
        if (now && qobject_cast<QComboBox *>(now->parentWidget()))
            now = now->parentWidget();
        QVERIFY(now);
        QCOMPARE(now->objectName(), to);
    }

    // Shown in each mode, the window starts from what its mode asks for.
    void show_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("keepsFive");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Append") << "Append" << false << "고객 등록";
        QTest::newRow("Append2") << "Append2" << true << "고객 등록";
    }
    void show()
    {
        QFETCH(QString, mode);
        QFETCH(bool, keepsFive);
        QFETCH(QString, caption);
        std::unique_ptr<QDialog> d(windows::create(QStringLiteral("TfmCust"), nullptr));
        auto *w = qobject_cast<CustomerWindow *>(d.get());
        QVERIFY(w);
        d->setProperty("Mode", mode);
        for (const QString &c : CustomerWindow::columns())
            w->setTextOf(c, QStringLiteral("이전 값 ") + c);
        QStringList problems;
        env->modal->handlers << [&](QDialog *) {
            const QStringList five = {"Cname", "Cphone", "Cophone", "Chandphone", "Caddr"};
            for (const QString &c : CustomerWindow::columns()) {
                QString expected;
                if (c == QLatin1String("CGwange"))
                    expected = QStringLiteral("고객");
                else if (c == QLatin1String("Chomepage"))
                    expected = QStringLiteral("http://");
                else if (keepsFive && five.contains(c))
                    expected = QStringLiteral("이전 값 ") + c;
                if (w->textOf(c) != expected)
                    problems << c + QStringLiteral(": ") + w->textOf(c);
            }
            if (w->windowTitle() != caption)
                problems << w->windowTitle();
            if (w->focusWidget() != w->control(QStringLiteral("Cname")))
                problems << QStringLiteral("focus");
        };
        seams::modal().run(d.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(", "))));
    }

    // "Edit" shows the current row of the customer query, whatever the case of its column names.
    void showEdit()
    {
        QStringList sets;
        for (const QString &c : CustomerWindow::columns())
            sets << QStringLiteral("'값 %1'").arg(c);
        execSql(QStringLiteral("insert into cust_table (Num, %1) values (4, %2)")
                    .arg(CustomerWindow::columns().join(QLatin1Char(',')), sets.join(QLatin1Char(','))));
        insertCustomer(5, QStringLiteral("다른 고객"), QString());
        env->dm->qry_cust.setSql(QStringLiteral("select * from cust_table order by Num"));
        env->dm->qry_cust.open();
        CustomerWindow w;
        w.Mode = QStringLiteral("Edit");
        w.CustNum = QStringLiteral("4");
        w.show();
        for (const QString &c : CustomerWindow::columns())
            QCOMPARE(w.textOf(c), QStringLiteral("값 %1").arg(c));
        QCOMPARE(w.windowTitle(), QStringLiteral("고객 조회 수정"));
        QCOMPARE(w.pos(), QPoint(10, 60));
    }

    void duplicateQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no stores nothing") << false;
        QTest::newRow("yes stores a second row") << true;
    }
    void duplicateQuestion()
    {
        QFETCH(bool, yes);
        insertCustomer(3, QStringLiteral("김철수"), QStringLiteral("02-111-1111"));
        std::unique_ptr<QDialog> d(windows::create(QStringLiteral("TfmCust"), nullptr));
        auto *w = qobject_cast<CustomerWindow *>(d.get());
        bool closed = false;
        env->modal->handlers << [&](QDialog *) {
            w->setTextOf(QStringLiteral("Cname"), QStringLiteral("김철수"));
            w->setTextOf(QStringLiteral("Cphone"), QStringLiteral("02-111-1111"));
            w->setTextOf(QStringLiteral("CCompany"), QStringLiteral("새 회사"));
            env->dialogs->answers = {yes, false};
            button(w, QStringLiteral("Save"))->click();
            closed = !w->isVisible();
        };
        seams::modal().run(d.get());
        QVERIFY(closed);
        if (yes) {
            QCOMPARE(env->dialogs->messages, (QStringList{kDuplicate, kRegistered}));
            QCOMPARE(customers(), 2);
            QCOMPARE(column(4, QStringLiteral("Cname")), QStringLiteral("김철수"));
            QCOMPARE(column(4, QStringLiteral("CCompany")), QStringLiteral("새 회사"));
            QCOMPARE(w->CustNum, QStringLiteral("4"));
        } else {
            QCOMPARE(env->dialogs->messages, QStringList{kDuplicate});
            QCOMPARE(customers(), 1);
            QCOMPARE(w->CustNum, QString());
        }
    }

    // Only the same name with the same home phone is a duplicate.
    void notADuplicate_data()
    {
        QTest::addColumn<QString>("storedPhone");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedPhone");
        QTest::newRow("other phone") << "02-111-1111"
                                     << "김철수"
                                     << "02-999-9999";
        QTest::newRow("stored phone empty") << ""
                                            << "김철수"
                                            << "02-111-1111";
        QTest::newRow("typed phone empty") << "02-111-1111"
                                           << "김철수"
                                           << "";
        QTest::newRow("name differs only by a blank") << "02-111-1111"
                                                      << "김철수 "
                                                      << "02-111-1111";
    }
    void notADuplicate()
    {
        QFETCH(QString, storedPhone);
        QFETCH(QString, typedName);
        QFETCH(QString, typedPhone);
        insertCustomer(1, QStringLiteral("김철수"), storedPhone);
        CustomerWindow w;
        w.show();
        w.setTextOf(QStringLiteral("Cname"), typedName);
        w.setTextOf(QStringLiteral("Cphone"), typedPhone);
        env->dialogs->answers = {false};
        w.SaveClick();
        QCOMPARE(env->dialogs->messages, QStringList{kRegistered});
        QCOMPARE(customers(), 2);
        // Stored exactly as typed, trailing blank included.
        QCOMPARE(column(2, QStringLiteral("Cname")), typedName);
        QCOMPARE(column(2, QStringLiteral("Cphone")), typedPhone);
    }

    void editNeverAsks()
    {
        insertCustomer(1, QStringLiteral("김철수"), QStringLiteral("02-111"));
        insertCustomer(2, QStringLiteral("이영희"), QStringLiteral("02-222"));
        env->dm->qry_cust.setSql(QStringLiteral("select * from cust_table where Num = 2"));
        env->dm->qry_cust.open();
        CustomerWindow w;
        w.Mode = QStringLiteral("Edit");
        w.CustNum = QStringLiteral("2");
        w.show();
        w.setTextOf(QStringLiteral("Cname"), QStringLiteral("김철수"));
        w.setTextOf(QStringLiteral("Cphone"), QStringLiteral("02-111"));
        w.setTextOf(QStringLiteral("Cfax"), QStringLiteral("02-333"));
        env->dialogs->answers = {true};
        w.SaveClick();
        QCOMPARE(env->dialogs->messages, QStringList{kUpdated});
        QVERIFY(w.isVisible()); // Yes: stays open for more changes
        QCOMPARE(customers(), 2);
        QCOMPARE(column(2, QStringLiteral("Cname")), QStringLiteral("김철수"));
        QCOMPARE(column(2, QStringLiteral("Cfax")), QStringLiteral("02-333"));
        QCOMPARE(column(1, QStringLiteral("Cfax")), QString());
        QCOMPARE(w.CustNum, QStringLiteral("2"));
    }

    void editWithoutACustomerStoresNothing()
    {
        insertCustomer(1, QStringLiteral("김철수"), QStringLiteral("02-111"));
        CustomerWindow w;
        w.Mode = QStringLiteral("Edit");
        w.show();
        w.setTextOf(QStringLiteral("Cname"), QStringLiteral("새 이름"));
        w.SaveClick();
        QCOMPARE(env->dialogs->messages.size(), 1);
        QVERIFY(env->dialogs->messages.first().contains(QStringLiteral("고객")));
        QCOMPARE(column(1, QStringLiteral("Cname")), QStringLiteral("김철수"));
        QCOMPARE(customers(), 1);
    }

    void numbering_data()
    {
        QTest::addColumn<QList<int>>("existing");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty table") << QList<int>{} << 1;
        QTest::newRow("highest plus one") << QList<int>{1, 2, 7} << 8;
        QTest::newRow("one row") << QList<int>{41} << 42;
    }
    void numbering()
    {
        QFETCH(QList<int>, existing);
        QFETCH(int, expected);
        for (int n : existing)
            insertCustomer(n, QStringLiteral("고객%1").arg(n), QString());
        CustomerWindow w;
        w.show();
        w.setTextOf(QStringLiteral("Cname"), QStringLiteral("새 고객"));
        env->dialogs->answers = {false};
        w.SaveClick();
        QCOMPARE(w.CustNum, QString::number(expected));
        QCOMPARE(sqlValue(QStringLiteral("select Num from cust_table where Cname = '새 고객'")).toDouble(),
                 double(expected));
    }

    void deletedHighestNumberIsGivenAgain()
    {
        insertCustomer(1, QStringLiteral("가"), QString());
        insertCustomer(2, QStringLiteral("나"), QString());
        env->dm->qry_cust.setSql(QStringLiteral("select * from cust_table where Num = 2"));
        env->dm->qry_cust.open();
        CustomerWindow edit;
        edit.Mode = QStringLiteral("Edit");
        edit.CustNum = QStringLiteral("2");
        edit.show();
        env->dialogs->answers = {true};
        edit.DelContClick();
        QCOMPARE(customers(), 1);
        CustomerWindow w;
        w.show();
        w.setTextOf(QStringLiteral("Cname"), QStringLiteral("다"));
        env->dialogs->answers = {false};
        w.SaveClick();
        QCOMPARE(w.CustNum, QStringLiteral("2"));
    }

    // Yes after a registration keeps the window as it is; saving it again is a duplicate.
    void continueAfterRegistering()
    {
        CustomerWindow w;
        w.show();
        w.setTextOf(QStringLiteral("Cname"), QStringLiteral("박민수"));
        w.setTextOf(QStringLiteral("Cphone"), QStringLiteral("031-1"));
        w.setTextOf(QStringLiteral("Cbuseo"), QStringLiteral("영업부"));
        env->dialogs->answers = {true};
        w.SaveClick();
        QVERIFY(w.isVisible());
        QCOMPARE(w.CustNum, QStringLiteral("1"));
        QCOMPARE(w.textOf(QStringLiteral("Cname")), QStringLiteral("박민수"));
        QCOMPARE(w.textOf(QStringLiteral("Cbuseo")), QStringLiteral("영업부"));
        env->dialogs->messages.clear();
        env->dialogs->answers = {true, false};
        w.SaveClick();
        QCOMPARE(env->dialogs->messages, (QStringList{kDuplicate, kRegistered}));
        QVERIFY(!w.isVisible());
        QCOMPARE(w.CustNum, QStringLiteral("2"));
        QCOMPARE(customers(QStringLiteral("Cname = '박민수' and Cphone = '031-1' and Cbuseo = '영업부'")), 2);
    }

    // Every column holds what was typed into its own control, quotes and line breaks included.
    void storedAsTypedAndFoundAgain()
    {
        CustomerWindow w;
        w.show();
        QHash<QString, QString> typed;
        for (const QString &c : CustomerWindow::columns())
            typed.insert(c, QStringLiteral("O'Neil's %1 \"값\"").arg(c));
        typed[QStringLiteral("Cname")] = QStringLiteral("O'Neil 김");
        typed[QStringLiteral("Cmove_into_date")] = QStringLiteral("2026-12-09");
        typed[QStringLiteral("Cmove_out_date")] = QString();
        typed[QStringLiteral("CMemo")] = QStringLiteral("첫 줄 'a'\n둘째 줄 \"b\"");
        for (auto it = typed.begin(); it != typed.end(); ++it)
            w.setTextOf(it.key(), it.value());
        env->dialogs->answers = {true};
        w.SaveClick();
        QCOMPARE(w.CustNum, QStringLiteral("1"));
        for (const QString &c : CustomerWindow::columns())
            QCOMPARE(column(1, c), typed.value(c));
        QCOMPARE(column(1, QStringLiteral("Cemail")), QString());

        // Saved again with the same name and phone: the duplicate question finds it.
        env->dialogs->messages.clear();
        env->dialogs->answers = {false};
        w.SaveClick();
        QCOMPARE(env->dialogs->messages, QStringList{kDuplicate});
        QCOMPARE(customers(), 1);

        // The customer lookup of the entry windows finds it by part of its name.
        env->dm->CustSearchName = QStringLiteral("O'Ne");
        env->dm->FindCustomerByName();
        QCOMPARE(env->dm->PickedCustNum, QStringLiteral("1"));
        QCOMPARE(env->dm->PickedCustName, QStringLiteral("O'Neil 김"));
        QCOMPARE(env->dm->PickedCustPhone, typed.value(QStringLiteral("Cphone")));

        // An edit keeps quotes too.
        env->dm->qry_cust.setSql(QStringLiteral("select * from cust_table"));
        env->dm->qry_cust.open();
        CustomerWindow edit;
        edit.Mode = QStringLiteral("Edit");
        edit.CustNum = QStringLiteral("1");
        edit.show();
        QCOMPARE(edit.textOf(QStringLiteral("CMemo")), typed.value(QStringLiteral("CMemo")));
        edit.setTextOf(QStringLiteral("Caddr"), QStringLiteral("'따옴표' 주소"));
        env->dialogs->answers = {false};
        edit.SaveClick();
        QCOMPARE(column(1, QStringLiteral("Caddr")), QStringLiteral("'따옴표' 주소"));
        QCOMPARE(column(1, QStringLiteral("Cname")), QStringLiteral("O'Neil 김"));
    }

    void deleteUnsavedCustomer()
    {
        insertCustomer(1, QStringLiteral("김철수"), QString());
        CustomerWindow w;
        w.show();
        w.setTextOf(QStringLiteral("Cname"), QStringLiteral("새 고객"));
        button(&w, QStringLiteral("DelCont"))->click();
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("저장되지 않은 고객은 삭제할 수 없습니다.")});
        QVERIFY(w.isVisible());
        QCOMPARE(customers(), 1);
    }

    void deleteSavedCustomer_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteSavedCustomer()
    {
        QFETCH(bool, yes);
        insertCustomer(1, QStringLiteral("김철수"), QString());
        insertCustomer(2, QStringLiteral("이영희"), QString());
        env->dm->qry_cust.setSql(QStringLiteral("select * from cust_table where Num = 2"));
        env->dm->qry_cust.open();
        CustomerWindow w;
        w.Mode = QStringLiteral("Edit");
        w.CustNum = QStringLiteral("2");
        w.show();
        env->dialogs->answers = {yes};
        button(&w, QStringLiteral("DelCont"))->click();
        QCOMPARE(env->dialogs->messages, QStringList{kDeleteQuestion});
        QCOMPARE(w.isVisible(), !yes);
        QCOMPARE(customers(QStringLiteral("Num = 2")), yes ? 0 : 1);
        QCOMPARE(customers(QStringLiteral("Num = 1")), 1);
    }

    // The sheet reads the stored row from the print query, which gets its listing statement back.
    void print()
    {
        insertCustomer(1, QStringLiteral("김철수"), QStringLiteral("02-1"));
        insertCustomer(2, QStringLiteral("이영희"), QStringLiteral("02-2"));
        QStringList printed;
        sheets::registerSheet(QStringLiteral("TCustConPrtScr"), [&](QWidget *) {
            SqlQuery &q = env->dm->qry_prt_mamul;
            printed << q.fieldByName(QStringLiteral("Cname")).asString() + QLatin1Char('/') +
                           QString::number(q.recordCount());
        });
        env->dm->qry_cust.setSql(QStringLiteral("select * from cust_table where Num = 2"));
        env->dm->qry_cust.open();
        CustomerWindow w;
        w.Mode = QStringLiteral("Edit");
        w.CustNum = QStringLiteral("2");
        w.show();
        w.setTextOf(QStringLiteral("Cname"), QStringLiteral("저장 안 된 이름"));
        button(&w, QStringLiteral("Print"))->click();
        QCOMPARE(printed, QStringList{QStringLiteral("이영희/1")});
        QCOMPARE(env->dm->qry_prt_mamul.sql(), kListingPrint);
        QVERIFY(!env->dm->qry_prt_mamul.isOpen());

        // A failing sheet still leaves the listing statement behind.
        sheets::registerSheet(QStringLiteral("TCustConPrtScr"), [](QWidget *) { throw DbError(QStringLiteral("x")); });
        QVERIFY_THROWS_EXCEPTION(DbError, w.PrintClick());
        QCOMPARE(env->dm->qry_prt_mamul.sql(), kListingPrint);

        // A customer not yet saved has no stored row to print.
        sheets::registerSheet(QStringLiteral("TCustConPrtScr"), [&](QWidget *) { printed << QStringLiteral("?"); });
        CustomerWindow fresh;
        fresh.show();
        fresh.PrintClick();
        QCOMPARE(printed.size(), 1);
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("저장되지 않은 고객은 출력할 수 없습니다.")});
        QCOMPARE(env->dm->qry_prt_mamul.sql(), kListingPrint);
        sheets::registerSheet(QStringLiteral("TCustConPrtScr"), [](QWidget *) {});
    }

    void navigator_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("num");
        QTest::newRow("next") << "NavNext"
                              << "3";
        QTest::newRow("prior") << "NavPrior"
                               << "1";
        QTest::newRow("last") << "NavLast"
                              << "4";
        QTest::newRow("first") << "NavFirst"
                               << "1";
    }
    void navigator()
    {
        QFETCH(QString, button);
        QFETCH(QString, num);
        for (int n : {1, 2, 3, 4})
            insertCustomer(n, QStringLiteral("고객%1").arg(n), QStringLiteral("02-%1").arg(n),
                           QStringLiteral("회사%1").arg(n));
        SqlQuery &q = env->dm->qry_cust;
        q.setSql(QStringLiteral("select * from cust_table order by Num"));
        q.open();
        q.moveTo(1);
        // In "Edit" the window shows the customer the navigator moved to.
        CustomerWindow w;
        w.Mode = QStringLiteral("Edit");
        w.CustNum = QStringLiteral("2");
        w.show();
        QCOMPARE(w.textOf(QStringLiteral("Cname")), QStringLiteral("고객2"));
        w.findChild<QWidget *>(QStringLiteral("mamul_nav"))->findChild<QAbstractButton *>(button)->click();
        QCOMPARE(w.CustNum, num);
        QCOMPARE(w.textOf(QStringLiteral("Cname")), QStringLiteral("고객") + num);
        QCOMPARE(w.textOf(QStringLiteral("CCompany")), QStringLiteral("회사") + num);

        // In "Append" it only empties the window.
        q.moveTo(1);
        CustomerWindow add;
        add.show();
        add.setTextOf(QStringLiteral("Cname"), QStringLiteral("입력 중"));
        add.setTextOf(QStringLiteral("Cfax"), QStringLiteral("입력 중"));
        add.findChild<QAbstractButton *>(button)->click();
        QCOMPARE(add.CustNum, num);
        QCOMPARE(add.textOf(QStringLiteral("Cname")), QString());
        QCOMPARE(add.textOf(QStringLiteral("Cfax")), QString());
        QCOMPARE(add.textOf(QStringLiteral("Chomepage")), QStringLiteral("http://"));
    }

    // "고객등록" of a listing entry window hands the owner's name, phones and address over.
    void registerFromListing()
    {
        registerListingWindows();
        std::unique_ptr<QDialog> d(windows::create(QStringLiteral("TfmApt"), nullptr));
        auto *entry = qobject_cast<EntryWindow *>(d.get());
        QVERIFY(entry);
        entry->FormShow();
        entry->setTextOf(QStringLiteral("Sales_person"), QStringLiteral("홍길동"));
        entry->setTextOf(QStringLiteral("Sales_pnum"), QStringLiteral("02-123-4567"));
        entry->setTextOf(QStringLiteral("Sales_onum"), QStringLiteral("02-765-4321"));
        entry->setTextOf(QStringLiteral("Sales_cnum"), QStringLiteral("010-1111-2222"));
        entry->setTextOf(QStringLiteral("Bld_nme"), QStringLiteral("행복아파트"));
        QStringList shown;
        QString mode;
        env->modal->handlers << [&](QDialog *window) {
            auto *w = qobject_cast<CustomerWindow *>(window);
            QVERIFY(w);
            mode = w->Mode;
            for (const QString &c : CustomerWindow::columns())
                shown << w->textOf(c);
            env->dialogs->answers = {false};
            button(w, QStringLiteral("Save"))->click();
        };
        entry->custRegister(false);
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmCust")});
        QCOMPARE(mode, QStringLiteral("Append2"));
        QVERIFY(entry->OwnerAddressText.contains(QStringLiteral("행복아파트")));
        QStringList expected;
        for (const QString &c : CustomerWindow::columns()) {
            if (c == QLatin1String("Cname"))
                expected << QStringLiteral("홍길동");
            else if (c == QLatin1String("Cphone"))
                expected << QStringLiteral("02-123-4567");
            else if (c == QLatin1String("Cophone"))
                expected << QStringLiteral("02-765-4321");
            else if (c == QLatin1String("Chandphone"))
                expected << QStringLiteral("010-1111-2222");
            else if (c == QLatin1String("Caddr"))
                expected << entry->OwnerAddressText;
            else if (c == QLatin1String("CGwange"))
                expected << QStringLiteral("고객");
            else if (c == QLatin1String("Chomepage"))
                expected << QStringLiteral("http://");
            else
                expected << QString();
        }
        QCOMPARE(shown, expected);
        QCOMPARE(customers(), 1);
        for (int i = 0; i < CustomerWindow::columns().size(); ++i)
            QCOMPARE(column(1, CustomerWindow::columns().at(i)), expected.at(i));
        QCOMPARE(env->dialogs->messages, QStringList{kRegistered});
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestCustomerWindow)
#include "test_customer_window.moc"
