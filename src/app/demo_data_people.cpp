// People of the demonstration data: the customer book and the month's schedule.

#include "app/demo_data_parts.h"
#include "data/database.h"
#include "data/db_error.h"
#include "ui/cp949.h"

#include <QJsonArray>
#include <QSqlError>
#include <QSqlQuery>

namespace demo::detail {

const QString &Rng::weighted(const QStringList &list, const QList<int> &weights)
{
    int total = 0;
    for (int w : weights)
        total += w;
    int draw = between(1, total);
    for (int i = 0; i < list.size() && i < weights.size(); ++i) {
        draw -= weights.at(i);
        if (draw <= 0)
            return list.at(i);
    }
    return list.last();
}

QString isoDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString manwon(qint64 amount)
{
    if (amount < 10000)
        return QString::number(amount);
    const qint64 rest = amount % 10000;
    return QString::number(amount / 10000) + QStringLiteral("억") + (rest ? QString::number(rest) : QString());
}

QString areaCode(const QString &city)
{
    static const QHash<QString, QString> codes = {
        {QStringLiteral("서울"), QStringLiteral("02")},  {QStringLiteral("경기"), QStringLiteral("031")},
        {QStringLiteral("인천"), QStringLiteral("032")}, {QStringLiteral("부산"), QStringLiteral("051")},
        {QStringLiteral("대구"), QStringLiteral("053")}, {QStringLiteral("광주"), QStringLiteral("062")},
        {QStringLiteral("대전"), QStringLiteral("042")}, {QStringLiteral("울산"), QStringLiteral("052")},
    };
    return codes.value(city, QStringLiteral("02"));
}

// Surnames with their spelling in mail addresses, the common ones more often.
static const QStringList kSurnames = {
    QStringLiteral("김"), QStringLiteral("이"), QStringLiteral("박"), QStringLiteral("최"), QStringLiteral("정"),
    QStringLiteral("강"), QStringLiteral("조"), QStringLiteral("윤"), QStringLiteral("장"), QStringLiteral("임"),
    QStringLiteral("한"), QStringLiteral("오"), QStringLiteral("서"), QStringLiteral("신"), QStringLiteral("권"),
    QStringLiteral("황"), QStringLiteral("안"), QStringLiteral("송"), QStringLiteral("류"), QStringLiteral("홍"),
};
static const QStringList kSurnamesLatin = {
    QStringLiteral("kim"),  QStringLiteral("lee"),  QStringLiteral("park"), QStringLiteral("choi"),
    QStringLiteral("jung"), QStringLiteral("kang"), QStringLiteral("cho"),  QStringLiteral("yoon"),
    QStringLiteral("jang"), QStringLiteral("lim"),  QStringLiteral("han"),  QStringLiteral("oh"),
    QStringLiteral("seo"),  QStringLiteral("shin"), QStringLiteral("kwon"), QStringLiteral("hwang"),
    QStringLiteral("ahn"),  QStringLiteral("song"), QStringLiteral("ryu"),  QStringLiteral("hong"),
};
static const QList<int> kSurnameWeights = {21, 15, 9, 5, 5, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};

static const QStringList kGivenNames = {
    QStringLiteral("영희"), QStringLiteral("철수"), QStringLiteral("민준"), QStringLiteral("서연"),
    QStringLiteral("지훈"), QStringLiteral("수진"), QStringLiteral("현우"), QStringLiteral("지영"),
    QStringLiteral("성민"), QStringLiteral("은정"), QStringLiteral("동현"), QStringLiteral("미경"),
    QStringLiteral("준호"), QStringLiteral("혜진"), QStringLiteral("상훈"), QStringLiteral("정숙"),
    QStringLiteral("재원"), QStringLiteral("유진"), QStringLiteral("태희"), QStringLiteral("진우"),
    QStringLiteral("명숙"), QStringLiteral("경호"), QStringLiteral("소영"), QStringLiteral("승현"),
    QStringLiteral("나래"), QStringLiteral("형준"), QStringLiteral("순자"), QStringLiteral("기태"),
    QStringLiteral("미란"), QStringLiteral("병철"), QStringLiteral("하늘"), QStringLiteral("윤서"),
    QStringLiteral("도윤"), QStringLiteral("정호"), QStringLiteral("은비"), QStringLiteral("광수"),
    QStringLiteral("옥순"), QStringLiteral("대호"), QStringLiteral("선희"), QStringLiteral("종민"),
};

static QString digits(Rng &rng, int count)
{
    int lo = 1;
    for (int i = 1; i < count; ++i)
        lo *= 10;
    return QString::number(rng.between(lo * (count > 3 ? 2 : 1), lo * 10 - 1));
}

static QString landline(Rng &rng, const QString &city)
{
    const QString exchange = digits(rng, 3 + int(rng.chance(60)));
    const QString line = digits(rng, 4);
    return areaCode(city) + QLatin1Char('-') + exchange + QLatin1Char('-') + line;
}

Person person(Rng &rng, const QString &city)
{
    static const QStringList domains = {QStringLiteral("example.com"), QStringLiteral("example.net"),
                                        QStringLiteral("example.org")};
    Person p;
    const int surname = kSurnames.indexOf(rng.weighted(kSurnames, kSurnameWeights));
    p.name = kSurnames.at(surname) + rng.pick(kGivenNames);
    const QString middle = digits(rng, 4);
    const QString last = digits(rng, 4);
    p.mobile = QStringLiteral("010-") + middle + QLatin1Char('-') + last;
    p.home = landline(rng, city);
    p.office = landline(rng, city);
    p.email = kSurnamesLatin.at(surname) + digits(rng, 4);
    p.email += QLatin1Char('@') + rng.pick(domains);
    return p;
}

static void run(QSqlQuery &q, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &v = values.at(i);
        // An empty text is stored as '' (not null), as the windows store it.
        q.bindValue(i, v.typeId() == QMetaType::QString && v.toString().isNull() ? QVariant(QStringLiteral("")) : v);
    }
    if (!q.exec())
        throw DbError(q.lastError().text());
}

