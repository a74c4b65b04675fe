// Decodes arbitrary 4096-byte images; encoding the decoded model over the same image and
// decoding again must give the same model.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "image/codec.h"
#include "report/printed_report.h"
#include "report/text_report.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const rse::Configuration fresh = rse::test::NewDocument().config;
    rse::MemoryImage image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());
    rse::Configuration config = fresh;
    rse::DecodeImage(image, config);
    (void)rse::MakeTextImage(config, image);
    (void)rse::LayoutPrintedReport(config, image);

    rse::MemoryImage encoded = image;
    rse::EncodeImage(config, encoded);
    rse::Configuration again = fresh;
    rse::DecodeImage(encoded, again);
    if (!(again == config)) std::abort();
    return 0;
}
