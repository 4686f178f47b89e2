#pragma once

#include "core/anim/Aspects.h"
#include "core/model/Project.h"
#include "core/objects/TypesPolygon.h"
#include "core/objects/TypesPolyline.h"
#include "support/TestObject.h"

#include <memory>

// Stands in for the text, image and shape objects: placed by centre, angle and stretch.
class TPlacedTestObject : public TTestObject {
public:
    std::unique_ptr<TTypesObject> NewEmpty(Extended zoom) const override {
        auto object = std::make_unique<TPlacedTestObject>();
        object->ChangeZoom(zoom, false);
        return object;
    }
    void Assign(const TTypesObject& source) override {
        Placement = static_cast<const TPlacedTestObject&>(source).Placement;
        TTestObject::Assign(source);
    }
    std::optional<TPlacement> AspectPlacement() const override { return Placement; }
    void SetAspectPlacement(const TPlacement& placement) override { Placement = placement; }

    TPlacement Placement;
};

// Makes obj a keyframe of exactly the aspects in the mask.
inline void SetKeys(TTypesObject& obj, unsigned aspects) {
    for (int i = 0; i < AspectCount; ++i)
        SetKeyFrame(obj, static_cast<TAspect>(i), (aspects & (1u << i)) != 0);
}

inline TProject ProjectOf(int frames) {
    TProject project;
    CreateFrames(project, frames);
    project.FrameCount = frames;
    return project;
}

// Adds obj to the frame and returns it.
template <typename T> T& Add(TProject& project, int frame, std::unique_ptr<T> obj) {
    T& added = *obj;
    project.Frames[static_cast<std::size_t>(frame)]->Objects.push_back(std::move(obj));
    return added;
}

inline std::unique_ptr<TPlacedTestObject> Placed(const QString& id, const TPlacement& placement,
                                                 unsigned keys = AllAspects) {
    auto object = std::make_unique<TPlacedTestObject>();
    object->ID = id;
    object->Placement = placement;
    SetKeys(*object, keys);
    return object;
}

inline std::unique_ptr<TTypesPolyline> Polyline(const QString& id, const TPolyPointsEx& points,
                                                unsigned keys = AllAspects) {
    auto object = std::make_unique<TTypesPolyline>(1.0L);
    object->ID = id;
    object->SetPoints(points);
    SetKeys(*object, keys);
    return object;
}

// A polygon closed by the creation gesture: a vertex pressed far away, released on the first.
inline std::unique_ptr<TTypesPolygon> ClosedPolygon(const QString& id, const TPolyPointsEx& points,
                                                    const TProps& props,
                                                    unsigned keys = AllAspects) {
    auto object = std::make_unique<TTypesPolygon>(nullptr, props, 1.0L);
    object->SetPoints(points);
    bool flag = false;
    object->CreateMouseDown(TMouseButton::mbLeft, 0, 5000, 5000, flag);
    const TPoint start{RoundHalfEven(points.front().X), RoundHalfEven(points.front().Y)};
    object->CreateMouseUp(TMouseButton::mbLeft, 0, start.X, start.Y);
    object->ID = id;
    object->ChangeSelection(false, false);
    SetKeys(*object, keys);
    return object;
}

inline TObjectList& ObjectsOf(TProject& project, int frame) {
    return project.Frames[static_cast<std::size_t>(frame)]->Objects;
}
