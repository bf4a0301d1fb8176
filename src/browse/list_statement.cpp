#include "browse/list_statement.h"

#include <QRegularExpression>

namespace {

const QString CR = QStringLiteral("\r");

bool skipped(const QString &text)
{
    return text.isEmpty() || text == QStringLiteral("전체");
}

QString inner(const QString &text)
{
    QString t = text;
    return t.replace(QLatin1Char('\''), QStringLiteral("''"));
}

bool isNumber(const QString &text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

bool isWhole(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*-?\\d+\\s*$"));
    return re.match(text).hasMatch();
}

// A typed bound as it goes into the statement: a number stays a number, anything else is quoted.
QString bound(const QString &text)
{
    return isNumber(text) ? text.trimmed() : ListStatement::literal(text);
}

const QHash<QString, QString> &personColumns()
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("의뢰인성명"), QStringLiteral("sales_person")},
        {QStringLiteral("의뢰인전화"), QStringLiteral("sales_pnum")},
        {QStringLiteral("의뢰인회사"), QStringLiteral("sales_onum")},
        {QStringLiteral("의뢰인핸드폰"), QStringLiteral("sales_cnum")},
        {QStringLiteral("세입자성명"), QStringLiteral("lent_person")},
        {QStringLiteral("세입자전화"), QStringLiteral("lent_pnum")},
        {QStringLiteral("세입자회사"), QStringLiteral("lent_onum")},
        {QStringLiteral("세입자핸드폰"), QStringLiteral("lent_cnum")},
        {QStringLiteral("노트번호"), QStringLiteral("c1")},
    };
    return map;
}

} // namespace

QString ListStatement::literal(const QString &text)
{
    return QLatin1Char('\'') + inner(text) + QLatin1Char('\'');
}

QString ListStatement::rangeFragment(const QString &column, const QString &a, const QString &b, bool quoted)
{
    if (a.isEmpty() && b.isEmpty())
        return QString();
    if (quoted) {
        // Floors are text; two whole-number bounds compare as numbers (as text, 2~10 finds nothing).
        if (!a.isEmpty() && !b.isEmpty() && isWhole(a) && isWhole(b))
            return QStringLiteral(" and cast(%1 as integer) >= %2 and cast(%1 as integer) <= %3")
                .arg(column, a.trimmed(), b.trimmed());
        if (!a.isEmpty() && !b.isEmpty())
            return QStringLiteral(" and %1 >= %2 and %1 <= %3").arg(column, literal(a), literal(b));
        return QStringLiteral(" and %1  = %2").arg(column, literal(a.isEmpty() ? b : a));
    }
    if (!a.isEmpty() && !b.isEmpty())
        return QStringLiteral(" and %1 >= %2 and %1 <= %3").arg(column, bound(a), bound(b));
    return QStringLiteral(" and %1  = %2").arg(column, bound(a.isEmpty() ? b : a));
}

QString ListStatement::dateRangeFragment(const QString &column, const QString &a, const QString &b)
{
    // A date box whose text is blank counts as empty; a filled one goes in as typed, quoted.
    const bool hasA = !a.trimmed().isEmpty(), hasB = !b.trimmed().isEmpty();
    if (hasA && hasB)
        return QStringLiteral(" and %1 >= %2 and %1 <= %3").arg(column, literal(a), literal(b));
    if (hasA || hasB)
        return QStringLiteral(" and %1  = %2").arg(column, literal(hasA ? a : b));
    return QString();
}

