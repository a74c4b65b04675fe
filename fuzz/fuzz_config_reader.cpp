// Feeds arbitrary bytes to the configuration file reader, then writes the result and reads it
// back: the second read must reproduce the model exactly.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/config_file.h"
#include "image/codec.h"
#include "report/text_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto [fresh, image] = [] {
        rse::Configuration c;
        rse::MemoryImage i{};
        rse::InitialiseConfiguration(c, i);
        return std::pair{c, i};
    }();
    rse::Configuration config = fresh;
    rse::ApplyConfigText(std::string_view(reinterpret_cast<const char*>(data), size), config);
    rse::MemoryImage encoded = image;
    rse::EncodeImage(config, encoded);
    (void)rse::MakeTextImage(config, encoded);

    rse::Configuration again = fresh;
    rse::ApplyConfigText(rse::ComposeConfigFile(config), again);
    if (rse::ComposeConfigFile(again) != rse::ComposeConfigFile(config)) std::abort();
    return 0;
}
