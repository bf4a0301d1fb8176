#include "print/print_command.h"

#include "catalogue/entry_catalogue.h"
#include "catalogue/kinds.h"
#include "data/alias_registry.h"
#include "data/data_module.h"
#include "data/database.h"
#include "data/db_error.h"
#include "listings/kind_flags.h"
#include "print/print_sheets.h"
#include "print/sheet_renderer.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QTextStream>
#include <memory>

namespace printcommand {

QString kindCodeOf(const QString &objKind)
{
    if (objKind == u"빌라" || objKind == u"다세대" || objKind == u"연립")
        return QStringLiteral("BIL");
    for (const Kind &k : kinds::all())
        if (!k.objKind.isEmpty() && k.objKind == objKind)
            return k.code;
    return QStringLiteral("OTH");
}

QString dealOf(const QString &kindCode, const QString &objKubun1)
{
    // Presale rights have only the sale window, whatever the deal.
    if (kindCode == QLatin1String("BUN"))
        return QStringLiteral("sale");
    if (objKubun1 == u"매매")
        return QStringLiteral("sale");
    if (objKubun1 == u"임대")
        return QStringLiteral("lease");
    return QString();
}

namespace {

int fail(QTextStream &err, const QString &message)
{
    err << message << Qt::endl;
    return 1;
}

// The data folder and data module of this one print, closed again whatever happens.
class PrintSession {
public:
    explicit PrintSession(const QString &folder)
    {
        database::open(folder);
        dm = std::make_unique<Tdm>();
        setDataModule(dm.get());
        dm->DataPath = folder;
    }
    ~PrintSession()
    {
        setDataModule(nullptr);
        dm.reset(); // its queries let go of the connection before it closes
        database::close();
    }
    std::unique_ptr<Tdm> dm;
};

} // namespace

int run(const Request &request, QTextStream &err)
{
    const bool detail = request.sheet == QLatin1String("detail");
    if (!detail && request.sheet != QLatin1String("info"))
        return fail(err,
                    QStringLiteral("출력할 양식은 detail(상세정보) 또는 info(정보지)입니다 : %1").arg(request.sheet));
    bool numeric = false;
    const qint64 id = request.listing.trimmed().toLongLong(&numeric);
    if (!numeric)
        return fail(err, QStringLiteral("매물번호가 올바르지 않습니다 : %1").arg(request.listing));
    const QString secret = request.secret.isEmpty() ? QStringLiteral("N") : request.secret;
    if (secret != QLatin1String("Y") && secret != QLatin1String("N"))
        return fail(err, QStringLiteral("비밀정보 출력 여부는 Y 또는 N 입니다 : %1").arg(request.secret));
    if (request.pdf.isEmpty())
        return fail(err, QStringLiteral("저장할 PDF 파일을 지정하세요 (--pdf 파일)."));

    const QString folder = aliases::pathOf(aliases::kAlias);
    if (folder.isEmpty())
        return fail(err, QStringLiteral("데이터 폴더가 설정되어 있지 않습니다."));
    if (!QDir(folder).exists())
        return fail(err, QStringLiteral("데이터 폴더가 없습니다 : %1").arg(QDir::toNativeSeparators(folder)));

    try {
        PrintSession session(folder);
        Tdm &dm = *session.dm;
        // The office information, as the program loads it at start-up.
        dm.tbl_id.setSql(QStringLiteral("select * from id_table"));
        dm.tbl_id.open();
        if (dm.tbl_id.recordCount() > 0) {
            dm.tbl_id.first();
            dm.LoadOfficeInformation(true, QApplication::font(), QApplication::palette().color(QPalette::WindowText));
        }
        dm.tbl_id.close();

        SqlQuery &query = dm.qry_prt_mamul;
        query.close();
        query.setInteger(QStringLiteral("Id_seq"), id);
        query.open();
        if (query.recordCount() == 0)
            return fail(err, QStringLiteral("매물번호 %1 인 매물이 없습니다.").arg(id));
        const QString objKind = query.fieldByName(QStringLiteral("Obj_kind")).asString();
        const QString code = kindCodeOf(objKind);
        const EntryWindowSpec *window =
            catalogue::entryWindowFor(code, dealOf(code, query.fieldByName(QStringLiteral("Obj_kubun1")).asString()));
        if (!window)
            return fail(err, QStringLiteral("매물번호 %1 (%2 %3)을(를) 출력할 양식이 없습니다.")
                                 .arg(id)
                                 .arg(objKind, query.fieldByName(QStringLiteral("Obj_kubun1")).asString()));
        const QString name = detail ? window->detailSheet : window->infoSheet;
        if (!printsheets::has(name))
            return fail(err, QStringLiteral("%1 출력 양식이 아직 없습니다 : %2")
                                 .arg(detail ? QStringLiteral("상세정보") : QStringLiteral("정보지"), name));
        if (detail)
            kindFlags(window->name).ShowSecret = secret;
        const std::optional<sheet::Document> doc = printsheets::build(name);
        query.close();
        QString error;
        if (!doc || !sheet::writePdf(*doc, request.pdf, &error))
            return fail(err, error);
    } catch (const DbError &e) {
        return fail(err, e.text());
    }
    return 0;
}

} // namespace printcommand
