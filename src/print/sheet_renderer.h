#pragma once
// Draws the pages of a sheet. The preview, the printer and PDF files all go through paintPage, so
// they show the same items in the same places.

#include "print/sheet.h"

class QPainter;
class QPrinter;

namespace sheet {

// Paints one page on a painter whose device's origin is the paper's top-left corner.
void paintPage(QPainter &painter, const Page &page);

// Sets a printer up for the document: its paper and orientation, drawing on the whole sheet.
void preparePrinter(const Document &doc, QPrinter *printer);
// Prints every page on a printer that is set up; false when it cannot be painted on.
bool paintDocument(const Document &doc, QPrinter *printer);
// Both of the above.
bool printDocument(const Document &doc, QPrinter *printer);

// Writes the document as a PDF file; false (and `error` filled in Korean) when it cannot be written.
bool writePdf(const Document &doc, const QString &file, QString *error = nullptr);

} // namespace sheet
