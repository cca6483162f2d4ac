#include "engine/printing/PictureFiles.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(PictureFiles, EveryNameEndsInJpg) {
    const std::pair<const char*, const char*> cases[] = {
        {"/tmp/Muster.png", "/tmp/Muster.jpg"},
        {"/tmp/Muster", "/tmp/Muster.jpg"},
        {"/tmp/Muster.jpg", "/tmp/Muster.jpg"},
        {"/tmp/a.b/Muster.JPEG", "/tmp/a.b/Muster.jpg"},
    };
    for (const auto& [chosen, expected] : cases) {
        EXPECT_EQ(JpegPathFor(chosen), std::filesystem::path(expected)) << chosen;
    }
}

} // namespace
} // namespace qv
