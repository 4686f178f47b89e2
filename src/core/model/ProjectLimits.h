#pragma once

#include <cstdint>

// The largest projects the editor makes: its New dialog offers sides, frame counts and rates
// within these. Files beyond them are refused on load and settings beyond them are repaired.
constexpr std::int32_t MaxProjectSide = 30000;
constexpr std::int32_t MaxFrameCount = 30000;
constexpr std::int32_t MinFramesPerSec = 1;
constexpr std::int32_t MaxFramesPerSec = 100;
// An object takes a few hundred bytes in memory however short its record in the file; a file
// with more object records than this in all its frames could not be held.
constexpr std::int64_t MaxObjectRecords = 4'000'000;

inline bool ProjectSideAllowed(std::int32_t side) {
    return side >= 1 && side <= MaxProjectSide;
}

inline bool FrameCountAllowed(std::int32_t count) {
    return count >= 1 && count <= MaxFrameCount;
}

inline bool FramesPerSecAllowed(std::int32_t rate) {
    return rate >= MinFramesPerSec && rate <= MaxFramesPerSec;
}
