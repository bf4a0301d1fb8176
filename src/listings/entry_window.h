#pragma once
// A listing entry window: one class for the sale and lease windows of every kind, shaped by its
// catalogue entry. It reads one listing into plain controls, and on saving builds a listing record
// from them and hands it to the data module.

#include "catalogue/entry_catalogue.h"
#include "data/listing_record.h"

#include <QDialog>
#include <QHash>

class AttachmentPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

class EntryWindow : public QDialog {
    Q_OBJECT
public:
    explicit EntryWindow(const EntryWindowSpec &spec, QWidget *parent = nullptr);

    // The entry-window protocol.
    QString Mode = QStringLiteral("Append");
    qint64 IdSeq = 0;
    qint64 NewIdSeq = 0;
    mamulRecord LoadedRecord;
    QString OwnerAddressText;
    // Values the opener gives a new listing, set after the window's own ones in "Append" mode
    // (the kind picked in the kind chooser, for instance).
    QHash<QString, QString> AppendValues;

    const EntryWindowSpec &spec() const { return m_spec; }
    QString PicFile(int slot) const;

    // Shows the window's data for its mode (also after every navigator move).
    void FormShow();
    // The commands.
    void SaveClick();
    void NewSaveClick();
    void DeleteClick();
    void PrintClick();
    void InfoPrintClick();
    void navigate(int where); // 0 first, 1 prior, 2 next, 3 last
    void custSearch(bool tenant);
    void custRegister(bool tenant);
    void initInfo(bool tenant);
    void sameAsOwner();
    void zipClick();
    void setHidden(bool hidden);

    // The control that edits a column (nullptr when the window has none).
    QWidget *control(const QString &column) const;
    QString textOf(const QString &column) const;
    void setTextOf(const QString &column, const QString &text);
    AttachmentPanel *attachments() const { return m_attachments; }

protected:
    void showEvent(QShowEvent *event) override;

    // What a window that is not one of the catalogue's does its own way (the kind change window).
    // Copies a read listing into the controls.
    virtual void loadRecord(const mamulRecord &rec);
    // Last word on the record the save routine writes, once every column has its value and before
    // the attachment paths are named.
    virtual void completeRecord(mamulRecord &, bool) {}
    // Writes the record of the update path.
    virtual void writeUpdate(const mamulRecord &rec);
    virtual QString infoSheet() const { return m_spec.infoSheet; }
    QString today() const;

private:
    void buildLayout();
    QWidget *createInput(const InputSpec &in, QWidget *parent);
    QWidget *buildGroup(const QString &group, QWidget *parent);
    void onCityChanged();
    void onDistrictChanged();
    void clearInputs();
    // The save routine; false when a check stopped it (nothing written).
    bool saveRoutine();
    bool runChecks();
    mamulRecord buildRecord();
    QString kindFlagName() const { return m_spec.name; }

    const EntryWindowSpec &m_spec;
    QHash<QString, QWidget *> m_controls; // by column, lower case
    QHash<QString, QLabel *> m_labels;
    AttachmentPanel *m_attachments = nullptr;
    QCheckBox *m_visibleRequest = nullptr;
    QCheckBox *m_specUpload = nullptr;
    QWidget *m_navigator = nullptr;
    QPushButton *m_newSave = nullptr;
    bool m_filling = false;
    bool m_shownOnce = false;
};

// Registers the 33 entry windows under their names, and the picture viewer.
void registerListingWindows();
