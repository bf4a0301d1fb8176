#pragma once
// The listing detail sheets as data (catalogue/detail_sheets.json): one model sheet with its
// sections, fields and masks, and per sheet its caption, title, kind section, the fields it adds, the
// model fields it leaves out, its own labels and masks. Each entry is resolved here against the model
// into the plain list of sections it prints.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct SheetPart {
    QString column; // a column of the listing, or
    QString text;   // a fixed text printed between the columns
};

struct SheetField {
    QString key;   // the column, or a name for a field of several parts ("address", "rooms")
    QString label; // printed before the value ("매물종류 : ")
    QList<SheetPart> parts;
    bool spaced = false; // parts separated by a blank (the address)
    int span = 1;        // cells of the section's grid it takes
    int lines = 1;       // lines it may wrap into

    QStringList columns() const;
};

struct SheetSection {
    QString key;     // listing, location, kind, prices, structure, title, state, registration, agency, ...
    QString heading; // "[매물정보]"
    int row = 0;     // sections of one row stand side by side
    qreal width = 1; // share of the row
    int columns = 1; // cells per line
    QList<SheetField> fields;
};

struct WatermarkPlace {
    QStringList over;            // the sections it lies across
    qreal width = 0, height = 0; // design pixels
};

struct DetailSheetSpec {
    QString name;    // TAptPrtScr
    QString window;  // the entry window whose secret flag the sheet reads
    QString caption; // "아파트 매매 상세 출력"
    QString title;   // "아파트매매상세정보"
    QString kindSection;
    int logoSize = 52; // design size of the logo text
    bool pictures = true;
    QHash<QString, QString> masks; // lower-case column → mask
    QStringList adds, omits;
    QList<SheetSection> sections; // resolved

    // Every column whose value the sheet prints (the header's registration date included).
    QStringList printedColumns() const;
    QString maskOf(const QString &column) const { return masks.value(column.toLower()); }
};

struct DetailSheetModel {
    qreal titleBand = 731, detailBand = 312; // design pixels
    WatermarkPlace logo, logoTel;
    QString remarksHeading, remarksColumn;
    qreal remarksWidth = 454, remarksHeight = 280;
    QString picturesHeading;
    QStringList pictureColumns;
    qreal pictureWidth = 250, pictureHeight = 140;
};

namespace detailsheets {
const QList<DetailSheetSpec> &all();
const DetailSheetSpec *byName(const QString &name);
const DetailSheetModel &model();
// Where the catalogue failed to load (empty when it loaded).
QString loadError();
} // namespace detailsheets
