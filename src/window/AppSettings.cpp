#include "window/AppSettings.h"

#include <QDir>
#include <QSettings>

namespace AppSettings {

namespace {

const QString RecentRunsKey = "recentRuns";

QString FolderKey(const QString& kind)
{
    return "folders/" + kind.toLower();
}

}  // namespace

QStringList RecentRuns()
{
    return QSettings().value(RecentRunsKey).toStringList();
}

void SetRecentRuns(const QStringList& paths)
{
    QSettings().setValue(RecentRunsKey, paths);
}

QString LastFolder(const QString& kind)
{
    if (kind.isEmpty())
        return {};
    const QString folder = QSettings().value(FolderKey(kind)).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void SetLastFolder(const QString& kind, const QString& folder)
{
    if (!kind.isEmpty())
        QSettings().setValue(FolderKey(kind), folder);
}

}  // namespace AppSettings
