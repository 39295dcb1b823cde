// Version info from any file: a PE image, an ELF file, or a bare version block.
// Nothing may crash, read out of bounds or hang; the strings are valid UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/i18n/utf8.h"
#include "core/update/version_info.h"
#include "fuzz/fuzz_support.h"

using orvanta::fuzz::Check;

namespace {

void CheckStrings(const orvanta::VersionInfo& info) {
    for (const std::string* s :
         {&info.company_name, &info.file_description, &info.file_version, &info.internal_name,
          &info.legal_copyright, &info.legal_trademarks, &info.original_filename,
          &info.product_name, &info.product_version, &info.comments}) {
        Check(orvanta::IsValidUtf8(*s), "version string is not UTF-8");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckStrings(orvanta::ReadVersionInfoFromBytes(bytes));
    CheckStrings(orvanta::ParseVersionResource(bytes));
    return 0;
}
