#include "print/detail_sheet.h"

#include "data/data_module.h"
#include "listings/attachment_paths.h"
#include "listings/kind_flags.h"
#include "print/sheet_layout.h"
#include "print/sheet_text.h"

#include <QFileInfo>
#include <QImageReader>

using sheet::Band;
using sheet::FontSpec;
using sheet::Item;
using sheet::px;

namespace {

// The sheet's design, in pixels of the 718-pixel-wide page.
constexpr qreal kWidth = 718;
constexpr qreal kHeaderHeight = 64;
constexpr qreal kHeadingHeight = 22;
constexpr qreal kLineHeight = 21;
constexpr qreal kMinLineHeight = 18;
constexpr qreal kMaxLineHeight = 27;
constexpr qreal kSectionPadding = 5;
constexpr qreal kRowGap = 4;
constexpr qreal kInset = 8;
constexpr qreal kCellGap = 6;
// Pictures are kept at 300 dots per inch of their box: sharp on paper, small in a PDF file.
constexpr qreal kPictureDotsPerPixel = 300.0 / 96.0;

FontSpec arial(qreal pixels, bool bold = false)
{
    return FontSpec{QStringLiteral("Arial"), sheet::pointsOfPixels(pixels), bold};
}

const FontSpec &headingFont()
{
    static const FontSpec f = arial(16, true);
    return f;
}
const FontSpec &labelFont()
{
    static const FontSpec f = arial(15, true);
    return f;
}
const FontSpec &valueFont()
{
    static const FontSpec f = arial(15);
    return f;
}

QRectF pxRect(qreal x, qreal y, qreal w, qreal h)
{
    return QRectF(px(x), px(y), px(w), px(h));
}

struct PlacedField {
    const SheetField *field;
    int line, column, span;
};

// Fields flow through a section's grid of cells, left to right, a field that does not fit in what is
// left of a line starting the next one.
QList<PlacedField> placeFields(const SheetSection &section, QList<int> *lineHeights)
{
    QList<PlacedField> out;
    int line = 0, column = 0;
    lineHeights->clear();
    lineHeights->append(1);
    for (const SheetField &f : section.fields) {
        const int span = qBound(1, f.span, section.columns);
        if (column + span > section.columns) {
            ++line;
            column = 0;
            lineHeights->append(1);
        }
        out << PlacedField{&f, line, column, span};
        (*lineHeights)[line] = qMax((*lineHeights)[line], f.lines);
        column += span;
    }
    return out;
}

} // namespace

DetailSheet::DetailSheet(const DetailSheetSpec &spec) : m_spec(spec) {}

sheet::Document DetailSheet::build() const
{
    Tdm *dm = dataModule();
    SqlQuery &query = dm->qry_prt_mamul;
    const Values values = [&query](const QString &column) { return query.fieldByName(column).asString(); };
    return build(values, kindFlags(m_spec.window).ShowSecret, sheet::Watermark::ofOffice(m_spec.logoSize),
                 dm->DataPath);
}

sheet::Document DetailSheet::build(const Values &values, const QString &showSecret, const sheet::Watermark &watermark,
                                   const QString &dataPath) const
{
    sheet::Document doc;
    doc.name = m_spec.name;
    doc.caption = m_spec.caption;
    doc.pageSize = QPageSize(QPageSize::A4);
    doc.orientation = QPageLayout::Portrait;
    doc.margins = QMarginsF(10, 10, 10, 10);
    sheet::SheetLayout layout(doc);
    layout.setTitle(titleBand(values, showSecret, watermark));
    layout.addDetail(detailBand(values, dataPath));
    return layout.layout();
}

