#include "files/image_file.h"

#include <algorithm>
#include <cerrno>

namespace rse {

IoResult LoadImageFile(const std::string& path, MemoryImage& image) {
    std::string data;
    IoResult r = ReadWholeFile(path, data, kImageSize);
    if (!r.ok && r.errorNumber == EFBIG) {
        return IoResult::Failure(EINVAL, "Not a memory image: the file is longer than " +
                                             std::to_string(kImageSize) + " bytes");
    }
    if (!r.ok) return r;
    if (data.size() != kImageSize) {
        return IoResult::Failure(EINVAL, "Not a memory image: the file holds " +
                                             std::to_string(data.size()) + " bytes, not " +
                                             std::to_string(kImageSize));
    }
    std::transform(data.begin(), data.end(), image.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return {};
}

IoResult SaveImageFile(const std::string& path, const MemoryImage& image) {
    return WriteFileAtomic(
        path, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
}

}  // namespace rse
