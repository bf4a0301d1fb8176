// Dwellings of the demonstration listings: flats, houses, villas, officetels, one-room flats and
// country houses.

// One draw of the random source per statement: the order in which the operands of an expression or
// the arguments of a call are evaluated is not fixed, and the data must come out the same with every
// compiler. Braced lists are the exception: their parts are evaluated in order.

#include "app/demo_data_kinds.h"

namespace demo::detail {

Look apartment(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    static const QList<int> sizes = {18, 21, 24, 25, 27, 32, 33, 34, 38, 42, 45, 48, 52};
    const int size = sizes.at(r.between(0, int(sizes.size()) - 1));
    row.set("Obj_kind", QStringLiteral("아파트"));
    row.set("Bld_nme", p.stem + r.pick(kBrands));
    if (r.chance(30))
        row.set("Add_degree", QStringLiteral("%1단지").arg(r.between(1, 7)));
    row.set("Bld_degree", num(r.between(101, 118)));
    floors(r, row, 5, 35);
    row.set("Bld_num", num(row.amount("Bld_layer") * 100 + r.between(1, 6)));
    row.set("Gnd_png", size);
    row.set("Gnd_area", std::lround(size * 0.77));
    row.set("Bld_hi_home", num(r.between(15, 250) * 10));
    row.set("Move_to_date", moveInText(r, c.today));
    row.set("Bld_year", year(r, 1985, 2022));
    row.set("Heat_type", heating(r));
    row.set("Bld_structure",
            r.weighted({QStringLiteral("계단식"), QStringLiteral("복도식"), QStringLiteral("주상복합")}, {70, 20, 10}));
    row.set("House_direct", direction(r));
    row.set("Room_num", num(size < 22 ? 2 : size < 36 ? 3 : 4));
    row.set("Living_num", QStringLiteral("1"));
    row.set("Bath_num", num(size < 30 ? 1 : 2));
    row.set("Official_amt", std::lround(vary(r, size * 0.7, 20)));
    row.set("Trafic_info", QString());
    const bool seoul = p.town.city == QStringLiteral("서울");
    const double value = vary(r, size * p.level, 15);
    if (lease) {
        const double jeonse = vary(r, value * 0.6, 10);
        const double rent = vary(r, value / 400.0, 20);
        leaseTerms(c, row, {jeonse, r.between(10, 100) * 100.0, rent});
        row.set("c3", r.chance(30) ? QStringLiteral("YES") : QStringLiteral("NO"));
    } else {
        const int price = seoul ? clamp(value, 30000, 150000, 500) : clamp(value, 12000, 120000, 500);
        row.set("Sales_amt", price);
        if (r.chance(40))
            row.set("Land_amt", clamp(price * r.between(10, 40) / 100.0, 1000, 50000, 1000));
        row.set("Move_into_amt", price - row.amount("Land_amt"));
    }
    return Look::Home;
}

Look presaleRight(Ctx &c, Row &row, const Place &p, bool)
{
    Rng &r = c.rng;
    static const QStringList builders = {QStringLiteral("삼성물산"), QStringLiteral("GS건설"),
                                         QStringLiteral("현대건설"), QStringLiteral("대우건설"),
                                         QStringLiteral("롯데건설"), QStringLiteral("포스코건설")};
    const int size = r.between(6, 15) * 3 + 6;
    row.set("Obj_kind", QStringLiteral("아파트분양권"));
    row.set("Bld_nme", p.stem + r.pick(kBrands.mid(0, 8)));
    row.set("Bld_degree", num(r.between(101, 112)));
    floors(r, row, 15, 40);
    row.set("Bld_num", num(row.amount("Bld_layer") * 100 + r.between(1, 4)));
    row.set("Gnd_png", size);
    row.set("Gnd_area", std::lround(size * 0.76));
    row.set("Bld_hi_home", num(r.between(30, 200) * 10));
    row.set("Bld_company", r.pick(builders));
    row.set("Move_to_date", QStringLiteral("%1년%2월").arg(c.today.year() + r.between(1, 3)).arg(r.between(1, 12)));
    row.set("House_direct", direction(r));
    row.set("Room_num", num(size < 30 ? 3 : 4));
    row.set("Bath_num", QStringLiteral("2"));
    row.set("Living_num", QStringLiteral("1"));
    const int divide = clamp(vary(r, size * p.level * 0.85, 10), 15000, 140000, 100);
    const int premium = clamp(vary(r, divide * 0.08, 50), 500, 20000, 500);
    const int paid = clamp(divide * r.between(10, 40) / 100.0, 1000, divide, 100);
    row.set("Divide_amt", divide);
    row.set("Divide_pi_amt", premium);
    row.set("Payment_amt", paid);
    row.set("Nonpayment_amt", divide - paid);
    row.set("Sales_amt", divide + premium);
    row.set("Move_into_amt", paid + premium);
    return Look::Home;
}

Look house(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int land = r.between(35, 110);
    row.set("Obj_kind", QStringLiteral("단독주택"));
    row.set("Gnd_png", land);
    row.set("Gnd_area", std::lround(land * r.between(60, 95) / 100.0));
    row.set("Bld_structure", structure(r));
    row.set("Bld_year", year(r, 1975, 2015));
    row.set("Heat_type", heating(r));
    row.set("House_direct", direction(r));
    row.set("Room_num", num(r.between(3, 5)));
    row.set("Living_num", QStringLiteral("1"));
    row.set("Bath_num", num(r.between(1, 2)));
    if (lease) {
        row.set("Obj_kubun3", r.weighted({QStringLiteral("건물전체"), QStringLiteral("층전체"),
                                          QStringLiteral("부분임대"), QStringLiteral("호수별")},
                                         {40, 30, 20, 10}));
        floors(r, row, 1, 3);
        leaseTerms(c, row,
                   {vary(r, land * p.level * 0.3, 15), r.between(10, 50) * 100.0, vary(r, land * p.level / 900.0, 20)});
    } else {
        row.set("Bld_hi_layer", num(r.between(1, 3)));
        row.set("Bld_lo_layer", num(r.between(0, 1)));
        row.set("Move_to_date", moveInText(r, c.today));
        row.set("Sales_amt", clamp(vary(r, land * p.level * 0.9, 15), 15000, 300000, 1000));
    }
    return Look::Home;
}

Look multiHousehold(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int land = r.between(40, 85);
    row.set("Obj_kind", QStringLiteral("다가구"));
    row.set("Bld_nme", named(r, {QStringLiteral("하우스"), QStringLiteral("빌"), QStringLiteral("주택")}));
    row.set("Gnd_png", land);
    row.set("Gnd_area", std::lround(land * r.between(150, 220) / 100.0));
    row.set("Bld_structure", structure(r));
    row.set("Bld_year", year(r, 1990, 2020));
    row.set("Heat_type", QStringLiteral("도시가스"));
    row.set("House_direct", direction(r));
    if (lease) {
        const QString type = r.pick({QStringLiteral("2룸"), QStringLiteral("3룸"), QStringLiteral("다가구")});
        row.set("Obj_kubun3", type);
        floors(r, row, 3, 4);
        row.set("Room_num", type == QStringLiteral("3룸") ? QStringLiteral("3") : QStringLiteral("2"));
        row.set("Bath_num", QStringLiteral("1"));
        leaseTerms(c, row, {vary(r, p.level * 9, 15), r.between(5, 30) * 100.0, vary(r, p.level / 30.0, 20)});
    } else {
        row.set("Obj_kubun3", r.weighted({QStringLiteral("다가구"), QStringLiteral("2룸"), QStringLiteral("3룸"),
                                          QStringLiteral("4룸")},
                                         {55, 20, 15, 10}));
        row.set("Bld_hi_layer", num(r.between(3, 4)));
        row.set("Bld_lo_layer", num(r.between(0, 1)));
        row.set("Room_num", num(r.between(8, 10)));
        row.set("Move_to_date", moveInText(r, c.today));
        const int price = clamp(vary(r, land * p.level * 1.3, 15), 40000, 300000, 1000);
        row.set("Sales_amt", price);
        row.set("Warrenty_amt", roundTo(price * r.between(25, 45) / 100.0, 1000));
        row.set("Monthly_amt", roundTo(vary(r, price / 250.0, 20), 10));
        row.set("N1", decimal(r.between(30, 55) / 10.0));
        row.set("Land_amt", r.chance(40) ? roundTo(price * 0.2, 1000) : 0);
    }
    return Look::Home;
}

Look villa(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    static const QStringList kinds = {QStringLiteral("빌라"), QStringLiteral("다세대"), QStringLiteral("연립")};
    static const QStringList suffixes = {QStringLiteral("빌라"), QStringLiteral("하이츠"), QStringLiteral("맨션"),
                                         QStringLiteral("캐슬"), QStringLiteral("빌")};
    const int size = r.between(12, 34);
    row.set("Obj_kind", r.weighted(kinds, {50, 35, 15}));
    row.set("Bld_nme", named(r, suffixes));
    floors(r, row, 3, 5);
    row.set("Bld_num", num(row.amount("Bld_layer") * 100 + r.between(1, 4)));
    row.set("Gnd_png", size);
    row.set("Gnd_area", std::lround(size * 0.8));
    row.set("Bld_structure", QStringLiteral("철근콘크리트"));
    row.set("Bld_year", year(r, 1990, 2022));
    row.set("Heat_type", QStringLiteral("도시가스"));
    row.set("House_direct", direction(r));
    row.set("Room_num", num(size < 18 ? 2 : 3));
    row.set("Living_num", QStringLiteral("1"));
    row.set("Bath_num", num(size < 25 ? 1 : 2));
    const double value = vary(r, size * p.level * 0.5, 15);
    if (lease) {
        row.set("Obj_kubun3",
                r.weighted({QStringLiteral("전체임대"), QStringLiteral("호수별"), QStringLiteral("부분임대")},
                           {60, 30, 10}));
        leaseTerms(c, row, {value * 0.7, r.between(5, 30) * 100.0, value / 350.0});
    } else {
        row.set("Move_to_date", moveInText(r, c.today));
        row.set("Sales_amt", clamp(value, 8000, 60000, 500));
    }
    return Look::Home;
}

Look officetel(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int size = r.between(10, 40);
    row.set("Obj_kind", QStringLiteral("오피스텔"));
    row.set("Obj_kubun3",
            r.weighted({QStringLiteral("주거용"), QStringLiteral("사무실용"), QStringLiteral("혼합형")}, {55, 30, 15}));
    row.set("Bld_nme", p.stem + r.pick({QStringLiteral("센트럴"), QStringLiteral("타워"), QStringLiteral("시티"),
                                        QStringLiteral("오피스텔"), QStringLiteral("리버뷰")}));
    floors(r, row, 10, 25);
    row.set("Bld_num", num(row.amount("Bld_layer") * 100 + r.between(1, 20)));
    row.set("Gnd_png", size);
    row.set("Gnd_area", std::lround(size * 0.55));
    row.set("Bld_year", year(r, 1995, 2022));
    row.set("Heat_type", r.pick({QStringLiteral("개별난방"), QStringLiteral("도시가스"), QStringLiteral("지역난방")}));
    row.set("House_direct", direction(r));
    row.set("Room_num", num(size < 20 ? 1 : 2));
    row.set("Bath_num", QStringLiteral("1"));
    row.set("Official_amt", r.between(8, 25));
    const double value = vary(r, size * p.level * 0.55, 15);
    if (lease) {
        row.set("Move_to_date", moveInText(r, c.today));
        leaseTerms(c, row, {value * 0.75, r.between(5, 30) * 100.0, value / 300.0}, {25, 65, 10});
    } else {
        row.set("Move_to_date", moveInText(r, c.today));
        row.set("Sales_amt", clamp(value, 8000, 70000, 500));
        row.set("N1", decimal(r.between(35, 60) / 10.0));
    }
    return Look::Home;
}

Look oneRoom(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int size = r.between(5, 12);
    row.set("Obj_kind", QStringLiteral("원룸"));
    row.set("Obj_kubun3",
            r.weighted({QStringLiteral("호수별"), QStringLiteral("층전체"), QStringLiteral("건물전체")}, {80, 10, 10}));
    row.set("Bld_nme", named(r, {QStringLiteral("원룸"), QStringLiteral("하우스"), QStringLiteral("스튜디오"),
                                 QStringLiteral("리빙텔")}));
    floors(r, row, 4, 6);
    row.set("Bld_num", num(row.amount("Bld_layer") * 100 + r.between(1, 8)));
    row.set("Gnd_png", size);
    row.set("Gnd_area", std::lround(size * 0.8));
    row.set("Bld_year", year(r, 1998, 2022));
    row.set("Heat_type", QStringLiteral("도시가스"));
    row.set("House_direct", direction(r));
    row.set("Room_num", QStringLiteral("1"));
    row.set("Bath_num", QStringLiteral("1"));
    row.set("Official_amt", r.between(3, 10));
    if (lease) {
        leaseTerms(
            c, row,
            {vary(r, size * p.level * 0.45, 15), r.between(5, 20) * 100.0, vary(r, 25 + size * p.level / 800.0, 15)},
            {20, 75, 5});
    } else {
        row.set("Sales_amt", clamp(vary(r, size * p.level * 0.6, 15), 5000, 30000, 500));
        row.set("N1", decimal(r.between(40, 70) / 10.0));
    }
    return Look::Home;
}

Look countryHouse(Ctx &c, Row &row, const Place &p, bool lease)
{
    Rng &r = c.rng;
    const int site = r.between(15, 40) * 10;
    row.set("Obj_kind", QStringLiteral("전원주택"));
    countryLot(r, row, p);
    row.set("Gnd_png", site);
    row.set("Gnd_area", r.between(25, 70));
    row.set("Bld_structure", r.pick({QStringLiteral("목조"), QStringLiteral("철근콘크리트"), QStringLiteral("조립식"),
                                     QStringLiteral("시멘트벽돌")}));
    row.set("Bld_year", year(r, 1995, 2023));
    row.set("Heat_type", r.pick({QStringLiteral("기름보일러"), QStringLiteral("LPG가스"), QStringLiteral("도시가스")}));
    row.set("House_direct", direction(r));
    row.set("Room_num", num(r.between(3, 4)));
    row.set("Living_num", QStringLiteral("1"));
    row.set("Bath_num", num(r.between(1, 2)));
    if (lease) {
        row.set("Obj_kubun3", r.weighted({QStringLiteral("전체임대"), QStringLiteral("부분임대")}, {80, 20}));
        floors(r, row, 1, 2);
        leaseTerms(c, row, {vary(r, p.level * 12, 20), r.between(10, 50) * 100.0, vary(r, 60 + p.level / 40.0, 20)},
                   {60, 30, 10});
    } else {
        row.set("Bld_hi_layer", num(r.between(1, 2)));
        row.set("Move_to_date", moveInText(r, c.today));
        row.set("Sales_amt", clamp(vary(r, site * 90 + p.level * 20, 20), 25000, 120000, 500));
    }
    return Look::Land;
}

} // namespace demo::detail
