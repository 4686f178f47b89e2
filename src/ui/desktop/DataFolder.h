#pragma once

#include <QString>
#include <optional>

class TDialogService;

// Where the data folder may lie, in the order they are tried.
struct TDataFolderBases {
    QString AppPath;          // chosen by the user earlier
    QString SystemData;       // the desktop's folder for application data
    QString ExecutableFolder; // last resort
};

TDataFolderBases CurrentDataFolderBases();

// base + "/Orvane/Kelvro/1.0/".
QString DataFolderBelow(const QString& base);

// True when a file can be created in folder, written, read back and deleted.
bool IsFolderWritable(const QString& folder);

// The folder for the program's own files (ending in "/"), created when missing. When it cannot
// be written the user chooses another base folder; none when the user cancels, and the program
// must then not start.
std::optional<QString> EstablishDataFolder(const TDataFolderBases& bases, TDialogService& dialogs);
