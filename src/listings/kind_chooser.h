#pragma once
// The kind chooser `TfmALLkind` ("물건종류 구분"): asks for the kind and deal of a new listing before
// the list of every kind opens the matching entry window. Its answer goes into the data module's
// `OtherKindChoice` and `OtherDealChoice`, both empty when the user cancels.

#include <QDialog>
#include <QStringList>

class QComboBox;

class KindChooser : public QDialog {
    Q_OBJECT
public:
    explicit KindChooser(QWidget *parent = nullptr);

    QComboBox *kindBox() const { return m_kind; }
    QComboBox *dealBox() const { return m_deal; }

    void obj_kChange(); // refills the deals for the kind
    void OkClick();
    void CancelClick();
    // Closing the chooser any other way (Esc, the title bar) is a cancel too.
    void reject() override;

private:
    QComboBox *m_kind = nullptr;
    QComboBox *m_deal = nullptr;
    QStringList m_dealItems; // the deal items as designed, kept for refilling
};
