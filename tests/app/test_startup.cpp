// Start-up of the main window: the data folder from the alias, the registrant table, the office
// information, the logo and the hand-over to the login window.

#include "app/data_folder.h"
#include "app/main_window.h"
#include "data/alias_registry.h"
#include "data/database.h"
#include "support/scripted_env.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString kAliasMissing = QStringLiteral("Alias oms does not exist");
const QString kExitQuestion = QStringLiteral("프로그램을 종료 하시겠습니까?");
const QString kNoSuchId = QStringLiteral("ID가 존재하지 않습니다.");

void setRegistrant(const QString &assignments)
{
    execSql(QStringLiteral("update id_table set ") + assignments + QStringLiteral(" where Num = 1"));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray animatedGif()
{
    QFile f(QStringLiteral(":/app/demo_logo.gif"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Shows the window and runs its start-up at once, as its first show does.
void start(TfmMain &w)
{
    w.show();
    w.FormShow();
}

std::function<void(QDialog *)> logIn(const QString &id, const QString &passwd)
{
    return [id, passwd](QDialog *d) {
        d->findChild<QLineEdit *>(QStringLiteral("id"))->setText(id);
        d->findChild<QLineEdit *>(QStringLiteral("passwd"))->setText(passwd);
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("btnLogin")), Qt::LeftButton);
    };
}

QMovie *logoMovie(TfmMain &w)
{
    return w.findChild<QLabel *>(QStringLiteral("RxGIFAnimator2"))->movie();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void autoStartLoadsOfficeInformation();
    void officePhone_data();
    void officePhone();
    void logoSettings_data();
    void logoSettings();
    void autoStartShowsLogoFromImageFolder();
    void loginRowShowsLoginWindow();
    void cancelledLoginEndsRunSilently_data();
    void cancelledLoginEndsRunSilently();
    void emptyRegistrantTableAcceptsNoId();
    void startUpRunsOnce();
    void missingAlias_data();
    void missingAlias();
    void missingAliasWithDataInDefaultFolder();
    void unreadableDataFolder_data();
    void unreadableDataFolder();
    void unreadableDataFolderKeepsEarlierBackup();
};

void TestStartup::autoStartLoadsOfficeInformation()
{
    TestEnv env;
    env.newDataFolder();
    setRegistrant(QStringLiteral("Id='KIM', Pwd='SECRET', loginf=1, sangho='도모라공인중개사', ddd='02', "
                                 "phone='555-1234', handphone='010-1234-5678', c1='서울', c2='강남구', c3='역삼동', "
                                 "c4='', c5='YES', c8='NO', c9='YES', c10='NO', c11='YES', c17='', "
                                 "bt_font='', ip_font='돋움', ip_charset='129', ip_color='255', ip_size='11', "
                                 "ip_style='3'"));
    TfmMain w;
    start(w);

    QVERIFY(env.modal->opened.isEmpty());
    QCOMPARE(env.dialogs->messages, QStringList());
    QVERIFY(w.dataReady());
    QVERIFY(w.isVisible());
    Tdm *dm = env.dm.get();
    QCOMPARE(dm->LoginId, QStringLiteral("KIM"));
    QCOMPARE(dm->OfficeName, QStringLiteral("도모라공인중개사"));
    QCOMPARE(dm->OfficePhone, QStringLiteral("02-555-1234"));
    QCOMPARE(dm->OfficeMainPhone, QStringLiteral("555-1234"));
    QCOMPARE(dm->OfficeMobile, QStringLiteral("010-1234-5678"));
    QCOMPARE(dm->DefaultCity, QStringLiteral("서울"));
    QCOMPARE(dm->DefaultDistrict, QStringLiteral("강남구"));
    QCOMPARE(dm->DefaultTown, QStringLiteral("역삼동"));
    QCOMPARE(dm->LogoText, QStringLiteral("로고를 입력해주세요"));
    QCOMPARE(dm->PrintLogo, QStringLiteral("YES"));
    QCOMPARE(dm->BackupOnExit, QStringLiteral("NO"));
    QCOMPARE(dm->SpecUploadDefault, QStringLiteral("YES"));
    QCOMPARE(dm->SortByInputOrder, QStringLiteral("NO"));
    QCOMPARE(dm->ActiveStatesOnly, QStringLiteral("YES"));
    QCOMPARE(dm->DataPath, env.path(QStringLiteral("office/data")));
    QVERIFY(dm->ListColumns.startsWith(QStringLiteral("id_seq,Obj_kind,")));
    // No stored label font: the main window's own font stands in.
    QCOMPARE(dm->LabelFontName, w.font().family());
    QCOMPARE(dm->LabelFontSize, QString::number(w.font().pointSize()));
    QCOMPARE(dm->LabelFontSize, QStringLiteral("9"));
    QCOMPARE(dm->LabelFontStyle, QStringLiteral("0"));
    // A stored input font is taken as it is.
    QCOMPARE(dm->InputFontName, QStringLiteral("돋움"));
    QCOMPARE(dm->InputFontCharset, QStringLiteral("129"));
    QCOMPARE(dm->InputFontColor, QStringLiteral("255"));
    QCOMPARE(dm->InputFontSize, QStringLiteral("11"));
    QCOMPARE(dm->InputFontStyle, QStringLiteral("3"));
}

void TestStartup::officePhone_data()
{
    QTest::addColumn<QString>("ddd");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("officePhone");
    QTest::newRow("area code and number") << "02"
                                          << "555-1234"
                                          << "02-555-1234";
    QTest::newRow("no area code") << ""
                                  << "555-1234"
                                  << "555-1234";
    QTest::newRow("only an area code") << "031"
                                       << ""
                                       << "031";
    QTest::newRow("blank area code is kept, no dash") << "  "
                                                      << "555-1234"
                                                      << "  555-1234";
    QTest::newRow("parts kept untrimmed") << "02 "
                                          << " 555-1234"
                                          << "02 - 555-1234";
    QTest::newRow("both empty") << ""
                                << ""
                                << "";
}

void TestStartup::officePhone()
{
    QFETCH(QString, ddd);
    QFETCH(QString, phone);
    QFETCH(QString, officePhone);
    TestEnv env;
    env.newDataFolder();
    setRegistrant(QStringLiteral("ddd='%1', phone='%2'").arg(ddd, phone));
    TfmMain w;
    start(w);
    QCOMPARE(env.dm->OfficePhone, officePhone);
    QCOMPARE(env.dm->OfficeMainPhone, phone);
}

void TestStartup::logoSettings_data()
{
    QTest::addColumn<QString>("c4");
    QTest::addColumn<QString>("c5");
    QTest::addColumn<QString>("logoText");
    QTest::addColumn<QString>("printLogo");
    QTest::newRow("stored text, NO") << "우리부동산"
                                     << "NO"
                                     << "우리부동산"
                                     << "NO";
    QTest::newRow("stored text, YES") << "우리부동산"
                                      << "YES"
                                      << "우리부동산"
                                      << "YES";
    QTest::newRow("empty text, empty flag") << ""
                                            << ""
                                            << "로고를 입력해주세요"
                                            << "YES";
    QTest::newRow("lower-case no is not NO") << "a"
                                             << "no"
                                             << "a"
                                             << "YES";
    QTest::newRow("any other flag") << "a"
                                    << "X"
                                    << "a"
                                    << "YES";
}

void TestStartup::logoSettings()
{
    QFETCH(QString, c4);
    QFETCH(QString, c5);
    QFETCH(QString, logoText);
    QFETCH(QString, printLogo);
    TestEnv env;
    env.newDataFolder();
    setRegistrant(QStringLiteral("c4='%1', c5='%2'").arg(c4, c5));
    TfmMain w;
    start(w);
    QCOMPARE(env.dm->LogoText, logoText);
    QCOMPARE(env.dm->PrintLogo, printLogo);
}

void TestStartup::autoStartShowsLogoFromImageFolder()
{
    TestEnv env;
    env.newDataFolder();
    const QByteArray gif = animatedGif();
    QVERIFY(!gif.isEmpty());
    // The stored folder is the one of another machine; only the file name counts.
    writeFile(env.path(QStringLiteral("office/image/logo.gif")), gif);
    setRegistrant(QStringLiteral("c17='C:\\old\\data\\image\\logo.gif'"));
    TfmMain w;
    start(w);
    QCOMPARE(env.dm->MainLogoFile, env.path(QStringLiteral("office/image/logo.gif")));
    QVERIFY(logoMovie(w));
    QVERIFY(logoMovie(w)->isValid());
}

void TestStartup::loginRowShowsLoginWindow()
{
    TestEnv env;
    env.newDataFolder();
    writeFile(env.path(QStringLiteral("office/image/logo.gif")), animatedGif());
    setRegistrant(QStringLiteral("Id='KIM', Pwd='SECRET', loginf=0, sangho='도모라부동산', ddd='02', phone='555-1234', "
                                 "handphone='010-9999-0000', c1='서울', c2='강남구', c3='역삼동', c4='우리 로고', "
                                 "c5='YES', c8='YES', c9='YES', c10='NO', c11='NO', c17='C:\\old\\image\\logo.gif'"));
    env.modal->handlers << logIn(QStringLiteral("kim"), QStringLiteral("secret"));
    TfmMain w;
    start(w);

    QCOMPARE(env.modal->opened, QStringList{QStringLiteral("TfmLogin")});
    QVERIFY(env.modal->handlers.isEmpty());
    QCOMPARE(env.dialogs->messages, QStringList());
    QVERIFY(w.isVisible());
    QCOMPARE(w.ClosingSilently, quint8(0));
    Tdm *dm = env.dm.get();
    QCOMPARE(dm->LoginId, QStringLiteral("KIM"));
    QCOMPARE(dm->OfficeName, QStringLiteral("도모라부동산"));
    QCOMPARE(dm->OfficePhone, QStringLiteral("555-1234"));
    QCOMPARE(dm->DefaultTown, QStringLiteral("역삼동"));
    // What only the automatic start loads stays empty.
    QCOMPARE(dm->LogoText, QString());
    QCOMPARE(dm->PrintLogo, QString());
    QCOMPARE(dm->BackupOnExit, QString());
    QCOMPARE(dm->SpecUploadDefault, QString());
    QCOMPARE(dm->SortByInputOrder, QString());
    QCOMPARE(dm->ActiveStatesOnly, QString());
    QCOMPARE(dm->MainLogoFile, QString());
    QVERIFY(!logoMovie(w));
    QVERIFY(!dm->tbl_id.isOpen());

    // The empty back-up switch does not count as "NO": leaving backs the data up.
    env.dialogs->answers << true;
    QVERIFY(w.close());
    QCOMPARE(env.dialogs->messages, QStringList{kExitQuestion});
    QVERIFY(QFileInfo(QDir(dm->BackupRoot).filePath(QStringLiteral("4/domora.sqlite3"))).isFile());
}

void TestStartup::cancelledLoginEndsRunSilently_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("종 료") << "btnExit";
    QTest::newRow("close box") << "close";
    QTest::newRow("after a wrong password") << "retry";
}

void TestStartup::cancelledLoginEndsRunSilently()
{
    QFETCH(QString, how);
    TestEnv env;
    env.newDataFolder();
    setRegistrant(QStringLiteral("Id='KIM', Pwd='SECRET', loginf=0, c8='YES'"));
    env.modal->handlers << [how](QDialog *d) {
        if (how == QLatin1String("close")) {
            d->close();
            return;
        }
        if (how == QLatin1String("retry")) {
            logIn(QStringLiteral("kim"), QStringLiteral("guess"))(d);
            QVERIFY(d->isVisible());
        }
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("btnExit")), Qt::LeftButton);
    };
    TfmMain w;
    start(w);

    QCOMPARE(env.modal->opened, QStringList{QStringLiteral("TfmLogin")});
    QCOMPARE(w.ClosingSilently, quint8(1));
    QVERIFY(!w.isVisible());
    QVERIFY(!env.dialogs->messages.contains(kExitQuestion));
    QCOMPARE(env.dialogs->unexpectedQuestions, 0);
    QVERIFY(!QFileInfo::exists(QDir(env.dm->BackupRoot).filePath(QStringLiteral("4"))));
    QCOMPARE(env.dm->LoginId, QString());
}

