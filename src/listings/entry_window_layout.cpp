// Building an entry window's controls from its catalogue entry: the groups in their tabbed blocks,
// each input with its caption label (its buddy) and unit, the attachment block and the command column.
#include "listings/entry_window.h"

#include "catalogue/entry_catalogue.h"
#include "listings/attachment_panel.h"
#include "ui/amount_edit.h"
#include "ui/date_edit.h"
#include "ui/key_navigation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList kGroupCaptions = {
    QStringLiteral("1. 소재지 정보"),  QString(),
    QStringLiteral("3. 가격정보"),     QStringLiteral("4. 구조정보"),
    QStringLiteral("5. 특징"),         QStringLiteral("6. 제목"),
    QStringLiteral("7. 매물상태정보"), QStringLiteral("8. 부동산정보"),
    QStringLiteral("9. 매물등록정보"), QStringLiteral("10. 의뢰인정보"),
    QStringLiteral("11. 세입자정보"),
};

// Inputs that stand on the row of the input before them.
bool joinsPreviousRow(const QString &column)
{
    static const QStringList joined = {QStringLiteral("cont_end_date"), QStringLiteral("living_num"),
                                       QStringLiteral("bath_num"), QStringLiteral("add_village_nme")};
    return joined.contains(column.toLower());
}

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

QWidget *EntryWindow::createInput(const InputSpec &in, QWidget *parent)
{
    QWidget *w = nullptr;
    const QString &kind = in.kind;
    if (kind == QLatin1String("combo") || kind == QLatin1String("list")) {
        auto *combo = new QComboBox(parent);
        combo->setEditable(kind == QLatin1String("combo"));
        const ValueList &list = catalogue::valueList(in.list);
        combo->addItems(list.items);
        if (combo->isEditable())
            combo->setEditText(list.design);
        else
            combo->setCurrentIndex(list.items.indexOf(list.design));
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(4);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        w = combo;
    } else if (kind == QLatin1String("amount") || kind == QLatin1String("area") || kind == QLatin1String("number")) {
        auto *edit = new AmountEdit(parent);
        edit->setWholeDisplay(kind != QLatin1String("amount"));
        w = edit;
    } else if (kind == QLatin1String("date")) {
        w = new DateEdit(parent);
    } else if (kind == QLatin1String("memo")) {
        auto *memo = new QPlainTextEdit(parent);
        memo->setTabChangesFocus(true);
        w = memo;
    } else if (kind == QLatin1String("check")) {
        w = new QCheckBox(in.caption, parent);
    } else {
        w = new QLineEdit(parent);
    }
    w->setObjectName(in.control);
    if (!w->inherits("QPlainTextEdit") && !w->inherits("QCheckBox"))
        keys::installNavigation(w);
    const bool numericCombo = in.column == QLatin1String("Room_num") || in.column == QLatin1String("Living_num") ||
                              in.column == QLatin1String("Bath_num");
    if (numericCombo && qobject_cast<QComboBox *>(w)) {
        keys::installNumericFilter(w);
        if (auto *le = static_cast<QComboBox *>(w)->lineEdit())
            keys::installNumericFilter(le);
    }
    if (!in.column.isEmpty())
        m_controls.insert(in.column.toLower(), w);
    return w;
}

