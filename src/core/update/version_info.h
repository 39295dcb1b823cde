#pragma once

// Support services: version info, the update check, release staging, help and
// About.
//
// Version info is read from the program files themselves: a Windows program
// carries a VS_VERSIONINFO block among its PE resources; our Linux program
// carries the same block in an ELF section of its own (".versioninfo"), built
// from the CMake project version and the vendor's fields. ReadVersionInfo finds
// the block in either and answers the ten strings of the "040904E4" string
// table; anything else gives ten empty strings.

#include <array>
#include <string>
#include <string_view>

namespace orvanta {

// The ten strings of a version block.
struct VersionInfo {
    std::string company_name;
    std::string file_description;
    std::string file_version;
    std::string internal_name;
    std::string legal_copyright;
    std::string legal_trademarks;
    std::string original_filename;
    std::string product_name;
    std::string product_version;
    std::string comments;
};

// The names the block gives them, in the order of VersionInfo.
inline constexpr std::array<const char*, 10> kVersionStringNames = {
    "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
    "LegalTradeMarks", "OriginalFilename", "ProductName", "ProductVersion", "Comments"};

inline constexpr const char* kVersionSectionName = ".versioninfo";

// Never fails: a missing file, a file of another kind or a damaged block gives
// ten empty strings.
VersionInfo ReadVersionInfo(const std::string& file_name);

// The same over bytes already in memory (a whole PE or ELF file).
VersionInfo ReadVersionInfoFromBytes(std::string_view file_bytes);

// The strings of a bare VS_VERSIONINFO block.
VersionInfo ParseVersionResource(std::string_view block);

}  // namespace orvanta
