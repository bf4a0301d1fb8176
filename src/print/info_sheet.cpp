#include "print/info_sheet.h"

#include "data/data_module.h"
#include "print/sheet_layout.h"
#include "print/sheet_text.h"

using sheet::Band;
using sheet::FontSpec;
using sheet::px;

namespace {

// A piece of a line as it prints.
struct Run {
    QString text;
    QString field;
    qreal gapAfter = 0; // design pixels at the line's design size
};

struct Line {
    QList<Run> runs;
    qreal pixels = 0; // design type height
    bool underline = false;
    bool content = false; // one of the lines after the notice (the watermark lies across these)
    FontSpec font;        // as it prints, once fitted
    qreal height = 0, width = 0;
};

bool forKind(const QStringList &kinds, const QStringList &notKinds, const QString &kind)
{
    if (!kinds.isEmpty() && !kinds.contains(kind))
        return false;
    return !notKinds.contains(kind);
}

QList<Run> runsOf(const QList<InfoPart> &parts, const InfoSheet::Values &values, const QString &kind,
                  const QString &textField)
{
    QList<Run> out;
    for (const InfoPart &p : parts) {
        if (!forKind(p.kinds, p.notKinds, kind))
            continue;
        bool hidden = false;
        for (const QString &column : p.unlessEmpty)
            hidden = hidden || values(column).isEmpty();
        if (hidden)
            continue;
        if (p.column.isEmpty()) {
            out << Run{p.text, textField};
            continue;
        }
        const QString value = values(p.column);
        out << Run{p.replace.value(value, value), p.column};
    }
    // Blanks that stood between a hidden part and its neighbour would only push the line off centre.
    int first = -1, last = -1;
    for (int i = 0; i < out.size(); ++i)
        if (!out.at(i).text.trimmed().isEmpty()) {
            if (first < 0)
                first = i;
            last = i;
        }
    if (first >= 0 && out.at(first).field == textField) {
        QString &text = out[first].text;
        while (text.startsWith(QLatin1Char(' ')))
            text.remove(0, 1);
    }
    if (last >= 0 && out.at(last).field == textField) {
        QString &text = out[last].text;
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
    }
    return out;
}

qreal widthOf(const Line &line, const FontSpec &font, qreal scale)
{
    qreal w = 0;
    for (const Run &r : line.runs)
        w += sheet::textWidth(r.text, font) + px(r.gapAfter) * scale;
    return w;
}

} // namespace

InfoSheet::InfoSheet(const InfoSheetSpec &spec) : m_spec(spec) {}

bool InfoSheet::printsNotice(const QString &objState)
{
    return infosheets::model().noticeStates.contains(objState);
}

sheet::Document InfoSheet::build() const
{
    SqlQuery &query = dataModule()->qry_prt_mamul;
    const Values values = [&query](const QString &column) { return query.fieldByName(column).asString(); };
    return build(values, sheet::Watermark::ofOffice(m_spec.logoSize));
}

