#include "browse/all_list_window.h"

#include "browse/listing_model.h"
#include "data/data_module.h"
#include "listings/entry_window.h"
#include "ui/seams.h"
#include "ui/window_registry.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <memory>

AllListWindow::AllListWindow(const ListWindowSpec &spec, QWidget *parent) : ListWindow(spec, parent)
{
    if (auto *change = findChild<QPushButton *>(QStringLiteral("BitBtn2")))
        connect(change, &QPushButton::clicked, this, &AllListWindow::BitBtn2Click);
}

QString AllListWindow::entryWindowFor(const ListWindowSpec &spec, const QString &kind, const QString &deal)
{
    auto it = spec.entryByKind.constFind(kind);
    if (it == spec.entryByKind.constEnd())
        it = spec.entryByKind.constFind(QStringLiteral("*"));
    if (it == spec.entryByKind.constEnd())
        return QString();
    return it->value(deal, it->value(QStringLiteral("*")));
}

QString AllListWindow::entryWindowName(bool append)
{
    Tdm *dm = dataModule();
    if (!append) {
        if (model()->rowCount() == 0 || !dm->qry_mamul.moveTo(currentRow()))
            return QString();
        m_kind = dm->qry_mamul.fieldByName(QStringLiteral("Obj_kind")).asString();
        m_deal = dm->qry_mamul.fieldByName(QStringLiteral("Obj_kubun1")).asString();
        return entryWindowFor(spec(), m_kind, m_deal);
    }
    // A new listing: its kind and deal come from the kind chooser, which empties both on cancel.
    std::unique_ptr<QDialog> chooser(windows::create(spec().kindChooser, this));
    if (!chooser)
        return QString();
    dm->OtherKindChoice.clear();
    dm->OtherDealChoice.clear();
    seams::modal().run(chooser.get());
    m_kind = dm->OtherKindChoice;
    m_deal = dm->OtherDealChoice;
    if (m_kind.isEmpty() || m_deal.isEmpty())
        return QString();
    return entryWindowFor(spec(), spec().chooserKinds.value(m_kind, m_kind), m_deal);
}

void AllListWindow::prepareEntry(EntryWindow *entry, bool append)
{
    // A window that keeps several kinds (villas, other kinds) starts on the kind that was chosen.
    if (!append || !entry->spec().objKindFromCombo)
        return;
    auto *kind = qobject_cast<QComboBox *>(entry->control(QStringLiteral("Obj_kind")));
    if (kind && kind->findText(m_kind) >= 0)
        entry->AppendValues.insert(QStringLiteral("Obj_kind"), m_kind);
}

void AllListWindow::BitBtn2Click()
{
    if (model()->rowCount() == 0 || spec().kindChangeWindow.isEmpty())
        return;
    // The kind change window may move the listing to another kind: the list always reads again.
    runEntry(spec().kindChangeWindow, false, true);
}

void registerAllListWindows()
{
    const ListWindowSpec *spec = catalogue::allListingsWindow();
    if (!spec)
        return;
    windows::registerWindow(spec->name, [](QWidget *parent) -> QDialog * {
        const ListWindowSpec *s = catalogue::allListingsWindow();
        return s ? new AllListWindow(*s, parent) : nullptr;
    });
}
