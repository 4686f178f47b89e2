#pragma once

#include "core/anim/Anim.h"
#include "core/objects/TypesPolygon.h"

#include <memory>

// A closed black bar over the rows top to top + 1, made as the creation tool closes outlines.
inline std::unique_ptr<TTypesPolygon> Bar(Extended top) {
    TProps props;
    props.BrushColor = 0x000000;
    props.PenShow = false;
    auto bar = std::make_unique<TTypesPolygon>(nullptr, props, 1.0L);
    bar->SetPoints({{0, top}, {321, top}, {321, top + 1}, {0, top + 1}});
    bool flag = false;
    bar->CreateMouseDown(TMouseButton::mbLeft, 0, 5000, 5000, flag);
    bar->CreateMouseUp(TMouseButton::mbLeft, 0, 0, RoundHalfEven(top));
    bar->ChangeSelection(false, false);
    return bar;
}

// A 321 x 240 project whose bar lies on the row of the frame's index.
inline TProject BarProject(int frames) {
    TProject project;
    project.FrameCount = frames;
    CreateFrames(project, frames);
    project.ProjectWidth = 321;
    project.ProjectHeight = 240;
    std::unique_ptr<TTypesPolygon> first = Bar(0);
    std::unique_ptr<TTypesPolygon> last = Bar(frames - 1);
    last->ID = first->ID;
    project.Frames[0]->Objects.push_back(std::move(first));
    project.Frames[frames - 1]->Objects.push_back(std::move(last));
    return project;
}
