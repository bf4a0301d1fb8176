#include "support/scripted_env.h"

#include "app/data_folder.h"
#include "data/database.h"
#include "data/db_error.h"

#include <QDialog>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

int ScriptedModal::run(QDialog *window)
{
    opened << window->objectName();
    window->setResult(0);
    window->show();
    QCoreApplication::processEvents();
    if (!handlers.isEmpty()) {
        auto handler = handlers.takeFirst();
        handler(window);
    }
    const int result = window->result();
    window->hide();
    return result;
}

TestEnv::TestEnv()
{
    Q_ASSERT(home.isValid());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("share")).toUtf8());
    auto d = std::make_unique<ScriptedDialogs>();
    auto m = std::make_unique<ScriptedModal>();
    auto s = std::make_unique<RecordingShell>();
    auto c = std::make_unique<FixedClock>();
    dialogs = d.get();
    modal = m.get();
    shell = s.get();
    clock = c.get();
    seams::install(std::move(d));
    seams::install(std::move(m));
    seams::install(std::move(s));
    seams::install(std::move(c));
    dm = std::make_unique<Tdm>();
    setDataModule(dm.get());
    dm->BackupRoot = home.filePath(QStringLiteral("program"));
}

TestEnv::~TestEnv()
{
    setDataModule(nullptr);
    dm.reset();
    database::close();
    seams::install(std::unique_ptr<Dialogs>());
    seams::install(std::unique_ptr<Modal>());
    seams::install(std::unique_ptr<Shell>());
    seams::install(std::unique_ptr<Clock>());
}

QString TestEnv::path(const QString &relative) const { return home.filePath(relative); }

QString TestEnv::newDataFolder(const QString &name, bool demo)
{
    const QString folder = QDir::cleanPath(home.filePath(name));
    datafolder::create(folder, demo);
    database::open(folder);
    dm->DataPath = folder;
    return folder;
}

void execSql(const QString &sql)
{
    QSqlQuery q(database::connection());
    if (!q.exec(sql))
        QFAIL(qPrintable(q.lastError().text() + QStringLiteral(" in ") + sql));
}

QString sqlValue(const QString &sql)
{
    QSqlQuery q(database::connection());
    if (!q.exec(sql) || !q.next())
        return QStringLiteral("<no row>");
    return q.value(0).toString();
}
