#include "print/sheet.h"

namespace sheet {

QSizeF Document::paperSize() const
{
    const QSizeF portrait = pageSize.size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? portrait.transposed() : portrait;
}

QRectF Document::printableRect() const
{
    const QSizeF paper = paperSize();
    return QRectF(margins.left(), margins.top(), paper.width() - margins.left() - margins.right(),
                  paper.height() - margins.top() - margins.bottom());
}

QList<const Item *> Document::itemsOf(const QString &field) const
{
    QList<const Item *> out;
    for (const Page &page : pages)
        for (const Item &item : page.items)
            if (item.field.compare(field, Qt::CaseInsensitive) == 0)
                out << &item;
    return out;
}

const Item *Document::firstOf(const QString &field) const
{
    const QList<const Item *> all = itemsOf(field);
    return all.isEmpty() ? nullptr : all.first();
}

QStringList Document::texts() const
{
    QStringList out;
    for (const Page &page : pages)
        for (const Item &item : page.items)
            if ((item.kind == ItemKind::Text || item.kind == ItemKind::RichText) && !item.text.isEmpty())
                out << item.text;
    return out;
}

Item &Band::add(const Item &item)
{
    items << item;
    return items.last();
}

Item &Band::text(const QRectF &rect, const QString &text, const FontSpec &font, Qt::Alignment align,
                 const QString &field)
{
    Item item;
    item.kind = ItemKind::Text;
    item.rect = rect;
    item.text = text;
    item.font = font;
    item.align = align;
    item.field = field;
    return add(item);
}

Item &Band::rule(const QPointF &from, const QPointF &to, qreal width)
{
    Item item;
    item.kind = ItemKind::Rule;
    item.rect = QRectF(from, to);
    item.lineWidth = width;
    return add(item);
}

Item &Band::frame(const QRectF &rect, qreal width)
{
    Item item;
    item.kind = ItemKind::Frame;
    item.rect = rect;
    item.lineWidth = width;
    return add(item);
}

Item &Band::circle(const QRectF &rect, qreal width)
{
    Item item;
    item.kind = ItemKind::Circle;
    item.rect = rect;
    item.lineWidth = width;
    return add(item);
}

Item &Band::picture(const QRectF &rect, const QImage &image, const QString &source, const QString &field)
{
    Item item;
    item.kind = ItemKind::Picture;
    item.rect = rect;
    item.picture = image;
    item.source = source;
    item.field = field;
    return add(item);
}

Item &Band::richText(const QRectF &rect, const QString &text, const FontSpec &font, bool grows, const QString &field)
{
    Item item;
    item.kind = ItemKind::RichText;
    item.rect = rect;
    item.text = text;
    item.font = font;
    item.grows = grows;
    item.wordWrap = true;
    item.align = Qt::AlignLeft | Qt::AlignTop;
    item.field = field;
    return add(item);
}

Item &Band::system(const QRectF &rect, SystemText what, const FontSpec &font, Qt::Alignment align,
                   const QString &format)
{
    Item item;
    item.kind = ItemKind::Text;
    item.rect = rect;
    item.font = font;
    item.align = align;
    item.system = what;
    item.systemFormat = format;
    return add(item);
}

} // namespace sheet
