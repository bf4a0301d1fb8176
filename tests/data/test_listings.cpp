// Listings through the data module: record numbers, reading, inserting, updating and deleting a
// row as a mamulRecord, the column order, and the calculated columns of the lists.

#include "data/database.h"
#include "data/db_error.h"
#include "data/schema.h"
#include "support/scripted_env.h"
#include "ui/cp949.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

namespace {

const char *const kChildFolder = "DOMORA_TEST_ALLOCATION_FOLDER";
const char *const kChildTag = "DOMORA_TEST_ALLOCATION_TAG";
constexpr int kInsertsPerWriter = 150;

// A value for every column of a listing, each different and within its stored width.
mamulRecord fullRecord(qint64 idSeq)
{
    mamulRecord rec;
    const QList<schema::Column> &columns = schema::listingTable().columns;
    for (int i = 0; i < columns.size(); ++i) {
        const schema::Column &c = columns.at(i);
        switch (c.type) {
        case schema::Type::Number:
            rec[i] = i % 2 ? QStringLiteral("%1.5").arg(i) : QString::number(i);
            break;
        case schema::Type::Money:
            rec[i] = QString::number(1000 * i + 7);
            break;
        case schema::Type::Memo:
            rec[i] = QStringLiteral("남향, 역세권\n주차 2대 'A'동");
            break;
        default:
            rec[i] = cp949::truncated(QStringLiteral("값%1 가나다라마바사").arg(i), c.width);
            break;
        }
    }
    rec[0] = QString::number(idSeq);
    return rec;
}

int count(const QString &where = QString())
{
    return sqlValue(QStringLiteral("select count(*) from mamul_table ") + where).toInt();
}

bool isKorean(const QString &text)
{
    return text.contains(QRegularExpression(QStringLiteral("[가-힣]")));
}

} // namespace

class TestListings : public QObject {
    Q_OBJECT

private slots:
    // ---- record numbers ----

