#pragma once
// The print preview of a sheet: the pages as they will print, with the preview's own print command
// and "PDF로 저장", which writes the same pages into a PDF file the user names.

#include "print/sheet.h"

#include <QPrintPreviewDialog>

class QAction;

namespace sheet {

class SheetPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // `printer` must outlive the preview; it is set up for the document here.
    SheetPreview(const Document &doc, QPrinter *printer, QWidget *parent = nullptr);

    const Document &document() const { return m_doc; }
    QAction *savePdfAction() const { return m_savePdf; }

    // Asks for a file and writes the sheet into it as PDF. False when the user cancels or the file
    // cannot be written (the user is told).
    bool savePdf();

private:
    Document m_doc;
    QAction *m_savePdf = nullptr;
};

// Shows the sheet's print preview modally (the object name of the window is the sheet's name).
void showPreview(const Document &doc, QWidget *parent);

// Prints the sheet at once on the default printer, without a preview. False, after telling the user,
// when there is no printer to print on.
bool printDirect(const Document &doc);

} // namespace sheet
