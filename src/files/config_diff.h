// Comparing two configurations, or two memory images, field by field: the differences in the
// order the configuration file holds its sections and keys, and for two images also the
// bytes that no differing field explains.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/config_keys.h"
#include "image/memory_image.h"
#include "model/configuration.h"

namespace rse {

// One key whose value differs; the values exactly as the configuration file writes them.
struct FieldDifference {
    SectionId section;
    std::string key;
    std::string before;
    std::string after;
};

// One byte of the images that differs although no differing field is stored in it.
struct ByteDifference {
    int address = 0;
    std::uint8_t before = 0;
    std::uint8_t after = 0;
};

struct ConfigDifferences {
    std::vector<FieldDifference> fields;
    std::vector<ByteDifference> bytes;

    bool Empty() const { return fields.empty() && bytes.empty(); }
    std::size_t Count() const { return fields.size() + bytes.size(); }
};

ConfigDifferences CompareConfigurations(const Configuration& before, const Configuration& after);
// Decodes both images and compares their configurations; a byte that differs is listed on
// its own unless a differing field is stored in it.
ConfigDifferences CompareImages(const MemoryImage& before, const MemoryImage& after);

// "SECTION.Key: OLD -> NEW" and "image 0xAAAA: OO -> NN", one line each, in order.
std::vector<std::string> DifferenceLines(const ConfigDifferences& differences);

}  // namespace rse
