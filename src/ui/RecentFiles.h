#pragma once

#include <QStringList>

// The projects opened or saved last, oldest first, at most ten, without regard to letter case.
class TRecentFiles {
public:
    static constexpr int Capacity = 10;

    // Appends a name not yet listed; a listed name keeps its place.
    void Add(const QString& fileName);
    // Drops the names whose file no longer exists and returns the rest.
    QStringList Existing();
    const QStringList& Names() const { return FNames; }

    // One name per line; lines that are blank or not UTF-8 are skipped, a missing or unreadable
    // file gives an empty list.
    void Load(const QString& listFile);
    // False when the list could not be written; an earlier list then stays as it was.
    bool Save(const QString& listFile) const;

private:
    QStringList FNames;
};
