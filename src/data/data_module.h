#pragma once
// The shared data module `dm`: the named queries over the data folder, the office information of
// the registrant in use, the hand-over fields between windows, and the services every window calls.

#include "data/listing_record.h"
#include "data/sql_query.h"

#include <QFont>
#include <QObject>
#include <QSqlRecord>
#include <QString>
#include <functional>

class QComboBox;
class QWidget;

class Tdm : public QObject {
    Q_OBJECT
public:
    explicit Tdm(QObject *parent = nullptr);
    ~Tdm() override;

    // Queries over the alias (their design statements; windows set their own before use).
    SqlQuery qry_mamul{QStringLiteral("qry_mamul")};
    SqlQuery procQry{QStringLiteral("procQry")};
    SqlQuery getMAXQry{QStringLiteral("getMAXQry"), QStringLiteral("select MAX(Id_seq)+1 MSEQ from mamul_table.db")};
    SqlQuery getCustMAXQry{QStringLiteral("getCustMAXQry"), QStringLiteral("select MAX(Num)+1 MSEQ from cust_table.db")};
    SqlQuery getSchMAXQry{QStringLiteral("getSchMAXQry"), QStringLiteral("select MAX(SCode)+1 MSEQ from Scedule")};
    SqlQuery tbl_id{QStringLiteral("tbl_id"), QStringLiteral("select * from id_table")};
    SqlQuery qry_user{QStringLiteral("qry_user"), QStringLiteral("select * from id_table")};
    SqlQuery qry_cust{QStringLiteral("qry_cust"), QStringLiteral("select * from cust_table")};
    SqlQuery tbl_cust{QStringLiteral("tbl_cust"), QStringLiteral("select * from cust_table")};
    SqlQuery all_qry{QStringLiteral("all_qry")};
    SqlQuery qry_prt_mamul{QStringLiteral("qry_prt_mamul"),
                           QStringLiteral("select * from mamul_table.db where Id_seq = :Id_seq")};
    SqlQuery qry_zip{QStringLiteral("qry_zip"), QStringLiteral("select ZIPCODE,SIDO,GUGUN,DONG,BUNJI,GITA,ADDR\n"
                                                               " from ZIPCODE where DONG = :P_DONG")};
    SqlQuery qry_gugun{QStringLiteral("qry_gugun"), QStringLiteral("select  sigun from SIGUN where sido = :sido")};
    SqlQuery qry_umd{QStringLiteral("qry_umd"),
                     QStringLiteral("select  umd from UMD where sido = :sido and sigun = :sigun")};
    SqlQuery SchTable{QStringLiteral("SchTable")};

    // Office information of the registrant in use.
    QString LoginId, BackupOnExit, SpecUploadDefault, SortByInputOrder, ActiveStatesOnly;
    QString OfficeName, OfficePhone, DataPath, MainLogoFile;
    QString DefaultCity, DefaultDistrict, DefaultTown;
    QString LogoText, PrintLogo, OfficeMainPhone, OfficeMobile;
    QString LabelFontName, LabelFontCharset, LabelFontColor, LabelFontSize, LabelFontStyle;
    QString InputFontName, InputFontCharset, InputFontColor, InputFontSize, InputFontStyle;

    // Hand-over fields between windows.
    QString OtherKindChoice, OtherDealChoice;
    QString CustSearchName;
    QString SavedFlag;
    QString ListColumns;
    QString PickedCustName, PickedCustPhone, PickedCustOfficePhone, PickedCustMobile, PickedCustNum;

    // Where the weekday back-up folders go (see defaultBackupRoot()).
    QString BackupRoot;

    // The fixed pieces of the list column set, appended in this order at start-up.
    static const QStringList &listColumnPieces();
    void AppendListColumns();

    // Record numbers: MAX+1 of the key, "1" (1) on an empty table.
    QString NextListingId();
    QString NextCustNum();
    int NextScheduleCode();

    mamulRecord ReadListing(qint64 idSeq);
    void InsertListing(const mamulRecord &rec);
    void UpdateListing(const mamulRecord &rec);
    void DeleteListing(qint64 idSeq);
    // Draws the next Id_seq and inserts the row in one write transaction; the record's Id_seq is set
    // to the number stored, which is returned.
    // `withNumber`, when given, runs once the number is drawn and before the row is written (the
    // attachment paths are named after the number).
    qint64 InsertNewListing(mamulRecord &rec, const std::function<void(mamulRecord &)> &withNumber = {});

    // Address pick lists.
    static const QStringList &cityNames();
    void FillCityList(QComboBox *combo);
    void FillDistrictList(const QString &sido, QComboBox *combo);
    void FillTownList(const QString &sido, const QString &sigun, QComboBox *combo);

    // The data folder: the PATH of the alias.
    QString GetDataPath();
    void LoadDataPath();
    bool ChangeDataPath();
    void BackupData();
    // The program's own folder when it is writable, else the user's data folder; then + "backup".
    static QString defaultBackupRoot();
    // 1 for Sunday, 2 for Monday, ... 7 for Saturday.
    static int weekdayNumber(const QDate &date);
    QString backupFolderFor(const QDate &date) const;

    // The folder "image" beside the data folder, and the image folder "img" inside it.
    QString imageFolder() const;
    QString imgFolder() const;

    // Fonts of the office.
    bool ApplyLabelFont(QFont &font, QColor *color = nullptr) const;
    bool ApplyInputFont(QFont &font, QColor *color = nullptr) const;
    void ApplyFonts(QWidget *component) const;

    // Input limits in bytes of code page 949 text.
    static int ColumnMaxLength(const QString &column);
    static void ApplyMaxLength(QWidget *component);

    // The calculated columns of the listing lists, from a row read by column name.
    static QString addrList(const QSqlRecord &row);
    static QString layerSum(const QSqlRecord &row);
    static QString phones(const QSqlRecord &row);
    static QString cntC(int rowIndex);
    QString qry_mamuladdr_listGetText() const { return addrList(qry_mamul.record()); }
    QString qry_mamullayer_sumGetText() const { return layerSum(qry_mamul.record()); }
    QString qry_mamulcnt_cGetText() const { return cntC(qry_mamul.recNo()); }
    QString qry_mamulphonesGetText() const { return phones(qry_mamul.record()); }

    void FindCustomerByName();

    // Fills the office information from the current row of tbl_id: `atStartup` loads everything
    // (the automatic start), otherwise only what a login loads. `ownFont`/`ownColor` stand in for
    // an empty stored font.
    void LoadOfficeInformation(bool atStartup, const QFont &ownFont, const QColor &ownColor);

    // Doubles single quotes, for values that go into an assembled statement.
    static QString quoted(const QString &value);

private:
    void bindListing(SqlQuery &q, const mamulRecord &rec);
    QString allocate(SqlQuery &q);
};

// The one data module of the run (created at start-up).
Tdm *dataModule();
void setDataModule(Tdm *dm);
