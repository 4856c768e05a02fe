#include "FrameRenderer.h"

#include <chrono>
#include <cstdlib>
#include <mpv/client.h>
#include <mpv/render.h>

void FrameBuffer::Ensure(QSize size)
{
    if (image.size() == size && memory)
        return;
    // Rows on 64-byte boundaries let the scaler take its fast paths.
    const std::size_t stride = (static_cast<std::size_t>(size.width()) * 4 + 63) & ~std::size_t(63);
    memory.reset(static_cast<unsigned char*>(std::aligned_alloc(64, stride * static_cast<std::size_t>(size.height()))),
                 std::free);
    image = QImage(memory.get(), size.width(), size.height(), static_cast<qsizetype>(stride), QImage::Format_RGB32);
}

FrameRenderer::FrameRenderer(mpv_handle* mpv, std::function<void()> frameReady) : frameReady_(std::move(frameReady))
{
    int advanced = 0;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
                                 {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (!mpv || mpv_render_context_create(&render_, mpv, params) < 0) {
        render_ = nullptr;
        return;
    }
    thread_ = std::thread([this] { Run(); });
    mpv_render_context_set_update_callback(render_, [](void* self) {
        auto* renderer = static_cast<FrameRenderer*>(self);
        std::lock_guard lock(renderer->mutex_);
        renderer->updated_ = true;
        renderer->wake_.notify_one();
    }, this);
}

FrameRenderer::~FrameRenderer()
{
    if (!render_)
        return;
    mpv_render_context_set_update_callback(render_, nullptr, nullptr);
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        wake_.notify_one();
    }
    thread_.join();
    mpv_render_context_free(render_);
}

void FrameRenderer::SetSize(QSize size)
{
    std::lock_guard lock(mutex_);
    size_ = size;
}

bool FrameRenderer::DrawNow(int timeoutMs)
{
    if (!render_)
        return false;
    std::unique_lock lock(mutex_);
    const std::uint64_t before = serial_;
    redraw_ = true;
    wake_.notify_one();
    return drawn_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return serial_ != before; });
}

bool FrameRenderer::TakeFrame(FrameBuffer& into)
{
    std::lock_guard lock(mutex_);
    if (!fresh_)
        return false;
    std::swap(into, ready_);
    fresh_ = false;
    return true;
}

// Takes every frame libmpv hands over (it holds the file back until it is
// taken), and draws it at the size asked for.
void FrameRenderer::Run()
{
    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return stop_ || updated_ || redraw_; });
        if (stop_)
            return;
        const bool force = redraw_;
        updated_ = redraw_ = false;
        QSize size = size_;
        lock.unlock();
        const bool frame = mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME;
        if (!(frame || force))
            continue;
        if (size.isEmpty())
            size = QSize(2, 2);  // nowhere to show it yet, but libmpv waits for the frame to be taken
        if (!Draw(size))
            continue;
        lock.lock();
        std::swap(back_, ready_);
        fresh_ = true;
        ++serial_;
        drawn_.notify_all();
        lock.unlock();
        if (frameReady_)
            frameReady_();
    }
}

bool FrameRenderer::Draw(QSize size)
{
    back_.Ensure(size);
    int sizeParam[2] = {size.width(), size.height()};
    std::size_t stride = static_cast<std::size_t>(back_.image.bytesPerLine());
    int block = 0;  // never sleep until the frame's display time
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, sizeParam},
                                 {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>("bgr0")},
                                 {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                 {MPV_RENDER_PARAM_SW_POINTER, back_.memory.get()},
                                 {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    return mpv_render_context_render(render_, params) >= 0;
}
