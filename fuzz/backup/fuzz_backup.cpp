// The backup template on any template, file-name and extension texts and counter:
// the expansion ends, and a template without "%" comes back byte for byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "filepath/ComFilePathUnit.hpp"
#include "platform/clock.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const double now = in.ConsumeFloatingPoint<double>();
    vesmark::platform::SetClock([now] { return now; });
    const int counter = in.ConsumeIntegral<int>();
    const std::string name = in.ConsumeRandomLengthString(64);
    const std::string ext = in.ConsumeRandomLengthString(64);
    const std::string tmpl = in.ConsumeRemainingBytesAsString();

    const std::string out = vesmark::ExpandBackupName(tmpl, name, ext, counter);
    if (tmpl.find('%') == std::string::npos && out != tmpl) std::abort();
    return 0;
}
