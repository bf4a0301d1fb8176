#pragma once
// The listing information sheet ("정보지"): a one-page poster of a listing for the office window,
// the kind and deal, the district, a notice for urgent and recommended listings, a few key facts and
// the price in very large bold type, with the office's logo and phone pale behind them. One class
// prints every kind's poster from its catalogue entry.
//
// The caller opens the data module's print query qry_prt_mamul on the listing; the poster carries no
// owner or tenant data, so there is no secret flag to read.

#include "print/info_sheet_catalogue.h"
#include "print/sheet.h"
#include "print/sheet_rules.h"

#include <functional>

class InfoSheet {
public:
    explicit InfoSheet(const InfoSheetSpec &spec);

    const InfoSheetSpec &spec() const { return m_spec; }

    // Lays the listing in qry_prt_mamul out with the office's logo.
    sheet::Document build() const;

    // The same from values handed in (a column's value by name) and a watermark.
    using Values = std::function<QString(const QString &column)>;
    sheet::Document build(const Values &values, const sheet::Watermark &watermark) const;

    // Whether a listing in this state prints the notice line ("※" state "※").
    static bool printsNotice(const QString &objState);

private:
    const InfoSheetSpec &m_spec;
};
