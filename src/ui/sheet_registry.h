#pragma once
// Printed sheets by name ("TAptPrtScr", ...). A sheet reads what its caller prepared (the print query
// of the data module, the secret flag of its kind) and shows its print preview modally.

#include <QString>
#include <functional>

class QWidget;

namespace sheets {
using Preview = std::function<void(QWidget *parent)>;
void registerSheet(const QString &name, Preview preview);
bool has(const QString &name);
// Shows the sheet's preview; false when no such sheet exists.
bool preview(const QString &name, QWidget *parent);
} // namespace sheets
