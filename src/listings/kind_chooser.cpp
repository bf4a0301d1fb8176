#include "listings/kind_chooser.h"

#include "data/data_module.h"
#include "ui/key_navigation.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

KindChooser::KindChooser(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfmALLkind"));
    setWindowTitle(QStringLiteral("물건종류 구분"));

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("obj_k"));
    m_kind->addItems(
        {QStringLiteral("아파트"), QStringLiteral("분양권"), QStringLiteral("단독주택"), QStringLiteral("다가구"),
         QStringLiteral("빌라"), QStringLiteral("연립"), QStringLiteral("다세대"), QStringLiteral("상가"),
         QStringLiteral("상가주택"), QStringLiteral("오피스텔"), QStringLiteral("원룸"), QStringLiteral("사무실"),
         QStringLiteral("빌딩"), QStringLiteral("토지"), QStringLiteral("공장"), QStringLiteral("전원주택"),
         QStringLiteral("주유소"), QStringLiteral("모텔"), QStringLiteral("기타")});
    m_deal = new QComboBox(this);
    m_deal->setObjectName(QStringLiteral("obj_g"));
    m_deal->addItems({QStringLiteral("매매"), QStringLiteral("임대")});
    for (int i = 0; i < m_deal->count(); ++i)
        m_dealItems << m_deal->itemText(i);
    m_kind->setCurrentIndex(0);
    m_deal->setCurrentIndex(0);
    keys::installNavigation(m_kind);
    keys::installNavigation(m_deal);

    auto *kindLabel = new QLabel(QStringLiteral("매물종류"), this);
    kindLabel->setBuddy(m_kind);
    auto *dealLabel = new QLabel(QStringLiteral("거래종류"), this);
    dealLabel->setBuddy(m_deal);
    auto *form = new QGridLayout;
    form->addWidget(kindLabel, 0, 0);
    form->addWidget(m_kind, 0, 1);
    form->addWidget(dealLabel, 1, 0);
    form->addWidget(m_deal, 1, 1);
    form->setColumnStretch(1, 1);

    auto *ok = new QPushButton(QStringLiteral("확 인"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("취 소"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addLayout(buttons);

    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] { obj_kChange(); });
    connect(ok, &QPushButton::clicked, this, &KindChooser::OkClick);
    connect(cancel, &QPushButton::clicked, this, &KindChooser::CancelClick);
    resize(260, sizeHint().height());
}

void KindChooser::obj_kChange()
{
    // Presale rights are only ever sold.
    m_deal->clear();
    if (m_kind->currentText() == QStringLiteral("분양권"))
        m_deal->addItem(m_dealItems.value(0));
    else
        m_deal->addItems(m_dealItems);
    m_deal->setCurrentIndex(0);
}

void KindChooser::OkClick()
{
    Tdm *dm = dataModule();
    dm->OtherKindChoice = m_kind->currentText();
    dm->OtherDealChoice = m_deal->currentText();
    accept();
}

void KindChooser::CancelClick()
{
    reject();
}

void KindChooser::reject()
{
    Tdm *dm = dataModule();
    dm->OtherKindChoice.clear();
    dm->OtherDealChoice.clear();
    QDialog::reject();
}
