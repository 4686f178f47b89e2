#include "core/io/ProjectFile.h"
#include "core/model/ProjectLimits.h"
#include "core/model/Stream.h"
#include "core/objects/ObjectRecord.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {
constexpr int PlainCode = 0;
constexpr int ImageCode = 5;

// A minimal drawable object: a number, plus an image for the type that stores pixels once.
class TProbe : public TTypesObject {
public:
    TProbe(int code, const TObjectContext& context, const TProps& props)
        : TTypesObject(context.Table, props, context.Zoom), Code(code), Store(context.BitmapStore) {
    }
    explicit TProbe(int code) : Code(code) {}

    QString TypeName() const override { return QStringLiteral("Probe"); }
    int TypeCode() const override { return Code; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended) const override {
        return std::make_unique<TProbe>(Code);
    }
    void DataToStream(TStream& stream) const override {
        if (Value < 0)
            throw TStreamError("probe refuses to be written");
        WriteObjectCommon(stream, *this);
        stream.WriteInteger(Value);
        if (Code == ImageCode) {
            QImage pixels = *Image;
            stream.WriteBitmap(pixels);
        }
        stream.WriteExtended(FZoom);
    }
    void StreamToData(TStream& stream) override {
        ReadObjectCommon(stream, *this);
        Value = stream.ReadInteger();
        if (Code == ImageCode) {
            Image = std::make_shared<QImage>(stream.ReadBitmap());
            Store->push_back(Image);
        }
        FZoom = stream.ReadExtended();
    }
    TRect GetRect() const override { return {}; }
    void Move(Extended, Extended) override {}
    void DblClick() override {}
    void CreateMouseDown(TMouseButton, TShiftState, int, int, bool&) override {}
    void CreateMouseMove(TShiftState, int, int) override {}
    void CreateMouseUp(TMouseButton, TShiftState, int, int) override {}
    void ChangeMouseDown(TMouseButton, TShiftState, int, int, bool&) override {}
    void ChangeMouseMove(TShiftState, int, int) override {}
    void ChangeMouseUp(TMouseButton, TShiftState, int, int) override {}
    void Paint(TObjectTable*) override {}

    void SetZoomForTest(Extended zoom) { FZoom = zoom; }

    int Code;
    TBitmapStore* Store = nullptr;
    std::int32_t Value = 0;
    std::shared_ptr<QImage> Image;
};

TProbe& AsProbe(const std::unique_ptr<TTypesObject>& object) {
    return dynamic_cast<TProbe&>(*object);
}

TObjectType ProbeType(int code) {
    return {[code](const TObjectContext& context, const TProps& props) {
                return std::make_unique<TProbe>(code, context, props);
            },
            {},
            {}};
}

// The image-like type writes copies outside the master frame without name and pixels.
TObjectTypes ProbeTypes() {
    TObjectTypes types;
    types.Register(PlainCode, ProbeType(PlainCode));
    TObjectType image = ProbeType(ImageCode);
    image.WriteCopy = [](const TTypesObject& object, TStream& stream) {
        WriteObjectCommon(stream, object, TRecordName::Omitted);
        stream.WriteInteger(dynamic_cast<const TProbe&>(object).Value);
    };
    image.ReadCopy = [](TTypesObject& object, TStream& stream, const TObjectList& master) {
        ReadObjectCommon(stream, object, TRecordName::Omitted);
        auto& probe = dynamic_cast<TProbe&>(object);
        probe.Value = stream.ReadInteger();
        const int index = IndexOfID(probe.ID, master);
        if (index >= 0)
            probe.Image = AsProbe(master[index]).Image;
    };
    types.Register(ImageCode, std::move(image));
    return types;
}

class TNoTable : public TObjectTable {
public:
    QPainter* Painter() override { return nullptr; }
    void Invalidate() override {}
    TCursor Cursor() const override { return TCursor::Default; }
    void SetCursor(TCursor) override {}
    TCanvasState& CanvasState() override { return State; }
    TCanvasState State;
};

QImage Pixels(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(40 * x, 60 * y, 200));
    return image;
}

