#pragma once
// The text of an input whatever its kind: line and amount edits, combo boxes, memos and check boxes
// ("YES"/"NO"). Windows read and fill their inputs by name through these.

#include <QString>

class QWidget;

namespace inputs {
QString text(const QWidget *input);
void setText(QWidget *input, const QString &text);
} // namespace inputs
