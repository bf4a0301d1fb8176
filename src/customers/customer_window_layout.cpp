// The customer window's controls: three groups of labelled inputs (each label the buddy of its input),
// the record navigator and the command buttons, in the tab order of the rows.
#include "customers/customer_window.h"

#include "ui/date_edit.h"
#include "ui/key_navigation.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Cell {
    int row;
    int pair; // 0, 1, 2: the label/input pair of the row, left to right
    const char *column;
    const char *caption;
    int span = 1; // pairs taken
};

QPushButton *commandButton(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumHeight(28);
    return b;
}

} // namespace

void CustomerWindow::buildLayout()
{
    QList<QWidget *> tabOrder;
    auto makeInput = [&](const QString &column) -> QWidget * {
        QWidget *w = nullptr;
        if (column == QLatin1String("CGwange")) {
            auto *combo = new QComboBox(this);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->addItems({QStringLiteral("고객"), QStringLiteral("가족"), QStringLiteral("친척"),
                             QStringLiteral("친구"), QStringLiteral("관공서"), QStringLiteral("기타")});
            combo->setEditText(QStringLiteral("고객"));
            // The inner edit holds the focus; it moves on Enter and the arrows like every other input.
            keys::installNavigation(combo->lineEdit());
            w = combo;
        } else if (column.startsWith(QLatin1String("Cmove_"))) {
            w = new DateEdit(this);
        } else {
            w = new QLineEdit(this);
        }
        w->setObjectName(column);
        keys::installNavigation(w);
        m_controls.insert(column.toLower(), w);
        tabOrder << w;
        return w;
    };
    auto fillGroup = [&](QGroupBox *box, std::initializer_list<Cell> cells) {
        auto *grid = new QGridLayout(box);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(4);
        for (const Cell &c : cells) {
            const QString column = QString::fromLatin1(c.column);
            QWidget *input = makeInput(column);
            auto *label = new QLabel(QString::fromUtf8(c.caption), box);
            label->setBuddy(input);
            grid->addWidget(label, c.row, c.pair * 2);
            if (column == QLatin1String("Caddr")) {
                // The address with its lookup button after it.
                auto *line = new QHBoxLayout;
                line->setSpacing(2);
                line->addWidget(input, 1);
                auto *zip = new QToolButton(box);
                zip->setObjectName(QStringLiteral("ZipFind"));
                zip->setText(QStringLiteral("주소찾기(&Z)"));
                zip->setAccessibleName(QStringLiteral("주소찾기"));
                zip->setToolTip(QStringLiteral("주소찾기"));
                // Reached by its mnemonic; Enter in the address goes on to the home page as before.
                zip->setFocusPolicy(Qt::NoFocus);
                connect(zip, &QToolButton::clicked, this, &CustomerWindow::zipClick);
                line->addWidget(zip);
                grid->addLayout(line, c.row, c.pair * 2 + 1, 1, c.span * 2 - 1);
            } else {
                grid->addWidget(input, c.row, c.pair * 2 + 1, 1, c.span * 2 - 1);
            }
        }
        for (int col = 1; col < 6; col += 2)
            grid->setColumnStretch(col, 1);
    };

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(6);

    auto *personal = new QGroupBox(QStringLiteral("  * 개인정보   "), this);
    personal->setObjectName(QStringLiteral("GroupPersonal"));
    fillGroup(personal, {
                            {0, 0, "Cname", "이    름"},
                            {0, 1, "CCompany", "회    사"},
                            {0, 2, "Cophone", "회사전화"},
                            {1, 0, "CGwange", "관    계"},
                            {1, 1, "Cgikchek", "직    책"},
                            {1, 2, "Cfax", "F  A  X"},
                            {2, 0, "Cphone", "전    화"},
                            {2, 1, "Cbuseo", "부    서"},
                            {3, 0, "Chandphone", "핸 드 폰"},
                            {3, 1, "Caddr", "주    소", 2},
                            {4, 0, "Chomepage", "홈페이지"},
                            {4, 1, "OEmail", "이 메 일"},
                        });
    outer->addWidget(personal);

    auto *housing = new QGroupBox(QStringLiteral("  * 주거형태   "), this);
    housing->setObjectName(QStringLiteral("GroupHousing"));
    fillGroup(housing, {
                           {0, 0, "Cliving_type", "주거형태"},
                           {0, 1, "Cbld_type", "건물/이름"},
                           {0, 2, "Oname", "집 주 인"},
                           {1, 0, "Cmove_into_date", "입 주 일"},
                           {1, 1, "Cmove_out_date", "이 사 일"},
                           {1, 2, "Ophone", "주인전화"},
                           {2, 2, "Ohandphone", "주인 핸드폰"},
                       });
    outer->addWidget(housing);

    auto *memoBox = new QGroupBox(QStringLiteral("  * 메모   "), this);
    memoBox->setObjectName(QStringLiteral("GroupMemo"));
    auto *memoLayout = new QVBoxLayout(memoBox);
    auto *memo = new QPlainTextEdit(memoBox);
    memo->setObjectName(QStringLiteral("CMemo"));
    memo->setTabChangesFocus(true);
    memo->setAccessibleName(QStringLiteral("메모"));
    memoLayout->addWidget(memo);
    m_controls.insert(QStringLiteral("cmemo"), memo);
    tabOrder << memo;
    outer->addWidget(memoBox, 1);

    auto *bottom = new QHBoxLayout;
    auto *navigator = new QWidget(this);
    navigator->setObjectName(QStringLiteral("mamul_nav"));
    auto *nav = new QHBoxLayout(navigator);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(1);
    const QStringList glyphs = {QStringLiteral("|◀"), QStringLiteral("◀"), QStringLiteral("▶"), QStringLiteral("▶|")};
    const QStringList names = {QStringLiteral("처음"), QStringLiteral("이전"), QStringLiteral("다음"),
                               QStringLiteral("마지막")};
    const QStringList objectNames = {QStringLiteral("NavFirst"), QStringLiteral("NavPrior"), QStringLiteral("NavNext"),
                                     QStringLiteral("NavLast")};
    for (int i = 0; i < 4; ++i) {
        auto *b = new QToolButton(navigator);
        b->setObjectName(objectNames.at(i));
        b->setText(glyphs.at(i));
        b->setToolTip(names.at(i));
        b->setAccessibleName(names.at(i));
        connect(b, &QToolButton::clicked, this, [this, i] { navigate(i); });
        nav->addWidget(b);
    }
    bottom->addWidget(navigator);
    bottom->addStretch(1);
    auto *save = commandButton(QStringLiteral("저 장(&S)"), QStringLiteral("Save"), this);
    auto *print = commandButton(QStringLiteral("출 력(&P)"), QStringLiteral("Print"), this);
    auto *del = commandButton(QStringLiteral("삭 제(&D)"), QStringLiteral("DelCont"), this);
    auto *exit = commandButton(QStringLiteral("종 료(&X)"), QStringLiteral("ExitBtn"), this);
    connect(save, &QPushButton::clicked, this, &CustomerWindow::SaveClick);
    connect(print, &QPushButton::clicked, this, &CustomerWindow::PrintClick);
    connect(del, &QPushButton::clicked, this, &CustomerWindow::DelContClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton *b : {save, print, del, exit}) {
        bottom->addWidget(b);
        tabOrder << b;
    }
    outer->addLayout(bottom);

    // Row by row through the personal group, then the housing group, the memo and the buttons.
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}
