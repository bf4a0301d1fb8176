#include "customers/customer_list.h"

#include "customers/customer_model.h"
#include "data/data_module.h"
#include "data/schema.h"
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
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace {

struct Pair {
    const char *text;
    const char *column;
};

// The search boxes in the order their conditions enter the statement.
const Pair kConditions[] = {
    {"h_name", "cname"},      {"h_addr", "caddr"}, {"h_office", "ccompany"},      {"h_phone", "cphone"},
    {"h_o_phone", "cophone"}, {"h_k", "cgwange"},  {"h_handphone", "chandphone"}, {"h_house", "cbld_type"},
};

// The extra field the selector filters on.
const Pair kExtraFields[] = {
    {"부서", "cbuseo"},
    {"직책", "cgikchek"},
    {"FAX", "cfax"},
    {"홈페이지", "chomepage"},
    {"이메일", "cemail"},
    {"주거형태", "cliving_type"},
    {"입주일", "cmove_into_date"},
    {"이사일", "cmove_out_date"},
    {"집주인", "oname"},
    {"주인전화", "ophone"},
    {"주인핸드폰", "ohandphone"},
    {"집주인이메일", "oemail"},
};

const Pair kSorts[] = {
    {"등록일", "num desc "},      {"이름", "cname"},
    {"관계", "cgwange"},          {"주소", "caddr"},
    {"회사", "ccompany"},         {"부서", "cbuseo"},
    {"직책", "cgikchek"},         {"건물/이름", "cbld_type"},
    {"주거형태", "cliving_type"}, {"집전화", "cphone"},
    {"핸드폰", "chandphone"},     {"홈페이지", "chomepage"},
    {"이사일", "cmove_out_date"}, {"입주일", "cmove_into_date"},
};

const QStringList kRelations = {QStringLiteral("고객"), QStringLiteral("가족"),   QStringLiteral("친척"),
                                QStringLiteral("친구"), QStringLiteral("관공서"), QStringLiteral("기타")};

const QString kAll = QStringLiteral("전체");
const QString kFirstSort = QStringLiteral("등록일");
const QString kFirstExtra = QStringLiteral("집주인");

QList<CustomerModel::Column> gridColumns()
{
    return {
        {QStringLiteral("Cname"), QStringLiteral("이름"), 70},
        {QStringLiteral("Cgwange"), QStringLiteral("관계"), 75},
        {QStringLiteral("Caddr"), QStringLiteral("주소"), 200},
        {QStringLiteral("Cphone"), QStringLiteral("전화"), 90},
        {QStringLiteral("Chandphone"), QStringLiteral("핸드폰"), 90},
        {QStringLiteral("Cophone"), QStringLiteral("회사전화"), 90},
        {QStringLiteral("Ccompany"), QStringLiteral("회사"), 80},
        {QStringLiteral("cbuseo"), QStringLiteral("부서"), 75},
        {QStringLiteral("oname"), QStringLiteral("집주인"), 80},
        {QStringLiteral("ophone"), QStringLiteral("주인전화"), 90},
        {QStringLiteral("cbld_type"), QStringLiteral("건물/이름"), 0},
        {QStringLiteral("cliving_type"), QStringLiteral("주거형태"), 60},
        {QStringLiteral("Cmove_out_date"), QStringLiteral("이사일"), 73},
        {QStringLiteral("Cmove_into_date"), QStringLiteral("입주일"), 85},
        {QStringLiteral("cgikchek"), QStringLiteral("직책"), 75},
        {QStringLiteral("cfax"), QStringLiteral("FAX"), 80},
        {QStringLiteral("cemail"), QStringLiteral("이메일"), 150},
        {QStringLiteral("chomepage"), QStringLiteral("홈페이지"), 150},
        {QStringLiteral("ohandphone"), QStringLiteral("주인핸드폰"), 100},
        {QStringLiteral("oemail"), QStringLiteral("집주인이메일"), 100},
    };
}

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

CustomerList::CustomerList(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfmCustlist"));
    setWindowTitle(QStringLiteral("고객관리"));
    buildLayout();
    // Restored (or without a window manager to maximise it) it still opens at a usable size.
    resize(1000, 640);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void CustomerList::buildLayout()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto *top = new QHBoxLayout(panel);
    top->setContentsMargins(4, 4, 4, 4);

    // The search boxes, two rows of four, created in statement order (which is also their tab order).
    auto *boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(3);
    const QList<QPair<QString, QString>> labelled = {
        {QStringLiteral("h_name"), QStringLiteral("이    름")},
        {QStringLiteral("h_addr"), QStringLiteral("주    소")},
        {QStringLiteral("h_office"), QStringLiteral("회    사")},
        {QStringLiteral("h_phone"), QStringLiteral("집 전 화")},
        {QStringLiteral("h_o_phone"), QStringLiteral("회사전화")},
        {QStringLiteral("h_k"), QStringLiteral("관    계")},
        {QStringLiteral("h_handphone"), QStringLiteral("핸 드 폰")},
        {QStringLiteral("h_house"), QStringLiteral("건물/이름")},
    };
    auto register_ = [this](QWidget *w, const QString &name) {
        w->setObjectName(name);
        keys::installNavigation(w);
        if (auto *c = qobject_cast<QComboBox *>(w))
            keys::installNavigation(c->lineEdit());
        m_controls.insert(name.toLower(), w);
    };
    for (int i = 0; i < labelled.size(); ++i) {
        const QString &name = labelled.at(i).first;
        QWidget *input = nullptr;
        if (name == QLatin1String("h_k")) {
            auto *relation = new QComboBox(panel);
            relation->setEditable(true);
            relation->setInsertPolicy(QComboBox::NoInsert);
            relation->addItems(QStringList{kAll} + kRelations + QStringList{QString()});
            relation->setEditText(kAll);
            input = relation;
        } else {
            input = new QLineEdit(panel);
            input->setMinimumWidth(110);
        }
        register_(input, name);
        auto *label = new QLabel(labelled.at(i).second, panel);
        label->setBuddy(input);
        const int row = i / 4, col = (i % 4) * 2;
        boxes->addWidget(label, row, col);
        if (name == QLatin1String("h_addr")) {
            auto *line = new QHBoxLayout;
            line->setSpacing(2);
            line->addWidget(input, 1);
            auto *zip = new QToolButton(panel);
            zip->setObjectName(QStringLiteral("ZipFind"));
            zip->setText(QStringLiteral("주소찾기(&Z)"));
            zip->setAccessibleName(QStringLiteral("주소찾기"));
            zip->setFocusPolicy(Qt::NoFocus);
            connect(zip, &QToolButton::clicked, this, &CustomerList::zipClick);
            line->addWidget(zip);
            boxes->addLayout(line, row, col + 1);
        } else {
            boxes->addWidget(input, row, col + 1);
        }
    }

    // The ordering row: the sort box, then the extra field and its value.
    auto *sortLabel = new QLabel(QStringLiteral("분류방법"), panel);
    m_sort = new QComboBox(panel);
    m_sort->setEditable(true);
    m_sort->setInsertPolicy(QComboBox::NoInsert);
    for (const Pair &p : kSorts)
        m_sort->addItem(QString::fromUtf8(p.text));
    m_sort->setEditText(kFirstSort);
    register_(m_sort, QStringLiteral("dbsort"));
    sortLabel->setBuddy(m_sort);
    auto *extraName = new QComboBox(panel);
    extraName->setEditable(true);
    extraName->setInsertPolicy(QComboBox::NoInsert);
    for (const Pair &p : kExtraFields)
        extraName->addItem(QString::fromUtf8(p.text));
    extraName->setEditText(kFirstExtra);
    register_(extraName, QStringLiteral("fd_name"));
    auto *extraLabel = new QLabel(QStringLiteral("검색항목"), panel);
    extraLabel->setBuddy(extraName);
    auto *extraValue = new QLineEdit(panel);
    extraValue->setMinimumWidth(110);
    register_(extraValue, QStringLiteral("fd_value"));
    auto *valueLabel = new QLabel(QStringLiteral("검색어"), panel);
    valueLabel->setBuddy(extraValue);
    boxes->addWidget(sortLabel, 2, 0);
    boxes->addWidget(m_sort, 2, 1);
    boxes->addWidget(extraLabel, 2, 2);
    boxes->addWidget(extraName, 2, 3);
    boxes->addWidget(valueLabel, 2, 4);
    boxes->addWidget(extraValue, 2, 5);
    for (int col = 1; col < 8; col += 2)
        boxes->setColumnStretch(col, 1);
    top->addLayout(boxes, 1);

    auto *find = new QToolButton(panel);
    find->setObjectName(QStringLiteral("sb_find"));
    find->setText(QStringLiteral("검색"));
    find->setToolTip(QStringLiteral("검색"));
    find->setAccessibleName(QStringLiteral("검색"));
    {
        QPixmap pix(28, 28);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x2f, 0x55, 0x97), 3));
        p.drawEllipse(QRectF(4, 4, 14, 14));
        p.drawLine(QPointF(16, 16), QPointF(25, 25));
        find->setIcon(QIcon(pix));
        find->setIconSize(QSize(28, 28));
    }
    find->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    connect(find, &QToolButton::clicked, this, &CustomerList::sb_findClick);
    top->addWidget(find, 0, Qt::AlignTop);

    QPushButton *add = button(QStringLiteral("등 록"), QStringLiteral("ApartA"), panel);
    QPushButton *edit = button(QStringLiteral("수 정"), QStringLiteral("ApartM"), panel);
    QPushButton *del = button(QStringLiteral("삭 제"), QStringLiteral("ApartD"), panel);
    QPushButton *print = button(QStringLiteral("출 력"), QStringLiteral("ApartP"), panel);
    QPushButton *exit = button(QStringLiteral("종 료"), QStringLiteral("ExitCont"), panel);
    // One bar under the search boxes: the commands, then the reset and relation buttons.
    auto *bar = new QHBoxLayout;
    bar->setSpacing(3);
    for (QPushButton *b : {add, edit, del, print, exit}) {
        b->setMinimumWidth(70);
        bar->addWidget(b);
    }
    bar->addSpacing(16);
    QPushButton *all = button(QStringLiteral("전체"), QStringLiteral("BitBtn7"), panel);
    QPushButton *every = button(QStringLiteral("모두"), QStringLiteral("BitBtn8"), panel);
    bar->addWidget(all);
    bar->addWidget(every);
    for (int i = 0; i < kRelations.size(); ++i) {
        QPushButton *b = button(kRelations.at(i), QStringLiteral("BitBtn%1").arg(i + 1), panel);
        const QString relation = kRelations.at(i);
        connect(b, &QPushButton::clicked, this, [this, relation] { relationClick(relation); });
        bar->addWidget(b);
    }
    bar->addStretch(1);
    connect(add, &QPushButton::clicked, this, &CustomerList::ApartAClick);
    connect(edit, &QPushButton::clicked, this, &CustomerList::ApartMClick);
    connect(del, &QPushButton::clicked, this, &CustomerList::ApartDClick);
    connect(print, &QPushButton::clicked, this, &CustomerList::ApartPClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(all, &QPushButton::clicked, this, &CustomerList::BitBtn7Click);
    connect(every, &QPushButton::clicked, this, &CustomerList::BitBtn7Click);
    connect(m_sort, &QComboBox::currentTextChanged, this, [this] {
        if (!m_filling)
            dbsortChange();
    });
    outer->addWidget(panel);
    outer->addLayout(bar);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setAccessibleName(QStringLiteral("고객관리"));
    m_model = new CustomerModel(&dataModule()->qry_cust, gridColumns(), this);
    m_grid->setModel(m_model);
    grids::setUpReadOnly(m_grid);
    for (int i = 0; i < m_model->columnCount(); ++i)
        if (m_model->column(i).width > 0)
            m_grid->setColumnWidth(i, m_model->column(i).width);
    // The grid's current row is the query's current row, which the customer window starts from.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [](const QModelIndex &current) {
        if (current.isValid())
            dataModule()->qry_cust.moveTo(current.row());
    });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &CustomerList::DBGrid1TitleClick);
    connect(m_grid, &QTableView::doubleClicked, this, [this] { ApartMClick(); });
    outer->addWidget(m_grid, 1);
}

