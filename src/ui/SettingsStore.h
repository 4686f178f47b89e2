#pragma once

#include "core/model/PanelDefaults.h"
#include "core/model/Project.h"

#include <QVector>

// Panel defaults, panel states and the last project's settings, kept between runs.
struct TEditorSettings {
    TPanelDefaults Defaults;
    QVector<bool> PanelOpen;
};

// Reads ("Options" values absent take their defaults) or writes the editor's settings.
// Both directions end with the playback range set to the whole sequence.
void LoadSaveSettings(bool save, TEditorSettings& settings, TProject& project, int panelCount);
