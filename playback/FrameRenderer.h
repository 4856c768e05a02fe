#pragma once
// One libmpv engine's pictures drawn in software on a thread of their own.
// libmpv's core may wait until a frame it handed over has been drawn; a
// thread that draws must therefore never wait for the core. The window
// thread reads properties and sends commands, which wait for the core, so
// it cannot be the one that draws: when it was, a property read during a
// seek held the new picture back for libmpv's 200 ms timeout and then the
// picture was dropped, leaving the view on the old one.

#include <QImage>
#include <QSize>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

struct mpv_handle;
struct mpv_render_context;

// A picture and the aligned memory it is drawn in.
struct FrameBuffer {
    QImage image;
    std::shared_ptr<unsigned char> memory;
    void Ensure(QSize size);
};

class FrameRenderer {
public:
    // `frameReady` is called on the drawing thread after each new picture;
    // it must only queue work for another thread.
    FrameRenderer(mpv_handle* mpv, std::function<void()> frameReady);
    // Stops the thread and frees the render context; call before the engine goes.
    ~FrameRenderer();
    FrameRenderer(const FrameRenderer&) = delete;
    FrameRenderer& operator=(const FrameRenderer&) = delete;

    bool IsValid() const { return render_ != nullptr; }
    // The size pictures are drawn at from now on.
    void SetSize(QSize size);
    // Draws the current picture again at the current size and waits for it
    // (at most `timeoutMs`); false when it did not come in time.
    bool DrawNow(int timeoutMs);
    // Swaps the newest picture into `into` when one came since the last
    // take; `into`'s old buffer is drawn in again later.
    bool TakeFrame(FrameBuffer& into);

private:
    void Run();
    bool Draw(QSize size);

    mpv_render_context* render_ = nullptr;
    std::function<void()> frameReady_;
    std::mutex mutex_;
    std::condition_variable wake_, drawn_;
    bool updated_ = false, redraw_ = false, stop_ = false, fresh_ = false;
    std::uint64_t serial_ = 0;  // pictures drawn
    QSize size_;
    FrameBuffer back_;          // the drawing thread's own
    FrameBuffer ready_;         // the newest drawn, until taken
    std::thread thread_;
};
