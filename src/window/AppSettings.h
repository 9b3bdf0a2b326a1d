#pragma once

#include <QString>
#include <QStringList>

// What the program remembers from one session to the next, in Qt's settings store: the recently
// used run files and the last folder of each kind of file.
namespace AppSettings {

QStringList RecentRuns();
void SetRecentRuns(const QStringList& paths);

// The last folder a file of that kind (its default extension, "scn", "run", ...) was chosen in;
// empty when none was, or when the folder has gone since.
QString LastFolder(const QString& kind);
void SetLastFolder(const QString& kind, const QString& folder);

}  // namespace AppSettings
