#pragma once
// The listing list windows as data: base condition, filters in statement order, sort table and
// sort box items, grid columns and the few per-window behaviours.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct FilterSpec {
    QString type;     // city, district, town, like, likeAll, lotOrVillage, contains, range, textRange, state,
                      // stateAlways, roomNum, leaseType, subType, kindPrefix, villaKind, nameCombo, person
    QString control;  // the (first) control
    QString control2; // the second edit of a range
    QString column;   // the column as the fragment names it
    QString label;
    QString list;    // combo items
    QString initial; // text shown before anything is chosen
    QString unit;
};

struct ListColumnSpec {
    QString field, title;
    int width = 64;
    QString align;      // left, center, right
    QString color;      // highlight, red
    QString titleAlign; // center
};

struct ListWindowSpec {
    QString name, caption, deal;
    QString baseCondition; // what follows "where "
    QString entryWindow, listPrint;
    QList<FilterSpec> filters;
    QHash<QString, QString> sortTable;
    QStringList sortItems;
    QList<ListColumnSpec> columns;
    bool activeStatesSetting = false;
    bool usesSavedFlag = true;
    bool appendSetsIdSeq = false;
    bool sortBoxResetsAddress = false;
    QStringList freeKeyControls;
    QStringList numericControls;

    const FilterSpec *filter(const QString &type) const;
};

namespace catalogue {
const QList<ListWindowSpec> &listWindows();
const ListWindowSpec *listWindow(const QString &name);
QStringList filterList(const QString &name);
QString listLoadError();
} // namespace catalogue
