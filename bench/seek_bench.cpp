// How long a seek takes to show: from a seek of the pair (as a key, the seek
// bar or MPRIS asks for it) until both views show the target frame, read from
// the frame numbers burnt into the pictures; next to mpv's own exact seek on
// the same front file in the same run (libmpv rendering in software, from
// the seek until the target frame is drawn). Run: seek_bench FOLDER_WITH_ONE_PAIR
// (bench/seek_bench.sh makes the pairs and runs it).

#include "PairWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <mpv/client.h>
#include <mpv/render.h>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace {

constexpr int kSeeks = 20;
constexpr double kFrameRate = 30.0;

// Seek targets a few seconds apart over the recording, on frame boundaries.
std::vector<double> Targets(double duration)
{
    std::mt19937 random(11);
    std::vector<double> targets;
    for (int i = 0; i < kSeeks; ++i)
        targets.push_back(std::floor((1.0 + (duration - 2.0) * (random() % 1000) / 1000.0) * kFrameRate) / kFrameRate);
    return targets;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

std::vector<double> frontTimes;  // until the front view alone shows the target

std::vector<double> DualDashSeeks(CPlayerDlg& dlg, const std::vector<double>& targets)
{
    std::vector<double> times;
    for (double target : targets) {
        const int frame = static_cast<int>(std::lround(target * kFrameRate));
        QElapsedTimer clock;
        clock.start();
        dlg.SeekPairBy(target - dlg.MainPlayer().GetPosition());
        long seenMain = -1, seenRear = -1;
        bool front = false, rear = false;
        while (!(front && rear) && clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            // Read a view only when its player has put a new frame there.
            if (!front && dlg.MainPlayer().FramesShown() != seenMain) {
                seenMain = dlg.MainPlayer().FramesShown();
                front = ShownFrame(dlg.MainView()) == frame;
                if (front)
                    frontTimes.push_back(clock.nsecsElapsed() / 1e6);
            }
            if (!rear && dlg.SecondPlayer().FramesShown() != seenRear) {
                seenRear = dlg.SecondPlayer().FramesShown();
                rear = ShownFrame(dlg.SecondView()) == frame;
            }
        }
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (!(front && rear))
            std::fprintf(stderr, "seek to frame %d: front %s, rear %s\n", frame, front ? "shown" : "not shown",
                         rear ? "shown" : "not shown");
    }
    return times;
}

void WaitFor(mpv_handle* mpv, mpv_event_id id)
{
    for (mpv_event* e = mpv_wait_event(mpv, 10); e->event_id != id && e->event_id != MPV_EVENT_NONE;
         e = mpv_wait_event(mpv, 10)) {
    }
}

// mpv itself on the front file: a libmpv player rendering its frames in
// software at the video's own size, timed from the seek until the frame it
// restarts on has been rendered.
std::vector<double> MpvSeeks(const QString& file, const std::vector<double>& targets)
{
    std::vector<double> times;
    mpv_handle* mpv = mpv_create();
    for (const auto& [name, value] : {std::pair{"vo", "libmpv"}, std::pair{"ao", "null"}, std::pair{"pause", "yes"},
                                      std::pair{"hr-seek", "yes"}, std::pair{"keep-open", "yes"},
                                      std::pair{"video-timing-offset", "0"}, std::pair{"hwdec", "auto-safe"}})
        mpv_set_option_string(mpv, name, value);
    mpv_initialize(mpv);
    mpv_render_param create[] = {{MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context* render = nullptr;
    mpv_render_context_create(&render, mpv, create);
    static std::atomic<bool> updated{false};
    mpv_render_context_set_update_callback(render, [](void*) { updated = true; }, nullptr);
    const QByteArray path = file.toUtf8();
    const char* load[] = {"loadfile", path.constData(), nullptr};
    mpv_command(mpv, load);
    std::int64_t w = 0, h = 0;
    WaitFor(mpv, MPV_EVENT_VIDEO_RECONFIG);
    mpv_get_property(mpv, "dwidth", MPV_FORMAT_INT64, &w);
    mpv_get_property(mpv, "dheight", MPV_FORMAT_INT64, &h);
    int size[2] = {static_cast<int>(w), static_cast<int>(h)};
    std::size_t stride = static_cast<std::size_t>(w) * 4;
    std::vector<unsigned char> pixels(stride * static_cast<std::size_t>(h));
    // Frames are drawn as mpv hands them over (it holds a seek back until the
    // frame before it has been drawn), until the seek has restarted playback.
    auto renderPending = [&] {
        if (!updated.exchange(false) || !(mpv_render_context_update(render) & MPV_RENDER_UPDATE_FRAME))
            return false;
        mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, size},
                                     {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>("bgr0")},
                                     {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                     {MPV_RENDER_PARAM_SW_POINTER, pixels.data()},
                                     {MPV_RENDER_PARAM_INVALID, nullptr}};
        mpv_render_context_render(render, params);
        return true;
    };
    auto untilShown = [&] {
        bool restarted = false, drawn = false;
        while (!(restarted && drawn)) {
            if (renderPending())
                drawn = restarted;
            mpv_event* e = mpv_wait_event(mpv, 0.0005);
            if (e->event_id == MPV_EVENT_PLAYBACK_RESTART)
                restarted = true;
            // The frame the seek stopped on may have been drawn just before the restart came.
            if (restarted && !updated)
                drawn = drawn || !(mpv_render_context_update(render) & MPV_RENDER_UPDATE_FRAME);
        }
    };
    untilShown();
    for (double target : targets) {
        const QByteArray at = QByteArray::number(target, 'f', 6);
        const char* seek[] = {"seek", at.constData(), "absolute+exact", nullptr};
        QElapsedTimer clock;
        clock.start();
        mpv_command(mpv, seek);
        untilShown();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    mpv_render_context_free(render);
    mpv_terminate_destroy(mpv);
    return times;
}

}  // namespace

int Measure(CPlayerDlg& dlg)
{
    dlg.TogglePair();  // paused, as a user looking for a moment
    QTest::qWait(500);
    if (dlg.MainPlayer().GetState() != Paused || dlg.SecondPlayer().GetState() != Paused)
        return 1;
    const std::vector<double> targets = Targets(dlg.MainPlayer().GetDuration());
    const std::vector<double> ours = DualDashSeeks(dlg, targets);
    const std::vector<double> mpv = MpvSeeks(dlg.MainPlayer().FileName(), targets);
    std::printf("front view alone: median %.1f ms\n", Median(frontTimes));
    std::printf("%d seeks: DualDash, both views on the target frame: median %.1f ms, slowest %.1f ms; "
                "mpv's exact seek of the front file, drawn: median %.1f ms, slowest %.1f ms; ratio of medians %.2f\n",
                kSeeks, Median(ours), *std::max_element(ours.begin(), ours.end()), Median(mpv),
                *std::max_element(mpv.begin(), mpv.end()), Median(ours) / Median(mpv));
    return 0;
}

int main(int argc, char** argv)
{
    return RunOnPair(argc, argv, Measure);
}
