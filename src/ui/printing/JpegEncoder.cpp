#include "ui/printing/JpegEncoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace qv {
namespace {

// libjpeg ends the process on an error unless the error handler jumps back out of it.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->back, 1);
}

// Compresses rows of packed RGB; no C++ object with a destructor lives between setjmp and longjmp.
bool Compress(const std::uint8_t* rgb, int width, int height, int quality, unsigned char** out, unsigned long* size,
              char* message) {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    if (setjmp(errors.back) != 0) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(rgb + stride * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodeProgressiveJpeg(const QImage& image, int quality) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        throw std::runtime_error("Kein Bild zum Speichern.");
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(rgb.width()) * 3 * static_cast<std::size_t>(rgb.height()));
    const std::size_t stride = static_cast<std::size_t>(rgb.width()) * 3;
    for (int y = 0; y < rgb.height(); ++y) {
        std::copy_n(rgb.constScanLine(y), stride, rows.begin() + static_cast<std::ptrdiff_t>(stride * y));
    }
    unsigned char* out = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = Compress(rows.data(), rgb.width(), rgb.height(), std::clamp(quality, 1, 100), &out, &size, message);
    std::vector<std::uint8_t> bytes;
    if (ok && out != nullptr) {
        bytes.assign(out, out + size);
    }
    std::free(out);
    if (!ok) {
        throw std::runtime_error(std::string("JPEG: ") + message);
    }
    return bytes;
}

} // namespace qv
