#include "JpegWriter.h"

#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>

namespace {

// libjpeg's standard error manager ends the process on an error; this one
// returns to the writer instead, so a full disk is a failed capture.
struct ErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf returnPoint;
};

void ReturnOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->returnPoint, 1);
}

void Silent(j_common_ptr, int) {}

// mkstemp makes its file for the owner alone; a picture gets what the user's
// umask gives any new file.
mode_t CurrentUmask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// Compresses `rgb` (width x 3 bytes a row, top row first) into `file`.
bool Compress(std::FILE* file, const QImage& rgb)
{
    jpeg_compress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = ReturnOnError;
    errors.standard.emit_message = Silent;
    if (setjmp(errors.returnPoint)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 80, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

int WriteJpeg(const std::string& path, const QImage& picture)
{
    if (picture.isNull() || path.empty())
        return 0;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    // Written beside the target under a name of its own and renamed into
    // place: a failure leaves no half file, and no other file is touched.
    std::string partial = path + ".XXXXXX";
    const int descriptor = mkstemp(partial.data());
    if (descriptor < 0)
        return 0;
    fchmod(descriptor, 0666 & ~CurrentUmask());
    std::FILE* file = fdopen(descriptor, "wb");
    if (!file) {
        close(descriptor);
        std::error_code ec;
        std::filesystem::remove(partial, ec);
        return 0;
    }
    const bool compressed = Compress(file, rgb);
    const bool flushed = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0 && flushed;
    std::error_code ec;
    if (!compressed || !closed || (std::filesystem::rename(partial, path, ec), ec)) {
        std::filesystem::remove(partial, ec);
        return 0;
    }
    return 1;
}
