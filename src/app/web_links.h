#pragma once
// The fixed web pages of the main window: each button's caption, its page key and the public
// address that page has today (a service that closed goes to its successor's site).

#include <QList>
#include <QString>
#include <QUrl>

struct WebLink {
    QString caption;
    QString sname;
    QString address;
};

namespace weblinks {
// The link buttons of the right panel, in their order (group headers between them are not links).
const QList<WebLink> &buttons();
// The address behind a page key; the vendor's home page for an unknown key.
QUrl urlFor(const QString &sname);
QUrl homePage();
inline const QString kBanner = QStringLiteral("전면광고");
inline const QString kUpgrade = QStringLiteral("매물관리업그레이드");
} // namespace weblinks
