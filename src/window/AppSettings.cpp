#include "window/AppSettings.h"

#include <QDir>
#include <QSettings>

namespace AppSettings {

namespace {

const QString RecentRunsKey = "recentRuns";

const char* const CaptureKeys[] = {"capture/width", "capture/height", "capture/dpi"};
constexpr std::array<int, 3> DefaultCaptureSize{1600, 1000, 200};

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

std::array<int, 3> CaptureSize()
{
    std::array<int, 3> size = DefaultCaptureSize;
    const QSettings settings;
    for (std::size_t i = 0; i < size.size(); ++i)
        size[i] = settings.value(CaptureKeys[i], DefaultCaptureSize[i]).toInt();
    return size;
}

void SetCaptureSize(const std::array<int, 3>& size)
{
    QSettings settings;
    for (std::size_t i = 0; i < size.size(); ++i)
        settings.setValue(CaptureKeys[i], size[i]);
}

}  // namespace AppSettings
