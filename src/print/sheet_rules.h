#pragma once
// Rules every listing sheet shares: masking secret fields, and the office's logo text and phone
// number printed large and pale behind the fields.

#include "print/sheet.h"

namespace sheet {

// The secret-information flag masks only when it is exactly "N"; the mask then prints even where the
// value is empty.
bool masksSecrets(const QString &showSecret);
QString maskedValue(const QString &value, const QString &mask, const QString &showSecret);

// The type size of the logo text by its length in code page 949 bytes; lengths outside the table keep
// the sheet's design size.
int logoPointSize(const QString &logoText, int designSize);

inline const QColor kWatermarkColour{240, 202, 166};

struct Watermark {
    QString logo;   // the office's logo text ("" when the office prints no logo)
    QString phone;  // the office's phone number ("" likewise)
    int logoPoints; // type size of the logo text
    QColor colour = kWatermarkColour;

    // Nothing unless `printLogo` is exactly "YES"; else the logo text sized by its length, and the phone.
    static Watermark of(const QString &printLogo, const QString &logoText, const QString &officePhone, int designSize);
    // From the office information in the data module.
    static Watermark ofOffice(int designSize);

    // The labels `logo` (bold 굴림, centred, wrapping at words) and `logo_tel` (돋움 65 points, centred).
    // Add them before the fields so that the fields print over them.
    void addTo(Band &band, const QRectF &logoRect, const QRectF &phoneRect) const;
};

} // namespace sheet
