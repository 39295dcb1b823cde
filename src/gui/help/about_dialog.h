#pragma once

// The About box: the program's logo, version and copyright, the vendor's telephone numbers
// and two links, one to the vendor's home page and one that starts a mail to the vendor;
// each opens on a click, or on Enter or Space once Tab has reached it.
// Made for one showing; its texts come from MakeAboutTexts each time it is shown.

#include <QDialog>

#include "core/base/services.h"
#include "core/i18n/catalogue.h"
#include "gui/widgets/control_table.h"

class QLabel;
class QPushButton;

namespace orvanta {

// The box's controls.
const ControlTable<NoPage>& AboutBoxControls();

class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);
    ~AboutBox() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnShowing();
    // The two links: the home page whatever the web link shows; a mail to whatever the
    // mail link shows.
    void OnHomePageLink();
    void OnMailLink();
    bool OnLinkEvent(QLabel* label, QEvent* event);
    void AddLogo();
    QLabel* AddLabel(const char* control, int left, int top);
    // The web and mail labels drawn and clicked as links.
    void MakeLinks();

    Services& m_services;
    const Catalogue& m_catalogue;
    Controls<> m_controls;

    QWidget* m_panel = nullptr;
    QLabel* m_icon = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_copyright = nullptr;
    QLabel* m_web = nullptr;
    QLabel* m_telephone = nullptr;
    QLabel* m_mobile = nullptr;
    QLabel* m_email_caption = nullptr;
    QLabel* m_email = nullptr;
    QLabel* m_warning = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace orvanta
