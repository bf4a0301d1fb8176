#include "data/schema.h"

#include "data/db_error.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace schema {

namespace {
using T = Type;
}

const QList<Table> &tables()
{
    static const QList<Table> all = {
        {QStringLiteral("mamul_table"),
         {
{"Id_seq", T::Number, 0},
          {"Obj_kind", T::Text, 20},
          {"Obj_kubun1", T::Text, 10},
          {"Obj_kubun2", T::Text, 10},
          {"Obj_kubun3", T::Text, 10},
          {"Add_address", T::Text, 100},
          {"Add_city", T::Text, 10},
          {"Add_district", T::Text, 20},
          {"Add_town", T::Text, 20},
          {"Addr_number", T::Text, 60},
          {"Add_village_nme", T::Text, 50},
          {"Add_degree", T::Text, 20},
          {"Zip_code", T::Text, 7},
          {"Add_detail", T::Text, 50},
          {"Add_etc", T::Text, 50},
          {"Bld_nme", T::Text, 50},
          {"Bld_degree", T::Text, 12},
          {"Layer_kubun", T::Text, 10},
          {"Bld_layer", T::Text, 10},
          {"Bld_hi_layer", T::Text, 10},
          {"Bld_lo_layer", T::Text, 10},
          {"Bld_num", T::Text, 10},
          {"Gnd_png", T::Number, 0},
          {"Gnd_area", T::Number, 0},
          {"Gnd_gnd", T::Number, 0},
          {"Bld_etc", T::Text, 100},
          {"Youngdo", T::Text, 50},
          {"C_youngdo", T::Text, 50},
          {"Dosi", T::Text, 30},
          {"Gimok", T::Text, 30},
          {"Etc_youngdo", T::Text, 50},
          {"Sales_amt", T::Money, 0},
          {"Move_into_amt", T::Money, 0},
          {"Land_amt", T::Money, 0},
          {"Warrenty_amt", T::Money, 0},
          {"Monthly_amt", T::Money, 0},
          {"Premium_amt", T::Money, 0},
          {"Oth_amt", T::Text, 100},
          {"Move_to_date", T::Text, 10},
          {"Bld_company", T::Text, 50},
          {"Pyeong_amt", T::Money, 0},
          {"Official_amt", T::Money, 0},
          {"Divide_amt", T::Money, 0},
          {"Divide_pi_amt", T::Money, 0},
          {"Payment_amt", T::Money, 0},
          {"Nonpayment_amt", T::Money, 0},
          {"N1", T::Number, 0},
          {"House_num", T::Text, 5},
          {"Room_num", T::Text, 5},
          {"House_direct", T::Text, 10},
          {"Heat_type", T::Text, 50},
          {"Bath_num", T::Text, 5},
          {"Living_num", T::Text, 5},
          {"Hire_gbn", T::Text, 30},
          {"Bld_structure", T::Text, 50},
          {"Bld_year", T::Text, 10},
          {"Bld_month", T::Text, 5},
          {"Trafic_info", T::Text, 50},
          {"Pic_pic1", T::Text, 255},
          {"Pic_pic2", T::Text, 255},
          {"Pic_pic3", T::Text, 255},
          {"Pic_pic4", T::Text, 255},
          {"Etc_etc1", T::Text, 100},
          {"Etc_etc2", T::Text, 100},
          {"Sales_person", T::Text, 10},
          {"Sales_pnum", T::Text, 15},
          {"Sales_cnum", T::Text, 15},
          {"Sales_onum", T::Text, 15},
          {"Lent_person", T::Text, 10},
          {"Lent_pnum", T::Text, 15},
          {"Lent_cnum", T::Text, 15},
          {"Lent_onum", T::Text, 15},
          {"Estate_nme", T::Text, 50},
          {"Estate_rep", T::Text, 10},
          {"Estate_pnum", T::Text, 15},
          {"Estate_cnum", T::Text, 15},
          {"Homepage", T::Text, 50},
          {"E_mail", T::Text, 50},
          {"Update_date", T::Text, 10},
          {"Insert_date", T::Text, 10},
          {"Obj_state", T::Text, 10},
          {"c1", T::Text, 20},
          {"c2", T::Text, 15},
          {"State_date", T::Text, 10},
          {"Cont_date", T::Text, 10},
          {"Cont_end_date", T::Text, 10},
          {"Com_val", T::Text, 10},
          {"Id_id", T::Text, 10},
          {"Id_group", T::Text, 10},
          {"Id_secret", T::Text, 10},
          {"Spec", T::Memo, 0},
          {"c3", T::Text, 15},
          {"Open_title", T::Text, 200},
          {"Close_title", T::Text, 200},
          {"C16", T::Text, 200},
          {"Bld_hi_home", T::Text, 5},
          {"Elect", T::Number, 0}
}},
        {QStringLiteral("cust_table"),
         {
{"Num", T::Number, 0},
          {"Cname", T::Text, 30},
          {"CCompany", T::Text, 50},
          {"CGwange", T::Text, 20},
          {"Cbuseo", T::Text, 30},
          {"Cgikchek", T::Text, 30},
          {"Chandphone", T::Text, 20},
          {"Cphone", T::Text, 20},
          {"Cophone", T::Text, 20},
          {"Cfax", T::Text, 20},
          {"Chomepage", T::Text, 100},
          {"Caddr", T::Text, 255},
          {"Cbld_type", T::Text, 50},
          {"Cliving_type", T::Text, 30},
          {"Cmove_into_date", T::Text, 10},
          {"Cmove_out_date", T::Text, 10},
          {"Oname", T::Text, 30},
          {"Ophone", T::Text, 20},
          {"Ohandphone", T::Text, 20},
          {"OEmail", T::Text, 50},
          {"Cemail", T::Text, 50},
          {"CMemo", T::Memo, 0}
}},
        {QStringLiteral("id_table"),
         {
{"Num", T::Number, 0},
          {"Id", T::Text, 8},
          {"Pwd", T::Text, 8},
          {"Name", T::Text, 10},
          {"Sangho", T::Text, 50},
          {"Sangho_num", T::Text, 20},
          {"Sangho_kubun", T::Text, 10},
          {"Sangho_no", T::Text, 15},
          {"Ddd", T::Text, 4},
          {"phone", T::Text, 30},
          {"handphone", T::Text, 30},
          {"post", T::Text, 7},
          {"addr", T::Text, 100},
          {"c1", T::Text, 20},
          {"c2", T::Text, 30},
          {"c3", T::Text, 30},
          {"c4", T::Text, 20},
          {"c5", T::Text, 10},
          {"c6", T::Text, 10},
          {"c7", T::Text, 30},
          {"c8", T::Text, 10},
          {"c9", T::Text, 10},
          {"c10", T::Text, 10},
          {"c11", T::Text, 10},
          {"c12", T::Text, 50},
          {"c13", T::Text, 50},
          {"c14", T::Text, 50},
          {"c15", T::Text, 50},
          {"c16", T::Text, 255},
          {"c17", T::Text, 255},
          {"homepage", T::Text, 50},
          {"email", T::Text, 30},
          {"bt_font", T::Text, 50},
          {"bt_charset", T::Text, 10},
          {"bt_color", T::Text, 20},
          {"bt_size", T::Text, 10},
          {"bt_style", T::Text, 10},
          {"ip_font", T::Text, 50},
          {"ip_charset", T::Text, 10},
          {"ip_color", T::Text, 20},
          {"ip_size", T::Text, 10},
          {"ip_style", T::Text, 10},
          {"loginf", T::Boolean, 0}
}},
        {QStringLiteral("Scedule"),
         {
{"SCode", T::Integer, 0},
          {"SDate", T::Date, 0},
          {"Title", T::Text, 30},
          {"Memo", T::Memo, 0},
          {"ACheck", T::Boolean, 0},
          {"Type", T::Integer, 0}
}},
        {QStringLiteral("ZIPCODE"),
         {
{"ZIPCODE", T::Text, 7},
          {"SIDO", T::Text, 20},
          {"GUGUN", T::Text, 20},
          {"DONG", T::Text, 100},
          {"BUNJI", T::Text, 40},
          {"GITA", T::Text, 40},
          {"ADDR", T::Text, 255}
}},
        {QStringLiteral("SIDO"),
         {
{"sido", T::Text, 20}
}},
        {QStringLiteral("SIGUN"),
         {
{"sido", T::Text, 20},
          {"sigun", T::Text, 30}
}},
        {QStringLiteral("UMD"),
         {
{"sido", T::Text, 20},
          {"sigun", T::Text, 30},
          {"umd", T::Text, 30}
}},
    };
    return all;
}

