#include "platform/jpeg_decoder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string Banner() {
    return ReadFile(QM_RESOURCES_DIR "/banner.jpg");
}

TEST(JpegDecoder, DecodesTheBannerToRgbRows) {
    const DecodedJpeg banner = DecodeJpeg(Banner());
    EXPECT_EQ(banner.Width, 617);
    EXPECT_EQ(banner.Height, 45);
    EXPECT_EQ(banner.RowBytes(), 617u * 3);
    ASSERT_EQ(banner.Rgb.size(), 617u * 3 * 45);
    // The banner runs from dark blue at the top to lighter blue at the bottom.
    const unsigned char* topLeft = &banner.Rgb[0];
    const unsigned char* bottomRight = &banner.Rgb[banner.Rgb.size() - 3];
    EXPECT_GT(topLeft[2], topLeft[0]);
    EXPECT_GT(bottomRight[2], topLeft[2]);
}

TEST(JpegDecoder, RefusesBrokenBytesWithAnError) {
    const std::string banner = Banner();
    std::string corrupt = banner;
    for (std::size_t i = corrupt.size() / 2; i < corrupt.size() / 2 + 64; ++i) {
        corrupt[i] = static_cast<char>(0xFF);
    }
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"not a JPEG", "GIF89a this is no JPEG at all"},
        {"start marker only", std::string("\xFF\xD8", 2)},
        {"header only", banner.substr(0, 200)},
        {"cut in the scan", banner.substr(0, banner.size() / 2)},
        {"last bytes missing", banner.substr(0, banner.size() - 2)},
        {"scan overwritten", corrupt},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(DecodeJpeg(c.bytes), JpegError) << c.name;
    }
}

TEST(JpegDecoder, ErrorCarriesLibjpegsMessage) {
    try {
        DecodeJpeg("no jpeg");
        FAIL() << "no error";
    } catch (const JpegError& error) {
        EXPECT_NE(std::string(error.what()), "");
    }
}

} // namespace
