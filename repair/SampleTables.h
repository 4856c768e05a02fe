#pragma once
// A track's sample table rebuilt from the samples the walk found: sizes,
// chunks and where they are, times, key frames.

#include "MediaWalk.h"
#include "RepairTemplate.h"

#include <cstdint>
#include <vector>

// The samples of one track in file order; `moveBy` is added to every offset
// (the media data's new place); `wide`: 64-bit chunk offsets;
// `compositionOffsets`: each sample's, or none when shown as decoded.
ByteString SampleTableBox(const TemplateTrack& track, const std::vector<FoundSample>& samples, std::int64_t moveBy,
                          bool wide, const std::vector<std::uint32_t>& compositionOffsets = {});

// Each picture's showing time less its decoding time, plus `shift` so that
// none is negative; `shift` is then the first picture's showing time.
std::vector<std::uint32_t> CompositionOffsets(const std::vector<std::uint32_t>& showingOrder, std::uint32_t delta,
                                              std::uint32_t& shift);

// How many samples the found ones make (a PCM run is many).
std::uint64_t SampleCount(const std::vector<FoundSample>& samples);
