// The program's own version block, made at compile time from the configured
// fields and kept in an ELF section of its own, where ReadVersionInfo finds it
// (on Windows the same fields go into a version resource instead).

#include "core/update/vendor.h"
#include "core/update/version_resource.h"

namespace {

constexpr orvanta::VersionSpec MakeSpec() {
    orvanta::VersionSpec fields;
    for (int i = 0; i < 4; ++i) {
        fields.file_version[i] = static_cast<std::uint16_t>(orvanta::vendor::kVersion[i]);
        fields.product_version[i] = static_cast<std::uint16_t>(orvanta::vendor::kVersion[i]);
    }
    fields.strings[0] = orvanta::vendor::kCompany;
    fields.strings[1] = "Orvanta betting calculators";
    fields.strings[2] = orvanta::vendor::kVersionText;
    fields.strings[3] = "Orvanta";
    fields.strings[4] = orvanta::vendor::kCopyrightYears;
    fields.strings[6] = ORVANTA_ORIGINAL_FILENAME;
    fields.strings[7] = "Orvanta";
    fields.strings[8] = orvanta::vendor::kVersionText;
    return fields;
}

constexpr orvanta::VersionBlob kBlob = orvanta::BuildVersionBlob(MakeSpec());
static_assert(!kBlob.overflow, "version block too large");

}  // namespace

#if defined(__ELF__)
[[gnu::section(".versioninfo"), gnu::used]] const std::array<unsigned char, kBlob.size>
    kOrvantaVersionBlock = orvanta::VersionBlobBytes<kBlob.size>(kBlob);
#endif
