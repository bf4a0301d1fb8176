// The main window after start-up: its menus and buttons and the windows they open, the web links,
// the logo rule, the corner picture, the exit question with the back-up, the upgrade and
// data-folder commands.

#include "app/main_window.h"
#include "app/web_links.h"
#include "data/alias_registry.h"
#include "support/scripted_env.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMovie>
#include <QPushButton>
#include <QTest>

namespace {

const QString kExitQuestion = QStringLiteral("프로그램을 종료 하시겠습니까?");
const QSize kDesignSize(321, 234);

// The windows the commands open are stood in for by empty dialogs of a design size of their own.
// TfmdelayList is left out on purpose: it is the command whose window is not there.
const QStringList kFakeWindows = {
    "TfmAPTList",     "TfmAPTLentList", "TfmBUNList",     "TfmDANList",   "TfmDANLentList",  "TfmDAGList",
    "TfmDAGLentList", "TfmBILList",     "TfmBILLentList", "TfmSANList",   "TfmSANLentList",  "TfmSAJList",
    "TfmSAJLentList", "TfmOFTList",     "TfmOFTLentList", "TfmONEList",   "TfmONELentList",  "TfmSAMList",
    "TfmSAMLentList", "TfmBULList",     "TfmBULLentList", "TfmTOJList",   "TfmTOJLentList",  "TfmGONList",
    "TfmGONLentList", "TfmJUNList",     "TfmJUNLentList", "TfmJOOList",   "TfmJOOLentList",  "TfmMOTList",
    "TfmMOTLentList", "TfmOTHList",     "TfmOTHLentList", "TfmMAESUList", "TfmcontractList", "TfmALLList",
    "TfmCustlist",    "TBrokSchedule",  "TfmUser",
};

struct KindRow {
    const char *menu;
    const char *sale;
    const char *lease; // empty: a single menu item and an empty cell in the lower row
};

// The kinds in the order of the menu and of the band's columns.
const KindRow kKinds[] = {
    {"아파트(&1)", "TfmAPTList", "TfmAPTLentList"},      {"분양권 매매(&2)", "TfmBUNList", ""},
    {"단독주택(&3)", "TfmDANList", "TfmDANLentList"},    {"다가구(&4)", "TfmDAGList", "TfmDAGLentList"},
    {"빌라/다세대(&5)", "TfmBILList", "TfmBILLentList"}, {"상가(&6)", "TfmSANList", "TfmSANLentList"},
    {"상가주택(&7)", "TfmSAJList", "TfmSAJLentList"},    {"오피스텔(&8)", "TfmOFTList", "TfmOFTLentList"},
    {"원룸(&9)", "TfmONEList", "TfmONELentList"},        {"사무실(&A)", "TfmSAMList", "TfmSAMLentList"},
    {"빌딩(&B)", "TfmBULList", "TfmBULLentList"},        {"토지(&C)", "TfmTOJList", "TfmTOJLentList"},
    {"공장(&D)", "TfmGONList", "TfmGONLentList"},        {"전원주택(&E)", "TfmJUNList", "TfmJUNLentList"},
    {"주유소(&F)", "TfmJOOList", "TfmJOOLentList"},      {"모텔(&G)", "TfmMOTList", "TfmMOTLentList"},
    {"기타(&H)", "TfmOTHList", "TfmOTHLentList"},
};

// Caption and page key of every link button.
const std::pair<const char *, const char *> kLinks[] = {
    {"표준공시지가", "표준공시지가"},
    {"아파트기준시가", "아파트기준시가"},
    {"개별공시지가", "개별공시지가"},
    {"아파트시세", "아파트시세"},
    {"중개업소 매매", "중개업소매매"},
    {"토지왕(땅매매)", "토지왕"},
    {"코렘(주)", "코렘"},
    {"스피드뱅크", "스피드뱅크"},
    {"계약서작성프로그램", "계약서작성프로그램"},
    {"부동산114", "부동산114"},
    {"인터넷매물관리", "인터넷매물관리"},
    {"국민은행부동산", "국민은행부동산"},
    {"부동산뉴스", "부동산뉴스"},
    {"한국경제", "한국경제"},
    {"서울경제", "서울경제"},
    {"매일경제", "매일경제"},
    {"국민일보", "국민일보"},
    {"조선일보", "조선일보"},
    {"중앙일보", "중앙일보"},
    {"한겨레", "한겨레"},
    {"등기부등본 발급", "등기부등본발급"},
    {"건설교통부", "건설교통부"},
    {"부동산경매정보", "부동산경매정보"},
    {"대법원경매", "대법원경매정보"},
    {"공매정보", "공매정보"},
    {"한국토지공사", "한국토지공사"},
    {"대한주택공사", "대한주택공사"},
    {"국세청", "국세청"},
    {"농업기반공사", "농업기반공사"},
    {"전국부동산중개업협회", "전국부동산중개업협회"},
    {"대한공인중개사협회", "대한공인중개사협회"},
    {"대한변호사협회", "대한변호사협회"},
    {"네이버지도", "네이버지도"},
    {"엠파스지도", "엠파스지도"},
    {"콩나물지도", "콩나물지도"},
    {"한국도로정보", "한국도로공사"},
    {"전화번호찾기", "전화번호찾기"},
    {"우편번호", "우편번호"},
    {"DDD", "DDD"},
    {"철도청", "철도청"},
    {"고속버스(1)", "고속버스1"},
    {"고속버스(2)", "고속버스2"},
    {"대한항공", "대한항공"},
    {"아시아나항공", "아시아나항공"},
};

// A started main window over a fresh data folder whose one registrant starts without login.
struct Office {
    TestEnv env;
    TfmMain w;
    QString folder;
    Office()
    {
        folder = env.newDataFolder();
        w.show();
        w.FormShow();
    }
    // Records the name, size and owner of the next modal window.
    void expectWindow()
    {
        env.modal->handlers << [this](QDialog *d) {
            sizes << d->size();
            owners << d->parentWidget();
        };
    }
    QList<QSize> sizes;
    QList<QWidget *> owners;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QMenu *topMenu(TfmMain &w, const QString &caption)
{
    for (QAction *a : w.menuBar()->actions())
        if (a->text() == caption)
            return a->menu();
    return nullptr;
}

QAction *itemOf(QMenu *menu, const QString &caption)
{
    if (!menu)
        return nullptr;
    for (QAction *a : menu->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

QStringList captions(const QList<QAction *> &actions)
{
    QStringList out;
    for (QAction *a : actions)
        if (!a->isSeparator())
            out << a->text();
    return out;
}

QPushButton *commandButton(TfmMain &w, const QString &caption)
{
    for (QPushButton *b : w.findChild<QFrame *>(QStringLiteral("BasePanel"))->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

QString backupFolder(TestEnv &env, const QString &weekday)
{
    return QDir(env.dm->BackupRoot).filePath(weekday);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void menuBarCaptions();
    void kindMenuOpensList_data();
    void kindMenuOpensList();
    void kindBandOpensList_data();
    void kindBandOpensList();
    void commandButtons_data();
    void commandButtons();
    void menuItemsOpenWindows_data();
    void menuItemsOpenWindows();
    void customerMenuOpensOnClick();
    void missingWindowDoesNothing();

    void linkButtonsOpenTheirPages();
    void bannerAndCornerOpenPages();
    void upgradeEndsRunWithoutBackup_data();
    void upgradeEndsRunWithoutBackup();
    void dataFolderCommand_data();
    void dataFolderCommand();

    void exitQuestion_data();
    void exitQuestion();
    void exitCommandsAsk_data();
    void exitCommandsAsk();
    void closingSilentlyAsksNothing();

    void logoFileFor_data();
    void logoFileFor();
    void showLogo_data();
    void showLogo();
    void cornerPictureStaysInCorner();
};

void TestMainWindow::initTestCase()
{
    for (const QString &name : kFakeWindows) {
        windows::registerWindow(name, [name](QWidget *parent) {
            auto *d = new QDialog(parent);
            d->setObjectName(name);
            d->resize(kDesignSize);
            return d;
        });
    }
}

void TestMainWindow::menuBarCaptions()
{
    Office o;
    QCOMPARE(captions(o.w.menuBar()->actions()),
             (QStringList{"파 일(&1)", "물건관리(&2)", "고객관리(&3)", "일정관리(&4)", "등록자정보(&5)", "환경설정(&6)",
                          "종료(&7)"}));
    QVERIFY(o.w.windowTitle().startsWith(QStringLiteral("부동산 매물관리 전문프로그램 DOMORA2.0")));
    QCOMPARE(captions(topMenu(o.w, "파 일(&1)")->actions()), (QStringList{"프로그램업그레이드", "종 료(&1)"}));
    QCOMPARE(captions(topMenu(o.w, "고객관리(&3)")->actions()), QStringList{"고객관리(&1)"});
    QCOMPARE(captions(topMenu(o.w, "일정관리(&4)")->actions()), QStringList{"일정관리(&1)"});
    QCOMPARE(captions(topMenu(o.w, "등록자정보(&5)")->actions()), QStringList{"등록자정보관리(&1)"});
    QCOMPARE(captions(topMenu(o.w, "환경설정(&6)")->actions()), QStringList{"데이터 경로설정(&1)"});
    QVERIFY(!o.w.menuBar()->actions().last()->menu()); // "종료(&7)" is an item, not a menu

    QMenu *listings = topMenu(o.w, "물건관리(&2)");
    QStringList expected;
    for (const KindRow &k : kKinds)
        expected << QString::fromUtf8(k.menu);
    QCOMPARE(captions(listings->actions()), expected);
    int submenus = 0;
    for (QAction *a : listings->actions()) {
        if (!a->menu()) {
            QCOMPARE(a->text(), QStringLiteral("분양권 매매(&2)"));
            continue;
        }
        ++submenus;
        QCOMPARE(captions(a->menu()->actions()), (QStringList{"매매정보(&1)", "임대정보(&2)"}));
    }
    QCOMPARE(submenus, 16);
}

void TestMainWindow::kindMenuOpensList_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    for (const KindRow &k : kKinds) {
        const QString menu = QString::fromUtf8(k.menu);
        if (!*k.lease) {
            QTest::newRow(k.sale) << menu << QString() << QString::fromLatin1(k.sale);
            continue;
        }
        QTest::newRow(k.sale) << menu << QStringLiteral("매매정보(&1)") << QString::fromLatin1(k.sale);
        QTest::newRow(k.lease) << menu << QStringLiteral("임대정보(&2)") << QString::fromLatin1(k.lease);
    }
}

void TestMainWindow::kindMenuOpensList()
{
    QFETCH(QString, menu);
    QFETCH(QString, item);
    QFETCH(QString, window);
    Office o;
    QAction *entry = itemOf(topMenu(o.w, QStringLiteral("물건관리(&2)")), menu);
    QVERIFY(entry);
    QAction *action = item.isEmpty() ? entry : itemOf(entry->menu(), item);
    QVERIFY(action);
    o.expectWindow();
    action->trigger();
    QCOMPARE(o.env.modal->opened, QStringList{window});
    QCOMPARE(o.sizes, QList<QSize>{QSize(800, 600)});
    QCOMPARE(o.owners, QList<QWidget *>{&o.w});
    QVERIFY(o.w.isVisible());
}

void TestMainWindow::kindBandOpensList_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("window");
    int column = 0;
    for (const KindRow &k : kKinds) {
        QTest::addRow("%s", k.sale) << 0 << column << QString::fromLatin1(k.sale);
        if (*k.lease)
            QTest::addRow("%s", k.lease) << 1 << column << QString::fromLatin1(k.lease);
        else
            QTest::addRow("%s lease cell", k.sale) << 1 << column << QString();
        ++column;
    }
}

void TestMainWindow::kindBandOpensList()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, window);
    Office o;
    auto *band = o.w.findChild<QGroupBox *>(QStringLiteral("GroupBox1"));
    QVERIFY(band);
    QCOMPARE(band->findChildren<QAbstractButton *>().size(), 33);
    auto *grid = qobject_cast<QGridLayout *>(band->layout());
    QVERIFY(grid);
    QCOMPARE(grid->columnCount(), 17);
    QLayoutItem *cell = grid->itemAtPosition(row, column);
    if (window.isEmpty()) {
        QVERIFY(!cell);
        return;
    }
    QVERIFY(cell);
    auto *b = qobject_cast<QAbstractButton *>(cell->widget());
    QVERIFY(b);
    QCOMPARE(b->size(), QSize(36, 52));
    QVERIFY(b->text().isEmpty());
    o.expectWindow();
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(o.env.modal->opened, QStringList{window});
    QCOMPARE(o.sizes, QList<QSize>{QSize(800, 600)});
}

void TestMainWindow::commandButtons_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("size");
    QTest::newRow("고객관리") << "고객관리"
                              << "TfmCustlist" << kDesignSize;
    QTest::newRow("매수관리") << "매수관리"
                              << "TfmMAESUList" << QSize(800, 600);
    QTest::newRow("계약일관리") << "계약일관리"
                                << "TfmcontractList" << QSize(800, 600);
    QTest::newRow("모든매물보기") << "모든매물보기"
                                  << "TfmALLList" << QSize(800, 600);
}

void TestMainWindow::commandButtons()
{
    QFETCH(QString, caption);
    QFETCH(QString, window);
    QFETCH(QSize, size);
    Office o;
    QPushButton *b = commandButton(o.w, caption);
    QVERIFY(b);
    QCOMPARE(b->size(), QSize(150, 40));
    o.expectWindow();
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(o.env.modal->opened, QStringList{window});
    QCOMPARE(o.sizes, QList<QSize>{size});
    QCOMPARE(o.owners, QList<QWidget *>{&o.w});
}

void TestMainWindow::menuItemsOpenWindows_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("고객관리(&1)") << "고객관리(&3)"
                                  << "고객관리(&1)"
                                  << "TfmCustlist";
    QTest::newRow("일정관리(&1)") << "일정관리(&4)"
                                  << "일정관리(&1)"
                                  << "TBrokSchedule";
    QTest::newRow("등록자정보관리(&1)") << "등록자정보(&5)"
                                        << "등록자정보관리(&1)"
                                        << "TfmUser";
}

