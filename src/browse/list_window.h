#pragma once
// A listing list window: a filter panel, a sort box and a read-only grid over the shared list query,
// shaped by its catalogue entry. It opens the kind's entry window to add, change and delete listings.

#include "catalogue/list_catalogue.h"

#include <QDialog>
#include <QHash>

class EntryWindow;
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

    // The entry window "등 록" (append) or "수 정" opens; empty opens nothing. Runs after the saved
    // flag was set to "NO", and may ask the user first.
    virtual QString entryWindowName(bool append);
    // Last preparations of the entry window before it is shown.
    virtual void prepareEntry(EntryWindow *, bool) {}
    // Opens an entry window by the entry-window protocol; with `alwaysReopen` the list re-opens
    // whether or not the window saved anything.
    void runEntry(const QString &name, bool append, bool alwaysReopen);
    void reopen(qint64 locateId);
    qint64 currentIdSeq() const;

private:
    void buildLayout();
    QWidget *buildFilter(const FilterSpec &f, QWidget *parent);
    QComboBox *combo(const QString &name, const QStringList &items, const QString &initial, QWidget *parent);
    QLineEdit *edit(const QString &name, QWidget *parent);
    QLineEdit *dateEdit(const QString &name, QWidget *parent);
    void openEntry(bool append);

    const ListWindowSpec &m_spec;
    QHash<QString, QWidget *> m_controls; // by name, lower case
    QComboBox *m_sort = nullptr;
    QTableView *m_grid = nullptr;
    ListingModel *m_model = nullptr;
    bool m_filling = false;
    bool m_shownOnce = false;
};

void registerListWindows();
