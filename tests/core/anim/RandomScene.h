#pragma once

#include "core/model/ObjectTable.h"
#include "core/model/Project.h"
#include "support/ScriptedObjectDialogs.h"

#include <QByteArray>
#include <random>

// The project as WriteProject writes it.
QByteArray ProjectBytes(TProject& project);

// A canvas that only answers the creation dialogs of the objects placed on it.
class TDialogTable : public TObjectTable {
public:
    QPainter* Painter() override { return nullptr; }
    void Invalidate() override {}
    TCursor Cursor() const override { return TCursor::Default; }
    void SetCursor(TCursor /*cursor*/) override {}
    TCanvasState& CanvasState() override { return State; }
    TObjectDialogs* Dialogs() override { return &ObjectDialogs; }

    TCanvasState State;
    TScriptedObjectDialogs ObjectDialogs;
};

// A project as the editor leaves it, the same for the same seed: master objects of all seven
// types drawn through their creation gestures, some selected, some masks; keyframe copies moved,
// turned, stretched, faded and recoloured at random, keyed for random aspects (none, too), some
// under an ID no master has, of another class or of another shape than their master; Splines
// on or off; a background image or not; and the current frame built, with a selection and
// perhaps an edit in it.
class TRandomScene {
public:
    TRandomScene(unsigned seed, int width, int height);

    TProject Project;
    // The object selected in the current frame, if any.
    TTypesObject* Selected = nullptr;

private:
    int Below(int n) { return static_cast<int>(FRandom() % static_cast<unsigned>(n)); }
    // Document coordinates in eighths of a pixel.
    Extended Coordinate(int range) { return Extended(Below(range * 8)) / 8; }
    TPointEx Point() {
        return {Coordinate(Project.ProjectWidth), Coordinate(Project.ProjectHeight)};
    }
    TPolyPointsEx Points(int count);
    TProps Props(int typeCode);
    // Canvas pixels at the project's zoom, where creation gestures happen.
    int Canvas(Extended value) const;

    void AddMaster(int typeCode, int number);
    void Draw(TTypesObject& object, int typeCode);
    void DrawPolygon(TTypesObject& object);
    void DrawBezierPolygon(TTypesObject& object);
    void Place(TTypesObject& object, int typeCode);
    void Turn(TTypesObject& object);
    void AddCopy(int frame);
    void Vary(TTypesObject& copy);
    void Spoil(TTypesObject& copy);
    void MakeCurrent();

    std::mt19937 FRandom;
    TDialogTable FTable;
};
