#pragma once

// The About box: the program's logo, version and copyright, the vendor's telephone numbers
// and two links, one to the vendor's home page and one that starts a mail to the vendor.
// Made for one showing; its texts come from MakeAboutTexts each time it is shown.

#include <QDialog>

#include "core/grid/services.h"
#include "core/i18n/catalogue.h"

class QLabel;
class QPushButton;

namespace orvanta {

class TAboutDlgS : public QDialog {
    Q_OBJECT

public:
    TAboutDlgS(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);
    ~TAboutDlgS() override;

    // The two links: the home page whatever Label4 shows; a mail to whatever Label5 shows.
    void Label4Click();
    void Label5Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    QLabel* AddLabel(const char* name, int left, int top);

    Services& m_services;
    const Catalogue& m_catalogue;

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
