#include "print/sheet_preview.h"

#include "print/sheet_renderer.h"
#include "ui/seams.h"

#include <QAction>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>

namespace sheet {

SheetPreview::SheetPreview(const Document &doc, QPrinter *printer, QWidget *parent)
    : QPrintPreviewDialog(printer, parent), m_doc(doc)
{
    setObjectName(doc.name);
    setWindowTitle(doc.caption.isEmpty() ? doc.name : doc.caption);
    preparePrinter(m_doc, printer);
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { paintDocument(m_doc, target); });

    m_savePdf = new QAction(QStringLiteral("PDF로 저장"), this);
    m_savePdf->setObjectName(QStringLiteral("savePdf"));
    m_savePdf->setToolTip(QStringLiteral("PDF로 저장"));
    connect(m_savePdf, &QAction::triggered, this, [this] { savePdf(); });
    if (QToolBar *bar = findChild<QToolBar *>()) {
        bar->addSeparator();
        bar->addAction(m_savePdf);
    } else {
        addAction(m_savePdf);
    }
    resize(900, 1000);
}

bool SheetPreview::savePdf()
{
    QString file = seams::dialogs().chooseSaveFile(QStringLiteral("PDF 파일 (*.pdf)"));
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    QString error;
    if (!writePdf(m_doc, file, &error)) {
        seams::dialogs().inform(error);
        return false;
    }
    return true;
}

void showPreview(const Document &doc, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    SheetPreview preview(doc, &printer, parent);
    seams::modal().run(&preview);
}

bool printDirect(const Document &doc)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        seams::dialogs().inform(QStringLiteral("사용할 수 있는 프린터가 없습니다."));
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid() || !printDocument(doc, &printer)) {
        seams::dialogs().inform(QStringLiteral("프린터로 출력할 수 없습니다 : %1").arg(printer.printerName()));
        return false;
    }
    return true;
}

} // namespace sheet
