#include "data/data_module.h"

#include "data/alias_registry.h"
#include "data/database.h"
#include "data/db_error.h"
#include "ui/cp949.h"
#include "ui/fonts.h"
#include "ui/seams.h"
#include "ui/window_registry.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QWidget>
#include <memory>

static Tdm *g_dm = nullptr;
Tdm *dataModule() { return g_dm; }
void setDataModule(Tdm *dm) { g_dm = dm; }

Tdm::Tdm(QObject *parent) : QObject(parent), BackupRoot(defaultBackupRoot())
{
    setObjectName(QStringLiteral("dm"));
    if (!g_dm)
        g_dm = this;
}

Tdm::~Tdm()
{
    if (g_dm == this)
        g_dm = nullptr;
}

QString Tdm::quoted(const QString &value)
{
    QString v = value;
    return v.replace(QLatin1Char('\''), QStringLiteral("''"));
}

// ---- the list column set ----

const QStringList &Tdm::listColumnPieces()
{
    static const QStringList pieces = {
        QStringLiteral("id_seq,Obj_kind,Obj_kubun1,Obj_kubun2,Obj_kubun3,"),
        QStringLiteral("Bld_nme,Add_degree,Bld_degree,Bld_num,Bld_layer,"),
        QStringLiteral("Bld_hi_layer,Bld_lo_layer,Gnd_png,Gnd_area,Room_num,"),
        QStringLiteral("Sales_amt,N1,Warrenty_amt,Monthly_amt,Premium_amt,"),
        QStringLiteral("C1,Sales_person,Cont_date,Cont_end_date,Insert_date,"),
        QStringLiteral("Update_date,add_city,add_district,add_town,addr_number,"),
        QStringLiteral("obj_state,sales_pnum,sales_onum,sales_cnum,lent_person,"),
        QStringLiteral("lent_pnum,lent_onum,lent_cnum,add_village_nme,"),
        QStringLiteral("move_into_amt,official_amt,pyeong_amt,divide_amt,"),
        QStringLiteral("divide_pi_amt,gnd_gnd,youngdo,dosi,gimok,c_youngdo,land_amt"),
        QStringLiteral(" "),
    };
    return pieces;
}

void Tdm::AppendListColumns()
{
    for (const QString &piece : listColumnPieces())
        ListColumns += piece;
}

// ---- record numbers ----

QString Tdm::allocate(SqlQuery &q)
{
    q.close();
    q.open();
    const QString next = q.fieldByName(QStringLiteral("MSEQ")).asString();
    q.close();
    return next.isEmpty() ? QStringLiteral("1") : next;
}

QString Tdm::NextListingId() { return allocate(getMAXQry); }
QString Tdm::NextCustNum() { return allocate(getCustMAXQry); }
int Tdm::NextScheduleCode() { return allocate(getSchMAXQry).toInt(); }

// ---- listings ----

mamulRecord Tdm::ReadListing(qint64 idSeq)
{
    mamulRecord rec;
    procQry.setSql(QStringLiteral("select * from mamul_table.db where Id_seq = :Id_seq"));
    procQry.setInteger(QStringLiteral("Id_seq"), idSeq);
    procQry.open();
    if (!procQry.eof()) {
        const QSqlRecord row = procQry.record();
        for (int i = 0; i < mamulRecord::kColumns; ++i) {
            const int at = row.indexOf(mamulRecord::columns().at(i));
            if (at < 0)
                throw DbError(QStringLiteral("Field '%1' not found").arg(mamulRecord::columns().at(i)));
            rec[i] = SqlField(row.value(at)).asString();
        }
    }
    procQry.close();
    return rec;
}