void TestMainWindow::menuItemsOpenWindows()
{
    QFETCH(QString, menu);
    QFETCH(QString, item);
    QFETCH(QString, window);
    Office o;
    QAction *action = itemOf(topMenu(o.w, menu), item);
    QVERIFY(action);
    o.expectWindow();
    action->trigger();
    QCOMPARE(o.env.modal->opened, QStringList{window});
    QCOMPARE(o.sizes, QList<QSize>{kDesignSize});
}

void TestMainWindow::customerMenuOpensOnClick()
{
    Office o;
    QMenuBar *bar = o.w.menuBar();
    QMenu *cust = topMenu(o.w, QStringLiteral("고객관리(&3)"));
    QVERIFY(cust);
    o.expectWindow();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(cust->menuAction()).center());
    QTRY_COMPARE(o.env.modal->opened, QStringList{QStringLiteral("TfmCustlist")});
    QCOMPARE(o.sizes, QList<QSize>{kDesignSize});
    QTRY_VERIFY(!cust->isVisible());
    QTest::qWait(20);
    QCOMPARE(o.env.modal->opened.size(), 1);
}

void TestMainWindow::missingWindowDoesNothing()
{
    if (windows::has(QStringLiteral("TfmdelayList")))
        QSKIP("the on-hold list is built into the program; no command is left without its window");
    Office o;
    QPushButton *b = commandButton(o.w, QStringLiteral("보류물건관리"));
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(o.env.modal->opened.isEmpty());
    QCOMPARE(o.env.dialogs->messages, QStringList());
    QVERIFY(o.env.shell->urls.isEmpty());
    QVERIFY(o.w.isVisible());
}

