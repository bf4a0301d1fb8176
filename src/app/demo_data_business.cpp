// Business property and land of the demonstration listings: shops, offices, buildings, land,
// factories, filling stations, motels and the other kinds.

// One draw of the random source per statement: the order in which the operands of an expression or
// the arguments of a call are evaluated is not fixed, and the data must come out the same with every
// compiler. Braced lists are the exception: their parts are evaluated in order.

#include "app/demo_data_kinds.h"

namespace demo::detail {

namespace {

const QStringList kShopUses = {
    QStringLiteral("음식점"), QStringLiteral("커피전문점"), QStringLiteral("미용실"), QStringLiteral("편의점"),
    QStringLiteral("학원"),   QStringLiteral("의원"),       QStringLiteral("약국"),   QStringLiteral("분식점"),
    QStringLiteral("옷가게"), QStringLiteral("휴대폰매장"), QStringLiteral("제과점"), QStringLiteral("호프"),
};

} // namespace

Look shop(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int size = r.between(8, 60);
    row.set("Obj_kind", QStringLiteral("상가"));
    row.set("Bld_nme", p.stem + r.pick({QStringLiteral("프라자"), QStringLiteral("상가"), QStringLiteral("타워"),
                                        QStringLiteral("빌딩"), QStringLiteral("스퀘어")}));
    row.set("Youngdo", r.pick(kShopUses));
    floors(r, row, 3, 10);
    if (r.chance(60))
        row.set("Bld_layer", QStringLiteral("1"));
    row.set("Bld_num", num(row.amount("Bld_layer") * 100 + r.between(1, 12)));
    row.set("Gnd_png", size);
    row.set("Gnd_area", std::lround(size * 0.6));
    row.set("Heat_type", QStringLiteral("개별냉난방"));
    row.set("Trafic_info", QString());
    if (r.chance(70))
        row.set("Premium_amt", clamp(vary(r, size * 200, 40), 1000, 20000, 500));
    const double rent = vary(r, size * p.level / 450.0, 25);
    if (lease) {
        leaseTerms(c, row, {rent * 120, rent * 12, rent}, {5, 90, 5});
        row.set("Move_into_amt", row.amount("Warrenty_amt") + row.amount("Premium_amt"));
        row.set("Move_to_date", moveInText(r, c.today));
    } else {
        row.set("Sales_amt", clamp(rent * 12 * 100 / 5.0, 15000, 250000, 500));
        row.set("Warrenty_amt", clamp(rent * 12, 500, 50000, 100));
        row.set("Monthly_amt", clamp(rent, 40, 300, 5));
        row.set("N1", decimal(r.between(40, 70) / 10.0));
    }
    return Look::Shop;
}

Look shopHouse(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int land = r.between(40, 100);
    row.set("Obj_kind", QStringLiteral("상가주택"));
    row.set("Gnd_png", land);
    row.set("Gnd_area", std::lround(land * r.between(150, 230) / 100.0));
    row.set("Bld_structure", structure(r));
    row.set("Bld_year", year(r, 1985, 2020));
    row.set("Heat_type", QStringLiteral("도시가스"));
    row.set("House_direct", direction(r));
    if (lease) {
        floors(r, row, 3, 4);
        row.set("Room_num", num(r.between(2, 3)));
        row.set("Official_amt", r.between(3, 10));
        leaseTerms(c, row, {vary(r, p.level * 10, 15), r.between(10, 50) * 100.0, vary(r, p.level / 25.0, 20)});
    } else {
        row.set("Bld_hi_layer", num(r.between(3, 4)));
        row.set("Bld_lo_layer", num(r.between(0, 1)));
        row.set("Move_to_date", moveInText(r, c.today));
        const int price = clamp(vary(r, land * p.level * 1.5, 15), 50000, 350000, 1000);
        row.set("Sales_amt", price);
        row.set("N1", decimal(r.between(30, 60) / 10.0));
        row.set("Warrenty_amt", roundTo(price * 0.3, 1000));
        row.set("Monthly_amt", roundTo(price / 300.0, 10));
    }
    return Look::Shop;
}

Look office(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int size = r.between(15, 120);
    row.set("Obj_kind", QStringLiteral("사무실"));
    row.set("Bld_nme", named(r, {QStringLiteral("빌딩"), QStringLiteral("타워"), QStringLiteral("오피스"),
                                 QStringLiteral("비즈센터")}));
    floors(r, row, 4, 20);
    row.set("Bld_num", num(row.amount("Bld_layer") * 100 + r.between(1, 6)));
    row.set("Gnd_png", size);
    row.set("Gnd_area", std::lround(size * 0.6));
    row.set("Bld_year", year(r, 1985, 2020));
    row.set("Heat_type", QStringLiteral("중앙난방"));
    row.set("House_direct", direction(r));
    row.set("Room_num", num(r.between(1, 5)));
    row.set("Living_num", num(r.between(1, 3)));
    row.set("Bath_num", QStringLiteral("2"));
    row.set("Official_amt", std::lround(size * 0.8));
    const double rent = vary(r, size * p.level / 700.0, 25);
    if (lease) {
        row.set(
            "Obj_kubun3",
            r.weighted({QStringLiteral("호수별"), QStringLiteral("층전체"), QStringLiteral("부분임대")}, {60, 30, 10}));
        row.set("Move_to_date", moveInText(r, c.today));
        leaseTerms(c, row, {rent * 100, rent * 10, rent}, {5, 90, 5});
    } else {
        row.set("Obj_kubun3", r.weighted({QStringLiteral("호수별"), QStringLiteral("층전체")}, {70, 30}));
        row.set("Move_to_date", moveInText(r, c.today));
        row.set("Sales_amt", clamp(vary(r, size * p.level * 0.8, 15), 15000, 250000, 500));
        row.set("N1", decimal(r.between(40, 60) / 10.0));
    }
    return Look::Shop;
}

Look building(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    static const QStringList uses = {QStringLiteral("사무실"),     QStringLiteral("상가빌딩"),
                                     QStringLiteral("오피스텔"),   QStringLiteral("병원"),
                                     QStringLiteral("스포츠센터"), QStringLiteral("분양상가")};
    const int land = r.between(80, 400);
    row.set("Obj_kind", QStringLiteral("빌딩"));
    row.set("Obj_kubun3", r.weighted(uses, {35, 35, 10, 8, 6, 6}));
    row.set("Bld_nme", named(r, {QStringLiteral("빌딩"), QStringLiteral("타워"), QStringLiteral("프라자"),
                                 QStringLiteral("센터")}));
    row.set("Gnd_png", land);
    row.set("Gnd_area", std::lround(land * r.between(300, 700) / 100.0));
    row.set("Bld_year", year(r, 1980, 2020));
    row.set("Heat_type", QStringLiteral("중앙난방"));
    if (lease) {
        floors(r, row, 5, 15);
        row.set("Move_to_date", moveInText(r, c.today));
        const double rent = vary(r, 150 + land * 0.3, 20);
        leaseTerms(c, row, {rent * 100, rent * 10, rent}, {5, 90, 5});
    } else {
        row.set("Bld_hi_layer", num(r.between(5, 15)));
        row.set("Bld_lo_layer", num(r.between(1, 3)));
        row.set("Move_to_date", moveInText(r, c.today));
        const int price = clamp(vary(r, row.amount("Gnd_area") * p.level * 0.7, 20), 150000, 1500000, 5000);
        row.set("Sales_amt", price);
        row.set("Warrenty_amt", clamp(price * 0.08, 5000, 50000, 1000));
        row.set("Monthly_amt", roundTo(price * 0.045 / 12, 10));
        row.set("Land_amt", r.chance(50) ? roundTo(price * 0.3, 5000) : 0);
        row.set("N1", decimal(r.between(30, 55) / 10.0));
    }
    return Look::Shop;
}

namespace {

const QStringList kLandUses = {QStringLiteral("전원주택지"),     QStringLiteral("단독주택지"),
                               QStringLiteral("근린생활시설지"), QStringLiteral("공장창고지"),
                               QStringLiteral("농장목장지"),     QStringLiteral("임야"),
                               QStringLiteral("개발예정지"),     QStringLiteral("상가지")};

const QStringList kLandCategories = {QStringLiteral("대지"),    QStringLiteral("전"),     QStringLiteral("답"),
                                     QStringLiteral("임야"),    QStringLiteral("잡종지"), QStringLiteral("과수원지"),
                                     QStringLiteral("공장용지")};

const QStringList kZonings = {QStringLiteral("주거지역(1종일반)"), QStringLiteral("주거지역(2종일반)"),
                              QStringLiteral("관리지역(계획)"),    QStringLiteral("관리지역(생산)"),
                              QStringLiteral("녹지지역(자연)"),    QStringLiteral("농림지역"),
                              QStringLiteral("준공업지역")};

} // namespace

Look land(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int area = r.between(10, 300) * 10;
    row.set("Obj_kind", QStringLiteral("토지"));
    countryLot(r, row, p);
    row.set("Gnd_png", area);
    row.set("Youngdo", r.pick(kLandUses));
    row.set("Gimok", r.weighted(kLandCategories, {30, 20, 15, 20, 5, 5, 5}));
    row.set("Dosi", r.pick(kZonings));
    row.set("Move_to_date", QStringLiteral("협의"));
    if (lease) {
        leaseTerms(c, row, {area * 3.0, r.between(5, 50) * 100.0, vary(r, 40 + area / 30.0, 20)}, {40, 60, 0});
    } else {
        // The land sale window takes the price per 평 in 원, not in 만원.
        const int perPyeong = roundTo(vary(r, p.level * 400, 40), 10000);
        row.set("Pyeong_amt", perPyeong);
        const int price = std::max(1000, roundTo(double(area) * perPyeong / 10000.0, 100));
        row.set("Sales_amt", price);
        if (r.chance(30))
            row.set("Move_into_amt", roundTo(price * 0.95, 100));
    }
    return Look::Land;
}

Look factory(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int site = r.between(20, 200) * 10;
    row.set("Obj_kind", QStringLiteral("공장"));
    row.set("Obj_kubun3", r.weighted({QStringLiteral("일반공장"), QStringLiteral("창고형"), QStringLiteral("아파트형"),
                                      QStringLiteral("부지형")},
                                     {55, 25, 10, 10}));
    row.set("Bld_nme", named(r, {QStringLiteral("정밀"), QStringLiteral("산업"), QStringLiteral("물류"),
                                 QStringLiteral("식품"), QStringLiteral("테크")}));
    countryLot(r, row, p);
    row.set("Gnd_png", site);
    row.set("Gnd_area", std::lround(site * r.between(30, 60) / 100.0));
    floors(r, row, 1, 3);
    row.set("Elect", r.between(5, 50) * 10);
    row.set("Bld_year", year(r, 1990, 2020));
    row.set("Move_to_date", QStringLiteral("협의"));
    if (lease) {
        row.set("Official_amt", r.between(10, 50));
        leaseTerms(c, row, {site * 10.0, vary(r, site * 8, 20), vary(r, 80 + site / 10.0, 15)}, {10, 90, 0});
    } else {
        const int price = clamp(vary(r, site * p.level * 0.35, 20), 50000, 800000, 1000);
        row.set("Sales_amt", price);
        row.set("Land_amt", r.chance(50) ? roundTo(price * r.between(20, 50) / 100.0, 1000) : 0);
        row.set("N1", decimal(r.between(40, 70) / 10.0));
    }
    return Look::Land;
}

Look fillingStation(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    static const QStringList companies = {QStringLiteral("SK"),       QStringLiteral("S-Oil"),
                                          QStringLiteral("현대정유"), QStringLiteral("LG정유"),
                                          QStringLiteral("쌍용정유"), QStringLiteral("타이거오일")};
    const int site = r.between(30, 90) * 10;
    row.set("Obj_kind", QStringLiteral("주유소"));
    row.set("Obj_kubun3",
            r.weighted({QStringLiteral("기름"), QStringLiteral("LPG"), QStringLiteral("기름/LPG")}, {70, 15, 15}));
    row.set("Bld_nme", r.pick(companies));
    countryLot(r, row, p);
    row.set("Gnd_png", site);
    row.set("Gnd_area", r.between(30, 120));
    row.set("Room_num", num(r.between(4, 12)));
    row.set("Move_to_date", QStringLiteral("협의"));
    if (lease) {
        leaseTerms(c, row, {50000, vary(r, 30000, 30), vary(r, 280, 7)}, {20, 80, 0});
    } else {
        const int price = clamp(vary(r, site * p.level * 0.45, 20), 150000, 600000, 5000);
        row.set("Sales_amt", price);
        row.set("Land_amt", r.chance(50) ? roundTo(price * 0.3, 5000) : 0);
    }
    return Look::Shop;
}

Look motel(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    static const QStringList names = {QStringLiteral("그린"), QStringLiteral("블루문"), QStringLiteral("엘도라도"),
                                      QStringLiteral("로즈"), QStringLiteral("하와이"), QStringLiteral("씨엘"),
                                      QStringLiteral("라온"), QStringLiteral("노블")};
    const QString type =
        r.weighted({QStringLiteral("모텔"), QStringLiteral("여관"), QStringLiteral("호텔"), QStringLiteral("장급여관")},
                   {60, 15, 15, 10});
    const int land = r.between(60, 200);
    row.set("Obj_kind", QStringLiteral("모텔"));
    row.set("Obj_kubun3", type);
    row.set("Bld_nme", r.pick(names) + (type == QStringLiteral("장급여관") ? QStringLiteral("장") : type));
    row.set("Gnd_png", land);
    row.set("Gnd_area", std::lround(land * r.between(250, 400) / 100.0));
    row.set("Bld_structure", QStringLiteral("철근콘크리트"));
    row.set("Bld_year", year(r, 1988, 2018));
    if (lease) {
        floors(r, row, 4, 8);
        leaseTerms(c, row, {50000, vary(r, 30000, 30), vary(r, 280, 7)}, {10, 90, 0});
    } else {
        row.set("Bld_hi_layer", num(r.between(4, 8)));
        row.set("Bld_lo_layer", QStringLiteral("1"));
        row.set("Move_to_date", QStringLiteral("협의"));
        row.set("Sales_amt", clamp(vary(r, land * p.level * 1.6, 20), 100000, 600000, 5000));
        row.set("Land_amt", r.chance(60) ? roundTo(row.amount("Sales_amt") * 0.4, 5000) : 0);
        row.set("N1", decimal(r.between(50, 90) / 10.0));
    }
    return Look::Shop;
}

Look otherKind(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    // The other kinds the office deals in, each with how its name is made and its price per 평 of
    // land against the district's apartment price. The kinds that share a name with a main kind or a
    // request's deal type would move the row into that list, so they are left out here.
    struct Other {
        QString kind;
        enum { Unnamed, Named, Town } naming;
        QString suffix;
        double factor;
        Look look;
    };
    static const QList<Other> others = {
        {QStringLiteral("학원"), Other::Named, QStringLiteral("학원"), 0.5, Look::Shop},
        {QStringLiteral("점포주택"), Other::Unnamed, QString(), 1.2, Look::Shop},
        {QStringLiteral("상가건물"), Other::Town, QStringLiteral("상가빌딩"), 1.5, Look::Shop},
        {QStringLiteral("투룸"), Other::Named, QStringLiteral("하우스"), 0.4, Look::Home},
        {QStringLiteral("원룸/투룸"), Other::Named, QStringLiteral("리빙텔"), 0.4, Look::Home},
        {QStringLiteral("가든"), Other::Named, QStringLiteral("가든"), 0.4, Look::Shop},
        {QStringLiteral("별장"), Other::Unnamed, QString(), 0.3, Look::Home},
        {QStringLiteral("콘도"), Other::Named, QStringLiteral("리조트"), 0.1, Look::Home},
        {QStringLiteral("재개발"), Other::Town, QStringLiteral("재개발구역"), 0.9, Look::Home},
        {QStringLiteral("분양권"), Other::Town, QStringLiteral("푸르지오"), 0.8, Look::Home},
        {QStringLiteral("회원권"), Other::Named, QStringLiteral("컨트리클럽"), 0.1, Look::Shop},
        {QStringLiteral("교환물건"), Other::Unnamed, QString(), 0.9, Look::Shop},
    };
    const Other &o = others.at(r.between(0, int(others.size()) - 1));
    const int site = r.between(20, 150);
    row.set("Obj_kind", o.kind);
    if (o.naming == Other::Named)
        row.set("Bld_nme", r.pick(kNames) + o.suffix);
    else if (o.naming == Other::Town)
        row.set("Bld_nme", p.stem + o.suffix);
    countryLot(r, row, p);
    row.set("Gnd_png", site);
    row.set("Gnd_area", std::lround(site * r.between(60, 150) / 100.0));
    floors(r, row, 1, 5);
    row.set("Move_to_date", moveInText(r, c.today));
    if (o.kind == QStringLiteral("학원") || o.kind == QStringLiteral("가든"))
        row.set("Premium_amt", r.between(4, 40) * 500);
    const double value = vary(r, site * p.level * o.factor, 25);
    if (lease) {
        row.set("Obj_kubun3",
                r.weighted({QStringLiteral("모두임대"), QStringLiteral("층전체"), QStringLiteral("부분임대")},
                           {50, 30, 20}));
        leaseTerms(c, row, {value * 0.2, r.between(10, 50) * 100.0, vary(r, 60 + site * 1.2, 20)});
    } else {
        row.set("Sales_amt", clamp(value, 2000, 300000, 500));
        if (r.chance(30))
            row.set("Oth_amt", QStringLiteral("시설비 %1만원 별도").arg(r.between(2, 20) * 500));
        row.set("N1", r.chance(50) ? decimal(r.between(30, 70) / 10.0) : QString());
    }
    return o.look;
}

} // namespace demo::detail
