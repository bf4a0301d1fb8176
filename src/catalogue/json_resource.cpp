#include "catalogue/json_resource.h"

#include <QFile>
#include <QJsonDocument>

static void initCatalogueResources() { Q_INIT_RESOURCE(catalogue); }

namespace catalogue {

QJsonObject readResource(const QString &file, QString *error)
{
    initCatalogueResources();
    QFile f(QStringLiteral(":/catalogue/") + file);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file + QStringLiteral(" is missing");
        return {};
    }
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &err);
    if (err.error != QJsonParseError::NoError) {
        if (error)
            *error = file + QStringLiteral(": ") + err.errorString();
        return {};
    }
    return doc.object();
}

} // namespace catalogue
