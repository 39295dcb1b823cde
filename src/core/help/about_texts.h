#pragma once

// The About box's texts, put together from the language catalogue, the program file's
// version strings and the vendor's fields; and the two addresses its links open.

#include <string>

#include "core/i18n/catalogue.h"
#include "core/update/version_info.h"

namespace orvanta {

// What the About box's captions say.
namespace about_captions {
inline constexpr CatalogueText kTitle{"FrmHelp", "About", "About"};
inline constexpr CatalogueText kTelephone{"FrmHelp", "Tel", "Tel"};
inline constexpr CatalogueText kMobile{"FrmHelp", "Mobile", "Mobile"};
inline constexpr CatalogueText kEmail{"FrmHelp", "eMail", "eMail"};
inline constexpr CatalogueText kWarning{"FrmHelp", "Warning", "Warning"};
inline constexpr CatalogueText kVersion{"FrmHelp", "Version", "Version"};
inline constexpr CatalogueText kCopyright{"FrmHelp", "Copyright", "Copyright"};
inline constexpr CatalogueText kOk{"FrmHelp", "OK", "&OK"};
}  // namespace about_captions

struct AboutTexts {
    std::string caption;    // "About"
    std::string telephone;  // "Tel (+30) ..."
    std::string mobile;     // "Mobile: ..."
    std::string email_caption;
    std::string email;  // the mail link's text, which is also where mail goes
    std::string warning;
    std::string version;    // "Version: 2.3.2.55"
    std::string copyright;  // "Copyright: <short name> 2008-2026"
    std::string ok;         // "&OK"
};

// `program` is the running program file's version info; a missing string leaves its part
// empty ("Version: ").
AboutTexts MakeAboutTexts(const Catalogue& catalogue, const VersionInfo& program);

// The vendor's home page, whatever the web link shows.
std::string HomePageUrl();

// A new mail to `address` (the mail link's text when clicked), subject filled in.
std::string MailUrl(const std::string& address);

}  // namespace orvanta
