// How long a seek takes to show: from a seek of the pair (as a key, the seek
// bar or MPRIS asks for it) until both views show the target frame, read from
// the frame numbers burnt into the pictures; next to mpv's own exact seeks in
// the same run (libmpv rendering in software, from the seek until the target
// frame is drawn): of the front file alone, and of the front and rear files at
// once, the same decoding the pair asks of the machine. Run: seek_bench FOLDER_WITH_ONE_PAIR
// (bench/seek_bench.sh makes the pairs and runs it).

#include "Median.h"
#include "PairWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <mpv/client.h>
#include <mpv/render.h>
#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <thread>

namespace {

constexpr int kSeeks = 40;
constexpr double kFrameRate = 30.0;
// Far past the slowest seek seen (a 4K HEVC seek a second from its key frame):
// a seek not shown by then is not shown at all.
constexpr int kDeadlineMs = 10000;

// Seek targets a few seconds apart over the recording, on frame boundaries.
std::vector<double> Targets(double duration)
{
    std::mt19937 random(11);
    std::vector<double> targets;
    for (int i = 0; i < kSeeks; ++i)
        targets.push_back(std::floor((1.0 + (duration - 2.0) * (random() % 1000) / 1000.0) * kFrameRate) / kFrameRate);
    return targets;
}

std::vector<double> frontTimes;  // until the front view alone shows the target

// A seek of the pair, until both views show the target frame, or -1 when
// they have not by the deadline. The window waits for its players' frames as
// it does in use (a loop that polled would take a core from the decoders).
double DualDashSeek(CPlayerDlg& dlg, double target)
{
    const int frame = static_cast<int>(std::lround(target * kFrameRate));
    bool front = false, rear = false;
    QEventLoop loop;
    QElapsedTimer clock;
    auto check = [&](bool& shown, CDlgVideoView* view) {
        if (shown || ShownFrame(view) != frame)
            return;
        shown = true;
        if (&shown == &front)
            frontTimes.push_back(clock.nsecsElapsed() / 1e6);
        if (front && rear)
            loop.quit();
    };
    const auto c1 = QObject::connect(&dlg.MainPlayer(), &CMediaPlayer::frameShown, &loop,
                                     [&] { check(front, dlg.MainView()); });
    const auto c2 = QObject::connect(&dlg.SecondPlayer(), &CMediaPlayer::frameShown, &loop,
                                     [&] { check(rear, dlg.SecondView()); });
    QTimer::singleShot(kDeadlineMs, &loop, &QEventLoop::quit);
    clock.start();
    dlg.SeekPairBy(target - dlg.MainPlayer().GetPosition());
    loop.exec();
    const double elapsed = clock.nsecsElapsed() / 1e6;
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    if (front && rear)
        return elapsed;
    std::fprintf(stderr, "seek_bench: seek to frame %d: front %s, rear %s (showing %d and %d, at %.3f and %.3f)\n",
                 frame, front ? "shown" : "not shown", rear ? "shown" : "not shown", ShownFrame(dlg.MainView()),
                 ShownFrame(dlg.SecondView()), dlg.MainPlayer().GetPosition(), dlg.SecondPlayer().GetPosition());
    return -1;
}

// True once mpv sends `id`; false when it sends nothing more by the deadline.
bool WaitFor(mpv_handle* mpv, mpv_event_id id)
{
    const double seconds = kDeadlineMs / 1000.0;
    mpv_event* e = mpv_wait_event(mpv, seconds);
    while (e->event_id != id && e->event_id != MPV_EVENT_NONE)
        e = mpv_wait_event(mpv, seconds);
    return e->event_id == id;
}

// One libmpv player as mpv itself is set up, rendering its frames in software
// at the video's own size.
class MpvPlayer {
public:
    explicit MpvPlayer(const QString& file)
    {
        if (!mpv_)
            return;
        for (const auto& [name, value] :
             {std::pair{"vo", "libmpv"}, std::pair{"ao", "null"}, std::pair{"pause", "yes"}, std::pair{"hr-seek", "yes"},
              std::pair{"keep-open", "yes"}, std::pair{"video-timing-offset", "0"}, std::pair{"hwdec", "auto-safe"}})
            mpv_set_option_string(mpv_, name, value);
        mpv_render_param create[] = {{MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        if (mpv_initialize(mpv_) < 0 || mpv_render_context_create(&render_, mpv_, create) < 0)
            return;
        mpv_render_context_set_update_callback(
            render_, [](void* self) { static_cast<MpvPlayer*>(self)->updated_ = true; }, this);
        const QByteArray path = file.toUtf8();
        const char* load[] = {"loadfile", path.constData(), nullptr};
        std::int64_t w = 0, h = 0;
        if (mpv_command(mpv_, load) < 0 || !WaitFor(mpv_, MPV_EVENT_VIDEO_RECONFIG))
            return;
        mpv_get_property(mpv_, "dwidth", MPV_FORMAT_INT64, &w);
        mpv_get_property(mpv_, "dheight", MPV_FORMAT_INT64, &h);
        size_[0] = static_cast<int>(w);
        size_[1] = static_cast<int>(h);
        stride_ = static_cast<std::size_t>(w) * 4;
        pixels_.resize(stride_ * static_cast<std::size_t>(h));
        restarted_ = drawn_ = false;
        ready_ = w > 0 && h > 0;
    }
    ~MpvPlayer()
    {
        if (render_)
            mpv_render_context_free(render_);
        if (mpv_)
            mpv_terminate_destroy(mpv_);
    }
    // Whether mpv opened the file and knows its picture's size.
    bool Ready() const { return ready_; }

    void Seek(double target)
    {
        const QByteArray at = QByteArray::number(target, 'f', 6);
        const char* seek[] = {"seek", at.constData(), "absolute+exact", nullptr};
        restarted_ = drawn_ = false;
        mpv_command(mpv_, seek);
    }

    // Draws what mpv has handed over (it holds a seek back until the frame
    // before it has been drawn); true once the seek has restarted playback
    // and its frame is drawn.
    bool Shown()
    {
        if (restarted_ && drawn_)
            return true;
        if (RenderPending())
            drawn_ = restarted_;
        for (mpv_event* e = mpv_wait_event(mpv_, 0); e->event_id != MPV_EVENT_NONE; e = mpv_wait_event(mpv_, 0))
            restarted_ = restarted_ || e->event_id == MPV_EVENT_PLAYBACK_RESTART;
        // The frame the seek stopped on may have been drawn just before the restart came.
        if (restarted_ && !updated_)
            drawn_ = drawn_ || !(mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME);
        return restarted_ && drawn_;
    }

private:
    bool RenderPending()
    {
        if (!updated_.exchange(false) || !(mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME))
            return false;
        mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, size_},
                                     {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>("bgr0")},
                                     {MPV_RENDER_PARAM_SW_STRIDE, &stride_},
                                     {MPV_RENDER_PARAM_SW_POINTER, pixels_.data()},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        mpv_render_context_render(render_, params);
        return true;
    }

    mpv_handle* mpv_ = mpv_create();
    mpv_render_context* render_ = nullptr;
    std::atomic<bool> updated_{false};
    bool restarted_ = false, drawn_ = false, ready_ = false;
    int size_[2] = {0, 0};
    std::size_t stride_ = 0;
    std::vector<unsigned char> pixels_;
};

// mpv's exact seeks of the files, all at once (as mpv seeking the front file
// alone, or two mpv windows showing the pair), timed from the seek until
// every file's frame is drawn.
class MpvGroup {
public:
    explicit MpvGroup(const QStringList& files)
    {
        ready_ = true;
        for (const QString& file : files) {
            players_.push_back(std::make_unique<MpvPlayer>(file));
            ready_ = ready_ && players_.back()->Ready();
        }
        ready_ = ready_ && UntilShown();
    }
    // Whether every file opened and showed its first frame.
    bool Ready() const { return ready_; }

