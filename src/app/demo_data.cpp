#include "app/demo_data.h"

#include "app/demo_data_parts.h"
#include "data/data_module.h"
#include "data/database.h"
#include "data/db_error.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

// The libraries are static: their compiled-in resources register only when something names them.
static void registerDemoResources()
{
    Q_INIT_RESOURCE(data);
    Q_INIT_RESOURCE(app);
}

namespace demo {
namespace detail {

static const QString kSeedResource = QStringLiteral(":/data/address_seed.json");
static const QString kLogoResource = QStringLiteral(":/app/demo_logo.gif");

static void run(QSqlQuery &q)
{
    if (!q.exec())
        throw DbError(q.lastError().text());
}

// Runs a prepared statement with its positional values; an empty text is stored as '' (not null),
// as the program's own windows store it.
static void run(QSqlQuery &q, const QStringList &values)
{
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i).isNull() ? QStringLiteral("") : values.at(i));
    run(q);
}

static QJsonObject loadSeed()
{
    QFile file(kSeedResource);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("주소 자료를 읽을 수 없습니다 : %1").arg(kSeedResource));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isObject())
        throw DbError(QStringLiteral("주소 자료가 올바르지 않습니다 : %1").arg(error.errorString()));
    return doc.object();
}

QList<Town> seedTowns(const QJsonObject &seed)
{
    QList<Town> towns;
    const QJsonObject umd = seed.value(QStringLiteral("umd")).toObject();
    for (auto it = umd.begin(); it != umd.end(); ++it) {
        const QStringList key = it.key().split(QLatin1Char('|'));
        if (key.size() != 2)
            continue;
        for (const QJsonValue &town : it.value().toArray())
            towns.append({key.at(0), key.at(1), town.toString()});
    }
    return towns;
}

// Copies the demonstration logo into the folder "image" beside the data folder; returns its path.
static QString installLogo(const Tdm &dm)
{
    const QString folder = dm.imageFolder();
    const QString target = QDir(folder).filePath(QStringLiteral("logo.gif"));
    if (!QDir().mkpath(folder))
        throw DbError(QStringLiteral("폴더를 만들 수 없습니다 : %1").arg(QDir::toNativeSeparators(folder)));
    // A logo left by another data folder beside this one is replaced.
    QFile::remove(target);
    if (!QFile::copy(kLogoResource, target))
        throw DbError(QStringLiteral("로고 그림을 만들 수 없습니다 : %1").arg(QDir::toNativeSeparators(target)));
    // A copy out of the resources is read-only; the office must be able to replace its logo.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return target;
}

void writeOffice(Tdm &dm, const Office &office)
{
    const QString logo = installLogo(dm);
    QSqlQuery q(database::connection());
    q.prepare(QStringLiteral(
        "update id_table set Id = :Id, Pwd = :Pwd, Name = :Name, Sangho = :Sangho, Sangho_num = :Sangho_num, "
        "Sangho_kubun = :Sangho_kubun, Sangho_no = :Sangho_no, Ddd = :Ddd, phone = :phone, handphone = :handphone, "
        "post = :post, addr = :addr, c1 = :c1, c2 = :c2, c3 = :c3, c4 = :c4, c5 = :c5, c6 = :c6, c7 = :c7, "
        "c8 = :c8, c9 = :c9, c10 = :c10, c11 = :c11, c17 = :c17, homepage = :homepage, email = :email, "
        "bt_font = '', ip_font = '', loginf = 1 where Num = 1"));
    const QList<std::pair<const char *, QString>> values = {
        {":Id", QStringLiteral("ADMIN")},
        {":Pwd", QStringLiteral("1234")},
        {":Name", office.agent},
        {":Sangho", office.name},
        {":Sangho_num", QStringLiteral("11680-2015-00231")},
        {":Sangho_kubun", QStringLiteral("공인중개사")},
        {":Sangho_no", QStringLiteral("220-12-34567")},
        {":Ddd", QStringLiteral("02")},
        {":phone", QStringLiteral("555-1234")},
        {":handphone", office.mobile},
        {":post", QStringLiteral("135080")},
        {":addr", QStringLiteral("서울 강남구 역삼동 823-15 행복빌딩 1층")},
        {":c1", QStringLiteral("서울")},
        {":c2", QStringLiteral("강남구")},
        {":c3", QStringLiteral("역삼동")},
        {":c4", QStringLiteral("행복부동산")},
        {":c5", QStringLiteral("YES")},
        {":c6", QString()},
        {":c7", QStringLiteral("02-555-1235")},
        {":c8", QStringLiteral("YES")},
        {":c9", QStringLiteral("NO")},
        {":c10", QStringLiteral("YES")},
        {":c11", QStringLiteral("YES")},
        {":c17", logo},
        {":homepage", QStringLiteral("http://www.happy-realty.example")},
        {":email", QStringLiteral("office@happy-realty.example")},
    };
    for (const auto &[name, value] : values)
        q.bindValue(QString::fromLatin1(name), value.isNull() ? QStringLiteral("") : value);
    run(q);
}

