#include "MediaPlayer.h"

#include "FrameRenderer.h"
#include "JpegWriter.h"
#include "VideoPlacement.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <mpv/client.h>
#include <mpv/render.h>

// The player's diagnostics: silent unless enabled (QT_LOGGING_RULES="dualdash.player.debug=true").
Q_LOGGING_CATEGORY(lcPlayer, "dualdash.player", QtInfoMsg)

namespace {

constexpr int EC_COMPLETE = 1;
constexpr double kRates[] = {1.0, 2.0, 3.0, 8.0, -1.0, -2.0, -3.0, -8.0};
// A file whose first picture has not come in this time never shows one
// (damaged, cut short): the window is not held longer than this.
constexpr int kOpenTimeoutMs = 2000;
// A picture drawn again at a new size comes in a few milliseconds; the window
// does not wait longer than this for it.
constexpr int kDrawWaitMs = 500;
constexpr int kLastFrameWaitMs = 20;  // a picture drawn at the end of a recording
constexpr double kLongestTakeover = 0.05;  // seconds: a cut slower than this is not a takeover to learn from

}  // namespace

// The player's full-screen picture: a black top-level window whose input goes
// to the video window, as the view's own input does.
class CFullScreenWindow : public QWidget {
public:
    explicit CFullScreenWindow(CMediaPlayer* player) : player_(player)
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::BlankCursor);
    }
    QRect VideoRect() const { return LetterboxRect(player_->videoSize_, size()); }