void SetSampleSettings(TProject& project) {
    project.ProjectWidth = 640;
    project.ProjectHeight = 480;
    project.BackgroundType = 1;
    project.BackgroundColor = 0x123456;
    project.BackgroundImage = QStringLiteral("/home/anna/Bilder/Wiese.png");
    project.BackgroundBitmap = Pixels(3, 2);
    project.FramesPerSec = 25;
    project.ShowPaths = true;
    project.Splines = true;
    ResizeFrames(project, 4);
    project.PlayStart = 3;
    project.PlayEnd = 99;
}

std::unique_ptr<TProbe> NewProbe(int code, std::int32_t value, const QString& name) {
    auto probe = std::make_unique<TProbe>(code);
    probe->Value = value;
    probe->ObjName = name;
    return probe;
}

// Settings plus a plain master object, an image master with a copy in frame 2 and an
// in-between copy in frame 3.
void FillSampleProject(TProject& project) {
    SetSampleSettings(project);
    auto plain = NewProbe(PlainCode, 7, QStringLiteral("Kreis"));
    plain->SetZoomForTest(3.0L);
    plain->ChangeSelection(true, false);
    auto image = NewProbe(ImageCode, 8, QStringLiteral("Foto"));
    image->Image = std::make_shared<QImage>(Pixels(2, 2));
    image->SetAllKeyFrames();
    auto copy = NewProbe(ImageCode, 9, QStringLiteral("Foto"));
    copy->ID = image->ID;
    copy->KeyFrameMove = true;
    auto between = NewProbe(PlainCode, 10, QString());
    between->ID = plain->ID;
    project.Frames[0]->Objects.push_back(std::move(plain));
    project.Frames[0]->Objects.push_back(std::move(image));
    project.Frames[2]->Objects.push_back(std::move(copy));
    project.Frames[3]->Objects.push_back(std::move(between));
}

QByteArray Serialized(TProject& project, const TObjectTypes& types = ObjectTypes()) {
    return ProjectFileBytes(project, types);
}

TLoadResult Deserialize(const QByteArray& bytes, TProject& project,
                        const TObjectTypes& types = ObjectTypes()) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TStream stream(buffer);
    return ReadProject(stream, project, nullptr, types);
}

QString ScratchFile(const QString& name) {
    return TestScratchFolder() + QLatin1Char('/') + name;
}

QByteArray FileBytes(const QString& fileName) {
    QFile file(fileName);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteFileBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// A project that a failed load must leave exactly as it was.
struct TUntouched {
    TUntouched() {
        Project.ProjectWidth = 111;
        Project.Zoom = 2.0L;
        Project.TimelineStep = 3;
        Project.BitmapStore.push_back(std::make_shared<QImage>(Pixels(1, 1)));
        Project.Frames[0]->Objects.push_back(NewProbe(PlainCode, 1, QStringLiteral("alt")));
        Bytes = Serialized(Project);
        FirstObject = Project.Frames[0]->Objects[0].get();
    }
    void ExpectUnchanged() {
        EXPECT_EQ(Serialized(Project), Bytes);
        EXPECT_EQ(Project.Zoom, 2.0L);
        EXPECT_EQ(Project.TimelineStep, 3);
        ASSERT_EQ(Project.BitmapStore.size(), 1u);
        EXPECT_EQ(Project.Frames[0]->Objects[0].get(), FirstObject);
    }
    TProject Project;
    QByteArray Bytes;
    const TTypesObject* FirstObject = nullptr;
};
} // namespace

TEST(ProjectFile, NewProjectIs243Bytes) {
    TProject project;
    const QString fileName = ScratchFile(QStringLiteral("neu.kvp"));
    SaveProject(project, fileName);
    const QByteArray bytes = FileBytes(fileName);
    ASSERT_EQ(bytes.size(), 243);
    EXPECT_EQ(bytes.left(43).toHex(' '), "cc 0c 00 00 20 03 00 00 58 02 00 00 00 00 00 00 ff ff "
                                         "ff 00 00 00 00 00 00 0f 00 00 00 00 00 00 00 00 00 31 "
                                         "00 00 00 32 00 00 00");
    EXPECT_EQ(bytes.mid(43), QByteArray(200, '\0'));
}

