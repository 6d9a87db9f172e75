// libFuzzer target: any bytes given to the SVG importer end in a document or an io::Error,
// never in a crash, a hang or a sanitizer report; a document it returns exports again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "io/io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> warnings;
    try {
        auto document = kelvo::io::importSvg(text, &warnings, "fuzz.svg");
        kelvo::io::exportSvg(*document);
        kelvo::io::exportJson(*document);
    } catch (const kelvo::io::Error&) {
    }
    return 0;
}
