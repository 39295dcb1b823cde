#pragma once

// A seeded random user for a real window. Each step draws, from the seed
// alone, what a user does next (weighted toward what users do: typing,
// clicking, pasting, the commands) and does it with real key and mouse events;
// then it checks what must always hold. Boxes the program shows are answered at
// random through the injected prompter; a modal window the program opens is
// driven or closed from a timer inside its own event loop, so nothing blocks.
//
// A run stops at the first step after which something no longer holds, and
// reports the seed, the step and the last 50 steps with what the program asked
// during them. The steps are a pure function of the seed, so the report's
// replay line repeats the run exactly.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/fake_platform.h"
#include "common/temp_folder.h"
#include "core/base/file_io.h"
#include "core/base/services.h"
#include "monkey/random_prompter.h"
#include "monkey/rng.h"
#include "monkey/step_log.h"

class QAbstractButton;
class QLineEdit;

namespace orvanta {
class GridView;
}

namespace orvanta::monkey {

// The application of a monkey run: an exception that reaches the event loop
// is caught here and becomes a fault of the step, rather than ending the run
// without a report.
class MonkeyApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
    // What escaped since the last call.
    static QStringList TakeEscapes();
};

// A disk that fails, when a step asks it to, one step of the next file write,
// and tells in order which writes of the step failed and which went through.
class MonkeyDisk : public WriteFaults {
public:
    struct Write {
        std::string path;
        bool failed;
    };

    void FailNextWrite(WriteStep step, int error) {
        m_step = step;
        m_error = error;
        m_armed = true;
    }
    void StartStep() {
        m_armed = false;
        writes.clear();
    }
    int FailAt(WriteStep step, const std::string& path) override {
        if (m_armed && step == m_step) {
            m_armed = false;
            writes.push_back({path, true});
            return m_error;
        }
        if (step == WriteStep::kRename) {
            writes.push_back({path, false});
        }
        return 0;
    }

    std::vector<Write> writes;

private:
    bool m_armed = false;
    WriteStep m_step = WriteStep::kCreate;
    int m_error = 0;
};

class Monkey {
public:
    // `window` names the window in reports and replay lines ("main", "live").
    Monkey(const char* window, std::uint64_t seed);
    virtual ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Runs `steps` steps, fewer when the deadline passes first. False when a
    // step broke something; Failure() then tells what, where and how to replay.
    bool Run(int steps, const QDeadlineTimer& deadline = QDeadlineTimer(QDeadlineTimer::Forever));

    int StepsRun() const { return m_log.Steps(); }
    // A digest of every step and every box: equal digests, equal runs.
    std::uint64_t Digest() const { return m_log.Digest(); }
    const QString& Failure() const { return m_failure; }

protected:
    struct Action {
        const char* name;
        int weight;
        std::function<void()> run;
    };

    // Opens the window; called before the first step.
    virtual void Start() = 0;
    virtual std::vector<Action> Actions() = 0;
    virtual QWidget* Window() const = 0;
    // Adds a line for everything that no longer holds.
    virtual void Check(QStringList& faults) = 0;
    // After each step, before the checks: open the window again if the step
    // closed it, as a user starts the program again.
    virtual void AfterStep() {}
    // What the window writes files for, the folders (relative to the program
    // folder) where they go, done by a step whose write the disk fails.
    virtual void ProvokeAWrite() = 0;
    virtual std::vector<std::string> DataFolders() const = 0;
    // A modal dialog came up during a step. True when it is of a kind the
    // window opens; the dialog is closed after this returns if still open.
    virtual bool HandleModal(QDialog* dialog) = 0;

    // The current step's chance.
    Rng& Chance() { return m_step; }
    void Note(const QString& line) { m_log.Note(line); }
    void AddFault(const QString& fault) { m_faults << fault; }
    // The step writes into `widget` (keys, a paste, a drop): a box whose text
    // changes then holds the user's text, not a figure of the program's.
    void Touch(QWidget* widget) { m_touched << widget; }
    // The boxes (by name) whose text the user wrote last.
    const QStringList& UserBoxes() const { return m_user_boxes; }
    // A file whose last write failed, until one goes through: what the window
    // shows is then ahead of it.
    bool IsBehind(const std::string& path) const { return m_behind.count(path) > 0; }

    const std::string& ProgramFolder() const { return m_folder.Path(); }
    testing::TempFolder& Folder() { return m_folder; }
    RandomPrompter& Prompter() { return m_prompter; }
    testing::FakePlatform& Desktop() { return m_platform; }
    Services& GetServices() { return m_services; }
    char Separator() const { return m_services.separator; }
    std::uint64_t Seed() const { return m_seed; }

    // Lets every event and timer that is due run, and deferred deletions happen.
    static void Settle();

    // What a user does in any window (common_actions.cpp): a key where the
    // keyboard is; a figure typed into a field; a paste or a drop of a nasty
    // text, into a field or wherever the focus is; a click on a control.
    void PressAKey();
    void TypeAFigure();
    void PasteSomething();
    void DropSomething();
    void ClickAControl();
    // Alt with the mnemonic of a button or a menu bar command of the window.
    void PressAMnemonic();
    bool AButtonIsDown();
    // A run of keys that move about a grid and act on its cells (arrows, Tab,
    // Home, End, the page keys, Space, Enter, a digit), with the focus in it.
    void WalkAGridByKeyboard(GridView* grid);
    // The disk fails the next write; then a step that writes.
    void AWriteFails();
    // A click somewhere on `widget`; an open menu closes first, as it does
    // when the mouse goes elsewhere.
    void ClickWidget(QWidget* widget);
    // A click (or a double click) on a cell of `grid` in view, and on a
    // button of the window when it shows.
    void ClickACellOf(GridView* grid, bool twice);
    void ClickButton(QAbstractButton* button);

private:
    // A field a user types or pastes into: a cell in view that the user may
    // edit, or a box that is not read-only.
    struct Field {
        GridView* grid = nullptr;
        int col = -1;
        int row = -1;
        QLineEdit* box = nullptr;
    };
    QList<Field> Fields() const;
    // Clicks the field (and, in a grid, perhaps opens the cell's editor as a
    // user does before pasting from its menu).
    void GoTo(const Field& field, bool open_editor);
    QString Describe(const Field& field) const;

    void CheckFailedWrites(int errors_before, QStringList& faults);
    void OnModalTick();
    void FollowUserBoxes(QWidget* window_before, const QHash<QString, QString>& texts_before);
    QString Report(int step, const QStringList& faults) const;
    static void PrintOnDeath();

    const char* m_window;
    std::uint64_t m_seed;
    Rng m_master;
    Rng m_step;
    StepLog m_log;
    testing::TempFolder m_folder;
    RandomPrompter m_prompter;
    testing::FakePlatform m_platform;
    MonkeyDisk m_disk;
    Services m_services;
    // The data files before a step whose write the disk fails (absent: none).
    std::map<std::string, std::optional<std::string>> m_before_failure;
    bool m_failure_armed = false;
    std::set<std::string> m_behind;
    bool m_started = false;
    std::vector<Action> m_actions;
    QStringList m_faults;
    QString m_failure;
    QTimer m_modal_timer;
    QSet<QDialog*> m_handling;
    QList<QWidget*> m_touched;
    QStringList m_user_boxes;
    int m_step_number = 0;
};

}  // namespace orvanta::monkey
