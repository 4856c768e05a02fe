#pragma once
// Time in a recording as the player counts it: from the file's own start.

#include "LibAv.h"

// Seconds of the streams' clock at which the file begins.
inline double FileStart(const AVFormatContext* input)
{
    return input->start_time == AV_NOPTS_VALUE ? 0.0 : static_cast<double>(input->start_time) / AV_TIME_BASE;
}

// Seconds into the file of `stamp` in `stream`'s time base.
inline double SecondsInFile(const AVFormatContext* input, const AVStream* stream, int64_t stamp)
{
    return Seconds(stamp, stream->time_base) - FileStart(input);
}

// The stamp in `stream`'s time base of `seconds` into the file.
inline int64_t StampInFile(const AVFormatContext* input, const AVStream* stream, double seconds)
{
    return static_cast<int64_t>((seconds + FileStart(input)) / av_q2d(stream->time_base));
}

// The packet's or frame's presentation stamp, its decoding stamp when it has none.
inline int64_t PresentationStamp(const AVPacket* packet)
{
    return packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
}
