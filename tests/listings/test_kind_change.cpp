// The kind change window `TfmALL` and the kind chooser `TfmALLkind`, driven through the seams on a
// temporary data folder: showing a listing, saving through the window's own statement, moving a
// listing to another kind's list, saving as a new listing, and the refusals.
#include "browse/list_window.h"
#include "browse/listing_model.h"
#include "data/data_module.h"
#include "listings/attachment_panel.h"
#include "listings/attachment_paths.h"
#include "listings/kind_change_window.h"
#include "listings/kind_chooser.h"
#include "listings/kind_flags.h"
#include "support/scripted_env.h"
#include "ui/sheet_registry.h"
#include "ui/window_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace {

QStringList g_printed; // the sheets shown, by name

std::unique_ptr<KindChangeWindow> openWindow(qint64 id)
{
    std::unique_ptr<KindChangeWindow> w(
        qobject_cast<KindChangeWindow *>(windows::create(QStringLiteral("TfmALL"), nullptr)));
    if (!w)
        return w;
    w->IdSeq = id;
    w->FormShow();
    return w;
}

void press(QWidget *window, const QString &button)
{
    auto *b = window->findChild<QAbstractButton *>(button);
    QVERIFY2(b, qPrintable(button));
    b->click();
}

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QString value(const QString &column, qint64 id)
{
    return sqlValue(QStringLiteral("select %1 from mamul_table where Id_seq = %2").arg(column).arg(id));
}

int rows()
{
    return sqlValue(QStringLiteral("select count(*) from mamul_table")).toInt();
}

// An apartment for sale with a value in nearly every column, among them some the window does not show.
void addApartment(qint64 id)
{
    execSql(
        QStringLiteral(
            "insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Obj_kubun2, Obj_kubun3, Add_city, Add_district, "
            "Add_town, Addr_number, Bld_nme, Add_degree, Bld_degree, Bld_num, Bld_layer, Bld_hi_layer, "
            "Bld_lo_layer, Gnd_png, Gnd_area, Gnd_gnd, Room_num, Living_num, Bath_num, Sales_amt, Warrenty_amt, "
            "Monthly_amt, Premium_amt, Land_amt, Move_into_amt, Move_to_date, Oth_amt, Spec, Open_title, "
            "Close_title, C16, Obj_state, c1, c2, Cont_date, Cont_end_date, Sales_person, Sales_pnum, "
            "Sales_cnum, Sales_onum, Lent_person, Estate_nme, Estate_rep, Insert_date, Update_date, N1, "
            "Homepage) values (%1, '아파트', '매매', '', '', '서울', '강남구', '역삼동', '100-1', '래미안', "
            "'1단지', '101', '1203', '12', '25', '2', 34, 25.5, 40, '3', '1', '2', 85000, 0, 0, 0, 20000, "
            "30000, '즉시', '협의', '남향 로열층', '역세권 아파트', '급매 사정', '셋째 줄', '추천', 'A-1', "
            "'YES', '2026-10-01', '2028-09-30', '김철수', '02-555-0001', '010-1111-2222', '02-777-0001', "
            "'이세입', '행복공인', '02-5551234', '2026-11-01', '2026-11-02', 4.5, 'http://x')")
            .arg(id));
}

// The listings a list window shows, by number.
QList<qint64> listed(const QString &list)
{
    std::unique_ptr<ListWindow> w(qobject_cast<ListWindow *>(windows::create(list, nullptr)));
    if (!w)
        return {-1};
    w->FormShow();
    while (w->model()->canFetchMore(QModelIndex()))
        w->model()->fetchMore(QModelIndex());
    QList<qint64> ids;
    for (int r = 0; r < w->model()->rowCount(); ++r)
        ids << w->model()->idSeqAt(r);
    return ids;
}

} // namespace

