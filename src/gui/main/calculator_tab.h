#pragma once

// The main window and its pages.
//
// MainWindow owns the language catalogue, the menu and the two command buttons;
// each of its four pages is a CalculatorTab that binds one page of the core (a
// struct of grids and box texts with its clear and calculate operations) to
// widgets. Calculate and Clear reach the page in front; a page copies what the
// user typed into its struct, runs the core operation, and shows what it left,
// also when the operation stopped part-way on an error.

#include <QWidget>

#include "core/base/services.h"
#include "core/help/help_target.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

class CalculatorTab : public QWidget {
    Q_OBJECT

public:
    CalculatorTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr)
        : QWidget(parent), m_services(services), m_catalogue(catalogue) {}

    // The page's own clear and calculate operations.
    virtual void Clear() = 0;
    virtual void Calculate() = 0;
    // Sets every caption from the catalogue again; page data stays.
    virtual void Caption() = 0;
    // The section of the help page about the page.
    virtual orvanta::HelpTopic HelpTopic() const = 0;
    // Where typing starts when the page is in front at start-up.
    virtual QWidget* FirstInput() const = 0;

    // Controls on which Enter moves the focus to the next control.
    virtual QList<QWidget*> EnterMovesFocus() const { return {}; }

protected:
    Services& m_services;
    const Catalogue& m_catalogue;
};

}  // namespace orvanta
