#pragma once

#include <QString>
#include <optional>

// The per-user folders of the desktop's shared data and configuration.
struct TDesktopPlaces {
    QString DataHome;   // $XDG_DATA_HOME, else ~/.local/share
    QString ConfigHome; // $XDG_CONFIG_HOME, else ~/.config
};

TDesktopPlaces CurrentDesktopPlaces();

inline const QString kProjectMimeType = QStringLiteral("application/x-kelvro-project");
inline const QString kDesktopId = QStringLiteral("kelvro.desktop");

// Teaches the user's desktop the project file type (a MIME package, a desktop entry that starts
// executable with the file, the icon) and makes this program the default for it. Returns the
// default it replaced (empty when there was none), or none when the files could not be written;
// nothing is left behind then.
std::optional<QString> RegisterFileType(const TDesktopPlaces& places, const QString& executable);

// Removes what RegisterFileType wrote and gives the file type back to previous, if that was
// another program.
void UnregisterFileType(const TDesktopPlaces& places, const QString& previous);

// Lets the desktop see the change: refreshes its MIME and desktop entry caches where their tools
// are installed.
void RefreshDesktopDatabases(const TDesktopPlaces& places);

// The desktop entry's command for executable, quoted where the path needs it.
QString DesktopExecCommand(const QString& executable);
