#include "SoundTrack.h"

#include "FileTime.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <algorithm>
#include <cmath>

namespace {

// The first file with sound among the spans, opened, with its stream.
InputPtr FirstWithSound(const std::vector<CameraFrames::Span>& spans, int& stream)
{
    for (const CameraFrames::Span& span : spans) {
        std::string ignored;
        if (span.path.empty())
            continue;
        InputPtr input = OpenInput(span.path, ignored);
        if (input && (stream = av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0)) >= 0)
            return input;
    }
    return nullptr;
}

}  // namespace

bool SoundTrack::Open(ClipOutput& output, std::string& error)
{
    int stream = -1;
    InputPtr first = FirstWithSound(spans_, stream);
    if (!first)
        return false;
    const AVCodecParameters* source = first->streams[stream]->codecpar;
    const AVCodec* aac = avcodec_find_encoder(AV_CODEC_ID_AAC);
    encoder_.reset(avcodec_alloc_context3(aac));
    encoder_->sample_rate = source->sample_rate > 0 ? source->sample_rate : 48000;
    av_channel_layout_default(&encoder_->ch_layout, std::clamp(source->ch_layout.nb_channels, 1, 2));
    encoder_->sample_fmt = AV_SAMPLE_FMT_FLTP;
    encoder_->bit_rate = 64000 * encoder_->ch_layout.nb_channels;
    encoder_->time_base = {1, encoder_->sample_rate};
    if (output.Muxer()->oformat->flags & AVFMT_GLOBALHEADER)
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (int e = avcodec_open2(encoder_.get(), aac, nullptr); e < 0) {
        error = "the sound's encoder: " + AvErrorText(e);
        return false;
    }
    AVCodecParameters* parameters = avcodec_parameters_alloc();
    avcodec_parameters_from_context(parameters, encoder_.get());
    out_ = output.AddStream(parameters, encoder_->time_base);
    avcodec_parameters_free(&parameters);
    fifo_.reset(av_audio_fifo_alloc(encoder_->sample_fmt, encoder_->ch_layout.nb_channels, encoder_->frame_size * 4));
    if (!out_ || !fifo_) {
        error = "the sound's stream";
        return false;
    }
    return true;
}

