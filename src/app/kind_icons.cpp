#include "app/kind_icons.h"

#include "catalogue/kinds.h"
#include "ui/fonts.h"

#include <QPainter>
#include <QPixmap>

QIcon kindIcon(const Kind &kind, bool lease)
{
    const qreal scale = 2.0;
    QPixmap pix(QSize(34, 50) * scale);
    pix.setDevicePixelRatio(scale);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = lease ? QColor(0x2e, 0x8b, 0x57) : QColor(0x2f, 0x55, 0x97);
    QLinearGradient g(0, 0, 0, 50);
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(1, base);
    p.setBrush(g);
    p.setPen(base.darker(130));
    p.drawRoundedRect(QRectF(0.5, 0.5, 33, 49), 4, 4);
    // A small house roof as the common mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    QPolygonF roof;
    roof << QPointF(17, 3) << QPointF(27, 11) << QPointF(7, 11);
    p.drawPolygon(roof);
    p.setPen(Qt::white);
    QFont f = fonts::font(QStringLiteral("굴림"), 7, true);
    f.setPixelSize(10);
    p.setFont(f);
    // One line for up to three syllables, else two lines split at the middle (or at "/").
    QStringList lines = kind.name.split(QLatin1Char('/'));
    if (lines.size() == 1 && kind.name.size() > 3)
        lines = QStringList{kind.name.left(kind.name.size() / 2), kind.name.mid(kind.name.size() / 2)};
    const int lineHeight = 11;
    int y = lines.size() > 1 ? 12 : 18;
    for (int i = 0; i < lines.size() && i < 2; ++i, y += lineHeight)
        p.drawText(QRectF(0, y, 34, lineHeight), Qt::AlignCenter, lines.at(i));
    QFont tag = f;
    tag.setPixelSize(8);
    p.setFont(tag);
    p.drawText(QRectF(0, 39, 34, 10), Qt::AlignCenter, lease ? QStringLiteral("임대") : QStringLiteral("매매"));
    return QIcon(pix);
}
