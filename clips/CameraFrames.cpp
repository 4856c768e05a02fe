#include "CameraFrames.h"

#include "FileTime.h"

namespace {

constexpr double kTolerance = 1e-3;  // seconds: a picture this near a mark is on it

}  // namespace

std::vector<CameraFrames::Span> CameraSpans(const std::vector<ClipPiece>& pieces, bool rear)
{
    std::vector<CameraFrames::Span> spans;
    double clipStart = 0;
    for (const ClipPiece& piece : pieces) {
        spans.push_back({rear ? piece.rear : piece.front, piece.from, piece.to, clipStart});
        clipStart += piece.to - piece.from;
    }
    return spans;
}

bool CameraFrames::OpenSpan()
{
    const Span& span = spans_[span_];
    open_ = true;
    draining_ = false;
    decoder_.reset();
    input_.reset();
    if (span.path.empty())
        return false;
    input_ = OpenInput(span.path, error_);
    if (!input_)
        return false;
    const AVCodec* codec = nullptr;
    stream_ = av_find_best_stream(input_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (stream_ < 0 || !codec) {
        error_ = span.path + ": no picture";
        return false;
    }
    AVStream* stream = input_->streams[stream_];
    decoder_.reset(avcodec_alloc_context3(codec));
    avcodec_parameters_to_context(decoder_.get(), stream->codecpar);
    decoder_->thread_count = 0;  // as many as the machine has
    decoder_->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    if (int e = avcodec_open2(decoder_.get(), codec, nullptr); e < 0) {
        error_ = span.path + ": " + AvErrorText(e);
        return false;
    }
    if (stream->avg_frame_rate.num > 0 && stream->avg_frame_rate.den > 0 && width_ == 0)
        rate_ = stream->avg_frame_rate;
    if (span.from > 0)
        av_seek_frame(input_.get(), stream_, StampInFile(input_.get(), stream, span.from), AVSEEK_FLAG_BACKWARD);
    return true;
}

// Decodes until a picture inside the current span is ready, moving on to the
// next span at the end of one; false at the end of the last.
bool CameraFrames::DecodeOne()
{
    FramePtr frame = NewFrame();
    PacketPtr packet = NewPacket();
    while (span_ < spans_.size()) {
        if (!open_ && !OpenSpan()) {
            if (!error_.empty() && !spans_[span_].path.empty())
                return false;
        }
        if (!decoder_) {  // nothing of this camera for the piece
            ++span_;
            open_ = false;
            continue;
        }
        const Span& span = spans_[span_];
        const int got = avcodec_receive_frame(decoder_.get(), frame.get());
        if (got == 0) {
            const AVStream* stream = input_->streams[stream_];
            const double at = SecondsInFile(input_.get(), stream, frame->best_effort_timestamp);
            if (at >= span.to - kTolerance) {
                ++span_;
                open_ = false;
                continue;
            }
            if (at < span.from - kTolerance) {
                av_frame_unref(frame.get());
                continue;
            }
            if (width_ == 0) {
                width_ = frame->width;
                height_ = frame->height;
                format_ = static_cast<AVPixelFormat>(frame->format);
            }
            nextTime_ = span.clipStart + at - span.from;
            next_ = std::move(frame);
            return true;
        }
        if (got == AVERROR_EOF) {
            ++span_;
            open_ = false;
            continue;
        }
        if (draining_) {  // a decoder that wants input while drained: the file is done
            ++span_;
            open_ = false;
            continue;
        }
        if (av_read_frame(input_.get(), packet.get()) < 0) {
            avcodec_send_packet(decoder_.get(), nullptr);
            draining_ = true;
            continue;
        }
        if (packet->stream_index == stream_)
            avcodec_send_packet(decoder_.get(), packet.get());  // a damaged packet only loses its picture
        av_packet_unref(packet.get());
    }
    return false;
}

double CameraFrames::NextTime()
{
    if (!next_ && !DecodeOne())
        return -1;
    return nextTime_;
}

FramePtr CameraFrames::Take()
{
    if (!next_)
        DecodeOne();
    return std::move(next_);
}
