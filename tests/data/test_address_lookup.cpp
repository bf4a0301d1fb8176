// The address lookup driven as its callers drive it: the customer window, the customer list and a
// listing entry window open it through the registry, and read the row picked in qry_zip.
#include "catalogue/entry_catalogue.h"
#include "customers/customer_list.h"
#include "customers/customer_window.h"
#include "customers/customer_windows.h"
#include "data/address_lookup.h"
#include "listings/entry_window.h"
#include "support/scripted_env.h"
#include "support/typing.h"
#include "ui/window_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

void seedDirectory()
{
    execSql(QStringLiteral("insert into ZIPCODE (ZIPCODE, SIDO, GUGUN, DONG, BUNJI, GITA, ADDR) values "
                           "('135-080', '서울', '강남구', '역삼동', '1~100', '', '서울 강남구 역삼동 1~100'), "
                           "('135-081', '서울', '강남구', '역삼동', '101~200', '', '서울 강남구 역삼동 101~200'), "
                           "('137-070', '서울', '서초구', '역삼동', '', '', '서울 서초구 역삼동'), "
                           "('463-010', '경기', '성남시', '정자동', '', '', '경기 성남시 정자동'), "
                           "('135-090', '서울', '강남구', '역삼1동', '', '', '서울 강남구 역삼1동')"));
}

AddressLookup *lookupOf(QDialog *d)
{
    auto *zip = qobject_cast<AddressLookup *>(d);
    if (!zip)
        qWarning("not the address lookup: %s", qPrintable(d ? d->objectName() : QStringLiteral("null")));
    return zip;
}

// Types a 동 name and presses Enter in it, as the user searches.
void search(AddressLookup *zip, const QString &dong)
{
    zip->umd()->clear();
    typeText(zip->umd(), dong);
    QTest::keyClick(zip->umd(), Qt::Key_Return);
}

