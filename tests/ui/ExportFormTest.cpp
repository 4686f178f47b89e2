#include "ui/ExportForm.h"
#include "ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "ui/CompressionForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Ten small empty frames playing 3 .. 7.
TProject SmallProject() {
    TProject project;
    project.ProjectWidth = 33;
    project.ProjectHeight = 21;
    CreateFrames(project, 10);
    project.PlayStart = 3;
    project.PlayEnd = 7;
    return project;
}

struct TExportFixture {
    explicit TExportFixture(TExportKind kind, const QString& name = QStringLiteral("serie.bmp"))
        : Project(SmallProject()), Form(kind, name.trimmed().isEmpty() ? name : Dir.filePath(name),
                                        Project, Dialogs, LastChoice) {
        Form.OpenResult = [this](const QUrl& url) { Opened.push_back(url); };
    }

    QString File(const char* name) const { return Dir.filePath(QString::fromLatin1(name)); }
    QStringList Written() const { return QDir(Dir.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir Dir;
    TProject Project;
    TScriptedDialogs Dialogs;
    TVideoOptions LastChoice;
    TExportForm Form;
    std::vector<QUrl> Opened;
};

} // namespace

TEST(ExportForm, BmpRunsWriteThePlayRangeAndTheDialogStaysOpen) {
    TExportFixture f(TExportKind::Bmp);
    WhenShown([&f](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("BMP Export - serie.bmp"));
        EXPECT_EQ(Child<QLabel>(dialog, "Label1").text(), QStringLiteral("Fortschritt:"));
        auto& show = Child<QCheckBox>(dialog, "CheckBox1");
        EXPECT_FALSE(show.isChecked());
        auto& progress = Child<QProgressBar>(dialog, "ProgressBar1");
        QTest::mouseClick(&Child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        EXPECT_EQ(progress.maximum(), 5);
        EXPECT_EQ(progress.value(), 5);
        EXPECT_TRUE(f.Opened.empty());
        EXPECT_TRUE(Child<QPushButton>(dialog, "Button1").isEnabled());
        // Another run, started with Enter, replaces the files and shows the first one.
        show.click();
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        Press(dialog, "Button2");
    });
    EXPECT_EQ(f.Form.exec(), QDialog::Rejected);
    EXPECT_EQ(f.Written(),
              QStringList({"serie1.bmp", "serie2.bmp", "serie3.bmp", "serie4.bmp", "serie5.bmp"}));
    EXPECT_EQ(f.Opened, std::vector<QUrl>{QUrl::fromLocalFile(f.File("serie1.bmp"))});
    EXPECT_TRUE(f.Dialogs.Errors.isEmpty());
}

TEST(ExportForm, RunsThatCannotWriteSayWhyAndShowNothing) {
    struct TCase {
        TExportKind Kind;
        const char* Name;
        const char* Error;
    };
    for (const TCase& c : {TCase{TExportKind::Bmp, "  ", "Fehler: Export nicht möglich!"},
                           TCase{TExportKind::Gif, "fehlt/clip.gif", "Fehler: "},
                           // The writer's own text, whatever it says.
                           TCase{TExportKind::Bmp, "fehlt/serie.bmp", "Fehler: "},
                           // The compression dialog cancelled ends the run without a word.
                           TCase{TExportKind::Avi, "clip.avi", nullptr}}) {
        TExportFixture f(c.Kind, QString::fromUtf8(c.Name));
        WhenShown([](QDialog& dialog) {
            Child<QCheckBox>(dialog, "CheckBox1").click();
            Press(dialog, "Button1");
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(Child<QPushButton>(dialog, "Button1").isEnabled());
            Press(dialog, "Button2");
        });
        f.Form.exec();
        if (c.Error) {
            ASSERT_EQ(f.Dialogs.Errors.size(), 1) << c.Name;
            EXPECT_TRUE(f.Dialogs.Errors[0].startsWith(QString::fromUtf8(c.Error)))
                << f.Dialogs.Errors[0].toStdString();
        } else {
            EXPECT_TRUE(f.Dialogs.Errors.isEmpty()) << c.Name;
            EXPECT_EQ(f.Dialogs.CodecContainers,
                      std::vector<TVideoContainer>{TVideoContainer::Avi});
        }
        EXPECT_TRUE(f.Written().isEmpty()) << c.Name;
        EXPECT_TRUE(f.Opened.empty()) << c.Name;
    }
}

TEST(ExportForm, EscapeDuringARunKeepsTheFramesWrittenAndClosesAfterwards) {
    TExportFixture f(TExportKind::Bmp);
    f.Project.PlayStart = 0;
    f.Project.PlayEnd = 9;
    WhenShown([&f](QDialog& dialog) {
        Child<QCheckBox>(dialog, "CheckBox1").click();
        auto& progress = Child<QProgressBar>(dialog, "ProgressBar1");
        // The key arrives as the user's would: queued, and taken while the run lets events in.
        QObject::connect(&progress, &QProgressBar::valueChanged, &dialog, [&dialog](int value) {
            if (value == 2)
                QCoreApplication::postEvent(
                    &dialog, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        });
        Press(dialog, "Button1");
        EXPECT_EQ(progress.value(), 2);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(Child<QPushButton>(dialog, "Button1").isEnabled());
    });
    EXPECT_EQ(f.Form.exec(), QDialog::Rejected);
    EXPECT_EQ(f.Written(), QStringList({"serie1.bmp", "serie2.bmp"}));
    EXPECT_EQ(f.Opened, std::vector<QUrl>{QUrl::fromLocalFile(f.File("serie1.bmp"))});
}

TEST(ExportForm, VideoRunsAskForTheCodecOnceEachAndRememberTheChoice) {
    // The kind decides the extension, not the name typed.
    TExportFixture f(TExportKind::Avi, QStringLiteral("clip.gif"));
    f.LastChoice.Codec = QStringLiteral("mjpeg");
    TVideoOptions raw;
    raw.Codec = QStringLiteral("rawvideo");
    f.Dialogs.CodecAnswers = {raw};
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("AVI Export - clip.gif"));
        Press(dialog, "Button1");
        // The second run is cancelled in the compression dialog and leaves the first's file.
        Press(dialog, "Button1");
        Press(dialog, "Button2");
    });
    f.Form.exec();
    EXPECT_TRUE(f.Dialogs.Errors.isEmpty())
        << f.Dialogs.Errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(f.Written(), QStringList({"clip.avi"}));
    EXPECT_GT(QFileInfo(f.File("clip.avi")).size(), 5 * 33 * 21 * 3);
    ASSERT_EQ(f.Dialogs.CodecPresets.size(), 2u);
    EXPECT_EQ(f.Dialogs.CodecPresets[0].Codec, QStringLiteral("mjpeg"));
    EXPECT_EQ(f.Dialogs.CodecPresets[1].Codec, QStringLiteral("rawvideo"));
    EXPECT_EQ(f.LastChoice.Codec, QStringLiteral("rawvideo"));
}

