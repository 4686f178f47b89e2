#include "ui/NewForm.h"
#include "ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "ui/SpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <tuple>

namespace {

auto Fields(const TProjectSettings& s) {
    return std::make_tuple(s.ProjectWidth, s.ProjectHeight, s.BackgroundColor, s.BackgroundImage,
                           s.BackgroundType, s.FrameCount, s.FramesPerSec, s.ShowPaths, s.Splines);
}

// Replaces the field's text by typing, as a user would.
void TypeInto(TSpinEdit& edit, const char* text) {
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, QString::fromLatin1(text));
}

QString WritePicture(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("wolke.png"));
    QImage picture(300, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    EXPECT_TRUE(picture.save(path));
    return path;
}

struct TFormFixture {
    TScriptedDialogs Dialogs;
    TNewForm Form{Dialogs};

    template <typename T> T& Get(const char* name) { return Child<T>(Form, name); }
};

} // namespace

TEST(NewForm, OkTakesWhatWasTypedAndChosen) {
    TScriptedDialogs dialogs;
    dialogs.Colors = {0x00FF00};
    dialogs.Files = {QStringLiteral("/bilder/wolke.png")};
    TProjectSettings settings = TProjectSettings::Of(TProject());
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Einstellungen"));
        auto& width = Child<TSpinEdit>(dialog, "WidthUpDown");
        EXPECT_FALSE(width.isEnabled());
        QTest::keyClick(&Child<QComboBox>(dialog, "SizeCombo"), Qt::Key_Home);
        ASSERT_TRUE(width.isEnabled());
        TypeInto(width, "1000");
        TypeInto(Child<TSpinEdit>(dialog, "FrameCountUpDown"), "3");
        TypeInto(Child<TSpinEdit>(dialog, "FramesPerSecUpDown"), "200");
        QTest::mouseClick(&Child<QToolButton>(dialog, "ColorBox"), Qt::LeftButton);
        QTest::mouseClick(&Child<QToolButton>(dialog, "ImageSpeed"), Qt::LeftButton);
        QTest::keyClick(&Child<QComboBox>(dialog, "TypeCombo"), Qt::Key_Down);
        QTest::mouseClick(&Child<QCheckBox>(dialog, "SplinesCheck"), Qt::LeftButton, {},
                          QPoint(8, 10));
        EXPECT_EQ(Child<TSpinEdit>(dialog, "OnionBeforeUpDown").Number(), 2);
        TypeInto(Child<TSpinEdit>(dialog, "OnionAfterUpDown"), "9");
        TypeInto(Child<TSpinEdit>(dialog, "OnionOpacityUpDown"), "45");
        QTest::mouseClick(&Child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
    TNewForm form(dialogs);
    TOnionSettings onion;
    onion.Enabled = true;
    ASSERT_TRUE(form.Execute(QStringLiteral("Einstellungen"), settings, onion));
    EXPECT_EQ(Fields(settings),
              std::make_tuple(1000, 600, 0x00FF00, QStringLiteral("/bilder/wolke.png"), 1, 5, 100,
                              false, true));
    EXPECT_TRUE(onion.Enabled);
    EXPECT_EQ(std::make_tuple(onion.Before, onion.After, onion.Opacity),
              std::make_tuple(2, TOnionSettings::MaxFrames, 45));
}

TEST(NewForm, CancelAndEscapeLeaveTheSettingsAlone) {
    for (const bool escape : {false, true}) {
        TScriptedDialogs dialogs;
        TProjectSettings settings = TProjectSettings::Of(TProject());
        const auto before = Fields(settings);
        WhenShown([escape](QDialog& dialog) {
            QTest::keyClick(&Child<QComboBox>(dialog, "SizeCombo"), Qt::Key_End);
            TypeInto(Child<TSpinEdit>(dialog, "FrameCountUpDown"), "80");
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(&Child<QPushButton>(dialog, "Button2"), Qt::LeftButton);
        });
        TNewForm form(dialogs);
        TOnionSettings onion;
        EXPECT_FALSE(form.Execute(QStringLiteral("Neu"), settings, onion));
        EXPECT_EQ(onion.After, TOnionSettings().After);
        EXPECT_EQ(Fields(settings), before);
    }
}

TEST(NewForm, FillingFindsThePresetByItsTextWithoutBlanks) {
    struct TCase {
        int Width, Height, Preset;
    };
    TFormFixture f;
    TProjectSettings settings = TProjectSettings::Of(TProject());
    for (const TCase& c : {TCase{1280, 720, 4}, TCase{1000, 700, 0}, TCase{1920, 1080, 5},
                           TCase{300, 400, 0}, TCase{400, 300, 1}}) {
        settings.ProjectWidth = c.Width;
        settings.ProjectHeight = c.Height;
        f.Form.FillFrom(settings);
        EXPECT_EQ(f.Get<QComboBox>("SizeCombo").currentIndex(), c.Preset) << c.Width;
        EXPECT_EQ(f.Get<TSpinEdit>("WidthUpDown").isEnabled(), c.Preset == 0) << c.Width;
        EXPECT_EQ(f.Get<TSpinEdit>("HeightUpDown").isEnabled(), c.Preset == 0) << c.Width;
        EXPECT_EQ(f.Form.Settings().ProjectWidth, c.Width);
        EXPECT_EQ(f.Form.Settings().ProjectHeight, c.Height);
    }
}

TEST(NewForm, ChoosingAPresetSplitsItAtTheFirstX) {
    struct TCase {
        int Preset, Width, Height;
    };
    TFormFixture f;
    auto& sizes = f.Get<QComboBox>("SizeCombo");
    // Going back to the custom entry keeps the numbers of the last preset.
    for (const TCase& c :
         {TCase{5, 1920, 1080}, TCase{3, 720, 576}, TCase{0, 720, 576}, TCase{4, 1280, 720}}) {
        sizes.setCurrentIndex(c.Preset);
        EXPECT_EQ(f.Form.Settings().ProjectWidth, c.Width) << c.Preset;
        EXPECT_EQ(f.Form.Settings().ProjectHeight, c.Height) << c.Preset;
        EXPECT_EQ(f.Get<TSpinEdit>("WidthUpDown").isEnabled(), c.Preset == 0);
    }
}

TEST(NewForm, TypedNumbersAreReducedToTheirDigitsAndClamped) {
    struct TCase {
        const char* Field;
        const char* Typed;
        int Number;
    };
    TFormFixture f;
    for (const TCase& c :
         {TCase{"FrameCountUpDown", "3", 5}, TCase{"FramesPerSecUpDown", "200", 100},
          TCase{"WidthUpDown", "1a2b0", 120}, TCase{"HeightUpDown", "-40", 25},
          TCase{"WidthUpDown", "99999", 30000},
          TCase{"FrameCountUpDown", "99999999999999999999999", 30000},
          TCase{"FramesPerSecUpDown", "", 1}}) {
        auto& edit = f.Get<TSpinEdit>(c.Field);
        TypeInto(edit, c.Typed);
        EXPECT_EQ(edit.Number(), c.Number) << c.Typed;
        QTest::keyClick(&edit, Qt::Key_Return);
        EXPECT_EQ(edit.value(), c.Number) << c.Typed;
        EXPECT_EQ(edit.text(), QString::number(c.Number)) << c.Typed;
    }
}

TEST(NewForm, ColourAndPictureAreChosenThroughTheServiceAndKeepTheType) {
    QTemporaryDir dir;
    TFormFixture f;
    f.Dialogs.Colors = {0x0000FF};
    f.Dialogs.Files = {QString(), WritePicture(dir)};
    TProjectSettings settings = TProjectSettings::Of(TProject());
    settings.BackgroundImage = QStringLiteral("alt.png");
    f.Form.FillFrom(settings);
    QTest::mouseClick(&f.Get<QToolButton>("ColorBox"), Qt::LeftButton);
    EXPECT_EQ(f.Dialogs.ColorPresets, std::vector<TColor>{0xFFFFFF});
    EXPECT_EQ(f.Form.Settings().BackgroundColor, 0x0000FF);

    auto& chooser = f.Get<QToolButton>("ImageSpeed");
    QTest::mouseClick(&chooser, Qt::LeftButton);
    EXPECT_EQ(f.Form.Settings().BackgroundImage, QStringLiteral("alt.png"));
    EXPECT_TRUE(f.Get<QLabel>("ImagePreview").pixmap().isNull());
    QTest::mouseClick(&chooser, Qt::LeftButton);
    EXPECT_EQ(f.Form.Settings().BackgroundImage, dir.filePath(QStringLiteral("wolke.png")));
    const QPixmap preview = f.Get<QLabel>("ImagePreview").pixmap();
    EXPECT_FALSE(preview.isNull());
    EXPECT_LE(preview.width(), f.Get<QLabel>("ImagePreview").width());
    EXPECT_EQ(f.Form.Settings().BackgroundType, 0);
}

TEST(NewFormSettings, ApplyingDecodesTheBackgroundFirst) {
    QTemporaryDir dir;
    const QString good = WritePicture(dir);
    const QString broken = dir.filePath(QStringLiteral("kaputt.png"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kein Bild");
    file.close();
    struct TCase {
        int Type;
        QString Image;
        bool Ok, Bitmap;
    };
    for (const TCase& c :
         {TCase{1, good, true, true}, TCase{1, dir.filePath("fehlt.png"), true, false},
          TCase{0, good, true, false}, TCase{1, broken, false, true}}) {
        TProject project;
        project.BackgroundBitmap = QImage(1, 1, QImage::Format_RGB32);
        TProjectSettings settings = TProjectSettings::Of(project);
        settings.ProjectWidth = 640;
        settings.FrameCount = 30;
        settings.BackgroundType = c.Type;
        settings.BackgroundImage = c.Image;
        EXPECT_EQ(ApplyProjectSettings(settings, project).Ok, c.Ok) << qPrintable(c.Image);
        EXPECT_EQ(project.BackgroundBitmap.has_value(), c.Bitmap) << qPrintable(c.Image);
        // A picture that cannot be decoded changes nothing, not even the old background.
        EXPECT_EQ(project.ProjectWidth, c.Ok ? 640 : 800) << qPrintable(c.Image);
        EXPECT_EQ(project.PlayEnd, c.Ok ? 29 : 49) << qPrintable(c.Image);
        EXPECT_EQ(project.BackgroundImage, c.Ok ? c.Image : QString()) << qPrintable(c.Image);
        if (c.Bitmap) {
            EXPECT_EQ(project.BackgroundBitmap->width(), c.Ok ? 300 : 1) << qPrintable(c.Image);
        }
    }
}