// A double click as a mouse makes it: the press that picks the row, then the double click.
void doubleClick(QTableView *grid, int row)
{
    const QPoint at = grid->visualRect(grid->model()->index(row, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

QString zipAt(AddressLookup *zip, int row)
{
    return zip->grid()->model()->index(row, 0).data().toString();
}

} // namespace

class TestAddressLookup : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder();
        seedDirectory();
        registerCustomerWindows();
    }
    void cleanup() { env.reset(); }

    void window()
    {
        AddressLookup zip;
        QCOMPARE(zip.objectName(), QStringLiteral("TfmZip"));
        QCOMPARE(zip.windowTitle(), QStringLiteral("주소조회"));
        QCOMPARE(zip.grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("우편번호"));
        QCOMPARE(zip.grid()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("주소"));
        auto *label = zip.findChild<QLabel *>();
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("동  명"));
        QCOMPARE(label->buddy(), zip.umd());
        QStringList captions;
        for (QPushButton *b : zip.findChildren<QPushButton *>())
            captions << b->text();
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("조회(&F)"), QStringLiteral("확인(&O)"), QStringLiteral("취소(&C)")}));
    }

    // Only the exact 동 name finds rows, and it finds all of them.
    void exactNameOnly_data()
    {
        QTest::addColumn<QString>("dong");
        QTest::addColumn<QStringList>("zips");
        QTest::newRow("two districts, two lot ranges") << "역삼동" << QStringList{"135-080", "135-081", "137-070"};
        QTest::newRow("one row") << "정자동" << QStringList{"463-010"};
        QTest::newRow("part of a name") << "역삼" << QStringList{};
        QTest::newRow("longer name") << "역삼동동" << QStringList{};
    }
    void exactNameOnly()
    {
        QFETCH(QString, dong);
        QFETCH(QStringList, zips);
        QStringList listed;
        env->modal->handlers << [&](QDialog *d) {
            AddressLookup *zip = lookupOf(d);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(zip->umd()));
            search(zip, dong);
            for (int row = 0; row < zip->grid()->model()->rowCount(); ++row)
                listed << zipAt(zip, row);
            d->reject();
        };
        QVERIFY(windows::open(QStringLiteral("TfmZip"), nullptr) != QDialog::Accepted);
        listed.sort();
        QCOMPARE(listed, zips);
    }

    // Each way of picking hands the caller the row the grid stands on.
    void customerWindowTakesThePick_data()
    {
        QTest::addColumn<int>("how"); // 0 double click, 1 Enter in the grid, 2 "확인(&O)"
        QTest::newRow("double click") << 0;
        QTest::newRow("enter") << 1;
        QTest::newRow("ok button") << 2;
    }
    void customerWindowTakesThePick()
    {
        QFETCH(int, how);
        CustomerWindow w;
        w.show();
        QString picked;
        env->modal->handlers << [&](QDialog *d) {
            AddressLookup *zip = lookupOf(d);
            search(zip, QStringLiteral("역삼동"));
            QTableView *grid = zip->grid();
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(grid));
            QTest::keyClick(grid, Qt::Key_Down);
            const int row = grid->currentIndex().row();
            QCOMPARE(row, 1);
            picked = zipAt(zip, row);
            if (how == 0)
                doubleClick(grid, row);
            else if (how == 1)
                QTest::keyClick(grid, Qt::Key_Return);
            else
                zip->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        };
        w.zipClick();
        QVERIFY(env->modal->handlers.isEmpty());
        const QString addr = sqlValue(QStringLiteral("select ADDR from ZIPCODE where ZIPCODE = '%1'").arg(picked));
        QCOMPARE(w.textOf(QStringLiteral("Caddr")), QStringLiteral("(") + picked + QStringLiteral(") ") + addr);
        QCOMPARE(w.focusWidget(), w.control(QStringLiteral("Caddr")));
    }

    // Cancelling, or confirming without a row to hand over, leaves the caller's address alone.
    void nothingPickedChangesNothing_data()
    {
        QTest::addColumn<QString>("dong"); // "" = no search at all
        QTest::addColumn<int>("how");      // 0 Esc in the grid, 1 "취소(&C)", 2 "확인(&O)"
        QTest::newRow("escape after a search") << "역삼동" << 0;
        QTest::newRow("cancel after a search") << "역삼동" << 1;
        QTest::newRow("confirm before any search") << "" << 2;
        QTest::newRow("confirm after a search without match") << "역삼" << 2;
    }
    void nothingPickedChangesNothing()
    {
        QFETCH(QString, dong);
        QFETCH(int, how);
        CustomerWindow w;
        w.show();
        w.setTextOf(QStringLiteral("Caddr"), QStringLiteral("손대지 않은 주소"));
        int result = -1;
        bool closed = false;
        env->modal->handlers << [&](QDialog *d) {
            AddressLookup *zip = lookupOf(d);
            if (!dong.isEmpty())
                search(zip, dong);
            if (how == 0)
                QTest::keyClick(zip->grid(), Qt::Key_Escape);
            else if (how == 1)
                zip->findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click();
            else
                zip->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
            result = d->result();
            closed = !d->isVisible();
        };
        w.zipClick();
        QVERIFY(closed);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(w.textOf(QStringLiteral("Caddr")), QStringLiteral("손대지 않은 주소"));
    }

    // The directory query outlives the window: the next lookup starts on the previous pick.
    void secondLookupStartsOnThePreviousPick()
    {
        env->modal->handlers << [&](QDialog *d) {
            AddressLookup *zip = lookupOf(d);
            search(zip, QStringLiteral("역삼동"));
            QTest::keyClick(zip->grid(), Qt::Key_Down);
            QTest::keyClick(zip->grid(), Qt::Key_Down);
            QTest::keyClick(zip->grid(), Qt::Key_Return);
        };
        QCOMPARE(windows::open(QStringLiteral("TfmZip"), nullptr), int(QDialog::Accepted));
        const QString first = env->dm->qry_zip.fieldByName(QStringLiteral("ZIPCODE")).asString();
        QCOMPARE(first, QStringLiteral("137-070"));

        CustomerList list;
        int shown = -1;
        env->modal->handlers << [&](QDialog *d) {
            AddressLookup *zip = lookupOf(d);
            shown = zip->grid()->model()->rowCount();
            QCOMPARE(zip->grid()->currentIndex().row(), 2);
            zip->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        };
        list.zipClick();
        QCOMPARE(shown, 3);
        // The customer list takes the address line alone into its address search box.
        QCOMPARE(list.textOf(QStringLiteral("h_addr")), QStringLiteral("서울 서초구 역삼동"));
    }

    void entryWindowTakesCityDistrictTownAndLot()
    {
        registerListingWindows();
        execSql(QStringLiteral("insert into SIGUN (sido, sigun) values ('서울', '강남구'), ('서울', '서초구')"));
        std::unique_ptr<QDialog> d(windows::create(QStringLiteral("TfmApt"), nullptr));
        auto *entry = qobject_cast<EntryWindow *>(d.get());
        QVERIFY(entry);
        entry->FormShow();
        env->modal->handlers << [&](QDialog *d) {
            AddressLookup *zip = lookupOf(d);
            search(zip, QStringLiteral("역삼동"));
            QTest::keyClick(zip->grid(), Qt::Key_Down);
            QTest::keyClick(zip->grid(), Qt::Key_Return);
        };
        entry->zipClick();
        QCOMPARE(entry->textOf(QStringLiteral("Add_city")), QStringLiteral("서울"));
        QCOMPARE(entry->textOf(QStringLiteral("Add_district")), QStringLiteral("강남구"));
        QCOMPARE(entry->textOf(QStringLiteral("Add_town")), QStringLiteral("역삼동"));
        QCOMPARE(entry->textOf(QStringLiteral("Addr_number")), QStringLiteral("101~200"));
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestAddressLookup)
#include "test_address_lookup.moc"
