#pragma once
// The seventeen property kinds in the order of the main window's kind band and menu.

#include <QList>
#include <QString>

struct Kind {
    QString code;      // APT, BUN, ... names the kind's windows and sheets
    QString objKind;   // Obj_kind written on insert (empty where the window chooses it)
    QString name;      // Korean name
    QString menuText;  // item under "물건관리(&2)"
    QString saleList;  // sale list window
    QString leaseList; // lease list window; empty when the kind has no lease
};

namespace kinds {
const QList<Kind> &all();
const Kind *byCode(const QString &code);
} // namespace kinds
