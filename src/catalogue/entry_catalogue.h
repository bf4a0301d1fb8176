#pragma once
// The listing entry windows as data: one entry per window (33 of them), each resolved against its
// model (the apartment sale or lease window) into the full list of its inputs.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct ValueList {
    QStringList items;
    QString design; // the text shown before anything is chosen
};

struct InputSpec {
    QString column;  // mamul_table column it edits ("" for the masking check box)
    QString control; // object name of the control
    QString caption;
    QString group; // "top", "1" ... "11"
    QString kind;  // combo, list, edit, amount, area, number, date, memo, check
    QString unit;
    QString list;  // name of a ValueList for combo and list inputs
    QString after; // for added inputs: the column they stand after
    bool isPrivate = false;
};

struct CheckSpec {
    QString column;
    QString message;
    bool focus = false;
    bool zeroIsEmpty = false;
};

struct EntryWindowSpec {
    QString name, code, deal, objKind;
    QString designCaption, appendCaption, editCaption;
    QString estateCaption, group2Caption;
    QList<CheckSpec> checks;
    QList<InputSpec> inputs; // resolved: model inputs relabelled, less the lacking ones, plus the added ones
    QHash<QString, QString> appendValues;
    bool navigatorInAppend = false;
    bool setsSavedFlagOnShow = false;
    bool updateDateToday = false;
    bool objKindFromCombo = false;
    bool hasNavigator = true;
    QString specUpload; // store, box, none
    QString detailSheet, infoSheet;
    QString videoFilter, pictureFilter, pictureFilterAfterVideo;
    // Layout overrides for a window built in code: group captions by group ("1" ... "11") and the
    // groups of the six tabbed blocks; empty means the model's.
    QHash<QString, QString> groupCaptions;
    QList<QList<int>> blocks;

    bool isLease() const { return deal == QLatin1String("lease"); }
    const InputSpec *input(const QString &column) const;
    bool has(const QString &column) const { return input(column) != nullptr; }
};

namespace catalogue {
const QList<EntryWindowSpec> &entryWindows();
const EntryWindowSpec *entryWindow(const QString &name);
// The entry window of a kind code and deal ("sale"/"lease").
const EntryWindowSpec *entryWindowFor(const QString &code, const QString &deal);
const ValueList &valueList(const QString &name);
// Where the catalogue failed to load (empty when it loaded).
QString loadError();
} // namespace catalogue
