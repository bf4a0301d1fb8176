#include "app/main_window.h"

#include "app/data_folder.h"
#include "app/kind_icons.h"
#include "app/login_window.h"
#include "app/resources.h"
#include "app/web_links.h"
#include "catalogue/kinds.h"
#include "data/alias_registry.h"
#include "data/data_module.h"
#include "data/database.h"
#include "data/db_error.h"
#include "ui/fonts.h"
#include "ui/seams.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMovie>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

static const QString kCaption = QStringLiteral("부동산 매물관리 전문프로그램 DOMORA2.0");
static const QString kContact = QStringLiteral("   (도모라 소프트 고객지원 1588-0000)");

TfmMain::TfmMain(QWidget *parent) : QMainWindow(parent)
{
    initDomoraResources();
    setObjectName(QStringLiteral("TfmMain"));
    setWindowTitle(kCaption + kContact);
    setFont(fonts::font(QStringLiteral("굴림"), 9));
    // Nothing here may touch the data module: it is created after this window.
    if (QScreen *screen = QApplication::primaryScreen()) {
        const QRect r = screen->availableGeometry();
        setGeometry(1, 1, r.width(), qMax(400, r.height() - 30));
    }
    buildMenus();

    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(4, 4, 4, 4);
    buildBasePanel(central);
    row->addWidget(m_basePanel, 0, Qt::AlignTop | Qt::AlignLeft);
    buildLinkPanel(central);
    setCentralWidget(central);
}

// ---- layout ----

void TfmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto addItem = [this](QMenu *menu, const QString &text, const QString &name, auto slot) {
        QAction *a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    QMenu *file = bar->addMenu(QStringLiteral("파 일(&1)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    addItem(file, QStringLiteral("프로그램업그레이드"), QStringLiteral("UpgradeItem"), [this] { upgradeProgram(); });
    file->addSeparator();
    addItem(file, QStringLiteral("종 료(&1)"), QStringLiteral("ExitItem"), [this] { close(); });

    QMenu *listings = bar->addMenu(QStringLiteral("물건관리(&2)"));
    listings->setObjectName(QStringLiteral("ListingMenu"));
    for (const Kind &k : kinds::all()) {
        if (k.leaseList.isEmpty()) {
            addItem(listings, k.menuText, k.saleList + QStringLiteral("Item"), [this, w = k.saleList] { openList(w); });
            continue;
        }
        QMenu *sub = listings->addMenu(k.menuText);
        sub->setObjectName(k.code + QStringLiteral("Menu"));
        addItem(sub, QStringLiteral("매매정보(&1)"), k.saleList + QStringLiteral("Item"), [this, w = k.saleList] { openList(w); });
        addItem(sub, QStringLiteral("임대정보(&2)"), k.leaseList + QStringLiteral("Item"), [this, w = k.leaseList] { openList(w); });
    }

    // Clicking the top-level item itself opens the customer list at once.
    QMenu *cust = bar->addMenu(QStringLiteral("고객관리(&3)"));
    cust->setObjectName(QStringLiteral("CustMenu"));
    addItem(cust, QStringLiteral("고객관리(&1)"), QStringLiteral("CustItem"), [this] { openWindow(QStringLiteral("TfmCustlist")); });
    connect(cust, &QMenu::aboutToShow, this, [this, cust] {
        QTimer::singleShot(0, this, [this, cust] {
            cust->close();
            openWindow(QStringLiteral("TfmCustlist"));
        });
    });

    QMenu *schedule = bar->addMenu(QStringLiteral("일정관리(&4)"));
    schedule->setObjectName(QStringLiteral("ScheduleMenu"));
    addItem(schedule, QStringLiteral("일정관리(&1)"), QStringLiteral("ScheduleItem"), [this] { openWindow(QStringLiteral("TBrokSchedule")); });

    QMenu *user = bar->addMenu(QStringLiteral("등록자정보(&5)"));
    user->setObjectName(QStringLiteral("UserMenu"));
    addItem(user, QStringLiteral("등록자정보관리(&1)"), QStringLiteral("UserItem"), [this] { openWindow(QStringLiteral("TfmUser")); });

    QMenu *settings = bar->addMenu(QStringLiteral("환경설정(&6)"));
    settings->setObjectName(QStringLiteral("SettingsMenu"));
    addItem(settings, QStringLiteral("데이터 경로설정(&1)"), QStringLiteral("DataPathItem"), [this] { changeDataFolder(); });

    QAction *exit = bar->addAction(QStringLiteral("종료(&7)"));
    exit->setObjectName(QStringLiteral("ExitTopItem"));
    connect(exit, &QAction::triggered, this, [this] { close(); });
}

void TfmMain::buildBasePanel(QWidget *parent)
{
    m_basePanel = new QFrame(parent);
    m_basePanel->setObjectName(QStringLiteral("BasePanel"));
    m_basePanel->setFixedSize(725, 701);
    m_basePanel->setFrameShape(QFrame::StyledPanel);
    m_basePanel->installEventFilter(this);

    // The kind band: two rows of 17 icon buttons, sale above, lease below.
    auto *band = new QGroupBox(m_basePanel);
    band->setObjectName(QStringLiteral("GroupBox1"));
    band->setGeometry(4, 2, 717, 122);
    auto *grid = new QGridLayout(band);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    int column = 0;
    for (const Kind &k : kinds::all()) {
        for (int lease = 0; lease < 2; ++lease) {
            const QString target = lease ? k.leaseList : k.saleList;
            if (target.isEmpty())
                continue;
            auto *b = new QToolButton(band);
            b->setObjectName(target + QStringLiteral("Button"));
            b->setFixedSize(36, 52);
            b->setIcon(kindIcon(k, lease == 1));
            b->setIconSize(QSize(34, 50));
            b->setAutoRaise(true);
            const QString name = k.name + (lease ? QStringLiteral(" 임대정보") : QStringLiteral(" 매매정보"));
            b->setToolTip(name);
            b->setAccessibleName(name);
            connect(b, &QToolButton::clicked, this, [this, target] { openList(target); });
            grid->addWidget(b, lease, column);
        }
        ++column;
    }

    // The command buttons.
    struct Command {
        const char *caption;
        const char *name;
        std::function<void()> run;
    };
    const QList<Command> commands = {
        {"고객관리", "CustButton", [this] { openWindow(QStringLiteral("TfmCustlist")); }},
        {"매수관리", "MaesuButton", [this] { openList(QStringLiteral("TfmMAESUList")); }},
        {"계약일관리", "ContractButton", [this] { openList(QStringLiteral("TfmcontractList")); }},
        {"보류물건관리", "DelayButton", [this] { openList(QStringLiteral("TfmdelayList")); }},
        {"모든매물보기", "AllButton", [this] { openList(QStringLiteral("TfmALLList")); }},
        {"프로그램 업그레이드", "UpgradeButton", [this] { upgradeProgram(); }},
    };
    int top = 134;
    for (const Command &c : commands) {
        auto *b = new QPushButton(QString::fromUtf8(c.caption), m_basePanel);
        b->setObjectName(QString::fromLatin1(c.name));
        b->setGeometry(4, top, 150, 40);
        if (QByteArray(c.name) == "UpgradeButton")
            b->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
        connect(b, &QPushButton::clicked, this, c.run);
        top += 46;
    }

    // The office logo, and the banner under it.
    m_logo = new QLabel(m_basePanel);
    m_logo->setObjectName(QStringLiteral("RxGIFAnimator2"));
    m_logo->setGeometry(155, 124, 570, 505);
    m_logo->setScaledContents(true);
    m_logo->setFrameShape(QFrame::StyledPanel);
    m_logo->setAccessibleName(QStringLiteral("사무실 로고"));

    m_banner = new QLabel(m_basePanel);
    m_banner->setObjectName(QStringLiteral("RxGIFAnimator1"));
    m_banner->setGeometry(155, 124 + 505, 570, 72);
    m_banner->setScaledContents(true);
    m_banner->setCursor(Qt::PointingHandCursor);
    m_banner->setAccessibleName(QStringLiteral("광고"));
    m_banner->installEventFilter(this);
    auto *bannerMovie = new QMovie(QStringLiteral(":/app/banner.gif"), QByteArray(), m_banner);
    m_banner->setMovie(bannerMovie);
    bannerMovie->start();

    m_corner = new QLabel(m_basePanel);
    m_corner->setObjectName(QStringLiteral("Image1"));
    m_corner->resize(152, 138);
    m_corner->setPixmap(QPixmap(QStringLiteral(":/app/corner.png")));
    m_corner->setScaledContents(true);
    m_corner->setCursor(Qt::PointingHandCursor);
    m_corner->setAccessibleName(QStringLiteral("홈페이지"));
    m_corner->installEventFilter(this);
    placeCornerPicture();
}

void TfmMain::buildLinkPanel(QWidget *parent)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setObjectName(QStringLiteral("Panel2Scroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel2"));
    auto *grid = new QGridLayout(panel);
    grid->setSpacing(3);
    // Group headers (pictures in the design) between the link groups.
    const QList<QPair<int, QString>> headers = {
        {0, QStringLiteral("부동산 정보")}, {13, QStringLiteral("경제 · 신문")}, {20, QStringLiteral("관공서 · 협회")},
        {32, QStringLiteral("지도 · 생활")}, {39, QStringLiteral("교통")},
    };
    int row = 0, col = 0, index = 0;
    auto header = [&](const QString &text) {
        if (col != 0) {
            ++row;
            col = 0;
        }
        auto *h = new QLabel(text, panel);
        h->setAlignment(Qt::AlignCenter);
        h->setStyleSheet(QStringLiteral("background:#2f5597; color:white; font-weight:bold; padding:3px;"));
        grid->addWidget(h, row++, 0, 1, 2);
    };
    for (const WebLink &link : weblinks::buttons()) {
        for (const auto &h : headers)
            if (h.first == index)
                header(h.second);
        auto *b = new QPushButton(link.caption, panel);
        b->setObjectName(QStringLiteral("Link_") + link.sname);
        b->setMinimumHeight(26);
        connect(b, &QPushButton::clicked, this, [this, key = link.sname] { openWebPage(key); });
        grid->addWidget(b, row, col);
        if (++col == 2) {
            col = 0;
            ++row;
        }
        ++index;
    }
    grid->setRowStretch(row + 1, 1);
    scroll->setWidget(panel);
    scroll->setMinimumWidth(280);
    scroll->setMaximumWidth(520);
    parent->layout()->addWidget(scroll);
    static_cast<QHBoxLayout *>(parent->layout())->addStretch(1);
}

void TfmMain::placeCornerPicture()
{
    // Keep the small picture in the panel's lower left corner.
    if (m_corner && m_basePanel)
        m_corner->move(3, m_basePanel->height() - m_corner->height() - 3);
}

bool TfmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_basePanel && event->type() == QEvent::Resize)
        placeCornerPicture();
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_banner) {
            openWebPage(weblinks::kBanner);
            return true;
        }
        if (watched == m_corner) {
            seams::shell().openUrl(weblinks::homePage());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- start-up ----

void TfmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        QTimer::singleShot(0, this, [this] { FormShow(); });
    }
}

