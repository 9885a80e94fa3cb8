// Feeds arbitrary bytes to the JPEG decoder: it must either decode them or
// raise JpegError, never crash, read out of bounds or end the program.
#include "platform/jpeg_decoder.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const DecodedJpeg image =
            DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
        if (image.Rgb.size() != image.RowBytes() * static_cast<std::size_t>(image.Height)) {
            __builtin_trap();
        }
    } catch (const JpegError&) {
    }
    return 0;
}
