#pragma once
// The listing information sheets ("정보지") as data (catalogue/info_sheets.json): one poster per kind
// and deal, each a title, the address line, the notice line and its own content lines, printed large
// and centred. Lines and their parts may depend on the listing's kind (`Obj_kind`) and on whether a
// value is empty, which is how the posters for every kind adjust themselves to the row they print.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct InfoPart {
    QString column; // a column of the listing, or
    QString text;   // a fixed text
    // Printed only for these kinds / not for these kinds (empty: any kind).
    QStringList kinds, notKinds;
    // Hidden when any of these columns is empty on the row.
    QStringList unlessEmpty;
    // Texts printed instead of the column's value ("아파트분양권" → "분양권").
    QHash<QString, QString> replace;
};

enum class InfoLineStyle {
    Content,      // the large lines of facts
    MoneyHeading, // "매매가", underlined
    Money,        // the amount under its heading
};

struct InfoLine {
    InfoLineStyle style = InfoLineStyle::Content;
    QList<InfoPart> parts;
    QStringList kinds, notKinds;
};

struct InfoSheetSpec {
    QString name;    // TAptBanPrtScr
    QString caption; // "아파트매매 정보지출력"
    QList<InfoPart> title;
    bool town = true;        // the address line prints `Add_town`
    QStringList noTownKinds; // ... except for these kinds
    QList<InfoLine> lines;   // after the notice, in order
    int logoSize = 52;       // design size of the logo text
};

struct InfoSheetModel {
    qreal width = 733, height = 1060; // the band, design pixels
    qreal margins = 8;                // millimetres
    QString face;
    // Type heights in design pixels.
    qreal title = 133, address = 60, notice = 93, content = 107, moneyHeading = 67, money = 89;
    // Where the watermark lies: across which content line (0 = the first after the notice), and its size.
    int logoLine = 0, logoTelLine = 2;
    qreal logoWidth = 714, logoHeight = 188, logoTelWidth = 719, logoTelHeight = 88;
    // Object states that print the notice line.
    QStringList noticeStates;
};

namespace infosheets {
const QList<InfoSheetSpec> &all();
const InfoSheetSpec *byName(const QString &name);
const InfoSheetModel &model();
// Where the catalogue failed to load (empty when it loaded).
QString loadError();
// Every column a sheet may print (for the catalogue's own checks).
QStringList columnsOf(const InfoSheetSpec &spec);
} // namespace infosheets
