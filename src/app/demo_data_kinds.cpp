// The kinds of the demonstration listings: the pieces every kind's writer uses, and the plan of how
// many listings of each kind and deal type the office holds.
//
// One draw of the random source per statement: the order in which the operands of an expression or
// the arguments of a call are evaluated is not fixed, and the data must come out the same with every
// compiler. Braced lists are the exception: their parts are evaluated in order.

#include "app/demo_data_kinds.h"

namespace demo::detail {

namespace {

const QStringList kStructures = {QStringLiteral("철근콘크리트"), QStringLiteral("시멘트벽돌"),
                                 QStringLiteral("조립식"),       QStringLiteral("철골조"),
                                 QStringLiteral("목조"),         QStringLiteral("보강콘크리트")};
const QList<int> kStructureWeights = {50, 25, 5, 10, 5, 5};
const QStringList kHeating = {QStringLiteral("지역난방"),   QStringLiteral("중앙난방"),   QStringLiteral("도시가스"),
                              QStringLiteral("기름보일러"), QStringLiteral("연탄보일러"), QStringLiteral("LPG가스")};
// Stored without the "향" that the windows and sheets print after it.
const QStringList kDirections = {QStringLiteral("남"), QStringLiteral("남동"), QStringLiteral("남서"),
                                 QStringLiteral("동"), QStringLiteral("서"),   QStringLiteral("북")};
const QList<int> kDirectionWeights = {45, 20, 15, 10, 7, 3};

} // namespace

const QStringList kBrands = {
    QStringLiteral("래미안"),   QStringLiteral("자이"),      QStringLiteral("힐스테이트"), QStringLiteral("푸르지오"),
    QStringLiteral("아이파크"), QStringLiteral("e편한세상"), QStringLiteral("롯데캐슬"),   QStringLiteral("더샵"),
    QStringLiteral("현대"),     QStringLiteral("한신"),      QStringLiteral("우성"),       QStringLiteral("삼익"),
    QStringLiteral("주공"),     QStringLiteral("쌍용"),      QStringLiteral("대림"),       QStringLiteral("벽산"),
};
const QStringList kNames = {
    QStringLiteral("한빛"), QStringLiteral("새롬"), QStringLiteral("으뜸"), QStringLiteral("다온"),
    QStringLiteral("미래"), QStringLiteral("청솔"), QStringLiteral("은하"), QStringLiteral("대성"),
    QStringLiteral("그린"), QStringLiteral("동원"), QStringLiteral("하나"), QStringLiteral("태평"),
};
int clamp(double v, int lo, int hi, int step)
{
    return qBound(lo, roundTo(v, step), hi);
}

QString direction(Rng &rng)
{
    return rng.weighted(kDirections, kDirectionWeights);
}

QString heating(Rng &rng)
{
    return rng.weighted(kHeating, {25, 10, 50, 10, 2, 3});
}

QString structure(Rng &rng)
{
    return rng.weighted(kStructures, kStructureWeights);
}

QString year(Rng &rng, int from, int to)
{
    return num(rng.between(from, to));
}

QString moveInText(Rng &rng, const QDate &today)
{
    switch (rng.between(0, 4)) {
    case 0:
        return QStringLiteral("즉시입주");
    case 1:
        return QStringLiteral("협의");
    case 2:
        return QStringLiteral("%1월초").arg(today.addMonths(rng.between(1, 4)).month());
    case 3:
        return QStringLiteral("%1월말").arg(today.addMonths(rng.between(1, 4)).month());
    default:
        return isoDate(today.addDays(rng.between(20, 120)));
    }
}

// A name and a suffix, drawn in that order.
QString named(Rng &rng, const QStringList &suffixes)
{
    const QString name = rng.pick(kNames);
    return name + rng.pick(suffixes);
}

// Floors: the unit's floor and the number of floors above ground.
void floors(Rng &rng, Row &row, int lowest, int highest)
{
    const int hi = rng.between(lowest, highest);
    row.set("Bld_hi_layer", hi);
    row.set("Bld_layer", rng.between(1, hi));
}

void leaseTerms(Ctx &c, Row &row, const Terms &terms, const QList<int> &weights)
{
    static const QStringList types = {QStringLiteral("전세"), QStringLiteral("월세"), QStringLiteral("전월세")};
    const QString type = c.rng.weighted(types, weights);
    row.set("Obj_kubun2", type);
    const auto [jeonse, deposit, rent] = terms;
    if (type == QStringLiteral("전세")) {
        row.set("Warrenty_amt", clamp(jeonse, 500, 50000, 500));
        row.set("Monthly_amt", 0);
    } else if (type == QStringLiteral("월세")) {
        row.set("Warrenty_amt", clamp(deposit, 500, 50000, 100));
        row.set("Monthly_amt", clamp(rent, 40, 300, 5));
    } else {
        row.set("Warrenty_amt", clamp(jeonse / 2, 500, 50000, 500));
        row.set("Monthly_amt", clamp(rent / 2, 40, 300, 5));
    }
}

// ---- the kinds ----

// The private lot of land and plants, and the village it lies in.
void countryLot(Rng &r, Row &row, const Place &p)
{
    if (p.town.town.endsWith(QStringLiteral("면")) || p.town.town.endsWith(QStringLiteral("읍"))) {
        row.set("Addr_number", r.pick({QStringLiteral("상리"), QStringLiteral("하리"), QStringLiteral("신촌리"),
                                       QStringLiteral("송정리"), QStringLiteral("원당리")}));
    }
    QString lot = r.chance(30) ? QStringLiteral("산 ") : QString();
    lot += num(r.between(1, 999));
    row.set("Add_village_nme", lot + QLatin1Char('-') + num(r.between(1, 30)));
}

const QList<Plan> &kindPlans()
{
    static const QList<Plan> plans = {
        {apartment, 40, 35, false},   {presaleRight, 10, 0, false},
        {house, 10, 8, false},        {multiHousehold, 10, 10, false},
        {villa, 14, 14, false},       {shop, 10, 14, false},
        {shopHouse, 6, 6, false},     {officetel, 8, 10, false},
        {oneRoom, 6, 14, false},      {office, 6, 12, false},
        {building, 6, 4, false},      {land, 10, 3, true},
        {factory, 5, 4, true},        {countryHouse, 6, 3, true},
        {fillingStation, 3, 2, true}, {motel, 4, 3, false},
        {otherKind, 8, 6, false},
    };
    return plans;
}

} // namespace demo::detail