// ---- state ----

QString CustomerList::textOf(const QString &name) const
{
    return inputs::text(control(name));
}

void CustomerList::setTextOf(const QString &name, const QString &text)
{
    inputs::setText(control(name), text);
}

int CustomerList::currentRow() const
{
    return m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : 0;
}

void CustomerList::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->selectRow(row);
    dataModule()->qry_cust.moveTo(row);
}

QString CustomerList::ordering(const QString &sortText)
{
    for (const Pair &p : kSorts)
        if (sortText == QString::fromUtf8(p.text))
            return QStringLiteral(" order by ") + QString::fromLatin1(p.column);
    // A column name (a title click puts one here) or a list of them, each optionally asc or desc.
    // Anything else would break the statement, so it falls back to the newest-first order.
    static const QRegularExpression item(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)(\\s+(asc|desc))?\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QStringList known = schema::columnNames(QStringLiteral("cust_table"));
    const QStringList parts = sortText.split(QLatin1Char(','));
    bool valid = !sortText.trimmed().isEmpty();
    for (const QString &part : parts) {
        const QRegularExpressionMatch m = item.match(part);
        if (!m.hasMatch() || !known.contains(m.captured(1), Qt::CaseInsensitive)) {
            valid = false;
            break;
        }
    }
    if (valid)
        return QStringLiteral(" order by ") + sortText;
    return QStringLiteral(" order by num desc ");
}

