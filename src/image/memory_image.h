// The program's copy of the radio's memory, byte for byte: index n is address n.
#pragma once

#include <array>
#include <cstdint>

#include "image/memory_map.h"

namespace rse {

using MemoryImage = std::array<std::uint8_t, kImageSize>;

// The model code the radio reports, from its `ModelCode` area (high byte first).
inline std::uint16_t ModelCodeOf(const MemoryImage& image) {
    std::uint16_t code = 0;
    for (int a = mem::kModelCode.address; a < mem::kModelCode.End(); ++a)
        code = static_cast<std::uint16_t>(code << 8 | image[static_cast<std::size_t>(a)]);
    return code;
}

inline int MmsiEntryCount(const MemoryImage& image) {
    return image[mem::kMmsiEntryCount.address];
}

}  // namespace rse
