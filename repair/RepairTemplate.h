#pragma once
// What a healthy recording of the same camera tells about the damaged one:
// each track's settings (codec configuration, time scale, handler, sample
// description), how its samples look (NAL unit length size, slices a
// picture, the largest sample) and the boxes of the movie around them.

#include "BoxBytes.h"
#include "PictureOrder.h"

#include <optional>
#include <string>
#include <vector>

enum class SampleKind { H264, Hevc, Aac, Pcm, Gpmf, Text, Other };

struct TemplateTrack {
    SampleKind kind = SampleKind::Other;
    std::string handler, format;
    std::uint32_t timescale = 0;
    std::uint32_t sampleDelta = 0;  // the most common duration of a sample
    // Boxes copied whole into the repaired index.
    ByteString tkhd, mdhd, hdlr, mediaHeader, dinf, stsd;

    // The low bits of the picture order count its slice headers carry; 0: none to reorder by.
    unsigned PocLsbBits() const
    {
        return kind == SampleKind::Hevc ? hevc.pocLsbBits : kind == SampleKind::H264 ? h264.pocLsbBits : 0;
    }
    bool hasSyncTable = false;       // stss: not every sample is a key frame
    bool hasCompositionTimes = false;  // ctts: pictures shown out of decoding order
    // Video.
    int nalLengthSize = 4;
    std::uint32_t largestSample = 0;
    int slicesPerPicture = 0;        // 0: not the same in every picture
    HevcParameters hevc;             // what HEVC slice headers' lengths depend on
    H264Parameters h264;             // and H.264's
    std::vector<unsigned> parameterSets;  // the ids of the picture parameter sets in avcC or hvcC
    // Audio.
    ByteString audioConfig;          // AAC's AudioSpecificConfig
    std::uint32_t pcmFrameBytes = 0; // bytes of one PCM sample of every channel
    std::vector<std::uint32_t> pcmChunkBytes;  // the camera's chunks of PCM, largest first
};

struct RepairTemplate {
    ByteString ftyp, mvhd, udta;
    std::optional<ByteString> freeGpsIndexHead;  // moov's "gps " box: its version word
    std::vector<TemplateTrack> tracks;

    // The first video track, the first audio track.
    const TemplateTrack* Video() const;
    const TemplateTrack* Audio() const;
    // What the tracks are, in order: "H264,Aac,Gpmf" — two recordings of one
    // camera show the same.
    std::string Layout() const;
};

// The template of a healthy recording; nullopt with `error` said otherwise.
std::optional<RepairTemplate> ReadRepairTemplate(const std::string& path, std::string& error);