QString CustomerList::statement() const
{
    QString conditions;
    for (const Pair &p : kConditions) {
        const QString text = textOf(QString::fromLatin1(p.text));
        if (!text.isEmpty() && text != kAll)
            conditions += QStringLiteral(" and ") + QString::fromLatin1(p.column) + QStringLiteral(" like '%") +
                          Tdm::quoted(text) + QStringLiteral("%'\n");
    }
    const QString extraName = textOf(QStringLiteral("fd_name"));
    const QString extraValue = textOf(QStringLiteral("fd_value"));
    if (!extraName.isEmpty() && !extraValue.isEmpty())
        for (const Pair &p : kExtraFields)
            if (extraName == QString::fromUtf8(p.text))
                conditions += QStringLiteral(" and ") + QString::fromLatin1(p.column) + QStringLiteral("  like '%") +
                              Tdm::quoted(extraValue) + QStringLiteral("%'");
    if (!conditions.isEmpty())
        conditions = QStringLiteral(" where ") + conditions.mid(4);
    return QStringLiteral("select * from cust_table.db ") + conditions + ordering(m_sort->currentText());
}

// ---- searching ----

void CustomerList::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void CustomerList::FormShow()
{
    sb_findClick();
    QFont f = m_grid->font();
    f.setPointSize(15);
    m_grid->setFont(f);
    m_grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
}