namespace {

enum class Binding { Integer, Float, Money, Memo, Text };

Binding bindingOf(const QString &column)
{
    static const QHash<QString, Binding> special = [] {
        QHash<QString, Binding> h;
        h.insert(QStringLiteral("id_seq"), Binding::Integer);
        for (const char *c : {"Gnd_png", "Gnd_area", "Gnd_gnd", "N1", "Elect"})
            h.insert(QString::fromLatin1(c).toLower(), Binding::Float);
        for (const char *c : {"Sales_amt", "Move_into_amt", "Land_amt", "Warrenty_amt", "Monthly_amt", "Premium_amt",
                              "Pyeong_amt", "Official_amt", "Divide_amt", "Divide_pi_amt", "Payment_amt",
                              "Nonpayment_amt"})
            h.insert(QString::fromLatin1(c).toLower(), Binding::Money);
        h.insert(QStringLiteral("spec"), Binding::Memo);
        return h;
    }();
    return special.value(column.toLower(), Binding::Text);
}

// Whole numbers as the amount inputs give them: blanks around them and thousands separators are
// accepted, anything else (a decimal point, letters) is refused.
bool toWhole(const QString &text, qint64 *out)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    if (t.isEmpty()) {
        *out = 0;
        return true;
    }
    bool ok = false;
    *out = t.toLongLong(&ok);
    return ok;
}

bool toFloat(const QString &text, double *out)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    if (t.isEmpty()) {
        *out = 0;
        return true;
    }
    bool ok = false;
    *out = t.toDouble(&ok);
    return ok && std::isfinite(*out);
}

} // namespace

void Tdm::bindListing(SqlQuery &q, const mamulRecord &rec)
{
    // Check every number first, so that a bad value leaves the table as it was.
    for (int i = 0; i < mamulRecord::kColumns; ++i) {
        const QString &name = mamulRecord::columns().at(i);
        const QString &value = rec[i];
        switch (bindingOf(name)) {
        case Binding::Integer:
        case Binding::Money: {
            qint64 v = 0;
            if (!toWhole(value, &v))
                throw DbError(QStringLiteral("'%1'은(는) 올바른 정수가 아닙니다. (%2)\n금액과 번호는 소수점 없는 숫자로 입력해 주십시오.")
                                  .arg(value, name));
            if (bindingOf(name) == Binding::Money)
                q.setMoney(name, v);
            else
                q.setInteger(name, v);
            break;
        }
        case Binding::Float: {
            double v = 0;
            if (!toFloat(value, &v))
                throw DbError(QStringLiteral("'%1'은(는) 올바른 숫자가 아닙니다. (%2)").arg(value, name));
            q.setFloat(name, v);
            break;
        }
        case Binding::Memo:
            q.setMemo(name, value);
            break;
        case Binding::Text:
            q.setText(name, value);
            break;
        }
    }
}

static QString insertStatement()
{
    static const QString sql = [] {
        QStringList params;
        for (const QString &c : mamulRecord::columns())
            params << QLatin1Char(':') + c;
        return QStringLiteral("insert into mamul_table.db (%1) values (%2)")
            .arg(mamulRecord::columns().join(QLatin1Char(',')), params.join(QLatin1Char(',')));
    }();
    return sql;
}

static QString updateStatement()
{
    static const QString sql = [] {
        QStringList sets;
        for (const QString &c : mamulRecord::columns().mid(1))
            sets << QStringLiteral("%1 = :%1").arg(c);
        return QStringLiteral("update mamul_table.db set %1 where Id_seq = :Id_seq").arg(sets.join(QStringLiteral(", ")));
    }();
    return sql;
}

void Tdm::InsertListing(const mamulRecord &rec)
{
    procQry.setSql(insertStatement());
    procQry.clearParams();
    bindListing(procQry, rec);
    procQry.execSql();
}

void Tdm::UpdateListing(const mamulRecord &rec)
{
    procQry.setSql(updateStatement());
    procQry.clearParams();
    bindListing(procQry, rec);
    procQry.execSql();
}

void Tdm::DeleteListing(qint64 idSeq)
{
    procQry.setSql(QStringLiteral("delete from mamul_table.db where Id_seq = :Id_seq"));
    procQry.clearParams();
    procQry.setInteger(QStringLiteral("Id_seq"), idSeq);
    procQry.execSql();
}

qint64 Tdm::InsertNewListing(mamulRecord &rec, const std::function<void(mamulRecord &)> &withNumber)
{
    // Check the numbers before taking the write lock, so a bad amount never costs a number.
    {
        SqlQuery check;
        bindListing(check, rec);
    }
    return database::inWriteTransaction([&] {
        const QString id = NextListingId();
        rec[0] = id;
        if (withNumber)
            withNumber(rec);
        InsertListing(rec);
        return id.toLongLong();
    });
}

