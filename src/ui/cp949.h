#pragma once
// Widths of stored texts are counted as the Korean Windows code page counts them: one byte for an
// ASCII character, two for every other character (exact for everything that code page holds).

#include <QString>

class QWidget;

namespace cp949 {
int length(const QString &text);
// The longest prefix of `text` that fits into `bytes` bytes (a syllable is never split).
QString truncated(const QString &text, int bytes);
// Limits a line edit, an editable combo box or a date/amount edit to `bytes` bytes; 0 removes the limit.
void applyByteLimit(QWidget *input, int bytes);
int byteLimit(const QWidget *input);
} // namespace cp949
