#include "VideoEncoder.h"

#include <algorithm>

extern "C" {
#include <libavutil/opt.h>
}

bool VideoEncoder::Open(PictureSize size, AVRational frameRate, int quality, ClipOutput& output, std::string& error)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    if (!codec)
        codec = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!codec) {
        error = "no H.264 encoder in this machine's FFmpeg";
        return false;
    }
    encoder_.reset(avcodec_alloc_context3(codec));
    encoder_->width = size.width;
    encoder_->height = size.height;
    encoder_->pix_fmt = AV_PIX_FMT_YUV420P;
    encoder_->time_base = kClipTimeBase;
    encoder_->framerate = frameRate;
    encoder_->sample_aspect_ratio = {1, 1};
    encoder_->gop_size = 2 * frameRate.num / std::max(frameRate.den, 1);  // a key frame every two seconds
    encoder_->thread_count = 0;
    if (output.Muxer()->oformat->flags & AVFMT_GLOBALHEADER)
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "preset", "veryfast", 0);
    av_dict_set_int(&options, "crf", quality, 0);
    const int e = avcodec_open2(encoder_.get(), codec, &options);
    av_dict_free(&options);
    if (e < 0) {
        error = "the picture's encoder: " + AvErrorText(e);
        return false;
    }
    AVCodecParameters* parameters = avcodec_parameters_alloc();
    avcodec_parameters_from_context(parameters, encoder_.get());
    out_ = output.AddStream(parameters, kClipTimeBase);
    avcodec_parameters_free(&parameters);
    frameDuration_ = av_rescale_q(1, av_inv_q(frameRate), kClipTimeBase);
    if (!out_) {
        error = "the clip's picture stream";
        return false;
    }
    out_->avg_frame_rate = frameRate;
    return true;
}

bool VideoEncoder::Encode(AVFrame* frame, ClipOutput& output, std::string& error)
{
    if (frame)
        frame->pict_type = AV_PICTURE_TYPE_NONE;  // the encoder chooses, not the camera's decoder
    if (int e = avcodec_send_frame(encoder_.get(), frame); e < 0) {
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