QString ListStatement::fragment(const FilterSpec &f, const TextOf &textOf, const ListSettings &settings)
{
    const QString text = textOf(f.control);
    const QString &t = f.type;
    const QString col = f.column;
    if (t == QLatin1String("city"))
        return text.isEmpty() || text == QStringLiteral("전체시도")
                   ? QString()
                   : QStringLiteral(" and add_city = ") + literal(text) + CR;
    if (t == QLatin1String("district"))
        return text.isEmpty() || text == QStringLiteral("전체구시군")
                   ? QString()
                   : QStringLiteral(" and add_district = ") + literal(text) + CR;
    if (t == QLatin1String("town"))
        return text.isEmpty() || text == QStringLiteral("전체읍면동")
                   ? QString()
                   : QStringLiteral(" and add_town = ") + literal(text) + CR;
    if (t == QLatin1String("like") || t == QLatin1String("nameCombo") || t == QLatin1String("contains"))
        return skipped(text) ? QString() : QStringLiteral(" and %1 like '%%2%'").arg(col, inner(text)) + CR;
    if (t == QLatin1String("likeAll"))
        return text.isEmpty() ? QString() : QStringLiteral(" and %1 like '%%2%'").arg(col, inner(text)) + CR;
    if (t == QLatin1String("lotOrVillage"))
        return skipped(text)
                   ? QString()
                   : QStringLiteral(" and ( addr_number like '%%1%' or add_village_nme like '%%1%')").arg(inner(text)) +
                         CR;
    if (t == QLatin1String("range") || t == QLatin1String("textRange"))
        return rangeFragment(col, text, textOf(f.control2), t == QLatin1String("textRange"));
    if (t == QLatin1String("state") || t == QLatin1String("stateAlways")) {
        if (!skipped(text))
            return QStringLiteral(" and obj_state = ") + literal(text) + CR;
        if (t == QLatin1String("stateAlways") || settings.activeStatesOnly)
            return QStringLiteral(" and obj_state in ('일반','추천','급매','기타')") + CR;
        return QString();
    }
    if (t == QLatin1String("stateEquals"))
        return skipped(text) ? QString() : QStringLiteral(" and obj_state = ") + literal(text) + CR;
    if (t == QLatin1String("prefix"))
        return skipped(text) ? QString() : QStringLiteral(" and %1 like '%2%'").arg(col, inner(text)) + CR;
    if (t == QLatin1String("dateRange"))
        return dateRangeFragment(col, text, textOf(f.control2));
    if (t == QLatin1String("roomNum"))
        return skipped(text) ? QString() : QStringLiteral(" and room_num = ") + literal(text) + CR;
    if (t == QLatin1String("leaseType"))
        return skipped(text) ? QString() : QStringLiteral(" and Obj_kubun2 like '%1%'").arg(inner(text)) + CR;
    if (t == QLatin1String("subType"))
        return skipped(text) ? QString() : QStringLiteral(" and Obj_kubun3 like '%1%'").arg(inner(text)) + CR;
    if (t == QLatin1String("kindPrefix"))
        return skipped(text) ? QString() : QStringLiteral(" and Obj_kind like '%1%'").arg(inner(text)) + CR;
    if (t == QLatin1String("villaKind"))
        return skipped(text) ? QStringLiteral(" and Obj_kind in ('빌라','다세대','연립')") + CR
                             : QStringLiteral(" and obj_kind like '%1%'").arg(inner(text)) + CR;
    if (t == QLatin1String("person")) {
        const QString value = textOf(f.control2);
        const QString column = personColumns().value(text);
        if (text.isEmpty() || value.isEmpty() || column.isEmpty())
            return QString();
        const QString v = column == QLatin1String("c1") ? value.toUpper() : value;
        return QStringLiteral(" and %1  like '%%2%'").arg(column, inner(v));
    }
    return QString();
}

QString ListStatement::conditions(const ListWindowSpec &spec, const TextOf &textOf, const ListSettings &settings)
{
    QString out = QStringLiteral("where ") + spec.baseCondition;
    for (const FilterSpec &f : spec.filters)
        out += fragment(f, textOf, settings);
    return out;
}

QString ListStatement::titleClickText(const QString &field)
{
    const QString f = field.toLower();
    if (f == QLatin1String("addr_list"))
        return QStringLiteral("add_city,add_district,add_town,addr_number");
    if (f == QLatin1String("layer_sum"))
        return QStringLiteral("bld_layer,bld_hi_layer");
    if (f == QLatin1String("phones"))
        return QStringLiteral("sales_cnum");
    return field;
}

static bool namesListColumns(const QString &text, const QString &listColumns)
{
    // A title click puts one field name, or a column list of the calculated columns, in the box.
    static const QRegularExpression ident(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    QStringList known;
    for (const QString &c : listColumns.split(QLatin1Char(','), Qt::SkipEmptyParts))
        known << c.trimmed().toLower();
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QString p = part.trimmed();
        if (!ident.match(p).hasMatch() || !known.contains(p.toLower()))
            return false;
    }
    return !text.trimmed().isEmpty();
}

QString ListStatement::sortFragment(const ListWindowSpec &spec, const QString &sortText, const ListSettings &settings)
{
    auto it = spec.sortTable.constFind(sortText);
    if (it != spec.sortTable.constEnd())
        return *it;
    if (sortText != kNoSort && namesListColumns(sortText, settings.listColumns))
        return QStringLiteral(" order by ") + sortText;
    // Nothing chosen, or a text that names no column: the default order.
    return settings.sortByInputOrder ? QStringLiteral(" order by id_seq desc ") : QString();
}

QString ListStatement::build(const ListWindowSpec &spec, const TextOf &textOf, const ListSettings &settings,
                             const QString &sortText)
{
    return QStringLiteral("select ") + settings.listColumns + QStringLiteral(" from mamul_table.db") + CR +
           conditions(spec, textOf, settings) + sortFragment(spec, sortText, settings);
}
