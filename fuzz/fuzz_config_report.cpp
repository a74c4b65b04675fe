// Feeds arbitrary bytes to the configuration file reader and takes the result as far as the
// editor does when it opens a file: encoded into the memory image and reported. One parse per
// input, so it tries many more inputs a second than the round trip of fuzz_config_reader.
#include <cstdint>
#include <string_view>

#include "files/config_file.h"
#include "image/codec.h"
#include "report/text_report.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const rse::test::NewDocument fresh;
    rse::Configuration config = fresh.config;
    rse::ApplyConfigText(std::string_view(reinterpret_cast<const char*>(data), size), config);
    rse::MemoryImage encoded = fresh.image;
    rse::EncodeImage(config, encoded);
    (void)rse::MakeTextImage(config, encoded);
    return 0;
}
