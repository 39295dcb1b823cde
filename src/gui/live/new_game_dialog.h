#pragma once

// The new-game dialog of the live window: the game's date, start time and name.
// Ok asks the ledger to create the empty record and closes only when it did;
// the caller then refills the list. The texts are fixed, not looked up. F1
// opens the help through the opener the live window hands over.

#include <QDialog>
#include <QString>

#include <functional>

#include "gui/widgets/control_table.h"

class QDateEdit;
class QLineEdit;

namespace orvanta {

class LiveLedger;
struct Services;

// The dialog's controls.
const ControlTable<NoPage>& NewGameControls();

class NewGameDialog : public QDialog {
    Q_OBJECT

public:
    NewGameDialog(Services& services, LiveLedger& ledger,
                  std::function<void(QWidget* owner)> open_help, QWidget* parent = nullptr);
    ~NewGameDialog() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayOut();
    // Today's date and the time of day now.
    void StartFromNow();
    void OnOk();
    void OnCancel();
    // False after reporting a start time with a required digit missing; the
    // focus is then back in the time box.
    bool TimeMayBeLeft();
    void CheckTimeAfterFocusMoved();

    Services& m_services;
    LiveLedger& m_ledger;
    std::function<void(QWidget* owner)> m_open_help;
    Controls<> m_controls;
    QDateEdit* m_date = nullptr;
    QLineEdit* m_time = nullptr;
    QLineEdit* m_name = nullptr;
    // What the time box held when it took the focus: Escape goes back to it.
    QString m_time_on_entry;
};

}  // namespace orvanta