// ---- address pick lists ----

const QStringList &Tdm::cityNames()
{
    static const QStringList names = {
        QStringLiteral("서울"), QStringLiteral("경기"), QStringLiteral("인천"), QStringLiteral("부산"),
        QStringLiteral("광주"), QStringLiteral("대구"), QStringLiteral("대전"), QStringLiteral("울산"),
        QStringLiteral("강원"), QStringLiteral("충북"), QStringLiteral("충남"), QStringLiteral("전북"),
        QStringLiteral("전남"), QStringLiteral("경북"), QStringLiteral("경남"), QStringLiteral("제주"),
    };
    return names;
}

void Tdm::FillCityList(QComboBox *combo)
{
    if (combo)
        combo->addItems(cityNames());
}

static void fillFromQuery(SqlQuery &q, const char *column, QComboBox *combo)
{
    q.close();
    q.open();
    q.first();
    QStringList values;
    for (; !q.eof(); q.next())
        values << q.fieldByName(QString::fromLatin1(column)).asString();
    q.close();
    if (!combo)
        return;
    combo->clear();
    combo->addItems(values);
    const QString first = values.value(0);
    if (combo->isEditable())
        combo->setEditText(first);
    else
        combo->setCurrentIndex(values.isEmpty() ? -1 : 0);
}

void Tdm::FillDistrictList(const QString &sido, QComboBox *combo)
{
    qry_gugun.setText(QStringLiteral("sido"), sido);
    fillFromQuery(qry_gugun, "sigun", combo);
}

void Tdm::FillTownList(const QString &sido, const QString &sigun, QComboBox *combo)
{
    qry_umd.setText(QStringLiteral("sido"), sido);
    qry_umd.setText(QStringLiteral("sigun"), sigun);
    fillFromQuery(qry_umd, "umd", combo);
}

// ---- the data folder ----

QString Tdm::GetDataPath() { return aliases::pathOf(aliases::kAlias); }

void Tdm::LoadDataPath()
{
    if (!aliases::exists(aliases::kAlias)) {
        seams::dialogs().inform(aliases::kMissingMessage);
        return;
    }
    const QStringList params = aliases::params(aliases::kAlias);
    DataPath = params.value(0).mid(5).left(255);
}

bool Tdm::ChangeDataPath()
{
    if (!aliases::exists(aliases::kAlias)) {
        seams::dialogs().inform(aliases::kMissingMessage);
        return false;
    }
    const QString current = aliases::params(aliases::kAlias).value(0).mid(5).left(255);
    const QString start = QDir(current).exists() ? current : QDir::homePath();
    const QString chosen =
        seams::dialogs().chooseFolder(QStringLiteral("새로 변경하실 데이터 경로를 선택 하세요"), start);
    if (chosen.isEmpty())
        return false;
    aliases::setParams(aliases::kAlias, {QStringLiteral("PATH=") + QDir::cleanPath(chosen)});
    return true;
}

QString Tdm::defaultBackupRoot()
{
    const QString own = QCoreApplication::applicationDirPath();
    QFileInfo info(own);
    if (!own.isEmpty() && info.isDir() && info.isWritable())
        return own;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("domora/backup"));
}

int Tdm::weekdayNumber(const QDate &date) { return date.dayOfWeek() % 7 + 1; }

QString Tdm::backupFolderFor(const QDate &date) const
{
    return QDir(BackupRoot).filePath(QString::number(weekdayNumber(date)));
}

QString Tdm::imageFolder() const
{
    if (DataPath.isEmpty())
        return QString();
    QDir parent(QDir::cleanPath(DataPath));
    parent.cdUp();
    return parent.filePath(QStringLiteral("image"));
}

QString Tdm::imgFolder() const { return DataPath.isEmpty() ? QString() : QDir(DataPath).filePath(QStringLiteral("img")); }

static bool isDatabaseFile(const QString &name)
{
    return name == database::kFileName || name == database::kFileName + QStringLiteral("-wal") ||
           name == database::kFileName + QStringLiteral("-shm") || name == database::kFileName + QStringLiteral("-journal");
}

