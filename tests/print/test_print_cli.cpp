// Printing a listing's detail sheet from the command line: the program itself, run on a data folder,
// writes the PDF that the entry window of the listing's kind would print.
#include "data/alias_registry.h"
#include "support/scripted_env.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <memory>

namespace {

struct Result {
    int exitCode = -1;
    QString err;
};

Result runProgram(const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    p.start(qEnvironmentVariable("DOMORA_PROGRAM"), args);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

QString pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    text.replace(QChar(1), QLatin1Char(' ')); // NanumGothic's blanks
    return text;
}

// The owner's and the tenant's secrets, and the agency's own numbers.
const QStringList kSecretPhones = {"02-111-0001", "02-111-0002", "010-1111-0003",
                                   "02-222-0004", "02-222-0005", "010-2222-0006"};
const QStringList kAgencyPhones = {"02-555-0101", "02-555-0102", "010-5555-0103"};

} // namespace

class TestPrintCli : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->newDataFolder();
        execSql("update id_table set ddd = '02', phone = '555-1234', c4 = '행복부동산', c5 = 'YES'");
        execSql("insert into mamul_table (Id_seq, Obj_kind, Obj_kubun1, Add_city, Add_district, Add_town, Addr_number, "
                "Bld_nme, Bld_degree, Bld_num, Sales_amt, Sales_person, Sales_pnum, Sales_onum, Sales_cnum, "
                "Lent_person, Lent_pnum, Lent_onum, Lent_cnum, Estate_nme, Estate_rep, Estate_pnum, Estate_cnum, "
                "Insert_date) values (41, '아파트', '매매', '서울', '강남구', '역삼동', '823-15', '래미안', '105', "
                "'1203', 95000, '김철수', '02-111-0001', '02-111-0002', '010-1111-0003', '이영희', '02-222-0004', "
                "'02-222-0005', '010-2222-0006', '행복공인중개사', '02-555-0101', '02-555-0102', '010-5555-0103', "
                "'2026-12-01')");
    }
    void cleanup() { env.reset(); }

    void detailSheet_data()
    {
        QTest::addColumn<QString>("secret");
        QTest::newRow("masked") << "N";
        QTest::newRow("shown") << "Y";
    }
    void detailSheet()
    {
        QFETCH(QString, secret);
        const QString pdf = env->path("apt.pdf");
        const Result r = runProgram({"--print", "detail", "--listing", "41", "--secret", secret, "--pdf", pdf});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(QFileInfo(pdf).size() > 0);
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains("아파트매매상세정보"), qPrintable(text));
        QVERIFY(text.contains("래미안"));
        QVERIFY(text.contains("95000"));
        for (const QString &phone : kAgencyPhones)
            QVERIFY2(text.contains(phone), qPrintable(phone));
        // The office's logo and phone behind the fields.
        QVERIFY(text.contains("행복부동산"));
        QVERIFY(text.contains("02-555-1234"));
        const bool masked = secret == "N";
        for (const QString &value : kSecretPhones + QStringList{"김철수", "이영희", "823-15"})
            QVERIFY2(text.contains(value) != masked, qPrintable(value));
        QCOMPARE(text.count("***-****-****"), masked ? 6 : 0);
        QCOMPARE(text.contains("******"), masked);
        QCOMPARE(text.contains("*****동"), masked);
        QCOMPARE(text.contains("*****호"), masked);
        QCOMPARE(text.contains("105동"), !masked);
    }

    void withoutSecretTheSecretsStayMasked()
    {
        const QString pdf = env->path("default.pdf");
        const Result r = runProgram({"--print", "detail", "--listing", "41", "--pdf", pdf});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QString text = pdfText(pdf);
        QCOMPARE(text.count("***-****-****"), 6);
        QVERIFY(!text.contains("김철수"));
    }

    void eachKindPrintsItsOwnSheet_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("deal");
        QTest::addColumn<QString>("title");
        QTest::newRow("apartment lease") << "아파트"
                                         << "임대"
                                         << "아파트임대상세정보";
        QTest::newRow("presale rights") << "아파트분양권"
                                        << "매매"
                                        << "분양권매매상세정보";
        QTest::newRow("row house lease") << "연립"
                                         << "임대"
                                         << "빌라임대상세정보";
        QTest::newRow("multi-household sale") << "다세대"
                                              << "매매"
                                              << "빌라매매상세정보";
        QTest::newRow("land lease") << "토지"
                                    << "임대"
                                    << "토지임대상세정보";
        QTest::newRow("garden, another kind") << "가든"
                                              << "매매"
                                              << "기타매매상세정보";
        QTest::newRow("membership lease") << "회원권"
                                          << "임대"
                                          << "기타임대상세정보";
    }
    void eachKindPrintsItsOwnSheet()
    {
        QFETCH(QString, kind);
        QFETCH(QString, deal);
        QFETCH(QString, title);
        execSql(QStringLiteral("update mamul_table set Obj_kind = '%1', Obj_kubun1 = '%2' where Id_seq = 41")
                    .arg(kind, deal));
        const QString pdf = env->path("kind.pdf");
        const Result r = runProgram({"--print", "detail", "--listing", "41", "--secret", "Y", "--pdf", pdf});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(pdfText(pdf).contains(title), qPrintable(pdfText(pdf)));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing listing") << QStringList{"--print", "detail", "--listing", "999", "--pdf", "x.pdf"}
                                         << "매물번호 999 인 매물이 없습니다.";
        QTest::newRow("listing not a number") << QStringList{"--print", "detail", "--listing", "abc", "--pdf", "x.pdf"}
                                              << "매물번호가 올바르지 않습니다 : abc";
        QTest::newRow("no file") << QStringList{"--print", "detail", "--listing", "41"}
                                 << "저장할 PDF 파일을 지정하세요";
        QTest::newRow("secret neither Y nor N")
            << QStringList{"--print", "detail", "--listing", "41", "--secret", "yes", "--pdf", "x.pdf"}
            << "비밀정보 출력 여부는 Y 또는 N 입니다 : yes";
        QTest::newRow("unknown sheet") << QStringList{"--print", "poster", "--listing", "41", "--pdf", "x.pdf"}
                                       << "출력할 양식은 detail(상세정보) 또는 info(정보지)입니다 : poster";
    }
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        for (QString &a : args)
            if (a == "x.pdf")
                a = env->path(a);
        const Result r = runProgram(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(env->path("x.pdf")));
    }

    void requestRowsHaveNoDetailSheet()
    {
        execSql("update mamul_table set Obj_kind = '매수', Obj_kubun1 = '매수임차' where Id_seq = 41");
        const Result r = runProgram({"--print", "detail", "--listing", "41", "--pdf", env->path("req.pdf")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("출력할 양식이 없습니다"), qPrintable(r.err));
    }

    void missingDataFolder()
    {
        const QString gone = env->path("moved/away");
        aliases::setPath(aliases::kAlias, gone);
        const Result r = runProgram({"--print", "detail", "--listing", "41", "--pdf", env->path("x.pdf")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("데이터 폴더가 없습니다"), qPrintable(r.err));
    }

    void informationSheet()
    {
        // The information sheet prints when the program has one for the kind, and says so otherwise.
        const QString pdf = env->path("info.pdf");
        const Result r = runProgram({"--print", "info", "--listing", "41", "--pdf", pdf});
        if (r.exitCode == 0) {
            QVERIFY(QFileInfo(pdf).size() > 0);
            QVERIFY(pdfText(pdf).contains("래미안"));
        } else {
            QCOMPARE(r.exitCode, 1);
            QVERIFY2(r.err.contains("정보지 출력 양식이 아직 없습니다 : TAptBanPrtScr"), qPrintable(r.err));
            QVERIFY(!QFileInfo::exists(pdf));
        }
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestPrintCli)
#include "test_print_cli.moc"