    // Milliseconds, or -1 when a file's frame was not drawn by the deadline.
    double Seek(double target)
    {
        QElapsedTimer clock;
        clock.start();
        for (auto& player : players_)
            player->Seek(target);
        if (!UntilShown())
            return -1;
        return clock.nsecsElapsed() / 1e6;
    }

private:
    bool UntilShown()
    {
        QElapsedTimer waited;
        waited.start();
        for (bool all = false; !all; std::this_thread::sleep_for(std::chrono::microseconds(500))) {
            if (waited.elapsed() > kDeadlineMs)
                return false;
            all = true;
            for (auto& player : players_)
                all = player->Shown() && all;
        }
        return true;
    }
    bool ready_ = false;
    std::vector<std::unique_ptr<MpvPlayer>> players_;
};

}  // namespace

void Report(const char* what, const std::vector<double>& ours, const std::vector<double>& mpv)
{
    std::printf("  against %s: median %.1f ms, slowest %.1f ms; ratio of medians %.2f\n", what, Median(mpv),
                *std::max_element(mpv.begin(), mpv.end()), Median(ours) / Median(mpv));
}

// A seek that one side did not show by the deadline: no figure is printed.
int Missed(double target, double ours, double mpvFront, double mpvPair)
{
    std::string sides;
    for (const auto& [ms, side] : {std::pair{ours, "DualDash"}, std::pair{mpvFront, "mpv (front alone)"},
                                   std::pair{mpvPair, "mpv (front and rear)"}})
        if (ms < 0)
            sides += (sides.empty() ? "" : ", ") + std::string(side);
    std::fprintf(stderr, "seek_bench: the seek to %.3f s was not shown within %d ms by %s\n", target, kDeadlineMs,
                 sides.c_str());
    return 1;
}

int Measure(CPlayerDlg& dlg)
{
    dlg.TogglePair();  // paused, as a user looking for a moment
    QTest::qWait(500);
    if (dlg.MainPlayer().GetState() != Paused || dlg.SecondPlayer().GetState() != Paused) {
        std::fputs("seek_bench: the pair did not pause\n", stderr);
        return 1;
    }
    const std::vector<double> targets = Targets(dlg.MainPlayer().GetDuration());
    const QString front = dlg.MainPlayer().FileName(), rear = dlg.SecondPlayer().FileName();
    MpvGroup mpvFrontAlone({front}), mpvBoth({front, rear});
    if (!mpvFrontAlone.Ready() || !mpvBoth.Ready()) {
        std::fputs("seek_bench: mpv did not open and show the pair\n", stderr);
        return 1;
    }
    // Each target sought by all three in turn: the same moment of the machine for each.
    std::vector<double> ours, mpvFront, mpvPair;
    for (double target : targets) {
        ours.push_back(DualDashSeek(dlg, target));
        mpvFront.push_back(mpvFrontAlone.Seek(target));
        mpvPair.push_back(mpvBoth.Seek(target));
        if (ours.back() < 0 || mpvFront.back() < 0 || mpvPair.back() < 0)
            return Missed(target, ours.back(), mpvFront.back(), mpvPair.back());
    }
    std::printf("%d seeks: DualDash, both views on the target frame: median %.1f ms, slowest %.1f ms "
                "(the front view alone: median %.1f ms)\n",
                kSeeks, Median(ours), *std::max_element(ours.begin(), ours.end()), Median(frontTimes));
    Report("mpv's exact seek of the front file, drawn", ours, mpvFront);
    Report("mpv's exact seeks of the front and rear files at once, both drawn", ours, mpvPair);
    return 0;
}

int main(int argc, char** argv)
{
    return RunOnPair(argc, argv, Measure);
}