void Tdm::BackupData()
{
    if (!aliases::exists(aliases::kAlias)) {
        seams::dialogs().inform(aliases::kMissingMessage);
        return;
    }
    const QString source = aliases::params(aliases::kAlias).value(0).mid(5).left(255);
    const QString target = backupFolderFor(seams::clock().today());
    QDir dir(target);
    if (dir.exists()) {
        for (const QFileInfo &f : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (!QFile::remove(f.absoluteFilePath()))
                seams::dialogs().inform(QStringLiteral("삭제할 수 없는 파일 : ") + QDir(target).filePath(f.fileName()));
        }
    } else {
        QDir().mkpath(target);
    }
    // The database is copied by the engine itself (a consistent snapshot even while it is being
    // written); every other file and sub-folder, such as "img", is copied as it is.
    QString error;
    QDir src(source);
    if (!src.exists()) {
        seams::dialogs().inform(QStringLiteral("데이터 폴더가 없습니다 : ") + QDir::toNativeSeparators(source));
        return;
    }
    bool ok = true;
    for (const QFileInfo &f : src.entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (f.isFile()) {
            if (isDatabaseFile(f.fileName()))
                continue;
            const QString dest = QDir(target).filePath(f.fileName());
            QFile::remove(dest);
            if (!QFile::copy(f.absoluteFilePath(), dest)) {
                ok = false;
                error += QStringLiteral("복사할 수 없는 파일 : %1\n").arg(f.absoluteFilePath());
            }
        } else {
            ok = seams::shell().copyFolder(f.absoluteFilePath(), QDir(target).filePath(f.fileName()), &error) && ok;
        }
    }
    const QString dbFile = database::fileIn(source);
    if (QFileInfo(dbFile).isFile()) {
        const QString copy = QDir(target).filePath(database::kFileName);
        QFile::remove(copy);
        QString snapshotError;
        if (database::isOpen() && QDir(database::folder()) == src) {
            QSqlQuery q(database::connection());
            if (!q.exec(QStringLiteral("VACUUM INTO '%1'").arg(quoted(copy))))
                snapshotError = q.lastError().text();
        } else if (!QFile::copy(dbFile, copy)) {
            snapshotError = dbFile;
        }
        if (!snapshotError.isEmpty()) {
            ok = false;
            error += QStringLiteral("데이터베이스를 백업할 수 없습니다 : %1\n").arg(snapshotError);
        }
    }
    if (!ok)
        seams::dialogs().inform(error.trimmed());
}

// ---- fonts ----

bool Tdm::ApplyLabelFont(QFont &font, QColor *color) const
{
    return fonts::apply({LabelFontName, LabelFontCharset, LabelFontColor, LabelFontSize, LabelFontStyle}, &font, color);
}

bool Tdm::ApplyInputFont(QFont &font, QColor *color) const
{
    return fonts::apply({InputFontName, InputFontCharset, InputFontColor, InputFontSize, InputFontStyle}, &font, color);
}

static bool takesInputFont(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QCheckBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           w->inherits("AmountEdit") || w->inherits("DateEdit");
}

// Panels, labels, page controls, captioned push buttons and grids. Qt derives memos and list boxes from
// QFrame and radio and tool buttons from QAbstractButton; those are none of the above and keep their own.
static bool takesLabelFont(const QWidget *w)
{
    if (qobject_cast<const QAbstractScrollArea *>(w))
        return qobject_cast<const QTableView *>(w);
    return qobject_cast<const QFrame *>(w) || qobject_cast<const QTabWidget *>(w) ||
           qobject_cast<const QGroupBox *>(w) || qobject_cast<const QPushButton *>(w);
}

void Tdm::ApplyFonts(QWidget *component) const
{
    if (!component)
        return;
    QFont font = component->font();
    QColor color;
    bool ok = false;
    QPalette::ColorRole role = QPalette::WindowText;
    if (takesInputFont(component)) {
        ok = ApplyInputFont(font, &color);
        role = QPalette::Text;
    } else if (takesLabelFont(component)) {
        ok = ApplyLabelFont(font, &color);
    }
    if (!ok)
        return; // no stored font (or one that does not convert): the control keeps its own
    component->setFont(font);
    QPalette pal = component->palette();
    pal.setColor(role, color);
    if (role == QPalette::WindowText)
        pal.setColor(QPalette::ButtonText, color);
    // A check box draws its caption and a combo box its current item in their foreground role.
    pal.setColor(component->foregroundRole(), color);
    component->setPalette(pal);
}