void CustomerList::sb_findClick()
{
    SqlQuery &q = dataModule()->qry_cust;
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

void CustomerList::dbsortChange()
{
    sb_findClick();
}

void CustomerList::DBGrid1TitleClick(int column)
{
    if (column < 0 || column >= m_model->columnCount())
        return;
    m_filling = true;
    m_sort->setEditText(m_model->column(column).field);
    m_filling = false;
    sb_findClick();
}

void CustomerList::BitBtn7Click()
{
    m_filling = true;
    for (const char *name :
         {"h_name", "h_addr", "h_office", "h_phone", "h_o_phone", "h_handphone", "h_house", "fd_value"})
        setTextOf(QString::fromLatin1(name), QString());
    setTextOf(QStringLiteral("h_k"), kAll);
    setTextOf(QStringLiteral("fd_name"), kFirstExtra);
    m_sort->setEditText(kFirstSort);
    m_filling = false;
    sb_findClick();
}

void CustomerList::relationClick(const QString &relation)
{
    setTextOf(QStringLiteral("h_k"), relation);
    sb_findClick();
}

// Runs the last search again and stands on the customer numbered `locateNum` (first row when gone).
void CustomerList::reopen(const QString &locateNum)
{
    SqlQuery &q = dataModule()->qry_cust;
    q.close();
    try {
        q.open();
    } catch (...) {
        m_model->reload();
        throw;
    }
    m_model->reload();
    const int row = m_model->rowOfNum(locateNum);
    setCurrentRow(row < 0 ? 0 : row);
}

// ---- commands ----

void CustomerList::ApartAClick()
{
    std::unique_ptr<QDialog> window(windows::create(QStringLiteral("TfmCust"), this));
    if (!window)
        return;
    window->setProperty("Mode", QStringLiteral("Append"));
    seams::modal().run(window.get());
    reopen(QString());
}

void CustomerList::ApartMClick()
{
    // An empty list has no customer to edit.
    if (m_model->rowCount() == 0)
        return;
    std::unique_ptr<QDialog> window(windows::create(QStringLiteral("TfmCust"), this));
    if (!window)
        return;
    const int row = currentRow();
    dataModule()->qry_cust.moveTo(row);
    window->setProperty("Mode", QStringLiteral("Edit"));
    window->setProperty("CustNum", m_model->numAt(row));
    seams::modal().run(window.get());
    // The window's navigator moves the same query, so this is the customer it showed last.
    reopen(window->property("CustNum").toString());
}

void CustomerList::ApartDClick()
{
    if (m_model->rowCount() == 0)
        return;
    const QString num = m_model->numAt(currentRow());
    if (!seams::dialogs().ask(QStringLiteral("거래처 정보를 삭제 하시겠습니까?")))
        return;
    SqlQuery &q = dataModule()->tbl_cust;
    q.close();
    q.clearSql();
    q.clearParams();
    q.setSql(QStringLiteral("delete from \"cust_table.db\" where Num = :Num"));
    q.setInteger(QStringLiteral("Num"), num.toLongLong());
    q.execSql();
    sb_findClick();
}

void CustomerList::ApartPClick()
{
    const int row = currentRow();
    sheets::preview(QStringLiteral("TCustListPrtSrc"), this);
    // The sheet walks the query; the grid's row is the current one again afterwards.
    if (m_model->rowCount() > 0)
        dataModule()->qry_cust.moveTo(row);
}

void CustomerList::zipClick()
{
    std::unique_ptr<QDialog> zip(windows::create(QStringLiteral("TfmZip"), this));
    if (!zip || seams::modal().run(zip.get()) != QDialog::Accepted)
        return;
    const SqlQuery &q = dataModule()->qry_zip;
    if (!q.isOpen() || q.recNo() < 0)
        return;
    setTextOf(QStringLiteral("h_addr"), q.fieldByName(QStringLiteral("ADDR")).asString());
    control(QStringLiteral("h_addr"))->setFocus();
}