void writeAddressLists(const QJsonObject &seed)
{
    QSqlQuery q(database::connection());
    q.prepare(QStringLiteral("insert into SIDO (sido) values (?)"));
    for (const QString &city : Tdm::cityNames())
        run(q, {city});

    // Districts in the fixed order of the provinces, each province's list as the seed gives it.
    const QJsonObject sigun = seed.value(QStringLiteral("sigun")).toObject();
    q.prepare(QStringLiteral("insert into SIGUN (sido, sigun) values (?, ?)"));
    for (const QString &city : Tdm::cityNames()) {
        for (const QJsonValue &district : sigun.value(city).toArray())
            run(q, {city, district.toString()});
    }

    q.prepare(QStringLiteral("insert into UMD (sido, sigun, umd) values (?, ?, ?)"));
    for (const Town &t : seedTowns(seed))
        run(q, {t.city, t.district, t.town});

    q.prepare(QStringLiteral(
        "insert into ZIPCODE (ZIPCODE, SIDO, GUGUN, DONG, BUNJI, GITA, ADDR) values (?, ?, ?, ?, ?, ?, ?)"));
    for (const QJsonValue &row : seed.value(QStringLiteral("zipcode")).toArray()) {
        const QJsonArray fields = row.toArray();
        if (fields.size() != 7)
            continue;
        QStringList values;
        for (const QJsonValue &field : fields)
            values << field.toString();
        run(q, values);
    }
}

// The listings shown with pictures: the newest of these kinds and deal types, so they are the first
// rows of their lists. The ones a visitor looks inside get a second picture of a room.
static const QStringList kPicturedKinds = {
    QStringLiteral("아파트|매매"),   QStringLiteral("아파트|임대"),   QStringLiteral("오피스텔|임대"),
    QStringLiteral("빌라|매매"),     QStringLiteral("단독주택|매매"), QStringLiteral("상가|임대"),
    QStringLiteral("전원주택|매매"), QStringLiteral("빌딩|매매"),     QStringLiteral("모텔|매매"),
    QStringLiteral("공장|매매"),     QStringLiteral("토지|매매"),     QStringLiteral("다가구|매매"),
};
static const QStringList kInteriorKinds = {
    QStringLiteral("아파트|매매"), QStringLiteral("아파트|임대"),   QStringLiteral("오피스텔|임대"),
    QStringLiteral("빌라|매매"),   QStringLiteral("전원주택|매매"),
};

static QSet<int> picturedRows(const QList<mamulRecord> &rows)
{
    QSet<int> chosen;
    QSet<QString> done;
    for (int i = int(rows.size()) - 1; i >= 0; --i) {
        const mamulRecord &rec = rows.at(i);
        if (rec[QStringLiteral("Obj_state")] == QStringLiteral("삭제"))
            continue;
        const QString key = rec[QStringLiteral("Obj_kind")] + QLatin1Char('|') + rec[QStringLiteral("Obj_kubun1")];
        if (kPicturedKinds.contains(key) && !done.contains(key)) {
            done.insert(key);
            chosen.insert(i);
        }
    }
    return chosen;
}

static QString savePicture(const Tdm &dm, const mamulRecord &rec, int slot)
{
    const QString path =
        QDir(dm.imgFolder()).filePath(QStringLiteral("img%1_%2.jpg").arg(rec[QStringLiteral("Id_seq")]).arg(slot));
    if (!listingPicture(rec, slot).save(path, "JPG", 85))
        throw DbError(QStringLiteral("사진 파일을 만들 수 없습니다 : %1").arg(QDir::toNativeSeparators(path)));
    return path;
}

static void writeListings(Tdm &dm, QList<mamulRecord> rows)
{
    // Numbers follow the entry dates, as if the office had typed the rows in over the years.
    std::stable_sort(rows.begin(), rows.end(), [](const mamulRecord &a, const mamulRecord &b) {
        return a[QStringLiteral("Insert_date")] < b[QStringLiteral("Insert_date")];
    });
    const QSet<int> pictured = picturedRows(rows);
    if (!QDir().mkpath(dm.imgFolder()))
        throw DbError(QStringLiteral("폴더를 만들 수 없습니다 : %1").arg(QDir::toNativeSeparators(dm.imgFolder())));
    for (int i = 0; i < rows.size(); ++i) {
        mamulRecord &rec = rows[i];
        rec[0] = dm.NextListingId();
        if (pictured.contains(i)) {
            rec[QStringLiteral("Pic_pic1")] = savePicture(dm, rec, 1);
            const QString key = rec[QStringLiteral("Obj_kind")] + QLatin1Char('|') + rec[QStringLiteral("Obj_kubun1")];
            if (kInteriorKinds.contains(key))
                rec[QStringLiteral("Pic_pic2")] = savePicture(dm, rec, 2);
        }
        dm.InsertListing(rec);
    }
}

} // namespace detail

void fill(Tdm &dm, const QDate &today)
{
    using namespace detail;
    registerDemoResources();
    const QJsonObject seed = loadSeed();
    const QList<Town> towns = seedTowns(seed);
    if (towns.isEmpty())
        throw DbError(QStringLiteral("주소 자료에 읍/면/동이 없습니다."));
    const Office office;
    database::inWriteTransaction([&] {
        writeOffice(dm, office);
        writeAddressLists(seed);
        const QList<Person> customers = writeCustomers(seed, today);
        writeListings(dm,
                      makeListings(towns, office, customers, today) + makeRequests(towns, office, customers, today));
        writeSchedule(today, customers);
    });
}

} // namespace demo