void TestMainWindow::linkButtonsOpenTheirPages()
{
    Office o;
    auto *panel = o.w.findChild<QFrame *>(QStringLiteral("Panel2"));
    QVERIFY(panel);
    int linkButtons = 0;
    for (QPushButton *b : panel->findChildren<QPushButton *>())
        linkButtons += b->objectName().startsWith(QStringLiteral("Link_"));
    QCOMPARE(linkButtons, int(std::size(kLinks)));

    QList<QUrl> expected;
    for (const auto &[caption, sname] : kLinks) {
        const QString key = QString::fromUtf8(sname);
        auto *b = panel->findChild<QPushButton *>(QStringLiteral("Link_") + key);
        QVERIFY2(b, sname);
        QCOMPARE(b->text(), QString::fromUtf8(caption));
        QTest::mouseClick(b, Qt::LeftButton);
        expected << weblinks::urlFor(key);
        QVERIFY(expected.last().isValid());
        QVERIFY(expected.last().scheme().startsWith(QStringLiteral("http")));
    }
    QCOMPARE(o.env.shell->urls, expected);
    QVERIFY(o.env.modal->opened.isEmpty());
    QCOMPARE(o.env.dialogs->messages, QStringList());
    QVERIFY(o.w.isVisible());
}

void TestMainWindow::bannerAndCornerOpenPages()
{
    Office o;
    auto *banner = o.w.findChild<QLabel *>(QStringLiteral("RxGIFAnimator1"));
    QVERIFY(banner);
    QCOMPARE(banner->size(), QSize(570, 72));
    QVERIFY(banner->movie() && banner->movie()->isValid());
    QTest::mouseClick(banner, Qt::LeftButton);
    QCOMPARE(o.env.shell->urls, QList<QUrl>{weblinks::urlFor(QStringLiteral("전면광고"))});
    QTest::mouseClick(o.w.findChild<QLabel *>(QStringLiteral("Image1")), Qt::LeftButton);
    QCOMPARE(o.env.shell->urls, (QList<QUrl>{weblinks::urlFor(QStringLiteral("전면광고")), weblinks::homePage()}));
    // The big logo is only a picture.
    QTest::mouseClick(o.w.findChild<QLabel *>(QStringLiteral("RxGIFAnimator2")), Qt::LeftButton);
    QCOMPARE(o.env.shell->urls.size(), 2);
    QVERIFY(o.w.isVisible());
}

