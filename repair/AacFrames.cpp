#include "AacFrames.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/mem.h>
}

#include <cstring>

AacFrames::AacFrames(const ByteString& audioConfig)
{
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_AAC);
    if (!codec || audioConfig.empty())
        return;
    context_ = avcodec_alloc_context3(codec);
    packet_ = av_packet_alloc();
    frame_ = av_frame_alloc();
    if (!context_ || !packet_ || !frame_)
        return;
    context_->extradata = static_cast<std::uint8_t*>(av_mallocz(audioConfig.size() + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!context_->extradata) {
        avcodec_free_context(&context_);
        return;
    }
    std::memcpy(context_->extradata, audioConfig.data(), audioConfig.size());
    context_->extradata_size = static_cast<int>(audioConfig.size());
    // Whatever the decoder doubts is a frame it cannot take: bytes that are not sound.
    context_->err_recognition = AV_EF_EXPLODE | AV_EF_BITSTREAM | AV_EF_BUFFER;
    context_->thread_count = 1;
    av_log_set_level(AV_LOG_QUIET);
    if (avcodec_open2(context_, codec, nullptr) < 0)
        avcodec_free_context(&context_);
}

AacFrames::~AacFrames()
{
    av_frame_free(&frame_);
    av_packet_free(&packet_);
    avcodec_free_context(&context_);
}

std::vector<std::uint32_t> AacFrames::Split(const std::uint8_t* run, std::size_t size)
{
    std::vector<std::uint32_t> sizes;
    if (!context_ || size == 0 || size > (1u << 30))
        return sizes;
    avcodec_flush_buffers(context_);
    if (av_new_packet(packet_, static_cast<int>(size)) < 0)
        return sizes;
    std::memcpy(packet_->data, run, size);
    const int sent = avcodec_send_packet(context_, packet_);
    av_packet_unref(packet_);
    if (sent < 0)
        return sizes;
    // Each frame tells how much of the packet was left when it began: the
    // difference between two is the first one's size.
    std::vector<int> leftAtFrame;
    int got = 0;
    while ((got = avcodec_receive_frame(context_, frame_)) == 0) {
        leftAtFrame.push_back(frame_->pkt_size);
        av_frame_unref(frame_);
    }
    const bool endedCleanly = got == AVERROR(EAGAIN);
    for (std::size_t i = 0; i + 1 < leftAtFrame.size(); ++i) {
        const int frameSize = leftAtFrame[i] - leftAtFrame[i + 1];
        if (frameSize <= 0)
            return sizes;
        sizes.push_back(static_cast<std::uint32_t>(frameSize));
    }
    // The last frame is whole only when it took the rest of the run.
    if (endedCleanly && !leftAtFrame.empty() && leftAtFrame.back() > 0)
        sizes.push_back(static_cast<std::uint32_t>(leftAtFrame.back()));
    return sizes;
}
