#include "TextOverlay.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/opt.h>
}

#include <algorithm>
#include <filesystem>

namespace {

// DejaVu comes with every desktop and with the program's own dependencies;
// without it fontconfig picks a sans-serif.
std::string FontOption()
{
    const char* bold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    return std::filesystem::exists(bold) ? std::string("fontfile=") + bold : "font=Sans\\:style=Bold";
}

}  // namespace

bool TextOverlay::Build(const Placement& placement, std::string& error)
{
    graph_.reset(avfilter_graph_alloc());
    fontSize_ = std::max(12, placement.large.height / 28);
    const std::string margin = std::to_string(placement.margin);
    const std::string source = "video_size=" + std::to_string(placement.clip.width) + "x" +
                               std::to_string(placement.clip.height) + ":pix_fmt=" +
                               std::to_string(static_cast<int>(AV_PIX_FMT_YUV420P)) + ":time_base=1/90000";
    const std::string text = FontOption() + ":text=.:expansion=none:fontsize=" + std::to_string(fontSize_) +
                             ":fontcolor=white:line_spacing=" + std::to_string(fontSize_ / 4) +
                             ":box=1:boxcolor=black@0.6:boxborderw=" + std::to_string(fontSize_ / 3) + ":x=" + margin +
                             ":y=h-th-" + margin;
    int e = avfilter_graph_create_filter(&source_, avfilter_get_by_name("buffer"), "in", source.c_str(), nullptr, graph_.get());
    if (e >= 0)
        e = avfilter_graph_create_filter(&text_, avfilter_get_by_name("drawtext"), "info", text.c_str(), nullptr, graph_.get());
    if (e >= 0)
        e = avfilter_graph_create_filter(&sink_, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr, graph_.get());
    if (e >= 0)
        e = avfilter_link(source_, 0, text_, 0);
    if (e >= 0)
        e = avfilter_link(text_, 0, sink_, 0);
    if (e >= 0)
        e = avfilter_graph_config(graph_.get(), nullptr);
    if (e < 0) {
        error = "the overlay's text: " + AvErrorText(e);
        return false;
    }
    shown_ = ".";
    return true;
}

FramePtr TextOverlay::Draw(FramePtr frame, const std::string& text, std::string& error)
{
    // The filter reads its text at every picture (expansion off), so new
    // text goes straight into its option: starting it again would load the
    // font each time, and leaks in this FFmpeg.
    if (text != shown_) {
        if (int e = av_opt_set(text_, "text", text.empty() ? " " : text.c_str(), AV_OPT_SEARCH_CHILDREN); e < 0) {
            error = "the overlay's text: " + AvErrorText(e);
            return nullptr;
        }
        shown_ = text;
    }
    if (int e = av_buffersrc_add_frame(source_, frame.get()); e < 0) {
        error = "the overlay's text: " + AvErrorText(e);
        return nullptr;
    }
    FramePtr drawn = NewFrame();
    if (int e = av_buffersink_get_frame(sink_, drawn.get()); e < 0) {
        error = "the overlay's text: " + AvErrorText(e);
        return nullptr;
    }
    return drawn;
}
