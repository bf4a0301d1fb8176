// The login window: the checks of "로그인" in their order, the case rules, the office information it
// loads and what it leaves alone, and its keys.

#include "app/login_window.h"
#include "app/main_window.h"
#include "support/scripted_env.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kNoId = QStringLiteral("ID를 입력해주세요.");
const QString kNoPassword = QStringLiteral("암호를 입력해주세요.");
const QString kNoSuchId = QStringLiteral("ID가 존재하지 않습니다.");
const QString kWrongPassword = QStringLiteral("암호가 일치하지 않습니다.");

// One registrant that must log in: IDs and passwords are stored upper-cased.
void prepareRegistrant(TestEnv &env)
{
    env.newDataFolder();
    execSql(QStringLiteral("update id_table set Id='KIM', Pwd='SECRET', loginf=0, sangho='도모라부동산', ddd='02', "
                           "phone='555-1234', handphone='010-9999-0000', c1='경기', c2='성남시', c3='분당동', "
                           "bt_font='', ip_font='돋움체', ip_charset='129', ip_color='255', ip_size='12', "
                           "ip_style='3' where Num = 1"));
}

QLineEdit *edit(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(QString::fromLatin1(name));
}
QPushButton *button(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QString::fromLatin1(name));
}

void attempt(TfmLogin &login, const QString &id, const QString &passwd)
{
    edit(&login, "id")->setText(id);
    edit(&login, "passwd")->setText(passwd);
    QTest::mouseClick(button(&login, "btnLogin"), Qt::LeftButton);
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void loginAttempt_data();
    void loginAttempt();
    void successLoadsPartOfOfficeInformation();
    void storedIdWithQuoteLogsIn();
    void retryAfterFailure();
    void enterMovesToPasswordThenLogsIn();
    void exitClosesWithoutResult();
};

void TestLogin::loginAttempt_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("passwd");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("shownId");
    QTest::addColumn<QString>("shownPasswd");
    const QStringList none;
    QTest::newRow("lower-case ID") << "kim"
                                   << "SECRET" << none << "KIM"
                                   << "SECRET";
    QTest::newRow("password differs in case") << "KIM"
                                              << "Secret" << none << "KIM"
                                              << "SECRET";
    QTest::newRow("wrong password") << "kim"
                                    << "wrong" << QStringList{kWrongPassword} << "KIM"
                                    << "WRONG";
    QTest::newRow("both empty") << ""
                                << "" << QStringList{kNoId} << ""
                                << "";
    QTest::newRow("ID empty") << ""
                              << "secret" << QStringList{kNoId} << ""
                              << "secret";
    QTest::newRow("password empty, ID not yet upper-cased") << "kim"
                                                            << "" << QStringList{kNoPassword} << "kim"
                                                            << "";
    QTest::newRow("unknown ID") << "lee"
                                << "secret" << QStringList{kNoSuchId} << "LEE"
                                << "SECRET";
    QTest::newRow("ID with a quote") << "O'Brien"
                                     << "x" << QStringList{kNoSuchId} << "O'BRIEN"
                                     << "X";
    QTest::newRow("ID with a trailing blank") << "kim "
                                              << "secret" << QStringList{kNoSuchId} << "KIM "
                                              << "SECRET";
    QTest::newRow("ID as a pattern") << "%"
                                     << "secret" << QStringList{kNoSuchId} << "%"
                                     << "SECRET";
    QTest::newRow("statement in the ID") << "x' or '1'='1"
                                         << "secret" << QStringList{kNoSuchId} << "X' OR '1'='1"
                                         << "SECRET";
}

void TestLogin::loginAttempt()
{
    QFETCH(QString, id);
    QFETCH(QString, passwd);
    QFETCH(QStringList, messages);
    QFETCH(QString, shownId);
    QFETCH(QString, shownPasswd);
    TestEnv env;
    prepareRegistrant(env);
    TfmLogin login;
    login.show();
    attempt(login, id, passwd);

    const bool accepted = messages.isEmpty();
    QCOMPARE(env.dialogs->messages, messages);
    QCOMPARE(login.result(), accepted ? int(QDialog::Accepted) : 0);
    QCOMPARE(login.isVisible(), !accepted);
    QCOMPARE(edit(&login, "id")->text(), shownId);
    QCOMPARE(edit(&login, "passwd")->text(), shownPasswd);
    QCOMPARE(env.dm->LoginId, accepted ? QStringLiteral("KIM") : QString());
    QVERIFY(!env.dm->tbl_id.isOpen());
}