void TestMainWindow::upgradeEndsRunWithoutBackup_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("menu item") << "UpgradeItem";
    QTest::newRow("red button") << "UpgradeButton";
}

void TestMainWindow::upgradeEndsRunWithoutBackup()
{
    QFETCH(QString, command);
    Office o;
    o.env.dm->BackupOnExit = QStringLiteral("YES");
    if (auto *action = o.w.findChild<QAction *>(command)) {
        QCOMPARE(action->text(), QStringLiteral("프로그램업그레이드"));
        action->trigger();
    } else {
        auto *b = o.w.findChild<QPushButton *>(command);
        QVERIFY(b);
        QCOMPARE(b->text(), QStringLiteral("프로그램 업그레이드"));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QCOMPARE(o.env.shell->urls, QList<QUrl>{weblinks::urlFor(QStringLiteral("매물관리업그레이드"))});
    QVERIFY(!o.w.isVisible());
    QCOMPARE(o.w.ClosingSilently, quint8(1));
    QCOMPARE(o.env.dialogs->messages, QStringList());
    QVERIFY(!QFileInfo::exists(backupFolder(o.env, QStringLiteral("4"))));
}

void TestMainWindow::dataFolderCommand_data()
{
    QTest::addColumn<QString>("choice");
    QTest::newRow("another folder") << "other";
    QTest::newRow("the same folder again") << "same";
    QTest::newRow("cancelled") << "";
}

void TestMainWindow::dataFolderCommand()
{
    QFETCH(QString, choice);
    Office o;
    o.env.dm->BackupOnExit = QStringLiteral("YES");
    const QString other = o.env.path(QStringLiteral("elsewhere/data"));
    QDir().mkpath(other);
    const QString chosen = choice == QLatin1String("other") ? other : choice == QLatin1String("same") ? o.folder : "";
    o.env.dialogs->folders << chosen;
    o.w.findChild<QAction *>(QStringLiteral("DataPathItem"))->trigger();

    QCOMPARE(o.env.dialogs->lastTitle, QStringLiteral("새로 변경하실 데이터 경로를 선택 하세요"));
    QCOMPARE(o.env.dialogs->lastStart, o.folder);
    if (chosen.isEmpty()) {
        QCOMPARE(aliases::params(aliases::kAlias), QStringList{QStringLiteral("PATH=") + o.folder});
        QCOMPARE(o.env.dialogs->messages, QStringList());
        QVERIFY(o.w.isVisible());
        QCOMPARE(o.w.ClosingSilently, quint8(0));
        return;
    }
    QCOMPARE(aliases::params(aliases::kAlias), QStringList{QStringLiteral("PATH=") + chosen});
    QCOMPARE(o.env.dialogs->messages, QStringList{QStringLiteral("성공적으로 테이터 경로가 변경 되었습니다.\n"
                                                                 "프로그램을 종료 합니다. 재시작 하시기 바랍니다.")});
    QVERIFY(!o.w.isVisible());
    QCOMPARE(o.w.ClosingSilently, quint8(1));
    QVERIFY(!QFileInfo::exists(backupFolder(o.env, QStringLiteral("4"))));
    // Nothing is moved into the new folder.
    if (choice == QLatin1String("other"))
        QVERIFY(QDir(other).isEmpty());
}

void TestMainWindow::exitQuestion_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("backupOnExit");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<bool>("backsUp");
    const QDate wednesday(2026, 12, 9);
    QTest::newRow("No keeps the window") << false << "YES" << wednesday << "4" << false;
    QTest::newRow("Yes, YES backs up") << true << "YES" << wednesday << "4" << true;
    QTest::newRow("Yes, NO does not") << true << "NO" << wednesday << "4" << false;
    QTest::newRow("Yes, empty backs up") << true << "" << wednesday << "4" << true;
    QTest::newRow("Yes, lower-case no backs up") << true << "no" << wednesday << "4" << true;
    QTest::newRow("Sunday is 1") << true << "YES" << QDate(2026, 12, 13) << "1" << true;
    QTest::newRow("Saturday is 7") << true << "YES" << QDate(2026, 12, 12) << "7" << true;
}