void TestStartup::emptyRegistrantTableAcceptsNoId()
{
    TestEnv env;
    env.newDataFolder();
    execSql(QStringLiteral("delete from id_table"));
    bool stillOpen = false;
    env.modal->handlers << [&stillOpen](QDialog *d) {
        // The ID the table once held, a made-up one and blanks: none exists.
        logIn(QStringLiteral(""), QStringLiteral(" "))(d);
        logIn(QStringLiteral(" "), QStringLiteral(" "))(d);
        logIn(QStringLiteral("admin"), QStringLiteral("admin"))(d);
        logIn(QStringLiteral("kim"), QStringLiteral("secret"))(d);
        stillOpen = d->isVisible();
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("btnExit")), Qt::LeftButton);
    };
    TfmMain w;
    start(w);

    QCOMPARE(env.modal->opened, QStringList{QStringLiteral("TfmLogin")});
    QVERIFY(stillOpen);
    QCOMPARE(env.dialogs->messages,
             (QStringList{QStringLiteral("ID를 입력해주세요."), kNoSuchId, kNoSuchId, kNoSuchId}));
    QCOMPARE(w.ClosingSilently, quint8(1));
    QVERIFY(!w.isVisible());
}

void TestStartup::startUpRunsOnce()
{
    TestEnv env;
    env.newDataFolder();
    setRegistrant(QStringLiteral("Id='KIM', Pwd='SECRET', loginf=0"));
    env.modal->handlers << logIn(QStringLiteral("kim"), QStringLiteral("secret"));
    env.modal->handlers << logIn(QStringLiteral("kim"), QStringLiteral("secret"));
    TfmMain w;
    // The first show starts the run by itself.
    w.show();
    QTRY_VERIFY(w.dataReady());
    QCOMPARE(env.modal->opened.size(), 1);
    // Running the start-up again, or showing the window again, changes nothing.
    w.FormShow();
    w.hide();
    w.show();
    QTest::qWait(20);
    QCOMPARE(env.modal->opened.size(), 1);
    QCOMPARE(env.dm->ListColumns.count(QStringLiteral("id_seq,")), 1);
}

