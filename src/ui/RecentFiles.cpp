#include "ui/RecentFiles.h"

void TRecentFiles::Add(const QString& fileName) {
    if (!FNames.contains(fileName, Qt::CaseInsensitive))
        FNames.append(fileName);
    if (FNames.size() > Capacity)
        FNames.removeFirst();
}
