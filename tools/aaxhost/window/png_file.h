// Window images as PNG files, through the image library of the platform.
#pragma once

#include <string>

#include "tools/aaxhost/window/window_image.h"

namespace aaxhost {

// Writes `image` as an 8-bit RGB PNG; false after `error` says why.
bool WritePngFile(const std::string& path, const WindowImage& image, std::string& error);
// Reads a PNG file of any kind into `image`; false after `error` says why.
bool ReadPngFile(const std::string& path, WindowImage& image, std::string& error);

}  // namespace aaxhost