void TestStartup::missingAlias_data()
{
    QTest::addColumn<bool>("create");
    QTest::newRow("Yes creates the default folder") << true;
    QTest::newRow("No leaves the program without data") << false;
}

void TestStartup::missingAlias()
{
    QFETCH(bool, create);
    TestEnv env;
    const QString folder = env.path(QStringLiteral("share/domora/data"));
    QVERIFY(!aliases::exists(aliases::kAlias));
    env.dialogs->answers << create;
    TfmMain w;
    start(w);

    QCOMPARE(env.dialogs->messages.size(), 2);
    QCOMPARE(env.dialogs->messages.at(0), kAliasMissing);
    QVERIFY(env.dialogs->messages.at(1).contains(QDir::toNativeSeparators(folder)));
    QVERIFY(env.modal->opened.isEmpty());
    QVERIFY(w.isVisible());
    QCOMPARE(w.dataReady(), create);
    QCOMPARE(QFileInfo(database::fileIn(folder)).isFile(), create);
    QCOMPARE(aliases::exists(aliases::kAlias), create);
    if (create) {
        QCOMPARE(aliases::pathOf(aliases::kAlias), folder);
        QCOMPARE(env.dm->DataPath, folder);
        QVERIFY(QFileInfo(env.path(QStringLiteral("share/domora/image"))).isDir());
        QCOMPARE(env.dm->LogoText, QStringLiteral("로고를 입력해주세요"));
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from id_table")), QStringLiteral("1"));
        return;
    }
    // Without data the window still answers its commands and can be left.
    env.dialogs->messages.clear();
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Link_부동산114")), Qt::LeftButton);
    QCOMPARE(env.shell->urls.size(), 1);
    env.dialogs->answers << false << true;
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QCOMPARE(env.dialogs->messages.mid(0, 2), (QStringList{kExitQuestion, kExitQuestion}));
    QVERIFY(!QFileInfo::exists(QDir(env.dm->BackupRoot).filePath(QStringLiteral("4"))));
}