TEST(ProjectFile, SettingsRoundTripThroughAFile) {
    TProject saved;
    SetSampleSettings(saved);
    const QString fileName = ScratchFile(QStringLiteral("einstellungen.kvp"));
    SaveProject(saved, fileName);

    TProject loaded;
    loaded.Zoom = 4.0L;
    loaded.TimelineStep = 5;
    ResizeFrames(loaded, 9);
    loaded.CurrentFrame = 6;
    ASSERT_EQ(LoadProject(loaded, fileName, nullptr), TLoadResult::Loaded);
    EXPECT_EQ(loaded.ProjectWidth, 640);
    EXPECT_EQ(loaded.ProjectHeight, 480);
    EXPECT_EQ(loaded.BackgroundType, 1);
    EXPECT_EQ(loaded.BackgroundColor, 0x123456);
    EXPECT_EQ(loaded.BackgroundImage, saved.BackgroundImage);
    ASSERT_TRUE(loaded.BackgroundBitmap);
    EXPECT_EQ(loaded.BackgroundBitmap->convertToFormat(QImage::Format_RGB32), Pixels(3, 2));
    EXPECT_EQ(loaded.FramesPerSec, 25);
    EXPECT_TRUE(loaded.ShowPaths);
    EXPECT_TRUE(loaded.Splines);
    EXPECT_EQ(loaded.FrameCount, 4);
    EXPECT_EQ(loaded.Frames.size(), 4u);
    EXPECT_EQ(loaded.PlayStart, 3);
    EXPECT_EQ(loaded.PlayEnd, 99);
    EXPECT_EQ(loaded.Zoom, 1.0L);
    EXPECT_EQ(loaded.CurrentFrame, 0);
    EXPECT_EQ(loaded.TimelineStep, 0);
}

TEST(ProjectFile, BackgroundBitmapRules) {
    TProject withImage;
    withImage.BackgroundBitmap = QImage(2, 2, QImage::Format_ARGB32);
    withImage.BackgroundBitmap->fill(Qt::red);
    const QByteArray withBytes = Serialized(withImage);
    EXPECT_EQ(withImage.BackgroundBitmap->format(), QImage::Format_RGB888);
    EXPECT_EQ(withBytes.size(), 243 + 8 + 12);

    TProject withoutImage;
    const QByteArray withoutBytes = Serialized(withoutImage);
    TProject target;
    target.BackgroundBitmap = Pixels(5, 5);
    ASSERT_EQ(Deserialize(withoutBytes, target), TLoadResult::Loaded);
    ASSERT_TRUE(target.BackgroundBitmap);
    EXPECT_EQ(target.BackgroundBitmap->size(), QSize(5, 5));
    ASSERT_EQ(Deserialize(withBytes, target), TLoadResult::Loaded);
    EXPECT_EQ(target.BackgroundBitmap->size(), QSize(2, 2));
}

TEST(ProjectFile, ObjectsAreReadIntoTheirFrames) {
    const TObjectTypes types = ProbeTypes();
    TProject saved;
    FillSampleProject(saved);
    const QString fileName = ScratchFile(QStringLiteral("objekte.kvp"));
    SaveProject(saved, fileName, types);

    TNoTable table;
    TProject loaded;
    loaded.BitmapStore.push_back(std::make_shared<QImage>(Pixels(1, 1)));
    ASSERT_EQ(LoadProject(loaded, fileName, &table, types), TLoadResult::Loaded);
    const TObjectList& master = loaded.Frames[0]->Objects;
    ASSERT_EQ(master.size(), 2u);
    for (const auto& object : master) {
        EXPECT_TRUE(object->KeyFrameMove && object->KeyFrameTurn && object->KeyFrameStretch &&
                    object->KeyFrameTrans && object->KeyFrameColor);
        EXPECT_FALSE(object->IsSelected());
        EXPECT_EQ(object->Zoom(), 1.0L);
        EXPECT_EQ(object->Table(), &table);
    }
    EXPECT_EQ(master[0]->ID, saved.Frames[0]->Objects[0]->ID);
    EXPECT_EQ(master[0]->ObjName, QStringLiteral("Kreis"));
    EXPECT_EQ(AsProbe(master[0]).Value, 7);

    // The pixels are stored once and shared by the copy, which carries no name.
    ASSERT_EQ(loaded.BitmapStore.size(), 1u);
    EXPECT_EQ(AsProbe(master[1]).Image, loaded.BitmapStore[0]);
    ASSERT_EQ(loaded.Frames[2]->Objects.size(), 1u);
    const TProbe& copy = AsProbe(loaded.Frames[2]->Objects[0]);
    EXPECT_EQ(copy.Image, loaded.BitmapStore[0]);
    EXPECT_EQ(copy.Value, 9);
    EXPECT_TRUE(copy.ObjName.isEmpty());
    EXPECT_TRUE(copy.KeyFrameMove);
    EXPECT_FALSE(copy.KeyFrameTurn);

    // An in-between copy saved with its frame comes back without flags.
    ASSERT_EQ(loaded.Frames[3]->Objects.size(), 1u);
    EXPECT_FALSE(loaded.Frames[3]->Objects[0]->AnyKeyFrame());
    EXPECT_EQ(loaded.Frames[3]->Objects[0]->ID, master[0]->ID);
}

