#include "browse/list_window.h"

#include "browse/all_list_window.h"
#include "browse/list_statement.h"
#include "browse/listing_model.h"
#include "data/data_module.h"
#include "listings/entry_window.h"
#include "listings/kind_flags.h"
#include "ui/date_edit.h"
#include "ui/fonts.h"
#include "ui/input_text.h"
#include "ui/key_navigation.h"
#include "ui/read_only_grid.h"
#include "ui/seams.h"
#include "ui/sheet_registry.h"
#include "ui/window_registry.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace {

class TightGridStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_HeaderMargin)
            return 1;
        if (metric == PM_FocusFrameHMargin)
            return 0; // cell text keeps one pixel on each side
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

ListWindow::ListWindow(const ListWindowSpec &spec, QWidget *parent) : QDialog(parent), m_spec(spec)
{
    setObjectName(spec.name);
    setWindowTitle(spec.caption);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    buildLayout();
    resize(800, 600);
    setWindowState(windowState() | Qt::WindowMaximized);
}

// ---- layout ----

QComboBox *ListWindow::combo(const QString &name, const QStringList &items, const QString &initial, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setEditText(initial);
    c->setMinimumContentsLength(6);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    keys::installNavigation(c);
    m_controls.insert(name.toLower(), c);
    return c;
}

QLineEdit *ListWindow::edit(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMinimumWidth(50);
    if (m_spec.numericControls.contains(name) && !m_spec.freeKeyControls.contains(name))
        keys::installNumericFilter(e);
    else
        keys::installNavigation(e);
    m_controls.insert(name.toLower(), e);
    return e;
}

QLineEdit *ListWindow::dateEdit(const QString &name, QWidget *parent)
{
    auto *e = new DateEdit(parent);
    e->setObjectName(name);
    e->setMinimumWidth(90);
    m_controls.insert(name.toLower(), e);
    return e;
}

QWidget *ListWindow::buildFilter(const FilterSpec &f, QWidget *parent)
{
    auto *cell = new QWidget(parent);
    auto *row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    QLabel *label = nullptr;
    if (!f.label.isEmpty()) {
        label = new QLabel(f.label, cell);
        label->setStyleSheet(QStringLiteral("color: palette(highlight); font-weight: bold;"));
        row->addWidget(label);
    }
    QWidget *first = nullptr;
    const QString &t = f.type;
    if (t == QLatin1String("range") || t == QLatin1String("textRange")) {
        first = edit(f.control, cell);
        row->addWidget(first);
        row->addWidget(new QLabel(QStringLiteral("~"), cell));
        QLineEdit *second = edit(f.control2, cell);
        second->setAccessibleName(f.label + QStringLiteral(" 까지"));
        row->addWidget(second);
        if (!f.unit.isEmpty())
            row->addWidget(new QLabel(f.unit, cell));
    } else if (t == QLatin1String("dateRange")) {
        first = dateEdit(f.control, cell);
        row->addWidget(first);
        row->addWidget(new QLabel(QStringLiteral("~"), cell));
        QLineEdit *second = dateEdit(f.control2, cell);
        second->setAccessibleName(f.label + QStringLiteral(" 까지"));
        row->addWidget(second);
    } else if (t == QLatin1String("person")) {
        first = combo(f.control, catalogue::filterList(f.list),
                      f.initial.isEmpty() ? QStringLiteral("의뢰인성명") : f.initial, cell);
        row->addWidget(first);
        QLineEdit *value = edit(f.control2, cell);
        value->setAccessibleName(QStringLiteral("찾을 내용"));
        value->setMinimumWidth(90);
        row->addWidget(value);
    } else if (!f.list.isEmpty() || t == QLatin1String("city") || t == QLatin1String("district") ||
               t == QLatin1String("town") || t == QLatin1String("state") || t == QLatin1String("stateAlways")) {
        first = combo(f.control, catalogue::filterList(f.list), f.initial, cell);
        row->addWidget(first, 1);
    } else {
        first = edit(f.control, cell);
        if (!f.initial.isEmpty())
            static_cast<QLineEdit *>(first)->setText(f.initial);
        row->addWidget(first, 1);
    }
    if (label)
        label->setBuddy(first);
    return cell;
}