void TestStartup::missingAliasWithDataInDefaultFolder()
{
    // The configuration was lost (a new user account, a reinstalled system) but the office's data
    // is still in the default folder: agreeing must bring it back, not fail on the existing data.
    TestEnv env;
    const QString folder = env.path(QStringLiteral("share/domora/data"));
    env.newDataFolder(QStringLiteral("share/domora/data"));
    setRegistrant(QStringLiteral("sangho='기존 사무소'"));
    execSql(QStringLiteral("insert into mamul_table (Id_seq, Obj_kind, Bld_nme) values (7, '아파트', '래미안')"));
    database::close();
    aliases::remove(aliases::kAlias);
    env.dialogs->answers << true;
    TfmMain w;
    start(w);

    QCOMPARE(env.dialogs->messages.size(), 2);
    QCOMPARE(env.dialogs->messages.at(0), kAliasMissing);
    QVERIFY(env.dialogs->messages.at(1).contains(QDir::toNativeSeparators(folder)));
    QVERIFY(w.dataReady());
    QCOMPARE(aliases::pathOf(aliases::kAlias), folder);
    QCOMPARE(env.dm->OfficeName, QStringLiteral("기존 사무소"));
    QCOMPARE(sqlValue(QStringLiteral("select Bld_nme from mamul_table where Id_seq = 7")), QStringLiteral("래미안"));
}

