#include "ui/SettingsStore.h"

#include "core/io/Background.h"
#include "core/model/ProjectLimits.h"

#include <QLocale>
#include <QSettings>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
const QString kOptionsGroup = QStringLiteral("1.0/Options");
const QString kAppPathKey = QStringLiteral("1.0/AppPath");
const QString kLanguageKey = QStringLiteral("1.0/Language");
const QString kHasLinkedKey = QStringLiteral("1.0/Options/HasLinked");
const QString kLinkNameKey = QStringLiteral("1.0/Options/LinkName");
const QString kOnionKey = QStringLiteral("1.0/Options/OnionSkin");
const QString kOnionBeforeKey = QStringLiteral("1.0/Options/OnionBefore");
const QString kOnionAfterKey = QStringLiteral("1.0/Options/OnionAfter");
const QString kOnionOpacityKey = QStringLiteral("1.0/Options/OnionOpacity");
const QString kRecoveryKey = QStringLiteral("1.0/Options/Recovery");
const QString kRecoverySecondsKey = QStringLiteral("1.0/Options/RecoveryInterval");

QByteArray DoubleBytes(double value) {
    QByteArray bytes(sizeof value, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// Eight bytes as written, or a plain number as earlier versions wrote it.
std::optional<double> StoredDouble(const QVariant& stored) {
    bool ok = false;
    double number = 0;
    if (stored.typeId() == QMetaType::QByteArray && stored.toByteArray().size() == 8) {
        number = qFromLittleEndian<double>(stored.toByteArray().constData());
        ok = true;
    } else if (stored.isValid()) {
        number = stored.toDouble(&ok);
    }
    if (ok && std::isfinite(number))
        return number;
    return std::nullopt;
}

QString PanelKey(int position) {
    return QStringLiteral("CompBar%1").arg(position);
}

// Reads or writes one value through a single code path, so both directions stay in step.
class TSettingsIo {
public:
    explicit TSettingsIo(bool save) : FSave(save) { FSettings.beginGroup(kOptionsGroup); }

    template <typename T> void Value(const QString& key, T& value) {
        if (FSave) {
            FSettings.setValue(key, QVariant::fromValue(value));
            return;
        }
        // A value that does not read as its type keeps the default, as a missing one does.
        QVariant stored = FSettings.value(key);
        if (stored.isValid() && stored.convert(QMetaType::fromType<T>()))
            value = stored.template value<T>();
    }

    // Switches are kept as the numbers 0 and 1.
    void Value(const QString& key, bool& value) {
        int number = value ? 1 : 0;
        Value(key, number);
        value = number != 0;
    }

    // The opacity is kept as the eight bytes of a double, least significant first.
    void Extended(const QString& key, ::Extended& value) {
        if (FSave) {
            FSettings.setValue(key, DoubleBytes(static_cast<double>(value)));
            return;
        }
        if (const std::optional<double> stored = StoredDouble(FSettings.value(key)))
            value = *stored;
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

QString StoredAppPath() {
    return QSettings().value(kAppPathKey).toString();
}

void StoreAppPath(const QString& folder) {
    QSettings().setValue(kAppPathKey, folder);
}

int StoredInteger(const QSettings& settings, const QString& key, int fallback) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : fallback;
}

int LoadLanguage() {
    return StoredInteger(QSettings(), kLanguageKey, static_cast<int>(QLocale::system().language()));
}

void SaveLanguage(int language) {
    QSettings().setValue(kLanguageKey, language);
}

TFileTypeLink LoadFileTypeLink() {
    const QSettings settings;
    return {settings.value(kHasLinkedKey, 0).toInt() != 0, settings.value(kLinkNameKey).toString()};
}

void SaveFileTypeLink(const TFileTypeLink& link) {
    QSettings settings;
    settings.setValue(kHasLinkedKey, link.HasLinked ? 1 : 0);
    settings.setValue(kLinkNameKey, link.LinkName);
}

namespace {
// The stored number within lowest..highest, or fallback when there is none.
int StoredNumber(const QSettings& settings, const QString& key, int fallback, int lowest,
                 int highest) {
    return std::clamp(StoredInteger(settings, key, fallback), lowest, highest);
}
} // namespace

TOnionSettings LoadOnionSettings() {
    const QSettings settings;
    TOnionSettings onion;
    onion.Enabled = StoredNumber(settings, kOnionKey, 0, 0, 1) != 0;
    onion.Before =
        StoredNumber(settings, kOnionBeforeKey, onion.Before, 0, TOnionSettings::MaxFrames);
    onion.After = StoredNumber(settings, kOnionAfterKey, onion.After, 0, TOnionSettings::MaxFrames);
    onion.Opacity = StoredNumber(settings, kOnionOpacityKey, onion.Opacity, 1, 100);
    return onion;
}

void SaveOnionSettings(const TOnionSettings& onion) {
    QSettings settings;
    settings.setValue(kOnionKey, onion.Enabled ? 1 : 0);
    settings.setValue(kOnionBeforeKey, onion.Before);
    settings.setValue(kOnionAfterKey, onion.After);
    settings.setValue(kOnionOpacityKey, onion.Opacity);
}

TRecoverySettings LoadRecoverySettings() {
    const QSettings settings;
    TRecoverySettings recovery;
    recovery.Enabled = StoredNumber(settings, kRecoveryKey, 1, 0, 1) != 0;
    recovery.Seconds = StoredNumber(settings, kRecoverySecondsKey, recovery.Seconds,
                                    TRecoverySettings::MinSeconds, TRecoverySettings::MaxSeconds);
    return recovery;
}

void SaveRecoverySettings(const TRecoverySettings& recovery) {
    QSettings settings;
    settings.setValue(kRecoveryKey, recovery.Enabled ? 1 : 0);
    settings.setValue(kRecoverySecondsKey, recovery.Seconds);
}
