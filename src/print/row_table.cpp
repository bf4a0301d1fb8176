#include "print/row_table.h"

#include "data/sql_query.h"
#include "print/sheet_text.h"

using sheet::Band;
using sheet::FontSpec;
using sheet::Item;
using sheet::px;

namespace {

constexpr qreal kPadding = 2; // inside each cell, left and right; design pixels

FontSpec arial(qreal pixels, bool bold = false)
{
    return FontSpec{QStringLiteral("Arial"), sheet::pointsOfPixels(pixels), bold};
}

// A memo's line breaks would pile its lines up in a one-line cell.
QString oneLine(const QString &value)
{
    if (!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    return value.simplified();
}

} // namespace

// ---- rows ----

int TableRows::indexOf(const QString &column) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TableRows::value(int row, const QString &column) const
{
    const int at = indexOf(column);
    return at < 0 || row < 0 || row >= values.size() ? QString() : values.at(row).value(at);
}

TableRows TableRows::read(SqlQuery &query, const QStringList &columns)
{
    TableRows rows;
    rows.columns = columns;
    if (!query.isOpen())
        return rows;
    const int stoodOn = query.recNo();
    QList<int> indexes;
    for (const QString &c : columns)
        indexes << query.fieldIndex(c);
    for (query.first(); !query.eof(); query.next()) {
        QStringList values;
        values.reserve(indexes.size());
        for (int at : indexes)
            values << (at >= 0 ? SqlField(query.value(at)).asString() : QString());
        rows.values << values;
    }
    if (stoodOn >= 0)
        query.moveTo(stoodOn);
    return rows;
}

// ---- table ----

RowTable::RowTable(const QList<ListPrintColumn> &line1, const QList<ListPrintColumn> &line2, qreal width,
                   const QStringList &rowColumns, const QHash<QString, QString> &masks)
    : m_headers1(line1), m_headers2(line2),
      m_metrics(std::make_unique<QFontMetricsF>(sheet::referenceFont(detailFont())))
{
    m_blank = measure(QStringLiteral(" "));
    // Each line fills its width. A crowded line gives up the room its columns would like, down to
    // what each must keep (its header, and a whole date where a date prints); only a line that cannot
    // even hold that shrinks every column alike.
    auto fit = [](const QList<ListPrintColumn> &columns, qreal left, qreal room) {
        QList<qreal> least, wants;
        qreal sumLeast = 0, sumWants = 0;
        for (const ListPrintColumn &c : columns) {
            const qreal l = qMax(px(c.minWidth), sheet::textWidth(c.header, headerFont()) + px(2 * kPadding + 2));
            least << l;
            wants << qMax(l, px(c.width));
            sumLeast += l;
            sumWants += wants.last();
        }
        QList<Cell> out;
        qreal x = left;
        for (int i = 0; i < least.size(); ++i) {
            qreal w;
            if (sumWants <= room || sumWants <= sumLeast)
                w = sumWants > 0 ? wants.at(i) * room / sumWants : 0;
            else if (sumLeast <= room)
                w = least.at(i) + (wants.at(i) - least.at(i)) * (room - sumLeast) / (sumWants - sumLeast);
            else
                w = least.at(i) * room / sumLeast;
            out << Cell{x, w};
            x += w;
        }
        return out;
    };
    const QList<Cell> cells1 = fit(line1, 0, width);
    const qreal left2 = !line1.isEmpty() && line1.first().isRowNumber() ? cells1.first().width : 0;
    const QList<Cell> cells2 = fit(line2, left2, width - left2);
    m_line1 = resolve(line1, cells1, rowColumns, masks);
    m_line2 = resolve(line2, cells2, rowColumns, masks);
}

RowTable::~RowTable() = default;

FontSpec RowTable::headerFont()
{
    return arial(12, true);
}
FontSpec RowTable::detailFont()
{
    return arial(11);
}

qreal RowTable::measure(const QString &text) const
{
    auto it = m_widths.constFind(text);
    if (it != m_widths.constEnd())
        return *it;
    const qreal w = m_metrics->horizontalAdvance(text) / sheet::kDotsPerMm;
    // Values repeat (states, kinds, districts); a long list of distinct ones is not worth keeping.
    if (m_widths.size() < 8192)
        m_widths.insert(text, w);
    return w;
}

QList<RowTable::Column> RowTable::resolve(const QList<ListPrintColumn> &line, const QList<Cell> &cells,
                                          const QStringList &rowColumns, const QHash<QString, QString> &masks) const
{
    QList<Column> out;
    for (int i = 0; i < line.size(); ++i) {
        const ListPrintColumn &c = line.at(i);
        Column col;
        col.cell = cells.at(i);
        col.rowNumber = c.isRowNumber();
        col.spaced = c.spaced;
        for (const SheetPart &p : c.parts) {
            Part part;
            part.field = p.column;
            if (p.column.isEmpty()) {
                part.text = p.text;
            } else {
                const QString mask = masks.value(p.column.toLower());
                part.masked = !mask.isEmpty();
                part.text = mask;
                for (int v = 0; v < rowColumns.size() && !part.masked; ++v)
                    if (rowColumns.at(v).compare(p.column, Qt::CaseInsensitive) == 0) {
                        part.value = v;
                        break;
                    }
            }
            col.parts << part;
        }
        out << col;
    }
    return out;
}

void RowTable::addHeaders(Band &band, qreal top) const
{
    auto line = [&](const QList<ListPrintColumn> &headers, const QList<Column> &columns, qreal y) {
        for (int i = 0; i < headers.size(); ++i) {
            const Cell &cell = columns.at(i).cell;
            band.text(QRectF(cell.left + px(kPadding), y, cell.width - px(kPadding), px(kHeaderLinesHeight / 2)),
                      headers.at(i).header, headerFont(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("header"));
        }
    };
    line(m_headers1, m_line1, top);
    line(m_headers2, m_line2, top + px(kHeaderLinesHeight / 2));
}

void RowTable::addLine(Band &band, const QList<Column> &line, int number, const QStringList &values, qreal top) const
{
    static const FontSpec font = detailFont();
    const qreal height = px(kLineHeight);
    for (const Column &c : line) {
        const qreal left = c.cell.left + px(kPadding);
        const qreal right = c.cell.left + c.cell.width - px(kPadding);
        if (c.rowNumber) {
            band.text(QRectF(left, top, right - left, height), QString::number(number), font,
                      Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("rowNumber"));
            continue;
        }
        auto textOf = [&values](const Part &p) {
            if (p.value < 0)
                return p.text;
            return oneLine(values.value(p.value));
        };
        if (c.parts.size() == 1) {
            // One value fills its cell and is cut at its end.
            const Part &p = c.parts.first();
            Item &item = band.text(QRectF(left, top, right - left, height), textOf(p), font,
                                   Qt::AlignLeft | Qt::AlignVCenter, p.field);
            item.masked = p.masked;
            continue;
        }
        qreal x = left;
        for (const Part &p : c.parts) {
            const QString text = textOf(p);
            const qreal w = measure(text);
            Item &item = band.text(QRectF(x, top, qMax<qreal>(0, qMin(w + px(1), right - x)), height), text, font,
                                   Qt::AlignLeft | Qt::AlignVCenter, p.field);
            item.masked = p.masked;
            x = qMin(right, x + w + (c.spaced ? m_blank : 0));
        }
    }
}

Band RowTable::row(int number, const QStringList &values) const
{
    Band band;
    band.height = px(kRowHeight);
    band.items.reserve(48);
    addLine(band, m_line1, number, values, px(2));
    addLine(band, m_line2, number, values, px(2 + kLineHeight));
    const qreal width = m_line1.isEmpty() ? 0 : m_line1.last().cell.left + m_line1.last().cell.width;
    band.rule(QPointF(0, px(kRowHeight - 1)), QPointF(width, px(kRowHeight - 1)), px(0.5));
    return band;
}

Band RowTable::summary(qreal width, int count, const QString &unit)
{
    Band band;
    band.height = px(kSummaryHeight);
    band.rule(QPointF(0, px(2)), QPointF(width, px(2)));
    const FontSpec font = arial(12, true);
    const QString number = QString::number(count);
    const qreal blank = sheet::textWidth(QStringLiteral(" "), font);
    qreal x = width - px(200);
    auto put = [&](const QString &text, const QString &field) {
        const qreal w = sheet::textWidth(text, font);
        band.text(QRectF(x, px(6), w + px(1), px(18)), text, font, Qt::AlignLeft | Qt::AlignVCenter, field);
        x += w + blank;
    };
    put(QStringLiteral("TOTAL:"), QStringLiteral("totalLabel"));
    put(number, QStringLiteral("total"));
    put(unit, QStringLiteral("totalUnit"));
    band.rule(QPointF(0, px(kSummaryHeight - 2)), QPointF(width, px(kSummaryHeight - 2)));
    return band;
}