sheet::Document InfoSheet::build(const Values &values, const sheet::Watermark &watermark) const
{
    const InfoSheetModel &model = infosheets::model();
    const QString kind = values(QStringLiteral("Obj_kind"));

    QList<Line> lines;
    auto addLine = [&lines](QList<Run> runs, qreal pixels, bool content, bool underline = false) {
        Line l;
        l.runs = std::move(runs);
        l.pixels = pixels;
        l.content = content;
        l.underline = underline;
        lines << l;
    };
    addLine(runsOf(m_spec.title, values, kind, QStringLiteral("title")), model.title, false);

    QList<Run> address{{values(QStringLiteral("Add_city")), QStringLiteral("Add_city"), 15},
                       {values(QStringLiteral("Add_district")), QStringLiteral("Add_district"), 15}};
    if (m_spec.town && !m_spec.noTownKinds.contains(kind))
        address << Run{values(QStringLiteral("Add_town")), QStringLiteral("Add_town")};
    else
        address.last().gapAfter = 0;
    addLine(address, model.address, false);

    // The notice: only urgent and recommended listings; for the rest the line stays, empty, so that
    // the poster keeps its shape.
    const QString state = values(QStringLiteral("Obj_state"));
    const bool notice = printsNotice(state);
    const QString mark = notice ? QStringLiteral("※") : QString();
    addLine({{mark, QStringLiteral("notice"), 20},
             {notice ? state : QString(), QStringLiteral("Obj_state"), 20},
             {mark, QStringLiteral("notice")}},
            model.notice, false);

    for (const InfoLine &l : m_spec.lines) {
        if (!forKind(l.kinds, l.notKinds, kind))
            continue;
        switch (l.style) {
        case InfoLineStyle::Content:
            addLine(runsOf(l.parts, values, kind, QString()), model.content, true);
            break;
        case InfoLineStyle::MoneyHeading:
            addLine(runsOf(l.parts, values, kind, QString()), model.moneyHeading, true, true);
            break;
        case InfoLineStyle::Money:
            addLine(runsOf(l.parts, values, kind, QString()), model.money, true);
            break;
        }
    }

    // Everything is printed at its design size where it fits. A poster with more lines than the page
    // holds closes up as a whole; a line too wide for the page (a long building name) gets smaller
    // type of its own.
    const qreal bandWidth = px(model.width), bandHeight = px(model.height);
    const qreal inset = px(10);
    qreal natural = 0;
    for (Line &l : lines) {
        l.font = FontSpec{model.face, sheet::pointsOfPixels(l.pixels), true};
        l.font.underline = l.underline;
        natural += sheet::lineHeight(l.font);
    }
    const qreal upright = natural > bandHeight - 2 * inset ? (bandHeight - 2 * inset) / natural * 0.995 : 1.0;
    qreal used = 0;
    for (Line &l : lines) {
        qreal scale = upright;
        l.font.points = sheet::pointsOfPixels(l.pixels) * scale;
        l.width = widthOf(l, l.font, scale);
        if (l.width > bandWidth - 2 * inset) {
            // Type is drawn at whole reference dots, so aim a little under the room there is.
            scale *= (bandWidth - 2 * inset) / l.width * 0.995;
            l.font.points = sheet::pointsOfPixels(l.pixels) * scale;
            l.width = widthOf(l, l.font, scale);
        }
        l.height = sheet::lineHeight(l.font);
        used += l.height;
        // Gaps between runs scale with the type.
        for (Run &r : l.runs)
            r.gapAfter *= scale;
    }
    const qreal gap = qMax<qreal>(0, (bandHeight - 2 * inset - used) / (lines.size() + 1));

    Band content;
    content.frame(QRectF(0, 0, bandWidth, bandHeight), px(2));
    QList<QRectF> contentRects;
    qreal y = inset + gap;
    for (const Line &l : lines) {
        qreal x = (bandWidth - l.width) / 2;
        for (const Run &r : l.runs) {
            const qreal w = sheet::textWidth(r.text, l.font);
            // A hair of room so that rounding never clips the last glyph.
            content.text(QRectF(x, y, qMin(w + px(1), bandWidth - inset - x), l.height), r.text, l.font,
                         Qt::AlignLeft | Qt::AlignVCenter, r.field);
            x += w + px(r.gapAfter);
        }
        if (l.content)
            contentRects << QRectF(0, y, bandWidth, l.height);
        y += l.height + gap;
    }

    // The logo and the phone lie pale behind the lines: they come first so everything prints over them.
    Band band;
    band.height = bandHeight;
    auto across = [&](int line, qreal width, qreal height) {
        const qreal centre = contentRects.isEmpty()
                                 ? bandHeight / 2
                                 : contentRects.at(qBound(0, line, int(contentRects.size()) - 1)).center().y();
        const qreal top = qBound<qreal>(0, centre - px(height) / 2, bandHeight - px(height));
        return QRectF((bandWidth - px(width)) / 2, top, px(width), px(height));
    };
    watermark.addTo(band, across(model.logoLine, model.logoWidth, model.logoHeight),
                    across(model.logoTelLine, model.logoTelWidth, model.logoTelHeight));
    band.items += content.items;

    sheet::Document doc;
    doc.name = m_spec.name;
    doc.caption = m_spec.caption;
    doc.pageSize = QPageSize(QPageSize::A4);
    doc.orientation = QPageLayout::Portrait;
    doc.margins = QMarginsF(model.margins, model.margins, model.margins, model.margins);
    sheet::SheetLayout layout(doc);
    layout.setTitle(band);
    return layout.layout();
}