bool TfmMain::openDataFolder()
{
    Tdm *dm = dataModule();
    // Without an alias the user has been told already; any other folder that will not open (an
    // empty path among them) is named in the message.
    if (!aliases::exists(aliases::kAlias))
        return false;
    try {
        database::open(dm->DataPath);
        return true;
    } catch (const DbError &e) {
        seams::dialogs().inform(e.text());
        return false;
    }
}

void TfmMain::FormShow()
{
    // Start-up belongs to the first show only. It may already have run when the timer of that show
    // fires, for instance inside the login window's event loop.
    if (m_started)
        return;
    m_started = true;
    m_shown = true;
    Tdm *dm = dataModule();
    // 1. The data folder from the alias; a new user without one is offered the default folder.
    if (!aliases::exists(aliases::kAlias)) {
        seams::dialogs().inform(aliases::kMissingMessage);
        const QString folder = QDir::cleanPath(datafolder::defaultFolder());
        const QString shown = QDir::toNativeSeparators(folder);
        if (QFileInfo(database::fileIn(folder)).isFile()) {
            // The settings were lost but the office's data is still there: point back at it rather
            // than trying to create a new folder over it.
            if (seams::dialogs().ask(
                    QStringLiteral("데이터 폴더가 설정되어 있지 않습니다.\n%1 에 있는 데이터를 사용하시겠습니까?")
                        .arg(shown)))
                aliases::setPath(aliases::kAlias, folder);
        } else if (seams::dialogs().ask(
                       QStringLiteral("데이터 폴더가 설정되어 있지 않습니다.\n%1 에 새 데이터 폴더를 만드시겠습니까?")
                           .arg(shown))) {
            try {
                datafolder::create(folder, false);
            } catch (const DbError &e) {
                seams::dialogs().inform(e.text());
            }
        }
    }
    if (aliases::exists(aliases::kAlias))
        dm->LoadDataPath();
    // 2. The column set of the list statements.
    dm->AppendListColumns();
    m_dataReady = openDataFolder();
    if (!m_dataReady)
        return; // the user can still point the program at another folder
    // 3-4. The registrant table: a single row that starts without asking loads the office at once.
    dm->tbl_id.setSql(QStringLiteral("select * from id_table"));
    dm->tbl_id.open();
    if (dm->tbl_id.recordCount() < 2) {
        dm->tbl_id.first();
        if (dm->tbl_id.fieldByName(QStringLiteral("LoginF")).asBoolean())
            dm->LoadOfficeInformation(true, font(), palette().color(QPalette::WindowText));
    }
    // 5. The logo.
    ShowLogo();
    // 6. Otherwise the login window decides whether the run goes on.
    if (!dm->tbl_id.fieldByName(QStringLiteral("loginf")).asBoolean()) {
        dm->tbl_id.close();
        ClosingSilently = 0;
        TfmLogin login(this);
        if (seams::modal().run(&login) != QDialog::Accepted) {
            ClosingSilently = 1;
            close();
        }
    }
}

