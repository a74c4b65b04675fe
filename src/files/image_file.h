// The raw memory image file (".hex"): exactly the 4096 bytes of the image, in address order.
#pragma once

#include <string>

#include "files/disk_io.h"
#include "image/memory_image.h"

namespace rse {

// Reads the whole file first; only a file of exactly 4096 bytes replaces `image`.
IoResult LoadImageFile(const std::string& path, MemoryImage& image);
// Writes the image atomically.
IoResult SaveImageFile(const std::string& path, const MemoryImage& image);

}  // namespace rse
