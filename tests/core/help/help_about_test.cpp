#include <gtest/gtest.h>

#include <string>

#include "common/temp_folder.h"
#include "core/help/about_texts.h"
#include "core/help/help_target.h"
#include "core/update/vendor.h"

namespace orvanta {
namespace {

using testing::TempFolder;

TEST(HelpTarget, EachTopicHasItsAnchor) {
    const std::pair<int, const char*> cases[] = {
        // clang-format off
        {0,   ""},
        {1,   "#parlay"},
        {2,   "#arbitrage"},
        {3,   "#probability"},
        {4,   "#oddscalc"},
        {5,   "#liveorvanta"},
        {6,   "#betslip"},
        {7,   ""},
        {255, ""},
        {-1,  ""},
        // clang-format on
    };
    for (const auto& [topic, anchor] : cases) {
        EXPECT_EQ(HelpTarget("/opt/orvanta/", "/opt/orvanta/Orvanta_EN.ini",
                             static_cast<HelpTopic>(topic)),
                  std::string("/opt/orvanta/Orvanta_ENHelp.htm") + anchor)
            << topic;
    }
}

TEST(HelpTarget, OnlyTheLanguageFilesBaseNameCounts) {
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/orvanta/Orvanta_GR.ini", "Orvanta_GRHelp.htm"},
        {"/home/me/elsewhere/Orvanta_GR.ini", "Orvanta_GRHelp.htm"},
        {"C:\\Program Files\\Orvanta\\Orvanta_EN.ini", "Orvanta_ENHelp.htm"},
        {"C:\\mixed/up\\Orvanta_EN.ini", "Orvanta_ENHelp.htm"},
        {"Orvanta_EN.ini", "Orvanta_ENHelp.htm"},
        {"/opt/orvanta/Orvanta_EN", "Help.htm"},    // no "." at all
        {"/opt/orvanta.d/Orvanta_EN", "Help.htm"},  // a dot in the folder does not count
        {"/opt/orvanta/Orvanta.EN.v2.ini", "OrvantaHelp.htm"},
        {"/opt/orvanta/.ini", "Help.htm"},
        {"", "Help.htm"},
    };
    for (const auto& [catalogue, page] : cases) {
        EXPECT_EQ(HelpTarget("/opt/orvanta/", catalogue, kHelpArbitrage),
                  std::string("/opt/orvanta/") + page + "#arbitrage")
            << catalogue;
    }
}

TEST(AboutTexts, DefaultsVendorAndVersion) {
    VersionInfo program;
    program.file_version = "2.3.2.55";
    program.legal_copyright = "2008-2026";
    const AboutTexts about = MakeAboutTexts(Catalogue(), program);
    EXPECT_EQ(about.caption, "About");
    EXPECT_EQ(about.telephone, std::string("Tel ") + vendor::kTelephone);
    EXPECT_EQ(about.mobile, std::string("Mobile: ") + vendor::kMobile);
    EXPECT_EQ(about.email_caption, "eMail");
    EXPECT_EQ(about.email, vendor::kEmail);
    EXPECT_EQ(about.warning, "Warning");
    EXPECT_EQ(about.version, "Version: 2.3.2.55");
    EXPECT_EQ(about.copyright, std::string("Copyright: ") + vendor::kShortName + " 2008-2026");
    EXPECT_EQ(about.ok, "&OK");

    const AboutTexts bare = MakeAboutTexts(Catalogue(), VersionInfo{});
    EXPECT_EQ(bare.version, "Version: ");
    EXPECT_EQ(bare.copyright, std::string("Copyright: ") + vendor::kShortName + " ");
}

TEST(AboutTexts, CaptionsFromTheCatalogue) {
    TempFolder folder;
    folder.Write("Orvanta_GR.ini",
                 "[FrmHelp]\r\nAbout=Σχετικά\r\nTel=Τηλ\r\nMobile=Κινητό\r\neMail=Ηλ. ταχ.\r\n"
                 "Warning=Προσοχή\r\nVersion=Έκδοση\r\nCopyright=Πνευματικά\r\nOK=&Εντάξει\r\n");
    VersionInfo program;
    program.file_version = "2.3.2.55";
    const AboutTexts about = MakeAboutTexts(Catalogue(folder / "Orvanta_GR.ini"), program);
    EXPECT_EQ(about.caption, "Σχετικά");
    EXPECT_EQ(about.telephone, std::string("Τηλ ") + vendor::kTelephone);
    EXPECT_EQ(about.mobile, std::string("Κινητό: ") + vendor::kMobile);
    EXPECT_EQ(about.email_caption, "Ηλ. ταχ.");
    EXPECT_EQ(about.warning, "Προσοχή");
    EXPECT_EQ(about.version, "Έκδοση: 2.3.2.55");
    EXPECT_EQ(about.copyright, std::string("Πνευματικά: ") + vendor::kShortName + " ");
    EXPECT_EQ(about.ok, "&Εντάξει");
}

TEST(AboutTexts, LinkAddresses) {
    EXPECT_EQ(HomePageUrl(), std::string("http://") + vendor::kWebServer + "/home.html");
    EXPECT_EQ(MailUrl("info@example.com"), "mailto:info@example.com?Subject=Orvanta&Body=");
}

}  // namespace
}  // namespace orvanta
