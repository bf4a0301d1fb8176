// Listings of the demonstration data: every kind, sale and lease, in the office's towns, with their
// owners, tenants, states, dates and titles; and a handful of customers' requests.
//
// One draw of the random source per statement: the order in which the operands of an expression or
// the arguments of a call are evaluated is not fixed, and the data must come out the same with every
// compiler. Braced lists are the exception: their parts are evaluated in order.

#include "app/demo_data_kinds.h"

namespace demo::detail {

namespace {

// ---- what every listing has ----

double priceLevel(const Town &t)
{
    static const QHash<QString, double> levels = {
        {QStringLiteral("서울|강남구"), 4000},   {QStringLiteral("서울|서초구"), 3900},
        {QStringLiteral("서울|송파구"), 3100},   {QStringLiteral("서울|마포구"), 2400},
        {QStringLiteral("서울|노원구"), 1400},   {QStringLiteral("서울|은평구"), 1500},
        {QStringLiteral("경기|성남시"), 2200},   {QStringLiteral("경기|고양시"), 1300},
        {QStringLiteral("경기|용인시"), 1200},   {QStringLiteral("인천|남동구"), 1000},
        {QStringLiteral("부산|해운대구"), 1500},
    };
    return levels.value(t.city + QLatin1Char('|') + t.district, 1500);
}

Place place(Ctx &c, bool country)
{
    if (c.countryDistricts.isEmpty())
        country = false;
    const QStringList &districts = country ? c.countryDistricts : c.cityDistricts;
    const QHash<QString, QStringList> &towns = country ? c.countryTowns : c.towns;
    // Most of the office's listings lie in its own district.
    static const QString home = QStringLiteral("서울|강남구");
    const QString key = !country && districts.contains(home) && c.rng.chance(35) ? home : c.rng.pick(districts);
    const QStringList key2 = key.split(QLatin1Char('|'));
    Place p;
    p.town = {key2.at(0), key2.at(1), c.rng.pick(towns[key])};
    p.level = priceLevel(p.town);
    p.stem = p.town.town.size() > 2 ? p.town.town.chopped(1) : p.town.town;
    return p;
}

const QHash<QString, QStringList> &stations()
{
    static const QHash<QString, QStringList> byDistrict = {
        {QStringLiteral("강남구"), {QStringLiteral("역삼"), QStringLiteral("강남"), QStringLiteral("선릉")}},
        {QStringLiteral("서초구"), {QStringLiteral("교대"), QStringLiteral("양재"), QStringLiteral("방배")}},
        {QStringLiteral("송파구"), {QStringLiteral("잠실"), QStringLiteral("석촌"), QStringLiteral("문정")}},
        {QStringLiteral("마포구"), {QStringLiteral("공덕"), QStringLiteral("합정"), QStringLiteral("망원")}},
        {QStringLiteral("노원구"), {QStringLiteral("노원"), QStringLiteral("상계"), QStringLiteral("중계")}},
        {QStringLiteral("은평구"), {QStringLiteral("연신내"), QStringLiteral("불광"), QStringLiteral("구파발")}},
        {QStringLiteral("성남시"), {QStringLiteral("서현"), QStringLiteral("정자"), QStringLiteral("야탑")}},
        {QStringLiteral("고양시"), {QStringLiteral("정발산"), QStringLiteral("마두"), QStringLiteral("화정")}},
        {QStringLiteral("용인시"), {QStringLiteral("죽전"), QStringLiteral("보정"), QStringLiteral("동백")}},
        {QStringLiteral("남동구"), {QStringLiteral("구월"), QStringLiteral("만수")}},
        {QStringLiteral("해운대구"), {QStringLiteral("해운대"), QStringLiteral("센텀시티"), QStringLiteral("장산")}},
    };
    return byDistrict;
}

QString transport(Rng &r, const Place &p, Look look)
{
    if (look == Look::Land)
        return QStringLiteral("고속도로 나들목 %1분").arg(r.between(5, 25));
    const QStringList names = stations().value(p.town.district);
    if (names.isEmpty())
        return QStringLiteral("버스정류장 도보 %1분").arg(r.between(2, 10));
    const QString station = r.pick(names);
    return QStringLiteral("%1역 도보 %2분").arg(station).arg(r.between(2, 15));
}

const QStringList kStates = {QStringLiteral("일반"), QStringLiteral("추천"), QStringLiteral("급매"),
                             QStringLiteral("계약"), QStringLiteral("보류"), QStringLiteral("기타"),
                             QStringLiteral("삭제")};
const QList<int> kStateWeights = {61, 10, 8, 10, 6, 3, 2};

QStringList sentences(Look look)
{
    switch (look) {
    case Look::Home:
        return {QStringLiteral("남향이라 하루 종일 햇볕이 잘 듭니다."),
                QStringLiteral("초등학교가 가까워 아이 키우기 좋습니다."),
                QStringLiteral("지하철역까지 걸어서 5분 거리입니다."),
                QStringLiteral("올해 도배와 장판을 새로 했습니다."),
                QStringLiteral("주차 공간이 넉넉합니다."),
                QStringLiteral("조용한 주택가라 생활하기 편합니다."),
                QStringLiteral("대형마트와 병원이 가깝습니다."),
                QStringLiteral("확장형 구조라 실평수가 넓게 나옵니다."),
                QStringLiteral("앞이 트여 전망이 좋습니다."),
                QStringLiteral("관리가 잘 되어 깨끗합니다.")};
    case Look::Shop:
        return {QStringLiteral("유동인구가 많은 대로변 코너 자리입니다."),
                QStringLiteral("버스정류장 바로 앞이라 눈에 잘 띕니다."),
                QStringLiteral("주변에 사무실이 많아 점심 손님이 꾸준합니다."),
                QStringLiteral("엘리베이터와 주차장을 갖추었습니다."),
                QStringLiteral("임차인이 오래 안정적으로 영업 중입니다."),
                QStringLiteral("층고가 높아 활용도가 좋습니다."),
                QStringLiteral("대단지 아파트 입구에 있어 배후 수요가 탄탄합니다."),
                QStringLiteral("시설을 그대로 인수할 수 있습니다.")};
    case Look::Land:
        return {QStringLiteral("포장도로에 접해 있어 진입이 쉽습니다."),
                QStringLiteral("나들목에서 가까워 물류가 편리합니다."),
                QStringLiteral("평탄한 땅이라 바로 건축할 수 있습니다."),
                QStringLiteral("주변에 전원주택 단지가 들어서고 있습니다."),
                QStringLiteral("대형 화물차가 드나들 수 있습니다."),
                QStringLiteral("남향의 완만한 경사지로 전망이 좋습니다."),
                QStringLiteral("전기와 지하수가 들어와 있습니다.")};
    }
    return {};
}

QString stateSentence(const QString &state)
{
    static const QHash<QString, QString> texts = {
        {QStringLiteral("추천"), QStringLiteral("사무실 추천 물건입니다. 꼭 보여 드리세요.")},
        {QStringLiteral("급매"), QStringLiteral("소유자 사정으로 급하게 정리합니다. 시세보다 저렴합니다.")},
        {QStringLiteral("계약"), QStringLiteral("계약이 끝났습니다. 잔금 일정을 챙겨 주세요.")},
        {QStringLiteral("보류"), QStringLiteral("소유자 요청으로 잠시 보류 중입니다.")},
        {QStringLiteral("기타"), QStringLiteral("소유자와 조건을 다시 협의하고 있습니다.")},
        {QStringLiteral("삭제"), QStringLiteral("거래가 끝나 정리한 물건입니다.")},
    };
    return texts.value(state);
}

QString spec(Rng &r, Look look, const QString &state)
{
    QStringList pool = sentences(look);
    QStringList lines;
    const QString first = stateSentence(state);
    if (!first.isEmpty())
        lines << first;
    const int count = r.between(2, 3);
    for (int i = 0; i < count && !pool.isEmpty(); ++i)
        lines << pool.takeAt(r.between(0, int(pool.size()) - 1));
    return lines.join(QLatin1Char('\n'));
}

QString priceText(const Row &row)
{
    const QString type = row.get("Obj_kubun2");
    if (row.get("Obj_kubun1") == QStringLiteral("매매"))
        return QStringLiteral("매매 ") + manwon(row.amount("Sales_amt"));
    if (type == QStringLiteral("전세"))
        return QStringLiteral("전세 ") + manwon(row.amount("Warrenty_amt"));
    return type + QLatin1Char(' ') + manwon(row.amount("Warrenty_amt")) + QLatin1Char('/') +
           num(row.amount("Monthly_amt"));
}

Person someone(Ctx &c, const QString &city)
{
    // About a third of the owners are already in the customer book, so the lookup finds them.
    if (!c.customers.isEmpty() && c.rng.chance(30))
        return c.customers.at(c.rng.between(0, int(c.customers.size()) - 1));
    return person(c.rng, city);
}

QString noteNumber(Rng &r)
{
    static const QStringList shelves = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                        QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F")};
    const QString shelf = r.pick(shelves);
    return shelf + QLatin1Char('-') + num(r.between(101, 999));
}

mamulRecord listing(Ctx &c, const Plan &plan, bool lease)
{
    Rng &r = c.rng;
    Row row;
    const Place p = place(c, plan.country);
    row.set("Obj_kubun1", lease ? QStringLiteral("임대") : QStringLiteral("매매"));
    row.set("Add_city", p.town.city);
    row.set("Add_district", p.town.district);
    row.set("Add_town", p.town.town);
    if (!plan.country)
        row.set("Addr_number", num(r.between(1, 999)));
    if (!plan.country)
        row.set("Addr_number", row.get("Addr_number") + QLatin1Char('-') + num(r.between(1, 40)));
    const Look look = plan.writer(c, row, p, lease);
    if (row.get("Trafic_info").isEmpty())
        row.set("Trafic_info", transport(r, p, look));

    const QString state = r.weighted(kStates, kStateWeights);
    row.set("Obj_state", state);
    const QDate inserted = c.today.addDays(-r.between(0, 729));
    const int since = int(inserted.daysTo(c.today));
    QDate updated = r.chance(50) ? inserted : inserted.addDays(r.between(0, since));
    row.set("Insert_date", isoDate(inserted));
    if (state == QStringLiteral("계약")) {
        const QDate signedOn = c.today.addDays(-r.between(0, std::min(since, 90)));
        const QDate ends = lease ? signedOn.addYears(2) : signedOn.addDays(r.between(30, 90));
        row.set("Cont_date", isoDate(signedOn));
        row.set("Cont_end_date", isoDate(ends));
        updated = std::max(updated, signedOn);
    }
    row.set("Update_date", isoDate(updated));

    const Person owner = someone(c, p.town.city);
    row.set("Sales_person", owner.name);
    row.set("Sales_cnum", owner.mobile);
    if (r.chance(60))
        row.set("Sales_pnum", owner.home);
    if (r.chance(30))
        row.set("Sales_onum", owner.office);
    if (r.chance(lease ? 35 : 20)) {
        const Person tenant = someone(c, p.town.city);
        row.set("Lent_person", tenant.name);
        row.set("Lent_cnum", tenant.mobile);
        if (r.chance(40))
            row.set("Lent_pnum", tenant.home);
    }
    row.set("Estate_nme", c.office.name);
    row.set("Estate_rep", c.office.mainPhone);
    row.set("Estate_pnum", c.office.phone);
    row.set("Estate_cnum", c.office.mobile);
    if (r.chance(85))
        row.set("c1", noteNumber(r));
    row.set("c2", r.chance(70) ? QStringLiteral("YES") : QStringLiteral("NO"));

    const QString what = row.get("Bld_nme").isEmpty() || row.get("Obj_kind") == QStringLiteral("주유소")
                             ? row.get("Obj_kind")
                             : row.get("Bld_nme");
    QString open = p.town.town + QLatin1Char(' ') + what + QLatin1Char(' ') + row.get("Gnd_png") +
                   QStringLiteral("평 ") + priceText(row);
    if (state == QStringLiteral("급매") || state == QStringLiteral("추천"))
        open = QLatin1Char('[') + state + QStringLiteral("] ") + open;
    row.set("Open_title", open);
    static const QStringList notes = {
        QStringLiteral("가격 조정 가능"),   QStringLiteral("소유자 직접 연락 요망"),
        QStringLiteral("열쇠 사무실 보관"), QStringLiteral("방문 전 세입자에게 연락"),
        QStringLiteral("주말 방문 가능"),   QStringLiteral("융자 확인 필요"),
        QStringLiteral("공동중개 가능"),
    };
    const QString note = r.pick(notes);
    row.set("Close_title", owner.name + QStringLiteral(" 소유, ") + note);
    row.set("Spec", spec(r, look, state));
    return row.rec;
}

Ctx context(const QList<Town> &towns, const Office &office, const QList<Person> &customers, const QDate &today)
{
    Ctx c{Rng(kListingSeed), office, customers, today, {}, {}, {}, {}};
    for (const Town &t : towns) {
        const QString key = t.city + QLatin1Char('|') + t.district;
        const bool village = t.town.endsWith(QStringLiteral("면")) || t.town.endsWith(QStringLiteral("읍"));
        // Villages are kept for the kinds that lie outside the city.
        if (!village) {
            if (!c.cityDistricts.contains(key))
                c.cityDistricts << key;
            c.towns[key] << t.town;
        }
        if (t.city == QStringLiteral("경기")) {
            if (!c.countryDistricts.contains(key))
                c.countryDistricts << key;
            c.countryTowns[key] << t.town;
        }
    }
    return c;
}

} // namespace

QList<mamulRecord> makeListings(const QList<Town> &towns, const Office &office, const QList<Person> &customers,
                                const QDate &today)
{
    Ctx c = context(towns, office, customers, today);
    QList<mamulRecord> rows;
    for (const Plan &plan : kindPlans()) {
        for (int i = 0; i < plan.sales; ++i)
            rows << listing(c, plan, false);
        for (int i = 0; i < plan.leases; ++i)
            rows << listing(c, plan, true);
    }
    return rows;
}

QList<mamulRecord> makeRequests(const QList<Town> &towns, const Office &office, const QList<Person> &customers,
                                const QDate &today)
{
    // What the customers ask for: the deal, the kind wanted and how pressing it is.
    struct Wish {
        QString deal, kind, state;
    };
    static const QList<Wish> wishes = {
        {QStringLiteral("매수"), QStringLiteral("아파트"), QStringLiteral("급구")},
        {QStringLiteral("임차"), QStringLiteral("아파트"), QStringLiteral("보통")},
        {QStringLiteral("매수"), QStringLiteral("토지"), QStringLiteral("당골")},
        {QStringLiteral("임차"), QStringLiteral("사무실"), QStringLiteral("보통")},
        {QStringLiteral("매매"), QStringLiteral("단독주택"), QStringLiteral("보류")},
        {QStringLiteral("임대"), QStringLiteral("상가"), QStringLiteral("완료")},
        {QStringLiteral("교환"), QStringLiteral("빌딩"), QStringLiteral("보통")},
        {QStringLiteral("매수"), QStringLiteral("오피스텔"), QStringLiteral("급구")},
    };
    static const QStringList notes = {
        QStringLiteral("학군 좋은 곳이면 조금 비싸도 괜찮음"),
        QStringLiteral("역세권 필수"),
        QStringLiteral("주차 2대 이상 원함"),
        QStringLiteral("급하지 않음, 좋은 물건 나오면 연락"),
        QStringLiteral("대출 없이 현금 거래 희망"),
        QStringLiteral("남향, 고층 선호"),
    };
    Ctx c = context(towns, office, customers, today);
    c.rng = Rng(kRequestSeed);
    Rng &r = c.rng;
    QList<mamulRecord> rows;
    for (int i = 0; i < wishes.size(); ++i) {
        const Wish &w = wishes.at(i);
        const bool country = w.kind == QStringLiteral("토지");
        const Place p = place(c, country);
        const bool renting = w.deal == QStringLiteral("임차") || w.deal == QStringLiteral("임대");
        Row row;
        row.set("Obj_kubun1", QStringLiteral("매수임차"));
        row.set("Obj_kind", w.deal);
        row.set("Obj_kubun3", w.kind);
        row.set("Obj_state", w.state);
        row.set("Add_city", p.town.city);
        row.set("Add_district", p.town.district);
        row.set("Add_town", p.town.town);
        const int size = country ? r.between(20, 100) * 10 : r.between(15, 60);
        row.set("Gnd_png", size);
        if (!country)
            row.set("Gnd_area", std::lround(size * 0.75));
        if (w.kind == QStringLiteral("아파트") || w.kind == QStringLiteral("오피스텔") ||
            w.kind == QStringLiteral("단독주택"))
            row.set("Room_num", num(size < 25 ? 2 : size < 40 ? 3 : 4));
        const double value = country ? size * p.level * 0.04 : vary(r, size * p.level, 10);
        if (renting) {
            row.set("Sales_amt", std::clamp(roundTo(value * 0.3, 500), 500, 50000));
            row.set("Oth_amt", QStringLiteral("월세 %1만원 이내").arg(std::clamp(roundTo(value / 300, 10), 40, 300)));
        } else {
            row.set("Sales_amt", roundTo(value, 1000));
        }
        const QString note = r.pick(notes);
        row.set("Spec", QStringLiteral("%1 %2 %3 %4평 정도 %5 희망.\n%6.")
                            .arg(p.town.district, p.town.town, w.kind)
                            .arg(size)
                            .arg(w.deal, note));
        row.set("Open_title", QStringLiteral("%1 %2 %3 희망").arg(p.town.town, w.kind, w.deal));
        row.set("Close_title", QStringLiteral("예산 ") + manwon(row.amount("Sales_amt")));
        const Person &who = customers.isEmpty() ? person(r, p.town.city) : customers.at((i * 7 + 3) % customers.size());
        row.set("Sales_person", who.name);
        row.set("Sales_cnum", who.mobile);
        row.set("Sales_pnum", who.home);
        row.set("Sales_onum", who.office);
        row.set("Estate_nme", office.name);
        row.set("Estate_rep", office.mainPhone);
        row.set("Estate_pnum", office.phone);
        row.set("Estate_cnum", office.mobile);
        const QDate asked = today.addDays(-r.between(0, 180));
        row.set("Insert_date", isoDate(asked));
        row.set("Update_date", isoDate(asked.addDays(r.between(0, int(asked.daysTo(today))))));
        if (w.state == QStringLiteral("완료")) {
            row.set("Cont_date", row.get("Update_date"));
            row.set("Cont_end_date", isoDate(QDate::fromString(row.get("Update_date"), Qt::ISODate).addYears(2)));
        }
        rows << row.rec;
    }
    return rows;
}

} // namespace demo::detail
