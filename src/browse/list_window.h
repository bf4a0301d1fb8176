#pragma once
// A listing list window: a filter panel, a sort box and a read-only grid over the shared list query,
// shaped by its catalogue entry. It opens the kind's entry window to add, change and delete listings.

#include "catalogue/list_catalogue.h"

#include <QDialog>
#include <QHash>

class ListingModel;
class QComboBox;
class QLineEdit;
class QTableView;
class QLabel;

class ListWindow : public QDialog {
    Q_OBJECT
public:
    explicit ListWindow(const ListWindowSpec &spec, QWidget *parent = nullptr);

    const ListWindowSpec &spec() const { return m_spec; }

    void FormShow();
    void SpeedButton1Click(); // search
    void dbsortChange();
    void DBGrid1TitleClick(int column);
    void BitBtn1Click(); // all
    void Add_cityChange();
    void Add_districtChange();
    void ApartAClick(); // new
    void ApartMClick(); // edit
    void ApartDClick(); // delete
    void ApartPClick(); // print

    QWidget *control(const QString &name) const { return m_controls.value(name.toLower()); }
    QString textOf(const QString &control) const;
    void setTextOf(const QString &control, const QString &text);
    QString statement() const;
    QTableView *grid() const { return m_grid; }
    ListingModel *model() const { return m_model; }
    int currentRow() const;
    void setCurrentRow(int row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    QWidget *buildFilter(const FilterSpec &f, QWidget *parent);
    QComboBox *combo(const QString &name, const QStringList &items, const QString &initial, QWidget *parent);
    QLineEdit *edit(const QString &name, QWidget *parent);
    void reopen(qint64 locateId);
    void openEntry(bool append);
    qint64 currentIdSeq() const;

    const ListWindowSpec &m_spec;
    QHash<QString, QWidget *> m_controls; // by name, lower case
    QComboBox *m_sort = nullptr;
    QTableView *m_grid = nullptr;
    ListingModel *m_model = nullptr;
    bool m_filling = false;
    bool m_shownOnce = false;
};

void registerListWindows();
