#include "print/sheet_text.h"

#include "ui/fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

namespace sheet {

QFont referenceFont(const FontSpec &spec)
{
    QFont f = fonts::font(spec.face, 10, spec.bold);
    f.setPixelSize(qMax(1, qRound(spec.points * kDotsPerInch / 72.0)));
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    // Hinting at these sizes would only move glyphs by fractions of a dot, and widths must scale
    // exactly from the layout to every device.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

qreal textWidth(const QString &text, const FontSpec &font)
{
    return QFontMetricsF(referenceFont(font)).horizontalAdvance(text) / kDotsPerMm;
}

qreal lineHeight(const FontSpec &font)
{
    return QFontMetricsF(referenceFont(font)).height() / kDotsPerMm;
}

std::unique_ptr<QTextDocument> richDocument(const Item &item)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDocumentMargin(0);
    doc->setDefaultFont(referenceFont(item.font));
    doc->setUndoRedoEnabled(false);
    if (item.html)
        doc->setHtml(item.text);
    else
        doc->setPlainText(item.text);
    doc->setTextWidth(item.rect.width() * kDotsPerMm);
    return doc;
}

RichTextLines measureRichText(const Item &item)
{
    RichTextLines out;
    auto doc = richDocument(item);
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QRectF blockRect = layout->blockBoundingRect(block);
        const QTextLayout *lines = block.layout();
        for (int i = 0; lines && i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            out.lineBottoms << (blockRect.top() + line.y() + line.height()) / kDotsPerMm;
        }
    }
    out.height = doc->size().height() / kDotsPerMm;
    return out;
}

} // namespace sheet
