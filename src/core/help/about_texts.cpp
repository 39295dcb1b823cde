#include "core/help/about_texts.h"

#include "core/update/vendor.h"

namespace orvanta {

AboutTexts MakeAboutTexts(const Catalogue& catalogue, const VersionInfo& program) {
    namespace captions = about_captions;
    AboutTexts about;
    about.caption = catalogue.Read(captions::kTitle);
    about.telephone = catalogue.Read(captions::kTelephone) + " " + vendor::kTelephone;
    about.mobile = catalogue.Read(captions::kMobile) + ": " + vendor::kMobile;
    about.email_caption = catalogue.Read(captions::kEmail);
    about.email = vendor::kEmail;
    about.warning = catalogue.Read(captions::kWarning);
    about.version = catalogue.Read(captions::kVersion) + ": " + program.file_version;
    about.copyright = catalogue.Read(captions::kCopyright) + ": " + vendor::kShortName + " " +
                      program.legal_copyright;
    about.ok = catalogue.Read(captions::kOk);
    return about;
}

std::string HomePageUrl() {
    return std::string("http://") + vendor::kWebServer + "/home.html";
}

std::string MailUrl(const std::string& address) {
    return "mailto:" + address + "?Subject=Orvanta&Body=";
}

}  // namespace orvanta
