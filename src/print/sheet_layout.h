#pragma once
// Lays bands out into pages, the way a banded report prints: the page header at the top of every
// page, the title once on the first page, the column header on every page under them, one detail
// band after another, the summary after the last detail, the page footer at the bottom of every page.
// A band that does not fit in what is left of a page starts the next one; a band whose growing rich
// text is taller than a whole page continues it line by line on the following pages.

#include "print/sheet.h"

#include <QDate>

namespace sheet {

class SheetLayout {
public:
    // The page settings (size, orientation, margins, name, caption) of the sheet to lay out.
    explicit SheetLayout(const Document &settings);

    void setPageHeader(const Band &band) { m_pageHeader = band; }
    void setTitle(const Band &band) { m_title = band; }
    void setColumnHeader(const Band &band) { m_columnHeader = band; }
    void setPageFooter(const Band &band) { m_pageFooter = band; }
    void setSummary(const Band &band) { m_summary = band; }
    void addDetail(const Band &band) { m_details << band; }

    // The date printed by PrintDate items, and its format (year first, ten characters).
    void setPrintDate(const QDate &date, const QString &format = QStringLiteral("yyyy-MM-dd"));

    // Lays everything out; a sheet always has at least one page.
    Document layout() const;

    // A band as it prints: every growing rich text as tall as its text (never shorter than designed),
    // and the band as tall as its tallest item.
    static Band grown(const Band &band);

private:
    Document m_settings;
    Band m_pageHeader, m_title, m_columnHeader, m_pageFooter, m_summary;
    QList<Band> m_details;
    QDate m_printed;
    QString m_dateFormat = QStringLiteral("yyyy-MM-dd");
};

} // namespace sheet
