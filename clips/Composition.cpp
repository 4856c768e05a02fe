#include "Composition.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>

namespace {

int Even(double value) { return std::max(2, static_cast<int>(value / 2 + 0.5) * 2); }

PictureSize ScaledToHeight(PictureSize size, int height)
{
    return {Even(static_cast<double>(size.width) * height / std::max(size.height, 1)), height};
}

PictureSize ScaledToWidth(PictureSize size, int width)
{
    return {width, Even(static_cast<double>(size.height) * width / std::max(size.width, 1))};
}

}  // namespace

Placement PlacePictures(PictureSize main, PictureSize other, ClipLayout layout, int height)
{
    Placement p;
    // At the source's size, the larger camera's sets the height: a rear camera
    // swapped into the large picture is not shown smaller than it is.
    const int sourceHeight = std::max(main.height, other.height);
    p.large = ScaledToHeight(main, Even(height > 0 ? height : sourceHeight));
    p.clip = p.large;
    p.margin = Even(p.large.height / 40.0);
    if (other.width <= 0 || other.height <= 0)
        return p;
    switch (layout) {
    case ClipLayout::PictureInPicture:
        // As the player's small view: a third of the width, in the corner
        // away from the overlay's text.
        p.other = ScaledToWidth(other, Even(p.large.width / 3.0));
        p.otherX = p.large.width - p.other.width - p.margin;
        p.otherY = p.large.height - p.other.height - p.margin;
        break;
    case ClipLayout::SideBySide:
        p.other = ScaledToHeight(other, p.large.height);
        p.otherX = p.large.width;
        p.clip.width = p.large.width + p.other.width;
        break;
    case ClipLayout::Stacked:
        p.other = ScaledToWidth(other, p.large.width);
        p.otherY = p.large.height;
        p.clip.height = p.large.height + p.other.height;
        break;
    }
    return p;
}

namespace {

std::string SourceArguments(PictureSize size, AVPixelFormat format)
{
    return "video_size=" + std::to_string(size.width) + "x" + std::to_string(size.height) +
           ":pix_fmt=" + std::to_string(static_cast<int>(format)) + ":time_base=" + std::to_string(kClipTimeBase.num) +
           "/" + std::to_string(kClipTimeBase.den) + ":pixel_aspect=1/1";
}

std::string Size(PictureSize size) { return std::to_string(size.width) + ":" + std::to_string(size.height); }

// The main picture scaled and padded to the clip's size, the other laid over
// it: the overlay follows the main camera's pictures, holding the other's
// latest, so the clip has the main camera's frame rate whatever the other's.
std::string GraphText(const Placement& p, bool two)
{
    std::string text = "[in0]scale=" + Size(p.large) + ",format=yuv420p";
    if (p.clip.width != p.large.width || p.clip.height != p.large.height)
        text += ",pad=" + Size(p.clip) + ":0:0:black";
    if (!two)
        return text + "[out]";
    return text + "[m];[in1]scale=" + Size(p.other) + ",format=yuv420p[s];[m][s]overlay=x=" + std::to_string(p.otherX) +
           ":y=" + std::to_string(p.otherY) + ":eof_action=pass,format=yuv420p[out]";
}

AVFilterInOut* Link(const char* name, AVFilterContext* filter, AVFilterInOut* next)
{
    AVFilterInOut* link = avfilter_inout_alloc();
    link->name = av_strdup(name);
    link->filter_ctx = filter;
    link->pad_idx = 0;
    link->next = next;
    return link;
}

}  // namespace

bool Composition::Build(const Placement& placement, const SourcePictures& main, const SourcePictures& other,
                        std::string& error)
{
    graph_.reset(avfilter_graph_alloc());
    const bool two = placement.other.width > 0;
    auto fail = [&error](const std::string& what, int e) {
        error = what + ": " + AvErrorText(e);
        return false;
    };
    int e = avfilter_graph_create_filter(&sources_[0], avfilter_get_by_name("buffer"), "in0",
                                         SourceArguments(main.size, main.format).c_str(), nullptr, graph_.get());
    if (e < 0)
        return fail("the main camera's pictures", e);
    if (two) {
        e = avfilter_graph_create_filter(&sources_[1], avfilter_get_by_name("buffer"), "in1",
                                         SourceArguments(other.size, other.format).c_str(), nullptr, graph_.get());
        if (e < 0)
            return fail("the other camera's pictures", e);
    }
    if ((e = avfilter_graph_create_filter(&sink_, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr,
                                          graph_.get())) < 0)
        return fail("the clip's pictures", e);
    AVFilterInOut* outputs = Link("in0", sources_[0], two ? Link("in1", sources_[1], nullptr) : nullptr);
    AVFilterInOut* inputs = Link("out", sink_, nullptr);
    e = avfilter_graph_parse_ptr(graph_.get(), GraphText(placement, two).c_str(), &inputs, &outputs, nullptr);
    avfilter_inout_free(&inputs);
    avfilter_inout_free(&outputs);
    if (e < 0 || (e = avfilter_graph_config(graph_.get(), nullptr)) < 0)
        return fail("the composition", e);
    return true;
}

bool Composition::Push(int input, AVFrame* frame, std::string& error)
{
    if (!sources_[input])
        return true;
    if (int e = av_buffersrc_add_frame(sources_[input], frame); e < 0) {
        error = "composing the pictures: " + AvErrorText(e);
        return false;
    }
    return true;
}

FramePtr Composition::Pull(std::string& error)
{
    FramePtr frame = NewFrame();
    const int e = av_buffersink_get_frame(sink_, frame.get());
    if (e == 0)
        return frame;
    if (e == AVERROR_EOF)
        ended_ = true;
    else if (e != AVERROR(EAGAIN))
        error = "composing the pictures: " + AvErrorText(e);
    return nullptr;
}
