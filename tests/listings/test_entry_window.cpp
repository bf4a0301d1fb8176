// The listing entry windows driven through the seams on a temporary data folder.
#include "catalogue/entry_catalogue.h"
#include "data/database.h"
#include "listings/attachment_panel.h"
#include "listings/attachment_paths.h"
#include "listings/entry_window.h"
#include "support/scripted_env.h"
#include "ui/window_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

namespace {

std::unique_ptr<EntryWindow> openWindow(const QString &name, const QString &mode, qint64 id = 0)
{
    const EntryWindowSpec *spec = catalogue::entryWindow(name);
    if (!spec)
        return nullptr;
    auto w = std::make_unique<EntryWindow>(*spec);
    w->Mode = mode;
    w->IdSeq = id;
    w->FormShow();
    return w;
}

// A value that passes the check of a column.
QString validValue(const EntryWindowSpec &spec, const QString &column)
{
    const InputSpec *in = spec.input(column);
    if (in && (in->kind == QLatin1String("amount") || in->kind == QLatin1String("area") ||
               in->kind == QLatin1String("number")))
        return QStringLiteral("33");
    if (column == QLatin1String("Add_city"))
        return QStringLiteral("서울");
    if (column == QLatin1String("Add_district"))
        return QStringLiteral("강남구");
    if (column == QLatin1String("Add_town"))
        return QStringLiteral("역삼동");
    if (column == QLatin1String("Obj_kubun2"))
        return QStringLiteral("월세");
    return QStringLiteral("값");
}

void fillRequired(EntryWindow *w)
{
    for (const CheckSpec &c : w->spec().checks)
        w->setTextOf(c.column, validValue(w->spec(), c.column));
}

void seedAddresses()
{
    execSql(QStringLiteral(
        "insert into SIGUN (sido, sigun) values ('서울', '강남구'), ('서울', '서초구'), ('경기', '성남시')"));
    execSql(QStringLiteral(
        "insert into UMD (sido, sigun, umd) values ('서울', '강남구', '역삼동'), ('서울', '강남구', '삼성동'), "
        "('서울', '서초구', '반포동')"));
}

int rows(const QString &where = QString())
{
    return sqlValue(QStringLiteral("select count(*) from mamul_table") +
                    (where.isEmpty() ? QString() : QStringLiteral(" where ") + where))
        .toInt();
}

} // namespace

class TestEntryWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder();
        seedAddresses();
        env->dm->OfficeName = QStringLiteral("행복공인중개사");
        env->dm->OfficeMainPhone = QStringLiteral("025551234");
        env->dm->OfficePhone = QStringLiteral("02-555-1234");
        env->dm->OfficeMobile = QStringLiteral("010-1234-5678");
        registerListingWindows();
    }
    void cleanup() { env.reset(); }

    void catalogueHasEveryWindow()
    {
        QVERIFY2(catalogue::loadError().isEmpty(), qPrintable(catalogue::loadError()));
        QCOMPARE(catalogue::entryWindows().size(), 33);
        for (const EntryWindowSpec &s : catalogue::entryWindows()) {
            QVERIFY2(!s.checks.isEmpty(), qPrintable(s.name));
            for (const InputSpec &in : s.inputs) {
                if (in.column.isEmpty())
                    continue;
                QVERIFY2(mamulRecord::indexOf(in.column) >= 0, qPrintable(s.name + QStringLiteral(": ") + in.column));
                if (!in.list.isEmpty())
                    QVERIFY2(!catalogue::valueList(in.list).items.isEmpty(),
                             qPrintable(s.name + QStringLiteral(": ") + in.list));
            }
            for (const CheckSpec &c : s.checks)
                QVERIFY2(s.has(c.column), qPrintable(s.name + QStringLiteral(" checks a missing ") + c.column));
        }
    }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("name");
        for (const EntryWindowSpec &s : catalogue::entryWindows())
            QTest::newRow(qPrintable(s.name)) << s.name;
    }
    // Each window opens in both modes with its caption, has exactly its inputs, and refuses a save
    // with its required checks in order.
    void everyWindow()
    {
        QFETCH(QString, name);
        const EntryWindowSpec &spec = *catalogue::entryWindow(name);
        auto w = openWindow(name, QStringLiteral("Append"));
        QCOMPARE(w->objectName(), name);
        QCOMPARE(w->windowTitle(), spec.appendCaption.isEmpty() ? spec.designCaption : spec.appendCaption);
        for (const InputSpec &in : spec.inputs)
            if (!in.column.isEmpty() && in.control != QLatin1String("c3"))
                QVERIFY2(w->control(in.column), qPrintable(in.column));
        // A column no input of this window edits has no control of that name.
        for (const QString &column : mamulRecord::columns())
            if (!spec.has(column))
                QVERIFY2(!w->findChild<QWidget *>(column), qPrintable(QStringLiteral("unexpected ") + column));

        // Empty every checked input, then fix them one by one: the messages come in order.
        for (const CheckSpec &c : spec.checks)
            w->setTextOf(c.column, QString());
        for (int i = 0; i < spec.checks.size(); ++i) {
            const CheckSpec &c = spec.checks.at(i);
            env->dialogs->messages.clear();
            w->SaveClick();
            QCOMPARE(env->dialogs->messages, QStringList{c.message});
            QVERIFY(c.message.endsWith(QLatin1Char(' ')));
            QCOMPARE(rows(), 0);
            w->setTextOf(c.column, validValue(spec, c.column));
            // A province refills its districts (and a district its towns): empty what is still to check.
            for (int j = i + 1; j < spec.checks.size(); ++j)
                w->setTextOf(spec.checks.at(j).column, QString());
        }
        env->dialogs->messages.clear();
        env->dialogs->answers = {false};
        w->SaveClick();
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("입력을 계속 하시겠습니까?")});
        QCOMPARE(rows(), 1);
        QCOMPARE(sqlValue(QStringLiteral("select Obj_kubun1 from mamul_table")),
                 spec.isLease() ? QStringLiteral("임대") : QStringLiteral("매매"));
        if (!spec.objKindFromCombo)
            QCOMPARE(sqlValue(QStringLiteral("select Obj_kind from mamul_table")), spec.objKind);

        auto edit = openWindow(name, QStringLiteral("Edit"), 1);
        QCOMPARE(edit->windowTitle(), spec.editCaption.isEmpty() ? spec.designCaption : spec.editCaption);
        QVERIFY(edit->findChild<QWidget *>(QStringLiteral("NewSaveButton"))->isVisibleTo(edit.get()));
    }

    // Append, save, Yes to go on, save again: two listings with consecutive numbers, same contents.
    void appendTwiceGivesConsecutiveListings()
    {
        auto w = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Append"));
        QCOMPARE(env->dm->SavedFlag, QStringLiteral("NO"));
        w->setTextOf(QStringLiteral("Add_district"), QStringLiteral("강남구"));
        w->setTextOf(QStringLiteral("Add_town"), QStringLiteral("역삼동"));
        w->setTextOf(QStringLiteral("Bld_nme"), QStringLiteral("래미안"));
        w->setTextOf(QStringLiteral("Bld_degree"), QStringLiteral("101"));
        w->setTextOf(QStringLiteral("Gnd_png"), QStringLiteral("34"));
        w->setTextOf(QStringLiteral("Sales_amt"), QStringLiteral("85000"));
        w->setTextOf(QStringLiteral("c1"), QStringLiteral("a-12"));
        env->dialogs->answers = {true, false};
        w->SaveClick();
        QCOMPARE(env->dm->SavedFlag, QStringLiteral("YES"));
        QCOMPARE(w->IdSeq, 1);
        w->SaveClick();
        QCOMPARE(w->IdSeq, 2);
        QCOMPARE(rows(), 2);
        const mamulRecord a = env->dm->ReadListing(1), b = env->dm->ReadListing(2);
        for (int i = 1; i < mamulRecord::kColumns; ++i)
            QCOMPARE(a[i], b[i]);
        QCOMPARE(a[QStringLiteral("Obj_kind")], QStringLiteral("아파트"));
        QCOMPARE(a[QStringLiteral("c1")], QStringLiteral("A-12"));
        QCOMPARE(a[QStringLiteral("c2")], QString());
        QCOMPARE(a[QStringLiteral("Estate_nme")], QStringLiteral("행복공인중개사"));
        QCOMPARE(a[QStringLiteral("Insert_date")], QStringLiteral("2026-12-09"));
        QCOMPARE(a[QStringLiteral("Room_num")], QStringLiteral("1"));
        QCOMPARE(a[QStringLiteral("Obj_state")], QStringLiteral("일반"));
        QCOMPARE(a[QStringLiteral("Land_amt")], QStringLiteral("0"));
    }

    // An edit writes back every column the window has no input for.
    void editKeepsColumnsNoWindowEdits()
    {
        execSql(QStringLiteral(
            "insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Obj_kubun2, Add_city, Add_district, Add_town, "
            "Bld_nme, Bld_degree, Gnd_png, Sales_amt, Add_address, Zip_code, Gnd_gnd, Etc_etc1, Homepage, "
            "Id_secret, Premium_amt, Youngdo, c2, Sales_person) values (7, '아파트', '매매', '특수', '서울', '강남구', "
            "'역삼동', '래미안', '101', 34, 90000, '주소', '135080', 12.5, '메모', 'http://x', 'S', 300, '주거', "
            "'YES', '김철수')"));
        auto w = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Edit"), 7);
        QCOMPARE(w->textOf(QStringLiteral("c2")), QStringLiteral("Yes"));
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Sales_person"))->echoMode(), QLineEdit::Password);
        w->setTextOf(QStringLiteral("Sales_amt"), QStringLiteral("95000"));
        w->SaveClick();
        QVERIFY(env->dialogs->messages.isEmpty());
        const mamulRecord r = env->dm->ReadListing(7);
        QCOMPARE(r[QStringLiteral("Sales_amt")], QStringLiteral("95000"));
        QCOMPARE(r[QStringLiteral("Add_address")], QStringLiteral("주소"));
        QCOMPARE(r[QStringLiteral("Zip_code")], QStringLiteral("135080"));
        QCOMPARE(r[QStringLiteral("Gnd_gnd")], QStringLiteral("12.5"));
        QCOMPARE(r[QStringLiteral("Etc_etc1")], QStringLiteral("메모"));
        QCOMPARE(r[QStringLiteral("Homepage")], QStringLiteral("http://x"));
        QCOMPARE(r[QStringLiteral("Id_secret")], QStringLiteral("S"));
        QCOMPARE(r[QStringLiteral("Premium_amt")], QStringLiteral("300"));
        QCOMPARE(r[QStringLiteral("Obj_kubun2")], QStringLiteral("특수"));
        QCOMPARE(r[QStringLiteral("Sales_person")], QStringLiteral("김철수"));
        QCOMPARE(r[QStringLiteral("c2")], QStringLiteral("YES"));
    }

    // What an edit shows is not what it stores: an area of 25.5 shows as 26 and a stored text longer
    // than its input's limit shows whole; saving without touching them keeps both as they were.
    void editKeepsExactAreasAndLongTexts()
    {
        execSql(QStringLiteral("insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Add_city, Add_district, Add_town, Bld_nme, "
                               "Bld_degree, Gnd_png, Gnd_area, Sales_amt, Estate_rep) values (9, '아파트', '매매', '서울', '강남구', "
                               "'역삼동', '래미안', '101', 34, 25.5, 90000, '02-555-1234')"));
        auto w = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Edit"), 9);
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Gnd_area"))->text(), QStringLiteral("26"));
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Estate_rep"))->text(), QStringLiteral("02-555-1234"));
        w->SaveClick();
        QCOMPARE(sqlValue(QStringLiteral("select Gnd_area from mamul_table where Id_seq = 9")), QStringLiteral("25.5"));
        QCOMPARE(sqlValue(QStringLiteral("select Estate_rep from mamul_table where Id_seq = 9")), QStringLiteral("02-555-1234"));
        // A value the user types replaces it.
        auto again = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Edit"), 9);
        again->findChild<QLineEdit *>(QStringLiteral("Gnd_area"))->setText(QStringLiteral("27"));
        again->SaveClick();
        QCOMPARE(sqlValue(QStringLiteral("select Gnd_area from mamul_table where Id_seq = 9")), QStringLiteral("27"));
    }

    void saveAsNewAndDelete()
    {
        auto w = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Append"));
        fillRequired(w.get());
        env->dialogs->answers = {false};
        w->SaveClick();
        auto edit = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Edit"), 1);
        env->dialogs->answers = {true};
        edit->NewSaveClick();
        QCOMPARE(edit->Mode, QStringLiteral("Edit"));
        QCOMPARE(edit->IdSeq, 2);
        QCOMPARE(rows(), 2);
        env->dialogs->answers = {false, true};
        edit->DeleteClick();
        QCOMPARE(rows(), 2);
        edit->DeleteClick();
        QCOMPARE(rows(), 1);
        QCOMPARE(sqlValue(QStringLiteral("select Id_seq from mamul_table")), QStringLiteral("1"));
        QCOMPARE(env->dialogs->messages.count(QStringLiteral("삭제 하시겠습니까?")), 2);
    }

    // A lease save never stores a sale price, even where the row held one.
    void leaseSaveEmptiesSalePrices()
    {
        execSql(QStringLiteral(
            "insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Obj_kubun2, Add_city, Add_district, Add_town, "
            "Bld_nme, Bld_degree, Gnd_png, Sales_amt, Move_into_amt, Land_amt, Warrenty_amt) values (3, '아파트', "
            "'임대', '전세', '서울', '강남구', '역삼동', '래미안', '101', 34, 90000, 500, 700, 40000)"));
        auto w = openWindow(QStringLiteral("TfmAptLent"), QStringLiteral("Edit"), 3);
        QCOMPARE(w->textOf(QStringLiteral("Obj_kubun2")), QStringLiteral("전세"));
        w->SaveClick();
        const mamulRecord r = env->dm->ReadListing(3);
        QCOMPARE(r[QStringLiteral("Sales_amt")], QStringLiteral("0"));
        QCOMPARE(r[QStringLiteral("Move_into_amt")], QStringLiteral("0"));
        QCOMPARE(r[QStringLiteral("Land_amt")], QStringLiteral("0"));
        QCOMPARE(r[QStringLiteral("Warrenty_amt")], QStringLiteral("40000"));
        QCOMPARE(r[QStringLiteral("c3")], QStringLiteral("NO"));
    }

    void amountWithDecimalPointIsRefused()
    {
        auto w = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Append"));
        fillRequired(w.get());
        w->setTextOf(QStringLiteral("Land_amt"), QStringLiteral("1.5"));
        w->SaveClick();
        QCOMPARE(env->dialogs->messages.size(), 1);
        QVERIFY2(env->dialogs->messages.first().contains(QStringLiteral("[융 자 금]")),
                 qPrintable(env->dialogs->messages.first()));
        QCOMPARE(rows(), 0);
    }

    void customerLookup()
    {
        auto w = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Append"));
        w->SaveClick(); // nothing typed yet
        env->dialogs->messages.clear();
        w->custSearch(false);
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("찾고싶은 고객님의 성함을 입력해주십시오.")});

        execSql(QStringLiteral(
            "insert into cust_table (Num, Cname, Cphone, Cophone, Chandphone) values "
            "(1, '김민수', '02-1', '02-2', '010-3'), (2, '이영희', '031-1', '', '010-9'), (3, '이영수', '', '', '')"));
        env->dialogs->messages.clear();
        w->setTextOf(QStringLiteral("Sales_person"), QStringLiteral("박"));
        w->custSearch(false);
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("등록된 고객님이 아닙니다.")});

        env->dialogs->messages.clear();
        env->dialogs->answers = {true};
        w->setTextOf(QStringLiteral("Sales_person"), QStringLiteral("민수"));
        w->custSearch(false);
        QCOMPARE(env->dialogs->messages, QStringList{QStringLiteral("현 의뢰인정보를 변경하시겠습니까?")});
        QCOMPARE(w->textOf(QStringLiteral("Sales_person")), QStringLiteral("김민수"));
        QCOMPARE(w->textOf(QStringLiteral("Sales_pnum")), QStringLiteral("02-1"));
        QCOMPARE(w->textOf(QStringLiteral("Sales_onum")), QStringLiteral("02-2"));
        QCOMPARE(w->textOf(QStringLiteral("Sales_cnum")), QStringLiteral("010-3"));

        // Several matches go through the pick list; here a stand-in picks the second row.
        windows::registerWindow(QStringLiteral("TfmFindCustlist"), [this](QWidget *) {
            auto *d = new QDialog;
            d->setObjectName(QStringLiteral("TfmFindCustlist"));
            QObject::connect(d, &QDialog::finished, d, [this] {
                env->dm->PickedCustNum = QStringLiteral("2");
                env->dm->PickedCustName = QStringLiteral("이영희");
                env->dm->PickedCustPhone = QStringLiteral("031-1");
                env->dm->PickedCustMobile = QStringLiteral("010-9");
            });
            return d;
        });
        env->modal->handlers << [](QDialog *d) { d->accept(); };
        env->dialogs->answers = {true};
        w->setTextOf(QStringLiteral("Lent_person"), QStringLiteral("이영"));
        w->custSearch(true);
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TfmFindCustlist")});
        QCOMPARE(w->textOf(QStringLiteral("Lent_person")), QStringLiteral("이영희"));
        QCOMPARE(w->textOf(QStringLiteral("Lent_cnum")), QStringLiteral("010-9"));
        windows::registerWindow(QStringLiteral("TfmFindCustlist"), nullptr);
    }

    void addressCascade()
    {
        auto w = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Append"));
        auto *city = w->findChild<QComboBox *>(QStringLiteral("Add_city"));
        auto *district = w->findChild<QComboBox *>(QStringLiteral("Add_district"));
        auto *town = w->findChild<QComboBox *>(QStringLiteral("Add_town"));
        QCOMPARE(city->count(), 16);
        w->FormShow();
        QCOMPARE(city->count(), 16); // shown again, not grown
        QCOMPARE(district->count(), 2);
        QCOMPARE(town->count(), 2);
        district->setCurrentIndex(district->findText(QStringLiteral("서초구")));
        QCOMPARE(town->count(), 1);
        QCOMPARE(town->currentText(), QStringLiteral("반포동"));
        city->setCurrentIndex(city->findText(QStringLiteral("경기")));
        QCOMPARE(district->currentText(), QStringLiteral("성남시"));
        QCOMPARE(town->count(), 0);
    }

    void pictures()
    {
        const QString photos = env->path(QStringLiteral("photos"));
        QDir().mkpath(photos);
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::blue);
        QVERIFY(img.save(photos + QStringLiteral("/house.JPG"), "JPG"));
        QVERIFY(img.save(photos + QStringLiteral("/second.jpg"), "JPG"));
        QVERIFY(img.save(photos + QStringLiteral("/other.gif"), "GIF") ||
                img.save(photos + QStringLiteral("/other.gif"), "PNG"));
        for (int i = 1; i <= 4; ++i)
            execSql(
                QStringLiteral("insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1) values (%1, '아파트', '매매')")
                    .arg(i));

        auto w = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Append"));
        fillRequired(w.get());
        env->dialogs->files = {photos + QStringLiteral("/house.JPG"), photos + QStringLiteral("/second.jpg")};
        w->attachments()->pickPicture(1);
        w->attachments()->pickPicture(2);
        env->dialogs->answers = {false};
        w->SaveClick();
        const QString kept1 = env->dm->DataPath + QStringLiteral("/img/img5_1.JPG");
        const QString kept2 = env->dm->DataPath + QStringLiteral("/img/img5_2.jpg");
        QCOMPARE(sqlValue(QStringLiteral("select Pic_pic1 from mamul_table where Id_seq = 5")), kept1);
        QVERIFY(QFile::exists(kept1));
        QVERIFY(QFile::exists(kept2));

        // Removing picture 2 empties the column and leaves the file; a GIF replacing the JPEG keeps both.
        auto edit = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Edit"), 5);
        QCOMPARE(edit->PicFile(1), kept1);
        edit->findChild<QPushButton *>(QStringLiteral("PicDelete2"))->click();
        env->dialogs->files = {photos + QStringLiteral("/other.gif")};
        edit->attachments()->pickPicture(1);
        edit->SaveClick();
        QCOMPARE(sqlValue(QStringLiteral("select Pic_pic2 from mamul_table where Id_seq = 5")), QString());
        QCOMPARE(sqlValue(QStringLiteral("select Pic_pic1 from mamul_table where Id_seq = 5")),
                 env->dm->DataPath + QStringLiteral("/img/img5_1.gif"));
        QVERIFY(QFile::exists(kept1));
        QVERIFY(QFile::exists(kept2));
        QVERIFY(QFile::exists(env->dm->DataPath + QStringLiteral("/img/img5_1.gif")));
    }

    void unreadablePictureLeavesSlot()
    {
        const QString bad = env->path(QStringLiteral("broken.jpg"));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();
        auto w = openWindow(QStringLiteral("TfmApt"), QStringLiteral("Append"));
        env->dialogs->files = {bad};
        w->attachments()->pickPicture(1);
        QCOMPARE(w->PicFile(1), QString());
        QCOMPARE(env->dialogs->messages.size(), 1);
        QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("RealSize1"))->isEnabled());
    }

    void rerootedPaths_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("windows") << QStringLiteral("C:\\old\\data\\img\\img5_1.jpg")
                                 << QStringLiteral("/d/img/img5_1.jpg");
        QTest::newRow("unix") << QStringLiteral("/home/x/data/img/img5_1.jpg") << QStringLiteral("/d/img/img5_1.jpg");
        QTest::newRow("img in parent") << QStringLiteral("/img/data/img/img7_2.gif")
                                       << QStringLiteral("/d/img/img7_2.gif");
        QTest::newRow("no img folder") << QStringLiteral("/photos/a.jpg") << QStringLiteral("/photos/a.jpg");
        QTest::newRow("empty") << QString() << QString();
    }
    void rerootedPaths()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QCOMPARE(attachments::reroot(stored, QStringLiteral("/d")), expected);
    }

    void hideClientInformation()
    {
        auto w = openWindow(QStringLiteral("TfmDAN"), QStringLiteral("Append"));
        auto *person = w->findChild<QLineEdit *>(QStringLiteral("Lent_person"));
        QCOMPARE(person->echoMode(), QLineEdit::Normal);
        w->findChild<QCheckBox *>(QStringLiteral("VisibleRequest"))->setChecked(true);
        QCOMPARE(person->echoMode(), QLineEdit::Password);
        w->setTextOf(QStringLiteral("Sales_person"), QStringLiteral("홍길동"));
        w->sameAsOwner();
        QCOMPARE(w->textOf(QStringLiteral("Lent_person")), QStringLiteral("홍길동"));
        w->initInfo(true);
        QCOMPARE(w->textOf(QStringLiteral("Lent_person")), QString());
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestEntryWindow)
#include "test_entry_window.moc"