QList<Person> writeCustomers(const QJsonObject &seed, const QDate &today)
{
    static const QStringList relations = {QStringLiteral("고객"), QStringLiteral("가족"),   QStringLiteral("친척"),
                                          QStringLiteral("친구"), QStringLiteral("관공서"), QStringLiteral("기타")};
    static const QList<int> relationWeights = {80, 4, 4, 6, 3, 3};
    static const QStringList companies = {
        QStringLiteral("한빛전자"),     QStringLiteral("대한물산"),   QStringLiteral("미래건설"),
        QStringLiteral("서울유통"),     QStringLiteral("푸른식품"),   QStringLiteral("동방무역"),
        QStringLiteral("강남세무회계"), QStringLiteral("새한약품"),   QStringLiteral("우리디자인"),
        QStringLiteral("역삼치과"),     QStringLiteral("한결법무사"), QStringLiteral("다온소프트"),
    };
    static const QStringList departments = {QStringLiteral("영업부"), QStringLiteral("총무부"),
                                            QStringLiteral("기획실"), QStringLiteral("인사팀"),
                                            QStringLiteral("재무팀"), QStringLiteral("개발팀")};
    static const QStringList titles = {QStringLiteral("사원"), QStringLiteral("대리"), QStringLiteral("과장"),
                                       QStringLiteral("차장"), QStringLiteral("부장"), QStringLiteral("대표")};
    static const QStringList dwellings = {QStringLiteral("아파트"), QStringLiteral("빌라"), QStringLiteral("단독주택"),
                                          QStringLiteral("오피스텔"), QStringLiteral("원룸")};
    static const QStringList buildings = {QStringLiteral("래미안"), QStringLiteral("자이"), QStringLiteral("푸르지오"),
                                          QStringLiteral("현대"),   QStringLiteral("한신"), QStringLiteral("주공")};
    static const QStringList memos = {
        QStringLiteral("30평대 아파트 매수 희망. 학군 중요하게 생각함."),
        QStringLiteral("전세 만기 석 달 전. 같은 동네 전세 찾는 중."),
        QStringLiteral("상가 투자 문의. 수익률 5% 이상 원함."),
        QStringLiteral("소유 빌라 매도 의뢰 예정. 시세 확인 요청."),
        QStringLiteral("사무실 이전 검토 중. 역세권 50평 내외."),
        QStringLiteral("신혼부부. 투룸 월세 보증금 1000 이내."),
        QStringLiteral("토지 매입 상담. 전원주택 부지 300평 정도."),
        QStringLiteral("오래된 단골 고객. 명절 인사 챙길 것."),
        QStringLiteral("주말에만 통화 가능."),
        QStringLiteral("자녀 결혼으로 소형 아파트 구함."),
    };

    Rng rng(kCustomerSeed);
    const QJsonArray zips = seed.value(QStringLiteral("zipcode")).toArray();
    QList<Person> people;
    QSqlQuery q(database::connection());
    q.prepare(QStringLiteral(
        "insert into cust_table (Num, Cname, CCompany, CGwange, Cbuseo, Cgikchek, Chandphone, Cphone, Cophone, "
        "Cfax, Chomepage, Caddr, Cbld_type, Cliving_type, Cmove_into_date, Cmove_out_date, Oname, Ophone, "
        "Ohandphone, OEmail, Cemail, CMemo) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?)"));
    for (int num = 1; num <= 50; ++num) {
        const QJsonArray zip = zips.isEmpty() ? QJsonArray() : zips.at(rng.between(0, int(zips.size()) - 1)).toArray();
        const QString city = zip.at(1).toString(QStringLiteral("서울"));
        Person p = person(rng, city);
        const bool working = rng.chance(60);
        if (!rng.chance(70))
            p.home.clear();
        if (!working)
            p.office.clear();
        const QString zipcode = zip.at(0).toString();
        // One draw per statement: the order in which operands of + are evaluated is not fixed.
        QString lot = QString::number(rng.between(1, 900));
        if (rng.chance(60))
            lot += QLatin1Char('-') + QString::number(rng.between(1, 40));
        const QString addr =
            QStringLiteral("(%1-%2) %3 %4 %5 %6")
                .arg(zipcode.left(3), zipcode.mid(3), city, zip.at(2).toString(), zip.at(3).toString(), lot);
        const QString dwelling = rng.pick(dwellings);
        const bool tenant = rng.chance(45);
        QString building;
        if (dwelling == QStringLiteral("아파트")) {
            building = zip.at(3).toString().chopped(1) + rng.pick(buildings);
            building += QLatin1Char(' ') + QString::number(rng.between(101, 115)) + QStringLiteral("동");
        }
        // A tenant's two-year lease is still running; an owner may have lived there for years.
        const QDate moveIn = today.addDays(-(tenant ? rng.between(30, 700) : rng.between(200, 3000)));
        Person owner;
        if (tenant)
            owner = person(rng, city);
        const QString memo = rng.pick(memos);
        people.append(p);
        run(q, {num,
                p.name,
                working ? rng.pick(companies) : QString(),
                rng.weighted(relations, relationWeights),
                working ? rng.pick(departments) : QString(),
                working ? rng.pick(titles) : QString(),
                p.mobile,
                p.home,
                p.office,
                working && rng.chance(50) ? p.office.chopped(1) + QLatin1Char('9') : QString(),
                QStringLiteral("http://"),
                addr,
                building,
                tenant ? (rng.chance(60) ? QStringLiteral("전세") : QStringLiteral("월세")) : QStringLiteral("자가"),
                isoDate(moveIn),
                tenant ? isoDate(moveIn.addYears(2)) : QString(),
                owner.name,
                owner.home,
                owner.mobile,
                p.email,
                p.email,
                memo});
    }
    return people;
}

