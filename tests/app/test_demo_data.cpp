// The demonstration data folder: every window has something to show, and the data is the same on
// every run.

#include "data/data_module.h"
#include "data/database.h"
#include "support/scripted_env.h"
#include "ui/cp949.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

// Every row of a select, each as its values' texts.
QList<QStringList> rows(const QString &sql)
{
    QList<QStringList> out;
    QSqlQuery q(database::connection());
    if (!q.exec(sql)) {
        qWarning("statement failed: %s", qPrintable(sql));
        return out;
    }
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i).toString();
        out << row;
    }
    return out;
}

int count(const QString &sql)
{
    return sqlValue(sql).toInt();
}

QStringList column(const QString &sql)
{
    QStringList out;
    for (const QStringList &row : rows(sql))
        out << row.value(0);
    return out;
}

const QString kMainKinds =
    QStringLiteral("('아파트','아파트분양권','단독주택','다가구','빌라','다세대','연립','상가',"
                   "'상가주택','오피스텔','원룸','사무실','빌딩','토지','공장','전원주택','주유소',"
                   "'모텔')");
const QString kListing = QStringLiteral("Obj_kubun1 in ('매매','임대')");

// The data folder's contents as text, with the folder itself left out so two folders compare.
QStringList dump(const QString &folder)
{
    QStringList out;
    const QStringList tables = {QStringLiteral("mamul_table"), QStringLiteral("cust_table"), QStringLiteral("id_table"),
                                QStringLiteral("Scedule"),     QStringLiteral("SIDO"),       QStringLiteral("SIGUN"),
                                QStringLiteral("UMD"),         QStringLiteral("ZIPCODE")};
    const QString parent = QFileInfo(folder).absolutePath();
    for (const QString &table : tables)
        for (const QStringList &row : rows(QStringLiteral("select * from %1 order by rowid").arg(table)))
            out << table + QLatin1Char(':') + row.join(QLatin1Char('|')).replace(parent, QStringLiteral("<home>"));
    const QDir img(QDir(folder).filePath(QStringLiteral("img")));
    for (const QString &name : img.entryList(QDir::Files, QDir::Name)) {
        QFile file(img.filePath(name));
        file.open(QIODevice::ReadOnly);
        out << name + QLatin1Char(':') + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
    }
    return out;
}

} // namespace

class TestDemoData : public QObject {
    Q_OBJECT

private slots:
    void everyKindHasItsDealTypes_data();
    void everyKindHasItsDealTypes();
    void statesAndAmountsAreThoseTheWindowsOffer();
    void requestsAreRowsOfTheirOwn();
    void addressListsCoverTheCountry();
    void listingsLieInTheSeedsTowns();
    void picturesAreKeptInTheImageFolder();
    void officeSettingsLoadAsAtStartup();
    void customersAreNumberedFromOne();
    void datesFollowToday_data();
    void datesFollowToday();
    void textsFitTheirInputs();
    void sameDataOnEveryRun();
};

void TestDemoData::everyKindHasItsDealTypes_data()
{
    QTest::addColumn<QString>("kindCondition");
    QTest::addColumn<bool>("leased");
    QTest::newRow("APT") << QStringLiteral("Obj_kind = '아파트'") << true;
    QTest::newRow("BUN") << QStringLiteral("Obj_kind = '아파트분양권'") << false;
    QTest::newRow("DAN") << QStringLiteral("Obj_kind = '단독주택'") << true;
    QTest::newRow("DAG") << QStringLiteral("Obj_kind = '다가구'") << true;
    QTest::newRow("BIL") << QStringLiteral("Obj_kind in ('빌라','다세대','연립')") << true;
    QTest::newRow("SAG") << QStringLiteral("Obj_kind = '상가'") << true;
    QTest::newRow("SAJ") << QStringLiteral("Obj_kind = '상가주택'") << true;
    QTest::newRow("OFT") << QStringLiteral("Obj_kind = '오피스텔'") << true;
    QTest::newRow("ONE") << QStringLiteral("Obj_kind = '원룸'") << true;
    QTest::newRow("SAM") << QStringLiteral("Obj_kind = '사무실'") << true;
    QTest::newRow("BUL") << QStringLiteral("Obj_kind = '빌딩'") << true;
    QTest::newRow("TOJ") << QStringLiteral("Obj_kind = '토지'") << true;
    QTest::newRow("GON") << QStringLiteral("Obj_kind = '공장'") << true;
    QTest::newRow("JUN") << QStringLiteral("Obj_kind = '전원주택'") << true;
    QTest::newRow("JOO") << QStringLiteral("Obj_kind = '주유소'") << true;
    QTest::newRow("MOT") << QStringLiteral("Obj_kind = '모텔'") << true;
    QTest::newRow("OTH") << QStringLiteral("Obj_kind not in ") + kMainKinds << true;
}

