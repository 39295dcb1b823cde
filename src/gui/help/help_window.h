#pragma once

// The help window: the help page of the open language, in the data folder, scrolled to the
// section of the calculator the user came from. It is made for one showing: the opener sets
// the topic, shows it modally and destroys it, so each showing reads the catalogue afresh.

#include <QDialog>

#include "core/base/services.h"
#include "core/help/help_target.h"
#include "core/i18n/catalogue.h"
#include "gui/widgets/control_table.h"

class QTextBrowser;

namespace orvanta {

// The window's controls.
const ControlTable<NoPage>& HelpWindowControls();

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    HelpWindow(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // A calculator's topic or the live window's chooses its section (see HelpAnchor);
    // anything else opens the page at its top.
    void SetHelpTopic(HelpTopic topic) { m_help_topic = topic; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnShowing();

    Services& m_services;
    const Catalogue& m_catalogue;
    HelpTopic m_help_topic = kHelpTop;
    Controls<> m_controls;

    QTextBrowser* m_browser = nullptr;
};

}  // namespace orvanta