void TestMainWindow::exitQuestion()
{
    QFETCH(bool, answer);
    QFETCH(QString, backupOnExit);
    QFETCH(QDate, today);
    QFETCH(QString, weekday);
    QFETCH(bool, backsUp);
    Office o;
    o.env.clock->date = today;
    o.env.dm->BackupOnExit = backupOnExit;
    execSql(QStringLiteral("insert into mamul_table (Id_seq, Obj_kind, Bld_nme) values (1, '아파트', '한빛')"));
    writeFile(QDir(o.folder).filePath(QStringLiteral("img/1_1.jpg")), QByteArrayLiteral("picture"));
    writeFile(QDir(o.folder).filePath(QStringLiteral("notes.txt")), QByteArrayLiteral("notes"));
    // Last week's copy: its top-level files go, its sub-folders stay.
    const QString target = backupFolder(o.env, weekday);
    writeFile(QDir(target).filePath(QStringLiteral("stale.txt")), QByteArrayLiteral("old"));
    writeFile(QDir(target).filePath(QStringLiteral("old/keep.txt")), QByteArrayLiteral("old"));
    o.env.dialogs->answers << answer;

    QCOMPARE(o.w.close(), answer);
    QCOMPARE(o.env.dialogs->messages, QStringList{kExitQuestion});
    QCOMPARE(o.w.isVisible(), !answer);
    const QDir t(target);
    QCOMPARE(t.exists(QStringLiteral("stale.txt")), !backsUp);
    QVERIFY(t.exists(QStringLiteral("old/keep.txt")));
    QCOMPARE(t.exists(QStringLiteral("img/1_1.jpg")), backsUp);
    QCOMPARE(t.exists(QStringLiteral("notes.txt")), backsUp);
    QCOMPARE(t.exists(QStringLiteral("domora.sqlite3")), backsUp);
    // No other weekday's folder is touched.
    QStringList others = QDir(o.env.dm->BackupRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(others, QStringList{weekday});
}

void TestMainWindow::exitCommandsAsk_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("종 료(&1)") << "ExitItem";
    QTest::newRow("종료(&7)") << "ExitTopItem";
}

