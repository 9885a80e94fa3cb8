#include "platform/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared before it
#include <jpeglib.h>

namespace {

// libjpeg's error manager, extended with the place to jump back to. libjpeg
// is C: an error is carried out of it with longjmp and turned into an
// exception only once we are back in our own frame.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->pub.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Level -1 is a warning (corrupt or truncated data, which libjpeg would fill
// with grey); we treat it as an error. Trace messages are dropped.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0) {
        OnError(info);
    }
}

// Everything between setjmp and a longjmp back to it holds only trivially
// destructible locals, so the jump skips no destructor.
bool RunDecoder(jpeg_decompress_struct& info, ErrorManager& errors, std::string_view bytes,
                DecodedJpeg& image) {
    if (setjmp(errors.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (static_cast<long long>(info.image_width) * info.image_height > MaxJpegPixels) {
        std::snprintf(errors.message, sizeof errors.message, "Picture too large (%ux%u)",
                      info.image_width, info.image_height);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.Width = static_cast<int>(info.output_width);
    image.Height = static_cast<int>(info.output_height);
    image.Rgb.resize(image.RowBytes() * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.Rgb.data() + image.RowBytes() * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

DecodedJpeg DecodeJpeg(std::string_view bytes) {
    ErrorManager errors{};
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnError;
    errors.pub.emit_message = OnMessage;
    jpeg_decompress_struct info{};
    info.err = &errors.pub;

    DecodedJpeg image;
    bool decoded = false;
    try {
        decoded = RunDecoder(info, errors, bytes, image);
    } catch (...) {
        jpeg_destroy_decompress(&info);
        throw;
    }
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        throw JpegError(errors.message);
    }
    return image;
}
