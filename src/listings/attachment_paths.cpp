#include "listings/attachment_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace attachments {

QString keptPath(const QString &dataPath, qint64 idSeq, int slot, const QString &sourceFile)
{
    const QString name = QFileInfo(sourceFile).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString ext = dot < 0 ? QString() : name.mid(dot);
    return QDir(dataPath).filePath(QStringLiteral("img/img%1_%2%3").arg(idSeq).arg(slot).arg(ext));
}

QString reroot(const QString &stored, const QString &dataPath)
{
    if (stored.isEmpty())
        return stored;
    QString normal = stored;
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Kept files lie directly in an "img" folder, whichever system wrote the path.
    const int slash = normal.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QString() : normal.left(slash);
    if (!(folder.compare(QLatin1String("img"), Qt::CaseInsensitive) == 0 ||
          folder.endsWith(QLatin1String("/img"), Qt::CaseInsensitive)))
        return stored;
    return QDir(dataPath).filePath(QStringLiteral("img/") + normal.mid(slash + 1));
}

bool keep(const QString &source, const QString &kept)
{
    if (source.isEmpty() || kept.isEmpty())
        return false;
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(kept).canonicalFilePath() && QFileInfo::exists(kept))
        return true;
    QDir().mkpath(QFileInfo(kept).absolutePath());
    if (QFile::exists(kept))
        QFile::remove(kept);
    return QFile::copy(source, kept);
}

} // namespace attachments
