#include "ui/RecentFiles.h"

#include <QFileInfo>
#include <algorithm>

void TRecentFiles::Add(const QString& fileName) {
    if (!FNames.contains(fileName, Qt::CaseInsensitive))
        FNames.append(fileName);
    if (FNames.size() > Capacity)
        FNames.removeFirst();
}

QStringList TRecentFiles::Existing() {
    FNames.erase(std::remove_if(FNames.begin(), FNames.end(),
                                [](const QString& name) { return !QFileInfo::exists(name); }),
                 FNames.end());
    return FNames;
}
