#include "print/picture_sheet.h"

#include "print/sheet_layout.h"
#include "print/sheet_preview.h"

#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace picturesheet {

using sheet::px;

QSize fittedSize(const QSize &size, const QSize &natural)
{
    QSize s = size.isEmpty() ? natural : size;
    if (s.isEmpty())
        return QSize();
    if (s.width() > kMaxWidth || s.height() > kMaxHeight)
        s = s.scaled(kMaxWidth, kMaxHeight, Qt::KeepAspectRatio);
    return s;
}

sheet::Document build(const QImage &picture, const QSize &size)
{
    sheet::Document doc;
    doc.name = kName;
    doc.caption = QStringLiteral("매물사진정보");
    doc.pageSize = QPageSize(QPageSize::A4);
    doc.orientation = QPageLayout::Portrait;
    doc.margins = QMarginsF(10, 10, 10, 10);

    constexpr qreal kWidth = 718;
    sheet::Band header;
    header.height = px(64);
    const QRectF box(px((kWidth - 320) / 2), px(6), px(320), px(46));
    header.frame(box, px(2));
    header.text(box, QStringLiteral("매물 사진 정보"),
                sheet::FontSpec{QStringLiteral("Arial"), sheet::pointsOfPixels(27), true}, Qt::AlignCenter,
                QStringLiteral("title"));

    sheet::Band detail;
    const QSize shown = fittedSize(size, picture.size());
    detail.height = px(shown.height() + 8);
    if (!shown.isEmpty()) {
        // Kept at 300 dots per inch of the printed size; more would only make the file larger.
        const QSize dots = shown * (300.0 / 96.0);
        const QImage kept = picture.width() > dots.width() || picture.height() > dots.height()
                                ? picture.scaled(dots, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                : picture;
        detail.picture(QRectF(px((kWidth - shown.width()) / 2.0), px(4), px(shown.width()), px(shown.height())), kept,
                       QString(), QStringLiteral("pic_img"));
    }

    sheet::SheetLayout layout(doc);
    layout.setPageHeader(header);
    layout.addDetail(detail);
    return layout.layout();
}

void printFor(QWidget *viewer)
{
    if (!viewer)
        return;
    const QVariant handed = viewer->property("printPicture");
    const QImage picture =
        handed.typeId() == QMetaType::QImage ? handed.value<QImage>() : handed.value<QPixmap>().toImage();
    const QSize size = viewer->property("printSize").toSize();
    const sheet::Document doc = build(picture, size);
    if (viewer->property("printDirect").toBool())
        sheet::printDirect(doc);
    else
        sheet::showPreview(doc, viewer);
}

} // namespace picturesheet
