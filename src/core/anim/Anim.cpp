#include "core/anim/Anim.h"

#include "core/anim/Interpolation.h"
#include "core/anim/KeyIndex.h"
#include "core/anim/Spline.h"

#include <QHash>
#include <algorithm>

namespace {

// The lookups of one build, through the key index or by plain search.
class TBuildSearch {
public:
    TBuildSearch(const TFrameList& frames, TKeySearch search)
        : FFrames(frames), FIndex(frames), FPlain(search == TKeySearch::Plain) {}

    int MasterIndex(const QString& id) {
        return FPlain ? IndexOfID(id, FFrames[0]->Objects) : FIndex.IndexIn(0, id);
    }

    TAspectKeys Keys(const TTypesObject& obj, unsigned aspects, int frameIndex) {
        if (!FPlain)
            return FIndex.Find(obj, aspects, frameIndex);
        TAspectKeys keys;
        for (int i = 0; i < AspectCount; ++i)
            if (aspects & (1u << i))
                keys[static_cast<std::size_t>(i)] =
                    FindKeys(FFrames, obj, static_cast<TAspect>(i), frameIndex);
        return keys;
    }

    TSplineKeys SplineKeys(const TTypesObject& obj, int frameIndex) {
        if (FPlain)
            return FindSplineKeys(FFrames, obj, frameIndex);
        return SplineKeysWith(
            frameIndex, [&](int frame) { return FIndex.PrevKey(obj, TAspect::Move, frame); },
            [&](int frame) { return FIndex.NextKey(obj, TAspect::Move, frame); });
    }

    bool Plain() const { return FPlain; }

private:
    const TFrameList& FFrames;
    TKeyIndex FIndex;
    bool FPlain;
};

// The first object of the frame being built with a given ID, kept up to date as copies are
// inserted. The IDs of that frame's objects do not change during the build.
class TTargetIds {
public:
    TTargetIds(const TObjectList& objects, std::size_t inserts, bool plain)
        : FObjects(objects), FPlain(plain) {
        if (FPlain)
            return;
        FMap.reserve(static_cast<qsizetype>(objects.size() + inserts));
        for (std::size_t i = objects.size(); i-- > 0;)
            FMap.insert(TIdKey{objects[i]->ID}, objects[i].get());
    }

    TTypesObject* Find(const QString& id) const {
        if (!FPlain)
            return FMap.value(TIdKey{id}, nullptr);
        const int index = IndexOfID(id, FObjects);
        return index < 0 ? nullptr : FObjects[static_cast<std::size_t>(index)].get();
    }