protected:
    void paintEvent(QPaintEvent*) override { player_->PaintVideo(this, VideoRect()); }
    void resizeEvent(QResizeEvent*) override { player_->DrawNow(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { Forward(event); }
    void keyPressEvent(QKeyEvent* event) override { Forward(event); }

private:
    void Forward(QEvent* event)
    {
        if (QWidget* drain = player_->videoWindow_)
            QCoreApplication::sendEvent(drain, event);
    }
    CMediaPlayer* player_;
};

CMediaPlayer::CMediaPlayer() = default;

CMediaPlayer::~CMediaPlayer()
{
    CloseClip();
    DestroyEngine(standbyMpv_, standbyRenderer_);
    DestroyEngine(mpv_, renderer_);
}

void CMediaPlayer::Diagnose(const char* text, HRESULT hr) const
{
    qCDebug(lcPlayer, text, static_cast<unsigned>(hr));
}

void CMediaPlayer::EnsureHandle()
{
    if (mpv_)
        return;
    CreateEngine(mpv_, renderer_);
    ConnectEngines();
}

// A libmpv player and its software renderer, set as every player here is.
void CMediaPlayer::CreateEngine(mpv_handle*& mpv, std::unique_ptr<FrameRenderer>& renderer)
{
    std::setlocale(LC_NUMERIC, "C");  // libmpv refuses other numeric locales
    mpv = mpv_create();
    if (!mpv)
        return;
    const char* options[][2] = {
        {"vo", "libmpv"},
        {"hwdec", "auto-safe"},
        {"keep-open", "yes"},           // the last frame stays; the end is eof-reached
        {"video-timing-offset", "0"},   // frames are handed over at their time, not early
        {"audio-fallback-to-null", "yes"},
        {"idle", "yes"},
        {"pause", "yes"},
        {"hr-seek", "yes"},
        {"input-default-bindings", "no"},
        {"terminal", "no"},
    };
    for (const auto& [name, value] : options)
        mpv_set_option_string(mpv, name, value);
    // SDL's audio is one per process: one player closing it while another
    // opens it can hang both, and the players here come and go in pairs.
    const char* audio = std::getenv("DUALDASH_AUDIO_OUTPUT");
    mpv_set_option_string(mpv, "ao", audio ? audio : "pipewire,pulse,alsa,jack");
    if (mpv_initialize(mpv) < 0) {
        mpv_terminate_destroy(mpv);
        mpv = nullptr;
        return;
    }
    mpv_request_log_messages(mpv, lcPlayer().isDebugEnabled() ? "v" : "no");
    mpv_observe_property(mpv, 0, "eof-reached", MPV_FORMAT_FLAG);
    // Every engine's pictures are taken on their own thread; the window is
    // told of the playing engine's new ones (a standby's are taken at the swap).
    renderer = std::make_unique<FrameRenderer>(mpv, [this] {
        QueueOnce(this, frameQueued_, [](CMediaPlayer* p) { p->TakeNewFrame(); });
    });
    if (!renderer->IsValid())
        renderer.reset();
}

void CMediaPlayer::DestroyEngine(mpv_handle*& mpv, std::unique_ptr<FrameRenderer>& renderer)
{
    renderer.reset();
    if (mpv) {
        mpv_set_wakeup_callback(mpv, nullptr, nullptr);
        mpv_terminate_destroy(mpv);
        mpv = nullptr;
    }
}

// libmpv calls from its own threads; the work is queued to the window thread,
// once until it has run.
void CMediaPlayer::QueueOnce(CMediaPlayer* self, std::atomic<bool>& queued, void (*work)(CMediaPlayer*))
{
    if (!queued.exchange(true))
        QMetaObject::invokeMethod(self, [self, work] { work(self); }, Qt::QueuedConnection);
}

// The playing engine's events are drained as the player's; the standby's
// prepare the next recording.
void CMediaPlayer::ConnectEngines()
{
    if (mpv_) {
        mpv_set_wakeup_callback(mpv_, [](void* c) {
            auto* self = static_cast<CMediaPlayer*>(c);
            QueueOnce(self, self->drainQueued_, [](CMediaPlayer* p) { p->DrainEvents(); });
        }, this);
    }
    if (standbyMpv_) {
        mpv_set_wakeup_callback(standbyMpv_, [](void* c) {
            auto* self = static_cast<CMediaPlayer*>(c);
            QueueOnce(self, self->standbyDrainQueued_, [](CMediaPlayer* p) { p->DrainStandby(); });
        }, this);
    }
}

void CMediaPlayer::Command(std::initializer_list<const char*> args) const
{
    RunCommand(mpv_, args);
}

void CMediaPlayer::RunCommand(mpv_handle* mpv, std::initializer_list<const char*> args, bool wait)
{
    if (!mpv)
        return;
    std::vector<const char*> argv(args);
    argv.push_back(nullptr);
    if (wait)
        mpv_command(mpv, argv.data());
    else
        mpv_command_async(mpv, 0, argv.data());
}

void CMediaPlayer::SetFlag(const char* name, bool value) const
{
    if (!mpv_)
        return;
    int flag = value ? 1 : 0;
    mpv_set_property(mpv_, name, MPV_FORMAT_FLAG, &flag);
}

bool CMediaPlayer::HasTrack(const char* type) const
{
    if (!mpv_ || !opened_)
        return false;
    const QByteArray name = QByteArray("current-tracks/") + type + "/id";
    char* id = mpv_get_property_string(mpv_, name.constData());
    mpv_free(id);
    return id != nullptr;
}

HRESULT CMediaPlayer::OpenFile(const QString& path, QWidget* videoWindow, QWidget* notifyWindow)
{
    if (path.isEmpty())
        return E_POINTER;
    if (path == standbyFile_ && StandbyReady())
        return OpenPrepared(videoWindow, notifyWindow);
    DropPrepared();
    if (opened_)
        Command({"stop"});
    opened_ = false;
    events_.clear();
    frame_.image = QImage();
    videoSize_ = QSize();
    ShowIn(videoWindow);
    fileName_ = path;
    state_ = Stopped;
    EnsureHandle();
    if (!mpv_ || !renderer_) {
        Diagnose("FAILED(hr=0x%x) in CoCreateInstance(CLSID_FilterGraph, NULL, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, (void **)&pGB)\n", E_FAIL);
        return E_FAIL;
    }
    StartFresh();
    SetFlag("pause", true);
    const QByteArray file = path.toUtf8();
    Command({"loadfile", file.constData(), "replace"});
    if (!WaitForOpen()) {
        Diagnose("FAILED(hr=0x%x) in pGB->RenderFile(wFile, NULL)\n", E_FAIL);
        return E_FAIL;
    }
    events_.clear();
    opened_ = true;
    notifyWindow_ = notifyWindow;
    StandReady();
    return S_OK;
}

// A new file plays forward at 1x, with no seek or end under way.
void CMediaPlayer::StartFresh()
{
    rate_ = 1.0;
    nudge_ = 1.0;
    seeksAsked_ = 0;
    mpv_set_property_string(mpv_, "speed", "1");
    mpv_set_property_string(mpv_, "play-direction", "forward");
    FromEarlierKeyFrame(false);
    eofReached_ = false;
    pendingSeek_ = -1;
    DisarmEnd();
}

void CMediaPlayer::ShowIn(QWidget* videoWindow)
{
    if (videoWindow_)
        videoWindow_->removeEventFilter(this);
    videoWindow_ = videoWindow;
    if (videoWindow_) {
        videoWindow_->installEventFilter(this);
        videoWindow_->show();
        videoWindow_->update();
    }
}

// The open file's picture placed in the window, paused on its first frame.
void CMediaPlayer::StandReady()
{
    std::int64_t width = 0, height = 0;
    mpv_get_property(mpv_, "dwidth", MPV_FORMAT_INT64, &width);
    mpv_get_property(mpv_, "dheight", MPV_FORMAT_INT64, &height);
    videoSize_ = QSize(static_cast<int>(width), static_cast<int>(height));
    // Where the last frame begins (within a frame and a half of the end),
    // read once here rather than on every frame.
    double fps = 0;
    endsAt_ = GetDuration();
    frameSeconds_ = mpv_get_property(mpv_, "container-fps", MPV_FORMAT_DOUBLE, &fps) >= 0 && fps > 0 ? 1 / fps : 0;
    lastFrameFrom_ = frameSeconds_ > 0 && endsAt_ > 0 ? endsAt_ - 1.5 * frameSeconds_ : -1;
    InitVideoWindow(1, 1);
    state_ = Paused;
    if (videoWindow_)
        videoWindow_->setFocus();
}

void CMediaPlayer::PrepareNext(const QString& path)
{
    if (path.isEmpty() || path == standbyFile_ || path == fileName_)
        return;
    if (!standbyMpv_) {
        CreateEngine(standbyMpv_, standbyRenderer_);
        if (!standbyMpv_ || !standbyRenderer_) {
            DestroyEngine(standbyMpv_, standbyRenderer_);
            return;
        }
        ConnectEngines();
    }
    standbyRenderer_->SetSize(videoRect_.size());  // the size the playing picture has
    standbyFile_ = path;
    standby_ = {};
    const QByteArray file = path.toUtf8();
    RunCommand(standbyMpv_, {"loadfile", file.constData(), "replace"}, false);
}

bool CMediaPlayer::StandbyReady() const
{
    return !standbyFile_.isEmpty() && standby_.loaded && standby_.pictureKnown && standby_.restarted && !standby_.failed;
}

void CMediaPlayer::DropPrepared()
{
    if (standbyFile_.isEmpty())
        return;
    RunCommand(standbyMpv_, {"stop"}, false);
    standbyFile_.clear();
    standby_ = {};
}

// The standby engine stands on the next file's first frame: it becomes the
// playing one and the picture changes in one step, with no black between.
// The engine of the file that ended waits as the next standby.
HRESULT CMediaPlayer::OpenPrepared(QWidget* videoWindow, QWidget* notifyWindow)
{
    FromEarlierKeyFrame(false);  // on the engine it was set on
    DisarmEnd();
    std::swap(mpv_, standbyMpv_);
    std::swap(renderer_, standbyRenderer_);
    renderer_->TakeFrame(frame_);
    ConnectEngines();
    if (fullScreen_ && fullScreen_->isVisible())
        fullScreen_->hide();
    fileName_ = standbyFile_;
    standbyFile_.clear();
    standby_ = {};
    timingTakeover_ = sinceEndPosted_.isValid() && sinceEndPosted_.nsecsElapsed() / 1e9 < kLongestTakeover;
    // The old file is only paused, not stopped: the next one replaces it and
    // the engine keeps its video output (stopping takes it down, and building
    // it again for every recording costs memory that is not all given back).
    // Not waited for: a file still playing out its sound would hold the new
    // picture back by the length of the audio buffer.
    RunCommand(standbyMpv_, {"set", "pause", "yes"}, false);
    ShowIn(videoWindow);
    notifyWindow_ = notifyWindow;
    events_.clear();
    StartFresh();
    opened_ = true;
    // The listener's choices stay with the player, not with the engine.
    SetFlag("mute", muted_);
    ApplyVolume();
    StandReady();
    // Anything the new engine said while it was the standby has been read.
    DrainEvents();
    return S_OK;
}

void CMediaPlayer::DrainStandby()
{
    standbyDrainQueued_ = false;
    if (!standbyMpv_)
        return;
    for (;;) {
        mpv_event* event = mpv_wait_event(standbyMpv_, 0);
        switch (event->event_id) {
        case MPV_EVENT_NONE:
            return;
        // The events alone tell the progress, without a wait on the core. A
        // file without a picture never becomes ready, and opens the ordinary way.
        case MPV_EVENT_FILE_LOADED:
            standby_.loaded = true;
            break;
        case MPV_EVENT_VIDEO_RECONFIG:
            standby_.pictureKnown = standby_.loaded;
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            standby_.restarted = standby_.loaded;
            break;
        case MPV_EVENT_END_FILE:
            if (static_cast<mpv_event_end_file*>(event->data)->reason == MPV_END_FILE_REASON_ERROR)
                standby_.failed = true;
            break;
        default:
            break;
        }
    }
}

// Waits for the file to load and to stand ready on its first frame (its
// picture decoded, when it has one); false when it is not media or time runs out.
bool CMediaPlayer::WaitForOpen()
{
    QDeadlineTimer deadline(kOpenTimeoutMs);
    bool loaded = false, pictureKnown = false, ready = false;
    while (!deadline.hasExpired()) {
        mpv_event* event = mpv_wait_event(mpv_, 0.01);
        switch (event->event_id) {
        case MPV_EVENT_FILE_LOADED:
            loaded = true;
            pictureKnown = !HasTrack("video");
            break;
        case MPV_EVENT_VIDEO_RECONFIG:
            pictureKnown = pictureKnown || loaded;
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            ready = loaded;
            break;
        case MPV_EVENT_END_FILE:
            // An error, or the end before the first frame stood ready.
            if (static_cast<mpv_event_end_file*>(event->data)->reason == MPV_END_FILE_REASON_ERROR || (loaded && !ready))
                return false;
            break;
        default:
            break;
        }
        if (loaded && pictureKnown && ready)
            return true;
    }
    return false;
}

HRESULT CMediaPlayer::AttachVideoWindow(QWidget* videoWindow)
{
    if (videoWindow_)
        videoWindow_->removeEventFilter(this);
    videoWindow_ = videoWindow;
    if (!videoWindow_)
        return S_OK;
    videoWindow_->installEventFilter(this);
    videoWindow_->show();
    return InitVideoWindow(1, 1);
}

HRESULT CMediaPlayer::InitVideoWindow(int, int)
{
    if (!videoWindow_ || !opened_)
        return S_OK;
    // Placed once per open or attach: a later resize of the window does not move it.
    videoRect_ = LetterboxRect(videoSize_, videoWindow_->size());
    DrawNow();
    videoWindow_->update();
    return S_OK;
}

void CMediaPlayer::SetFullScreen(bool on)
{
    if (!opened_)
        return;
    if (on) {
        if (!fullScreen_)
            fullScreen_ = std::make_unique<CFullScreenWindow>(this);
        fullScreen_->showFullScreen();
        fullScreen_->activateWindow();
    } else if (fullScreen_) {
        fullScreen_->hide();
    }
    DrawNow();
}

QWidget* CMediaPlayer::RenderTarget() const
{
    if (fullScreen_ && fullScreen_->isVisible())
        return fullScreen_.get();
    return videoWindow_;
}

// The size the picture is drawn at: the full-screen window's when it shows.
QSize CMediaPlayer::TargetSize() const
{
    if (fullScreen_ && fullScreen_->isVisible())
        return fullScreen_->VideoRect().size();
    return videoRect_.size();
}

// The current picture drawn again at the size it is shown at, and waited
// for: a new size or window shows it at once.
void CMediaPlayer::DrawNow()
{
    if (!renderer_)
        return;
    renderer_->SetSize(TargetSize());
    if (renderer_->DrawNow(kDrawWaitMs))
        ShowNewFrame(false);
}

void CMediaPlayer::TakeNewFrame()
{
    frameQueued_ = false;
    ShowNewFrame(true);
}

// A frame the engine has handed over and the drawing thread has drawn.
void CMediaPlayer::ShowNewFrame(bool fromEngine)
{
    if (!renderer_ || !renderer_->TakeFrame(frame_))
        return;
    sinceFrameShown_.start();
    ++framesShown_;
    emit frameShown(fileName_);
    QWidget* target = RenderTarget();
    if (target)
        target->update(target == videoWindow_ ? videoRect_ : fullScreen_->VideoRect());
    if (fromEngine)
        WatchForLastFrame();
}

// The end of a recording is the end of its last picture. libmpv says the file
// has ended only once the audio output has played out its buffer, a fifth
// of a second later on some outputs: the picture would stand still that long
// at every cut. So the end is posted when the last frame's time is up.
void CMediaPlayer::WatchForLastFrame()
{
    if (state_ != Running || rate_ < 0 || pendingSeek_ >= 0)
        return;
    double position = 0;
    if (lastFrameFrom_ < 0 || mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &position) < 0 ||
        position < lastFrameFrom_)
        return;  // not the last frame
    // The clock may already stand at the end when the last picture comes:
    // each picture of the last stretch is shown for a whole frame's time,
    // counted from when it was shown.
    ArmEnd(std::max(endsAt_ - position, frameSeconds_) - sinceFrameShown_.nsecsElapsed() / 1e9 - TakeoverLead());
}