void ListWindow::buildLayout()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("FilterPanel"));
    auto *top = new QHBoxLayout(panel);
    top->setContentsMargins(0, 0, 0, 0);

    // The command block: six buttons, then the sort box.
    auto *commands = new QGridLayout;
    commands->setSpacing(3);
    auto button = [this](const QString &caption, const QString &name) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setFixedSize(77, 40);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        return b;
    };
    // The model's six buttons in two rows, unless the window places (and names) its own.
    static const QHash<QString, QString> known = {
        {QStringLiteral("ApartA"), QStringLiteral("등 록")},   {QStringLiteral("ApartM"), QStringLiteral("수 정")},
        {QStringLiteral("ApartP"), QStringLiteral("출 력")},   {QStringLiteral("ApartD"), QStringLiteral("삭 제")},
        {QStringLiteral("ExitCont"), QStringLiteral("종 료")}, {QStringLiteral("BitBtn1"), QStringLiteral("전 체")},
    };
    const QList<QStringList> rows =
        m_spec.commandRows.isEmpty()
            ? QList<QStringList>{{QStringLiteral("ApartA"), QStringLiteral("ApartM"), QStringLiteral("ApartP")},
                                 {QStringLiteral("ApartD"), QStringLiteral("ExitCont"), QStringLiteral("BitBtn1")}}
            : m_spec.commandRows;
    QHash<QString, QPushButton *> buttons;
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList &names = rows.at(r);
        for (int i = 0; i < names.size(); ++i) {
            const QString &name = names.at(i);
            QPushButton *b = button(m_spec.commandCaptions.value(name, known.value(name)), name);
            buttons.insert(name, b);
            if (names.size() == 1) {
                // A button alone on its row spans the block.
                b->setFixedWidth(77 * 3 + 6);
                commands->addWidget(b, r, 0, 1, 3);
            } else {
                commands->addWidget(b, r, i);
            }
        }
    }
    QPushButton *add = buttons.value(QStringLiteral("ApartA"));
    QPushButton *modify = buttons.value(QStringLiteral("ApartM"));
    QPushButton *print = buttons.value(QStringLiteral("ApartP"));
    QPushButton *del = buttons.value(QStringLiteral("ApartD"));
    QPushButton *exit = buttons.value(QStringLiteral("ExitCont"));
    QPushButton *all = buttons.value(QStringLiteral("BitBtn1"));
    auto *sortLabel = new QLabel(QStringLiteral("분류방법"), this);
    m_sort = new QComboBox(this);
    m_sort->setObjectName(QStringLiteral("dbsort"));
    m_sort->setEditable(true);
    m_sort->setInsertPolicy(QComboBox::NoInsert);
    m_sort->addItems(m_spec.sortItems);
    m_sort->setEditText(ListStatement::kNoSort);
    sortLabel->setBuddy(m_sort);
    auto *sortRow = new QHBoxLayout;
    sortRow->addWidget(sortLabel);
    sortRow->addWidget(m_sort, 1);
    commands->addLayout(sortRow, int(rows.size()), 0, 1, 3);
    top->addLayout(commands);
    if (add)
        connect(add, &QPushButton::clicked, this, &ListWindow::ApartAClick);
    if (modify)
        connect(modify, &QPushButton::clicked, this, &ListWindow::ApartMClick);
    if (print)
        connect(print, &QPushButton::clicked, this, &ListWindow::ApartPClick);
    if (del)
        connect(del, &QPushButton::clicked, this, &ListWindow::ApartDClick);
    if (exit)
        connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    if (all)
        connect(all, &QPushButton::clicked, this, &ListWindow::BitBtn1Click);
    connect(m_sort, &QComboBox::activated, this, [this] { dbsortChange(); });

    // The filters, in statement order; the three address boxes share one cell.
    auto *filters = new QGridLayout;
    filters->setHorizontalSpacing(10);
    filters->setVerticalSpacing(3);
    int at = 0;
    QHBoxLayout *address = nullptr;
    // A window that gives every filter its panel row is laid out by those rows.
    const bool byRows =
        std::all_of(m_spec.filters.begin(), m_spec.filters.end(), [](const FilterSpec &f) { return f.row > 0; });
    QHash<int, int> usedInRow;
    for (const FilterSpec &f : m_spec.filters) {
        if (f.type == QLatin1String("district") || f.type == QLatin1String("town")) {
            if (address) {
                QComboBox *c = combo(f.control, {}, f.initial, this);
                // These boxes stand beside the province box under its one label; name them for
                // screen readers.
                c->setAccessibleName(f.type == QLatin1String("district") ? QStringLiteral("시/군/구")
                                                                         : QStringLiteral("읍/면/동"));
                address->addWidget(c, 1);
                continue;
            }
        }
        QWidget *cell = buildFilter(f, this);
        if (byRows) {
            const bool wide = f.type == QLatin1String("city") || f.type == QLatin1String("person");
            int &column = usedInRow[f.row];
            filters->addWidget(cell, f.row - 1, column, 1, wide ? 2 : 1);
            column += wide ? 2 : 1;
            if (f.type == QLatin1String("city"))
                address = static_cast<QHBoxLayout *>(cell->layout());
            continue;
        }
        if (f.type == QLatin1String("city")) {
            address = static_cast<QHBoxLayout *>(cell->layout());
            filters->addWidget(cell, 0, 0, 1, 2);
            at = 2;
            continue;
        }
        const int perRow = 4;
        filters->addWidget(cell, at / perRow, at % perRow, 1, f.type == QLatin1String("person") ? 2 : 1);
        at += f.type == QLatin1String("person") ? 2 : 1;
    }
    auto *search = new QToolButton(this);
    search->setObjectName(QStringLiteral("SpeedButton1"));
    search->setToolTip(QStringLiteral("검색"));
    search->setAccessibleName(QStringLiteral("검색"));
    {
        QPixmap pix(28, 28);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x2f, 0x55, 0x97), 3));
        p.drawEllipse(QRectF(4, 4, 14, 14));
        p.drawLine(QPointF(16, 16), QPointF(25, 25));
        search->setIcon(QIcon(pix));
        search->setIconSize(QSize(28, 28));
    }
    search->setText(QStringLiteral("검색"));
    search->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    connect(search, &QToolButton::clicked, this, &ListWindow::SpeedButton1Click);
    top->addLayout(filters, 1);
    top->addWidget(search, 0, Qt::AlignTop);
    outer->addWidget(panel);

    if (auto *city = qobject_cast<QComboBox *>(control(QStringLiteral("Add_city"))))
        connect(city, &QComboBox::currentTextChanged, this, [this] {
            if (!m_filling)
                Add_cityChange();
        });
    if (auto *district = qobject_cast<QComboBox *>(control(QStringLiteral("Add_district"))))
        connect(district, &QComboBox::currentTextChanged, this, [this] {
            if (!m_filling)
                Add_districtChange();
        });

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new ListingModel(&dataModule()->qry_mamul, m_spec.columns, this);
    QHash<QString, QColor> stateColors;
    for (auto it = m_spec.stateColors.cbegin(); it != m_spec.stateColors.cend(); ++it)
        stateColors.insert(it.key(), QColor(it.value()));
    m_model->setStateColors(stateColors);
    m_grid->setModel(m_model);
    grids::setUpReadOnly(m_grid);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    // The column widths were drawn for a grid font with narrower digits than ours; the style's text
    // margins would cut off a unit number, a phone number or a short title, so they shrink to one
    // pixel. Titles stand on the left unless centred, so one that is still too long loses its end.
    auto *tight = new TightGridStyle;
    tight->setParent(m_grid);
    m_grid->setStyle(tight);
    m_grid->horizontalHeader()->setStyle(tight);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->setAccessibleName(m_spec.caption);
    for (int i = 0; i < m_spec.columns.size(); ++i)
        m_grid->setColumnWidth(i, m_spec.columns.at(i).width);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &ListWindow::DBGrid1TitleClick);
    connect(m_grid, &QTableView::doubleClicked, this, [this] { ApartMClick(); });
    outer->addWidget(m_grid, 1);
}

