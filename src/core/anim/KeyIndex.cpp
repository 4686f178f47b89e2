#include "core/anim/KeyIndex.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Up to this many objects a frame is scanned instead of mapped.
constexpr std::size_t ScanLimit = 8;

// The object at index when it is of obj's class.
const TTypesObject* OfClass(const TObjectList& objects, int index, const TTypesObject& obj) {
    if (index < 0)
        return nullptr;
    const TTypesObject* copy = objects[static_cast<std::size_t>(index)].get();
    return SameClass(*copy, obj) ? copy : nullptr;
}

const TTypesObject* CandidateIn(const TObjectList& objects, const TTypesObject& obj) {
    return OfClass(objects, IndexOfID(obj.ID, objects), obj);
}

// Records the copy for every aspect still missing that it is a keyframe of.
void Take(const TTypesObject* copy, int frame, unsigned& missing, TAspectKeys& keys, bool next) {
    for (int i = 0; i < AspectCount; ++i) {
        const unsigned bit = 1u << i;
        if (!(missing & bit) || !IsKeyFrame(*copy, static_cast<TAspect>(i)))
            continue;
        TKey& key =
            next ? keys[static_cast<std::size_t>(i)].Next : keys[static_cast<std::size_t>(i)].Prev;
        key = {copy, frame};
        missing &= ~bit;
    }
}

int LastFrameBefore(const TFrameList& frames, int frameIndex) {
    return std::min(frameIndex, static_cast<int>(frames.size())) - 1;
}

} // namespace

std::size_t qHash(TIdKey key, std::size_t seed) {
    constexpr std::uint64_t Multiplier = 0x9E3779B97F4A7C15ull;
    constexpr qsizetype Words = 4;
    const qsizetype size = key.Id.size();
    std::uint64_t hash = (seed ^ static_cast<std::uint64_t>(size)) * Multiplier;
    const qsizetype tail = std::min(size, Words * 4);
    const char16_t* chars = key.Id.utf16() + (size - tail);
    for (qsizetype i = 0; i < tail; i += 4) {
        std::uint64_t word = 0;
        std::memcpy(&word, chars + i,
                    static_cast<std::size_t>(std::min<qsizetype>(4, tail - i)) * 2);
        hash = (hash ^ word) * Multiplier;
        hash ^= hash >> 32;
    }
    return static_cast<std::size_t>(hash);
}

TKeys FindKeys(const TFrameList& frames, const TTypesObject& obj, TAspect aspect, int frameIndex) {
    return {FindPrevKey(frames, obj, aspect, frameIndex),
            FindNextKey(frames, obj, aspect, frameIndex)};
}

TKey FindPrevKey(const TFrameList& frames, const TTypesObject& obj, TAspect aspect,
                 int frameIndex) {
    for (int i = LastFrameBefore(frames, frameIndex); i >= 0; --i) {
        const TTypesObject* copy = CandidateIn(frames[static_cast<std::size_t>(i)]->Objects, obj);
        if (copy && IsKeyFrame(*copy, aspect))
            return {copy, i};
    }
    return {};
}

TKey FindNextKey(const TFrameList& frames, const TTypesObject& obj, TAspect aspect,
                 int frameIndex) {
    for (int j = std::max(frameIndex + 1, 0); j < static_cast<int>(frames.size()); ++j) {
        const TTypesObject* copy = CandidateIn(frames[static_cast<std::size_t>(j)]->Objects, obj);
        if (copy && IsKeyFrame(*copy, aspect))
            return {copy, j};
    }
    return {};
}

TKeyIndex::TKeyIndex(const TFrameList& frames) : FFrames(frames), FMaps(frames.size()) {}

TAspectKeys TKeyIndex::Find(const TTypesObject& obj, unsigned aspects, int frameIndex) {
    TAspectKeys keys;
    unsigned missing = aspects & AllAspects;
    for (int i = LastFrameBefore(FFrames, frameIndex); i >= 0 && missing; --i)
        if (const TTypesObject* copy = Candidate(i, obj))
            Take(copy, i, missing, keys, false);
    missing = aspects & AllAspects;
    for (int j = std::max(frameIndex + 1, 0); j < static_cast<int>(FFrames.size()) && missing; ++j)
        if (const TTypesObject* copy = Candidate(j, obj))
            Take(copy, j, missing, keys, true);
    return keys;
}

TKey TKeyIndex::PrevKey(const TTypesObject& obj, TAspect aspect, int frameIndex) {
    for (int i = LastFrameBefore(FFrames, frameIndex); i >= 0; --i) {
        const TTypesObject* copy = Candidate(i, obj);
        if (copy && IsKeyFrame(*copy, aspect))
            return {copy, i};
    }
    return {};
}

TKey TKeyIndex::NextKey(const TTypesObject& obj, TAspect aspect, int frameIndex) {
    for (int j = std::max(frameIndex + 1, 0); j < static_cast<int>(FFrames.size()); ++j) {
        const TTypesObject* copy = Candidate(j, obj);
        if (copy && IsKeyFrame(*copy, aspect))
            return {copy, j};
    }
    return {};
}

int TKeyIndex::IndexIn(int frame, const QString& id) {
    const TObjectList& objects = FFrames[static_cast<std::size_t>(frame)]->Objects;
    if (objects.size() <= ScanLimit)
        return IndexOfID(id, objects);
    return MapOf(frame).value(TIdKey{id}, -1);
}

const TTypesObject* TKeyIndex::Candidate(int frame, const TTypesObject& obj) {
    const TObjectList& objects = FFrames[static_cast<std::size_t>(frame)]->Objects;
    return objects.empty() ? nullptr : OfClass(objects, IndexIn(frame, obj.ID), obj);
}

const TKeyIndex::TIdMap& TKeyIndex::MapOf(int frame) {
    std::optional<TIdMap>& map = FMaps[static_cast<std::size_t>(frame)];
    if (!map) {
        const TObjectList& objects = FFrames[static_cast<std::size_t>(frame)]->Objects;
        map.emplace();
        map->reserve(static_cast<qsizetype>(objects.size()));
        // Walking backwards lets the first object with an ID win, as in IndexOfID.
        for (std::size_t i = objects.size(); i-- > 0;)
            map->insert(TIdKey{objects[i]->ID}, static_cast<int>(i));
    }
    return *map;
}
