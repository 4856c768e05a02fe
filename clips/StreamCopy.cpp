#include "StreamCopy.h"

#include "ClipData.h"
#include "ClipOutput.h"
#include "FileTime.h"
#include "SoundTrack.h"

#include <cmath>
#include <utility>

namespace {

constexpr double kTolerance = 1e-3;  // seconds: a stamp this near a mark is on it
constexpr double kSoundLead = 0.5;   // encoded sound this far ahead of the pictures

bool Mp4Holds(AVCodecID codec)
{
    return avformat_query_codec(av_guess_format("mp4", nullptr, nullptr), codec, FF_COMPLIANCE_NORMAL) == 1;
}

const std::string& CameraFile(const ClipRequest& request, const ClipPiece& piece)
{
    return request.cameras == ClipCameras::Rear ? piece.rear : piece.front;
}

// One piece of one camera: its streams and where its copy begins.
struct CopySource {
    InputPtr input;
    int video = -1;
    int audio = -1;  // -1: no sound, or none wanted
    int64_t base = 0;  // the video stamp that becomes the piece's start in the clip
};

bool OpenSource(const std::string& path, bool sound, CopySource& source, std::string& error)
{
    source.input = OpenInput(path, error);
    if (!source.input)
        return false;
    source.video = av_find_best_stream(source.input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (source.video < 0) {
        error = path + ": no picture";
        return false;
    }
    source.audio = sound ? av_find_best_stream(source.input.get(), AVMEDIA_TYPE_AUDIO, -1, source.video, nullptr, 0) : -1;
    return true;
}

// The stamp of the last key frame at or before `from` seconds, and the input
// left there.
bool FindKeyFrameBefore(CopySource& source, double from, std::string& error)
{
    AVFormatContext* input = source.input.get();
    AVStream* video = input->streams[source.video];
    const int64_t target = StampInFile(input, video, from + kTolerance);
    av_seek_frame(input, source.video, target, AVSEEK_FLAG_BACKWARD);
    PacketPtr packet = NewPacket();
    bool found = false;
    while (av_read_frame(input, packet.get()) >= 0) {
        const bool ours = packet->stream_index == source.video;
        const int64_t stamp = PresentationStamp(packet.get());
        const bool key = (packet->flags & AV_PKT_FLAG_KEY) != 0;
        av_packet_unref(packet.get());
        if (!ours)
            continue;
        if (stamp > target)
            break;
        if (key) {
            source.base = stamp;
            found = true;
        }
    }
    if (!found) {
        error = "no key frame before the start";
        return false;
    }
    av_seek_frame(input, source.video, source.base, AVSEEK_FLAG_BACKWARD);
    return true;
}

// The first picture's stamp: where a piece that starts with its file begins.
void FindFirstStamp(CopySource& source)
{
    AVFormatContext* input = source.input.get();
    const AVStream* video = input->streams[source.video];
    source.base = video->start_time != AV_NOPTS_VALUE ? video->start_time : 0;
}

class Copier {
public:
    Copier(const ClipRequest& request, const ClipProgress& progress) : request_(request), progress_(progress) {}

    ClipResult Run()
    {
        for (std::size_t i = 0; i < request_.pieces.size() && result_.error.empty() && !result_.cancelled; ++i)
            CopyPiece(request_.pieces[i], i == 0);
        if (result_.error.empty() && !result_.cancelled && !begun_)
            result_.error = "nothing to copy";
        if (result_.error.empty() && !result_.cancelled)
            Finish();
        return result_;
    }

private:
    void CopyPiece(const ClipPiece& piece, bool first)
    {
        CopySource source;
        if (CameraFile(request_, piece).empty()) {
            result_.error = "no rear camera recording for " + piece.front;
            return;
        }
        if (!OpenSource(CameraFile(request_, piece), request_.sound, source, result_.error))
            return;
        if (!first)
            FindFirstStamp(source);
        else if (!FindKeyFrameBefore(source, piece.from, result_.error) || !Begin(source))
            return;
        if (!SameKind(source))
            return;
        CopyPackets(source, piece);
    }

    bool Begin(CopySource& source)
    {
        AVFormatContext* input = source.input.get();
        result_.copiedFrom = SecondsInFile(input, input->streams[source.video], source.base);
        std::vector<ClipPiece> pieces = request_.pieces;
        pieces.front().from = result_.copiedFrom;
        data_.emplace(pieces);
        total_ = data_->Seconds();
        if (!output_.Open(request_.output, result_.error))
            return false;
        videoOut_ = output_.AddStream(input->streams[source.video]->codecpar, input->streams[source.video]->time_base);
        if (source.audio >= 0 && Mp4Holds(input->streams[source.audio]->codecpar->codec_id))
            audioOut_ = output_.AddStream(input->streams[source.audio]->codecpar, input->streams[source.audio]->time_base);
        else if (source.audio >= 0 && !OpenSound(pieces))
            return false;
        if (!videoOut_ || (source.audio >= 0 && !audioOut_ && !sound_)) {
            result_.error = "cannot make the clip's streams";
            return false;
        }
        videoCodec_ = input->streams[source.video]->codecpar->codec_id;
        begun_ = output_.Begin(data_->StartUtc(), data_->FirstFix(), result_.error);
        return begun_;
    }

    // The files of a drive come from one camera; one that does not cannot be
    // joined without encoding.
    bool SameKind(const CopySource& source)
    {
        if (source.input->streams[source.video]->codecpar->codec_id != videoCodec_) {
            result_.error = "the recordings' pictures are coded differently: choose an overlay to encode them";
            return false;
        }
        return true;
    }

    void CopyPackets(CopySource& source, const ClipPiece& piece)
    {
        AVFormatContext* input = source.input.get();
        const double base = SecondsInFile(input, input->streams[source.video], source.base);
        const double shift = base + FileStart(input);
        double pieceEnd = 0;  // seconds copied of this piece
        std::vector<PacketPtr> held;  // pictures past the end that pictures before it may refer to
        PacketPtr packet = NewPacket();
        bool videoDone = false, audioDone = source.audio < 0 || !audioOut_;
        while (!(videoDone && audioDone) && av_read_frame(input, packet.get()) >= 0) {
            AVStream* in = input->streams[packet->stream_index];
            const double at = SecondsInFile(input, in, PresentationStamp(packet.get()));
            const double end = at - base + Seconds(packet->duration, in->time_base);
            if (packet->stream_index == source.video && !videoDone) {
                if (at < base - kTolerance)
                    ;  // a picture shown before the key frame: it refers to what is not copied
                else if (at >= piece.to - kTolerance)
                    videoDone = !Hold(held, packet.get());
                else if (!WriteHeld(held, in, shift, pieceEnd) || !WritePicture(packet.get(), in, shift, at - base))
                    return;
                else
                    pieceEnd = std::max(pieceEnd, end);
            } else if (packet->stream_index == source.audio && audioOut_ && !audioDone) {
                if (at >= piece.to - kTolerance)
                    audioDone = true;
                else if (at >= base - kTolerance && !Write(packet.get(), in, audioOut_, shift))
                    return;
            }
            av_packet_unref(packet.get());
        }
        offset_ += pieceEnd;
    }

    // A picture past the end mark kept back: copied only if a picture before
    // the mark follows it in the file (it is that one's reference; even a key
    // frame, in an open group of pictures). Past a reordering no encoder
    // uses, nothing before the mark can follow.
    static bool Hold(std::vector<PacketPtr>& held, AVPacket* packet)
    {
        constexpr std::size_t kReorderDepth = 16;
        if (held.size() >= kReorderDepth)
            return false;
        held.push_back(NewPacket());
        av_packet_move_ref(held.back().get(), packet);
        return true;
    }

    bool WriteHeld(std::vector<PacketPtr>& held, const AVStream* in, double shift, double& pieceEnd)
    {
        for (PacketPtr& p : held) {
            pieceEnd = std::max(pieceEnd, Seconds(PresentationStamp(p.get()) + p->duration, in->time_base) - shift);
            if (!Write(p.get(), in, videoOut_, shift))
                return false;
        }
        held.clear();
        return true;
    }

    bool WritePicture(AVPacket* packet, const AVStream* in, double shift, double copied)
    {
        if (!Write(packet, in, videoOut_, shift))
            return false;
        if (sound_ && !sound_->WriteUntil(offset_ + copied + kSoundLead, output_, result_.error))
            return false;
        if (progress_ && !progress_((offset_ + copied) / std::max(total_, 1e-3))) {
            result_.cancelled = true;
            return false;
        }
        return true;
    }

    // The packet moved onto the clip's time line: the stamp `base` (seconds
    // of the stream's clock) to the length copied so far.
    bool Write(AVPacket* packet, const AVStream* in, AVStream* out, double base)
    {
        const int64_t shift = av_rescale_q(static_cast<int64_t>(std::llround((offset_ - base) * 1e6)),
                                           AVRational{1, 1000000}, out->time_base);
        av_packet_rescale_ts(packet, in->time_base, out->time_base);
        if (packet->pts != AV_NOPTS_VALUE)
            packet->pts += shift;
        if (packet->dts != AV_NOPTS_VALUE)
            packet->dts += shift;
        packet->stream_index = out->index;
        packet->pos = -1;
        return output_.Write(packet, result_.error);
    }

    // Sound MP4 cannot hold as it is (PCM, as many cameras record it) is
    // encoded as AAC beside the copied pictures.
    bool OpenSound(const std::vector<ClipPiece>& pieces)
    {
        sound_.emplace(CameraSpans(pieces, request_.cameras == ClipCameras::Rear));
        if (!sound_->Open(output_, result_.error)) {
            sound_.reset();
            return result_.error.empty();
        }
        return true;
    }

    void Finish()
    {
        if (sound_ && !sound_->Finish(offset_, output_, result_.error))
            return;
        result_.seconds = offset_;
        result_.copied = true;
        result_.startUtc = data_->StartUtc();
        if (!output_.Finish(request_.replace, result_.error))
            return;
        result_.written = true;
        std::string gpxError;
        result_.gpx = data_->WriteGpx(request_.output, request_.replace, gpxError);
        if (!gpxError.empty())
            result_.error = "the clip is written, its GPX not: " + gpxError;
    }

    const ClipRequest& request_;
    const ClipProgress& progress_;
    ClipResult result_;
    ClipOutput output_;
    std::optional<ClipData> data_;
    std::optional<SoundTrack> sound_;
    AVStream* videoOut_ = nullptr;
    AVStream* audioOut_ = nullptr;
    AVCodecID videoCodec_ = AV_CODEC_ID_NONE;
    double offset_ = 0;  // seconds of the clip written before the current piece
    double total_ = 0;
    bool begun_ = false;
};

}  // namespace

bool CopiesAsRecorded(const ClipRequest& request)
{
    if (request.pieces.empty())
        return false;
    std::string error;
    InputPtr input = OpenInput(CameraFile(request, request.pieces.front()), error);
    const int video = input ? av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0) : -1;
    if (video < 0)
        return true;  // the copy says what is wrong with it
    const AVCodecID codec = input->streams[video]->codecpar->codec_id;
    return codec == AV_CODEC_ID_H264 || codec == AV_CODEC_ID_HEVC;
}

ClipResult CopyClip(const ClipRequest& request, const ClipProgress& progress)
{
    return Copier(request, progress).Run();
}