bool SoundTrack::OpenSpan(std::size_t index)
{
    spanOpen_ = true;
    decoder_.reset();
    resampler_.reset();
    input_.reset();
    const CameraFrames::Span& span = spans_[index];
    std::string ignored;
    if (span.path.empty() || !(input_ = OpenInput(span.path, ignored)))
        return false;
    const AVCodec* codec = nullptr;
    stream_ = av_find_best_stream(input_.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (stream_ < 0 || !codec)
        return false;
    decoder_.reset(avcodec_alloc_context3(codec));
    avcodec_parameters_to_context(decoder_.get(), input_->streams[stream_]->codecpar);
    if (avcodec_open2(decoder_.get(), codec, nullptr) < 0) {
        decoder_.reset();
        return false;
    }
    if (span.from > 0)
        av_seek_frame(input_.get(), stream_, StampInFile(input_.get(), input_->streams[stream_], span.from),
                      AVSEEK_FLAG_BACKWARD);
    return true;
}

bool SoundTrack::AddSilence(int64_t samples)
{
    while (samples > 0) {
        const int now = static_cast<int>(std::min<int64_t>(samples, 4096));
        uint8_t** silence = nullptr;
        if (av_samples_alloc_array_and_samples(&silence, nullptr, encoder_->ch_layout.nb_channels, now,
                                               encoder_->sample_fmt, 0) < 0)
            return false;
        av_samples_set_silence(silence, 0, now, encoder_->ch_layout.nb_channels, encoder_->sample_fmt);
        av_audio_fifo_write(fifo_.get(), reinterpret_cast<void**>(silence), now);
        av_freep(&silence[0]);
        av_freep(&silence);
        queued_ += now;
        samples -= now;
    }
    return true;
}

// The part of a decoded frame inside the span, resampled into the queue at
// its place in the clip.
bool SoundTrack::Take(const AVFrame* frame)
{
    const CameraFrames::Span& span = spans_[span_];
    const int rate = encoder_->sample_rate;
    const double at = SecondsInFile(input_.get(), input_->streams[stream_], frame->best_effort_timestamp);
    // Samples from the clip's start of the frame's first, and of the span's end.
    const int64_t place = std::llround((span.clipStart + at - span.from) * rate);
    const int64_t end = std::llround((span.clipStart + span.to - span.from) * rate);
    if (place >= end)
        return false;  // sound past the span (or a stamp that lies): on to the next file
    uint8_t** converted = nullptr;
    const int got = Resample(frame, converted);
    if (got < 0)
        return false;
    int64_t skip = 0;
    if (place > queued_)
        AddSilence(place - queued_);  // sound missing before it: silence keeps the pictures' pace
    else
        skip = queued_ - place;       // sound before the mark, or an overlap
    const int64_t keep = std::min<int64_t>(got - skip, end - queued_);
    if (keep > 0) {
        void* planes[8] = {};
        const int bytes = av_get_bytes_per_sample(encoder_->sample_fmt);
        for (int c = 0; c < encoder_->ch_layout.nb_channels && c < 8; ++c)
            planes[c] = converted[c] + skip * bytes;
        av_audio_fifo_write(fifo_.get(), planes, static_cast<int>(keep));
        queued_ += keep;
    }
    av_freep(&converted[0]);
    av_freep(&converted);
    return queued_ < end;
}

// The frame in the encoder's format, rate and channels: the samples made
// (into `converted`, the caller's to free), or -1.
int SoundTrack::Resample(const AVFrame* frame, uint8_t**& converted)
{
    if (!resampler_) {
        SwrContext* raw = nullptr;
        if (swr_alloc_set_opts2(&raw, &encoder_->ch_layout, encoder_->sample_fmt, encoder_->sample_rate,
                                const_cast<AVChannelLayout*>(&frame->ch_layout), static_cast<AVSampleFormat>(frame->format),
                                frame->sample_rate, 0, nullptr) < 0 ||
            swr_init(raw) < 0) {
            swr_free(&raw);
            return -1;
        }
        resampler_.reset(raw);
    }
    const int room = swr_get_out_samples(resampler_.get(), frame->nb_samples);
    if (room <= 0 || av_samples_alloc_array_and_samples(&converted, nullptr, encoder_->ch_layout.nb_channels, room,
                                                        encoder_->sample_fmt, 0) < 0)
        return -1;
    const int got = swr_convert(resampler_.get(), converted, room, const_cast<const uint8_t**>(frame->extended_data),
                                frame->nb_samples);
    if (got < 0) {
        av_freep(&converted[0]);
        av_freep(&converted);
    }
    return got;
}

// Decodes the next frame of sound into the queue; false once there is none.
bool SoundTrack::DecodeSome()
{
    FramePtr frame = NewFrame();
    PacketPtr packet = NewPacket();
    while (span_ < spans_.size()) {
        if (!spanOpen_ && !OpenSpan(span_)) {
            ++span_;
            spanOpen_ = false;
            continue;
        }
        const int got = avcodec_receive_frame(decoder_.get(), frame.get());
        if (got == 0) {
            if (!Take(frame.get())) {
                ++span_;
                spanOpen_ = false;
            }
            return true;
        }
        if (got == AVERROR(EAGAIN)) {
            if (av_read_frame(input_.get(), packet.get()) < 0) {
                avcodec_send_packet(decoder_.get(), nullptr);  // the file's last frames, then its end
            } else {
                if (packet->stream_index == stream_)
                    avcodec_send_packet(decoder_.get(), packet.get());
                av_packet_unref(packet.get());
            }
            continue;
        }
        ++span_;  // the end of the file's sound, or a decoder that failed
        spanOpen_ = false;
    }
    decodedAll_ = true;
    return false;
}

bool SoundTrack::WriteUntil(double clipSeconds, ClipOutput& output, std::string& error)
{
    const int64_t wanted = std::llround(clipSeconds * encoder_->sample_rate);
    while (queued_ < wanted && !decodedAll_)
        DecodeSome();
    return Encode(false, output, error);
}

bool SoundTrack::Finish(double clipSeconds, ClipOutput& output, std::string& error)
{
    const int64_t wanted = std::llround(clipSeconds * encoder_->sample_rate);
    while (queued_ < wanted && !decodedAll_)
        DecodeSome();
    // Silence to the end, encoded as it goes so that a long gap is not held whole.
    while (queued_ < wanted) {
        AddSilence(std::min<int64_t>(wanted - queued_, 65536));
        if (!Encode(false, output, error))
            return false;
    }
    return Encode(true, output, error) && Send(nullptr, output, error);
}

bool SoundTrack::Encode(bool flush, ClipOutput& output, std::string& error)
{
    const int size = encoder_->frame_size;
    while (av_audio_fifo_size(fifo_.get()) >= size || (flush && av_audio_fifo_size(fifo_.get()) > 0)) {
        FramePtr frame = NewFrame();
        frame->nb_samples = std::min(size, av_audio_fifo_size(fifo_.get()));
        av_channel_layout_copy(&frame->ch_layout, &encoder_->ch_layout);
        frame->format = encoder_->sample_fmt;
        frame->sample_rate = encoder_->sample_rate;
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            return false;
        av_audio_fifo_read(fifo_.get(), reinterpret_cast<void**>(frame->data), frame->nb_samples);
        frame->pts = encoded_;
        encoded_ += frame->nb_samples;
        if (!Send(frame.get(), output, error))
            return false;
    }
    return true;
}

bool SoundTrack::Send(AVFrame* frame, ClipOutput& output, std::string& error)
{
    if (int e = avcodec_send_frame(encoder_.get(), frame); e < 0) {
        error = "encoding the sound: " + AvErrorText(e);
        return false;
    }
    PacketPtr packet = NewPacket();
    while (avcodec_receive_packet(encoder_.get(), packet.get()) == 0) {
        av_packet_rescale_ts(packet.get(), encoder_->time_base, out_->time_base);
        packet->stream_index = out_->index;
        if (!output.Write(packet.get(), error))
            return false;
    }
    return true;
}
