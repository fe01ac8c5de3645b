// PNG files through libpng's whole-image interface, which keeps no state between calls.
#include <png.h>

#include <cstring>

#include "tools/aaxhost/window/png_file.h"

namespace aaxhost {
namespace {

constexpr size_t kBytesPerPixel = 3;

}  // namespace

bool WritePngFile(const std::string& path, const WindowImage& image, std::string& error) {
    std::vector<png_byte> rgb(image.pixels.size() * kBytesPerPixel);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        rgb[i * kBytesPerPixel] = static_cast<png_byte>(image.pixels[i] >> 16);
        rgb[i * kBytesPerPixel + 1] = static_cast<png_byte>(image.pixels[i] >> 8);
        rgb[i * kBytesPerPixel + 2] = static_cast<png_byte>(image.pixels[i]);
    }
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    if (png_image_write_to_file(&png, path.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
        error = path + ": " + png.message;
        return false;
    }
    return true;
}

bool ReadPngFile(const std::string& path, WindowImage& image, std::string& error) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str()) == 0) {
        error = path + ": " + png.message;
        return false;
    }
    png.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr) == 0) {
        error = path + ": " + png.message;
        png_image_free(&png);
        return false;
    }
    image.width = static_cast<int32_t>(png.width);
    image.height = static_cast<int32_t>(png.height);
    image.pixels.resize(static_cast<size_t>(png.width) * png.height);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = uint32_t{rgb[i * kBytesPerPixel]} << 16 |
                          uint32_t{rgb[i * kBytesPerPixel + 1]} << 8 | rgb[i * kBytesPerPixel + 2];
    }
    return true;
}

}  // namespace aaxhost
