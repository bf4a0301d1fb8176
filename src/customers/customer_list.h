#pragma once
// The office's customer book: search boxes, an extra-field filter, a sort box and a read-only grid over
// the shared customer query, with the commands that register, edit, delete and print customers.

#include <QDialog>
#include <QHash>

class CustomerModel;
class QComboBox;
class QTableView;

class CustomerList : public QDialog {
    Q_OBJECT
public:
    explicit CustomerList(QWidget *parent = nullptr);

    void FormShow();
    void sb_findClick(); // search with the controls as they are
    void dbsortChange();
    void DBGrid1TitleClick(int column);
    void BitBtn7Click(); // "전체" (and "모두"): every control back to its start, then search
    void relationClick(const QString &relation);
    void ApartAClick(); // register
    void ApartMClick(); // edit the current row
    void ApartDClick(); // delete the current row
    void ApartPClick(); // print the rows listed
    void zipClick();

    // The statement a search runs.
    QString statement() const;
    // " order by ..." for a sort box text; a text that is not a list of this table's columns gives
    // the newest-first order.
    static QString ordering(const QString &sortText);

    QWidget *control(const QString &name) const { return m_controls.value(name.toLower()); }
    QString textOf(const QString &name) const;
    void setTextOf(const QString &name, const QString &text);
    QTableView *grid() const { return m_grid; }
    CustomerModel *model() const { return m_model; }
    int currentRow() const;
    void setCurrentRow(int row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void reopen(const QString &locateNum);

    QHash<QString, QWidget *> m_controls; // by name, lower case
    QComboBox *m_sort = nullptr;
    QTableView *m_grid = nullptr;
    CustomerModel *m_model = nullptr;
    bool m_filling = false;
    bool m_shownOnce = false;
};
