#pragma once
// The sheets of the print layer by name. A sheet registered here is laid out from what its caller
// prepared (the print query, the secret flag of its window) and can be shown as a print preview
// (sheets::preview) or built into pages, which the command line writes as PDF.

#include "print/sheet.h"

#include <QString>
#include <functional>
#include <optional>

// Registers the listing detail sheets (every name in the detail-sheet catalogue), the picture sheet and
// the sheets of more_sheets.h.
void registerPrintSheets();

namespace printsheets {
using Builder = std::function<sheet::Document()>;
// Registers `name` both for its preview and for building.
void registerSheet(const QString &name, Builder build);
bool has(const QString &name);
// The pages of a registered sheet; nothing when no sheet has that name.
std::optional<sheet::Document> build(const QString &name);
} // namespace printsheets
