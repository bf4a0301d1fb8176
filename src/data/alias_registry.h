#pragma once
// Named database aliases and their parameter lists ("PATH=" + folder on the first line), kept in a
// small settings file under the user's configuration folder so the data folder outlives the run.

#include <QString>
#include <QStringList>

namespace aliases {
inline const QString kAlias = QStringLiteral("domora");
inline const QString kMissingMessage = QStringLiteral("Alias oms does not exist");

QString configFile();
bool exists(const QString &alias);
QStringList params(const QString &alias);
// Replaces the whole parameter list and saves the configuration at once.
void setParams(const QString &alias, const QStringList &params);
void remove(const QString &alias);
// The value of PATH in the alias's parameter list, empty when there is none.
QString pathOf(const QString &alias);
void setPath(const QString &alias, const QString &folder);
} // namespace aliases