QWidget *EntryWindow::buildGroup(const QString &group, QWidget *parent)
{
    auto *page = new QWidget(parent);
    const int index = group.toInt();
    page->setObjectName(QStringLiteral("Group%1").arg(group));
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(3);

    const bool owner = index == 10, tenant = index == 11;
    if (owner) {
        m_visibleRequest = new QCheckBox(QStringLiteral("의뢰인정보 감추기"), page);
        m_visibleRequest->setObjectName(QStringLiteral("VisibleRequest"));
        outer->addWidget(m_visibleRequest);
    }
    if (tenant) {
        auto *same = button(QStringLiteral("의뢰인정보와동일"), QStringLiteral("SameAsOwner"), page);
        connect(same, &QPushButton::clicked, this, &EntryWindow::sameAsOwner);
        outer->addWidget(same, 0, Qt::AlignLeft);
    }

    // Rows of caption, input and unit; long groups in two columns.
    QList<QList<const InputSpec *>> rows;
    for (const InputSpec &in : m_spec.inputs) {
        if (in.group != group || in.control == QLatin1String("VisibleRequest") || in.control == QLatin1String("c3"))
            continue;
        if (!rows.isEmpty() && joinsPreviousRow(in.column))
            rows.last() << &in;
        else
            rows << QList<const InputSpec *>{&in};
    }
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    const int perColumn = rows.size() > 6 ? (rows.size() + 1) / 2 : rows.size();
    for (int r = 0; r < rows.size(); ++r) {
        const int gridRow = perColumn ? r % perColumn : r;
        const int gridCol = perColumn && r >= perColumn ? 3 : 0;
        auto *line = new QHBoxLayout;
        line->setSpacing(3);
        QLabel *firstLabel = nullptr;
        for (const InputSpec *in : rows.at(r)) {
            QWidget *input = createInput(*in, page);
            if (in->kind != QLatin1String("check") && !in->caption.isEmpty()) {
                auto *label = new QLabel(in->caption, page);
                label->setObjectName(QStringLiteral("lbl_") + in->control);
                label->setBuddy(input);
                m_labels.insert(in->column.toLower(), label);
                if (!firstLabel) {
                    firstLabel = label;
                    label->setFrameShape(QFrame::Panel);
                    label->setFrameShadow(QFrame::Raised);
                    label->setMinimumWidth(62);
                    label->setAlignment(Qt::AlignCenter);
                    // "내부구조" heads the row of room counts.
                    if (in->column == QLatin1String("Room_num") && in->caption == QStringLiteral("방")) {
                        label->setFrameShape(QFrame::NoFrame);
                        auto *head = new QLabel(QStringLiteral("내부구조"), page);
                        head->setFrameShape(QFrame::Panel);
                        head->setFrameShadow(QFrame::Raised);
                        head->setMinimumWidth(62);
                        head->setAlignment(Qt::AlignCenter);
                        grid->addWidget(head, gridRow, gridCol);
                        line->addWidget(label);
                        firstLabel = head;
                    } else {
                        grid->addWidget(label, gridRow, gridCol);
                    }
                } else {
                    line->addWidget(label);
                }
            } else if (!firstLabel) {
                auto *spacer = new QLabel(page);
                grid->addWidget(spacer, gridRow, gridCol);
                firstLabel = spacer;
            }
            if (in->isPrivate)
                input->setToolTip(QStringLiteral("(비공개 항목)"));
            line->addWidget(input, 1);
            if (in->isPrivate) {
                auto *mark = new QLabel(QStringLiteral("(비공개 항목)"), page);
                mark->setStyleSheet(QStringLiteral("color: #b00000;"));
                line->addWidget(mark);
            }
            if (!in->unit.isEmpty())
                line->addWidget(new QLabel(in->unit, page));
            if (in->column == QLatin1String("Add_town")) {
                auto *zip = button(QStringLiteral("주소찾기"), QStringLiteral("ZipButton"), page);
                zip->setToolTip(QStringLiteral("동 이름으로 주소 찾기"));
                connect(zip, &QPushButton::clicked, this, &EntryWindow::zipClick);
                line->addWidget(zip);
            }
        }
        grid->addLayout(line, gridRow, gridCol + 1, 1, 2);
    }
    if (perColumn && rows.size() > perColumn) {
        grid->setColumnMinimumWidth(2, 6);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(4, 1);
    } else {
        grid->setColumnStretch(1, 1);
    }
    outer->addLayout(grid);

    if (owner || tenant) {
        auto *row = new QHBoxLayout;
        const QString who = owner ? QStringLiteral("Owner") : QStringLiteral("Tenant");
        auto *search = button(QStringLiteral("고객검색"), who + QStringLiteral("Search"), page);
        auto *reg = button(QStringLiteral("고객등록"), who + QStringLiteral("Register"), page);
        auto *init = button(QStringLiteral("초기정보"), who + QStringLiteral("Init"), page);
        connect(search, &QPushButton::clicked, this, [this, tenant] { custSearch(tenant); });
        connect(reg, &QPushButton::clicked, this, [this, tenant] { custRegister(tenant); });
        connect(init, &QPushButton::clicked, this, [this, tenant] { initInfo(tenant); });
        row->addWidget(search);
        row->addWidget(reg);
        row->addWidget(init);
        outer->addLayout(row);
    }
    outer->addStretch(1);
    return page;
}

