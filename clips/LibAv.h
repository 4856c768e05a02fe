#pragma once
// The FFmpeg libraries' objects owned as C++ objects, and their errors as text.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
}

#include <memory>
#include <string>

struct InputCloser {
    void operator()(AVFormatContext* input) const { avformat_close_input(&input); }
};
struct CodecCloser {
    void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct GraphFreer {
    void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};
struct ResamplerFreer {
    void operator()(SwrContext* resampler) const { swr_free(&resampler); }
};
struct FifoFreer {
    void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
};

using InputPtr = std::unique_ptr<AVFormatContext, InputCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecCloser>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using GraphPtr = std::unique_ptr<AVFilterGraph, GraphFreer>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFreer>;
using FifoPtr = std::unique_ptr<AVAudioFifo, FifoFreer>;

inline FramePtr NewFrame() { return FramePtr(av_frame_alloc()); }
inline PacketPtr NewPacket() { return PacketPtr(av_packet_alloc()); }

inline std::string AvErrorText(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return text;
}

// The file opened for reading with its streams' parameters; null when it
// cannot be, with `error` saying why.
inline InputPtr OpenInput(const std::string& path, std::string& error)
{
    AVFormatContext* raw = nullptr;
    if (int e = avformat_open_input(&raw, path.c_str(), nullptr, nullptr); e < 0) {
        error = path + ": " + AvErrorText(e);
        return nullptr;
    }
    InputPtr input(raw);
    if (int e = avformat_find_stream_info(input.get(), nullptr); e < 0) {
        error = path + ": " + AvErrorText(e);
        return nullptr;
    }
    return input;
}

// Seconds of a time stamp in `base`.
inline double Seconds(int64_t stamp, AVRational base) { return static_cast<double>(stamp) * av_q2d(base); }
