#pragma once
// What the writers of the kinds share with the rest of the demonstration listings.

#include "app/demo_data_parts.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace demo::detail {

inline QString num(qint64 v)
{
    return QString::number(v);
}
inline QString decimal(double v)
{
    return QString::number(v, 'f', 1);
}
inline int roundTo(double v, int step)
{
    return std::max(step, int(std::lround(v / step)) * step);
}
// A value `base` give or take `percent` per cent.
inline double vary(Rng &rng, double base, int percent)
{
    return base * (100 + rng.between(-percent, percent)) / 100.0;
}

// A listing in the making, written by column name.
class Row {
public:
    mamulRecord rec;
    void set(const char *column, const QString &value) { rec[QString::fromLatin1(column)] = value; }
    void set(const char *column, qint64 value) { set(column, num(value)); }
    QString get(const char *column) const { return rec[QString::fromLatin1(column)]; }
    qint64 amount(const char *column) const { return get(column).toLongLong(); }
};

// What a listing looks like, for its description, its transport line and its picture.
enum class Look { Home, Shop, Land };

struct Place {
    Town town;
    double level = 1500; // apartment price of the district in 만원 per 평
    QString stem;        // the town's name without its last syllable, for building names
};

struct Ctx {
    Rng rng{kListingSeed};
    const Office &office;
    const QList<Person> &customers;
    QDate today;
    QHash<QString, QStringList> towns, countryTowns; // "city|district" -> towns
    QStringList cityDistricts, countryDistricts;
};

// Writes the kind's own columns of a sale or lease listing.
using KindWriter = Look (*)(Ctx &, Row &, const Place &, bool lease);

// Kinds in the order of the office's menu, with how many sale and lease listings each gets.
struct Plan {
    KindWriter writer;
    int sales, leases;
    bool country; // land, plants and country houses lie outside the city
};
const QList<Plan> &kindPlans();

// Names to build building names from.
extern const QStringList kBrands, kNames;

// A whole number of `step`s near `v`, kept within lo..hi.
int clamp(double v, int lo, int hi, int step);
QString direction(Rng &rng);
QString heating(Rng &rng);
QString structure(Rng &rng);
QString year(Rng &rng, int from, int to);
QString moveInText(Rng &rng, const QDate &today);
// A name and a suffix, drawn in that order.
QString named(Rng &rng, const QStringList &suffixes);
// Floors: the unit's floor and the number of floors above ground.
void floors(Rng &rng, Row &row, int lowest, int highest);
// The private lot of land and plants, and the village it lies in.
void countryLot(Rng &rng, Row &row, const Place &p);

// Lease terms: a full deposit (전세), a small deposit with rent (월세), or half of each (전월세). The terms
// are a braced list, whose parts are drawn in order.
struct Terms {
    double jeonse, deposit, rent;
};
void leaseTerms(Ctx &c, Row &row, const Terms &terms, const QList<int> &weights = {40, 45, 15});

// The writers of the kinds.
Look apartment(Ctx &c, Row &row, const Place &p, bool lease);
Look presaleRight(Ctx &c, Row &row, const Place &p, bool lease);
Look house(Ctx &c, Row &row, const Place &p, bool lease);
Look multiHousehold(Ctx &c, Row &row, const Place &p, bool lease);
Look villa(Ctx &c, Row &row, const Place &p, bool lease);
Look shop(Ctx &c, Row &row, const Place &p, bool lease);
Look shopHouse(Ctx &c, Row &row, const Place &p, bool lease);
Look officetel(Ctx &c, Row &row, const Place &p, bool lease);
Look oneRoom(Ctx &c, Row &row, const Place &p, bool lease);
Look office(Ctx &c, Row &row, const Place &p, bool lease);
Look building(Ctx &c, Row &row, const Place &p, bool lease);
Look land(Ctx &c, Row &row, const Place &p, bool lease);
Look factory(Ctx &c, Row &row, const Place &p, bool lease);
Look countryHouse(Ctx &c, Row &row, const Place &p, bool lease);
Look fillingStation(Ctx &c, Row &row, const Place &p, bool lease);
Look motel(Ctx &c, Row &row, const Place &p, bool lease);
Look otherKind(Ctx &c, Row &row, const Place &p, bool lease);

} // namespace demo::detail
