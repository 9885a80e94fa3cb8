#pragma once

#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <vector>

// A decoded picture: Height rows of Width pixels, three bytes (red, green,
// blue) per pixel, rows stored top first without padding.
struct DecodedJpeg {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Rgb;

    std::size_t RowBytes() const { return static_cast<std::size_t>(Width) * 3; }
};

// Raised for bytes that are no complete, decodable JPEG picture.
class JpegError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Pictures larger than this are refused before any pixel memory is taken.
constexpr long long MaxJpegPixels = 16LL * 1024 * 1024;

// Decodes JPEG bytes with libjpeg. Any error libjpeg reports, a warning about
// corrupt or truncated data included, raises JpegError; libjpeg never ends
// the program and prints nothing.
DecodedJpeg DecodeJpeg(std::string_view bytes);
