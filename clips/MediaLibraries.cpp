#include "MediaLibraries.h"

extern "C" {
#include <libavutil/log.h>
}

void SilenceMediaLibraries() { av_log_set_level(AV_LOG_ERROR); }
