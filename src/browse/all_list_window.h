#pragma once
// The list of every kind and deal (`TfmALLList`): a list window whose filter panel covers the fields
// of all kinds. It opens each row in the entry window of the row's own kind and deal, a new listing
// in the window of the kind and deal picked in the kind chooser, and the current row in the kind
// change window.

#include "browse/list_window.h"

class AllListWindow : public ListWindow {
    Q_OBJECT
public:
    explicit AllListWindow(const ListWindowSpec &spec, QWidget *parent = nullptr);

    void BitBtn2Click(); // change the listing's kind

    // The entry window of a kind (`Obj_kind`) and deal (`Obj_kubun1`) by the list's table: kinds
    // the table does not name open the other-kind windows; empty for a deal no window takes.
    static QString entryWindowFor(const ListWindowSpec &spec, const QString &kind, const QString &deal);

protected:
    QString entryWindowName(bool append) override;
    void prepareEntry(EntryWindow *entry, bool append) override;

private:
    // The kind and deal of the row or choice being opened.
    QString m_kind, m_deal;
};

// Registers the list of every kind under its name.
void registerAllListWindows();
