#include "customers/find_customer_list.h"

#include "customers/customer_model.h"
#include "data/data_module.h"
#include "ui/read_only_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>

FindCustomerList::FindCustomerList(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TfmFindCustlist"));
    setWindowTitle(QStringLiteral("고객검색결과"));
    resize(640, 570);
    if (Tdm *dm = dataModule())
        FindName = dm->CustSearchName;

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setAccessibleName(QStringLiteral("고객검색결과"));
    m_model = new CustomerModel(&dataModule()->qry_cust,
                                {
                                    {QStringLiteral("Cname"), QStringLiteral("이름"), 70},
                                    {QStringLiteral("Cgwange"), QStringLiteral("관계"), 75},
                                    {QStringLiteral("Caddr"), QStringLiteral("주소"), 204},
                                    {QStringLiteral("Cphone"), QStringLiteral("전화"), 80},
                                    {QStringLiteral("Chandphone"), QStringLiteral("핸드폰"), 80},
                                    {QStringLiteral("Cophone"), QStringLiteral("회사전화"), 80},
                                },
                                this);
    m_grid->setModel(m_model);
    grids::setUpReadOnly(m_grid);
    for (int i = 0; i < m_model->columnCount(); ++i)
        m_grid->setColumnWidth(i, m_model->column(i).width);
    connect(m_grid, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { DBGrid1DblClick(index.row()); });
    // Keyboard users pick with Enter what the mouse picks with a double click.
    m_grid->installEventFilter(this);
    outer->addWidget(m_grid);
}

FindCustomerList::~FindCustomerList()
{
    if (Tdm *dm = dataModule())
        dm->CustSearchName.clear();
}

void FindCustomerList::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void FindCustomerList::FormShow()
{
    SqlQuery &q = dataModule()->qry_cust;
    q.close();
    if (FindName.isEmpty() || FindName == QStringLiteral("전체"))
        q.setSql(QStringLiteral("select * from cust_table.db "));
    else
        q.setSql(QStringLiteral("select * from cust_table.db  where  cname like '%") + Tdm::quoted(FindName) +
                 QStringLiteral("%'"));
    try {
        q.open();
    } catch (...) {
        m_model->reload();
        throw;
    }
    m_model->reload();
    if (m_model->rowCount() > 0) {
        m_grid->setCurrentIndex(m_model->index(0, 0));
        m_grid->selectRow(0);
    }
    m_grid->setFocus();
}

void FindCustomerList::DBGrid1DblClick(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    Tdm *dm = dataModule();
    dm->PickedCustNum = m_model->numAt(row);
    if (!dm->PickedCustNum.isEmpty()) {
        dm->PickedCustName = m_model->value(row, QStringLiteral("Cname"));
        dm->PickedCustPhone = m_model->value(row, QStringLiteral("Cphone"));
        dm->PickedCustOfficePhone = m_model->value(row, QStringLiteral("Cophone"));
        dm->PickedCustMobile = m_model->value(row, QStringLiteral("Chandphone"));
    }
    accept();
}

bool FindCustomerList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_grid->currentIndex().isValid()) {
            DBGrid1DblClick(m_grid->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