// A prepared next recording takes over in a few milliseconds; without one
// the end waits for the whole picture.
double CMediaPlayer::TakeoverLead() const
{
    return standbyFile_.isEmpty() ? 0.0 : takeoverSeconds_;
}

// The end posted when `seconds` of the recording have played from now.
void CMediaPlayer::ArmEnd(double seconds)
{
    const double speed = std::fabs(rate_) * nudge_;
    const int watch = ++endWatch_;
    endArmed_ = true;
    QTimer::singleShot(static_cast<int>(std::max(0.0, seconds) / speed * 1000), this, [this, watch] {
        if (watch != endWatch_)
            return;  // a seek or another file came between
        endArmed_ = false;
        // libmpv may have said the end already, while the last picture showed.
        if (opened_ && pendingSeek_ < 0 && (state_ == Running || eofReached_)) {
            eofReached_ = true;  // libmpv's own word, coming later, adds nothing
            NotifyEnd();
        }
    });
}

// How long it took from the end posted to the next recording's first picture
// painted, smoothed over the cuts; the next end is posted that much earlier,
// so the last picture stays for its own time and no longer.
void CMediaPlayer::LearnTakeover()
{
    timingTakeover_ = false;
    const double seconds = sinceEndPosted_.nsecsElapsed() / 1e9;
    if (seconds < kLongestTakeover)
        takeoverSeconds_ = std::min(kLongestTakeover / 2, (takeoverSeconds_ + seconds) / 2);
}

