#pragma once
// The address lookup: the rows of the postal directory whose 동 is exactly the typed name, one of
// which the user picks. The pick stays the current row of the data module's qry_zip, where each
// caller reads the columns it needs after an accepted close.

#include <QDialog>

class QLineEdit;
class QTableView;
class ZipRowsModel;

class AddressLookup : public QDialog {
    Q_OBJECT
public:
    explicit AddressLookup(QWidget *parent = nullptr);

    void searchClick(); // "조회(&F)" and Enter in the 동 name
    // "확인(&O)", a double click and Enter in the grid. Without a row to hand over (nothing searched
    // yet in this run, or a search without a match) the window closes as cancelled, so no caller
    // empties its address.
    void okClick();

    QLineEdit *umd() const { return m_umd; }
    QTableView *grid() const { return m_grid; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRows();

    QLineEdit *m_umd = nullptr;
    QTableView *m_grid = nullptr;
    ZipRowsModel *m_model = nullptr;
};

// Registers the window under its name, "TfmZip".
void registerAddressLookup();
