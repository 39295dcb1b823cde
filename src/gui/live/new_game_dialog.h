#pragma once

// The new-game dialog of the live window: the game's date, start time and name.
// Ok asks the ledger to create the empty record and closes only when it did;
// the caller then refills the list. The texts are fixed, not looked up. F1
// opens the help through the opener the live window hands over.

#include <QDialog>
#include <QString>

#include <functional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvanta {

class LiveLedger;
struct Services;

class TFrmLiveOrvantaNewGame : public QDialog {
    Q_OBJECT

public:
    TFrmLiveOrvantaNewGame(Services& services, LiveLedger& ledger,
                           std::function<void(QWidget* owner)> open_help,
                           QWidget* parent = nullptr);
    ~TFrmLiveOrvantaNewGame() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    // False after reporting a start time with a required digit missing; the
    // focus is then back in meTime.
    bool TimeMayBeLeft();
    void CheckTimeAfterFocusMoved();

    Services& m_services;
    LiveLedger& m_ledger;
    std::function<void(QWidget* owner)> m_open_help;
    QLabel* Label1 = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* meTime = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* edAgona = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    // What meTime held when it took the focus: Escape goes back to it.
    QString m_time_on_entry;
};

}  // namespace orvanta