void CMediaPlayer::DisarmEnd()
{
    ++endWatch_;
    endArmed_ = false;
}

void CMediaPlayer::PaintVideo(QWidget* window, const QRect& target)
{
    QPainter painter(window);
    painter.fillRect(window->rect(), Qt::black);
    if (!frame_.image.isNull() && opened_)
        painter.drawImage(target, frame_.image);
}

bool CMediaPlayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == videoWindow_ && event->type() == QEvent::Paint) {
        PaintVideo(videoWindow_, videoRect_);
        if (timingTakeover_)
            LearnTakeover();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void CMediaPlayer::DrainEvents()
{
    drainQueued_ = false;
    if (!mpv_)
        return;
    for (;;) {
        mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE)
            return;
        if (event->event_id == MPV_EVENT_COMMAND_REPLY && event->reply_userdata == seekReply_) {
            seekTaken_ = true;
        } else if (event->event_id == MPV_EVENT_PLAYBACK_RESTART) {
            // A restart read before the latest seek was taken belongs to an
            // earlier one: the latest has not landed.
            if (seekTaken_)
                SeekLanded();
        } else if (event->event_id == MPV_EVENT_LOG_MESSAGE) {
            auto* message = static_cast<mpv_event_log_message*>(event->data);
            qCDebug(lcPlayer, "%s: %s", message->prefix, message->text);
        } else if (event->event_id == MPV_EVENT_PROPERTY_CHANGE) {
            auto* property = static_cast<mpv_event_property*>(event->data);
            if (std::strcmp(property->name, "eof-reached") == 0 && property->format == MPV_FORMAT_FLAG) {
                const bool eof = *static_cast<int*>(property->data) != 0;
                if (eof && !eofReached_ && opened_) {
                    // libmpv says the end as the last picture becomes due,
                    // often before it is drawn, and then sometimes draws it
                    // only when asked: it is drawn now and shown for its time.
                    const int before = framesShown_;
                    ShowNewFrame(true);
                    if (framesShown_ == before && !endArmed_ && renderer_ && renderer_->DrawNow(kLastFrameWaitMs))
                        ShowNewFrame(false);
                    if (!endArmed_)
                        ArmEnd(frameSeconds_ - sinceFrameShown_.nsecsElapsed() / 1e9 - TakeoverLead());
                }
                eofReached_ = eof;
            }
        }
    }
}

