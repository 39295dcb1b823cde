// The program's own version block, made at compile time from the configured
// fields and kept in an ELF section of its own, where ReadVersionInfo finds it
// (on Windows the same fields go into a version resource instead).

#include "support/vendor.h"
#include "support/version_resource.h"

namespace {

constexpr orvanta::VersionSpec MakeSpec() {
    orvanta::VersionSpec spec;
    for (int i = 0; i < 4; ++i) {
        spec.file_version[i] = static_cast<std::uint16_t>(orvanta::vendor::kVersion[i]);
        spec.product_version[i] = static_cast<std::uint16_t>(orvanta::vendor::kVersion[i]);
    }
    spec.strings[0] = orvanta::vendor::kCompany;
    spec.strings[1] = "Orvanta betting calculators";
    spec.strings[2] = orvanta::vendor::kVersionText;
    spec.strings[3] = "Orvanta";
    spec.strings[4] = orvanta::vendor::kCopyrightYears;
    spec.strings[6] = ORVANTA_ORIGINAL_FILENAME;
    spec.strings[7] = "Orvanta";
    spec.strings[8] = orvanta::vendor::kVersionText;
    return spec;
}

constexpr orvanta::VersionBlob kBlob = orvanta::BuildVersionBlob(MakeSpec());
static_assert(!kBlob.overflow, "version block too large");

}  // namespace

#if defined(__ELF__)
[[gnu::section(".versioninfo"), gnu::used]] const std::array<unsigned char, kBlob.size>
    kOrvantaVersionBlock = orvanta::VersionBlobBytes<kBlob.size>(kBlob);
#endif
