#pragma once
// The customer detail sheet `TCustConPrtScr`: one customer of the customer book on an A4 page, the
// personal and housing sections, the memo stretching with its text, and the office's logo and phone
// pale behind them. Nothing is masked: the sheet is the office's own record.
//
// The customer window opens the data module's print query qry_prt_mamul on the customer; the sheet
// reads that row.

#include "print/sheet.h"
#include "print/sheet_rules.h"

#include <functional>

namespace customersheet {

inline const QString kName = QStringLiteral("TCustConPrtScr");
inline const QString kCaption = QStringLiteral("고객상세정보 출력");
// The statement the listing sheets expect in qry_prt_mamul.
inline const QString kListingStatement = QStringLiteral("select * from mamul_table.db where Id_seq = :Id_seq");

// The watermark colour of this sheet: light sky blue.
inline const QColor kWatermarkColour{166, 202, 240};

using Values = std::function<QString(const QString &column)>;
sheet::Document build(const Values &values, const sheet::Watermark &watermark);

// Lays the customer in qry_prt_mamul out, then gives the print query back to the listing sheets:
// closed, with its own statement again (also when reading the customer fails).
sheet::Document buildAndRestore();

} // namespace customersheet
