#include "data/alias_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace aliases {

QString configFile()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(QStringLiteral("domora/aliases.ini"));
}

static QString keyOf(const QString &alias) { return QStringLiteral("aliases/%1").arg(alias.toLower()); }

bool exists(const QString &alias)
{
    QSettings s(configFile(), QSettings::IniFormat);
    return s.contains(keyOf(alias));
}

QStringList params(const QString &alias)
{
    QSettings s(configFile(), QSettings::IniFormat);
    return s.value(keyOf(alias)).toString().split(QLatin1Char('\n'));
}

void setParams(const QString &alias, const QStringList &list)
{
    QDir().mkpath(QFileInfo(configFile()).absolutePath());
    QSettings s(configFile(), QSettings::IniFormat);
    // One text with a line per parameter: a folder may hold commas, which the INI list form would split.
    s.setValue(keyOf(alias), list.join(QLatin1Char('\n')));
    s.sync();
}

void remove(const QString &alias)
{
    QSettings s(configFile(), QSettings::IniFormat);
    s.remove(keyOf(alias));
    s.sync();
}

QString pathOf(const QString &alias)
{
    for (const QString &line : params(alias)) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed().compare(QLatin1String("PATH"), Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1);
    }
    return QString();
}

void setPath(const QString &alias, const QString &folder) { setParams(alias, {QStringLiteral("PATH=") + folder}); }

} // namespace aliases