void TestDemoData::everyKindHasItsDealTypes()
{
    QFETCH(QString, kindCondition);
    QFETCH(bool, leased);
    TestEnv env;
    env.newDataFolder(QStringLiteral("office/data"), true);
    const int listings = count(QStringLiteral("select count(*) from mamul_table where ") + kListing);
    QVERIFY2(listings >= 250 && listings <= 350, qPrintable(QString::number(listings)));
    const QString where = QStringLiteral(" from mamul_table where ") + kindCondition;
    QVERIFY(count(QStringLiteral("select count(*)") + where + QStringLiteral(" and Obj_kubun1 = '매매'")) > 0);
    const int leases = count(QStringLiteral("select count(*)") + where + QStringLiteral(" and Obj_kubun1 = '임대'"));
    QCOMPARE(leases > 0, leased);
}

void TestDemoData::statesAndAmountsAreThoseTheWindowsOffer()
{
    TestEnv env;
    env.newDataFolder(QStringLiteral("office/data"), true);
    // Every state of a listing occurs, so the contract and on-hold windows have rows, and no other.
    const QStringList states = {QStringLiteral("일반"), QStringLiteral("추천"), QStringLiteral("급매"),
                                QStringLiteral("계약"), QStringLiteral("보류"), QStringLiteral("기타"),
                                QStringLiteral("삭제")};
    QStringList found = column(QStringLiteral("select distinct Obj_state from mamul_table where ") + kListing);
    found.sort();
    QStringList expected = states;
    expected.sort();
    QCOMPARE(found, expected);
    QVERIFY(count(QStringLiteral("select count(*) from mamul_table where Obj_state = '일반'")) >
            count(QStringLiteral("select count(*) from mamul_table where Obj_state <> '일반' and ") + kListing));

    // Sales carry a price and no lease type; leases a lease type, a deposit and a rent in range.
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where Obj_kubun1 = '매매' and "
                                  "(Sales_amt <= 0 or Obj_kubun2 <> '')")),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where Obj_kubun1 = '임대' and "
                                  "(Obj_kubun2 not in ('전세','월세','전월세') or Sales_amt <> 0 or "
                                  "Warrenty_amt < 500 or Warrenty_amt > 50000)")),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where Obj_kubun2 = '전세' and Monthly_amt <> 0")),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where Obj_kubun2 in ('월세','전월세') and "
                                  "(Monthly_amt < 40 or Monthly_amt > 300)")),
             0);
    for (const QString &type : {QStringLiteral("전세"), QStringLiteral("월세"), QStringLiteral("전월세")})
        QVERIFY2(count(QStringLiteral("select count(*) from mamul_table where Obj_kubun2 = '%1'").arg(type)) > 0,
                 qPrintable(type));
    const QList<QStringList> seoul = rows(QStringLiteral("select min(Sales_amt), max(Sales_amt) from mamul_table "
                                                         "where Obj_kind = '아파트' and Obj_kubun1 = '매매' and "
                                                         "Add_city = '서울'"));
    QVERIFY(seoul.value(0).value(0).toInt() >= 30000);
    QVERIFY(seoul.value(0).value(1).toInt() <= 150000);
    // Amounts are whole 만원: money columns hold integers.
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where typeof(Sales_amt) <> 'integer' or "
                                  "typeof(Warrenty_amt) <> 'integer' or typeof(Monthly_amt) <> 'integer'")),
             0);
}

