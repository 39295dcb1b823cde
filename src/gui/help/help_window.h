#pragma once

// The help window: the help page of the open language, beside the program, scrolled to the
// section of the calculator the user came from. It is made for one showing: the opener sets
// the topic, shows it modally and destroys it, so each showing reads the catalogue afresh.

#include <QDialog>

#include <string>

#include "core/grid/services.h"
#include "core/i18n/catalogue.h"

class QPushButton;
class QTextBrowser;
class QWidget;

namespace orvanta {

class TFrmHelp : public QDialog {
    Q_OBJECT

public:
    TFrmHelp(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);
    ~TFrmHelp() override;

    // 1 to 5 choose a section (see HelpAnchor); anything else opens the page at its top.
    void SetHelpTopic(int topic) { m_help_topic = topic; }
    int HelpTopic() const { return m_help_topic; }

    // Where the last showing went: a plain path with the anchor appended.
    const std::string& Target() const { return m_target; }
    QTextBrowser* WebBrowser1() const { return m_browser; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    Services& m_services;
    const Catalogue& m_catalogue;
    int m_help_topic = 0;
    std::string m_target;

    QTextBrowser* m_browser = nullptr;
    QWidget* m_panel = nullptr;
    QPushButton* m_exit = nullptr;
};

}  // namespace orvanta