// ---- input limits ----

int Tdm::ColumnMaxLength(const QString &column)
{
    static const QHash<QString, int> limits = [] {
        QHash<QString, int> h;
        auto put = [&h](int n, std::initializer_list<const char *> names) {
            for (const char *c : names)
                h.insert(QString::fromLatin1(c), n);
        };
        put(3, {"Bld_layer", "Bld_hi_layer", "Bld_lo_layer"});
        put(5, {"Bld_num", "House_num", "Room_num", "Bath_num", "Living_num", "Bld_month", "Bld_hi_home"});
        put(7, {"Zip_code", "N1"});
        put(10, {"Obj_kubun1", "Obj_kubun2", "Obj_kubun3", "Add_city", "Layer_kubun", "Gnd_png", "Gnd_area",
                 "Gnd_gnd", "Move_to_date", "House_direct", "Bld_year", "Sales_person", "Lent_person", "Estate_rep",
                 "Update_date", "Insert_date", "Obj_state", "State_date", "Cont_date", "Cont_end_date", "Com_val",
                 "Id_id", "Id_group", "Id_secret"});
        put(12, {"Bld_degree", "Monthly_amt", "Premium_amt"});
        put(15, {"Sales_amt", "Move_into_amt", "Land_amt", "Warrenty_amt", "Pyeong_amt", "Official_amt",
                 "Divide_amt", "Divide_pi_amt", "Payment_amt", "Nonpayment_amt", "Sales_pnum", "Sales_cnum",
                 "Sales_onum", "Lent_pnum", "Lent_cnum", "Lent_onum", "Estate_pnum", "Estate_cnum", "c1", "c2",
                 "c3"});
        put(20, {"Obj_kind", "Add_district", "Add_town", "Add_degree"});
        put(30, {"Dosi", "Gimok", "Hire_gbn"});
        put(50, {"Add_village_nme", "Add_detail", "Add_etc", "Bld_nme", "Youngdo", "C_youngdo", "Etc_youngdo",
                 "Bld_company", "Heat_type", "Bld_structure", "Trafic_info", "Pic_pic1", "Pic_pic2", "Pic_pic3",
                 "Pic_pic4", "Estate_nme", "Homepage", "E_mail"});
        put(60, {"Addr_number"});
        put(100, {"Add_address", "Bld_etc", "Oth_amt", "Etc_etc1", "Etc_etc2"});
        put(200, {"Open_title", "Close_title", "C16"});
        put(240, {"Spec"});
        return h;
    }();
    return limits.value(column, 0); // the name must match exactly, case included
}

void Tdm::ApplyMaxLength(QWidget *component)
{
    if (!component)
        return;
    const bool limited = qobject_cast<QLineEdit *>(component) || qobject_cast<QComboBox *>(component) ||
                         qobject_cast<QAbstractSpinBox *>(component) || component->inherits("AmountEdit") ||
                         component->inherits("DateEdit");
    if (limited)
        cp949::applyByteLimit(component, ColumnMaxLength(component->objectName()));
}

// ---- calculated columns ----

static QString text(const QSqlRecord &row, const char *column)
{
    const int i = row.indexOf(QString::fromLatin1(column));
    return i < 0 ? QString() : SqlField(row.value(i)).asString();
}

QString Tdm::addrList(const QSqlRecord &row)
{
    return text(row, "add_city") + QLatin1Char(' ') + text(row, "add_district") + QLatin1Char(' ') +
           text(row, "add_town") + QLatin1Char(' ') + text(row, "addr_number");
}

QString Tdm::layerSum(const QSqlRecord &row) { return text(row, "bld_layer") + QLatin1Char('/') + text(row, "bld_hi_layer"); }

QString Tdm::phones(const QSqlRecord &row)
{
    const QString mobile = text(row, "Sales_cnum");
    if (!mobile.isEmpty())
        return mobile;
    const QString home = text(row, "Sales_pnum");
    if (!home.isEmpty())
        return home;
    return text(row, "Sales_onum");
}

QString Tdm::cntC(int rowIndex) { return rowIndex < 0 ? QString() : QString::number(rowIndex + 1); }

