#include "print/sheet_layout.h"

#include "print/sheet_text.h"
#include "ui/seams.h"

namespace sheet {

namespace {

constexpr qreal kEpsilon = 0.01; // millimetres; rounding of sums must not push a band onto the next page

bool isEmpty(const Band &band)
{
    return band.height <= 0 && band.items.isEmpty();
}

int growingText(const Band &band)
{
    for (int i = 0; i < band.items.size(); ++i)
        if (band.items.at(i).kind == ItemKind::RichText && band.items.at(i).grows)
            return i;
    return -1;
}

} // namespace

SheetLayout::SheetLayout(const Document &settings) : m_settings(settings)
{
    m_settings.pages.clear();
    m_printed = seams::clock().today();
}

void SheetLayout::setPrintDate(const QDate &date, const QString &format)
{
    m_printed = date;
    m_dateFormat = format;
}

Band SheetLayout::grown(const Band &band)
{
    Band out = band;
    qreal growth = 0;
    for (Item &item : out.items) {
        if (item.kind != ItemKind::RichText || !item.grows)
            continue;
        const qreal need = measureRichText(item).height - item.textOffset;
        if (need > item.rect.height()) {
            growth = qMax(growth, need - item.rect.height());
            item.rect.setHeight(need);
        }
    }
    if (growth > 0)
        for (Item &item : out.items)
            if (item.stretches)
                item.rect.setHeight(item.rect.height() + growth);
    out.height += growth;
    return out;
}

Document SheetLayout::layout() const
{
    Document doc = m_settings;
    const QRectF area = doc.printableRect();
    const Band header = grown(m_pageHeader);
    const Band columnHeader = grown(m_columnHeader);
    const Band footer = grown(m_pageFooter);
    const qreal bottom = area.bottom() - footer.height;
    const qreal freshTop = area.top() + header.height + columnHeader.height;

    qreal y = area.top();
    qreal bodyTop = y;
    auto place = [&](const Band &band, qreal at) {
        for (Item item : band.items) {
            item.rect.translate(area.left(), at);
            doc.pages.last().items << item;
        }
    };
    auto startPage = [&] {
        const bool first = doc.pages.isEmpty();
        doc.pages << Page{};
        place(footer, bottom);
        y = area.top();
        place(header, y);
        y += header.height;
        if (first && !isEmpty(m_title)) {
            const Band title = grown(m_title);
            place(title, y);
            y += title.height;
        }
        place(columnHeader, y);
        y += columnHeader.height;
        bodyTop = y;
    };
    startPage();

    QList<Band> flow = m_details;
    if (!isEmpty(m_summary))
        flow << m_summary;
    for (const Band &designed : flow) {
        Band band = grown(designed);
        for (;;) {
            const bool pageEmpty = y <= bodyTop + kEpsilon;
            if (band.height <= bottom - y + kEpsilon) {
                place(band, y);
                y += band.height;
                break;
            }
            const int grows = growingText(band);
            // What a band needs besides its growing text must fit where it starts.
            const bool fitsFreshPage = band.height <= bottom - freshTop + kEpsilon;
            if (!pageEmpty && (grows < 0 || fitsFreshPage || designed.height > bottom - y + kEpsilon)) {
                startPage();
                continue;
            }
            if (grows < 0) {
                // Taller than a whole page and nothing to break: it prints cut at the page's end.
                place(band, y);
                y += band.height;
                break;
            }
            // Break the growing text after the last line that fits on this page.
            const Item &text = band.items.at(grows);
            const RichTextLines lines = measureRichText(text);
            const qreal room = bottom - y - text.rect.top();
            qreal cut = -1, firstLine = -1;
            for (qreal lineBottom : lines.lineBottoms) {
                if (lineBottom <= text.textOffset + kEpsilon)
                    continue;
                if (firstLine < 0)
                    firstLine = lineBottom;
                if (lineBottom - text.textOffset > room + kEpsilon)
                    break;
                cut = lineBottom;
            }
            if (cut < 0) {
                if (!pageEmpty) {
                    startPage();
                    continue;
                }
                if (firstLine < 0) {
                    place(band, y);
                    y += band.height;
                    break;
                }
                // Not one line fits even on an empty page: print it cut rather than never end.
                cut = firstLine;
            }
            Band part = band;
            part.items[grows].rect.setHeight(cut - text.textOffset);
            part.height = bottom - y;
            for (Item &item : part.items)
                if (item.stretches && item.rect.bottom() > part.height)
                    item.rect.setBottom(part.height);
            place(part, y);
            Band rest;
            Item more = text;
            more.textOffset = cut;
            more.rect.moveTop(0);
            more.rect.setHeight(qMax<qreal>(0, lines.height - cut));
            rest.items << more;
            rest.height = more.rect.height();
            band = rest;
            startPage();
        }
    }

    const int count = int(doc.pages.size());
    for (int p = 0; p < count; ++p) {
        for (Item &item : doc.pages[p].items) {
            const QString pattern = item.systemFormat.isEmpty() ? QStringLiteral("%1") : item.systemFormat;
            switch (item.system) {
            case SystemText::PageNumber:
                item.text = pattern.arg(p + 1);
                break;
            case SystemText::PageCount:
                item.text = pattern.arg(count);
                break;
            case SystemText::PrintDate:
                item.text = m_printed.toString(item.systemFormat.isEmpty() ? m_dateFormat : item.systemFormat);
                break;
            case SystemText::None:
                break;
            }
        }
    }
    return doc;
}

} // namespace sheet