void CMediaPlayer::NotifyEnd()
{
    sinceEndPosted_.start();
    events_.push_back(EC_COMPLETE);
    if (notifyWindow_)
        QCoreApplication::postEvent(notifyWindow_, new QEvent(WM_GRAPHNOTIFY));
}

HRESULT CMediaPlayer::HandleGraphEvent()
{
    if (!mpv_)
        return S_OK;
    while (!events_.empty()) {
        const int code = events_.front();
        events_.pop_front();
        if (code == EC_COMPLETE && opened_) {
            // Back to the first frame, paused.
            SeekExact(0);
            SetFlag("pause", true);
            state_ = Stopped;
        }
    }
    return S_OK;
}

void CMediaPlayer::TogglePlayPause()
{
    if (!opened_)
        return;
    if (state_ == Paused || state_ == Stopped) {
        SetFlag("pause", false);
        state_ = Running;
    } else {
        SetFlag("pause", true);
        state_ = Paused;
    }
}

void CMediaPlayer::Pause()
{
    if (!opened_)
        return;
    SetFlag("pause", true);
    state_ = Paused;
}

void CMediaPlayer::StepFrame(bool forward)
{
    if (!opened_)
        return;
    pendingSeek_ = -1;
    Command({forward ? "frame-step" : "frame-back-step"});
    state_ = Paused;
}