void TestMainWindow::exitCommandsAsk()
{
    QFETCH(QString, command);
    Office o;
    auto *action = o.w.findChild<QAction *>(command);
    QVERIFY(action);
    o.env.dialogs->answers << false << true;
    action->trigger();
    QVERIFY(o.w.isVisible());
    action->trigger();
    QVERIFY(!o.w.isVisible());
    QCOMPARE(o.env.dialogs->messages, (QStringList{kExitQuestion, kExitQuestion}));
}

void TestMainWindow::closingSilentlyAsksNothing()
{
    Office o;
    o.env.dm->BackupOnExit = QStringLiteral("YES");
    o.w.ClosingSilently = 1;
    QVERIFY(o.w.close());
    QVERIFY(!o.w.isVisible());
    QCOMPARE(o.env.dialogs->messages, QStringList());
    QVERIFY(!QFileInfo::exists(backupFolder(o.env, QStringLiteral("4"))));
}

void TestMainWindow::logoFileFor_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("file"); // within the image folder; empty: no logo
    QTest::newRow("Windows path") << "C:\\old\\data\\image\\logo.gif"
                                  << "logo.gif";
    QTest::newRow("no image folder in it") << "mylogo.gif"
                                           << "o.gif";
    QTest::newRow("stored with slashes") << "/old/data/image/logo.gif"
                                         << "logo.gif";
    QTest::newRow("Windows path with slashes") << "D:/office/image/logo.gif"
                                               << "logo.gif";
    QTest::newRow("image folder first") << "image\\a.gif"
                                        << "a.gif";
    QTest::newRow("first image folder counts") << "C:\\image\\x\\image\\b.gif"
                                               << "x/image/b.gif";
    QTest::newRow("sub-folder below image") << "C:\\data\\image\\logos\\c.gif"
                                            << "logos/c.gif";
    QTest::newRow("six characters") << "abcdef"
                                    << "f";
    QTest::newRow("five characters") << "a.gif"
                                     << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestMainWindow::logoFileFor()
{
    QFETCH(QString, stored);
    QFETCH(QString, file);
    const QString folder = QStringLiteral("/srv/office/image");
    const QString expected = file.isEmpty() ? QString() : folder + QLatin1Char('/') + file;
    QCOMPARE(TfmMain::logoFileFor(stored, folder), expected);
}

