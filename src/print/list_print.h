#pragma once
// The listing list print: what a list window shows, as a paginated table of two lines per listing
// under a column header repeated on every page, with the page number, the date of printing and the
// count of listings at the end. One class prints every list window's print from its catalogue entry.
//
// The list window leaves its statement open in the data module's list query qry_mamul and sets its
// secret flag (kindFlags(list window).ShowSecret) before it asks for the print; the print reads both.

#include "print/list_print_catalogue.h"
#include "print/row_table.h"
#include "print/sheet.h"

class SqlQuery;

class ListPrint {
public:
    explicit ListPrint(const ListPrintSpec &spec);

    const ListPrintSpec &spec() const { return m_spec; }

    // Every row of `query` in the list's order, from its first to its last; the query is left on the
    // row it stood on. Columns that the query does not select (the list statement has a fixed column
    // set) are read from the listing table for the same listings by Id_seq.
    static TableRows read(SqlQuery &query, const QStringList &columns);

    // Lays the rows of qry_mamul out with the list window's secret flag.
    sheet::Document build() const;
    sheet::Document build(const TableRows &rows, const QString &showSecret) const;

private:
    const ListPrintSpec &m_spec;
};
