#include "VideoEncoder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <libavutil/hwcontext.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

VideoEncoder::~VideoEncoder()
{
    encoder_.reset();
    av_buffer_unref(&surfaces_);
    av_buffer_unref(&device_);
    sws_freeContext(toNv12_);
}

std::string VideoEncoder::Name() const { return encoder_ && encoder_->codec ? encoder_->codec->name : ""; }

void VideoEncoder::Describe(PictureSize size, AVRational frameRate, ClipOutput& output)
{
    encoder_->width = size.width;
    encoder_->height = size.height;
    encoder_->time_base = kClipTimeBase;
    encoder_->framerate = frameRate;
    encoder_->sample_aspect_ratio = {1, 1};
    encoder_->gop_size = 2 * frameRate.num / std::max(frameRate.den, 1);  // a key frame every two seconds
    if (output.Muxer()->oformat->flags & AVFMT_GLOBALHEADER)
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
}

bool VideoEncoder::Open(PictureSize size, AVRational frameRate, int quality, ClipOutput& output, std::string& error)
{
    const char* choice = std::getenv("DUALDASH_CLIP_ENCODER");
    const bool software = choice && std::strcmp(choice, "software") == 0;
    if ((software || !OpenHardware(size, frameRate, quality, output)) &&
        !OpenSoftware(size, frameRate, quality, output, error))
        return false;
    frameDuration_ = av_rescale_q(1, av_inv_q(frameRate), kClipTimeBase);
    if (!AddStream(output, frameRate)) {
        error = "the clip's picture stream";
        return false;
    }
    return true;
}

// VAAPI on the first render node: false (and nothing kept) where there is
// none or it refuses the size, so x264 takes over.
bool VideoEncoder::OpenHardware(PictureSize size, AVRational frameRate, int quality, ClipOutput& output)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("h264_vaapi");
    if (!codec || av_hwdevice_ctx_create(&device_, AV_HWDEVICE_TYPE_VAAPI, nullptr, nullptr, 0) < 0)
        return false;
    surfaces_ = av_hwframe_ctx_alloc(device_);
    auto* frames = surfaces_ ? reinterpret_cast<AVHWFramesContext*>(surfaces_->data) : nullptr;
    if (frames) {
        frames->format = AV_PIX_FMT_VAAPI;
        frames->sw_format = AV_PIX_FMT_NV12;
        frames->width = size.width;
        frames->height = size.height;
        frames->initial_pool_size = 20;
    }
    encoder_.reset(avcodec_alloc_context3(codec));
    Describe(size, frameRate, output);
    encoder_->pix_fmt = AV_PIX_FMT_VAAPI;
    // Constant quantiser: the chip's nearest to x264's constant quality.
    encoder_->global_quality = quality + 2;
    if (!frames || av_hwframe_ctx_init(surfaces_) < 0 || !(encoder_->hw_frames_ctx = av_buffer_ref(surfaces_)) ||
        avcodec_open2(encoder_.get(), codec, nullptr) < 0) {
        encoder_.reset();
        av_buffer_unref(&surfaces_);
        av_buffer_unref(&device_);
        return false;
    }
    toNv12_ = sws_getContext(size.width, size.height, AV_PIX_FMT_YUV420P, size.width, size.height, AV_PIX_FMT_NV12,
                             SWS_POINT, nullptr, nullptr, nullptr);
    return toNv12_ != nullptr;
}

bool VideoEncoder::OpenSoftware(PictureSize size, AVRational frameRate, int quality, ClipOutput& output,
                                std::string& error)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    if (!codec)
        codec = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!codec) {
        error = "no H.264 encoder in this machine's FFmpeg";
        return false;
    }
    encoder_.reset(avcodec_alloc_context3(codec));
    Describe(size, frameRate, output);
    encoder_->pix_fmt = AV_PIX_FMT_YUV420P;
    encoder_->thread_count = 0;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "preset", "veryfast", 0);
    av_dict_set_int(&options, "crf", quality, 0);
    const int e = avcodec_open2(encoder_.get(), codec, &options);
    av_dict_free(&options);
    if (e < 0) {
        error = "the picture's encoder: " + AvErrorText(e);
        return false;
    }
    return true;
}

bool VideoEncoder::AddStream(ClipOutput& output, AVRational frameRate)
{
    AVCodecParameters* parameters = avcodec_parameters_alloc();
    avcodec_parameters_from_context(parameters, encoder_.get());
    out_ = output.AddStream(parameters, kClipTimeBase);
    avcodec_parameters_free(&parameters);
    if (out_)
        out_->avg_frame_rate = frameRate;
    return out_ != nullptr;
}

// The picture on the chip, as VAAPI takes it.
FramePtr VideoEncoder::Upload(const AVFrame* frame)
{
    FramePtr nv12 = NewFrame(), surface = NewFrame();
    nv12->format = AV_PIX_FMT_NV12;
    nv12->width = frame->width;
    nv12->height = frame->height;
    if (av_frame_get_buffer(nv12.get(), 0) < 0 ||
        sws_scale(toNv12_, frame->data, frame->linesize, 0, frame->height, nv12->data, nv12->linesize) <= 0 ||
        av_hwframe_get_buffer(surfaces_, surface.get(), 0) < 0 ||
        av_hwframe_transfer_data(surface.get(), nv12.get(), 0) < 0)
        return nullptr;
    surface->pts = frame->pts;
    return surface;
}

bool VideoEncoder::Encode(AVFrame* frame, ClipOutput& output, std::string& error)
{
    FramePtr uploaded;
    if (frame && surfaces_ && !(uploaded = Upload(frame))) {
        error = "handing the pictures to the graphics chip";
        return false;
    }
    AVFrame* picture = uploaded ? uploaded.get() : frame;
    if (picture)
        picture->pict_type = AV_PICTURE_TYPE_NONE;  // the encoder chooses, not the camera's decoder
    if (int e = avcodec_send_frame(encoder_.get(), picture); e < 0) {
        error = "encoding the pictures: " + AvErrorText(e);
        return false;
    }
    PacketPtr packet = NewPacket();
    while (avcodec_receive_packet(encoder_.get(), packet.get()) == 0) {
        if (packet->duration <= 0)
            packet->duration = frameDuration_;
        av_packet_rescale_ts(packet.get(), kClipTimeBase, out_->time_base);
        packet->stream_index = out_->index;
        if (!output.Write(packet.get(), error))
            return false;
    }
    return true;
}