void CMediaPlayer::SetMuted(bool muted)
{
    muted_ = muted;
    if (mpv_)
        SetFlag("mute", muted);
}

void CMediaPlayer::StopClip()
{
    if (!opened_ || (state_ != Paused && state_ != Running))
        return;
    SetFlag("pause", true);
    state_ = Stopped;
    SeekExact(0);
}

void CMediaPlayer::CloseClip()
{
    DisarmEnd();
    if (opened_)
        Command({"stop"});
    opened_ = false;
    if (fullScreen_)
        fullScreen_->hide();
    fileName_.clear();
    state_ = Closed;
    events_.clear();
    frame_.image = QImage();
    videoSize_ = QSize();
    if (videoWindow_)
        videoWindow_->update();
}

double CMediaPlayer::GetPosition() const
{
    if (!opened_)
        return 0.0;
    if (pendingSeek_ >= 0)
        return pendingSeek_;
    double seconds = 0.0;
    if (mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &seconds) < 0)
        return 0.0;
    return seconds;
}

double CMediaPlayer::EngineLandedAt() const
{
    int seeking = 1;
    double seconds = -1;
    if (!opened_ || mpv_get_property(mpv_, "seeking", MPV_FORMAT_FLAG, &seeking) < 0 || seeking ||
        mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &seconds) < 0)
        return -1;
    return seconds;
}

