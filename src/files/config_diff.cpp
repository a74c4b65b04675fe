#include "files/config_diff.h"

#include <cstdio>

#include "image/codec.h"

namespace rse {

namespace {

// Walks both configurations' sections side by side (they have the same shape).
std::vector<FieldDifference> FieldDifferences(const Configuration& a, const Configuration& b) {
    std::vector<std::vector<std::string>> values;  // per section, per key: a's value
    VisitConfigSections(a, [&](const SectionId&, auto keys, const auto& record) {
        std::vector<std::string>& section = values.emplace_back();
        for (const auto& def : keys)
            section.push_back(KeyValueText(def, record));
    });
    std::vector<FieldDifference> out;
    std::size_t s = 0;
    VisitConfigSections(b, [&](const SectionId& id, auto keys, const auto& record) {
        const std::vector<std::string>& before = values[s++];
        for (std::size_t k = 0; k < keys.size(); ++k) {
            std::string after = KeyValueText(keys[k], record);
            if (after != before[k]) out.push_back({id, keys[k].key, before[k], std::move(after)});
        }
    });
    return out;
}

Configuration Decoded(const MemoryImage& image) {
    Configuration config;
    MemoryImage scratch{};
    InitialiseConfiguration(config, scratch);
    DecodeImage(image, config);
    return config;
}

std::string Hex(unsigned value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

}  // namespace

ConfigDifferences CompareConfigurations(const Configuration& before, const Configuration& after) {
    return {FieldDifferences(before, after), {}};
}

ConfigDifferences CompareImages(const MemoryImage& before, const MemoryImage& after) {
    const Configuration a = Decoded(before);
    const Configuration b = Decoded(after);
    ConfigDifferences out{FieldDifferences(a, b), {}};
    // The bytes the differing fields are stored in: those that change when each configuration
    // is encoded over the same image.
    MemoryImage encodedA = before;
    MemoryImage encodedB = before;
    EncodeImage(a, encodedA);
    EncodeImage(b, encodedB);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (before[i] != after[i] && encodedA[i] == encodedB[i]) {
            out.bytes.push_back({static_cast<int>(i), before[i], after[i]});
        }
    }
    return out;
}

std::vector<std::string> DifferenceLines(const ConfigDifferences& differences) {
    std::vector<std::string> lines;
    for (const FieldDifference& d : differences.fields)
        lines.push_back(d.section.Name() + "." + d.key + ": " + d.before + " -> " + d.after);
    for (const ByteDifference& d : differences.bytes) {
        lines.push_back("image 0x" + Hex(static_cast<unsigned>(d.address), 4) + ": " +
                        Hex(d.before, 2) + " -> " + Hex(d.after, 2));
    }
    return lines;
}

}  // namespace rse