// ---- customer lookup ----

void Tdm::FindCustomerByName()
{
    PickedCustName.clear();
    PickedCustPhone.clear();
    PickedCustOfficePhone.clear();
    PickedCustMobile.clear();
    PickedCustNum.clear();
    int count = 0;
    if (!CustSearchName.isEmpty()) {
        qry_cust.setSql(QStringLiteral("select Num,Cname,Cphone,Cophone,Chandphone from cust_table.db where cname like '%") +
                        quoted(CustSearchName) + QStringLiteral("%'"));
        qry_cust.open();
        count = qry_cust.recordCount();
    }
    if (count == 0) {
        seams::dialogs().inform(QStringLiteral("등록된 고객님이 아닙니다."));
    } else if (count == 1) {
        qry_cust.first();
        PickedCustNum = qry_cust.fieldByName(QStringLiteral("Num")).asString();
        PickedCustName = qry_cust.fieldByName(QStringLiteral("Cname")).asString();
        PickedCustPhone = qry_cust.fieldByName(QStringLiteral("Cphone")).asString();
        PickedCustOfficePhone = qry_cust.fieldByName(QStringLiteral("Cophone")).asString();
        PickedCustMobile = qry_cust.fieldByName(QStringLiteral("Chandphone")).asString();
    } else {
        // The pick list reads CustSearchName as its FindName and fills the picked fields on a double click.
        std::unique_ptr<QDialog> pick(windows::create(QStringLiteral("TfmFindCustlist"), nullptr));
        if (pick)
            seams::modal().run(pick.get());
        CustSearchName.clear();
    }
}

// ---- office information ----

void Tdm::LoadOfficeInformation(bool atStartup, const QFont &ownFont, const QColor &ownColor)
{
    auto col = [this](const QString &name) { return tbl_id.fieldByName(name).asString(); };
    const QString ddd = col(QStringLiteral("ddd")), phone = col(QStringLiteral("phone"));
    LoginId = col(QStringLiteral("id"));
    OfficeName = col(QStringLiteral("sangho"));
    OfficeMainPhone = phone;
    OfficeMobile = col(QStringLiteral("handphone"));
    DefaultCity = col(QStringLiteral("c1"));
    DefaultDistrict = col(QStringLiteral("c2"));
    DefaultTown = col(QStringLiteral("c3"));
    if (atStartup) {
        BackupOnExit = col(QStringLiteral("c8"));
        SpecUploadDefault = col(QStringLiteral("c9"));
        OfficePhone = !ddd.trimmed().isEmpty() && !phone.trimmed().isEmpty() ? ddd + QLatin1Char('-') + phone : ddd + phone;
        LogoText = col(QStringLiteral("c4"));
        if (LogoText.isEmpty())
            LogoText = QStringLiteral("로고를 입력해주세요");
        SortByInputOrder = col(QStringLiteral("c10"));
        ActiveStatesOnly = col(QStringLiteral("c11"));
        PrintLogo = col(QStringLiteral("c5")) == QLatin1String("NO") ? QStringLiteral("NO") : QStringLiteral("YES");
        MainLogoFile = col(QStringLiteral("c17"));
    } else {
        OfficePhone = phone;
    }
    const fonts::StoredFont own = fonts::store(ownFont, ownColor);
    auto loadFont = [&](const char *prefix, QString *name, QString *charset, QString *color, QString *size, QString *style) {
        const QString p = QString::fromLatin1(prefix);
        if (!col(p + QStringLiteral("_font")).isEmpty()) {
            *name = col(p + QStringLiteral("_font"));
            *charset = col(p + QStringLiteral("_charset"));
            *color = col(p + QStringLiteral("_color"));
            *size = col(p + QStringLiteral("_size"));
            *style = col(p + QStringLiteral("_style"));
        } else {
            *name = own.name;
            *charset = own.charset;
            *color = own.color;
            *size = own.size;
            *style = own.style;
        }
    };
    loadFont("bt", &LabelFontName, &LabelFontCharset, &LabelFontColor, &LabelFontSize, &LabelFontStyle);
    loadFont("ip", &InputFontName, &InputFontCharset, &InputFontColor, &InputFontSize, &InputFontStyle);
}
