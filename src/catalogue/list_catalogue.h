#pragma once
// The listing list windows as data: base condition, filters in statement order, sort table and
// sort box items, grid columns and the few per-window behaviours.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct FilterSpec {
    QString type;     // city, district, town, like, likeAll, lotOrVillage, contains, range, textRange, state,
                      // stateAlways, stateEquals, roomNum, leaseType, subType, kindPrefix, prefix, villaKind,
                      // nameCombo, dateRange, person
    QString control;  // the (first) control
    QString control2; // the second edit of a range
    QString column;   // the column as the fragment names it
    QString label;
    QString list;    // combo items
    QString initial; // text shown before anything is chosen
    QString unit;
    bool keepOnReset = false; // "전체" leaves its text as it is
    int row = 0;              // panel row (1, 2, ...) when the window lays its filters out by rows
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
    // The command buttons by rows of object names, and captions other than the model's; empty rows
    // mean the model's two rows.
    QList<QStringList> commandRows;
    QHash<QString, QString> commandCaptions;
    // Text colour of the rows of a state ("추천" → "blue").
    QHash<QString, QString> stateColors;
    // A list of every kind: the entry window of a row's kind (`Obj_kind`, "*" for any other) and
    // deal (`Obj_kubun1`, "*" for any), the kind chooser's texts that name another kind, the chooser
    // and the kind change window.
    QHash<QString, QHash<QString, QString>> entryByKind;
    QHash<QString, QString> chooserKinds;
    QString kindChooser, kindChangeWindow;

    const FilterSpec *filter(const QString &type) const;
};

namespace catalogue {
const QList<ListWindowSpec> &listWindows();
// The per-kind windows and, by name, also the list of every kind.
const ListWindowSpec *listWindow(const QString &name);
// The list of every kind and deal (nullptr when the catalogue lacks it).
const ListWindowSpec *allListingsWindow();
QStringList filterList(const QString &name);
QString listLoadError();
} // namespace catalogue
