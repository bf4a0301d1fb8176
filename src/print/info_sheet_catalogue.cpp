#include "print/info_sheet_catalogue.h"

#include "catalogue/json_resource.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace infosheets {

namespace {

struct Catalogue {
    InfoSheetModel model;
    QList<InfoSheetSpec> sheets;
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

// "{Gnd_png}평형 / {Bld_layer}층": columns in braces, fixed texts between them.
QList<InfoPart> parseTemplate(const QString &text)
{
    static const QRegularExpression column(QStringLiteral("\\{([A-Za-z0-9_]+)\\}"));
    QList<InfoPart> out;
    qsizetype at = 0;
    for (auto it = column.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedStart() > at)
            out << InfoPart{QString(), text.mid(at, m.capturedStart() - at), {}, {}, {}, {}};
        out << InfoPart{m.captured(1), QString(), {}, {}, {}, {}};
        at = m.capturedEnd();
    }
    if (at < text.size())
        out << InfoPart{QString(), text.mid(at), {}, {}, {}, {}};
    return out;
}

// Parts as a template text or as an array of part objects.
QList<InfoPart> readParts(const QJsonValue &v)
{
    if (v.isString())
        return parseTemplate(v.toString());
    QList<InfoPart> out;
    for (const QJsonValue &pv : v.toArray()) {
        const QJsonObject o = pv.toObject();
        InfoPart p;
        p.column = str(o, "column");
        p.text = str(o, "text");
        p.kinds = strings(o.value(QLatin1String("kinds")));
        p.notKinds = strings(o.value(QLatin1String("notKinds")));
        p.unlessEmpty = strings(o.value(QLatin1String("unlessEmpty")));
        const QJsonObject replace = o.value(QLatin1String("replace")).toObject();
        for (auto it = replace.begin(); it != replace.end(); ++it)
            p.replace.insert(it.key(), it.value().toString());
        out << p;
    }
    return out;
}

// One entry of a sheet's lines: a template, "@name" of a named group of lines, a line object, or a
// money block ({"money": heading, "value": template}), which is two lines.
void readLine(const QJsonValue &v, const QJsonObject &named, QList<InfoLine> &out, QString &error, int depth = 0)
{
    if (v.isString() && v.toString().startsWith(QLatin1Char('@'))) {
        const QString name = v.toString().mid(1);
        if (!named.contains(name) || depth > 4) {
            error = QStringLiteral("no lines named %1").arg(name);
            return;
        }
        for (const QJsonValue &inner : named.value(name).toArray())
            readLine(inner, named, out, error, depth + 1);
        return;
    }
    if (v.isString()) {
        out << InfoLine{InfoLineStyle::Content, parseTemplate(v.toString()), {}, {}};
        return;
    }
    const QJsonObject o = v.toObject();
    if (o.contains(QLatin1String("money"))) {
        out << InfoLine{InfoLineStyle::MoneyHeading, parseTemplate(str(o, "money")), {}, {}};
        out << InfoLine{InfoLineStyle::Money, parseTemplate(str(o, "value")), {}, {}};
        return;
    }
    out << InfoLine{InfoLineStyle::Content, readParts(o.value(QLatin1String("parts"))),
                    strings(o.value(QLatin1String("kinds"))), strings(o.value(QLatin1String("notKinds")))};
}

Catalogue load()
{
    Catalogue c;
    const QJsonObject root = catalogue::readResource(QStringLiteral("info_sheets.json"), &c.error);
    if (root.isEmpty())
        return c;
    const QJsonObject m = root.value(QLatin1String("model")).toObject();
    InfoSheetModel &model = c.model;
    model.width = m.value(QLatin1String("width")).toDouble(733);
    model.height = m.value(QLatin1String("height")).toDouble(1060);
    model.margins = m.value(QLatin1String("margins")).toDouble(8);
    model.face = str(m, "face");
    const QJsonObject h = m.value(QLatin1String("heights")).toObject();
    model.title = h.value(QLatin1String("title")).toDouble(model.title);
    model.address = h.value(QLatin1String("address")).toDouble(model.address);
    model.notice = h.value(QLatin1String("notice")).toDouble(model.notice);
    model.content = h.value(QLatin1String("content")).toDouble(model.content);
    model.moneyHeading = h.value(QLatin1String("moneyHeading")).toDouble(model.moneyHeading);
    model.money = h.value(QLatin1String("money")).toDouble(model.money);
    const QJsonObject logo = m.value(QLatin1String("logo")).toObject();
    model.logoLine = logo.value(QLatin1String("line")).toInt(0);
    model.logoWidth = logo.value(QLatin1String("width")).toDouble(714);
    model.logoHeight = logo.value(QLatin1String("height")).toDouble(188);
    const QJsonObject tel = m.value(QLatin1String("logoTel")).toObject();
    model.logoTelLine = tel.value(QLatin1String("line")).toInt(2);
    model.logoTelWidth = tel.value(QLatin1String("width")).toDouble(719);
    model.logoTelHeight = tel.value(QLatin1String("height")).toDouble(88);
    model.noticeStates = strings(m.value(QLatin1String("noticeStates")));

    const QJsonObject named = root.value(QLatin1String("named")).toObject();
    for (const QJsonValue &v : root.value(QLatin1String("sheets")).toArray()) {
        const QJsonObject o = v.toObject();
        InfoSheetSpec s;
        s.name = str(o, "name");
        s.caption = str(o, "caption");
        s.title = readParts(o.value(QLatin1String("title")));
        s.town = o.value(QLatin1String("town")).toBool(true);
        s.noTownKinds = strings(o.value(QLatin1String("noTownKinds")));
        s.logoSize = o.value(QLatin1String("logoSize")).toInt(52);
        QString error;
        for (const QJsonValue &line : o.value(QLatin1String("lines")).toArray())
            readLine(line, named, s.lines, error);
        if (!error.isEmpty())
            c.error = s.name + QStringLiteral(": ") + error;
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

const QList<InfoSheetSpec> &all()
{
    return instance().sheets;
}

const InfoSheetSpec *byName(const QString &name)
{
    return catalogue::findByName(instance().sheets, name);
}

const InfoSheetModel &model()
{
    return instance().model;
}

QString loadError()
{
    return instance().error;
}

QStringList columnsOf(const InfoSheetSpec &spec)
{
    QStringList out{QStringLiteral("Add_city"), QStringLiteral("Add_district"), QStringLiteral("Add_town"),
                    QStringLiteral("Obj_state"), QStringLiteral("Obj_kind")};
    auto add = [&out](const QList<InfoPart> &parts) {
        for (const InfoPart &p : parts) {
            if (!p.column.isEmpty())
                out << p.column;
            out << p.unlessEmpty;
        }
    };
    add(spec.title);
    for (const InfoLine &line : spec.lines)
        add(line.parts);
    out.removeDuplicates();
    return out;
}

} // namespace infosheets
