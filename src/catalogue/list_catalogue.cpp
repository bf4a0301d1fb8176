#include "catalogue/list_catalogue.h"

#include "catalogue/json_resource.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

static void initListResources()
{
    Q_INIT_RESOURCE(catalogue);
}

const FilterSpec *ListWindowSpec::filter(const QString &type) const
{
    for (const FilterSpec &f : filters)
        if (f.type == type)
            return &f;
    return nullptr;
}

namespace catalogue {

namespace {

struct Lists {
    QList<ListWindowSpec> windows;
    std::optional<ListWindowSpec> all;
    QHash<QString, QStringList> lists;
    QString error;
};

QStringList strings(const QJsonValue &v)
{
    QStringList out;
    for (const QJsonValue &x : v.toArray())
        out << x.toString();
    return out;
}

ListWindowSpec readWindow(const QJsonObject &w)
{
    ListWindowSpec s;
    auto text = [&w](const char *key) { return w.value(QLatin1String(key)).toString(); };
    s.name = text("name");
    s.caption = text("caption");
    s.deal = text("deal");
    s.baseCondition = text("baseCondition");
    s.entryWindow = text("entryWindow");
    s.listPrint = text("listPrint");
    for (const QJsonValue &fv : w.value(QStringLiteral("filters")).toArray()) {
        const QJsonObject o = fv.toObject();
        auto t = [&o](const char *key) { return o.value(QLatin1String(key)).toString(); };
        FilterSpec f{t("type"),  t("control"), t("control2"), t("column"),
                     t("label"), t("list"),    t("initial"),  t("unit")};
        f.keepOnReset = o.value(QStringLiteral("keepOnReset")).toBool();
        f.row = o.value(QStringLiteral("row")).toInt();
        s.filters << f;
    }
    const QJsonObject sorts = w.value(QStringLiteral("sortTable")).toObject();
    for (auto it = sorts.begin(); it != sorts.end(); ++it)
        s.sortTable.insert(it.key(), it.value().toString());
    s.sortItems = strings(w.value(QStringLiteral("sortItems")));
    for (const QJsonValue &cv : w.value(QStringLiteral("columns")).toArray()) {
        const QJsonObject o = cv.toObject();
        ListColumnSpec col;
        col.field = o.value(QStringLiteral("field")).toString();
        col.title = o.value(QStringLiteral("title")).toString();
        col.width = o.value(QStringLiteral("width")).toInt(64);
        col.align = o.value(QStringLiteral("align")).toString();
        col.color = o.value(QStringLiteral("color")).toString();
        col.titleAlign = o.value(QStringLiteral("titleAlign")).toString();
        s.columns << col;
    }
    s.activeStatesSetting = w.value(QStringLiteral("activeStatesSetting")).toBool();
    s.usesSavedFlag = w.value(QStringLiteral("usesSavedFlag")).toBool(true);
    s.appendSetsIdSeq = w.value(QStringLiteral("appendSetsIdSeq")).toBool();
    s.sortBoxResetsAddress = w.value(QStringLiteral("sortBoxResetsAddress")).toBool();
    s.freeKeyControls = strings(w.value(QStringLiteral("freeKeyControls")));
    s.numericControls = strings(w.value(QStringLiteral("numericControls")));
    for (const QJsonValue &rv : w.value(QStringLiteral("commandRows")).toArray())
        s.commandRows << strings(rv);
    const QJsonObject captions = w.value(QStringLiteral("commandCaptions")).toObject();
    for (auto it = captions.begin(); it != captions.end(); ++it)
        s.commandCaptions.insert(it.key(), it.value().toString());
    const QJsonObject colors = w.value(QStringLiteral("stateColors")).toObject();
    for (auto it = colors.begin(); it != colors.end(); ++it)
        s.stateColors.insert(it.key(), it.value().toString());
    const QJsonObject byKind = w.value(QStringLiteral("entryByKind")).toObject();
    for (auto it = byKind.begin(); it != byKind.end(); ++it) {
        QHash<QString, QString> deals;
        const QJsonObject o = it.value().toObject();
        for (auto d = o.begin(); d != o.end(); ++d)
            deals.insert(d.key(), d.value().toString());
        s.entryByKind.insert(it.key(), deals);
    }
    const QJsonObject chooser = w.value(QStringLiteral("chooserKinds")).toObject();
    for (auto it = chooser.begin(); it != chooser.end(); ++it)
        s.chooserKinds.insert(it.key(), it.value().toString());
    s.kindChooser = w.value(QStringLiteral("kindChooser")).toString();
    s.kindChangeWindow = w.value(QStringLiteral("kindChangeWindow")).toString();
    return s;
}

Lists load()
{
    Lists c;
    const QJsonObject root = readResource(QStringLiteral("list_windows.json"), &c.error);
    if (!c.error.isEmpty())
        return c;
    const QJsonObject lists = root.value(QStringLiteral("lists")).toObject();
    for (auto it = lists.begin(); it != lists.end(); ++it)
        c.lists.insert(it.key(), strings(it.value()));
    for (const QJsonValue &wv : root.value(QStringLiteral("windows")).toArray())
        c.windows << readWindow(wv.toObject());
    // The list of every kind is kept apart from the per-kind windows.
    if (root.contains(QStringLiteral("allListings")))
        c.all = readWindow(root.value(QStringLiteral("allListings")).toObject());
    return c;
}

const Lists &instance()
{
    static const Lists c = load();
    return c;
}

} // namespace

const QList<ListWindowSpec> &listWindows()
{
    return instance().windows;
}

const ListWindowSpec *listWindow(const QString &name)
{
    if (const ListWindowSpec *s = findByName(instance().windows, name))
        return s;
    const ListWindowSpec *all = allListingsWindow();
    return all && all->name == name ? all : nullptr;
}

const ListWindowSpec *allListingsWindow()
{
    const auto &all = instance().all;
    return all ? &*all : nullptr;
}

QStringList filterList(const QString &name)
{
    return instance().lists.value(name);
}

QString listLoadError()
{
    return instance().error;
}

} // namespace catalogue