Band DetailSheet::titleBand(const Values &values, const QString &showSecret, const sheet::Watermark &watermark) const
{
    Band content;
    // Header: the registration date at the top left, the title in a circle in the middle.
    content.text(pxRect(0, 0, 220, 24), values(QStringLiteral("Insert_date")), arial(16, true),
                 Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Insert_date"));
    const FontSpec titleFont = arial(27, true);
    const qreal circleWidth = qMin(px(kWidth) - px(240), sheet::textWidth(m_spec.title, titleFont) + px(90));
    const QRectF circle((px(kWidth) - circleWidth) / 2, px(4), circleWidth, px(54));
    content.circle(circle, px(2));
    content.text(circle, m_spec.title, titleFont, Qt::AlignCenter, QStringLiteral("title"));

    const bool masking = sheet::masksSecrets(showSecret);
    // The sections of one row share its width in their proportions; a row is as tall as its section
    // with the most lines.
    struct Row {
        int begin = 0, end = 0, lines = 0;
        qreal shares = 0;
        QList<QList<int>> lineHeights;
        QList<QList<PlacedField>> placed;
    };
    QList<Row> rows;
    for (int i = 0; i < m_spec.sections.size();) {
        Row row;
        row.begin = i;
        row.end = i;
        while (row.end < m_spec.sections.size() && m_spec.sections.at(row.end).row == m_spec.sections.at(i).row)
            row.shares += m_spec.sections.at(row.end++).width;
        for (int s = row.begin; s < row.end; ++s) {
            row.lineHeights.append(QList<int>());
            row.placed << placeFields(m_spec.sections.at(s), &row.lineHeights.last());
            int lines = 0;
            for (int h : row.lineHeights.last())
                lines += h;
            row.lines = qMax(row.lines, lines);
        }
        rows << row;
        i = row.end;
    }
    // Lines open up to fill the band when a sheet has fewer fields than it was designed for, and close
    // up a little when it has more, so that the remarks and pictures stay on the page.
    const DetailSheetModel &model = detailsheets::model();
    qreal natural = kHeaderHeight;
    int allLines = 0;
    for (const Row &row : rows) {
        natural += kHeadingHeight + row.lines * kLineHeight + kSectionPadding + kRowGap;
        allLines += row.lines;
    }
    const qreal lineHeight =
        allLines > 0 ? qBound(kMinLineHeight, kLineHeight + (model.titleBand - natural) / allLines, kMaxLineHeight)
                     : kLineHeight;

    QHash<QString, QRectF> sectionRects;
    qreal y = kHeaderHeight;
    for (const Row &row : rows) {
        const int i = row.begin, end = row.end;
        const qreal shares = row.shares;
        const QList<QList<int>> &lineHeights = row.lineHeights;
        const QList<QList<PlacedField>> &placed = row.placed;
        const qreal rowHeight = kHeadingHeight + row.lines * lineHeight + kSectionPadding;
        qreal x = 0;
        for (int s = i; s < end; ++s) {
            const SheetSection &section = m_spec.sections.at(s);
            const qreal width = kWidth * section.width / shares;
            const QRectF box = pxRect(x, y, width, rowHeight);
            sectionRects.insert(section.key, box);
            content.frame(box);
            content.text(pxRect(x + 6, y + 1, width - 12, kHeadingHeight), section.heading, headingFont());
            const QList<int> &heights = lineHeights.at(s - i);
            const qreal cellWidth = (width - 2 * kInset) / section.columns;
            for (const PlacedField &p : placed.at(s - i)) {
                qreal top = y + kHeadingHeight;
                for (int l = 0; l < p.line; ++l)
                    top += heights.at(l) * lineHeight;
                const QRectF cell = pxRect(x + kInset + p.column * cellWidth, top, p.span * cellWidth - kCellGap,
                                           heights.at(p.line) * lineHeight);
                const SheetField &f = *p.field;
                qreal fx = cell.left();
                const qreal right = cell.right();
                const qreal lineH = px(lineHeight);
                auto put = [&](const QString &text, const FontSpec &font, const QString &column, bool masked) {
                    const bool wraps = f.lines > 1 && !column.isEmpty();
                    // What does not fit in its cell is cut at the cell's end.
                    fx = qMin(fx, right);
                    const qreal want = sheet::textWidth(text, font) + px(1);
                    const qreal width = wraps ? right - fx : qMin(want, right - fx);
                    Item &item =
                        content.text(QRectF(fx, cell.top(), width, wraps ? cell.height() : lineH), text, font,
                                     wraps ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter, column);
                    item.wordWrap = wraps;
                    item.masked = masked;
                    fx += width;
                };
                if (!f.label.isEmpty())
                    put(f.label, labelFont(), QString(), false);
                bool first = true;
                for (const SheetPart &part : f.parts) {
                    if (f.spaced && !first)
                        fx += sheet::textWidth(QStringLiteral(" "), valueFont());
                    first = false;
                    if (part.column.isEmpty()) {
                        put(part.text, valueFont(), QString(), false);
                        continue;
                    }
                    const QString mask = m_spec.maskOf(part.column);
                    const bool masked = masking && !mask.isEmpty();
                    put(masked ? mask : values(part.column), valueFont(), part.column, masked);
                }
            }
            x += width;
        }
        y += rowHeight + kRowGap;
    }

    // The logo and the phone lie pale behind the fields: they come first so everything prints over them.
    Band band;
    band.height = px(qMax(model.titleBand, y));
    auto across = [&](const WatermarkPlace &place) {
        QRectF over;
        for (const QString &key : place.over)
            if (sectionRects.contains(key))
                over = over.isNull() ? sectionRects.value(key) : over.united(sectionRects.value(key));
        const qreal centre = over.isNull() ? band.height / 2 : over.center().y();
        return QRectF((px(kWidth) - px(place.width)) / 2, centre - px(place.height) / 2, px(place.width),
                      px(place.height));
    };
    watermark.addTo(band, across(model.logo), across(model.logoTel));
    band.items += content.items;
    return band;
}

Band DetailSheet::detailBand(const Values &values, const QString &dataPath) const
{
    const DetailSheetModel &model = detailsheets::model();
    Band band;
    band.height = px(model.detailBand);
    const qreal boxHeight = kHeadingHeight + 2 + model.remarksHeight + 4;
    const qreal pictureBox = model.pictureWidth + 2;
    const qreal remarksBox = m_spec.pictures ? kWidth - pictureBox - 4 : kWidth;

    Item &remarksFrame = band.frame(pxRect(0, 0, remarksBox, boxHeight));
    remarksFrame.stretches = true;
    band.text(pxRect(6, 1, remarksBox - 12, kHeadingHeight), model.remarksHeading, headingFont());
    band.richText(pxRect(4, kHeadingHeight + 2, remarksBox - 8, model.remarksHeight), values(model.remarksColumn),
                  arial(13), true, model.remarksColumn);

    if (!m_spec.pictures)
        return band;
    const qreal x = kWidth - pictureBox;
    band.frame(pxRect(x, 0, pictureBox, boxHeight));
    band.text(pxRect(x + 6, 1, pictureBox - 12, kHeadingHeight), model.picturesHeading, headingFont());
    const QSize dots(qRound(model.pictureWidth * kPictureDotsPerPixel),
                     qRound(model.pictureHeight * kPictureDotsPerPixel));
    qreal top = kHeadingHeight + 2;
    for (const QString &column : model.pictureColumns) {
        const QRectF box = pxRect(x + 1, top, model.pictureWidth, model.pictureHeight);
        QString found;
        const QImage image = loadPicture(values(column), dataPath, dots, &found);
        band.picture(box, image, found, column);
        band.frame(box);
        top += model.pictureHeight + 2;
    }
    return band;
}

QImage DetailSheet::loadPicture(const QString &stored, const QString &dataPath, const QSize &fitTo, QString *found)
{
    if (found)
        found->clear();
    if (stored.isEmpty())
        return QImage();
    const QString path = attachments::reroot(stored, dataPath);
    if (!QFileInfo(path).isFile())
        return QImage();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    // Pictures are stretched into their box, so a large one is decoded straight at the box's size.
    if (fitTo.isValid() && size.isValid() && (size.width() > fitTo.width() || size.height() > fitTo.height()))
        reader.setScaledSize(fitTo);
    QImage image = reader.read();
    if (!image.isNull() && found)
        *found = path;
    return image;
}
