// Any bytes as an imported text file: decoding, header removal and line splitting.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "batch/AccountTextFile.h"
#include "batch/TextFileDecoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nomvera::batch;
    const std::string text =
        TextFileDecoding::ToLocal(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto accounts = AccountTextFile::ReadAccounts(text, "http://127.0.0.1:38765/", 1000);
    for (const std::string& account : accounts) {
        // An account is never empty and never holds a line break pair.
        if (account.empty() || account.find("\r\n") != std::string::npos) __builtin_trap();
    }
    return 0;
}