void TestDemoData::requestsAreRowsOfTheirOwn()
{
    TestEnv env;
    env.newDataFolder(QStringLiteral("office/data"), true);
    const QList<QStringList> requests =
        rows(QStringLiteral("select Obj_kind, Obj_state, Obj_kubun3, Sales_person, Sales_cnum, Sales_amt "
                            "from mamul_table where Obj_kubun1 = '매수임차'"));
    QVERIFY(requests.size() >= 5);
    const QStringList deals = {QStringLiteral("매수"), QStringLiteral("임차"), QStringLiteral("매매"),
                               QStringLiteral("임대"), QStringLiteral("교환")};
    const QStringList states = {QStringLiteral("급구"), QStringLiteral("보통"), QStringLiteral("당골"),
                                QStringLiteral("보류"), QStringLiteral("완료")};
    const QStringList customers = column(QStringLiteral("select Cname from cust_table"));
    QSet<QString> statesSeen;
    for (const QStringList &r : requests) {
        QVERIFY2(deals.contains(r.at(0)), qPrintable(r.join(QLatin1Char('|'))));
        QVERIFY2(states.contains(r.at(1)), qPrintable(r.join(QLatin1Char('|'))));
        QVERIFY(!r.at(2).isEmpty());
        QVERIFY2(customers.contains(r.at(3)), qPrintable(r.at(3)));
        QVERIFY(!r.at(4).isEmpty());
        QVERIFY(r.at(5).toInt() > 0);
        statesSeen.insert(r.at(1));
    }
    QCOMPARE(statesSeen.size(), states.size());
    // The listing lists and the contract and on-hold lists keep requests out by kind.
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where ") + kListing +
                   QStringLiteral(" and Obj_kind in ('매수','임차','매매','임대','교환')")),
             0);
}

void TestDemoData::addressListsCoverTheCountry()
{
    TestEnv env;
    env.newDataFolder(QStringLiteral("office/data"), true);
    QCOMPARE(column(QStringLiteral("select sido from SIDO order by rowid")), Tdm::cityNames());
    for (const QString &city : Tdm::cityNames())
        QVERIFY2(count(QStringLiteral("select count(*) from SIGUN where sido = '%1'").arg(city)) > 0, qPrintable(city));
    QComboBox districts, towns;
    env.dm->FillDistrictList(QStringLiteral("서울"), &districts);
    QCOMPARE(districts.count(), 25);
    QVERIFY(districts.findText(QStringLiteral("강남구")) >= 0);
    env.dm->FillTownList(QStringLiteral("서울"), QStringLiteral("강남구"), &towns);
    QVERIFY(towns.findText(QStringLiteral("역삼동")) >= 0);

    // The postal directory holds the seed's rows, the office's postal code among them.
    QFile file(QStringLiteral(":/data/address_seed.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray zips = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("zipcode")).toArray();
    QVERIFY(!zips.isEmpty());
    QCOMPARE(count(QStringLiteral("select count(*) from ZIPCODE")), int(zips.size()));
    QCOMPARE(sqlValue(QStringLiteral("select DONG from ZIPCODE where ZIPCODE = (select post from id_table)")),
             QStringLiteral("역삼동"));
}

void TestDemoData::listingsLieInTheSeedsTowns()
{
    TestEnv env;
    env.newDataFolder(QStringLiteral("office/data"), true);
    // Every listing's town is one the address lists offer, so its entry window shows it selected.
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table m where not exists (select 1 from UMD u where "
                                  "u.sido = m.Add_city and u.sigun = m.Add_district and u.umd = m.Add_town)")),
             0);
    QVERIFY(count(QStringLiteral("select count(distinct Add_district) from mamul_table")) > 3);
}

void TestDemoData::picturesAreKeptInTheImageFolder()
{
    TestEnv env;
    env.newDataFolder(QStringLiteral("office/data"), true);
    const QDir img(env.dm->imgFolder());
    const QList<QStringList> pictured =
        rows(QStringLiteral("select Id_seq, Pic_pic1, Pic_pic2 from mamul_table where Pic_pic1 <> ''"));
    QVERIFY2(pictured.size() >= 8 && pictured.size() <= 16, qPrintable(QString::number(pictured.size())));
    QStringList referenced;
    int seconds = 0;
    for (const QStringList &r : pictured) {
        const QString id = QString::number(r.at(0).toDouble(), 'f', 0);
        for (int slot = 1; slot <= 2; ++slot) {
            const QString stored = r.at(slot);
            if (stored.isEmpty())
                continue;
            seconds += slot == 2;
            QCOMPARE(QDir::cleanPath(stored), img.filePath(QStringLiteral("img%1_%2.jpg").arg(id).arg(slot)));
            const QImage image(stored);
            QVERIFY2(!image.isNull(), qPrintable(stored));
            QVERIFY(image.width() >= 320 && image.height() >= 240);
            referenced << QFileInfo(stored).fileName();
        }
    }
    QVERIFY(seconds > 0);
    QVERIFY(seconds < pictured.size());
    // No picture lies in the folder without its listing.
    QStringList files = img.entryList(QDir::Files);
    files.sort();
    referenced.sort();
    QCOMPARE(files, referenced);
}

