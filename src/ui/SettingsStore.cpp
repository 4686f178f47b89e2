#include "ui/SettingsStore.h"

#include "core/io/Background.h"
#include "core/model/ProjectLimits.h"

#include <QSettings>

namespace {
const QString kOptionsGroup = QStringLiteral("1.0/Options");

QString PanelKey(int position) {
    return QStringLiteral("CompBar%1").arg(position);
}

// Reads or writes one value through a single code path, so both directions stay in step.
class TSettingsIo {
public:
    explicit TSettingsIo(bool save) : FSave(save) { FSettings.beginGroup(kOptionsGroup); }

    template <typename T> void Value(const QString& key, T& value) {
        if (FSave)
            FSettings.setValue(key, QVariant::fromValue(value));
        else
            value = FSettings.value(key, QVariant::fromValue(value)).template value<T>();
    }

    void Extended(const QString& key, ::Extended& value) {
        double plain = static_cast<double>(value);
        Value(key, plain);
        value = plain;
    }

    void StyleBit(const QString& key, std::uint8_t& style, std::uint8_t bit) {
        bool set = (style & bit) != 0;
        Value(key, set);
        style = set ? (style | bit) : (style & ~bit);
    }

private:
    QSettings FSettings;
    bool FSave;
};

void PanelDefaults(TSettingsIo& io, TPanelDefaults& d) {
    io.Value(QStringLiteral("BrushColor"), d.BrushColor);
    io.Value(QStringLiteral("PenColor"), d.PenColor);
    io.Value(QStringLiteral("BrushShow"), d.BrushShow);
    io.Value(QStringLiteral("PenShow"), d.PenShow);
    io.Value(QStringLiteral("PenWidth"), d.PenWidth);
    io.Value(QStringLiteral("TransColor"), d.TransColor);
    io.Extended(QStringLiteral("Trans"), d.Trans);
    io.Value(QStringLiteral("FontName"), d.FontName);
    io.Value(QStringLiteral("FontSize"), d.FontSize);
    io.StyleBit(QStringLiteral("FontStyleBold"), d.FontStyle, fsBold);
    io.StyleBit(QStringLiteral("FontStyleItalic"), d.FontStyle, fsItalic);
    io.StyleBit(QStringLiteral("FontStyleUnderline"), d.FontStyle, fsUnderline);
    io.Value(QStringLiteral("Mask"), d.Mask);
}

void ProjectSettings(TSettingsIo& io, TProject& p) {
    io.Value(QStringLiteral("Width"), p.ProjectWidth);
    io.Value(QStringLiteral("Height"), p.ProjectHeight);
    io.Value(QStringLiteral("Color"), p.BackgroundColor);
    io.Value(QStringLiteral("Image"), p.BackgroundImage);
    io.Value(QStringLiteral("Type"), p.BackgroundType);
    io.Value(QStringLiteral("FrameCount"), p.FrameCount);
    io.Value(QStringLiteral("FramesPerSec"), p.FramesPerSec);
    io.Value(QStringLiteral("ShowPaths"), p.ShowPaths);
    io.Value(QStringLiteral("Splines"), p.Splines);
}
// A damaged settings file must not start the editor with an unusable project.
void RepairProjectSettings(TProject& p) {
    // The same limits as for a project file.
    const TProject fresh;
    if (!ProjectSideAllowed(p.ProjectWidth))
        p.ProjectWidth = fresh.ProjectWidth;
    if (!ProjectSideAllowed(p.ProjectHeight))
        p.ProjectHeight = fresh.ProjectHeight;
    if (!FrameCountAllowed(p.FrameCount))
        p.FrameCount = fresh.FrameCount;
    if (!FramesPerSecAllowed(p.FramesPerSec))
        p.FramesPerSec = fresh.FramesPerSec;
}
} // namespace

void LoadSaveSettings(bool save, TEditorSettings& settings, TProject& project, int panelCount) {
    TSettingsIo io(save);
    settings.PanelOpen.resize(panelCount, true);
    for (int p = 0; p < panelCount; ++p) {
        bool open = settings.PanelOpen[p];
        io.Value(PanelKey(p + 1), open);
        settings.PanelOpen[p] = open;
    }
    if (!save)
        settings.Defaults.FontStyle = 0;
    PanelDefaults(io, settings.Defaults);
    ProjectSettings(io, project);
    if (!save) {
        RepairProjectSettings(project);
        UpdateBackgroundBitmap(project);
    }
    project.PlayStart = 0;
    project.PlayEnd = project.FrameCount - 1;
}
