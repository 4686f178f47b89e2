#include "BenchScene.h"

#include "core/anim/Anim.h"
#include "core/objects/TypesPolygon.h"

#include <cmath>

namespace {

constexpr int KeyStep = 10;

// Deterministic positions, so every run measures the same scene.
class TSequence {
public:
    Extended Next(int range) {
        FState = FState * 1103515245u + 12345u;
        return static_cast<Extended>((FState >> 8) % static_cast<unsigned>(range));
    }

private:
    unsigned FState = 1;
};

// A filled and outlined six-cornered polygon around (x, y), closed as the creation tool does.
std::unique_ptr<TTypesPolygon> Hexagon(Extended x, Extended y, TColor color, int penWidth) {
    TProps props;
    props.BrushColor = color;
    props.PenColor = 0x000000;
    props.PenWidth = penWidth;
    auto polygon = std::make_unique<TTypesPolygon>(nullptr, props, 1.0L);
    TPolyPointsEx points;
    for (int i = 0; i < 6; ++i)
        points.push_back({x + 40 * std::cos(i * 1.0472L), y + 40 * std::sin(i * 1.0472L)});
    polygon->SetPoints(points);
    bool flag = false;
    polygon->CreateMouseDown(TMouseButton::mbLeft, 0, 100000, 100000, flag);
    polygon->CreateMouseUp(TMouseButton::mbLeft, 0, RoundHalfEven(points[0].X),
                           RoundHalfEven(points[0].Y));
    polygon->ChangeSelection(false, false);
    return polygon;
}

} // namespace

TProject KeyedProject(int objects, int frames, bool fading, int penWidth) {
    TProject project;
    project.FrameCount = frames;
    CreateFrames(project, frames);
    TSequence random;
    for (int i = 0; i < objects; ++i) {
        auto master = Hexagon(random.Next(800), random.Next(600),
                              static_cast<TColor>(random.Next(0x1000000)), penWidth);
        for (int frame = KeyStep; frame < frames; frame += KeyStep) {
            std::unique_ptr<TTypesObject> key = CloneObject(master.get(), 1.0L);
            key->Move(random.Next(81) - 40, random.Next(81) - 40);
            TProps props = key->GetProps();
            props.BrushColor = static_cast<TColor>(random.Next(0x1000000));
            if (fading)
                props.Trans = 50 + random.Next(51);
            key->ChangeProps(props, false);
            key->KeyFrameTurn = key->KeyFrameStretch = false;
            project.Frames[frame]->Objects.push_back(std::move(key));
        }
        project.Frames[0]->Objects.push_back(std::move(master));
    }
    return project;
}