void CMediaPlayer::SeekExact(double seconds)
{
    if (!mpv_)
        return;
    ++seeksAsked_;
    pendingSeek_ = seconds < 0 ? 0 : seconds;
    DisarmEnd();
    FromEarlierKeyFrame(false);
    SendSeek();
}

// Sent without waiting; the reply says libmpv has taken it.
void CMediaPlayer::SendSeek()
{
    const QByteArray target = QByteArray::number(pendingSeek_, 'f', 6);
    const char* args[] = {"seek", target.constData(), "absolute+exact", nullptr};
    seekTaken_ = false;
    mpv_command_async(mpv_, ++seekReply_, args);
}

// A picture shown just before a key frame but stored after it (a leading
// picture of an open group, common in HEVC) cannot be decoded from that key
// frame, and libmpv's demuxer goes to it: the seek lands a frame or more
// late. Seen on landing, the seek is made once more from the key frame
// before, which libmpv reaches by seeking the demuxer a little earlier.
void CMediaPlayer::SeekLanded()
{
    double at = 0;
    if (!fromEarlierKeyFrame_ && pendingSeek_ >= 0 && frameSeconds_ > 0 &&
        mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &at) >= 0 && at > pendingSeek_ + frameSeconds_ / 2) {
        FromEarlierKeyFrame(true);
        SendSeek();
        return;
    }
    FromEarlierKeyFrame(false);
    pendingSeek_ = -1;
}

// Half a second before the target is before any leading picture's key frame.
void CMediaPlayer::FromEarlierKeyFrame(bool on)
{
    if (on == fromEarlierKeyFrame_)
        return;
    fromEarlierKeyFrame_ = on;
    mpv_set_property_string(mpv_, "hr-seek-demuxer-offset", on ? "0.5" : "0");
}

HRESULT CMediaPlayer::SetPosition(double seconds)
{
    if (!opened_)
        return S_OK;
    SeekExact(seconds);
    return S_OK;
}

double CMediaPlayer::GetDuration() const
{
    double seconds = 0.0;
    if (!opened_ || mpv_get_property(mpv_, "duration", MPV_FORMAT_DOUBLE, &seconds) < 0)
        return 0.0;
    return seconds;
}

void CMediaPlayer::NudgeSpeed(double factor)
{
    if (!opened_ || std::fabs(factor - nudge_) < 0.002)
        return;
    nudge_ = factor;
    double speed = std::fabs(rate_) * nudge_;
    mpv_set_property(mpv_, "speed", MPV_FORMAT_DOUBLE, &speed);
}

