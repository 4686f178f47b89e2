#include "RandomScene.h"

#include "AnimTestSupport.h"
#include "core/anim/Anim.h"
#include "core/io/ProjectFile.h"
#include "core/model/Stream.h"
#include "core/objects/ObjectFactory.h"
#include "core/objects/ShapeCatalogue.h"
#include "support/TestMain.h"

#include <QDir>
#include <array>

namespace {

constexpr int TypeCount = 7;
const QStringList Words = {"Kelvro", "Hallo Welt", " zwei\r\nZeilen ", "Übergröße"};

// A small picture for the image objects and the background, written once per test run.
const QString& PictureFile() {
    static const QString path = [] {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(qRgb(200, 30, 60));
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, x, qRgb(10, 90, 250));
        const QString file = QDir(TestScratchFolder()).filePath("scene.png");
        image.save(file, "png");
        return file;
    }();
    return path;
}

void Stroke(TTypesObject& object, const TPoint& press, const TPoint& release) {
    bool flag = false;
    object.CreateMouseDown(TMouseButton::mbLeft, 0, press.X, press.Y, flag);
    object.CreateMouseMove(0, release.X, release.Y);
    object.CreateMouseUp(TMouseButton::mbLeft, 0, release.X, release.Y);
}

} // namespace

QByteArray ProjectBytes(TProject& project) {
    return ProjectFileBytes(project);
}

TRandomScene::TRandomScene(unsigned seed, int width, int height) : FRandom(seed) {
    Project = ProjectOf(Below(12) + 2);
    Project.ProjectWidth = width;
    Project.ProjectHeight = height;
    Project.Zoom = std::array<Extended, 3>{0.5L, 1.0L, 2.0L}[static_cast<std::size_t>(Below(3))];
    Project.Splines = Below(2) == 1;
    Project.BackgroundColor = static_cast<TColor>(FRandom() & 0xFFFFFF);
    if (Below(3) == 0) {
        Project.BackgroundType = 1;
        Project.BackgroundBitmap = QImage(PictureFile());
    }
    const int masters = TypeCount + Below(4);
    for (int number = 0; number < masters; ++number)
        AddMaster(number < TypeCount ? number : Below(TypeCount), number);
    for (int frame = 1; frame < Project.FrameCount; ++frame)
        for (int copies = Below(4); copies > 0; --copies)
            AddCopy(frame);
    MakeCurrent();
}

TPolyPointsEx TRandomScene::Points(int count) {
    TPolyPointsEx points;
    for (int i = 0; i < count; ++i)
        points.push_back(Point());
    return points;
}

TProps TRandomScene::Props(int typeCode) {
    TProps props;
    props.BrushColor = static_cast<TColor>(FRandom() & 0xFFFFFF);
    props.PenColor = Below(4) == 0 ? clNone : static_cast<TColor>(FRandom() & 0xFFFFFF);
    props.PenWidth = Below(4) + 1;
    props.FontSize = 8 + Below(20);
    props.Trans = Extended(Below(10001)) / 100;
    if (typeCode == 1 && Below(4) == 0)
        props.Mask = 1 + Below(4);
    return props;
}

int TRandomScene::Canvas(Extended value) const {
    return RoundHalfEven(value * Project.Zoom);
}

void TRandomScene::AddMaster(int typeCode, int number) {
    const TObjectContext context{&FTable, Project.Zoom, &Project.BitmapStore};
    std::unique_ptr<TTypesObject> object = CreateObjectOfType(typeCode, context, Props(typeCode));
    Draw(*object, typeCode);
    object->ID = QStringLiteral("{M%1}").arg(number);
    object->ObjName = QStringLiteral("Objekt %1").arg(number);
    object->SetAllKeyFrames();
    object->ChangeSelection(Below(3) == 0, false);
    TObjectList& master = ObjectsOf(Project, 0);
    master.insert(master.begin() + Below(static_cast<int>(master.size()) + 1), std::move(object));
}

void TRandomScene::Draw(TTypesObject& object, int typeCode) {
    if (typeCode == 0)
        object.SetAspectPoints(Points(2 + Below(4)));
    else if (typeCode == 1)
        DrawPolygon(object);
    else if (typeCode == 2)
        object.SetAspectPoints(Points(3 * (1 + Below(3)) + 1));
    else if (typeCode == 3)
        DrawBezierPolygon(object);
    else
        Place(object, typeCode);
}

// Closed, as the creation tool closes it, unless left open.
void TRandomScene::DrawPolygon(TTypesObject& object) {
    object.SetAspectPoints(Points(3 + Below(4)));
    if (Below(3) == 0)
        return;
    const TPointEx start = object.AspectPoints()->front();
    Stroke(object, {100000, 100000}, {Canvas(start.X), Canvas(start.Y)});
}

