#pragma once

#include <QString>

// The desktop's per-user choice of application per file type: the "[Default Applications]"
// group of a mimeapps.list file.
class TMimeAppsList {
public:
    explicit TMimeAppsList(QString fileName);

    // The desktop entry chosen first for mimeType, or empty.
    QString Default(const QString& mimeType) const;
    // Makes desktopId the choice for mimeType; an empty id removes the choice. Every other
    // line of the file stays as it was. False when the file could not be written.
    bool SetDefault(const QString& mimeType, const QString& desktopId);

private:
    QString FFileName;
};
