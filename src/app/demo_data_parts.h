#pragma once
// The pieces of the demonstration data: a repeatable random source, people and places to draw from,
// and the writers of each part. Everything is drawn from fixed seeds, so a demonstration folder made
// on one day holds the same rows every time.

#include "data/listing_record.h"

#include <QDate>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <random>

class Tdm;

namespace demo::detail {

// The engine's output is fixed by the language standard; the ranges are taken by hand (not with the
// library's distributions, whose results differ between compilers), so every build draws alike.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : m_engine(seed) {}
    int between(int lo, int hi) { return lo + int(m_engine() % std::uint32_t(hi - lo + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    const QString &pick(const QStringList &list) { return list.at(between(0, int(list.size()) - 1)); }
    // A value of `list` drawn with the matching weight of `weights`.
    const QString &weighted(const QStringList &list, const QList<int> &weights);

private:
    std::mt19937 m_engine;
};

struct Person {
    QString name, mobile, home, office, email;
};

struct Town {
    QString city, district, town;
};

// The office that owns the demonstration data.
struct Office {
    QString name = QStringLiteral("행복공인중개사사무소");
    QString agent = QStringLiteral("김민수");
    QString phone = QStringLiteral("02-555-1234");
    QString mainPhone = QStringLiteral("555-1234");
    QString mobile = QStringLiteral("010-1234-5678");
};

// Seeds of the parts: one stream each, so that a change to one part leaves the others as they were.
enum Seed : std::uint32_t {
    kListingSeed = 20040315,
    kCustomerSeed = 19990701,
    kRequestSeed = 20120505,
    kScheduleSeed = 20080808,
};

QString areaCode(const QString &city);
Person person(Rng &rng, const QString &city);
QString isoDate(const QDate &date);
// An amount in 만원 as the office writes it: 9억5000, 8000.
QString manwon(qint64 amount);

// The towns of the address seed, in the seed's order.
QList<Town> seedTowns(const QJsonObject &seed);

// Writers; they run inside the caller's write transaction.
void writeOffice(Tdm &dm, const Office &office);
void writeAddressLists(const QJsonObject &seed);
QList<Person> writeCustomers(const QJsonObject &seed, const QDate &today);
void writeSchedule(const QDate &today, const QList<Person> &customers);

// Listings of every kind and deal type, and the requests of customers, oldest first.
QList<mamulRecord> makeListings(const QList<Town> &towns, const Office &office, const QList<Person> &customers,
                                const QDate &today);
QList<mamulRecord> makeRequests(const QList<Town> &towns, const Office &office, const QList<Person> &customers,
                                const QDate &today);

// A picture of a listing: the outside (slot 1) or a room inside (slot 2).
QImage listingPicture(const mamulRecord &rec, int slot);

} // namespace demo::detail
