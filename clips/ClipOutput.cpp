#include "ClipOutput.h"

#include <cmath>
#include <cstdio>
#include <ctime>

std::string Iso6709(const ClipPlace& place)
{
    char text[40];
    std::snprintf(text, sizeof text, "%+08.4f%+09.4f/", place.latitude, place.longitude);
    return text;
}

namespace {

// "2026-05-14T08:15:00.000000Z", the form the muxer takes for creation_time.
std::string CreationTimeText(double utc)
{
    const std::time_t whole = static_cast<std::time_t>(std::floor(utc));
    std::tm parts{};
    gmtime_r(&whole, &parts);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &parts);
    char text[48];
    std::snprintf(text, sizeof text, "%s.%06dZ", date, static_cast<int>(std::lround((utc - std::floor(utc)) * 1e6) % 1000000));
    return text;
}

}  // namespace

ClipOutput::~ClipOutput() { Discard(); }

bool ClipOutput::Open(const std::string& target, std::string& error)
{
    partial_ = std::make_unique<PartialFile>(target);
    if (!partial_->IsOpen()) {
        error = partial_->Error();
        return false;
    }
    if (int e = avformat_alloc_output_context2(&muxer_, nullptr, "mp4", partial_->Path().c_str()); e < 0) {
        error = AvErrorText(e);
        return false;
    }
    if (int e = avio_open(&muxer_->pb, partial_->Path().c_str(), AVIO_FLAG_WRITE); e < 0) {
        error = AvErrorText(e);
        return false;
    }
    return true;
}

AVStream* ClipOutput::AddStream(const AVCodecParameters* parameters, AVRational timeBase)
{
    AVStream* stream = avformat_new_stream(muxer_, nullptr);
    if (!stream || avcodec_parameters_copy(stream->codecpar, parameters) < 0)
        return nullptr;
    // The MP4 muxer picks its own tag; for HEVC the one Apple's players want.
    stream->codecpar->codec_tag = parameters->codec_id == AV_CODEC_ID_HEVC ? MKTAG('h', 'v', 'c', '1') : 0;
    stream->time_base = timeBase;
    return stream;
}

bool ClipOutput::Begin(double startUtc, const std::optional<ClipPlace>& place, std::string& error)
{
    if (startUtc >= 0)
        av_dict_set(&muxer_->metadata, "creation_time", CreationTimeText(startUtc).c_str(), 0);
    if (place)
        av_dict_set(&muxer_->metadata, "location", Iso6709(*place).c_str(), 0);
    AVDictionary* options = nullptr;
    av_dict_set(&options, "movflags", "+faststart", 0);
    const int e = avformat_write_header(muxer_, &options);
    av_dict_free(&options);
    if (e < 0) {
        error = AvErrorText(e);
        return false;
    }
    begun_ = true;
    return true;
}

bool ClipOutput::Write(AVPacket* packet, std::string& error)
{
    if (int e = av_interleaved_write_frame(muxer_, packet); e < 0) {
        error = "cannot write the clip: " + AvErrorText(e);
        return false;
    }
    return true;
}

bool ClipOutput::Finish(bool replace, std::string& error)
{
    int e = av_write_trailer(muxer_);
    begun_ = false;
    if (e >= 0)
        e = avio_closep(&muxer_->pb);
    if (e < 0) {
        error = "cannot write the clip: " + AvErrorText(e);
        return false;
    }
    if (!partial_->Commit(replace)) {
        error = partial_->Error();
        return false;
    }
    partial_.reset();
    return true;
}

void ClipOutput::Discard()
{
    if (muxer_) {
        if (begun_)
            av_write_trailer(muxer_);
        avio_closep(&muxer_->pb);
        avformat_free_context(muxer_);
        muxer_ = nullptr;
    }
    partial_.reset();  // removes the hidden file when it was not moved into place
}
