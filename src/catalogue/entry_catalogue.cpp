#include "catalogue/entry_catalogue.h"

#include "catalogue/kinds.h"

#include "catalogue/json_resource.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

static void initCatalogueResources()
{
    Q_INIT_RESOURCE(catalogue);
}

const InputSpec *EntryWindowSpec::input(const QString &column) const
{
    for (const InputSpec &i : inputs)
        if (i.column.compare(column, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

namespace catalogue {

namespace {

struct Catalogue {
    QList<EntryWindowSpec> windows;
    QHash<QString, ValueList> lists;
    QString error;
};

InputSpec readInput(const QJsonObject &o)
{
    InputSpec i;
    i.column = o.value(QStringLiteral("column")).toString();
    i.control = o.value(QStringLiteral("control")).toString(i.column);
    i.caption = o.value(QStringLiteral("caption")).toString();
    i.group = o.value(QStringLiteral("group")).toString();
    i.kind = o.value(QStringLiteral("kind")).toString(QStringLiteral("edit"));
    i.unit = o.value(QStringLiteral("unit")).toString();
    i.list = o.value(QStringLiteral("list")).toString();
    i.after = o.value(QStringLiteral("after")).toString();
    i.isPrivate = o.value(QStringLiteral("private")).toBool();
    return i;
}

QList<InputSpec> readInputs(const QJsonArray &a)
{
    QList<InputSpec> out;
    for (const QJsonValue &v : a)
        out << readInput(v.toObject());
    return out;
}

int indexOfColumn(const QList<InputSpec> &inputs, const QString &column)
{
    for (int i = 0; i < inputs.size(); ++i)
        if (inputs.at(i).column.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Catalogue load()
{
    Catalogue c;
    const QJsonObject root = readResource(QStringLiteral("entry_windows.json"), &c.error);
    if (!c.error.isEmpty())
        return c;
    const QJsonObject lists = root.value(QStringLiteral("lists")).toObject();
    for (auto it = lists.begin(); it != lists.end(); ++it) {
        ValueList l;
        const QJsonObject o = it.value().toObject();
        for (const QJsonValue &v : o.value(QStringLiteral("items")).toArray())
            l.items << v.toString();
        l.design = o.value(QStringLiteral("design")).toString();
        c.lists.insert(it.key(), l);
    }
    const QJsonObject models = root.value(QStringLiteral("models")).toObject();
    const QList<InputSpec> saleModel =
        readInputs(models.value(QStringLiteral("sale")).toObject().value(QStringLiteral("inputs")).toArray());
    const QList<InputSpec> leaseModel =
        readInputs(models.value(QStringLiteral("lease")).toObject().value(QStringLiteral("inputs")).toArray());

    for (const QJsonValue &wv : root.value(QStringLiteral("windows")).toArray()) {
        const QJsonObject w = wv.toObject();
        EntryWindowSpec s;
        s.name = w.value(QStringLiteral("name")).toString();
        s.code = w.value(QStringLiteral("code")).toString();
        s.deal = w.value(QStringLiteral("deal")).toString();
        s.objKind = w.value(QStringLiteral("objKind")).toString();
        s.designCaption = w.value(QStringLiteral("designCaption")).toString();
        s.appendCaption = w.value(QStringLiteral("appendCaption")).toString();
        s.editCaption = w.value(QStringLiteral("editCaption")).toString();
        s.estateCaption = w.value(QStringLiteral("estateCaption")).toString();
        s.group2Caption = w.value(QStringLiteral("group2Caption")).toString();
        // The building group is named after the kind it describes (the apartment windows keep theirs).
        if (const Kind *k = kinds::byCode(s.code);
            k && s.code != QLatin1String("APT") && s.code != QLatin1String("BUN"))
            s.group2Caption = QStringLiteral("2. %1%2정보")
                                  .arg(k->name, s.deal == QLatin1String("lease") ? QStringLiteral("임대") : QString());
        for (const QJsonValue &cv : w.value(QStringLiteral("checks")).toArray()) {
            const QJsonObject o = cv.toObject();
            s.checks << CheckSpec{
                o.value(QStringLiteral("column")).toString(), o.value(QStringLiteral("message")).toString(),
                o.value(QStringLiteral("focus")).toBool(), o.value(QStringLiteral("zeroIsEmpty")).toBool()};
        }
        const QJsonObject appendValues = w.value(QStringLiteral("appendValues")).toObject();
        for (auto it = appendValues.begin(); it != appendValues.end(); ++it)
            s.appendValues.insert(it.key(), it.value().toString());
        s.navigatorInAppend = w.value(QStringLiteral("navigatorInAppend")).toBool();
        s.setsSavedFlagOnShow = w.value(QStringLiteral("setsSavedFlagOnShow")).toBool();
        s.updateDateToday = w.value(QStringLiteral("updateDateToday")).toBool();
        s.objKindFromCombo = w.value(QStringLiteral("objKindFromCombo")).toBool();
        s.specUpload = w.value(QStringLiteral("specUpload")).toString(QStringLiteral("none"));
        const QJsonObject sheets = w.value(QStringLiteral("sheets")).toObject();
        s.detailSheet = sheets.value(QStringLiteral("detail")).toString();
        s.infoSheet = sheets.value(QStringLiteral("info")).toString();
        s.videoFilter = w.value(QStringLiteral("videoFilter")).toString();
        s.pictureFilter = w.value(QStringLiteral("pictureFilter")).toString();
        s.pictureFilterAfterVideo = w.value(QStringLiteral("pictureFilterAfterVideo")).toString(s.pictureFilter);

        // Resolve the inputs against the model of the same deal.
        QList<InputSpec> inputs = s.isLease() ? leaseModel : saleModel;
        for (const QJsonValue &lv : w.value(QStringLiteral("lacks")).toArray()) {
            const int at = indexOfColumn(inputs, lv.toString());
            if (at >= 0)
                inputs.removeAt(at);
        }
        for (const QJsonValue &rv : w.value(QStringLiteral("relabels")).toArray()) {
            const QJsonObject o = rv.toObject();
            const int at = indexOfColumn(inputs, o.value(QStringLiteral("column")).toString());
            if (at < 0)
                continue;
            InputSpec &in = inputs[at];
            if (o.contains(QStringLiteral("caption")))
                in.caption = o.value(QStringLiteral("caption")).toString();
            if (o.contains(QStringLiteral("unit")))
                in.unit = o.value(QStringLiteral("unit")).toString();
            if (o.contains(QStringLiteral("kind")))
                in.kind = o.value(QStringLiteral("kind")).toString();
            if (o.contains(QStringLiteral("list")))
                in.list = o.value(QStringLiteral("list")).toString();
        }
        for (const QJsonValue &av : w.value(QStringLiteral("adds")).toArray()) {
            InputSpec in = readInput(av.toObject());
            int at = in.after.isEmpty() ? -1 : indexOfColumn(inputs, in.after);
            if (at < 0) {
                // At the end of its group.
                for (int i = 0; i < inputs.size(); ++i)
                    if (inputs.at(i).group == in.group)
                        at = i;
            }
            inputs.insert(at < 0 ? inputs.size() : at + 1, in);
        }
        if (s.specUpload == QLatin1String("none")) {
            const int at = indexOfColumn(inputs, QStringLiteral("c3"));
            if (at >= 0)
                inputs.removeAt(at);
        }
        s.inputs = inputs;
        c.windows << s;
    }
    return c;
}

const Catalogue &instance()
{
    static const Catalogue c = load();
    return c;
}

} // namespace

const QList<EntryWindowSpec> &entryWindows()
{
    return instance().windows;
}

const EntryWindowSpec *entryWindow(const QString &name) { return findByName(instance().windows, name); }

const EntryWindowSpec *entryWindowFor(const QString &code, const QString &deal)
{
    for (const EntryWindowSpec &s : instance().windows)
        if (s.code == code && s.deal == deal)
            return &s;
    return nullptr;
}

const ValueList &valueList(const QString &name)
{
    static const ValueList empty;
    auto it = instance().lists.constFind(name);
    return it == instance().lists.constEnd() ? empty : *it;
}

QString loadError()
{
    return instance().error;
}

} // namespace catalogue
