// Feeds arbitrary bytes to the configuration file reader, then writes the result and reads it
// back: what is written settles after one round and then reads back exactly.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/config_file.h"
#include "image/codec.h"
#include "report/text_report.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const rse::test::NewDocument doc;
    const rse::Configuration& fresh = doc.config;
    rse::Configuration config = fresh;
    rse::ApplyConfigText(std::string_view(reinterpret_cast<const char*>(data), size), config);
    rse::MemoryImage encoded = doc.image;
    rse::EncodeImage(config, encoded);
    (void)rse::MakeTextImage(config, encoded);

    // Writing and reading again settles after one round. (A text the reader cut to 127
    // characters is written with its marker and so loses one more character once; a
    // directory MMSI that starts with the marker loses it once.)
    rse::Configuration once = fresh;
    rse::ApplyConfigText(rse::ComposeConfigFile(config), once);
    const std::string settled = rse::ComposeConfigFile(once);
    rse::Configuration twice = fresh;
    rse::ApplyConfigText(settled, twice);
    if (rse::ComposeConfigFile(twice) != settled) std::abort();
    return 0;
}