TEST(ProjectFile, CommonPartOfAnObjectRecord) {
    const TObjectTypes types = ProbeTypes();
    TProbe probe(PlainCode);
    probe.ID = QStringLiteral("{AB}");
    probe.ObjName = QStringLiteral("N");
    probe.KeyFrameTurn = true;
    probe.KeyFrameColor = true;
    probe.Value = 42;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    probe.DataToStream(stream);
    EXPECT_EQ(bytes.left(4).toHex(), "00000000");
    EXPECT_EQ(bytes.mid(4 + 57).toHex(' '), "04 00 00 00 7b 00 41 00 42 00 7d 00 01 00 00 00 4e "
                                            "00 00 01 00 00 01 2a 00 00 00 00 00 00 00 00 00 00 "
                                            "80 ff 3f");

    buffer.seek(0);
    TNoTable table;
    const auto read = ReadObjectRecord(stream, {&table, 2.0L, nullptr}, types);
    const TProbe& readProbe = AsProbe(read);
    EXPECT_EQ(readProbe.ID, probe.ID);
    EXPECT_EQ(readProbe.ObjName, probe.ObjName);
    EXPECT_FALSE(readProbe.KeyFrameMove);
    EXPECT_TRUE(readProbe.KeyFrameTurn);
    EXPECT_TRUE(readProbe.KeyFrameColor);
    EXPECT_EQ(readProbe.Value, 42);
    EXPECT_EQ(readProbe.Table(), &table);
    EXPECT_TRUE(readProbe.IsSelected());
    EXPECT_EQ(buffer.bytesAvailable(), 0);

    buffer.seek(0);
    EXPECT_THROW(ReadObjectRecord(stream, {}, TObjectTypes()), TStreamError);
}

TEST(ProjectFile, WrongMagicReadsNothing) {
    TUntouched untouched;
    const QString fileName = ScratchFile(QStringLiteral("fremd.kvp"));
    WriteFileBytes(fileName, QByteArray::fromHex("cd0c0000 20030000"));
    EXPECT_EQ(LoadProject(untouched.Project, fileName, nullptr), TLoadResult::NotAProject);
    untouched.ExpectUnchanged();
}

TEST(ProjectFile, TruncatedFileAtEveryLengthIsAnErrorAndChangesNothing) {
    const TObjectTypes types = ProbeTypes();
    TProject sample;
    FillSampleProject(sample);
    const QByteArray bytes = Serialized(sample, types);
    TUntouched untouched;
    for (int length = 0; length < bytes.size(); ++length) {
        EXPECT_THROW(Deserialize(bytes.left(length), untouched.Project, types), TStreamError)
            << length;
        untouched.ExpectUnchanged();
    }
    const QString fileName = ScratchFile(QStringLiteral("abgeschnitten.kvp"));
    WriteFileBytes(fileName, bytes.left(bytes.size() / 2));
    EXPECT_THROW(LoadProject(untouched.Project, fileName, nullptr, types), TStreamError);
    untouched.ExpectUnchanged();
}