// Fixed national holidays, the days a schedule item marks as a holiday besides Sundays.
static bool isHoliday(const QDate &day)
{
    static const QStringList fixed = {QStringLiteral("01-01"), QStringLiteral("03-01"), QStringLiteral("05-05"),
                                      QStringLiteral("06-06"), QStringLiteral("08-15"), QStringLiteral("10-03"),
                                      QStringLiteral("10-09"), QStringLiteral("12-25")};
    return day.dayOfWeek() == Qt::Sunday || fixed.contains(day.toString(QStringLiteral("MM-dd")));
}

void writeSchedule(const QDate &today, const QList<Person> &customers)
{
    struct Item {
        int type;
        QString title, memo;
    };
    static const QStringList others = {QStringLiteral("세무사 상담"), QStringLiteral("중개업 연수교육"),
                                       QStringLiteral("매물 사진 촬영"), QStringLiteral("광고 전단 배포"),
                                       QStringLiteral("구청 민원 서류 발급")};
    Rng rng(kScheduleSeed);
    QSqlQuery q(database::connection());
    q.prepare(
        QStringLiteral("insert into Scedule (SCode, SDate, Title, Memo, ACheck, Type) values (?, ?, ?, ?, ?, ?)"));
    const QDate first(today.year(), today.month(), 1);
    const int days = today.daysInMonth();
    const int count = 12;
    for (int i = 0; i < count; ++i) {
        const int type = i % 5;
        const QString name =
            customers.isEmpty() ? QStringLiteral("고객") : customers.at(rng.between(0, int(customers.size()) - 1)).name;
        const int hour = rng.between(10, 17);
        const int amount = rng.between(10, 90) * 500;
        Item item;
        switch (type) {
        case 0:
            item = {type, name + (rng.chance(50) ? QStringLiteral(" 매매계약") : QStringLiteral(" 전세계약")),
                    QStringLiteral("%1시 사무실에서 계약서 작성.\n신분증과 도장 지참 안내.").arg(hour)};
            break;
        case 1:
            item = {type, name + QStringLiteral(" 중도금"),
                    QStringLiteral("중도금 %1만원 입금 확인 후 영수증 전달.").arg(manwon(amount))};
            break;
        case 2:
            item = {type, name + QStringLiteral(" 잔금 및 등기"),
                    QStringLiteral("%1시 잔금 %2만원. 법무사 동행, 관리비 정산.").arg(hour).arg(manwon(amount * 2))};
            break;
        case 3:
            item = {type, name + QStringLiteral(" 고객 이사"),
                    QStringLiteral("이사 당일 열쇠 인계, 가스와 전기 계량기 확인.")};
            break;
        default:
            item = {type, rng.pick(others), QStringLiteral("%1시. 잊지 말 것.").arg(hour)};
            break;
        }
        // Spread over the month, a day or two apart, never outside it.
        const int day = qBound(1, 1 + i * days / count + rng.between(0, 1), days);
        const QDate date = first.addDays(day - 1);
        run(q, {i + 1, isoDate(date), cp949::truncated(item.title, 30), item.memo, isHoliday(date) ? 1 : 0, item.type});
    }
}

} // namespace demo::detail
