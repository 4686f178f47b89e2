#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QThreadPool>
#include <memory>
#include <vector>

// A copy of an open project kept in case the editor does not end normally.
struct TRecoveryCopy {
    QString CopyFile;    // the project file bytes
    QString InfoFile;    // what the copy belongs to
    QString ProjectFile; // the user's file, empty for an untitled project
    QDateTime Written;
    bool Damaged = false; // the description cannot be read
};

// The recovery copies of one editor window in a folder shared by every running editor. Each
// writer holds a lock for as long as it lives, so the copies of writers that are gone can be
// told from those of live ones.
class TRecoveryStore {
public:
    explicit TRecoveryStore(QString folder);
    ~TRecoveryStore();
    TRecoveryStore(const TRecoveryStore&) = delete;
    TRecoveryStore& operator=(const TRecoveryStore&) = delete;

    // False when the folder cannot be used; nothing is written then.
    bool IsUsable() const;
    // Replaces this writer's copy with bytes, on a worker thread, each file under a temporary
    // name first; the user's own file is never touched.
    void Write(QByteArray bytes, const QString& projectFile);
    // Deletes this writer's copy, after a write in flight.
    void Remove();
    void WaitForWrites();
    // This writer's copy (it may not be written yet), or empty.
    QString CopyFile() const;

    // The copies in folder whose writer is gone, oldest first.
    static std::vector<TRecoveryCopy> Orphans(const QString& folder);
    static void Discard(const TRecoveryCopy& copy);
    // Moves a copy out of the way of later starts; returns the folder it went to.
    static QString SetAside(const TRecoveryCopy& copy);

private:
    QString FFolder;
    QString FOwner;
    std::unique_ptr<QLockFile> FLock;
    QThreadPool FWriter;
    QString FCopyBase;
};
