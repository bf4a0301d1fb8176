#include "print/list_print.h"

#include "data/data_module.h"
#include "listings/kind_flags.h"
#include "print/sheet_layout.h"
#include "print/sheet_rules.h"
#include "print/sheet_text.h"

#include <algorithm>

using sheet::Band;
using sheet::FontSpec;
using sheet::px;

namespace {

// The design, in pixels of the 718-pixel-wide page.
constexpr qreal kWidth = 718;
constexpr qreal kTitleHeight = 64;
constexpr qreal kPageLineHeight = 18;
// Listings read from the listing table per statement, for the columns the list does not select.
constexpr int kIdsPerStatement = 500;

FontSpec arial(qreal pixels, bool bold = false)
{
    return FontSpec{QStringLiteral("Arial"), sheet::pointsOfPixels(pixels), bold};
}

QRectF pxRect(qreal x, qreal y, qreal w, qreal h)
{
    return QRectF(px(x), px(y), px(w), px(h));
}

} // namespace

ListPrint::ListPrint(const ListPrintSpec &spec) : m_spec(spec) {}

TableRows ListPrint::read(SqlQuery &query, const QStringList &columns)
{
    TableRows rows = TableRows::read(query, columns + QStringList{QStringLiteral("Id_seq")});
    rows.columns.removeLast();
    QList<qint64> ids;
    for (QStringList &values : rows.values)
        ids << values.takeLast().toLongLong();

    QStringList missing;
    for (const QString &c : columns)
        // Only real columns of the listing table can be read for the rows afterwards.
        if (!query.hasField(c) && mamulRecord::indexOf(c) >= 0)
            missing << c;
    if (missing.isEmpty() || rows.count() == 0 || !query.hasField(QStringLiteral("Id_seq")))
        return rows;

    QList<qint64> wanted = ids;
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    QHash<qint64, QStringList> extra;
    for (qsizetype from = 0; from < wanted.size(); from += kIdsPerStatement) {
        QStringList list;
        for (qsizetype i = from; i < qMin(wanted.size(), from + kIdsPerStatement); ++i)
            list << QString::number(wanted.at(i));
        SqlQuery q(QStringLiteral("qry_list_extra"));
        q.setSql(QStringLiteral("select Id_seq, %1 from mamul_table.db where Id_seq in (%2)")
                     .arg(missing.join(QStringLiteral(", ")), list.join(QLatin1Char(','))));
        q.open();
        for (; !q.eof(); q.next()) {
            QStringList values;
            for (const QString &c : missing)
                values << q.fieldByName(c).asString();
            extra.insert(q.fieldByName(QStringLiteral("Id_seq")).asInteger(), values);
        }
        q.close();
    }
    QList<int> targets;
    for (const QString &c : missing)
        targets << rows.indexOf(c);
    for (int r = 0; r < rows.count(); ++r) {
        const auto it = extra.constFind(ids.at(r));
        if (it == extra.constEnd())
            continue;
        for (int i = 0; i < targets.size(); ++i)
            rows.values[r][targets.at(i)] = it->at(i);
    }
    return rows;
}

sheet::Document ListPrint::build() const
{
    return build(read(dataModule()->qry_mamul, m_spec.columns()), kindFlags(m_spec.window).ShowSecret);
}

sheet::Document ListPrint::build(const TableRows &rows, const QString &showSecret) const
{
    const RowTable table(m_spec.line1, m_spec.line2, px(kWidth), rows.columns,
                         sheet::masksSecrets(showSecret) ? m_spec.masks : QHash<QString, QString>());

    sheet::Document settings;
    settings.name = m_spec.name;
    settings.caption = m_spec.title;
    settings.pageSize = QPageSize(QPageSize::A4);
    settings.orientation = QPageLayout::Portrait;
    settings.margins = QMarginsF(10, 10, 10, 10);
    sheet::SheetLayout layout(settings);

    // Title, first page only: the title in a circle, the date of printing at the right.
    Band title;
    title.height = px(kTitleHeight);
    const FontSpec titleFont = arial(27, true);
    const qreal circleWidth = qMin(px(kWidth - 260), sheet::textWidth(m_spec.title, titleFont) + px(90));
    const QRectF circle((px(kWidth) - circleWidth) / 2, px(4), circleWidth, px(54));
    title.circle(circle, px(2));
    title.text(circle, m_spec.title, titleFont, Qt::AlignCenter, QStringLiteral("title"));
    title
        .system(pxRect(kWidth - 120, 40, 120, 18), sheet::SystemText::PrintDate, arial(11, true),
                Qt::AlignRight | Qt::AlignVCenter)
        .field = QStringLiteral("printDate");
    layout.setTitle(title);

    // Column header, every page: the page number at the top right, then both header lines between
    // two rules.
    Band header;
    const qreal headerTop = kPageLineHeight + 3;
    header.height = px(headerTop + RowTable::kHeaderLinesHeight + 3);
    header.text(pxRect(kWidth - 150, 0, 100, kPageLineHeight), QStringLiteral("페이지:"), RowTable::headerFont(),
                Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("pageLabel"));
    header
        .system(pxRect(kWidth - 48, 0, 48, kPageLineHeight), sheet::SystemText::PageNumber, RowTable::headerFont(),
                Qt::AlignLeft | Qt::AlignVCenter)
        .field = QStringLiteral("page");
    header.rule(QPointF(0, px(headerTop - 1)), QPointF(px(kWidth), px(headerTop - 1)));
    table.addHeaders(header, px(headerTop));
    header.rule(QPointF(0, header.height - px(1)), QPointF(px(kWidth), header.height - px(1)));
    layout.setColumnHeader(header);

    for (int r = 0; r < rows.count(); ++r)
        layout.addDetail(table.row(r + 1, rows.values.at(r)));
    layout.setSummary(RowTable::summary(px(kWidth), rows.count(), QStringLiteral("개")));
    return layout.layout();
}