// ---- state ----

QString ListWindow::textOf(const QString &name) const
{
    return inputs::text(control(name));
}

void ListWindow::setTextOf(const QString &name, const QString &text)
{
    inputs::setText(control(name), text);
}

static ListSettings settingsOf(const Tdm *dm)
{
    ListSettings s;
    s.listColumns = dm->ListColumns.isEmpty() ? Tdm::listColumnPieces().join(QString()) : dm->ListColumns;
    s.activeStatesOnly = dm->ActiveStatesOnly != QLatin1String("NO");
    s.sortByInputOrder = dm->SortByInputOrder != QLatin1String("NO");
    return s;
}

QString ListWindow::statement() const
{
    return ListStatement::build(
        m_spec, [this](const QString &c) { return textOf(c); }, settingsOf(dataModule()), m_sort->currentText());
}

int ListWindow::currentRow() const
{
    return m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : 0;
}

void ListWindow::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->selectRow(row);
}

qint64 ListWindow::currentIdSeq() const
{
    if (m_model->rowCount() == 0)
        return 0;
    return m_model->idSeqAt(currentRow());
}

void ListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void ListWindow::FormShow()
{
    Tdm *dm = dataModule();
    if (auto *city = qobject_cast<QComboBox *>(control(QStringLiteral("Add_city")))) {
        m_filling = true;
        const QString text = city->currentText();
        city->clear();
        dm->FillCityList(city);
        city->setEditText(text);
        m_filling = false;
    }
    for (QWidget *w : findChildren<QWidget *>())
        dm->ApplyFonts(w);
    SpeedButton1Click();
    // Titles and cells in "굴림" 13 pixels, whatever the office's fonts.
    QFont f = fonts::font(QStringLiteral("굴림"), 10);
    f.setPixelSize(13);
    m_grid->setFont(f);
}