void EntryWindow::buildLayout()
{
    auto *main = new QGridLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(5);

    // Inputs above the groups (lease type, kind).
    auto *top = new QHBoxLayout;
    bool hasTop = false;
    for (const InputSpec &in : m_spec.inputs) {
        if (in.group != QLatin1String("top"))
            continue;
        hasTop = true;
        QWidget *input = createInput(in, this);
        auto *label = new QLabel(in.caption, this);
        label->setBuddy(input);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Raised);
        m_labels.insert(in.column.toLower(), label);
        top->addWidget(label);
        top->addWidget(input);
        input->setMinimumWidth(110);
        top->addSpacing(12);
    }
    top->addStretch(1);
    if (hasTop)
        main->addLayout(top, 0, 0, 1, 2);

    auto block = [&](const QList<int> &groups, const QString &name) {
        auto *tabs = new QTabWidget(this);
        tabs->setObjectName(name);
        for (int g : groups) {
            QString caption = kGroupCaptions.at(g - 1);
            if (g == 2)
                caption = m_spec.group2Caption.isEmpty() ? QStringLiteral("2. 아파트정보") : m_spec.group2Caption;
            caption = m_spec.groupCaptions.value(QString::number(g), caption);
            tabs->addTab(buildGroup(QString::number(g), tabs), caption);
        }
        return tabs;
    };
    // Six tabbed blocks of groups, the attachments and the command column.
    const QList<QList<int>> blocks =
        m_spec.blocks.size() == 6 ? m_spec.blocks : QList<QList<int>>{{1}, {2}, {3}, {4, 5, 6}, {7, 8, 9}, {10, 11}};
    main->addWidget(block(blocks.at(0), QStringLiteral("Block1")), 1, 0);
    main->addWidget(block(blocks.at(1), QStringLiteral("Block2")), 2, 0);
    main->addWidget(block(blocks.at(2), QStringLiteral("Block3")), 1, 1);
    main->addWidget(block(blocks.at(3), QStringLiteral("Block4")), 2, 1);
    main->addWidget(block(blocks.at(4), QStringLiteral("Block5")), 3, 1);
    main->addWidget(block(blocks.at(5), QStringLiteral("Block6")), 3, 0);
    m_attachments = new AttachmentPanel(this);
    m_attachments->setFilters(m_spec.pictureFilter, m_spec.videoFilter, m_spec.pictureFilterAfterVideo);

    auto *side = new QVBoxLayout;
    m_navigator = new QWidget(this);
    m_navigator->setObjectName(QStringLiteral("mamul_nav"));
    auto *nav = new QHBoxLayout(m_navigator);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(1);
    const QList<QPair<QString, QString>> moves = {{QStringLiteral("|◀"), QStringLiteral("처음")},
                                                  {QStringLiteral("◀"), QStringLiteral("이전")},
                                                  {QStringLiteral("▶"), QStringLiteral("다음")},
                                                  {QStringLiteral("▶|"), QStringLiteral("마지막")}};
    const QStringList moveNames = {QStringLiteral("NavFirst"), QStringLiteral("NavPrior"), QStringLiteral("NavNext"),
                                   QStringLiteral("NavLast")};
    for (int i = 0; i < moves.size(); ++i) {
        auto *b = new QToolButton(m_navigator);
        b->setObjectName(moveNames.at(i));
        b->setText(moves.at(i).first);
        b->setToolTip(moves.at(i).second);
        b->setAccessibleName(moves.at(i).second);
        connect(b, &QToolButton::clicked, this, [this, i] { navigate(i); });
        nav->addWidget(b);
    }
    side->addWidget(m_navigator);
    auto *del = button(QStringLiteral("삭 제(&D)"), QStringLiteral("DeleteButton"), this);
    auto *save = button(QStringLiteral("저 장(&S)"), QStringLiteral("SaveButton"), this);
    auto *print = button(QStringLiteral("출 력(&P)"), QStringLiteral("PrintButton"), this);
    auto *info = button(QStringLiteral("정보지출력"), QStringLiteral("InfoPrintButton"), this);
    m_newSave = button(QStringLiteral("신규저장"), QStringLiteral("NewSaveButton"), this);
    auto *close = button(QStringLiteral("종 료(&X)"), QStringLiteral("CloseButton"), this);
    connect(del, &QPushButton::clicked, this, &EntryWindow::DeleteClick);
    connect(save, &QPushButton::clicked, this, &EntryWindow::SaveClick);
    connect(print, &QPushButton::clicked, this, &EntryWindow::PrintClick);
    connect(info, &QPushButton::clicked, this, &EntryWindow::InfoPrintClick);
    connect(m_newSave, &QPushButton::clicked, this, &EntryWindow::NewSaveClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *commands = new QGridLayout;
    commands->setSpacing(3);
    int at = 0;
    for (QPushButton *b : {save, m_newSave, print, info, del, close}) {
        b->setMinimumHeight(28);
        commands->addWidget(b, at / 2, at % 2);
        ++at;
    }
    side->addLayout(commands);
    if (m_spec.specUpload != QLatin1String("none")) {
        m_specUpload = new QCheckBox(QStringLiteral("특징사항 통신올리기"), this);
        m_specUpload->setObjectName(QStringLiteral("c3"));
        if (m_spec.specUpload == QLatin1String("store"))
            m_controls.insert(QStringLiteral("c3"), m_specUpload);
        side->addWidget(m_specUpload);
    }
    side->addWidget(m_attachments, 1);
    main->addLayout(side, hasTop ? 0 : 1, 2, hasTop ? 4 : 3, 1);
    main->setColumnStretch(0, 1);
    main->setColumnStretch(1, 1);
}
