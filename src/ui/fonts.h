#pragma once
// Fonts as the office stores them: a Windows face name, then character set, colour, point size and
// style bits (1 bold, 2 italic, 4 underline, 8 strike-out) as decimal text. The Windows faces are
// mapped onto installed families here, and nowhere else.

#include <QColor>
#include <QFont>
#include <QString>

namespace fonts {

struct StoredFont {
    QString name, charset, color, size, style;
};

// The installed family that stands in for a Windows face ("굴림" → NanumGothic, ...).
QString family(const QString &windowsFace);
QFont font(const QString &windowsFace, int pointSize, bool bold = false);

// A colour value of the platform: 0x00BBGGRR, or a system colour (negative: 0xFF000000 | index).
QColor color(qint64 value);
qint64 colorValue(const QColor &color);

// The font and colour of stored parts; false when a number does not convert (nothing is changed).
bool apply(const StoredFont &stored, QFont *font, QColor *color);
StoredFont store(const QFont &font, const QColor &color, int charset = 129);

} // namespace fonts
