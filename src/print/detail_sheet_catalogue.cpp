#include "print/detail_sheet_catalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The catalogue's resources live in a static library of their own.
static void initCatalogueResources()
{
    Q_INIT_RESOURCE(catalogue);
}

QStringList SheetField::columns() const
{
    QStringList out;
    for (const SheetPart &p : parts)
        if (!p.column.isEmpty())
            out << p.column;
    return out;
}

QStringList DetailSheetSpec::printedColumns() const
{
    QStringList out{QStringLiteral("Insert_date")};
    for (const SheetSection &s : sections)
        for (const SheetField &f : s.fields)
            out << f.columns();
    const DetailSheetModel &m = detailsheets::model();
    out << m.remarksColumn;
    if (pictures)
        out << m.pictureColumns;
    out.removeDuplicates();
    return out;
}

namespace detailsheets {

namespace {

struct Catalogue {
    DetailSheetModel model;
    QList<DetailSheetSpec> sheets;
    QString error;
};

QString str(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toString();
}

QStringList strings(const QJsonValue &v)
{
    QStringList out;
    for (const QJsonValue &x : v.toArray())
        out << x.toString();
    return out;
}

QList<SheetPart> readParts(const QJsonArray &a)
{
    QList<SheetPart> out;
    for (const QJsonValue &v : a) {
        const QJsonObject o = v.toObject();
        out << SheetPart{str(o, "column"), str(o, "text")};
    }
    return out;
}

// A field: either one column with an optional unit after it, or parts.
SheetField readField(const QJsonObject &o)
{
    SheetField f;
    f.label = str(o, "label");
    f.spaced = o.value(QLatin1String("spaced")).toBool();
    f.span = o.value(QLatin1String("span")).toInt(1);
    f.lines = o.value(QLatin1String("lines")).toInt(1);
    if (o.contains(QLatin1String("parts"))) {
        f.parts = readParts(o.value(QLatin1String("parts")).toArray());
    } else {
        f.parts << SheetPart{str(o, "column"), QString()};
        if (!str(o, "unit").isEmpty())
            f.parts << SheetPart{QString(), str(o, "unit")};
    }
    f.key = o.contains(QLatin1String("key")) ? str(o, "key") : str(o, "column");
    return f;
}

// A sheet's own label, unit or parts for one of its fields.
void override(SheetField &f, const QJsonObject &o)
{
    if (o.contains(QLatin1String("label")))
        f.label = str(o, "label");
    if (o.contains(QLatin1String("parts"))) {
        f.parts = readParts(o.value(QLatin1String("parts")).toArray());
    } else if (o.contains(QLatin1String("unit"))) {
        if (!f.parts.isEmpty() && f.parts.last().column.isEmpty())
            f.parts.removeLast();
        if (!str(o, "unit").isEmpty())
            f.parts << SheetPart{QString(), str(o, "unit")};
    }
}

// Leaves out the omitted columns, each with the fixed text that follows it ("/방" after Room_num).
bool dropOmitted(SheetField &f, const QStringList &omits)
{
    QList<SheetPart> kept;
    bool skipText = false;
    for (const SheetPart &p : f.parts) {
        if (!p.column.isEmpty()) {
            skipText = omits.contains(p.column, Qt::CaseInsensitive);
            if (!skipText)
                kept << p;
        } else if (!skipText) {
            kept << p;
        } else {
            skipText = false;
        }
    }
    f.parts = kept;
    return !f.columns().isEmpty();
}

int indexOfKey(const QList<SheetField> &fields, const QString &key)
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields.at(i).key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

WatermarkPlace readPlace(const QJsonObject &o)
{
    return WatermarkPlace{strings(o.value(QLatin1String("over"))), o.value(QLatin1String("width")).toDouble(),
                          o.value(QLatin1String("height")).toDouble()};
}

Catalogue load()
{
    initCatalogueResources();
    Catalogue c;
    QFile file(QStringLiteral(":/catalogue/detail_sheets.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        c.error = QStringLiteral("detail_sheets.json is missing");
        return c;
    }
    QJsonParseError err;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &err).object();
    if (err.error != QJsonParseError::NoError) {
        c.error = err.errorString();
        return c;
    }
    const QJsonObject m = root.value(QLatin1String("model")).toObject();
    DetailSheetModel &model = c.model;
    model.titleBand = m.value(QLatin1String("titleBand")).toDouble(731);
    model.detailBand = m.value(QLatin1String("detailBand")).toDouble(312);
    model.logo = readPlace(m.value(QLatin1String("logo")).toObject());
    model.logoTel = readPlace(m.value(QLatin1String("logoTel")).toObject());
    const QJsonObject remarks = m.value(QLatin1String("remarks")).toObject();
    model.remarksHeading = str(remarks, "heading");
    model.remarksColumn = str(remarks, "column");
    model.remarksWidth = remarks.value(QLatin1String("width")).toDouble();
    model.remarksHeight = remarks.value(QLatin1String("height")).toDouble();
    const QJsonObject pictures = m.value(QLatin1String("pictures")).toObject();
    model.picturesHeading = str(pictures, "heading");
    model.pictureColumns = strings(pictures.value(QLatin1String("columns")));
    model.pictureWidth = pictures.value(QLatin1String("width")).toDouble();
    model.pictureHeight = pictures.value(QLatin1String("height")).toDouble();

    QList<SheetSection> sections;
    for (const QJsonValue &sv : m.value(QLatin1String("sections")).toArray()) {
        const QJsonObject o = sv.toObject();
        SheetSection s;
        s.key = str(o, "key");
        s.heading = str(o, "heading");
        s.row = o.value(QLatin1String("row")).toInt();
        s.width = o.value(QLatin1String("width")).toDouble(1);
        s.columns = o.value(QLatin1String("columns")).toInt(1);
        for (const QJsonValue &fv : o.value(QLatin1String("fields")).toArray())
            s.fields << readField(fv.toObject());
        sections << s;
    }
    QHash<QString, QString> modelMasks;
    const QJsonObject mm = m.value(QLatin1String("masks")).toObject();
    for (auto it = mm.begin(); it != mm.end(); ++it)
        modelMasks.insert(it.key().toLower(), it.value().toString());
    const QJsonObject extras = root.value(QLatin1String("extras")).toObject();

    for (const QJsonValue &v : root.value(QLatin1String("sheets")).toArray()) {
        const QJsonObject o = v.toObject();
        DetailSheetSpec s;
        s.name = str(o, "name");
        s.window = str(o, "window");
        s.caption = str(o, "caption");
        s.title = str(o, "title");
        s.kindSection = str(o, "kindSection");
        s.logoSize = o.value(QLatin1String("logoSize")).toInt(52);
        s.pictures = o.value(QLatin1String("pictures")).toBool(true);
        s.adds = strings(o.value(QLatin1String("adds")));
        s.omits = strings(o.value(QLatin1String("omits")));
        s.masks = modelMasks;
        const QJsonObject own = o.value(QLatin1String("masks")).toObject();
        for (auto it = own.begin(); it != own.end(); ++it)
            s.masks.insert(it.key().toLower(), it.value().toString());

        s.sections = sections;
        for (SheetSection &section : s.sections)
            if (section.key == QLatin1String("kind"))
                section.heading = s.kindSection;
        // Fields beyond the model go into their section: after the field named, else at its end but
        // before the fields that take a whole line.
        for (const QString &column : s.adds) {
            const QJsonObject extra = extras.value(column).toObject();
            if (extra.isEmpty()) {
                c.error = QStringLiteral("%1: no place for %2").arg(s.name, column);
                continue;
            }
            QJsonObject def = extra;
            def.insert(QStringLiteral("column"), column);
            const SheetField field = readField(def);
            for (SheetSection &section : s.sections) {
                if (section.key != str(extra, "section"))
                    continue;
                int at = str(extra, "after").isEmpty() ? -1 : indexOfKey(section.fields, str(extra, "after"));
                if (at >= 0) {
                    section.fields.insert(at + 1, field);
                } else {
                    at = int(section.fields.size());
                    while (at > 0 && section.fields.at(at - 1).span >= section.columns && field.span < section.columns)
                        --at;
                    section.fields.insert(at, field);
                }
            }
        }
        const QJsonObject fields = o.value(QLatin1String("fields")).toObject();
        for (SheetSection &section : s.sections) {
            for (SheetField &field : section.fields)
                for (auto it = fields.begin(); it != fields.end(); ++it)
                    if (it.key().compare(field.key, Qt::CaseInsensitive) == 0)
                        override(field, it.value().toObject());
            QList<SheetField> kept;
            for (SheetField field : section.fields)
                if (dropOmitted(field, s.omits))
                    kept << field;
            section.fields = kept;
        }
        s.sections.removeIf([](const SheetSection &section) { return section.fields.isEmpty(); });
        c.sheets << s;
    }
    return c;
}

const Catalogue &instance()
{
    static const Catalogue c = load();
    return c;
}

} // namespace

const QList<DetailSheetSpec> &all()
{
    return instance().sheets;
}

const DetailSheetSpec *byName(const QString &name)
{
    for (const DetailSheetSpec &s : instance().sheets)
        if (s.name == name)
            return &s;
    return nullptr;
}

const DetailSheetModel &model()
{
    return instance().model;
}

QString loadError()
{
    return instance().error;
}

} // namespace detailsheets
