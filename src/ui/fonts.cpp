#include "ui/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QPalette>

namespace fonts {

QString family(const QString &windowsFace)
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("굴림"), QStringLiteral("NanumGothic")},
        {QStringLiteral("굴림체"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("돋움"), QStringLiteral("NanumGothic")},
        {QStringLiteral("돋움체"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("바탕"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("바탕체"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("궁서"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Arial"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Tahoma"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Courier New"), QStringLiteral("NanumGothicCoding")},
    };
    const QString mapped = map.value(windowsFace);
    if (!mapped.isEmpty())
        return mapped;
    return windowsFace.isEmpty() ? QStringLiteral("NanumGothic") : windowsFace;
}

QFont font(const QString &windowsFace, int pointSize, bool bold)
{
    QFont f(family(windowsFace));
    // An unknown family still finds Hangul glyphs through the fallback families.
    f.setFamilies({family(windowsFace), QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR")});
    f.setPointSize(pointSize > 0 ? pointSize : 9);
    f.setBold(bold);
    return f;
}

static QColor systemColor(int index)
{
    const QPalette p = QApplication::palette();
    switch (index) {
    case 5: // window
        return p.color(QPalette::Base);
    case 6: // window frame
    case 8: // window text
    case 18: // button text
        return p.color(QPalette::WindowText);
    case 13: // highlight
        return p.color(QPalette::Highlight);
    case 14: // highlight text
        return p.color(QPalette::HighlightedText);
    case 15: // button face
        return p.color(QPalette::Button);
    case 16: // button shadow
        return p.color(QPalette::Mid);
    case 17: // grey text
        return p.color(QPalette::PlaceholderText);
    case 20: // button highlight
        return p.color(QPalette::Light);
    case 23: // tooltip text
        return p.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return p.color(QPalette::ToolTipBase);
    default:
        return p.color(QPalette::WindowText);
    }
}

QColor color(qint64 value)
{
    const quint32 v = quint32(value);
    if (value < 0 || (v & 0xFF000000u) == 0xFF000000u || (v & 0x80000000u))
        return systemColor(int(v & 0xFF));
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint64 colorValue(const QColor &c) { return qint64(c.red()) | (qint64(c.green()) << 8) | (qint64(c.blue()) << 16); }

bool apply(const StoredFont &stored, QFont *f, QColor *c)
{
    bool okCharset = false, okColor = false, okSize = false, okStyle = false;
    stored.charset.trimmed().toInt(&okCharset);
    const qint64 colorV = stored.color.trimmed().toLongLong(&okColor);
    const int size = stored.size.trimmed().toInt(&okSize);
    const int style = stored.style.trimmed().toInt(&okStyle);
    if (stored.name.isEmpty() || !okCharset || !okColor || !okSize || !okStyle)
        return false;
    QFont out = font(stored.name, size > 0 ? size : 9);
    out.setBold(style & 1);
    out.setItalic(style & 2);
    out.setUnderline(style & 4);
    out.setStrikeOut(style & 8);
    if (f)
        *f = out;
    if (c)
        *c = color(colorV);
    return true;
}

StoredFont store(const QFont &f, const QColor &c, int charset)
{
    const int style = (f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) | (f.strikeOut() ? 8 : 0);
    return {f.family(), QString::number(charset), QString::number(colorValue(c)),
            QString::number(f.pointSize() > 0 ? f.pointSize() : 9), QString::number(style)};
}

} // namespace fonts
