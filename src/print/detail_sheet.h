#pragma once
// The listing detail sheet: one listing on one A4 page in framed sections, the office's logo and
// phone pale behind the fields, the remarks and two pictures. One class prints every kind's sheet
// from its catalogue entry.
//
// The caller prepares the print: it sets the secret flag of its window (kindFlags(window).ShowSecret)
// and opens the data module's print query qry_prt_mamul on the listing; the sheet reads both.

#include "print/detail_sheet_catalogue.h"
#include "print/sheet.h"
#include "print/sheet_rules.h"

#include <functional>

class DetailSheet {
public:
    explicit DetailSheet(const DetailSheetSpec &spec);

    const DetailSheetSpec &spec() const { return m_spec; }

    // Lays the listing in qry_prt_mamul out with the window's secret flag and the office's logo.
    sheet::Document build() const;

    // The same from values handed in: a column's value by name, the secret flag, the watermark and
    // the data folder the pictures are looked for in.
    using Values = std::function<QString(const QString &column)>;
    sheet::Document build(const Values &values, const QString &showSecret, const sheet::Watermark &watermark,
                          const QString &dataPath) const;

    // The picture of a stored path, looked for in the data folder's image folder (the path may name
    // another folder or drive from before the data moved). Empty when there is no such file; a larger
    // picture comes at `fitTo`, the size of its box. `found` receives the file read.
    static QImage loadPicture(const QString &stored, const QString &dataPath, const QSize &fitTo = QSize(),
                              QString *found = nullptr);

private:
    sheet::Band titleBand(const Values &values, const QString &showSecret, const sheet::Watermark &watermark) const;
    sheet::Band detailBand(const Values &values, const QString &dataPath) const;

    const DetailSheetSpec &m_spec;
};