HRESULT CMediaPlayer::SetRate(int index)
{
    const double rate = index >= 0 && index < 8 ? kRates[index] : 1.0;
    if (!opened_)
        return S_OK;
    mpv_set_property_string(mpv_, "play-direction", rate < 0 ? "backward" : "forward");
    nudge_ = 1.0;
    double speed = std::fabs(rate);
    mpv_set_property(mpv_, "speed", MPV_FORMAT_DOUBLE, &speed);
    rate_ = rate;
    return S_OK;
}

int CMediaPlayer::GetVolumeLevel() const
{
    if (!HasTrack("audio"))
        return 0;
    return VolumeLevelFromHundredths(volumeHundredths_);
}

void CMediaPlayer::SetVolumeLevel(int level)
{
    if (!opened_)
        return;
    volumeHundredths_ = level * 300 - 3000;
    ApplyVolume();
}

void CMediaPlayer::ApplyVolume()
{
    // libmpv's volume is a cubic gain: decibels = 60 log10(volume / 100).
    double volume = std::min(100.0, 100.0 * std::pow(10.0, volumeHundredths_ / 100.0 / 60.0));
    mpv_set_property(mpv_, "volume", MPV_FORMAT_DOUBLE, &volume);
}

QImage CMediaPlayer::GetCurrentImage() const
{
    if (!opened_)
        return {};
    const char* args[] = {"screenshot-raw", "video", nullptr};
    mpv_node result {};
    if (mpv_command_ret(mpv_, args, &result) < 0)
        return {};
    QImage picture;
    if (result.format == MPV_FORMAT_NODE_MAP) {
        std::int64_t w = 0, h = 0, stride = 0;
        const char* format = "";
        mpv_byte_array* data = nullptr;
        for (int i = 0; i < result.u.list->num; ++i) {
            const char* key = result.u.list->keys[i];
            const mpv_node& v = result.u.list->values[i];
            if (!std::strcmp(key, "w")) w = v.u.int64;
            else if (!std::strcmp(key, "h")) h = v.u.int64;
            else if (!std::strcmp(key, "stride")) stride = v.u.int64;
            else if (!std::strcmp(key, "format")) format = v.u.string;
            else if (!std::strcmp(key, "data")) data = v.u.ba;
        }
        if (data && !std::strcmp(format, "bgr0") && w > 0 && h > 0 && stride >= w * 4 &&
            static_cast<std::int64_t>(data->size) >= stride * h) {
            picture = QImage(static_cast<const uchar*>(data->data), static_cast<int>(w), static_cast<int>(h),
                             static_cast<qsizetype>(stride), QImage::Format_RGB32)
                          .copy();
        }
    }
    mpv_free_node_contents(&result);
    return picture;
}

int CMediaPlayer::CaptureImage(const QString& path)
{
    const QImage picture = GetCurrentImage();
    if (picture.isNull())
        return 0;
    return WriteJpeg(path.toStdString(), picture);
}

int CMediaPlayer::GetImageSize() const
{
    const QImage picture = GetCurrentImage();
    return picture.isNull() ? 0 : 40 + picture.width() * picture.height() * 4;
}

bool CMediaPlayer::GetCurrentImage(unsigned char* buffer, int size) const
{
    const QImage picture = GetCurrentImage();
    if (!buffer || picture.isNull() || size < 40 + picture.width() * picture.height() * 4)
        return false;
    auto put32 = [&](int at, std::uint32_t v) { std::memcpy(buffer + at, &v, 4); };
    std::memset(buffer, 0, 40);
    put32(0, 40);
    put32(4, static_cast<std::uint32_t>(picture.width()));
    put32(8, static_cast<std::uint32_t>(picture.height()));
    buffer[12] = 1;   // planes
    buffer[14] = 32;  // bits per pixel
    put32(20, static_cast<std::uint32_t>(picture.width() * picture.height() * 4));
    const int row = picture.width() * 4;
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(buffer + 40 + static_cast<std::size_t>(picture.height() - 1 - y) * row, picture.constScanLine(y), row);
    return true;
}
