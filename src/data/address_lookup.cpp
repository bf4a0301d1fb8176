#include "data/address_lookup.h"

#include "data/data_module.h"
#include "ui/fonts.h"
#include "ui/read_only_grid.h"
#include "ui/window_registry.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

// The postal code and address of every row of qry_zip, read when the query is (re)opened. Reading
// puts the query back on its current row: that row is the pick.
class ZipRowsModel : public QAbstractTableModel {
public:
    explicit ZipRowsModel(SqlQuery *query, QObject *parent) : QAbstractTableModel(parent), m_query(query) {}

    void reload()
    {
        beginResetModel();
        m_rows.clear();
        if (m_query->isOpen()) {
            const int zip = m_query->fieldIndex(QStringLiteral("ZIPCODE"));
            const int addr = m_query->fieldIndex(QStringLiteral("ADDR"));
            const int at = m_query->recNo();
            for (int row = 0; m_query->moveTo(row); ++row)
                m_rows.append({SqlField(m_query->value(zip)).asString(), SqlField(m_query->value(addr)).asString()});
            if (at >= 0)
                m_query->moveTo(at);
            else
                m_query->first();
        }
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return QVariant();
        return index.column() == 0 ? m_rows.at(index.row()).first : m_rows.at(index.row()).second;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        if (orientation == Qt::Vertical)
            return QString();
        return section == 0 ? QStringLiteral("우편번호") : QStringLiteral("주소");
    }

private:
    SqlQuery *m_query;
    QList<QPair<QString, QString>> m_rows;
};

namespace {

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    // Enter belongs to the 동 name (search) and to the grid (pick), never to a default button.
    b->setAutoDefault(false);
    return b;
}

} // namespace

AddressLookup::AddressLookup(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TfmZip"));
    setWindowTitle(QStringLiteral("주소조회"));
    QFont f = fonts::font(QStringLiteral("굴림체"), 10);
    f.setPixelSize(13);
    setFont(f);
    resize(415, 260);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    auto *top = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("동  명"), this);
    m_umd = new QLineEdit(this);
    m_umd->setObjectName(QStringLiteral("umd"));
    label->setBuddy(m_umd);
    QPushButton *search = button(QStringLiteral("조회(&F)"), QStringLiteral("SearchBtn"), this);
    top->addWidget(label);
    top->addWidget(m_umd, 1);
    top->addWidget(search);
    outer->addLayout(top);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setAccessibleName(QStringLiteral("주소조회"));
    m_model = new ZipRowsModel(&dataModule()->qry_zip, this);
    m_grid->setModel(m_model);
    grids::setUpReadOnly(m_grid);
    m_grid->setColumnWidth(1, 300);
    m_grid->installEventFilter(this);
    outer->addWidget(m_grid, 1);
    // The grid's current row is the query's: the pick.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [](const QModelIndex &current) {
        if (current.isValid())
            dataModule()->qry_zip.moveTo(current.row());
    });
    connect(m_grid, &QTableView::doubleClicked, this, &AddressLookup::okClick);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    QPushButton *ok = button(QStringLiteral("확인(&O)"), QStringLiteral("OKBtn"), this);
    QPushButton *cancel = button(QStringLiteral("취소(&C)"), QStringLiteral("CancelBtn"), this);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    outer->addLayout(bottom);

    connect(search, &QPushButton::clicked, this, &AddressLookup::searchClick);
    connect(m_umd, &QLineEdit::returnPressed, this, &AddressLookup::searchClick);
    connect(ok, &QPushButton::clicked, this, &AddressLookup::okClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The directory query outlives the window: the previous result (and pick) shows until a new search.
    showRows();
}

void AddressLookup::showRows()
{
    m_model->reload();
    const SqlQuery &q = dataModule()->qry_zip;
    const int row = q.isOpen() ? q.recNo() : -1;
    if (row >= 0 && row < m_model->rowCount()) {
        m_grid->setCurrentIndex(m_model->index(row, 0));
        m_grid->selectRow(row);
    }
}

void AddressLookup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_umd->setFocus();
}

void AddressLookup::searchClick()
{
    SqlQuery &q = dataModule()->qry_zip;
    q.close();
    q.setText(QStringLiteral("P_DONG"), m_umd->text());
    try {
        q.open();
    } catch (...) {
        m_model->reload();
        throw;
    }
    showRows();
    m_grid->setFocus();
}

void AddressLookup::okClick()
{
    const SqlQuery &q = dataModule()->qry_zip;
    if (!q.isOpen() || q.recNo() < 0) {
        reject();
        return;
    }
    accept();
}

bool AddressLookup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            okClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void registerAddressLookup()
{
    windows::registerWindow(QStringLiteral("TfmZip"),
                            [](QWidget *parent) -> QDialog * { return new AddressLookup(parent); });
}