// ---- commands ----

void ListWindow::SpeedButton1Click()
{
    SqlQuery &q = dataModule()->qry_mamul;
    q.close();
    q.setSql(statement());
    try {
        q.open();
    } catch (...) {
        q.close();
        m_model->reload();
        throw;
    }
    m_model->reload();
    setCurrentRow(0);
}

void ListWindow::reopen(qint64 locateId)
{
    SqlQuery &q = dataModule()->qry_mamul;
    q.close();
    q.open();
    m_model->reload();
    const int row = locateId > 0 ? m_model->rowOf(locateId) : 0;
    setCurrentRow(row < 0 ? 0 : row);
}

void ListWindow::dbsortChange()
{
    if (m_spec.sortBoxResetsAddress)
        Add_cityChange();
    SpeedButton1Click();
}

void ListWindow::DBGrid1TitleClick(int column)
{
    if (column < 0 || column >= m_spec.columns.size())
        return;
    m_sort->setEditText(ListStatement::titleClickText(m_spec.columns.at(column).field));
    SpeedButton1Click();
}

void ListWindow::BitBtn1Click()
{
    m_filling = true;
    for (const FilterSpec &f : m_spec.filters) {
        if (f.keepOnReset)
            continue;
        if (f.type == QLatin1String("city"))
            setTextOf(f.control, QStringLiteral("전체시도"));
        else if (f.type == QLatin1String("district"))
            setTextOf(f.control, QStringLiteral("전체구시군"));
        else if (f.type == QLatin1String("town"))
            setTextOf(f.control, QStringLiteral("전체읍면동"));
        else if (f.type == QLatin1String("state") || f.type == QLatin1String("stateAlways"))
            setTextOf(f.control, QStringLiteral("전체"));
        else if (f.type == QLatin1String("person")) {
            setTextOf(f.control, QStringLiteral("의뢰인성명"));
            setTextOf(f.control2, QString());
        } else {
            // Combos go back to their first text ("전체"), edits are emptied.
            setTextOf(f.control, qobject_cast<QComboBox *>(control(f.control)) ? f.initial : QString());
            if (!f.control2.isEmpty())
                setTextOf(f.control2, QString());
        }
    }
    m_filling = false;
    SpeedButton1Click();
}

