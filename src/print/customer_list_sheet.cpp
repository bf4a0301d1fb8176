#include "print/customer_list_sheet.h"

#include "data/data_module.h"
#include "print/sheet_layout.h"
#include "print/sheet_text.h"

using sheet::Band;
using sheet::FontSpec;
using sheet::px;

namespace customerlist {

namespace {

// The design, in pixels of the landscape page inside its margins (277 mm, a hair under 1047 pixels).
constexpr qreal kWidth = 1046;
constexpr qreal kTitleHeight = 60;

FontSpec arial(qreal pixels, bool bold = false)
{
    return FontSpec{QStringLiteral("Arial"), sheet::pointsOfPixels(pixels), bold};
}

QRectF pxRect(qreal x, qreal y, qreal w, qreal h)
{
    return QRectF(px(x), px(y), px(w), px(h));
}

// A column of the roster: its header, its columns with "/" between them, its design width.
ListPrintColumn column(const QString &header, const QStringList &fields, qreal width)
{
    ListPrintColumn c;
    c.header = header;
    c.key = fields.isEmpty() ? QStringLiteral("#") : fields.join(QLatin1Char('/'));
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            c.parts << SheetPart{QString(), QStringLiteral("/")};
        c.parts << SheetPart{fields.at(i), QString()};
    }
    c.width = width;
    return c;
}

} // namespace

const QList<ListPrintColumn> &line1()
{
    static const QList<ListPrintColumn> line = {
        column(QStringLiteral("번호"), {}, 36),
        column(QStringLiteral("성명"), {QStringLiteral("Cname")}, 90),
        column(QStringLiteral("관계"), {QStringLiteral("Cgwange")}, 60),
        column(QStringLiteral("주소"), {QStringLiteral("Caddr")}, 360),
        column(QStringLiteral("전화/핸드폰/FAX"),
               {QStringLiteral("Cphone"), QStringLiteral("Chandphone"), QStringLiteral("Cfax")}, 290),
        column(QStringLiteral("건물/이름"), {QStringLiteral("Cbld_type")}, 120),
        column(QStringLiteral("주거형태"), {QStringLiteral("Cliving_type")}, 90),
    };
    return line;
}

const QList<ListPrintColumn> &line2()
{
    static const QList<ListPrintColumn> line = {
        column(QStringLiteral("회사/부서"), {QStringLiteral("Ccompany"), QStringLiteral("Cbuseo")}, 170),
        column(QStringLiteral("직책"), {QStringLiteral("Cgikchek")}, 70),
        column(QStringLiteral("입주일/이사일"), {QStringLiteral("Cmove_into_date"), QStringLiteral("Cmove_out_date")},
               150),
        column(QStringLiteral("홈페이지"), {QStringLiteral("Chomepage")}, 140),
        // The e-mail the customer window takes is stored in OEmail; Cemail is the landlord's.
        column(QStringLiteral("이메일"), {QStringLiteral("Oemail")}, 130),
        column(QStringLiteral("집주인"), {QStringLiteral("Oname")}, 70),
        column(QStringLiteral("주인전화/주인핸드폰"), {QStringLiteral("Ophone"), QStringLiteral("Ohandphone")}, 170),
        column(QStringLiteral("집주인E-mail"), {QStringLiteral("Cemail")}, 110),
    };
    return line;
}

QStringList columns()
{
    QStringList out;
    for (const ListPrintColumn &c : line1() + line2())
        out << c.columns();
    return out;
}

sheet::Document build(const TableRows &rows)
{
    const RowTable table(line1(), line2(), px(kWidth), rows.columns, {});

    sheet::Document settings;
    settings.name = kName;
    settings.caption = kTitle;
    settings.pageSize = QPageSize(QPageSize::A4);
    settings.orientation = QPageLayout::Landscape;
    settings.margins = QMarginsF(10, 10, 10, 10);
    sheet::SheetLayout layout(settings);

    // Title, first page: the roster's name in the middle, the date and the page number at the right.
    Band title;
    title.height = px(kTitleHeight);
    title.text(pxRect(0, 4, kWidth, 48), kTitle, arial(37, true), Qt::AlignCenter, QStringLiteral("title"));
    title
        .system(pxRect(kWidth - 160, 8, 160, 18), sheet::SystemText::PrintDate, arial(12, true),
                Qt::AlignRight | Qt::AlignVCenter)
        .field = QStringLiteral("printDate");
    title.text(pxRect(kWidth - 160, 30, 110, 18), QStringLiteral("페이지:"), arial(12, true),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("pageLabel"));
    title
        .system(pxRect(kWidth - 48, 30, 48, 18), sheet::SystemText::PageNumber, arial(12, true),
                Qt::AlignLeft | Qt::AlignVCenter)
        .field = QStringLiteral("page");
    layout.setTitle(title);

    // Column header, every page: both header lines between two rules.
    Band header;
    header.height = px(RowTable::kHeaderLinesHeight + 6);
    header.rule(QPointF(0, px(1)), QPointF(px(kWidth), px(1)));
    table.addHeaders(header, px(3));
    header.rule(QPointF(0, header.height - px(1)), QPointF(px(kWidth), header.height - px(1)));
    layout.setColumnHeader(header);

    for (int r = 0; r < rows.count(); ++r)
        layout.addDetail(table.row(r + 1, rows.values.at(r)));
    layout.setSummary(RowTable::summary(px(kWidth), rows.count(), QStringLiteral("명")));
    return layout.layout();
}

sheet::Document build()
{
    return build(TableRows::read(dataModule()->qry_cust, columns()));
}

} // namespace customerlist
