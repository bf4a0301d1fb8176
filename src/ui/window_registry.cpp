#include "ui/window_registry.h"

#include "ui/seams.h"

#include <QDialog>
#include <QHash>
#include <memory>

namespace windows {

static QHash<QString, Factory> &factories()
{
    static QHash<QString, Factory> map;
    return map;
}

void registerWindow(const QString &name, Factory factory)
{
    if (factory)
        factories().insert(name, std::move(factory));
    else
        factories().remove(name);
}

bool has(const QString &name) { return factories().contains(name); }

QDialog *create(const QString &name, QWidget *parent)
{
    auto it = factories().constFind(name);
    if (it == factories().constEnd())
        return nullptr;
    return (*it)(parent);
}

int open(const QString &name, QWidget *parent, int width, int height)
{
    std::unique_ptr<QDialog> window(create(name, parent));
    if (!window)
        return -1;
    if (width > 0 && height > 0)
        window->resize(width, height);
    return seams::modal().run(window.get());
}

} // namespace windows
