#pragma once

#include <QFile>
#include <QString>

// Outputs are written under a hidden name next to their target and renamed onto it only when
// complete, so an earlier file stays whole until then and a failed export leaves nothing.

// Opens a new file of the default permissions (a QTemporaryFile's would stay private to the user
// after the rename) in target's folder, named after target. Returns its name, or an empty name
// with file's error when none can be made.
QString OpenPartFile(const QString& target, QFile& file);

// Renames part onto target, replacing an earlier file in one step; false with errno set.
bool MovePartFile(const QString& part, const QString& target);
