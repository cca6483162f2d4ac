#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace qv {

// The picture as a progressive JPEG file of the given quality (clamped to 1..100). Throws
// std::runtime_error when the encoder fails.
std::vector<std::uint8_t> EncodeProgressiveJpeg(const QImage& image, int quality);

} // namespace qv