    void Inserted(TTypesObject* object) {
        if (!FPlain)
            FMap.insert(TIdKey{object->ID}, object);
    }

private:
    const TObjectList& FObjects;
    bool FPlain;
    QHash<TIdKey, TTypesObject*> FMap;
};

void Interpolate(TBuildSearch& search, bool splines, unsigned aspects, int frameIndex,
                 TTypesObject& obj) {
    aspects &= AnimatedAspects(obj);
    if (splines && (aspects & AspectBit(TAspect::Move))) {
        InterpolateMoveSpline(search.SplineKeys(obj, frameIndex), frameIndex, obj);
        aspects &= ~AspectBit(TAspect::Move);
    }
    const TAspectKeys keys = search.Keys(obj, aspects, frameIndex);
    for (int i = 0; i < AspectCount; ++i)
        if (aspects & (1u << i))
            InterpolateAspect(static_cast<TAspect>(i), keys[static_cast<std::size_t>(i)],
                              frameIndex, obj);
}

bool Fits(const TTypesObject& copy, const TTypesObject& master) {
    return SameClass(copy, master) && copy.MatchesStructure(master);
}

// A stored copy the build drops: a keyframe for no aspect, or without a master object it fits.
bool Stale(TBuildSearch& search, const TObjectList& master, const TTypesObject& copy) {
    if (!copy.AnyKeyFrame())
        return true;
    const int index = search.MasterIndex(copy.ID);
    return index < 0 || !Fits(copy, *master[static_cast<std::size_t>(index)]);
}

void Clean(TBuildSearch& search, const TObjectList& master, TObjectList& target) {
    const auto stale = [&](const auto& copy) { return Stale(search, master, *copy); };
    target.erase(std::remove_if(target.begin(), target.end(), stale), target.end());
}

// Clones of the objects that keep accepts, in their order.
template <typename TKeep>
TObjectList ClonesOf(const TObjectList& objects, Extended zoom, const TKeep& keep) {
    TObjectList clones;
    clones.reserve(objects.size());
    for (const auto& object : objects)
        if (keep(*object))
            clones.push_back(CloneObject(object.get(), zoom));
    return clones;
}

void Deselect(const TObjectList& objects) {
    for (const auto& object : objects)
        object->ChangeSelection(false, false);
}

// The master's values for every aspect the copy is no keyframe of, and its properties that are
// not animated whenever opacity or colour is not a keyframe.
void TakeMasterValues(const TTypesObject& master, TTypesObject& copy, unsigned free) {
    CopyAspects(master, copy, free & AspectBit(TAspect::Move), free & AspectBit(TAspect::Turn),
                free & AspectBit(TAspect::Stretch));
    TProps props = copy.GetProps();
    if (free & AspectBit(TAspect::Trans))
        CopyProps(master.GetProps(), props, true, false);
    if (free & AspectBit(TAspect::Color))
        CopyProps(master.GetProps(), props, false, true);
    copy.SetProps(std::move(props));
}

void Fill(const TProject& project, TBuildSearch& search, int frameIndex, TObjectList& target) {
    const TObjectList& master = project.Frames[0]->Objects;
    TTargetIds ids(target, master.size(), search.Plain());
    for (std::size_t i = 0; i < master.size(); ++i) {
        const TTypesObject& original = *master[i];
        if (TTypesObject* copy = ids.Find(original.ID)) {
            copy->ChangeSelection(false, false);
            const unsigned free = AllAspects & ~KeyFrameAspects(*copy);
            TakeMasterValues(original, *copy, free);
            Interpolate(search, project.Splines, free, frameIndex, *copy);
            continue;
        }
        std::unique_ptr<TTypesObject> clone = CloneObject(&original, project.Zoom);
        clone->ChangeSelection(false, false);
        Interpolate(search, project.Splines, AllAspects, frameIndex, *clone);
        ClearKeyFrames(*clone);
        ids.Inserted(clone.get());
        // A master list repeating an ID leaves fewer copies than master objects before i.
        const std::size_t at = std::min(i, target.size());
        target.insert(target.begin() + static_cast<std::ptrdiff_t>(at), std::move(clone));
    }
}

bool Holds(const TFrame& frame, const TTypesObject& obj) {
    return std::any_of(frame.Objects.begin(), frame.Objects.end(),
                       [&obj](const auto& object) { return object.get() == &obj; });
}

} // namespace

void BuildFrame(TProject& project, int frameIndex, TKeySearch search) {
    TFrame& target = *project.Frames.at(static_cast<std::size_t>(frameIndex));
    if (frameIndex == 0) {
        Deselect(target.Objects);
        return;
    }
    TBuildSearch lookups(project.Frames, search);
    Clean(lookups, project.Frames[0]->Objects, target.Objects);
    Fill(project, lookups, frameIndex, target.Objects);
}

TObjectList BuildFrameObjects(const TProject& project, int frameIndex, TKeySearch search) {
    const TObjectList& stored = project.Frames.at(static_cast<std::size_t>(frameIndex))->Objects;
    if (frameIndex == 0) {
        TObjectList objects =
            ClonesOf(stored, project.Zoom, [](const TTypesObject&) { return true; });
        Deselect(objects);
        return objects;
    }
    TBuildSearch lookups(project.Frames, search);
    const TObjectList& master = project.Frames[0]->Objects;
    // Cleaning before cloning spares the copies the build would drop at once.
    TObjectList objects = ClonesOf(stored, project.Zoom, [&](const TTypesObject& copy) {
        return !Stale(lookups, master, copy);
    });
    Fill(project, lookups, frameIndex, objects);
    return objects;
}

bool MoveKeyframe(TProject& project, TAspect aspect, int currentIndex, int targetIndex,
                  TTypesObject& obj, bool copyOnly) {
    const int count = static_cast<int>(project.Frames.size());
    if (currentIndex < 0 || currentIndex >= count || targetIndex < 0 || targetIndex >= count ||
        targetIndex == currentIndex ||
        !Holds(*project.Frames[static_cast<std::size_t>(currentIndex)], obj))
        return false;
    BuildFrame(project, targetIndex);
    TFrame& target = *project.Frames[static_cast<std::size_t>(targetIndex)];
    const int index = IndexOfID(obj.ID, target.Objects);
    if (index >= 0 && SameClass(*target.Objects[static_cast<std::size_t>(index)], obj)) {
        TTypesObject& dest = *target.Objects[static_cast<std::size_t>(index)];
        CopyAspect(obj, dest, aspect);
        SetKeyFrame(dest, aspect, true);
        if (!copyOnly && currentIndex > 0)
            SetKeyFrame(obj, aspect, false);
    }
    // The master frame is never stripped: its objects keep every flag.
    if (targetIndex > 0)
        StripFrame(target);
    return true;
}
