#pragma once
// Type on sheets. Text is measured and drawn in one reference space of 1200 dots per inch with fonts
// sized in those dots, so a line breaks at the same word in the layout, the preview, on paper and in
// a PDF file; the renderers only scale that space onto their device.

#include "print/sheet.h"

#include <QFont>
#include <memory>

class QTextDocument;

namespace sheet {

inline constexpr qreal kDotsPerInch = 1200;
inline constexpr qreal kDotsPerMm = kDotsPerInch / kMmPerInch;

// The installed font for a sheet font, sized in reference dots.
QFont referenceFont(const FontSpec &font);
// Millimetres that `text` takes on one line, and the height of one line.
qreal textWidth(const QString &text, const FontSpec &font);
qreal lineHeight(const FontSpec &font);

// A rich-text item laid out at its rectangle's width, in reference dots.
std::unique_ptr<QTextDocument> richDocument(const Item &item);

struct RichTextLines {
    qreal height = 0;         // millimetres the whole text takes
    QList<qreal> lineBottoms; // where each line ends, millimetres from the top, in order
};
RichTextLines measureRichText(const Item &item);

} // namespace sheet
