#include "print/print_sheets.h"

#include "print/detail_sheet.h"
#include "print/more_sheets.h"
#include "print/picture_sheet.h"
#include "print/sheet_preview.h"
#include "ui/sheet_registry.h"

#include <QHash>

namespace printsheets {

static QHash<QString, Builder> &builders()
{
    static QHash<QString, Builder> map;
    return map;
}

void registerSheet(const QString &name, Builder build)
{
    builders().insert(name, build);
    sheets::registerSheet(name, [build](QWidget *parent) { sheet::showPreview(build(), parent); });
}

bool has(const QString &name)
{
    return builders().contains(name);
}

std::optional<sheet::Document> build(const QString &name)
{
    const auto it = builders().constFind(name);
    if (it == builders().constEnd())
        return std::nullopt;
    return (*it)();
}

} // namespace printsheets

void registerPrintSheets()
{
    for (const DetailSheetSpec &spec : detailsheets::all())
        printsheets::registerSheet(spec.name, [name = spec.name] {
            const DetailSheetSpec *s = detailsheets::byName(name);
            return DetailSheet(*s).build();
        });
    sheets::registerSheet(picturesheet::kName, [](QWidget *viewer) { picturesheet::printFor(viewer); });
    registerMoreSheets();
}