void TestStartup::unreadableDataFolder_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("garbage database file") << "garbage";
    QTest::newRow("database without the tables") << "no tables";
    QTest::newRow("empty database file") << "empty file";
    QTest::newRow("folder without a database") << "no file";
    QTest::newRow("folder does not exist") << "no folder";
    QTest::newRow("alias without a folder") << "no path";
}

void TestStartup::unreadableDataFolder()
{
    QFETCH(QString, state);
    TestEnv env;
    const QString folder = env.path(QStringLiteral("office/data"));
    if (state != QLatin1String("no folder"))
        QDir().mkpath(folder);
    if (state == QLatin1String("garbage"))
        writeFile(database::fileIn(folder), QByteArray(4096, 'x'));
    if (state == QLatin1String("empty file"))
        writeFile(database::fileIn(folder), QByteArray());
    if (state == QLatin1String("no tables")) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("setup"));
            db.setDatabaseName(database::fileIn(folder));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("create table notes (a text)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("setup"));
    }
    const bool noPath = state == QLatin1String("no path");
    aliases::setPath(aliases::kAlias, noPath ? QString() : folder);
    TfmMain w;
    start(w);

    QCOMPARE(env.dialogs->messages.size(), 1);
    if (!noPath)
        QVERIFY2(env.dialogs->messages.at(0).contains(QDir::toNativeSeparators(folder)),
                 qPrintable(env.dialogs->messages.at(0)));
    QVERIFY(env.modal->opened.isEmpty());
    QVERIFY(!w.dataReady());
    QVERIFY(w.isVisible());
    QCOMPARE(env.dm->LoginId, QString());
}

void TestStartup::unreadableDataFolderKeepsEarlierBackup()
{
    // Leaving a program that could not read its data must not replace the weekday's back-up with
    // the unreadable files.
    TestEnv env;
    const QString folder = env.path(QStringLiteral("office/data"));
    writeFile(database::fileIn(folder), QByteArray(4096, 'x'));
    aliases::setPath(aliases::kAlias, folder);
    const QString backup = QDir(env.dm->BackupRoot).filePath(QStringLiteral("4/domora.sqlite3"));
    writeFile(backup, QByteArrayLiteral("last week's good copy"));
    TfmMain w;
    start(w);
    QVERIFY(!w.dataReady());

    env.dialogs->messages.clear();
    env.dialogs->answers << true;
    QVERIFY(w.close());
    QCOMPARE(env.dialogs->messages, QStringList{kExitQuestion});
    QFile f(backup);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArrayLiteral("last week's good copy"));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
