// Importing a postal directory file into the data folder: encodings, quoting, the header line, faults
// that leave the directory as it was, the pick lists built from the same rows, speed, and the
// command-line task.
#include "data/zipcode_import.h"
#include "support/scripted_env.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTest>

namespace {

const QString kHeader = QStringLiteral("ZIPCODE,SIDO,GUGUN,DONG,BUNJI,GITA,ADDR\n");

// Three rows: one 동 in two districts, and a quoted address with a comma and a quote in it.
const QString kRows = QStringLiteral("135-080,서울,강남구,역삼동,1~100,,서울 강남구 역삼동 1~100\n"
                                     "137-070,서울,서초구,역삼동,,,서울 서초구 역삼동\n"
                                     "463-010,경기,성남시,정자동,\"1,2\",\"\"\"한솔\"\" 마을\","
                                     "\"경기 성남시 정자동 1,2 \"\"한솔\"\"\"\n");

QString writeFile(const TestEnv &env, const QString &name, const QByteArray &bytes)
{
    const QString path = env.path(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(bytes);
    return path;
}

QByteArray cp949(const QString &text)
{
    QStringEncoder enc("windows-949");
    return enc.encode(text);
}

int count(const QString &table)
{
    return sqlValue(QStringLiteral("select count(*) from ") + table).toInt();
}

// A directory that an import must either replace whole or leave alone.
void seedDirectory()
{
    execSql(QStringLiteral("insert into ZIPCODE values ('100-100', '옛시', '옛구', '옛동', '', '', '옛 주소')"));
    execSql(QStringLiteral("insert into SIGUN values ('옛시', '옛구')"));
    execSql(QStringLiteral("insert into UMD values ('옛시', '옛구', '옛동')"));
}

} // namespace

class TestZipcodeImport : public QObject {
    Q_OBJECT
private slots:
    void encodingsAndHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("utf-8 with header") << (kHeader + kRows).toUtf8();
        QTest::newRow("utf-8 without header") << kRows.toUtf8();
        QTest::newRow("utf-8 with byte order mark") << QByteArray("\xEF\xBB\xBF") + (kHeader + kRows).toUtf8();
        QTest::newRow("cp949 with header") << cp949(kHeader + kRows);
        QTest::newRow("cp949 with Korean header")
            << cp949(QStringLiteral("우편번호,시도,구군,동,번지,기타,주소\n") + kRows);
        QTest::newRow("cp949 crlf") << cp949(
            QString(kHeader + kRows).replace(QLatin1String("\n"), QLatin1String("\r\n")));
    }
    void encodingsAndHeader()
    {
        QFETCH(QByteArray, bytes);
        TestEnv env;
        env.newDataFolder();
        seedDirectory();
        const zipcodes::ImportResult r = zipcodes::importFile(writeFile(env, QStringLiteral("zip.csv"), bytes));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.rows, 3);
        QCOMPARE(count(QStringLiteral("ZIPCODE")), 3);
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from ZIPCODE where DONG = '옛동'")), QStringLiteral("0"));
        QCOMPARE(sqlValue(QStringLiteral("select ADDR from ZIPCODE where ZIPCODE = '135-080'")),
                 QStringLiteral("서울 강남구 역삼동 1~100"));
        QCOMPARE(sqlValue(QStringLiteral("select BUNJI from ZIPCODE where ZIPCODE = '463-010'")),
                 QStringLiteral("1,2"));
        QCOMPARE(sqlValue(QStringLiteral("select GITA from ZIPCODE where ZIPCODE = '463-010'")),
                 QStringLiteral("\"한솔\" 마을"));
        QCOMPARE(sqlValue(QStringLiteral("select ADDR from ZIPCODE where ZIPCODE = '463-010'")),
                 QStringLiteral("경기 성남시 정자동 1,2 \"한솔\""));
        // An empty field is stored as empty text, so exact matches on it still work.
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from ZIPCODE where GITA = ''")), QStringLiteral("2"));
    }

    void splitting_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << "a,b,,c" << QStringList{"a", "b", "", "c"} << true;
        QTest::newRow("blanks around") << " a , b " << QStringList{"a", "b"} << true;
        QTest::newRow("quoted comma") << "\"a,b\",c" << QStringList{"a,b", "c"} << true;
        QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\",x" << QStringList{"say \"hi\"", "x"} << true;
        QTest::newRow("quoted keeps blanks") << "\" a \",b" << QStringList{" a ", "b"} << true;
        QTest::newRow("empty quoted") << "\"\",b" << QStringList{"", "b"} << true;
        QTest::newRow("trailing comma") << "a," << QStringList{"a", ""} << true;
        QTest::newRow("unclosed quote") << "\"a,b" << QStringList{} << false;
        QTest::newRow("text after quote") << "\"a\"b,c" << QStringList{} << false;
    }
    void splitting()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QFETCH(bool, ok);
        QStringList got;
        QString why;
        QCOMPARE(zipcodes::splitLine(line, &got, &why), ok);
        if (ok)
            QCOMPARE(got, fields);
        else
            QVERIFY(!why.isEmpty());
    }

    void badLineChangesNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        const QString good = QStringLiteral("135-080,서울,강남구,역삼동,,,서울 강남구 역삼동\n");
        QTest::newRow("six fields") << kHeader + good + good + "135-081,서울,강남구,삼성동,,서울\n" << 4;
        QTest::newRow("eight fields") << good + "135-081,서울,강남구,삼성동,,,a,b\n" << 2;
        QTest::newRow("unclosed quote") << kHeader + "135-081,서울,강남구,\"삼성동,,,a\n" << 2;
        QTest::newRow("not a postal code") << good + good + "13508x,서울,강남구,삼성동,,,a\n" << 3;
        QTest::newRow("empty 동") << good + "135-081,서울,강남구,,,,a\n" << 2;
        QTest::newRow("empty 시도") << good + "135-081,,강남구,삼성동,,,a\n" << 2;
        QTest::newRow("address too long") << good + "135-081,서울,강남구,삼성동,,," + QString(128, QChar(0xAC00)) + "\n"
                                          << 2;
        QTest::newRow("blank lines counted") << good + "\n\n" + "135-081,서울\n" << 4;
    }
    void badLineChangesNothing()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        TestEnv env;
        env.newDataFolder();
        seedDirectory();
        const zipcodes::ImportResult r = zipcodes::importFile(writeFile(env, QStringLiteral("bad.csv"), text.toUtf8()));
        QVERIFY(!r.ok);
        QCOMPARE(r.errorLine, line);
        QVERIFY2(r.error.startsWith(QStringLiteral("%1번째 줄").arg(line)), qPrintable(r.error));
        QCOMPARE(count(QStringLiteral("ZIPCODE")), 1);
        QCOMPARE(sqlValue(QStringLiteral("select DONG from ZIPCODE")), QStringLiteral("옛동"));
        QCOMPARE(count(QStringLiteral("SIGUN")), 1);
        QCOMPARE(count(QStringLiteral("UMD")), 1);
    }

    void unreadableFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("header only") << kHeader.toUtf8();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("neither encoding") << QByteArray("135-080,\x81\x20,a,b,,,c\n");
        QTest::newRow("cut in a character") << cp949(kRows).chopped(1).append('\xB0');
    }
    void unreadableFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        TestEnv env;
        env.newDataFolder();
        seedDirectory();
        const zipcodes::ImportResult r = zipcodes::importFile(writeFile(env, QStringLiteral("x.csv"), bytes));
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(count(QStringLiteral("ZIPCODE")), 1);
        const zipcodes::ImportResult missing = zipcodes::importFile(env.path(QStringLiteral("no such file.csv")));
        QVERIFY(!missing.ok);
        QCOMPARE(count(QStringLiteral("ZIPCODE")), 1);
    }

    void pickListsFromTheSameRows()
    {
        TestEnv env;
        env.newDataFolder();
        seedDirectory();
        const QString text = kHeader + QStringLiteral("135-080,서울,강남구,역삼동,1,,a\n"
                                                      "135-081,서울,강남구,역삼동,2,,b\n"
                                                      "135-090,서울,강남구,삼성동,,,c\n"
                                                      "137-070,서울,서초구,반포동,,,d\n"
                                                      "463-010,경기,성남시,정자동,,,e\n"
                                                      "339-010,세종,,조치원읍,,,f\n");
        const zipcodes::ImportResult r = zipcodes::importFile(writeFile(env, QStringLiteral("z.csv"), text.toUtf8()));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.districts, 3);
        QCOMPARE(r.towns, 5);
        QCOMPARE(count(QStringLiteral("SIGUN")), 3);
        QCOMPARE(count(QStringLiteral("UMD")), 5);
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from SIGUN where sido = '옛시'")), QStringLiteral("0"));
        // The data module's pick lists read them back.
        QComboBox districts, towns;
        env.dm->FillDistrictList(QStringLiteral("서울"), &districts);
        QCOMPARE(districts.count(), 2);
        QCOMPARE(districts.itemText(0), QStringLiteral("강남구"));
        QCOMPARE(districts.itemText(1), QStringLiteral("서초구"));
        env.dm->FillTownList(QStringLiteral("서울"), QStringLiteral("강남구"), &towns);
        QCOMPARE(towns.count(), 2);
        QCOMPARE(towns.itemText(0), QStringLiteral("삼성동"));
        QCOMPARE(towns.itemText(1), QStringLiteral("역삼동"));
        // A 시/도 without districts still has its towns under an empty district.
        env.dm->FillTownList(QStringLiteral("세종"), QString(), &towns);
        QCOMPARE(towns.count(), 1);
        QCOMPARE(towns.itemText(0), QStringLiteral("조치원읍"));
    }

    void fiftyThousandRows()
    {
        TestEnv env;
        env.newDataFolder();
        QString text = kHeader;
        const int n = 50000;
        QSet<QString> districts, towns;
        for (int i = 0; i < n; ++i) {
            districts.insert(QStringLiteral("%1|%2").arg(i % 17).arg(i % 251));
            towns.insert(QStringLiteral("%1|%2|%3").arg(i % 17).arg(i % 251).arg(i % 4001));
            text += QStringLiteral("%1-%2,시%3,구%4,동%5,%6~%7,,시%3 구%4 동%5 %6~%7\n")
                        .arg(100 + i / 1000)
                        .arg(i % 1000, 3, 10, QLatin1Char('0'))
                        .arg(i % 17)
                        .arg(i % 251)
                        .arg(i % 4001)
                        .arg(i)
                        .arg(i + 9);
        }
        const QString path = writeFile(env, QStringLiteral("big.csv"), cp949(text));
        QElapsedTimer timer;
        timer.start();
        const zipcodes::ImportResult r = zipcodes::importFile(path);
        const qint64 ms = timer.elapsed();
        qInfo("imported %d rows in %lld ms", r.rows, ms);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.rows, n);
        QCOMPARE(count(QStringLiteral("ZIPCODE")), n);
        QCOMPARE(count(QStringLiteral("SIGUN")), int(districts.size()));
        QCOMPARE(count(QStringLiteral("UMD")), int(towns.size()));
        QVERIFY2(ms < 5000, qPrintable(QStringLiteral("%1 ms").arg(ms)));
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrHas");
        QTest::addColumn<int>("rows");
        QTest::newRow("good") << kHeader + kRows << 0 << QString() << 3;
        QTest::newRow("bad line") << kRows + QStringLiteral("135-081,서울,강남구\n") << 1 << QStringLiteral("4번째 줄")
                                  << 1;
    }
    void commandLine()
    {
        QFETCH(QString, text);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrHas);
        QFETCH(int, rows);
        const QString program = qEnvironmentVariable("DOMORA_PROGRAM");
        if (program.isEmpty())
            QSKIP("DOMORA_PROGRAM names the built program; CTest sets it");
        TestEnv env; // its configuration folder holds the alias the program reads
        env.newDataFolder();
        seedDirectory();
        const QString path = writeFile(env, QStringLiteral("cli.csv"), text.toUtf8());
        QProcess p;
        p.start(program, {QStringLiteral("--import-zipcodes"), path});
        QVERIFY(p.waitForFinished(60000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == exitCode, qPrintable(err));
        if (!stderrHas.isEmpty())
            QVERIFY2(err.contains(stderrHas), qPrintable(err));
        QCOMPARE(count(QStringLiteral("ZIPCODE")), rows);
    }
};

QTEST_MAIN(TestZipcodeImport)
#include "test_zipcode_import.moc"
