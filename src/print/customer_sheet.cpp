#include "print/customer_sheet.h"

#include "data/data_module.h"
#include "print/sheet_layout.h"
#include "print/sheet_text.h"

using sheet::Band;
using sheet::FontSpec;
using sheet::Item;
using sheet::px;

namespace customersheet {

namespace {

// The design, in pixels of the 718 × 1047-pixel page inside its margins.
constexpr qreal kWidth = 718;
constexpr qreal kPageHeight = 1047;
constexpr qreal kHeadingHeight = 22;
constexpr qreal kLineHeight = 26;
constexpr qreal kSectionGap = 8;
constexpr qreal kInset = 8;
constexpr qreal kCellGap = 6;

FontSpec arial(qreal pixels, bool bold = false)
{
    return FontSpec{QStringLiteral("Arial"), sheet::pointsOfPixels(pixels), bold};
}

QRectF pxRect(qreal x, qreal y, qreal w, qreal h)
{
    return QRectF(px(x), px(y), px(w), px(h));
}

struct Field {
    const char *label;
    const char *column;
    int line, cell, span;
};

struct Section {
    const char *heading;
    int cells; // per line
    QList<Field> fields;
};

const QList<Section> &sections()
{
    static const QList<Section> all = {
        {"[개인정보]",
         3,
         {{"이    름 : ", "Cname", 0, 0, 1},
          {"회    사 : ", "Ccompany", 0, 1, 2},
          {"관    계 : ", "Cgwange", 1, 0, 1},
          {"직    책 : ", "Cgikchek", 1, 1, 1},
          {"회사전화 : ", "Cophone", 1, 2, 1},
          {"전    화 : ", "Cphone", 2, 0, 1},
          {"부    서 : ", "Cbuseo", 2, 1, 1},
          {" F  A  X : ", "Cfax", 2, 2, 1},
          {"핸 드  폰 : ", "Chandphone", 3, 0, 3},
          {"주    소 : ", "Caddr", 4, 0, 3},
          // The e-mail the customer window takes is stored in OEmail.
          {"이 메 일 : ", "Oemail", 5, 0, 3},
          {"홈페이지 : ", "Chomepage", 6, 0, 3}}},
        {"[주거형태]",
         2,
         {{"주거형태 : ", "Cliving_type", 0, 0, 1},
          {"집 주 인  : ", "Oname", 0, 1, 1},
          {"건물/이름 : ", "Cbld_type", 1, 0, 1},
          {"주인전화 : ", "Ophone", 1, 1, 1},
          {"입 주 일 : ", "Cmove_into_date", 2, 0, 1},
          {"주인핸드폰 : ", "Ohandphone", 2, 1, 1},
          {"이 사 일 : ", "Cmove_out_date", 3, 0, 1}}},
    };
    return all;
}

} // namespace

sheet::Document build(const Values &values, const sheet::Watermark &watermark)
{
    const FontSpec headingFont = arial(16, true), labelFont = arial(15, true), valueFont = arial(15);

    Band content;
    // The framed heading.
    const FontSpec titleFont = arial(27, true);
    const QString titleText = QStringLiteral("고객상세정보");
    const qreal titleWidth = sheet::textWidth(titleText, titleFont) + px(100);
    const QRectF titleBox((px(kWidth) - titleWidth) / 2, px(4), titleWidth, px(50));
    content.frame(titleBox, px(2));
    content.text(titleBox, titleText, titleFont, Qt::AlignCenter, QStringLiteral("title"));

    qreal y = 66;
    for (const Section &s : sections()) {
        int lines = 0;
        for (const Field &f : s.fields)
            lines = qMax(lines, f.line + 1);
        const qreal height = kHeadingHeight + lines * kLineHeight + 6;
        content.frame(pxRect(0, y, kWidth, height));
        content.text(pxRect(6, y + 1, kWidth - 12, kHeadingHeight), QString::fromUtf8(s.heading), headingFont);
        const qreal cellWidth = (kWidth - 2 * kInset) / s.cells;
        for (const Field &f : s.fields) {
            const QRectF cell = pxRect(kInset + f.cell * cellWidth, y + kHeadingHeight + f.line * kLineHeight,
                                       f.span * cellWidth - kCellGap, kLineHeight);
            const QString label = QString::fromUtf8(f.label);
            const qreal labelWidth = qMin(sheet::textWidth(label, labelFont) + px(1), cell.width());
            content.text(QRectF(cell.left(), cell.top(), labelWidth, cell.height()), label, labelFont);
            // What does not fit is cut at the end of its cell.
            const QString column = QString::fromLatin1(f.column);
            content.text(QRectF(cell.left() + labelWidth, cell.top(), cell.width() - labelWidth, cell.height()),
                         values(column), valueFont, Qt::AlignLeft | Qt::AlignVCenter, column);
        }
        y += height + kSectionGap;
    }

    // The logo across the middle of the page and the phone lower down, pale and behind everything.
    Band title;
    title.height = px(y);
    const QRectF logo = pxRect((kWidth - 714) / 2, kPageHeight / 2 - 94, 714, 188);
    const QRectF phone = pxRect((kWidth - 719) / 2, kPageHeight * 3 / 4 - 44, 719, 88);
    watermark.addTo(title, logo, phone);
    title.items += content.items;

    // The memo fills the rest of the page and grows onto the next ones with a long text.
    Band memo;
    const qreal memoHeight = kPageHeight - y - 2;
    memo.height = px(memoHeight);
    Item &frame = memo.frame(pxRect(0, 0, kWidth, memoHeight));
    frame.stretches = true;
    memo.text(pxRect(6, 1, kWidth - 12, kHeadingHeight), QStringLiteral("[메모]"), headingFont);
    memo.richText(pxRect(8, kHeadingHeight + 2, kWidth - 16, memoHeight - kHeadingHeight - 8),
                  values(QStringLiteral("Cmemo")), arial(15), true, QStringLiteral("Cmemo"));

    sheet::Document doc;
    doc.name = kName;
    doc.caption = kCaption;
    doc.pageSize = QPageSize(QPageSize::A4);
    doc.orientation = QPageLayout::Portrait;
    doc.margins = QMarginsF(10, 10, 10, 10);
    sheet::SheetLayout layout(doc);
    layout.setTitle(title);
    layout.addDetail(memo);
    return layout.layout();
}

sheet::Document buildAndRestore()
{
    SqlQuery &query = dataModule()->qry_prt_mamul;
    struct Restore {
        SqlQuery &q;
        ~Restore()
        {
            q.close();
            q.setSql(kListingStatement);
        }
    } restore{query};
    sheet::Watermark watermark = sheet::Watermark::ofOffice(52);
    watermark.colour = kWatermarkColour;
    return build([&query](const QString &column) { return query.fieldByName(column).asString(); }, watermark);
}

} // namespace customersheet
