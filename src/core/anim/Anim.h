#pragma once

#include "core/anim/Aspects.h"
#include "core/model/Project.h"

// How a frame build looks keyframes up: through ID maps made for the build, or frame by frame
// with IndexOfID. Both give the same frame; the plain search is the reference it is checked
// and measured against.
enum class TKeySearch { Indexed, Plain };

// Makes Frames[frameIndex] a full frame: copies whose master object is gone, that are no
// keyframe for any aspect or that no longer fit their master object are deleted; every master
// object without a copy gets a deselected in-between copy at its own index; in every copy each
// aspect that is not a keyframe there is interpolated (the move aspect along the spline when the
// project's Splines is on), and the properties that are not animated come from the master object
// whenever opacity or colour is not a keyframe. Frame 0 is only deselected.
void BuildFrame(TProject& project, int frameIndex, TKeySearch search = TKeySearch::Indexed);

// The objects BuildFrame would leave in Frames[frameIndex], made as copies in a list of the
// caller's own. The project is only read, so several frames can be built at once on different
// threads as long as nothing changes the project meanwhile.
TObjectList BuildFrameObjects(const TProject& project, int frameIndex,
                              TKeySearch search = TKeySearch::Indexed);

// Moves (or, with copyOnly, copies) the keyframe of one aspect of obj, an object of the frame
// currentIndex, to the frame targetIndex, which is built for it and stripped again. Does nothing
// and returns false when obj is not in that frame or the target is the current frame (building
// it would free its in-between copies, obj among them) or lies outside the sequence. A master
// object keeps its flags, so from frame 0 a keyframe is only ever copied.
bool MoveKeyframe(TProject& project, TAspect aspect, int currentIndex, int targetIndex,
                  TTypesObject& obj, bool copyOnly);
