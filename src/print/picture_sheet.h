#pragma once
// The picture sheet `Tpictureprn` ("매물사진정보"): one picture of a listing on an A4 page under the
// framed title "매물 사진 정보", at the size the picture viewer worked out for it.

#include "print/sheet.h"

#include <QImage>
#include <QSize>

class QWidget;

namespace picturesheet {

inline const QString kName = QStringLiteral("Tpictureprn");

// The largest picture the sheet holds, in design pixels.
inline constexpr int kMaxWidth = 710;
inline constexpr int kMaxHeight = 700;

// The size a picture prints at: `size` (the viewer's print size, its natural size when empty), made
// smaller in proportion where it would not fit the sheet's picture area.
QSize fittedSize(const QSize &size, const QSize &natural);

sheet::Document build(const QImage &picture, const QSize &size);

// Prints (printDirect) or previews the picture a viewer handed over in its properties printPicture,
// printSize and printDirect.
void printFor(QWidget *viewer);

} // namespace picturesheet
