#pragma once

#include <QString>
#include <QStringList>

#include <array>

// What the program remembers from one session to the next, in Qt's settings store: the recently
// used run files, the last folder of each kind of file and the size of chart captures.
namespace AppSettings {

QStringList RecentRuns();
void SetRecentRuns(const QStringList& paths);

// The last folder a file of that kind (its default extension, "scn", "run", ...) was chosen in;
// empty when none was, or when the folder has gone since.
QString LastFolder(const QString& kind);
void SetLastFolder(const QString& kind, const QString& folder);

// The width and height (pixels) and resolution (dpi) of the last chart capture, in that order;
// 1600, 1000 and 200 before the first.
std::array<int, 3> CaptureSize();
void SetCaptureSize(const std::array<int, 3>& size);

}  // namespace AppSettings
