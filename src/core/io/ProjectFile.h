#pragma once

#include "core/model/Project.h"
#include "core/objects/ObjectFactory.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>

class TStream;

// A project file that cannot be opened, created or put in place.
class TProjectFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The first Int32 of every project file.
constexpr std::int32_t ProjectMagic = 3276;

enum class TLoadResult { Loaded, NotAProject };

// Writes the settings, the background image and every frame with its objects. Images written
// (the background and those of master objects) are converted to 24 bits per pixel in memory.
void WriteProject(TStream& stream, TProject& project, const TObjectTypes& types = ObjectTypes());
// The bytes of the whole project file, as WriteProject gives them.
QByteArray ProjectFileBytes(TProject& project, const TObjectTypes& types = ObjectTypes());

// Reads a project into project, which changes only when the whole project was read: a stream
// that does not start with ProjectMagic leaves it as it was and yields NotAProject, damaged data
// raises TStreamError. The new objects get table and the new zoom, are deselected, and those of
// the master frame are keyframes for every aspect.
TLoadResult ReadProject(TStream& stream, TProject& project, TObjectTable* table,
                        const TObjectTypes& types = ObjectTypes());

// WriteProject into a temporary file next to fileName that replaces it only once complete.
void SaveProject(TProject& project, const QString& fileName,
                 const TObjectTypes& types = ObjectTypes());
// ReadProject from a file.
TLoadResult LoadProject(TProject& project, const QString& fileName, TObjectTable* table,
                        const TObjectTypes& types = ObjectTypes());