QString TfmMain::logoFileFor(const QString &mainLogoFile, const QString &imageFolder)
{
    if (mainLogoFile.size() <= 5)
        return QString();
    // Only the file name counts: it follows the first "image\" (or "image/"); without one, the
    // characters from the sixth on are taken, as stored logos have always been read.
    int p = mainLogoFile.indexOf(QStringLiteral("image\\"));
    const int slash = mainLogoFile.indexOf(QStringLiteral("image/"));
    if (p < 0 || (slash >= 0 && slash < p))
        p = slash;
    QString name = p < 0 ? mainLogoFile.mid(5) : mainLogoFile.mid(p + 6);
    // A sub-folder stored with Windows separators is still a sub-folder here.
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(imageFolder).filePath(name);
}

void TfmMain::ShowLogo()
{
    Tdm *dm = dataModule();
    if (dm->MainLogoFile.size() <= 5)
        return;
    dm->MainLogoFile = logoFileFor(dm->MainLogoFile, dm->imageFolder());
    if (m_logoMovie) {
        m_logo->setMovie(nullptr);
        delete m_logoMovie;
        m_logoMovie = nullptr;
    }
    m_logo->clear();
    if (!QFileInfo(dm->MainLogoFile).isFile())
        return;
    m_logoMovie = new QMovie(dm->MainLogoFile, QByteArray(), this);
    if (!m_logoMovie->isValid()) {
        delete m_logoMovie;
        m_logoMovie = nullptr;
        return;
    }
    m_logo->setMovie(m_logoMovie);
    m_logoMovie->start();
}

// ---- commands ----

void TfmMain::openList(const QString &window) { windows::open(window, this, 800, 600); }

void TfmMain::openWindow(const QString &window) { windows::open(window, this); }

void TfmMain::openWebPage(const QString &sname) { seams::shell().openUrl(weblinks::urlFor(sname)); }

void TfmMain::upgradeProgram()
{
    openWebPage(weblinks::kUpgrade);
    ClosingSilently = 1;
    close();
}

void TfmMain::changeDataFolder()
{
    if (!dataModule()->ChangeDataPath())
        return;
    seams::dialogs().inform(QStringLiteral("성공적으로 테이터 경로가 변경 되었습니다.\n프로그램을 종료 합니다. 재시작 하시기 바랍니다."));
    ClosingSilently = 1;
    close();
}

void TfmMain::closeEvent(QCloseEvent *event)
{
    if (ClosingSilently) {
        event->accept();
        return;
    }
    if (!seams::dialogs().ask(QStringLiteral("프로그램을 종료 하시겠습니까?"))) {
        event->ignore();
        return;
    }
    // A data folder that could not be opened at start-up is not copied: it would replace the
    // weekday's good back-up with unreadable files.
    if (m_dataReady && dataModule() && dataModule()->BackupOnExit != QLatin1String("NO"))
        dataModule()->BackupData();
    event->accept();
}