TEST(ProjectFile, DamagedCountsAndSizesAreErrors) {
    TProject plain;
    plain.BackgroundBitmap = Pixels(1, 1);
    ResizeFrames(plain, 2);
    const QByteArray valid = Serialized(plain);
    // Offsets in that file: image name length 20, bitmap size 25, frame count 50, the two
    // object counts 54 and 58.
    const auto patched = [&](int offset, const char* hex) {
        QByteArray bytes = valid;
        const QByteArray patch = QByteArray::fromHex(hex);
        return bytes.replace(offset, patch.size(), patch);
    };
    TProject check;
    ASSERT_EQ(Deserialize(valid, check), TLoadResult::Loaded);
    TUntouched untouched;
    // The last case holds an object of a type the program does not know.
    for (const QByteArray& damaged :
         {patched(20, "ffffff7f"), patched(25, "ffffffff"), patched(29, "00000080"),
          patched(50, "00000000"), patched(50, "ffffffff"), patched(50, "ffffff7f"),
          patched(54, "ffffffff"), patched(54, "ffffff0f"), patched(58, "01000000"),
          untouched.Bytes}) {
        EXPECT_THROW(Deserialize(damaged, untouched.Project), TStreamError)
            << damaged.toHex().data();
        untouched.ExpectUnchanged();
    }
}

TEST(ProjectFile, ProjectsBeyondWhatTheEditorMakesAreRefused) {
    struct TLimitCase {
        const char* Name;
        std::function<void(TProject&)> Set;
        bool Loads;
    };
    const auto width = [](std::int32_t w) { return [w](TProject& p) { p.ProjectWidth = w; }; };
    const auto height = [](std::int32_t h) { return [h](TProject& p) { p.ProjectHeight = h; }; };
    const auto rate = [](std::int32_t r) { return [r](TProject& p) { p.FramesPerSec = r; }; };
    const auto frames = [](std::int32_t n) { return [n](TProject& p) { CreateFrames(p, n); }; };
    const std::vector<TLimitCase> cases = {
        {"width 0", width(0), false},
        {"width 1", width(1), true},
        {"width 30000", width(30000), true},
        {"width 30001", width(30001), false},
        {"width 16711880", width(16711880), false},
        {"height -1", height(-1), false},
        {"height 1", height(1), true},
        {"height 30000", height(30000), true},
        {"height 30001", height(30001), false},
        {"fps 0", rate(0), false},
        {"fps 1", rate(1), true},
        {"fps 100", rate(100), true},
        {"fps 101", rate(101), false},
        {"fps -2147483648", rate(std::numeric_limits<std::int32_t>::min()), false},
        {"30000 frames", frames(30000), true},
        {"30001 frames", frames(30001), false},
    };
    for (const TLimitCase& c : cases) {
        TProject written;
        c.Set(written);
        const QByteArray bytes = Serialized(written);
        TUntouched untouched;
        if (c.Loads) {
            EXPECT_EQ(Deserialize(bytes, untouched.Project), TLoadResult::Loaded) << c.Name;
            EXPECT_EQ(Serialized(untouched.Project), bytes) << c.Name;
        } else {
            EXPECT_THROW(Deserialize(bytes, untouched.Project), TStreamError) << c.Name;
            untouched.ExpectUnchanged();
        }
    }
}

TEST(ProjectFile, MoreObjectRecordsThanMemoryCouldHoldAreRefused) {
    // Only the count is absurd: the bytes behind it are there, as short as records can be.
    TProject plain;
    QByteArray bytes = Serialized(plain).left(39);
    const std::int32_t records = MaxObjectRecords + 1;
    for (const std::int32_t value : {1, records})
        bytes.append(reinterpret_cast<const char*>(&value), 4);
    bytes.append(QByteArray(qsizetype{records} * MinObjectRecordSize, '\0'));
    TUntouched untouched;
    EXPECT_THROW(Deserialize(bytes, untouched.Project), TStreamError);
    untouched.ExpectUnchanged();
}

TEST(ProjectFile, FailedSaveKeepsTheOldFile) {
    const QString folder = ScratchFile(QStringLiteral("speichern"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString fileName = folder + QStringLiteral("/projekt.kvp");
    WriteFileBytes(fileName, "alt");
    TProject project;
    project.Frames[1]->Objects.push_back(NewProbe(PlainCode, -1, QString()));
    EXPECT_THROW(SaveProject(project, fileName, ProbeTypes()), TStreamError);
    EXPECT_EQ(FileBytes(fileName), "alt");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("projekt.kvp")});
}

TEST(ProjectFile, UnreachableFilesAreErrors) {
    TProject project;
    const QString missing = ScratchFile(QStringLiteral("fehlt/projekt.kvp"));
    EXPECT_THROW(SaveProject(project, missing), TProjectFileError);
    EXPECT_THROW(LoadProject(project, missing, nullptr), TProjectFileError);
}
