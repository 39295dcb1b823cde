#pragma once

// The help window: the help page of the open language, in the data folder, scrolled to the
// section of the calculator the user came from. It is made for one showing: the opener sets
// the topic, shows it modally and destroys it, so each showing reads the catalogue afresh.

#include <QDialog>

#include "core/base/services.h"
#include "core/i18n/catalogue.h"
#include "gui/widgets/window_controls.h"

class QTextBrowser;

namespace orvanta {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    HelpWindow(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // 1 to 5 choose a section (see HelpAnchor); anything else opens the page at its top.
    void SetHelpTopic(int topic) { m_help_topic = topic; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnShowing();

    Services& m_services;
    const Catalogue& m_catalogue;
    int m_help_topic = 0;
    WindowControls m_controls;

    QTextBrowser* m_browser = nullptr;
};

}  // namespace orvanta
