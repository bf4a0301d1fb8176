#pragma once
// A printed sheet as plain data: pages of positioned items. Every sheet is laid out into these first;
// the preview, the printer and PDF files are drawn from the same pages, and tests read them.
//
// Positions are millimetres on the paper, from its top-left corner. Type sizes are points. Sheets are
// designed in screen pixels at 96 per inch (a band 718 pixels wide fills an A4 page inside 10 mm
// margins), so px() converts design pixels to millimetres.

#include <QColor>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

namespace sheet {

inline constexpr qreal kMmPerInch = 25.4;
// Design pixels (96 per inch) to millimetres.
constexpr qreal px(qreal designPixels)
{
    return designPixels * kMmPerInch / 96.0;
}
// A type height in design pixels as points.
constexpr qreal pointsOfPixels(qreal designPixels)
{
    return designPixels * 72.0 / 96.0;
}

struct FontSpec {
    QString face = QStringLiteral("Arial"); // the face the sheet names; fonts::family finds the installed one
    qreal points = 9.75;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class ItemKind {
    Text,     // one or more lines in its rectangle, clipped to it
    Rule,     // a line from the rectangle's top-left to its bottom-right corner
    Frame,    // a rectangle's outline (filled when `fill` is valid)
    Circle,   // an ellipse inside the rectangle
    Picture,  // an image stretched into the rectangle; an empty image leaves it blank
    RichText, // running text that wraps at the rectangle's width and may grow downwards
};

// Texts the layout fills in once the pages are known.
enum class SystemText { None, PageNumber, PageCount, PrintDate };

struct Item {
    ItemKind kind = ItemKind::Text;
    QRectF rect; // millimetres
    QString text;
    QString field; // the column or part it shows ("Bld_nme", "logo", "title"), for readers of the pages
    FontSpec font;
    QColor color = Qt::black; // text, line or outline colour
    QColor fill;              // frames only; invalid = not filled
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    bool masked = false;     // the text is a mask printed in place of the value
    qreal lineWidth = px(1); // rules, frames and circles, millimetres
    QImage picture;          // pictures
    QString source;          // pictures: the file the image came from ("" when none)
    bool html = false;       // rich text: `text` is HTML rather than plain text
    bool grows = false;      // rich text: the item (and its band) grows to hold the whole text
    bool stretches = false;  // frames and rules: grow downwards with their band's growing text
    qreal textOffset = 0;    // rich text continued from an earlier page: where this piece starts (mm)
    SystemText system = SystemText::None;
    QString systemFormat; // PrintDate: the date format; PageNumber/PageCount: "%1" style pattern
};

struct Page {
    QList<Item> items; // in drawing order: later items print over earlier ones
};

struct Document {
    QString name;    // the sheet's name ("TAptPrtScr")
    QString caption; // the preview window's caption
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10}; // millimetres
    QList<Page> pages;

    QSizeF paperSize() const; // millimetres, as oriented
    QRectF printableRect() const;

    // Readers for tests and callers: every item showing `field`, in page order.
    QList<const Item *> itemsOf(const QString &field) const;
    const Item *firstOf(const QString &field) const;
    // Every text that prints, page by page, in drawing order.
    QStringList texts() const;
};

// A band: a strip of the sheet whose items are placed relative to its own top-left corner.
struct Band {
    qreal height = 0; // millimetres
    QList<Item> items;

    Item &add(const Item &item);
    Item &text(const QRectF &rect, const QString &text, const FontSpec &font,
               Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, const QString &field = QString());
    Item &rule(const QPointF &from, const QPointF &to, qreal width = px(1));
    Item &frame(const QRectF &rect, qreal width = px(1));
    Item &circle(const QRectF &rect, qreal width = px(1));
    Item &picture(const QRectF &rect, const QImage &image, const QString &source = QString(),
                  const QString &field = QString());
    Item &richText(const QRectF &rect, const QString &text, const FontSpec &font, bool grows = true,
                   const QString &field = QString());
    Item &system(const QRectF &rect, SystemText what, const FontSpec &font,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, const QString &format = QString());
};

} // namespace sheet
