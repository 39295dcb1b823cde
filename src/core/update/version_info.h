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
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta {

struct TVersionInfo {
    std::string CompanyName;
    std::string FileDescription;
    std::string FileVersion;
    std::string InternalName;
    std::string LegalCopyright;
    std::string LegalTradeMarks;
    std::string OriginalFilename;
    std::string ProductName;
    std::string ProductVersion;
    std::string Comments;
};

// The ten names, in the order of TVersionInfo.
inline constexpr std::array<const char*, 10> kVersionStringNames = {
    "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
    "LegalTradeMarks", "OriginalFilename", "ProductName", "ProductVersion", "Comments"};

inline constexpr const char* kVersionSectionName = ".versioninfo";

// Never fails: a missing file, a file of another kind or a damaged block gives
// ten empty strings.
TVersionInfo ReadVersionInfo(const std::string& file_name);

// The same over bytes already in memory (a whole PE or ELF file).
TVersionInfo ReadVersionInfoFromBytes(std::string_view file_bytes);

// The strings of a bare VS_VERSIONINFO block.
TVersionInfo ParseVersionResource(std::string_view block);

// Random access to a file's bytes without reading it all.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Exactly `count` bytes at `offset`, or false when they are not all there.
    virtual bool Read(std::uint64_t offset, std::size_t count, std::string& out) const = 0;
};

TVersionInfo ReadVersionInfoFrom(const ByteSource& source);

}  // namespace orvanta