    void nextNumbers_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("next");
        for (const char *t : {"mamul_table:Id_seq", "cust_table:Num", "Scedule:SCode"}) {
            const QStringList tk = QString::fromLatin1(t).split(QLatin1Char(':'));
            QTest::addRow("%s empty", t) << tk[0] << tk[1] << ""
                                         << "1";
            QTest::addRow("%s 1,2,7", t) << tk[0] << tk[1] << "1,2,7"
                                         << "8";
            QTest::addRow("%s 7 only", t) << tk[0] << tk[1] << "7"
                                          << "8";
        }
    }
    void nextNumbers()
    {
        QFETCH(QString, table);
        QFETCH(QString, key);
        QFETCH(QString, existing);
        QFETCH(QString, next);
        TestEnv env;
        env.newDataFolder();
        for (const QString &n : existing.split(QLatin1Char(','), Qt::SkipEmptyParts))
            execSql(QStringLiteral("insert into %1 (%2) values (%3)").arg(table, key, n));
        QString got;
        if (table == QLatin1String("mamul_table"))
            got = env.dm->NextListingId();
        else if (table == QLatin1String("cust_table"))
            got = env.dm->NextCustNum();
        else
            got = QString::number(env.dm->NextScheduleCode());
        QCOMPARE(got, next);
        // Drawing a number reserves nothing.
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from %1").arg(table)),
                 QString::number(existing.split(QLatin1Char(','), Qt::SkipEmptyParts).size()));
    }

    void insertNewListingStoresConsecutiveNumbers()
    {
        TestEnv env;
        env.newDataFolder();
        for (int n = 1; n <= 3; ++n) {
            mamulRecord rec;
            rec[QStringLiteral("Bld_nme")] = QStringLiteral("건물%1").arg(n);
            QCOMPARE(env.dm->InsertNewListing(rec), qint64(n));
            QCOMPARE(rec[0], QString::number(n));
        }
        QCOMPARE(sqlValue(QStringLiteral("select group_concat(cast(Id_seq as integer) || ':' || Bld_nme) from "
                                         "(select * from mamul_table order by Id_seq)")),
                 QStringLiteral("1:건물1,2:건물2,3:건물3"));
        execSql(QStringLiteral("insert into mamul_table (Id_seq) values (7)"));
        mamulRecord rec;
        QCOMPARE(env.dm->InsertNewListing(rec), qint64(8));
    }

    void insertNewListingWithABadAmountTakesNoNumber()
    {
        TestEnv env;
        env.newDataFolder();
        mamulRecord rec;
        rec[QStringLiteral("Sales_amt")] = QStringLiteral("1.5");
        QVERIFY_THROWS_EXCEPTION(DbError, env.dm->InsertNewListing(rec));
        QCOMPARE(count(), 0);
        rec[QStringLiteral("Sales_amt")] = QStringLiteral("15");
        QCOMPARE(env.dm->InsertNewListing(rec), qint64(1));
    }

    // Two other programs (this test binary, started again) and this one insert listings into one data
    // folder at the same time; every row must get a number of its own.
    void concurrentInsertsNeverShareANumber()
    {
        const QString childFolder = qEnvironmentVariable(kChildFolder);
        if (!childFolder.isEmpty()) {
            insertAsAnotherProgram(childFolder, qEnvironmentVariable(kChildTag));
            return;
        }
        TestEnv env;
        const QString folder = env.newDataFolder();
        QList<QProcess *> children;
        for (const QString &tag : {QStringLiteral("A"), QStringLiteral("B")}) {
            auto *p = new QProcess(this);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QString::fromLatin1(kChildFolder), folder);
            environment.insert(QString::fromLatin1(kChildTag), tag);
            p->setProcessEnvironment(environment);
            p->setProcessChannelMode(QProcess::MergedChannels);
            p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("concurrentInsertsNeverShareANumber")});
            QVERIFY(p->waitForStarted());
            children << p;
        }
        // Start together once both have opened the data folder.
        QDeadlineTimer ready(30000);
        while (!(QFile::exists(folder + QStringLiteral("/ready-A")) &&
                 QFile::exists(folder + QStringLiteral("/ready-B"))) &&
               !ready.hasExpired())
            QThread::msleep(10);
        QVERIFY(!ready.hasExpired());
        QFile go(folder + QStringLiteral("/go"));
        QVERIFY(go.open(QIODevice::WriteOnly));
        go.close();
        for (int i = 0; i < kInsertsPerWriter; ++i) {
            mamulRecord rec;
            rec[QStringLiteral("Bld_nme")] = QStringLiteral("P%1").arg(i);
            env.dm->InsertNewListing(rec);
        }
        for (QProcess *p : children) {
            QVERIFY(p->waitForFinished(120000));
            QVERIFY2(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0, p->readAll().constData());
        }
        const int all = 3 * kInsertsPerWriter;
        QCOMPARE(count(), all);
        QCOMPARE(sqlValue(QStringLiteral("select count(distinct Id_seq) from mamul_table")), QString::number(all));
        QCOMPARE(sqlValue(QStringLiteral(
                     "select cast(min(Id_seq) as integer) || '-' || cast(max(Id_seq) as integer) from mamul_table")),
                 QStringLiteral("1-%1").arg(all));
        for (const char *tag : {"A", "B", "P"})
            QCOMPARE(count(QStringLiteral("where Bld_nme like '%1%'").arg(QLatin1String(tag))), kInsertsPerWriter);
    }

    // ---- reading, writing, deleting ----

    void readingAMissingRowGivesAnEmptyRecord()
    {
        TestEnv env;
        env.newDataFolder();
        execSql(QStringLiteral("insert into mamul_table (Id_seq, Bld_nme) values (1, '자이')"));
        QVERIFY(env.dm->ReadListing(99).isEmpty());
        QVERIFY(env.dm->ReadListing(0).isEmpty());
        QCOMPARE(env.dm->ReadListing(1)[QStringLiteral("Bld_nme")], QStringLiteral("자이"));
    }

    void everyColumnRoundTrips()
    {
        TestEnv env;
        env.newDataFolder();
        const mamulRecord rec = fullRecord(5);
        env.dm->InsertListing(rec);
        const mamulRecord back = env.dm->ReadListing(5);
        for (int i = 0; i < mamulRecord::kColumns; ++i)
            QVERIFY2(
                back[i] == rec[i],
                qPrintable(
                    QStringLiteral("%1: '%2' read back as '%3'").arg(mamulRecord::columns().at(i), rec[i], back[i])));

        // An update of every column round-trips as well.
        mamulRecord changed = fullRecord(5);
        for (int i = 1; i < mamulRecord::kColumns; ++i)
            if (schema::listingTable().columns.at(i).type == schema::Type::Text)
                changed[i] = changed[i].left(1) + QStringLiteral("변");
        changed[QStringLiteral("Sales_amt")] = QStringLiteral("99");
        changed[QStringLiteral("Gnd_png")] = QStringLiteral("12.25");
        env.dm->UpdateListing(changed);
        QCOMPARE(env.dm->ReadListing(5), changed);
        QCOMPARE(count(), 1);
    }

    void numbersTravelAsDecimalText_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("whole area") << "Gnd_png"
                                    << "34"
                                    << "34";
        QTest::newRow("area with .0") << "Gnd_area"
                                      << "34.0"
                                      << "34";
        QTest::newRow("half area") << "Gnd_png"
                                   << "33.5"
                                   << "33.5";
        QTest::newRow("small fraction") << "N1"
                                        << "0.1"
                                        << "0.1";
        QTest::newRow("empty area") << "Gnd_area"
                                    << ""
                                    << "0";
        QTest::newRow("empty power") << "Elect"
                                     << ""
                                     << "0";
        QTest::newRow("empty yield") << "N1"
                                     << ""
                                     << "0";
        QTest::newRow("area with blanks") << "Gnd_png"
                                          << " 25 "
                                          << "25";
        QTest::newRow("amount") << "Sales_amt"
                                << "150000"
                                << "150000";
        QTest::newRow("empty amount") << "Sales_amt"
                                      << ""
                                      << "0";
        QTest::newRow("empty rent") << "Monthly_amt"
                                    << ""
                                    << "0";
        QTest::newRow("zero amount") << "Premium_amt"
                                     << "0"
                                     << "0";
        QTest::newRow("text of digits") << "Bld_layer"
                                        << "007"
                                        << "007";
        QTest::newRow("empty text") << "Bld_nme"
                                    << ""
                                    << "";
    }
    void numbersTravelAsDecimalText()
    {
        QFETCH(QString, column);
        QFETCH(QString, input);
        QFETCH(QString, readBack);
        TestEnv env;
        env.newDataFolder();
        mamulRecord rec;
        rec[0] = QStringLiteral("1");
        rec[column] = input;
        env.dm->InsertListing(rec);
        QCOMPARE(env.dm->ReadListing(1)[column], readBack);
        // Stored as a value, never as null.
        QCOMPARE(sqlValue(QStringLiteral("select %1 is null from mamul_table").arg(column)), QStringLiteral("0"));
    }

    void anEmptyRecordStoresNoNulls()
    {
        TestEnv env;
        env.newDataFolder();
        mamulRecord rec;
        rec[0] = QStringLiteral("1");
        env.dm->InsertListing(rec);
        for (const QString &c : mamulRecord::columns())
            QVERIFY2(sqlValue(QStringLiteral("select %1 is null from mamul_table").arg(c)) == QLatin1String("0"),
                     qPrintable(c));
        // So that a search with an empty pattern still finds the row.
        QCOMPARE(count(QStringLiteral("where Bld_nme like '%%' and Add_city like '%%'")), 1);
        env.dm->UpdateListing(rec);
        QCOMPARE(count(QStringLiteral("where Bld_nme = '' and Spec = ''")), 1);
    }

    void aBadNumberWritesNothing_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("operation");
        for (const char *op : {"insert", "update", "insert new"}) {
            QTest::addRow("%s: decimal amount", op) << "Sales_amt"
                                                    << "1.5" << op;
            QTest::addRow("%s: letters in a rent", op) << "Monthly_amt"
                                                       << "abc" << op;
            QTest::addRow("%s: letters in an area", op) << "Gnd_area"
                                                        << "abc" << op;
            QTest::addRow("%s: yield with a unit", op) << "N1"
                                                       << "12%" << op;
        }
        QTest::newRow("insert: number with letters") << "Id_seq"
                                                     << "2a"
                                                     << "insert";
    }
    void aBadNumberWritesNothing()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, operation);
        TestEnv env;
        env.newDataFolder();
        execSql(QStringLiteral("insert into mamul_table (Id_seq, Bld_nme, Sales_amt, Gnd_area) "
                               "values (1, '자이', 100, 20)"));
        const mamulRecord stored = env.dm->ReadListing(1);
        mamulRecord rec = stored;
        if (operation != QLatin1String("update"))
            rec[0] = QStringLiteral("2");
        rec[QStringLiteral("Bld_nme")] = QStringLiteral("바뀐 이름");
        rec[column] = value;
        try {
            if (operation == QLatin1String("insert"))
                env.dm->InsertListing(rec);
            else if (operation == QLatin1String("update"))
                env.dm->UpdateListing(rec);
            else
                env.dm->InsertNewListing(rec);
            QFAIL("no error");
        } catch (const DbError &e) {
            QVERIFY2(isKorean(e.text()), qPrintable(e.text()));
            QVERIFY2(e.text().contains(value), qPrintable(e.text()));
        }
        QCOMPARE(count(), 1);
        QCOMPARE(env.dm->ReadListing(1), stored);
        QCOMPARE(env.dm->NextListingId(), QStringLiteral("2"));
    }

    void updateKeepsColumnsNoWindowEdits()
    {
        TestEnv env;
        env.newDataFolder();
        // Rows delivered with the data folder may fill columns that no window shows.
        const QStringList unedited = {"Add_address", "Zip_code",    "Add_detail", "Add_etc",  "Layer_kubun",
                                      "C_youngdo",   "Etc_youngdo", "House_num",  "Hire_gbn", "Bld_month",
                                      "Etc_etc1",    "Etc_etc2",    "Homepage",   "E_mail",   "State_date",
                                      "Com_val",     "Id_id",       "Id_group",   "Id_secret"};
        QStringList values;
        for (int i = 0; i < unedited.size(); ++i)
            values << QStringLiteral("'%1'").arg(i % 3 ? QStringLiteral("v%1").arg(i) : QStringLiteral("값%1").arg(i));
        for (int id : {1, 2})
            execSql(
                QStringLiteral("insert into mamul_table (Id_seq, Gnd_gnd, Bld_nme, Sales_amt, %1) values (%2, 12.75, "
                               "'자이', 100, %3)")
                    .arg(unedited.join(QLatin1Char(',')))
                    .arg(id)
                    .arg(values.join(QLatin1Char(','))));
        const mamulRecord before = env.dm->ReadListing(1);

        mamulRecord edited = before;
        edited[QStringLiteral("Bld_nme")] = QStringLiteral("래미안");
        edited[QStringLiteral("Sales_amt")] = QStringLiteral("250");
        env.dm->UpdateListing(edited);

        const mamulRecord after = env.dm->ReadListing(1);
        for (const QString &c : unedited)
            QCOMPARE(after[c], before[c]);
        QCOMPARE(after[QStringLiteral("Gnd_gnd")], QStringLiteral("12.75"));
        QCOMPARE(after[QStringLiteral("Bld_nme")], QStringLiteral("래미안"));
        QCOMPARE(after[QStringLiteral("Sales_amt")], QStringLiteral("250"));
        QCOMPARE(env.dm->ReadListing(2)[QStringLiteral("Bld_nme")], QStringLiteral("자이"));
    }

    void deleteListing()
    {
        TestEnv env;
        env.newDataFolder();
        execSql(QStringLiteral("insert into mamul_table (Id_seq) values (1), (2), (3)"));
        env.dm->DeleteListing(2);
        QVERIFY(env.dm->ReadListing(2).isEmpty());
        QCOMPARE(count(), 2);
        env.dm->DeleteListing(99);
        QCOMPARE(count(), 2);
        QVERIFY(!env.dm->ReadListing(1).isEmpty());
        QVERIFY(!env.dm->ReadListing(3).isEmpty());
    }

    // ---- the column order ----

    void columnOrder()
    {
        TestEnv env;
        env.newDataFolder();
        const QStringList &columns = mamulRecord::columns();
        QCOMPARE(columns.size(), mamulRecord::kColumns);
        QCOMPARE(mamulRecord::kColumns, 97);
        QCOMPARE(columns.first(), QStringLiteral("Id_seq"));
        QCOMPARE(columns.last(), QStringLiteral("Elect"));
        QSqlQuery q(database::connection());
        QVERIFY(q.exec(QStringLiteral("PRAGMA table_info(mamul_table)")));
        QStringList stored;
        while (q.next())
            stored << q.value(1).toString();
        QCOMPARE(stored, columns);
    }

    void columnPositions_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("position"); // 1-based
        QTest::newRow("Obj_kind") << "Obj_kind" << 2;
        QTest::newRow("Add_city") << "Add_city" << 7;
        QTest::newRow("Zip_code") << "Zip_code" << 13;
        QTest::newRow("Bld_nme") << "Bld_nme" << 16;
        QTest::newRow("Gnd_png") << "Gnd_png" << 23;
        QTest::newRow("Sales_amt") << "Sales_amt" << 32;
        QTest::newRow("Oth_amt") << "Oth_amt" << 38;
        QTest::newRow("N1") << "N1" << 47;
        QTest::newRow("Trafic_info") << "Trafic_info" << 58;
        QTest::newRow("Pic_pic1") << "Pic_pic1" << 59;
        QTest::newRow("Pic_pic4") << "Pic_pic4" << 62;
        QTest::newRow("Sales_person") << "Sales_person" << 65;
        QTest::newRow("Estate_nme") << "Estate_nme" << 73;
        QTest::newRow("Obj_state") << "Obj_state" << 81;
        QTest::newRow("c1") << "c1" << 82;
        QTest::newRow("Id_secret") << "Id_secret" << 90;
        QTest::newRow("Spec") << "Spec" << 91;
        QTest::newRow("c3") << "c3" << 92;
        QTest::newRow("C16") << "C16" << 95;
        QTest::newRow("Bld_hi_home") << "Bld_hi_home" << 96;
        QTest::newRow("any case") << "SALES_AMT" << 32;
    }
    void columnPositions()
    {
        QFETCH(QString, column);
        QFETCH(int, position);
        QCOMPARE(mamulRecord::indexOf(column) + 1, position);
        mamulRecord rec;
        rec[column] = QStringLiteral("x");
        QCOMPARE(rec[position - 1], QStringLiteral("x"));
    }

    void unknownColumnOfARecord()
    {
        mamulRecord rec;
        QCOMPARE(mamulRecord::indexOf(QStringLiteral("Bld_name")), -1);
        QVERIFY_THROWS_EXCEPTION(DbError, rec[QStringLiteral("Bld_name")]);
    }

    // ---- calculated columns of the lists ----

    void calculatedColumns_data()
    {
        QTest::addColumn<QStringList>("address"); // city, district, town, number
        QTest::addColumn<QString>("addrList");
        QTest::addColumn<QStringList>("layers"); // floor, floors
        QTest::addColumn<QString>("layerSum");
        QTest::addColumn<QStringList>("phoneColumns"); // mobile, home, office
        QTest::addColumn<QString>("phones");
        QTest::newRow("everything") << QStringList{"서울", "강남구", "역삼동", "123-4"} << "서울 강남구 역삼동 123-4"
                                    << QStringList{"12", "25"} << "12/25"
                                    << QStringList{"010-1111-2222", "02-333-4444", "02-555-6666"} << "010-1111-2222";
        QTest::newRow("city only, home and office")
            << QStringList{"서울", "", "", ""} << "서울   " << QStringList{"", "15"} << "/15"
            << QStringList{"", "02-333-4444", "02-555-6666"} << "02-333-4444";
        QTest::newRow("nothing but an office phone") << QStringList{"", "", "", ""} << "   " << QStringList{"", ""}
                                                     << "/" << QStringList{"", "", "031-777-8888"} << "031-777-8888";
        QTest::newRow("mobile and office")
            << QStringList{"", "분당구", "", "7"} << " 분당구  7" << QStringList{"B1", ""} << "B1/"
            << QStringList{"011-222-3333", "", "031-777-8888"} << "011-222-3333";
        QTest::newRow("no phone") << QStringList{"부산", "해운대구", "우동", ""} << "부산 해운대구 우동 "
                                  << QStringList{"3", "3"} << "3/3" << QStringList{"", "", ""} << "";
    }
    void calculatedColumns()
    {
        QFETCH(QStringList, address);
        QFETCH(QString, addrList);
        QFETCH(QStringList, layers);
        QFETCH(QString, layerSum);
        QFETCH(QStringList, phoneColumns);
        QFETCH(QString, phones);
        TestEnv env;
        env.newDataFolder();
        for (int id : {1, 2, 3}) {
            mamulRecord rec;
            rec[0] = QString::number(id);
            rec[QStringLiteral("Add_city")] = address[0];
            rec[QStringLiteral("Add_district")] = address[1];
            rec[QStringLiteral("Add_town")] = address[2];
            rec[QStringLiteral("Addr_number")] = address[3];
            rec[QStringLiteral("Bld_layer")] = layers[0];
            rec[QStringLiteral("Bld_hi_layer")] = layers[1];
            rec[QStringLiteral("Sales_cnum")] = phoneColumns[0];
            rec[QStringLiteral("Sales_pnum")] = phoneColumns[1];
            rec[QStringLiteral("Sales_onum")] = phoneColumns[2];
            env.dm->InsertListing(rec);
        }
        // The list statement every list window builds.
        env.dm->AppendListColumns();
        env.dm->qry_mamul.setSql(QStringLiteral("select ") + env.dm->ListColumns +
                                 QStringLiteral(" from mamul_table.db order by id_seq desc"));
        env.dm->qry_mamul.open();
        QStringList rowNumbers;
        for (; !env.dm->qry_mamul.eof(); env.dm->qry_mamul.next()) {
            QCOMPARE(env.dm->qry_mamuladdr_listGetText(), addrList);
            QCOMPARE(env.dm->qry_mamullayer_sumGetText(), layerSum);
            QCOMPARE(env.dm->qry_mamulphonesGetText(), phones);
            rowNumbers << env.dm->qry_mamulcnt_cGetText();
        }
        QCOMPARE(rowNumbers, (QStringList{"1", "2", "3"}));
    }

private:
    // The child side of concurrentInsertsNeverShareANumber.
    void insertAsAnotherProgram(const QString &folder, const QString &tag)
    {
        database::open(folder);
        Tdm dm;
        QFile ready(folder + QStringLiteral("/ready-") + tag);
        QVERIFY(ready.open(QIODevice::WriteOnly));
        ready.close();
        QDeadlineTimer go(30000);
        while (!QFile::exists(folder + QStringLiteral("/go")) && !go.hasExpired())
            QThread::msleep(5);
        QVERIFY(!go.hasExpired());
        try {
            for (int i = 0; i < kInsertsPerWriter; ++i) {
                mamulRecord rec;
                rec[QStringLiteral("Bld_nme")] = tag + QString::number(i);
                dm.InsertNewListing(rec);
            }
        } catch (const DbError &e) {
            database::close();
            QFAIL(qPrintable(e.text()));
        }
        database::close();
    }
};

QTEST_MAIN(TestListings)
#include "test_listings.moc"
