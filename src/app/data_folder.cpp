#include "app/data_folder.h"

#include "app/demo_data.h"
#include "app/resources.h"
#include "data/alias_registry.h"
#include "data/data_module.h"
#include "data/database.h"
#include "data/db_error.h"
#include "ui/seams.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace datafolder {

QString defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("domora/data"));
}

void create(const QString &folderIn, bool demo)
{
    const QString folder = QDir::cleanPath(QFileInfo(folderIn).absoluteFilePath());
    if (QFileInfo(database::fileIn(folder)).exists())
        throw DbError(QStringLiteral("이미 데이터가 있는 폴더입니다 : %1").arg(QDir::toNativeSeparators(folder)));
    if (!QDir().mkpath(folder) || !QDir(folder).mkpath(QStringLiteral("img")))
        throw DbError(QStringLiteral("폴더를 만들 수 없습니다 : %1").arg(QDir::toNativeSeparators(folder)));
    QDir parent(folder);
    parent.cdUp();
    parent.mkpath(QStringLiteral("image"));

    database::create(folder);
    QSqlQuery q(database::connection());
    // The office's one registrant; it starts without asking for ID and password.
    if (!q.exec(QStringLiteral("insert into id_table (Num, Id, Pwd, c5, c8, c9, c10, c11, loginf) "
                               "values (1, '', '', 'YES', 'YES', 'NO', 'YES', 'YES', 1)")))
        throw DbError(q.lastError().text());
    if (demo) {
        initDomoraResources();
        Tdm dm;
        dm.DataPath = folder;
        demo::fill(dm, seams::clock().today());
    }
    // Pointed at only once the folder is complete.
    aliases::setPath(aliases::kAlias, folder);
}

} // namespace datafolder