const Table &table(const QString &name)
{
    for (const Table &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return t;
    throw DbError(QStringLiteral("Table does not exist: %1").arg(name));
}

const Table &listingTable() { return tables().front(); }

QStringList columnNames(const QString &name)
{
    QStringList names;
    for (const Column &c : table(name).columns)
        names << QString::fromLatin1(c.name);
    return names;
}

static QString declaration(const Column &c)
{
    switch (c.type) {
    case Type::Text:
        return QStringLiteral("VARCHAR(%1) DEFAULT ''").arg(c.width);
    case Type::Memo:
        return QStringLiteral("TEXT DEFAULT ''");
    case Type::Date:
        // ISO date text (yyyy-MM-dd), so that comparisons and sorting hold.
        return QStringLiteral("TEXT");
    case Type::Number:
        return QStringLiteral("REAL DEFAULT 0");
    case Type::Money:
    case Type::Integer:
        return QStringLiteral("INTEGER DEFAULT 0");
    case Type::Boolean:
        return QStringLiteral("BOOLEAN DEFAULT 0");
    }
    return QString();
}

// Indexes for the list statements (kind and deal type, newest first), the MAX+1 allocations and
// the lookups by name, 동 and district.
static const char *const kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS mamul_seq ON mamul_table (Id_seq)",
    "CREATE INDEX IF NOT EXISTS mamul_kind ON mamul_table (Obj_kubun1, Obj_kind, Id_seq)",
    "CREATE INDEX IF NOT EXISTS mamul_state ON mamul_table (Obj_state, Id_seq)",
    "CREATE INDEX IF NOT EXISTS cust_num ON cust_table (Num)",
    "CREATE INDEX IF NOT EXISTS cust_name ON cust_table (Cname)",
    "CREATE INDEX IF NOT EXISTS id_id ON id_table (Id)",
    "CREATE INDEX IF NOT EXISTS sch_code ON Scedule (SCode)",
    "CREATE INDEX IF NOT EXISTS sch_date ON Scedule (SDate)",
    "CREATE INDEX IF NOT EXISTS zip_dong ON ZIPCODE (DONG)",
    "CREATE INDEX IF NOT EXISTS sigun_sido ON SIGUN (sido)",
    "CREATE INDEX IF NOT EXISTS umd_sigun ON UMD (sido, sigun)",
};

void createAll(QSqlDatabase &db)
{
    QSqlQuery q(db);
    auto run = [&](const QString &sql) {
        if (!q.exec(sql))
            throw DbError(q.lastError().text());
    };
    for (const Table &t : tables()) {
        QStringList cols;
        for (const Column &c : t.columns)
            cols << QStringLiteral("%1 %2").arg(QString::fromLatin1(c.name), declaration(c));
        run(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(t.name, cols.join(QStringLiteral(", "))));
    }
    for (const char *sql : kIndexes)
        run(QString::fromLatin1(sql));
}

} // namespace schema