void TestMainWindow::showLogo_data()
{
    QTest::addColumn<QString>("content"); // "gif", "garbage" or "" for no file
    QTest::addColumn<bool>("shown");
    QTest::newRow("animated GIF") << "gif" << true;
    QTest::newRow("missing file") << "" << false;
    QTest::newRow("not a picture") << "garbage" << false;
}

void TestMainWindow::showLogo()
{
    QFETCH(QString, content);
    QFETCH(bool, shown);
    Office o;
    const QString file = QDir(o.env.dm->imageFolder()).filePath(QStringLiteral("logo.gif"));
    if (content == QLatin1String("gif")) {
        QFile gif(QStringLiteral(":/app/demo_logo.gif"));
        QVERIFY(gif.open(QIODevice::ReadOnly));
        writeFile(file, gif.readAll());
    } else if (content == QLatin1String("garbage")) {
        writeFile(file, QByteArray(300, 'x'));
    }
    auto *logo = o.w.findChild<QLabel *>(QStringLiteral("RxGIFAnimator2"));
    QVERIFY(logo);
    QCOMPARE(logo->size(), QSize(570, 505));
    o.env.dm->MainLogoFile = QStringLiteral("C:\\old\\data\\image\\logo.gif");
    o.w.ShowLogo();
    QCOMPARE(o.env.dm->MainLogoFile, file);
    QCOMPARE(logo->movie() != nullptr, shown);
    if (shown) {
        QVERIFY(logo->movie()->isValid());
        QCOMPARE(logo->movie()->state(), QMovie::Running);
        QVERIFY(logo->movie()->frameCount() > 1);
    } else {
        QVERIFY(logo->pixmap().isNull());
    }
}

void TestMainWindow::cornerPictureStaysInCorner()
{
    Office o;
    auto *panel = o.w.findChild<QFrame *>(QStringLiteral("BasePanel"));
    auto *corner = o.w.findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(panel && corner);
    QCOMPARE(corner->parentWidget(), panel);
    QCOMPARE(corner->geometry(), QRect(3, panel->height() - 138 - 3, 152, 138));
    for (int height : {820, 600, 701}) {
        panel->setFixedSize(725, height);
        QTRY_COMPARE(corner->geometry(), QRect(3, height - 138 - 3, 152, 138));
    }
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
