#pragma once
// The pick list of the customer lookup by name: the customers whose name contains the typed name; a
// double click hands the chosen one to the data module's picked-customer fields and closes.

#include <QDialog>
#include <QString>

class CustomerModel;
class QTableView;

class FindCustomerList : public QDialog {
    Q_OBJECT
public:
    explicit FindCustomerList(QWidget *parent = nullptr);
    // The lookup's name is forgotten with the list.
    ~FindCustomerList() override;

    // The name to look for; the lookup leaves it in the data module's CustSearchName.
    QString FindName;

    void FormShow();
    void DBGrid1DblClick(int row);

    QTableView *grid() const { return m_grid; }
    CustomerModel *model() const { return m_model; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableView *m_grid = nullptr;
    CustomerModel *m_model = nullptr;
    bool m_shownOnce = false;
};
