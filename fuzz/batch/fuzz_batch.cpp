// The batch protocol of vesmark-format: any input lines give exactly one
// response line each.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/batch.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream out;
    if (vesmark::cli::RunBatch(in, out, 4096) != 0) std::abort();
    std::size_t requests = 0;
    for (char c : input) requests += c == '\n';
    if (!input.empty() && input.back() != '\n') ++requests;
    std::size_t responses = 0;
    for (char c : out.str()) responses += c == '\n';
    if (responses != requests) std::abort();
    return 0;
}
