#pragma once

// Windows program files made byte by byte, for tests of the version reader and
// of the update check: a minimal PE image whose only section holds a resource
// directory with one RT_VERSION entry.

#include <string>

#include "core/update/version_resource.h"

namespace orvanta::testing {

// A bare VS_VERSIONINFO block of these fields.
std::string BuildVersionResource(const VersionSpec& fields);

// A PE file around a ready VS_VERSIONINFO block (PE32, or PE32+ when wide).
std::string BuildPeFile(const std::string& version_block, bool wide = false);

// A PE file whose FileVersion string is `file_version` (and whose fixed
// version numbers follow it where they parse).
std::string BuildVersionedPe(const std::string& file_version,
                             const std::string& legal_copyright = "2008-2026");

}  // namespace orvanta::testing
