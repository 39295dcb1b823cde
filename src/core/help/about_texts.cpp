#include "core/help/about_texts.h"

#include "core/update/vendor.h"

namespace orvanta {

AboutTexts MakeAboutTexts(const Catalogue& catalogue, const TVersionInfo& program) {
    auto text = [&catalogue](const char* key, const char* default_text) {
        return catalogue.ReadString("FrmHelp", key, default_text);
    };
    AboutTexts about;
    about.caption = text("About", "About");
    about.telephone = text("Tel", "Tel") + " " + vendor::kTelephone;
    about.mobile = text("Mobile", "Mobile") + ": " + vendor::kMobile;
    about.email_caption = text("eMail", "eMail");
    about.email = vendor::kEmail;
    about.warning = text("Warning", "Warning");
    about.version = text("Version", "Version") + ": " + program.FileVersion;
    about.copyright =
        text("Copyright", "Copyright") + ": " + vendor::kShortName + " " + program.LegalCopyright;
    about.ok = text("OK", "&OK");
    return about;
}

std::string HomePageUrl() {
    return std::string("http://") + vendor::kWebServer + "/home.html";
}

std::string MailUrl(const std::string& address) {
    return "mailto:" + address + "?Subject=Orvanta&Body=";
}

}  // namespace orvanta
