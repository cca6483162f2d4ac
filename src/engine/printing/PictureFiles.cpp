#include "engine/printing/PictureFiles.h"

namespace qv {

std::filesystem::path JpegPathFor(const std::filesystem::path& chosen) {
    std::filesystem::path path = chosen;
    path.replace_extension(".jpg");
    return path;
}

} // namespace qv