// Three strokes that end on the first anchor, or beside it.
void TRandomScene::DrawBezierPolygon(TTypesObject& object) {
    const TPointEx corner = Point();
    const int x = Canvas(corner.X);
    const int y = Canvas(corner.Y);
    const int side = 20 + Below(40);
    Stroke(object, {x, y}, {x + side, y});
    Stroke(object, {x + side, y + side}, {x + side, y + side});
    Stroke(object, {x, y + side}, Below(3) == 0 ? TPoint{x - side, y + side} : TPoint{x, y});
}

// A text, image or shape placed by a click, its dialog answered, then turned and stretched.
void TRandomScene::Place(TTypesObject& object, int typeCode) {
    TScriptedObjectDialogs& dialogs = FTable.ObjectDialogs;
    if (typeCode == 4) {
        const QString& words = Words[Below(static_cast<int>(Words.size()))];
        dialogs.Inputs.Answers.push_back({words, Below(4), true});
    } else if (typeCode == 5) {
        dialogs.ImageFiles << PictureFile();
    } else {
        const int shapes = static_cast<int>(ShapeCatalogue().size());
        const int index = Below(shapes + 1);
        dialogs.Shapes.push_back(
            {index, index < shapes ? TPolyPointsEx() : Points(3 + Below(3)), true});
    }
    const TPointEx centre = Point();
    Stroke(object, {Canvas(centre.X), Canvas(centre.Y)}, {Canvas(centre.X), Canvas(centre.Y)});
    Turn(object);
}

void TRandomScene::Turn(TTypesObject& object) {
    std::optional<TPlacement> placement = object.AspectPlacement();
    if (!placement)
        return;
    placement->Angle += Extended(Below(7200)) / 10 - 360;
    placement->XPercent = Extended(25 + Below(200)) / 100;
    placement->YPercent = Extended(25 + Below(200)) / 100;
    object.SetAspectPlacement(*placement);
}

void TRandomScene::AddCopy(int frame) {
    const TObjectList& master = ObjectsOf(Project, 0);
    std::unique_ptr<TTypesObject> copy =
        CloneObject(master[static_cast<std::size_t>(Below(static_cast<int>(master.size())))].get(),
                    Project.Zoom);
    Vary(*copy);
    SetKeys(*copy, Below(8) == 0 ? 0u : static_cast<unsigned>(1 + Below(31)));
    copy->ChangeSelection(Below(4) == 0, false);
    if (Below(6) == 0)
        Spoil(*copy);
    TObjectList& objects = ObjectsOf(Project, frame);
    objects.insert(objects.begin() + Below(static_cast<int>(objects.size()) + 1), std::move(copy));
}

// Moved, turned, stretched, faded and recoloured, whatever the keys will say.
void TRandomScene::Vary(TTypesObject& copy) {
    const Extended dX = Coordinate(40) - 20;
    const Extended dY = Coordinate(40) - 20;
    copy.Move(dX, dY);
    Turn(copy);
    TProps props = copy.GetProps();
    props.Trans = Extended(Below(10001)) / 100;
    props.BrushColor = static_cast<TColor>(FRandom() & 0xFFFFFF);
    props.PenColor = Below(4) == 0 ? clNone : static_cast<TColor>(FRandom() & 0xFFFFFF);
    props.PenWidth = Below(6) + 1;
    copy.SetProps(props);
}

// A copy the build has to drop or pass over: its master gone, another object's ID (perhaps of
// another class), or a vertex more than its master.
void TRandomScene::Spoil(TTypesObject& copy) {
    const TObjectList& master = ObjectsOf(Project, 0);
    const int choice = Below(3);
    if (choice == 0) {
        copy.ID = QStringLiteral("{gone}");
    } else if (choice == 1) {
        copy.ID = master[static_cast<std::size_t>(Below(static_cast<int>(master.size())))]->ID;
    } else if (const TPolyPointsEx* points = copy.AspectPoints()) {
        TPolyPointsEx more = *points;
        more.push_back(Point());
        copy.SetAspectPoints(more);
    }
}

// The frame the editor shows: built, one object selected, perhaps moved by hand.
void TRandomScene::MakeCurrent() {
    Project.CurrentFrame = Below(Project.FrameCount);
    BuildFrame(Project, Project.CurrentFrame);
    TObjectList& shown = Project.CurrentObjects();
    if (shown.empty())
        return;
    Selected = shown[static_cast<std::size_t>(Below(static_cast<int>(shown.size())))].get();
    Selected->ChangeSelection(true, false);
    if (Project.CurrentFrame > 0 && Below(2) == 0)
        Selected->Move(3, 2);
}