void TestDemoData::officeSettingsLoadAsAtStartup()
{
    TestEnv env;
    env.newDataFolder(QStringLiteral("office/data"), true);
    Tdm &dm = *env.dm;
    dm.tbl_id.setSql(QStringLiteral("select * from id_table where Num = 1"));
    dm.tbl_id.open();
    QVERIFY(dm.tbl_id.fieldByName(QStringLiteral("loginf")).asBoolean());
    QCOMPARE(dm.tbl_id.fieldByName(QStringLiteral("Id")).asString(), QStringLiteral("ADMIN"));
    dm.LoadOfficeInformation(true, QFont(), QColor());
    QCOMPARE(dm.OfficeName, QStringLiteral("행복공인중개사사무소"));
    QCOMPARE(dm.OfficePhone, QStringLiteral("02-555-1234"));
    QCOMPARE(dm.LogoText, QStringLiteral("행복부동산"));
    QCOMPARE(dm.DefaultCity + dm.DefaultDistrict + dm.DefaultTown, QStringLiteral("서울강남구역삼동"));
    QCOMPARE(QDir::cleanPath(dm.MainLogoFile), QDir(dm.imageFolder()).filePath(QStringLiteral("logo.gif")));
    QVERIFY(!QImage(dm.MainLogoFile).isNull());
    QVERIFY(QFileInfo(dm.MainLogoFile).isWritable());

    // Listings carry the office as an entry window of this office would have filled it in.
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where Estate_nme <> '%1' or Estate_rep <> '%2' or "
                                  "Estate_pnum <> '%3' or Estate_cnum <> '%4'")
                       .arg(dm.OfficeName, dm.OfficeMainPhone, dm.OfficePhone, dm.OfficeMobile)),
             0);
}

void TestDemoData::customersAreNumberedFromOne()
{
    TestEnv env;
    env.newDataFolder(QStringLiteral("office/data"), true);
    const QList<QStringList> numbers =
        rows(QStringLiteral("select count(*), count(distinct Num), min(Num), max(Num) from cust_table"));
    const int n = numbers.value(0).value(0).toInt();
    QVERIFY(n >= 40 && n <= 60);
    QCOMPARE(numbers.value(0).value(1).toInt(), n);
    QCOMPARE(numbers.value(0).value(2).toInt(), 1);
    QCOMPARE(numbers.value(0).value(3).toInt(), n);
    QCOMPARE(env.dm->NextCustNum(), QString::number(n + 1));

    const QRegularExpression mobile(QStringLiteral("^010-\\d{4}-\\d{4}$"));
    const QRegularExpression address(QStringLiteral("^\\(\\d{3}-\\d{3}\\) \\S+ \\S+ \\S+"));
    const QStringList relations = {QStringLiteral("고객"), QStringLiteral("가족"),   QStringLiteral("친척"),
                                   QStringLiteral("친구"), QStringLiteral("관공서"), QStringLiteral("기타")};
    for (const QStringList &c : rows(QStringLiteral("select Cname, Chandphone, Caddr, CGwange from cust_table"))) {
        QVERIFY(!c.at(0).isEmpty());
        QVERIFY2(mobile.match(c.at(1)).hasMatch(), qPrintable(c.at(1)));
        QVERIFY2(address.match(c.at(2)).hasMatch(), qPrintable(c.at(2)));
        QVERIFY2(relations.contains(c.at(3)), qPrintable(c.at(3)));
    }
    QVERIFY(count(QStringLiteral("select count(*) from cust_table where CGwange = '고객'")) * 2 > n);

    // Some owners are in the customer book, so the owner lookup of an entry window finds them.
    QVERIFY(count(QStringLiteral("select count(*) from mamul_table m where exists (select 1 from cust_table c where "
                                 "c.Cname = m.Sales_person and c.Chandphone = m.Sales_cnum) and ") +
                  kListing) > 0);
}

void TestDemoData::datesFollowToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::newRow("december") << QDate(2026, 12, 9);
    QTest::newRow("leap february") << QDate(2024, 2, 29);
    QTest::newRow("first of a month") << QDate(2025, 7, 1);
    QTest::newRow("year's first day") << QDate(2027, 1, 1);
}

