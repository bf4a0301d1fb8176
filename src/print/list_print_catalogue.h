#pragma once
// The listing list prints as data (catalogue/list_prints.json): per list window its title, the
// columns of the two lines each listing takes, and the masks of secret columns. Every print starts
// line 1 with the row number and the address and ends it with the registration date, and ends line 2
// with the owner's name and phones and the date of the last change; the entries hold what lies
// between.

#include "print/detail_sheet_catalogue.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct ListPrintColumn {
    QString header;
    QString key;            // "#" for the row number, else the fields as written ("Bld_layer/Bld_hi_layer")
    QList<SheetPart> parts; // the columns, with the "/" printed between them
    bool spaced = false;    // parts separated by a blank (the address) rather than by "/"
    qreal width = 0;        // design pixels it would like, before the line is fitted to the page
    qreal minWidth = 0;     // design pixels it keeps however crowded the line (its header aside)

    bool isRowNumber() const { return key == QLatin1String("#"); }
    QStringList columns() const;
};

struct ListPrintSpec {
    QString name;                  // TAptListPrtScr
    QString window;                // the list window whose secret flag the print reads
    QString title;                 // "아파트 매매 목록"
    QHash<QString, QString> masks; // lower-case column → mask
    QList<ListPrintColumn> line1, line2;

    QString maskOf(const QString &column) const { return masks.value(column.toLower()); }
    // Every column whose value the print shows.
    QStringList columns() const;
};

namespace listprints {
const QList<ListPrintSpec> &all();
const ListPrintSpec *byName(const QString &name);
// Where the catalogue failed to load (empty when it loaded).
QString loadError();
} // namespace listprints
