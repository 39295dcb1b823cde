#pragma once

// The About box's texts, put together from the language catalogue, the program file's
// version strings and the vendor's fields; and the two addresses its links open.

#include <string>

#include "core/i18n/catalogue.h"
#include "core/update/version_info.h"

namespace orvanta {

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
AboutTexts MakeAboutTexts(const Catalogue& catalogue, const TVersionInfo& program);

// The vendor's home page, whatever the web link shows.
std::string HomePageUrl();

// A new mail to `address` (the mail link's text when clicked), subject filled in.
std::string MailUrl(const std::string& address);

}  // namespace orvanta
