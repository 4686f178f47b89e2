#pragma once

#include "core/anim/Aspects.h"
#include "core/model/Frame.h"

#include <QHash>
#include <QStringView>
#include <array>
#include <memory>
#include <optional>
#include <vector>

using TFrameList = std::vector<std::unique_ptr<TFrame>>;

// A keyframe of an object: the copy holding it and its frame; none when Object is none.
struct TKey {
    const TTypesObject* Object = nullptr;
    int Frame = -1;
    explicit operator bool() const { return Object != nullptr; }
};

// The nearest keyframes of one aspect before and after a frame.
struct TKeys {
    TKey Prev;
    TKey Next;
};

using TAspectKeys = std::array<TKeys, AspectCount>;

// An object's ID as the key of a hash. Generated IDs differ all along, so the hash reads only
// their last characters; equality still compares the whole text.
struct TIdKey {
    QStringView Id;
    friend bool operator==(TIdKey a, TIdKey b) { return a.Id == b.Id; }
};
std::size_t qHash(TIdKey key, std::size_t seed);

// The plain search: frames frameIndex - 1 down to 0 and frameIndex + 1 up to the last, each
// looked up anew with IndexOfID. A frame counts when the first object with obj's ID is of obj's
// class and has the aspect's flag set; any other frame is passed over.
TKeys FindKeys(const TFrameList& frames, const TTypesObject& obj, TAspect aspect, int frameIndex);
// One side of that search: only the frames before, or only the frames after frameIndex.
TKey FindPrevKey(const TFrameList& frames, const TTypesObject& obj, TAspect aspect, int frameIndex);
TKey FindNextKey(const TFrameList& frames, const TTypesObject& obj, TAspect aspect, int frameIndex);

// The same search for several aspects in one walk, looking frames up through ID maps made on
// first visit; flags are read from the objects at every lookup. The maps hold views of the IDs
// and the places of the objects as first read, so an index serves one frame build only: while
// it lives, no list and no ID may change outside the frame being built. Making one costs
// nothing until it is asked.
class TKeyIndex {
public:
    explicit TKeyIndex(const TFrameList& frames);

    // Keys of every aspect in the mask; the others stay empty.
    TAspectKeys Find(const TTypesObject& obj, unsigned aspects, int frameIndex);
    // One side of the search for one aspect, as FindPrevKey and FindNextKey give it.
    TKey PrevKey(const TTypesObject& obj, TAspect aspect, int frameIndex);
    TKey NextKey(const TTypesObject& obj, TAspect aspect, int frameIndex);
    // Index of the first object of the frame with that ID, as IndexOfID gives it.
    int IndexIn(int frame, const QString& id);

private:
    using TIdMap = QHash<TIdKey, int>;

    // The first object of the frame with obj's ID when it is of obj's class.
    const TTypesObject* Candidate(int frame, const TTypesObject& obj);
    const TIdMap& MapOf(int frame);

    const TFrameList& FFrames;
    std::vector<std::optional<TIdMap>> FMaps;
};