void TestDemoData::datesFollowToday()
{
    QFETCH(QDate, today);
    TestEnv env;
    env.clock->date = today;
    env.newDataFolder(QStringLiteral("office/data"), true);
    const QString first = QDate(today.year(), today.month(), 1).toString(Qt::ISODate);
    const QString last = QDate(today.year(), today.month(), today.daysInMonth()).toString(Qt::ISODate);
    const QString now = today.toString(Qt::ISODate);
    const QString twoYearsAgo = today.addYears(-2).toString(Qt::ISODate);

    // Schedule items fill the month being shown when the calendar opens.
    const QList<QStringList> items = rows(QStringLiteral("select SCode, SDate, Title, ACheck, Type from Scedule"));
    QVERIFY(items.size() >= 8 && items.size() <= 16);
    QSet<int> codes, types;
    for (const QStringList &item : items) {
        codes.insert(item.at(0).toInt());
        QVERIFY2(item.at(1) >= first && item.at(1) <= last, qPrintable(item.at(1)));
        QVERIFY(QDate::fromString(item.at(1), Qt::ISODate).isValid());
        QVERIFY(!item.at(2).isEmpty() && cp949::length(item.at(2)) <= 30);
        QVERIFY(item.at(3) == QStringLiteral("0") || item.at(3) == QStringLiteral("1"));
        types.insert(item.at(4).toInt());
    }
    QCOMPARE(codes.size(), items.size());
    QCOMPARE(*std::min_element(codes.begin(), codes.end()), 1);
    QCOMPARE(*std::max_element(codes.begin(), codes.end()), int(items.size()));
    QCOMPARE(types, (QSet<int>{0, 1, 2, 3, 4}));

    // Listings were entered over the past two years and changed since, never in the future.
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where Insert_date < '%1' or Insert_date > '%2' or "
                                  "Update_date < Insert_date or Update_date > '%2' or length(Insert_date) <> 10")
                       .arg(twoYearsAgo, now)),
             0);
    QVERIFY(count(QStringLiteral("select count(*) from mamul_table where Insert_date < '%1'")
                      .arg(today.addYears(-1).toString(Qt::ISODate))) > 0);
    // Listings under contract have their contract period; the others none.
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where Obj_state = '계약' and "
                                  "(Cont_date = '' or Cont_end_date <= Cont_date or Cont_date > '%1')")
                       .arg(now)),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) from mamul_table where Obj_state not in ('계약','완료') and "
                                  "Cont_date <> ''")),
             0);
}

void TestDemoData::textsFitTheirInputs()
{
    TestEnv env;
    env.newDataFolder(QStringLiteral("office/data"), true);
    QSqlQuery q(database::connection());
    QVERIFY(q.exec(QStringLiteral("select * from mamul_table")));
    const QRegularExpression digits(QStringLiteral("^\\d*$"));
    int rowsSeen = 0;
    while (q.next()) {
        ++rowsSeen;
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i) {
            const QString name = mamulRecord::columns().value(mamulRecord::indexOf(rec.fieldName(i)));
            const int limit = Tdm::ColumnMaxLength(name);
            // Attachments hold full paths and the description is a memo: neither has an input limit.
            if (limit == 0 || name.startsWith(QStringLiteral("Pic_pic")) || name == QStringLiteral("Spec"))
                continue;
            const QString text = q.value(i).toString();
            QVERIFY2(cp949::length(text) <= limit, qPrintable(name + QStringLiteral(": ") + text));
        }
        const QString note = q.value(QStringLiteral("c1")).toString();
        QCOMPARE(note, note.toUpper());
        QVERIFY(QStringList({QStringLiteral("YES"), QStringLiteral("NO"), QString()})
                    .contains(q.value(QStringLiteral("c2")).toString()));
        for (const char *floor : {"Bld_layer", "Bld_hi_layer", "Bld_lo_layer", "Room_num"})
            QVERIFY2(digits.match(q.value(QString::fromLatin1(floor)).toString()).hasMatch(), floor);
    }
    QVERIFY(rowsSeen > 0);
}

void TestDemoData::sameDataOnEveryRun()
{
    TestEnv env;
    QElapsedTimer timer;
    timer.start();
    const QString a = env.newDataFolder(QStringLiteral("first/data"), true);
    // Making the demonstration folder is part of a first start: it must not keep the user waiting.
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    const QStringList first = dump(a);
    const QString b = env.newDataFolder(QStringLiteral("second/data"), true);
    const QStringList second = dump(b);
    QVERIFY(first.size() > 500);
    QCOMPARE(second.size(), first.size());
    for (int i = 0; i < first.size(); ++i)
        QCOMPARE(second.at(i), first.at(i));
}

QTEST_MAIN(TestDemoData)
#include "test_demo_data.moc"
