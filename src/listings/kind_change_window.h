#pragma once
// The kind change window `TfmALL` ("모든 물건 관리 프로그램..."): edits one listing of any kind, its
// kind and deal type included, which the windows of each kind cannot change. It is an entry window
// with a layout of its own (built here, not in the catalogue) that writes the listing with an update
// statement of its own; owner and tenant blocks, masking, attachments and printing are the entry
// window's.

#include "listings/entry_window.h"

class KindChangeWindow : public EntryWindow {
    Q_OBJECT
public:
    explicit KindChangeWindow(QWidget *parent = nullptr);

    static const EntryWindowSpec &windowSpec();
    // The statement the save runs, and the columns it writes (in its order, `Id_seq` last).
    static const QString &updateStatement();
    static const QStringList &updatedColumns();

protected:
    void loadRecord(const mamulRecord &rec) override;
    void completeRecord(mamulRecord &rec, bool append) override;
    void writeUpdate(const mamulRecord &rec) override;
    QString infoSheet() const override;
};
