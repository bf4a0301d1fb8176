#pragma once
// The customer roster `TCustListPrtSrc`: the customers of the customer list, as the list last
// searched them (same rows, same order), two lines each on A4 landscape pages, with their count at
// the end. Nothing is masked.

#include "print/row_table.h"
#include "print/sheet.h"

namespace customerlist {

inline const QString kName = QStringLiteral("TCustListPrtSrc");
inline const QString kTitle = QStringLiteral("고객 명부");

// The columns of both lines, and every column they print.
const QList<ListPrintColumn> &line1();
const QList<ListPrintColumn> &line2();
QStringList columns();

sheet::Document build(const TableRows &rows);
// The rows of the data module's customer query qry_cust.
sheet::Document build();

} // namespace customerlist
