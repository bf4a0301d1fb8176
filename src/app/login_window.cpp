#include "app/login_window.h"

#include "data/data_module.h"
#include "ui/fonts.h"
#include "ui/seams.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmLogin::TfmLogin(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfmLogin"));
    setWindowTitle(QStringLiteral("매물관리 로그인   (도모라 소프트 고객지원 1588-0000)"));
    setFont(fonts::font(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(274, 167);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    auto *heading = new QLabel(QStringLiteral("     Domora 로그인     "), this);
    QFont hf = fonts::font(QStringLiteral("굴림체"), 11, true);
    hf.setPixelSize(15);
    heading->setFont(hf);
    heading->setAlignment(Qt::AlignCenter);

    m_id = new QLineEdit(this);
    m_id->setObjectName(QStringLiteral("id"));
    m_passwd = new QLineEdit(this);
    m_passwd->setObjectName(QStringLiteral("passwd"));
    m_passwd->setEchoMode(QLineEdit::Password);
    auto *idLabel = new QLabel(QStringLiteral("&ID"), this);
    idLabel->setBuddy(m_id);
    auto *pwLabel = new QLabel(QStringLiteral("암호(&P)"), this);
    pwLabel->setBuddy(m_passwd);
    m_id->setAccessibleName(QStringLiteral("ID"));
    m_passwd->setAccessibleName(QStringLiteral("암호"));

    auto *login = new QPushButton(QStringLiteral("로그인"), this);
    login->setObjectName(QStringLiteral("btnLogin"));
    auto *exit = new QPushButton(QStringLiteral("종 료"), this);
    exit->setObjectName(QStringLiteral("btnExit"));
    login->setAutoDefault(false);
    exit->setAutoDefault(false);

    auto *grid = new QGridLayout;
    grid->addWidget(idLabel, 0, 0);
    grid->addWidget(m_id, 0, 1);
    grid->addWidget(login, 0, 2);
    grid->addWidget(pwLabel, 1, 0);
    grid->addWidget(m_passwd, 1, 1);
    grid->addWidget(exit, 1, 2);
    auto *box = new QVBoxLayout(this);
    box->addWidget(heading);
    box->addLayout(grid);

    connect(m_id, &QLineEdit::returnPressed, m_passwd, qOverload<>(&QWidget::setFocus));
    connect(m_passwd, &QLineEdit::returnPressed, this, &TfmLogin::btnLoginClick);
    connect(login, &QPushButton::clicked, this, &TfmLogin::btnLoginClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    m_id->setFocus();
}

void TfmLogin::btnLoginClick()
{
    if (m_id->text().isEmpty()) {
        seams::dialogs().inform(QStringLiteral("ID를 입력해주세요."));
        return;
    }
    if (m_passwd->text().isEmpty()) {
        seams::dialogs().inform(QStringLiteral("암호를 입력해주세요."));
        return;
    }
    m_id->setText(m_id->text().toUpper());
    m_passwd->setText(m_passwd->text().toUpper());
    Tdm *dm = dataModule();
    dm->tbl_id.close();
    // The typed ID goes into the statement with its quotes doubled, so any text is just an ID.
    dm->tbl_id.setSql(QStringLiteral("select * from id_table where Id = '") + Tdm::quoted(m_id->text()) + QStringLiteral("'"));
    dm->tbl_id.open();
    if (dm->tbl_id.eof() || dm->tbl_id.fieldByName(QStringLiteral("id")).asString() != m_id->text()) {
        seams::dialogs().inform(QStringLiteral("ID가 존재하지 않습니다."));
        dm->tbl_id.close();
        return;
    }
    if (dm->tbl_id.fieldByName(QStringLiteral("Pwd")).asString() != m_passwd->text()) {
        seams::dialogs().inform(QStringLiteral("암호가 일치하지 않습니다."));
        dm->tbl_id.close();
        return;
    }
    dm->LoadOfficeInformation(false, font(), palette().color(QPalette::WindowText));
    dm->tbl_id.close();
    accept();
}
