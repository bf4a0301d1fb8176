#include "print/list_print_catalogue.h"

#include "catalogue/json_resource.h"

#include <QJsonArray>

QStringList ListPrintColumn::columns() const
{
    QStringList out;
    for (const SheetPart &p : parts)
        if (!p.column.isEmpty())
            out << p.column;
    return out;
}

QStringList ListPrintSpec::columns() const
{
    QStringList out;
    for (const ListPrintColumn &c : line1 + line2)
        out << c.columns();
    out.removeDuplicates();
    return out;
}

namespace listprints {

namespace {

struct Catalogue {
    QList<ListPrintSpec> prints;
    QString error;
};

QString str(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toString();
}

// "Bld_layer/Bld_hi_layer" → Bld_layer, "/", Bld_hi_layer; "Add_city Add_district" with `spaced`.
struct Widths {
    QHash<QString, qreal> wanted, least;
};

ListPrintColumn column(const QString &header, const QString &fields, bool spaced, const QString &key,
                       const Widths &widths)
{
    ListPrintColumn c;
    c.header = header;
    c.key = key.isEmpty() ? fields : key;
    c.spaced = spaced;
    if (!c.isRowNumber()) {
        const QStringList names = spaced ? fields.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                         : fields.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (int i = 0; i < names.size(); ++i) {
            if (i > 0 && !spaced)
                c.parts << SheetPart{QString(), QStringLiteral("/")};
            c.parts << SheetPart{names.at(i), QString()};
        }
    }
    c.width = widths.wanted.value(c.key, 46);
    c.minWidth = widths.least.value(c.key, 0);
    return c;
}

QList<ListPrintColumn> columnsOf(const QJsonArray &a, const Widths &widths)
{
    QList<ListPrintColumn> out;
    for (const QJsonValue &v : a) {
        const QJsonObject o = v.toObject();
        out << column(str(o, "header"), str(o, "fields"), o.value(QLatin1String("spaced")).toBool(), str(o, "key"),
                      widths);
    }
    return out;
}

// A member's line: headers and fields side by side, one header per field ("A/B" is one field).
QList<ListPrintColumn> memberLine(const QJsonObject &o, const Widths &widths, QString &error)
{
    QList<ListPrintColumn> out;
    const QJsonArray headers = o.value(QLatin1String("headers")).toArray();
    const QStringList fields = str(o, "fields").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (headers.size() != fields.size())
        error = QStringLiteral("%1 headers over %2 fields").arg(headers.size()).arg(fields.size());
    for (int i = 0; i < qMin(int(headers.size()), int(fields.size())); ++i)
        out << column(headers.at(i).toString(), fields.at(i), false, QString(), widths);
    return out;
}

Catalogue load()
{
    Catalogue c;
    const QJsonObject root = catalogue::readResource(QStringLiteral("list_prints.json"), &c.error);
    if (root.isEmpty())
        return c;
    const QJsonObject m = root.value(QLatin1String("model")).toObject();
    Widths widths;
    const QJsonObject w = m.value(QLatin1String("widths")).toObject();
    for (auto it = w.begin(); it != w.end(); ++it)
        widths.wanted.insert(it.key(), it.value().toDouble());
    const QJsonObject least = m.value(QLatin1String("minWidths")).toObject();
    for (auto it = least.begin(); it != least.end(); ++it)
        widths.least.insert(it.key(), it.value().toDouble());
    QHash<QString, QString> modelMasks;
    const QJsonObject mm = m.value(QLatin1String("masks")).toObject();
    for (auto it = mm.begin(); it != mm.end(); ++it)
        modelMasks.insert(it.key().toLower(), it.value().toString());
    const QJsonObject l1 = m.value(QLatin1String("line1")).toObject();
    const QJsonObject l2 = m.value(QLatin1String("line2")).toObject();
    const QList<ListPrintColumn> first = columnsOf(l1.value(QLatin1String("first")).toArray(), widths);
    const QList<ListPrintColumn> last1 = columnsOf(l1.value(QLatin1String("last")).toArray(), widths);
    const QList<ListPrintColumn> owner = columnsOf(l2.value(QLatin1String("owner")).toArray(), widths);
    const QList<ListPrintColumn> last2 = columnsOf(l2.value(QLatin1String("last")).toArray(), widths);

    for (const QJsonValue &v : root.value(QLatin1String("prints")).toArray()) {
        const QJsonObject o = v.toObject();
        ListPrintSpec s;
        s.name = str(o, "name");
        s.window = str(o, "window");
        s.title = str(o, "title");
        s.masks = modelMasks;
        const QJsonObject own = o.value(QLatin1String("masks")).toObject();
        for (auto it = own.begin(); it != own.end(); ++it)
            s.masks.insert(it.key().toLower(), it.value().toString());
        QString error;
        const QJsonObject line1 = o.value(QLatin1String("line1")).toObject();
        const QJsonObject line2 = o.value(QLatin1String("line2")).toObject();
        s.line1 = first + memberLine(line1, widths, error) + last1;
        // The owner's name and phones follow the member's own columns of line 2, or stand before the
        // column named.
        QList<ListPrintColumn> second = memberLine(line2, widths, error);
        int at = int(second.size());
        const QString before = str(line2, "ownerBefore");
        for (int i = 0; i < second.size() && !before.isEmpty(); ++i)
            if (second.at(i).key.compare(before, Qt::CaseInsensitive) == 0)
                at = i;
        for (int i = 0; i < owner.size(); ++i)
            second.insert(at + i, owner.at(i));
        s.line2 = second + last2;
        if (!error.isEmpty())
            c.error = s.name + QStringLiteral(": ") + error;
        c.prints << s;
    }
    return c;
}

const Catalogue &instance()
{
    static const Catalogue c = load();
    return c;
}

} // namespace

const QList<ListPrintSpec> &all()
{
    return instance().prints;
}

const ListPrintSpec *byName(const QString &name)
{
    return catalogue::findByName(instance().prints, name);
}

QString loadError()
{
    return instance().error;
}

} // namespace listprints
