#include "print/sheet_rules.h"

#include "data/data_module.h"
#include "ui/cp949.h"

namespace sheet {

bool masksSecrets(const QString &showSecret)
{
    return showSecret == QLatin1String("N");
}

QString maskedValue(const QString &value, const QString &mask, const QString &showSecret)
{
    return masksSecrets(showSecret) ? mask : value;
}

int logoPointSize(const QString &logoText, int designSize)
{
    const int bytes = cp949::length(logoText);
    if (bytes <= 7)
        return 140;
    switch (bytes) {
    case 8:
        return 120;
    case 10:
        return 105;
    case 12:
        return 85;
    case 14:
        return 75;
    case 16:
        return 66;
    case 18:
        return 58;
    case 20:
        return 52;
    default:
        return designSize;
    }
}

Watermark Watermark::of(const QString &printLogo, const QString &logoText, const QString &officePhone, int designSize)
{
    Watermark w;
    w.logoPoints = designSize;
    if (printLogo != QLatin1String("YES"))
        return w;
    w.logo = logoText;
    w.phone = officePhone;
    w.logoPoints = logoPointSize(logoText, designSize);
    return w;
}

Watermark Watermark::ofOffice(int designSize)
{
    const Tdm *dm = dataModule();
    if (!dm)
        return of(QString(), QString(), QString(), designSize);
    return of(dm->PrintLogo, dm->LogoText, dm->OfficePhone, designSize);
}

void Watermark::addTo(Band &band, const QRectF &logoRect, const QRectF &phoneRect) const
{
    Item &logoItem = band.text(logoRect, logo, FontSpec{QStringLiteral("굴림"), qreal(logoPoints), true},
                               Qt::AlignCenter, QStringLiteral("logo"));
    logoItem.wordWrap = true;
    logoItem.color = colour;
    Item &phoneItem = band.text(phoneRect, phone, FontSpec{QStringLiteral("돋움"), 65, false}, Qt::AlignCenter,
                                QStringLiteral("logo_tel"));
    phoneItem.color = colour;
}

} // namespace sheet
