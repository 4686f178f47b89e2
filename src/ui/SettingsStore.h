#pragma once

#include "core/model/PanelDefaults.h"
#include "core/model/Project.h"

#include <QString>
#include <QVector>

class QSettings;

// Panel defaults, panel states and the last project's settings, kept between runs.
struct TEditorSettings {
    TPanelDefaults Defaults;
    QVector<bool> PanelOpen;
};

// Reads ("Options" values absent take their defaults) or writes the editor's settings.
// Both directions end with the playback range set to the whole sequence.
void LoadSaveSettings(bool save, TEditorSettings& settings, TProject& project, int panelCount);

// The whole number stored under key, or fallback when there is none or it is no number.
int StoredInteger(const QSettings& settings, const QString& key, int fallback);

// The base folder the user chose for the data folder; empty when never chosen.
QString StoredAppPath();
void StoreAppPath(const QString& folder);

// The interface language as a QLocale::Language number; the system's when none is stored.
int LoadLanguage();
void SaveLanguage(int language);

// Whether this program is the desktop's choice for project files, and the choice before it.
struct TFileTypeLink {
    bool HasLinked = false;
    QString LinkName;
};
TFileTypeLink LoadFileTypeLink();
void SaveFileTypeLink(const TFileTypeLink& link);

// Recovery copies of unsaved work: on or off, and the longest wait after a change.
struct TRecoverySettings {
    static constexpr int MinSeconds = 30;
    static constexpr int MaxSeconds = 600;
    bool Enabled = true;
    int Seconds = 60;
};
TRecoverySettings LoadRecoverySettings();
void SaveRecoverySettings(const TRecoverySettings& settings);

// The neighbouring frames shown faintly behind the current one while animating.
struct TOnionSettings {
    static constexpr int MaxFrames = 5;
    bool Enabled = false;
    int Before = 2;
    int After = 1;
    // Percent, for the nearest neighbours; farther ones fade with their distance.
    int Opacity = 30;
};
TOnionSettings LoadOnionSettings();
void SaveOnionSettings(const TOnionSettings& settings);
