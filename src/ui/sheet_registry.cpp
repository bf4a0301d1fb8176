#include "ui/sheet_registry.h"

#include <QHash>

namespace sheets {

static QHash<QString, Preview> &registry()
{
    static QHash<QString, Preview> map;
    return map;
}

void registerSheet(const QString &name, Preview preview)
{
    // An empty preview takes the sheet away again.
    if (preview)
        registry().insert(name, std::move(preview));
    else
        registry().remove(name);
}

bool has(const QString &name)
{
    return registry().contains(name);
}

bool preview(const QString &name, QWidget *parent)
{
    auto it = registry().constFind(name);
    if (it == registry().constEnd())
        return false;
    (*it)(parent);
    return true;
}

} // namespace sheets