class TestKindChange : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder();
        env->dm->AppendListColumns();
        registerListingWindows();
        registerListWindows();
        g_printed.clear();
        for (const char *sheet : {"TALLConPrtScr", "TALLBanPrtScr", "TAllLentBanPrtScr"})
            sheets::registerSheet(QString::fromLatin1(sheet),
                                  [name = QString::fromLatin1(sheet)](QWidget *) { g_printed << name; });
    }
    void cleanup() { env.reset(); }

    // ---- the kind chooser ----

    void chooserStartsOnApartmentSale()
    {
        std::unique_ptr<QDialog> d(windows::create(QStringLiteral("TfmALLkind"), nullptr));
        auto *chooser = qobject_cast<KindChooser *>(d.get());
        QVERIFY(chooser);
        QCOMPARE(chooser->objectName(), QStringLiteral("TfmALLkind"));
        QCOMPARE(chooser->windowTitle(), QStringLiteral("물건종류 구분"));
        QCOMPARE(
            items(chooser->kindBox()),
            (QStringList{"아파트", "분양권", "단독주택", "다가구", "빌라", "연립", "다세대", "상가", "상가주택",
                         "오피스텔", "원룸", "사무실", "빌딩", "토지", "공장", "전원주택", "주유소", "모텔", "기타"}));
        QCOMPARE(chooser->kindBox()->currentText(), QStringLiteral("아파트"));
        QCOMPARE(items(chooser->dealBox()), (QStringList{"매매", "임대"}));
        QCOMPARE(chooser->dealBox()->currentText(), QStringLiteral("매매"));
        QVERIFY(!chooser->kindBox()->isEditable());
        QVERIFY(!chooser->dealBox()->isEditable());
    }

    // Presale rights are only sold; any other kind offers both deals again, the first chosen.
    void presaleRightsOnlySale()
    {
        KindChooser chooser;
        chooser.dealBox()->setCurrentIndex(1);
        chooser.kindBox()->setCurrentIndex(chooser.kindBox()->findText(QStringLiteral("분양권")));
        QCOMPARE(items(chooser.dealBox()), QStringList{QStringLiteral("매매")});
        QCOMPARE(chooser.dealBox()->currentText(), QStringLiteral("매매"));
        chooser.kindBox()->setCurrentIndex(chooser.kindBox()->findText(QStringLiteral("빌라")));
        QCOMPARE(items(chooser.dealBox()), (QStringList{"매매", "임대"}));
        QCOMPARE(chooser.dealBox()->currentText(), QStringLiteral("매매"));
    }

    void chooserAnswers()
    {
        KindChooser chooser;
        chooser.kindBox()->setCurrentIndex(chooser.kindBox()->findText(QStringLiteral("토지")));
        chooser.dealBox()->setCurrentIndex(1);
        press(&chooser, QStringLiteral("OkButton"));
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(env->dm->OtherKindChoice, QStringLiteral("토지"));
        QCOMPARE(env->dm->OtherDealChoice, QStringLiteral("임대"));

        press(&chooser, QStringLiteral("CancelButton"));
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
        QCOMPARE(env->dm->OtherKindChoice, QString());
        QCOMPARE(env->dm->OtherDealChoice, QString());

        // Escape (or the title bar) cancels too.
        press(&chooser, QStringLiteral("OkButton"));
        chooser.show();
        QTest::keyClick(&chooser, Qt::Key_Escape);
        QCOMPARE(env->dm->OtherKindChoice, QString());
        QCOMPARE(env->dm->OtherDealChoice, QString());
    }

    // ---- the kind change window ----

    void layout()
    {
        addApartment(1);
        auto w = openWindow(1);
        QVERIFY(w);
        QCOMPARE(w->objectName(), QStringLiteral("TfmALL"));
        QCOMPARE(w->windowTitle(), QStringLiteral("모든 물건 관리 프로그램..."));
        QCOMPARE(w->Mode, QStringLiteral("Edit"));
        auto *kind = w->findChild<QComboBox *>(QStringLiteral("obj_kind"));
        QVERIFY(kind);
        QCOMPARE(kind->count(), 35);
        QCOMPARE(items(kind).count(QStringLiteral("주유소")), 2);
        QCOMPARE(items(w->findChild<QComboBox *>(QStringLiteral("Obj_kubun1"))), (QStringList{"매매", "임대"}));
        QCOMPARE(items(w->findChild<QComboBox *>(QStringLiteral("Obj_kubun2"))),
                 (QStringList{"전세", "월세", "전월세"}));
        QVERIFY(w->findChild<QLineEdit *>(QStringLiteral("obj_kubun3")));
        for (const char *floor : {"bld_layer", "bld_hi_layer", "bld_lo_layer"}) {
            auto *box = w->findChild<QComboBox *>(QString::fromLatin1(floor));
            QVERIFY2(box, floor);
            QCOMPARE(box->count(), 71);
            QCOMPARE(box->itemText(70), QStringLiteral("70"));
        }
        for (const char *name : {"Bld_nme",       "Add_degree",   "Bld_degree",  "Bld_num",      "Move_to_date",
                                 "Sales_amt",     "Warrenty_amt", "Monthly_amt", "Premium_amt",  "oth_amt",
                                 "Gnd_png",       "Gnd_area",     "Open_title",  "Close_title",  "Cont_date",
                                 "Cont_end_date", "c1",           "Estate_nme",  "Estate_rep",   "Estate_pnum",
                                 "Estate_cnum",   "Insert_date",  "Update_date", "Sales_person", "Lent_cnum"})
            QVERIFY2(w->findChild<QLineEdit *>(QString::fromLatin1(name)), name);
        // No input for the third title line, nor for columns of particular kinds.
        for (const char *name : {"c16", "C16", "Land_amt", "Bld_hi_home", "Heat_type"})
            QVERIFY2(!w->findChild<QWidget *>(QString::fromLatin1(name)), name);
        QVERIFY(!w->findChild<QWidget *>(QStringLiteral("mamul_nav"))->isVisibleTo(w.get()));
        QVERIFY(w->findChild<QWidget *>(QStringLiteral("NewSaveButton"))->isVisibleTo(w.get()));
        QStringList tabs;
        for (QTabWidget *t : w->findChildren<QTabWidget *>())
            if (!qobject_cast<AttachmentPanel *>(t))
                for (int i = 0; i < t->count(); ++i)
                    tabs << t->tabText(i);
        tabs.sort();
        QCOMPARE(tabs, (QStringList{"1. 소재지 정보", "10. 의뢰인정보", "11. 세입자정보", "2. 가격정보", "3. 면적정보",
                                    "4. 특징", "5. 제목", "6. 매물상태정보", "7. 부동산정보", "8. 매물등록정보"}));
        // The state box's design text shows where no listing was read.
        auto missing = openWindow(99);
        QCOMPARE(missing->textOf(QStringLiteral("Obj_state")), QStringLiteral("보통"));
        QCOMPARE(missing->textOf(QStringLiteral("Bld_layer")), QStringLiteral("0"));
    }

    void showsTheListing()
    {
        addApartment(1);
        auto w = openWindow(1);
        const QList<QPair<QString, QString>> shown = {
            {"Obj_kind", "아파트"},
            {"Obj_kubun1", "매매"},
            {"Bld_nme", "래미안"},
            {"Add_degree", "1단지"},
            {"Bld_layer", "12"},
            {"Bld_hi_layer", "25"},
            {"Bld_lo_layer", "2"},
            {"Gnd_png", "34"},
            {"Gnd_area", "25.5"}, // kept exactly; the input shows it rounded
            {"Room_num", "3"},
            {"Sales_amt", "85000"},
            {"Move_to_date", "즉시"},
            {"Obj_state", "추천"},
            {"c1", "A-1"},
            {"c2", "Yes"},
            {"Cont_end_date", "2028-09-30"},
            {"Estate_rep", "02-5551234"},
            {"Add_district", "강남구"},
            {"Spec", "남향 로열층"},
        };
        for (const auto &s : shown)
            QCOMPARE(w->textOf(s.first), s.second);
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Gnd_area"))->text(), QStringLiteral("26"));
        // Owner and tenant are masked at first.
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Sales_person"))->echoMode(), QLineEdit::Password);
        QVERIFY(w->findChild<QCheckBox *>(QStringLiteral("VisibleRequest"))->isChecked());
        QCOMPARE(env->dm->SavedFlag, QStringLiteral("NO"));
    }

    // A listing without an area shows its land area, and saving stores it as the area.
    void landAreaStandsInForMissingArea()
    {
        addApartment(1);
        execSql(QStringLiteral("update mamul_table set Gnd_png = 0, Gnd_gnd = 120 where Id_seq = 1"));
        auto w = openWindow(1);
        QCOMPARE(w->textOf(QStringLiteral("Gnd_png")), QStringLiteral("120"));
        w->SaveClick();
        QCOMPARE(value(QStringLiteral("Gnd_png"), 1), QStringLiteral("120"));
        QCOMPARE(env->dm->ReadListing(1)[QStringLiteral("Gnd_png")], QStringLiteral("120"));
    }

    // Saving writes the window's columns, today's date as the change date, and keeps every column the
    // statement leaves out: the third title line, the columns of other kinds, and the shown-only `c2`.
    void saveWritesItsColumnsOnly()
    {
        addApartment(1);
        auto w = openWindow(1);
        w->show(); // shown once: a later show does not read the listing again
        w->setTextOf(QStringLiteral("Bld_nme"), QStringLiteral("자이"));
        w->setTextOf(QStringLiteral("Obj_kubun2"), QStringLiteral("월세"));
        w->setTextOf(QStringLiteral("Obj_kubun3"), QStringLiteral("호수별"));
        w->setTextOf(QStringLiteral("Bld_lo_layer"), QStringLiteral("3"));
        w->setTextOf(QStringLiteral("Premium_amt"), QStringLiteral("1,500"));
        w->setTextOf(QStringLiteral("Warrenty_amt"), QString());
        w->setTextOf(QStringLiteral("Gnd_area"), QString());
        w->setTextOf(QStringLiteral("c2"), QStringLiteral("No"));
        w->setTextOf(QStringLiteral("Estate_rep"), QStringLiteral("02-0000000"));
        w->setTextOf(QStringLiteral("Lent_person"), QStringLiteral("박세입"));
        w->setTextOf(QStringLiteral("Insert_date"), QStringLiteral("2026-10-10"));
        w->setTextOf(QStringLiteral("Move_to_date"), QStringLiteral("2027년 봄"));
        w->setTextOf(QStringLiteral("Oth_amt"), QStringLiteral("관리비 별도"));
        w->SaveClick();
        QCOMPARE(env->dm->SavedFlag, QStringLiteral("YES"));
        QVERIFY(!w->isVisible()); // closed
        QCOMPARE(env->dialogs->messages, QStringList());
        const QList<QPair<QString, QString>> stored = {
            {"Bld_nme", "자이"},
            {"Obj_kubun2", "월세"},
            {"Obj_kubun3", "호수별"},
            {"Bld_lo_layer", "3"},
            {"Premium_amt", "1500"},
            {"Warrenty_amt", "0"},
            {"Gnd_area", "0"},
            {"Estate_rep", "02-0000000"},
            {"Lent_person", "박세입"},
            {"Insert_date", "2026-10-10"},
            {"Update_date", "2026-12-09"},
            {"Move_to_date", "2027년 봄"},
            {"Oth_amt", "관리비 별도"},
            // Left as they were.
            {"C16", "셋째 줄"},
            {"c2", "YES"},
            {"Land_amt", "20000"},
            {"Move_into_amt", "30000"},
            {"Homepage", "http://x"},
            {"N1", "4.5"},
        };
        for (const auto &s : stored)
            QCOMPARE(value(s.first, 1), s.second);
        QCOMPARE(rows(), 1);
    }

    // Changing the kind and deal moves the listing from one kind's list to another's.
    void movesListingToAnotherList()
    {
        addApartment(1);
        QCOMPARE(listed(QStringLiteral("TfmAPTList")), QList<qint64>{1});
        QCOMPARE(listed(QStringLiteral("TfmOTHLentList")), QList<qint64>());
        auto w = openWindow(1);
        w->setTextOf(QStringLiteral("Obj_kind"), QStringLiteral("학원"));
        w->setTextOf(QStringLiteral("Obj_kubun1"), QStringLiteral("임대"));
        w->setTextOf(QStringLiteral("Obj_kubun2"), QStringLiteral("월세"));
        w->SaveClick();
        QCOMPARE(value(QStringLiteral("Obj_kind || '/' || Obj_kubun1"), 1), QStringLiteral("학원/임대"));
        QCOMPARE(listed(QStringLiteral("TfmAPTList")), QList<qint64>());
        QCOMPARE(listed(QStringLiteral("TfmOTHLentList")), QList<qint64>{1});
        QCOMPARE(listed(QStringLiteral("TfmALLList")), QList<qint64>{1});
    }

    // "1.5" is no whole number of 만원: the save names the input and writes nothing.
    void decimalAmountRefused()
    {
        addApartment(1);
        auto w = openWindow(1);
        w->show();
        w->setTextOf(QStringLiteral("Bld_nme"), QStringLiteral("바뀐 이름"));
        w->setTextOf(QStringLiteral("Sales_amt"), QStringLiteral("1.5"));
        w->SaveClick();
        QCOMPARE(env->dialogs->messages.size(), 1);
        QVERIFY2(env->dialogs->messages.first().contains(QStringLiteral("[금 액]")),
                 qPrintable(env->dialogs->messages.first()));
        QVERIFY(env->dialogs->messages.first().contains(QStringLiteral("소수점")));
        QCOMPARE(kindFlags(QStringLiteral("TfmALL")).SaveFailed, QStringLiteral("1"));
        QVERIFY(w->isVisible());
        QCOMPARE(value(QStringLiteral("Bld_nme"), 1), QStringLiteral("래미안"));
        QCOMPARE(value(QStringLiteral("Sales_amt"), 1), QStringLiteral("85000"));
        QCOMPARE(value(QStringLiteral("Update_date"), 1), QStringLiteral("2026-11-02"));
    }

    void addressChecks_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("message");
        QTest::newRow("province") << "Add_city"
                                  << "[시/도]는 반드시 입력하셔야 합니다. ";
        QTest::newRow("district") << "Add_district"
                                  << "[시/군/구]는 반드시 입력하셔야 합니다. ";
        QTest::newRow("town") << "Add_town"
                              << "[읍/면/동]은 반드시 입력하셔야 합니다. ";
    }
    void addressChecks()
    {
        QFETCH(QString, column);
        QFETCH(QString, message);
        addApartment(1);
        auto w = openWindow(1);
        w->setTextOf(QStringLiteral("Bld_nme"), QStringLiteral("바뀐 이름"));
        w->setTextOf(column, QString());
        w->SaveClick();
        QCOMPARE(env->dialogs->messages, QStringList{message});
        QCOMPARE(value(QStringLiteral("Bld_nme"), 1), QStringLiteral("래미안"));
    }

    // "신규저장" stores a real new listing of the chosen kind and deal, with its pictures copied
    // under the new number, and leaves the listing it was opened on as it was.
    void saveAsNewStoresANewListing()
    {
        addApartment(1);
        addApartment(2);
        const QString source = env->path(QStringLiteral("house.png"));
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::green);
        QVERIFY(image.save(source));
        auto w = openWindow(1);
        w->show();
        QVERIFY(w->attachments()->setFile(1, source));
        w->setTextOf(QStringLiteral("Obj_kind"), QStringLiteral("상가"));
        w->setTextOf(QStringLiteral("Obj_kubun1"), QStringLiteral("임대"));
        w->setTextOf(QStringLiteral("Obj_kubun2"), QStringLiteral("월세"));
        w->setTextOf(QStringLiteral("Bld_nme"), QStringLiteral("새 상가"));
        w->setTextOf(QStringLiteral("Monthly_amt"), QStringLiteral("150"));
        env->dialogs->answers = {true}; // go on: the window stays, now on the new listing
        press(w.get(), QStringLiteral("NewSaveButton"));
        QCOMPARE(rows(), 3);
        QCOMPARE(w->IdSeq, 3);
        QCOMPARE(w->NewIdSeq, 3);
        QCOMPARE(w->Mode, QStringLiteral("Edit"));
        QVERIFY(w->isVisible());
        QCOMPARE(env->dm->SavedFlag, QStringLiteral("YES"));
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("입력을 계속 하시겠습니까?")});
        const QList<QPair<QString, QString>> stored = {
            {"Obj_kind", "상가"},          {"Obj_kubun1", "임대"}, {"Obj_kubun2", "월세"}, {"Bld_nme", "새 상가"},
            {"Monthly_amt", "150"},        {"Sales_amt", "85000"}, {"C16", "셋째 줄"},     {"Add_town", "역삼동"},
            {"Update_date", "2026-12-09"}, {"Land_amt", "20000"},
        };
        for (const auto &s : stored)
            QCOMPARE(value(s.first, 3), s.second);
        const QString kept = attachments::keptPath(env->dm->DataPath, 3, 1, source);
        QCOMPARE(value(QStringLiteral("Pic_pic1"), 3), kept);
        QVERIFY(QFile::exists(kept));
        // The listing the window was opened on is untouched.
        QCOMPARE(value(QStringLiteral("Obj_kind || '/' || Bld_nme || '/' || Update_date"), 1),
                 QStringLiteral("아파트/래미안/2026-11-02"));
        QCOMPARE(value(QStringLiteral("Pic_pic1"), 1), QString());

        // A second "신규저장", answered No, stores one more and closes.
        env->dialogs->answers = {false};
        press(w.get(), QStringLiteral("NewSaveButton"));
        QCOMPARE(rows(), 4);
        QCOMPARE(w->IdSeq, 4);
        QVERIFY(!w->isVisible());
    }

    // A refused "신규저장" stores nothing and stays on the listing it showed.
    void saveAsNewRefused()
    {
        addApartment(1);
        auto w = openWindow(1);
        w->setTextOf(QStringLiteral("Warrenty_amt"), QStringLiteral("1.5"));
        press(w.get(), QStringLiteral("NewSaveButton"));
        QCOMPARE(rows(), 1);
        QCOMPARE(w->IdSeq, 1);
        QCOMPARE(w->Mode, QStringLiteral("Edit"));
        QCOMPARE(env->dialogs->messages.size(), 1);
        QVERIFY(env->dialogs->messages.first().contains(QStringLiteral("[보 증 금]")));
    }

    void deleteAsks()
    {
        addApartment(1);
        auto w = openWindow(1);
        env->dialogs->answers = {false, true};
        press(w.get(), QStringLiteral("DeleteButton"));
        QCOMPARE(rows(), 1);
        press(w.get(), QStringLiteral("DeleteButton"));
        QCOMPARE(rows(), 0);
        QCOMPARE(env->dialogs->messages.count(QStringLiteral("삭제 하시겠습니까?")), 2);
    }

    void prints_data()
    {
        QTest::addColumn<QString>("deal");
        QTest::addColumn<QString>("infoSheet");
        QTest::newRow("sale") << "매매"
                              << "TALLBanPrtScr";
        QTest::newRow("lease") << "임대"
                               << "TAllLentBanPrtScr";
        QTest::newRow("request") << "매수임차"
                                 << "TALLBanPrtScr";
    }
    // The detail sheet asks the secret question; the information sheet goes by the stored deal.
    void prints()
    {
        QFETCH(QString, deal);
        QFETCH(QString, infoSheet);
        addApartment(1);
        execSql(QStringLiteral("update mamul_table set Obj_kubun1 = '%1'").arg(deal));
        auto w = openWindow(1);
        env->dialogs->answers = {false};
        press(w.get(), QStringLiteral("PrintButton"));
        QCOMPARE(env->dialogs->messages,
                 QStringList{QStringLiteral("비밀정보(물건정보/성명/연락처)를 출력하시겠습니까?")});
        QCOMPARE(kindFlags(QStringLiteral("TfmALL")).ShowSecret, QStringLiteral("N"));
        // The deal typed but not saved does not change the sheet.
        w->setTextOf(QStringLiteral("Obj_kubun1"),
                     deal == QStringLiteral("임대") ? QStringLiteral("매매") : QStringLiteral("임대"));
        press(w.get(), QStringLiteral("InfoPrintButton"));
        QCOMPARE(g_printed, (QStringList{QStringLiteral("TALLConPrtScr"), infoSheet}));
    }

    // The owner block works as in every entry window: reset to the stored owner, same-as-owner.
    void ownerAndTenantBlocks()
    {
        addApartment(1);
        auto w = openWindow(1);
        w->setTextOf(QStringLiteral("Sales_person"), QStringLiteral("다른 사람"));
        press(w.get(), QStringLiteral("OwnerInit"));
        QCOMPARE(w->textOf(QStringLiteral("Sales_person")), QStringLiteral("김철수"));
        press(w.get(), QStringLiteral("SameAsOwner"));
        QCOMPARE(w->textOf(QStringLiteral("Lent_cnum")), QStringLiteral("010-1111-2222"));
        w->findChild<QCheckBox *>(QStringLiteral("VisibleRequest"))->setChecked(false);
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Lent_person"))->echoMode(), QLineEdit::Normal);
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestKindChange)
#include "test_kind_change.moc"