TEST(CompressionForm, OkTakesTheChosenCodecAndSettingsAbbruchKeepsThem) {
    const std::vector<TVideoCodec> codecs = AvailableVideoCodecs(TVideoContainer::Avi);
    int row = -1;
    for (int i = static_cast<int>(codecs.size()) - 1; i > 0; --i)
        if (codecs[i].UsesQuality)
            row = i;
    ASSERT_GT(row, 0) << "no codec beside the default listens to the quality";
    for (const bool ok : {true, false}) {
        TVideoOptions options;
        options.Codec = QStringLiteral("unbekannt");
        options.Quality = 75;
        WhenShown([&codecs, row, ok](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Videokomprimierung"));
            auto& list = Child<QListWidget>(dialog, "CodecList");
            ASSERT_EQ(list.count(), static_cast<int>(codecs.size()));
            EXPECT_EQ(list.currentRow(), 0);
            EXPECT_EQ(Child<QSpinBox>(dialog, "KeyFrameSpin").text(),
                      QStringLiteral("automatisch"));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                              list.visualItemRect(list.item(row)).center());
            auto& quality = Child<QSpinBox>(dialog, "QualitySpin");
            EXPECT_TRUE(quality.isEnabled());
            EXPECT_EQ(Child<QSpinBox>(dialog, "KeyFrameSpin").isEnabled(),
                      codecs[row].UsesKeyFrameInterval);
            EXPECT_EQ(Child<QSpinBox>(dialog, "DataRateSpin").isEnabled(),
                      codecs[row].UsesDataRate);
            quality.selectAll();
            QTest::keyClicks(&quality, QStringLiteral("40"));
            EXPECT_EQ(Child<QSlider>(dialog, "QualitySlider").value(), 40);
            Press(dialog, ok ? "OkButton" : "CancelButton");
        });
        TWidgetDialogService dialogs;
        EXPECT_EQ(dialogs.ChooseVideoCodec(nullptr, TVideoContainer::Avi, options), ok);
        EXPECT_EQ(options.Codec, ok ? codecs[row].Name : QStringLiteral("unbekannt"));
        EXPECT_EQ(options.Quality, ok ? 40 : 75);
    }
}

TEST(ExportFileDialog, TheChosenFilterGivesItsIndexAndItsExtension) {
    QTemporaryDir dir;
    const QStringList filters = {"AVI Files (*.avi)", "GIF Files (*.gif)", "BMP Files (*.bmp)"};
    // Qt's own file dialog, found by the names of its widgets; no platform dialog offscreen.
    WhenShown([&dir](QDialog& dialog) {
        QTest::keyClick(&Child<QComboBox>(dialog, "fileTypeCombo"), Qt::Key_Down);
        auto& name = Child<QLineEdit>(dialog, "fileNameEdit");
        name.setText(dir.filePath(QStringLiteral("clip")));
        QTest::keyClick(&name, Qt::Key_Return);
    });
    int index = 1;
    TWidgetDialogService dialogs;
    EXPECT_EQ(dialogs.SaveExportFileName(nullptr, filters, index), dir.filePath("clip.bmp"));
    EXPECT_EQ(index, 2);
}
