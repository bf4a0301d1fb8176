#pragma once
// The data folder the benchmarks run on: the size of a busy office's ten years, 100,000 listings
// across every kind and deal type, with plausible addresses, prices, owners and states. Made in a
// temporary home (configuration included) so no benchmark touches the user's own.

#include "app/data_folder.h"
#include "catalogue/kinds.h"
#include "data/database.h"
#include "data/db_error.h"
#include "data/listing_record.h"
#include "data/schema.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

namespace benchdata {

constexpr int kListings = 100000;

inline const QStringList kCities = {"서울", "경기", "인천", "부산", "대구", "대전"};
inline const QStringList kDistricts = {"강남구",   "서초구", "송파구", "분당구",
                                       "해운대구", "수성구", "유성구", "마포구"};
inline const QStringList kTowns = {"역삼동", "대치동", "잠실동", "정자동", "우동", "범어동", "봉명동", "합정동"};
inline const QStringList kStates = {"일반", "일반", "일반", "추천", "급매", "계약", "보류", "기타"};
inline const QStringList kNames = {"김영수", "이미경", "박준호", "최지은", "정대현", "한소영"};
inline const QStringList kBuildings = {"래미안", "자이", "푸르지오", "힐스테이트", "e편한세상", "더샵", "아이파크"};
// The kinds stored for the two families that keep several (villas; other kinds).
inline const QStringList kVillaKinds = {"빌라", "다세대", "연립"};
inline const QStringList kOtherKinds = {"학원", "가든", "별장", "기타"};

// One plausible listing of the given number: a kind, a deal type, an address, prices that fit the
// deal type, owner and tenant, dates and a description.
inline mamulRecord makeListing(qint64 id, std::mt19937 &rng)
{
    auto pick = [&rng](const QStringList &list) { return list.at(int(rng() % list.size())); };
    auto number = [&rng](int lo, int hi) { return QString::number(lo + int(rng() % unsigned(hi - lo + 1))); };
    const QList<Kind> &kinds = kinds::all();
    const Kind &kind = kinds.at(int(rng() % kinds.size()));
    const bool lease = !kind.leaseList.isEmpty() && rng() % 2;
    const QDate inserted = QDate(2016, 1, 1).addDays(int(rng() % 3650));

    mamulRecord r;
    r["Id_seq"] = QString::number(id);
    if (!kind.objKind.isEmpty())
        r["Obj_kind"] = kind.objKind;
    else
        r["Obj_kind"] = pick(kind.code == QLatin1String("BIL") ? kVillaKinds : kOtherKinds);
    r["Obj_kubun1"] = lease ? QStringLiteral("임대") : QStringLiteral("매매");
    r["Obj_kubun2"] = lease ? (rng() % 2 ? QStringLiteral("전세") : QStringLiteral("월세")) : QString();
    r["Add_city"] = pick(kCities);
    r["Add_district"] = pick(kDistricts);
    r["Add_town"] = pick(kTowns);
    r["Addr_number"] = number(1, 999) + QLatin1Char('-') + number(1, 99);
    r["Zip_code"] = number(100, 999) + QLatin1Char('-') + number(100, 999);
    r["Bld_nme"] = pick(kBuildings) + number(1, 12) + QStringLiteral("차");
    r["Bld_degree"] = number(101, 120) + QStringLiteral("동");
    r["Bld_num"] = number(101, 2505);
    r["Bld_layer"] = number(1, 25);
    r["Bld_hi_layer"] = QStringLiteral("25");
    r["Bld_lo_layer"] = QStringLiteral("2");
    r["Gnd_png"] = number(15, 80);
    r["Gnd_area"] = QString::number(r["Gnd_png"].toDouble() * 3.3058, 'f', 2);
    r["Room_num"] = number(1, 5);
    r["Bath_num"] = number(1, 3);
    r["House_direct"] = QStringLiteral("남향");
    r["Heat_type"] = QStringLiteral("도시가스");
    r["Bld_year"] = number(1985, 2024);
    if (lease) {
        r["Warrenty_amt"] = number(1000, 80000);
        r["Monthly_amt"] = r["Obj_kubun2"] == QLatin1String("월세") ? number(30, 400) : QStringLiteral("0");
    } else {
        r["Sales_amt"] = number(5000, 300000);
        r["Pyeong_amt"] = number(500, 8000);
    }
    r["Sales_person"] = pick(kNames);
    r["Sales_cnum"] = QStringLiteral("010-") + number(1000, 9999) + QLatin1Char('-') + number(1000, 9999);
    r["Sales_pnum"] = QStringLiteral("02-") + number(200, 999) + QLatin1Char('-') + number(1000, 9999);
    if (lease) {
        r["Lent_person"] = pick(kNames);
        r["Lent_cnum"] = QStringLiteral("010-") + number(1000, 9999) + QLatin1Char('-') + number(1000, 9999);
    }
    r["Insert_date"] = inserted.toString(Qt::ISODate);
    r["Update_date"] = inserted.addDays(int(rng() % 90)).toString(Qt::ISODate);
    r["Obj_state"] = pick(kStates);
    r["Spec"] =
        QStringLiteral("역세권, 남향, 학군 우수. 주차 가능하며 즉시 입주 가능합니다. 관리 상태 양호, 리모델링 %1년.")
            .arg(number(2010, 2024));
    r["N1"] = QStringLiteral("0");
    r["Elect"] = QStringLiteral("0");
    return r;
}

// Fills the table in one transaction through one prepared statement: far quicker than the data
// module's one-row-at-a-time insert, and the rows are the same.
inline void fillListings(int count)
{
    QSqlDatabase db = database::connection();
    const QStringList columns = mamulRecord::columns();
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("insert into mamul_table (%1) values (%2)")
                       .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))))
        throw DbError(q.lastError().text());
    const schema::Table &table = schema::listingTable();
    std::mt19937 rng(20261209);
    database::inWriteTransaction([&] {
        for (int id = 1; id <= count; ++id) {
            const mamulRecord r = makeListing(id, rng);
            for (int c = 0; c < mamulRecord::kColumns; ++c) {
                // Numbers and amounts go in as numbers, as the data module binds them.
                const schema::Type type = table.columns.at(c).type;
                if (c == 0)
                    q.bindValue(c, qint64(id));
                else if (type == schema::Type::Number || type == schema::Type::Money)
                    q.bindValue(c, r[c].isEmpty() ? 0.0 : r[c].toDouble());
                else
                    q.bindValue(c, r[c]);
            }
            if (!q.exec())
                throw DbError(q.lastError().text());
        }
    });
}

// Points the configuration at `home`, creates a data folder there with `count` listings and opens
// it. Returns the folder, or an empty text after saying on stderr what went wrong.
inline QString makeDataFolder(const QTemporaryDir &home, int count = kListings)
{
    if (!home.isValid())
        return QString();
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("share")).toUtf8());
    const QString folder = home.filePath(QStringLiteral("office/data"));
    try {
        datafolder::create(folder, false);
        database::open(folder);
        fillListings(count);
        QSqlQuery check(database::connection());
        if (!check.exec(QStringLiteral("select count(*), count(distinct Obj_kind) from mamul_table")) ||
            !check.next() || check.value(0).toInt() != count) {
            std::fprintf(stderr, "the listings were not stored\n");
            return QString();
        }
        std::printf("%d listings of %d kinds\n", check.value(0).toInt(), check.value(1).toInt());
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return QString();
    }
    return folder;
}

} // namespace benchdata