void TestLogin::successLoadsPartOfOfficeInformation()
{
    TestEnv env;
    prepareRegistrant(env);
    Tdm *dm = env.dm.get();
    // Settings only the automatic start loads keep what they held.
    dm->BackupOnExit = QStringLiteral("NO");
    dm->SpecUploadDefault = QStringLiteral("YES");
    dm->SortByInputOrder = QStringLiteral("NO");
    dm->ActiveStatesOnly = QStringLiteral("NO");
    dm->LogoText = QStringLiteral("전에 쓰던 로고");
    dm->PrintLogo = QStringLiteral("NO");
    dm->MainLogoFile = QStringLiteral("old.gif");
    // Owned by the main window, whose font differs: the login window's own font must be the fallback.
    TfmMain main;
    TfmLogin login(&main);
    login.show();
    attempt(login, QStringLiteral("kim"), QStringLiteral("secret"));
    QCOMPARE(login.result(), int(QDialog::Accepted));

    QCOMPARE(dm->LoginId, QStringLiteral("KIM"));
    QCOMPARE(dm->OfficeName, QStringLiteral("도모라부동산"));
    QCOMPARE(dm->OfficePhone, QStringLiteral("555-1234")); // no area code, unlike the automatic start
    QCOMPARE(dm->OfficeMainPhone, QStringLiteral("555-1234"));
    QCOMPARE(dm->OfficeMobile, QStringLiteral("010-9999-0000"));
    QCOMPARE(dm->DefaultCity, QStringLiteral("경기"));
    QCOMPARE(dm->DefaultDistrict, QStringLiteral("성남시"));
    QCOMPARE(dm->DefaultTown, QStringLiteral("분당동"));
    QCOMPARE(dm->LabelFontName, login.font().family());
    QCOMPARE(dm->LabelFontSize, QStringLiteral("8"));
    QVERIFY(main.font().pointSize() != 8);
    QCOMPARE(dm->LabelFontStyle, QStringLiteral("0"));
    QCOMPARE(dm->InputFontName, QStringLiteral("돋움체"));
    QCOMPARE(dm->InputFontCharset, QStringLiteral("129"));
    QCOMPARE(dm->InputFontColor, QStringLiteral("255"));
    QCOMPARE(dm->InputFontSize, QStringLiteral("12"));
    QCOMPARE(dm->InputFontStyle, QStringLiteral("3"));

    QCOMPARE(dm->BackupOnExit, QStringLiteral("NO"));
    QCOMPARE(dm->SpecUploadDefault, QStringLiteral("YES"));
    QCOMPARE(dm->SortByInputOrder, QStringLiteral("NO"));
    QCOMPARE(dm->ActiveStatesOnly, QStringLiteral("NO"));
    QCOMPARE(dm->LogoText, QStringLiteral("전에 쓰던 로고"));
    QCOMPARE(dm->PrintLogo, QStringLiteral("NO"));
    QCOMPARE(dm->MainLogoFile, QStringLiteral("old.gif"));
}

void TestLogin::storedIdWithQuoteLogsIn()
{
    TestEnv env;
    prepareRegistrant(env);
    execSql(QStringLiteral(
        "insert into id_table (Num, Id, Pwd, sangho, loginf) values (2, 'O''BRIEN', 'PW', '오브라이언', 0)"));
    TfmLogin login;
    login.show();
    attempt(login, QStringLiteral("o'brien"), QStringLiteral("pw"));
    QCOMPARE(env.dialogs->messages, QStringList());
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(env.dm->LoginId, QStringLiteral("O'BRIEN"));
    QCOMPARE(env.dm->OfficeName, QStringLiteral("오브라이언"));
}

void TestLogin::retryAfterFailure()
{
    TestEnv env;
    prepareRegistrant(env);
    TfmLogin login;
    login.show();
    attempt(login, QStringLiteral("kim"), QString());
    attempt(login, QStringLiteral("park"), QStringLiteral("secret"));
    attempt(login, QStringLiteral("kim"), QStringLiteral("secrets"));
    QVERIFY(login.isVisible());
    QCOMPARE(env.dm->LoginId, QString());
    attempt(login, QStringLiteral("kim"), QStringLiteral("secret"));
    QCOMPARE(env.dialogs->messages, (QStringList{kNoPassword, kNoSuchId, kWrongPassword}));
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(env.dm->LoginId, QStringLiteral("KIM"));
}

void TestLogin::enterMovesToPasswordThenLogsIn()
{
    TestEnv env;
    prepareRegistrant(env);
    TfmLogin login;
    login.show();
    QApplication::setActiveWindow(&login);
    QVERIFY(QTest::qWaitForWindowActive(&login));
    QLineEdit *id = edit(&login, "id");
    QLineEdit *passwd = edit(&login, "passwd");
    QCOMPARE(passwd->echoMode(), QLineEdit::Password);

    id->setFocus();
    QTest::keyClicks(id, QStringLiteral("kim"));
    QTest::keyClick(id, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), passwd);
    QCOMPARE(env.dialogs->messages, QStringList()); // Enter in the ID does not try to log in

    QTest::keyClicks(passwd, QStringLiteral("wrong"));
    QTest::keyClick(passwd, Qt::Key_Enter);
    QCOMPARE(env.dialogs->messages, QStringList{kWrongPassword});
    QVERIFY(login.isVisible());

    passwd->clear();
    QTest::keyClicks(passwd, QStringLiteral("secret"));
    QTest::keyClick(passwd, Qt::Key_Return);
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(env.dm->LoginId, QStringLiteral("KIM"));
}

void TestLogin::exitClosesWithoutResult()
{
    TestEnv env;
    prepareRegistrant(env);
    TfmLogin login;
    login.show();
    edit(&login, "id")->setText(QStringLiteral("kim"));
    edit(&login, "passwd")->setText(QStringLiteral("secret"));
    QTest::mouseClick(button(&login, "btnExit"), Qt::LeftButton);
    QCOMPARE(button(&login, "btnExit")->text(), QStringLiteral("종 료"));
    QCOMPARE(button(&login, "btnLogin")->text(), QStringLiteral("로그인"));
    QCOMPARE(login.result(), int(QDialog::Rejected));
    QVERIFY(!login.isVisible());
    QCOMPARE(env.dialogs->messages, QStringList());
    QCOMPARE(env.dm->LoginId, QString());
}

QTEST_MAIN(TestLogin)
#include "test_login.moc"