void ListWindow::Add_cityChange()
{
    Tdm *dm = dataModule();
    auto *district = qobject_cast<QComboBox *>(control(QStringLiteral("Add_district")));
    auto *town = qobject_cast<QComboBox *>(control(QStringLiteral("Add_town")));
    if (!district || !town)
        return;
    m_filling = true;
    dm->FillDistrictList(textOf(QStringLiteral("Add_city")), district);
    dm->FillTownList(textOf(QStringLiteral("Add_city")), district->currentText(), town);
    district->setEditText(QStringLiteral("전체구시군"));
    town->setEditText(QStringLiteral("전체읍면동"));
    m_filling = false;
}

void ListWindow::Add_districtChange()
{
    auto *town = qobject_cast<QComboBox *>(control(QStringLiteral("Add_town")));
    if (!town)
        return;
    m_filling = true;
    dataModule()->FillTownList(textOf(QStringLiteral("Add_city")), textOf(QStringLiteral("Add_district")), town);
    town->setEditText(QStringLiteral("전체읍면동"));
    m_filling = false;
}

QString ListWindow::entryWindowName(bool append)
{
    Q_UNUSED(append);
    return m_spec.entryWindow;
}

void ListWindow::openEntry(bool append)
{
    dataModule()->SavedFlag = QStringLiteral("NO");
    const QString name = entryWindowName(append);
    if (name.isEmpty())
        return;
    runEntry(name, append, !m_spec.usesSavedFlag);
}

void ListWindow::runEntry(const QString &name, bool append, bool alwaysReopen)
{
    Tdm *dm = dataModule();
    std::unique_ptr<QDialog> window(windows::create(name, this));
    auto *entry = qobject_cast<EntryWindow *>(window.get());
    if (!entry)
        return;
    const int row = currentRow();
    if (m_model->rowCount() > 0)
        dm->qry_mamul.moveTo(row); // the entry window's navigator starts from this row
    if (append) {
        entry->Mode = QStringLiteral("Append");
        if (m_spec.appendSetsIdSeq)
            entry->IdSeq = currentIdSeq();
    } else {
        entry->Mode = QStringLiteral("Edit");
        entry->IdSeq = currentIdSeq();
    }
    prepareEntry(entry, append);
    seams::modal().run(entry);
    const bool saved = dm->SavedFlag != QLatin1String("NO");
    if (saved || alwaysReopen)
        reopen(append ? 0 : entry->IdSeq);
    else
        setCurrentRow(row);
}

void ListWindow::ApartAClick()
{
    openEntry(true);
}

void ListWindow::ApartMClick()
{
    if (m_model->rowCount() == 0)
        return;
    openEntry(false);
}

void ListWindow::ApartDClick()
{
    if (!seams::dialogs().ask(QStringLiteral("매물 정보를 삭제 하시겠습니까?")))
        return;
    dataModule()->DeleteListing(currentIdSeq());
    const int row = currentRow();
    reopen(0);
    setCurrentRow(qMin(row, m_model->rowCount() - 1));
}

void ListWindow::ApartPClick()
{
    KindFlags &flags = kindFlags(m_spec.name);
    flags.ShowSecret = QStringLiteral("N");
    flags.ShowSecret = seams::dialogs().ask(QStringLiteral("비밀정보(성명/연락처)를 출력하시겠습니까?"))
                           ? QStringLiteral("Y")
                           : QStringLiteral("N");
    if (m_model->rowCount() > 0)
        dataModule()->qry_mamul.first();
    sheets::preview(m_spec.listPrint, this);
}

void registerListWindows()
{
    registerAllListWindows();
    for (const ListWindowSpec &spec : catalogue::listWindows()) {
        const QString name = spec.name;
        windows::registerWindow(name, [name](QWidget *parent) -> QDialog * {
            const ListWindowSpec *s = catalogue::listWindow(name);
            return s ? new ListWindow(*s, parent) : nullptr;
        });
    }
}
