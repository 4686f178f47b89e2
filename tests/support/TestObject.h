#pragma once

#include "core/model/TypesObject.h"

#include <memory>

// A minimal drawable object for tests of code that handles objects without knowing their class.
class TTestObject : public TTypesObject {
public:
    TTestObject() = default;
    TTestObject(TObjectTable* table, const TProps& props, Extended zoom)
        : TTypesObject(table, props, zoom) {}

    QString TypeName() const override { return QStringLiteral("Test"); }
    int TypeCode() const override { return 99; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended zoom) const override {
        auto object = std::make_unique<TTestObject>();
        object->FZoom = zoom;
        return object;
    }
    void DataToStream(TStream&) const override {}
    void StreamToData(TStream&) override {}
    void Assign(const TTypesObject& source) override {
        Value = static_cast<const TTestObject&>(source).Value;
        TTypesObject::Assign(source);
    }
    TRect GetRect() const override { return {0, 0, 10, 10}; }
    void Move(Extended dX, Extended dY) override {
        if (dX != 0 || dY != 0)
            KeyFrameMove = true;
    }
    void DblClick() override {}
    void CreateMouseDown(TMouseButton, TShiftState, int, int, bool& flag) override { flag = true; }
    void CreateMouseMove(TShiftState, int, int) override {}
    void CreateMouseUp(TMouseButton, TShiftState, int, int) override {}
    void ChangeMouseDown(TMouseButton, TShiftState, int, int, bool& flag) override { flag = false; }
    void ChangeMouseMove(TShiftState, int, int) override {}
    void ChangeMouseUp(TMouseButton, TShiftState, int, int) override {}
    void Paint(TObjectTable*) override {}

    void SetChanged(bool changed) { FChanged = changed; }

    int Value = 0;
};

// An object with the given ID and keyframe flags, as frames hold them.
inline std::unique_ptr<TTestObject> MakeTestObject(const QString& id, bool anyKeyFrame) {
    auto object = std::make_unique<TTestObject>();
    object->ID = id;
    object->KeyFrameMove = anyKeyFrame;
    return object;
}
