#include "print/sheet_renderer.h"

#include "print/sheet_text.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

namespace sheet {

namespace {

QRectF dots(const QRectF &mm)
{
    return QRectF(mm.x() * kDotsPerMm, mm.y() * kDotsPerMm, mm.width() * kDotsPerMm, mm.height() * kDotsPerMm);
}

QPen pen(const Item &item)
{
    QPen p(item.color);
    p.setWidthF(qMax<qreal>(item.lineWidth * kDotsPerMm, 1));
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

void paintRichText(QPainter &painter, const Item &item)
{
    auto doc = richDocument(item);
    const QRectF box = dots(item.rect);
    const qreal offset = item.textOffset * kDotsPerMm;
    painter.save();
    painter.translate(box.topLeft());
    painter.setClipRect(QRectF(0, 0, box.width(), box.height()), Qt::IntersectClip);
    painter.translate(0, -offset);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, item.color);
    context.clip = QRectF(0, offset, box.width(), box.height());
    doc->documentLayout()->draw(&painter, context);
    painter.restore();
}

void paintItem(QPainter &painter, const Item &item)
{
    const QRectF box = dots(item.rect);
    switch (item.kind) {
    case ItemKind::Text: {
        if (item.text.isEmpty())
            return;
        painter.setFont(referenceFont(item.font));
        painter.setPen(item.color);
        int flags = int(item.align);
        if (item.wordWrap)
            flags |= Qt::TextWordWrap;
        painter.drawText(box, flags, item.text);
        return;
    }
    case ItemKind::Rule:
        painter.setPen(pen(item));
        painter.drawLine(box.topLeft(), box.bottomRight());
        return;
    case ItemKind::Frame:
        painter.setPen(pen(item));
        painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
        painter.drawRect(box);
        painter.setBrush(Qt::NoBrush);
        return;
    case ItemKind::Circle:
        painter.setPen(pen(item));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(box);
        return;
    case ItemKind::Picture:
        if (!item.picture.isNull())
            painter.drawImage(box, item.picture);
        return;
    case ItemKind::RichText:
        paintRichText(painter, item);
        return;
    }
}

} // namespace

void preparePrinter(const Document &doc, QPrinter *printer)
{
    printer->setFullPage(true);
    printer->setPageSize(doc.pageSize);
    printer->setPageOrientation(doc.orientation);
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer->setDocName(doc.caption.isEmpty() ? doc.name : doc.caption);
}

namespace {

bool paintPages(const Document &doc, QPagedPaintDevice *device, QPainter &painter)
{
    for (int i = 0; i < doc.pages.size(); ++i) {
        if (i > 0 && !device->newPage())
            return false;
        paintPage(painter, doc.pages.at(i));
    }
    return true;
}

} // namespace

void paintPage(QPainter &painter, const Page &page)
{
    const QPaintDevice *device = painter.device();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(device->logicalDpiX() / kDotsPerInch, device->logicalDpiY() / kDotsPerInch);
    for (const Item &item : page.items)
        paintItem(painter, item);
    painter.restore();
}

bool paintDocument(const Document &doc, QPrinter *printer)
{
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const bool ok = paintPages(doc, printer, painter);
    painter.end();
    return ok;
}

bool printDocument(const Document &doc, QPrinter *printer)
{
    preparePrinter(doc, printer);
    return paintDocument(doc, printer);
}

bool writePdf(const Document &doc, const QString &file, QString *error)
{
    auto fail = [&] {
        if (error)
            *error = QStringLiteral("PDF 파일을 저장할 수 없습니다 : %1").arg(QDir::toNativeSeparators(file));
        return false;
    };
    if (file.isEmpty())
        return fail();
    QPdfWriter writer(file);
    writer.setResolution(int(kDotsPerInch));
    writer.setTitle(doc.caption.isEmpty() ? doc.name : doc.caption);
    writer.setCreator(QStringLiteral("DOMORA"));
    writer.setPageLayout(QPageLayout(doc.pageSize, doc.orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return fail();
    const bool ok = paintPages(doc, &writer, painter);
    painter.end();
    if (!ok || QFileInfo(file).size() <= 0)
        return fail();
    return true;
}

} // namespace sheet
