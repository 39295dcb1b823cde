#include "monkey/monkey.h"

#include "core/base/paths.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QtGlobal>

#include <cstdio>
#include <exception>

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace orvanta::monkey {

namespace {

QStringList& Escapes() {
    static QStringList escapes;
    return escapes;
}

// The monkey whose steps are running, for the report a sanitizer makes
// before it ends the process, and for the Qt messages of a step.
Monkey* g_running = nullptr;
StepLog* g_running_log = nullptr;
QString g_running_header;
QStringList* g_running_faults = nullptr;
QtMessageHandler g_previous_handler = nullptr;

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (g_running_log && type == QtWarningMsg) {
        g_running_log->Note(QStringLiteral("Qt warning: ") + message);
        return;
    }
    if (g_running_faults && (type == QtCriticalMsg || type == QtFatalMsg)) {
        *g_running_faults << QStringLiteral("Qt reported: ") + message;
    }
    if (g_previous_handler) {
        g_previous_handler(type, context, message);
    }
}

QHash<QString, QString> BoxTexts(QWidget* window) {
    QHash<QString, QString> texts;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (!box->objectName().isEmpty()) {
            texts.insert(box->objectName(), box->text());
        }
    }
    return texts;
}

// A sanitizer report ends the process without unwinding; the runtimes call a
// death callback first. GCC links AddressSanitizer and UBSan as two runtimes,
// each with its own callback, so every runtime loaded is given it.
using SetDeathCallback = void (*)(void (*)());

int GiveDeathCallback(dl_phdr_info* info, std::size_t, void* callback) {
    const char* name = info->dlpi_name;
    if (name && std::strstr(name, "san")) {
        if (void* library = dlopen(name, RTLD_NOW | RTLD_NOLOAD)) {
            if (auto set = reinterpret_cast<SetDeathCallback>(
                    dlsym(library, "__sanitizer_set_death_callback"))) {
                set(reinterpret_cast<void (*)()>(callback));
            }
            dlclose(library);
        }
    }
    return 0;
}

void SetSanitizerDeathCallback(void (*callback)()) {
    // A runtime linked into the program itself (clang's).
    if (auto set = reinterpret_cast<SetDeathCallback>(
            dlsym(RTLD_DEFAULT, "__sanitizer_set_death_callback"))) {
        set(callback);
    }
    dl_iterate_phdr(&GiveDeathCallback, reinterpret_cast<void*>(callback));
}

// Each seed draws its decimal separator, so that both are run.
char SeparatorOf(std::uint64_t seed) {
    return Rng(seed ^ 0x5EB5EB5EB5EB5EB5ull).Percent(50) ? '.' : ',';
}

}  // namespace

bool MonkeyApplication::notify(QObject* receiver, QEvent* event) {
    const auto escaped = [&](const QString& what) {
        Escapes() << QStringLiteral("%1 escaped to the event loop from %2 (event %3)")
                         .arg(what, receiver
                                        ? QString::fromLatin1(receiver->metaObject()->className())
                                        : QStringLiteral("nothing"))
                         .arg(static_cast<int>(event->type()));
    };
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        escaped(QStringLiteral("the exception \"%1\"").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        escaped(QStringLiteral("an exception of unknown type"));
    }
    return false;
}

QStringList MonkeyApplication::TakeEscapes() {
    return std::exchange(Escapes(), {});
}

Monkey::Monkey(const char* window, std::uint64_t seed)
    : m_window(window),
      m_seed(seed),
      m_master(seed),
      m_prompter(m_log, m_folder.Path()),
      m_platform(m_folder.Path()),
      m_services{m_prompter, m_platform, SeparatorOf(seed), &m_disk} {
#ifdef ORVANTA_PROGRAM_FILE
    // The built program, so that captions show its version.
    m_platform.program_file = ORVANTA_PROGRAM_FILE;
#endif
    m_modal_timer.setInterval(5);
    QObject::connect(&m_modal_timer, &QTimer::timeout, [this] { OnModalTick(); });
}

Monkey::~Monkey() {
    if (g_running == this) {
        g_running = nullptr;
        g_running_log = nullptr;
        g_running_faults = nullptr;
    }
}

void Monkey::Settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

bool Monkey::Run(int steps, const QDeadlineTimer& deadline) {
    g_running = this;
    g_running_log = &m_log;
    g_running_faults = &m_faults;
    g_running_header = QStringLiteral("%1 window, seed %2").arg(m_window).arg(m_seed);
    g_previous_handler = qInstallMessageHandler(OnQtMessage);
    SetSanitizerDeathCallback(&Monkey::PrintOnDeath);
    m_modal_timer.start();
    struct Restore {
        QTimer& timer;
        ~Restore() {
            timer.stop();
            qInstallMessageHandler(g_previous_handler);
            g_running_log = nullptr;
            g_running_faults = nullptr;
        }
    } restore{m_modal_timer};

    m_prompter.SetChance(&m_step);
    if (!m_started) {
        m_started = true;
        m_step = Rng(m_master.Next());
        Start();
        m_actions = Actions();
        Settle();
    }
    for (int n = 0; n < steps && !deadline.hasExpired(); ++n) {
        m_step_number = m_log.Steps() + 1;
        m_step = Rng(m_master.Next());
        const Action& action = m_step.Weighted(m_actions);
        m_log.Begin(m_step_number, QString::fromUtf8(action.name));
        QWidget* const window_before = Window();
        const QHash<QString, QString> texts_before = BoxTexts(window_before);
        m_touched.clear();
        m_disk.StartStep();
        m_before_failure.clear();
        m_failure_armed = false;
        const int errors_before = m_prompter.ErrorsShown();
        action.run();
        Settle();
        FollowUserBoxes(window_before, texts_before);
        AfterStep();
        Settle();
        // The desktop gives the window back its activation (and so its focused
        // control the keys) when a window it opened closes; offscreen, no one does.
        if (QWidget* window = Window(); window && !window->isActiveWindow()) {
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window)) {
                AddFault(QStringLiteral("the window cannot be made active again"));
            }
        }

        QStringList faults = std::exchange(m_faults, {});
        CheckFailedWrites(errors_before, faults);
        faults += MonkeyApplication::TakeEscapes();
        faults += m_prompter.TakeFaults();
        Check(faults);
        if (!faults.isEmpty()) {
            m_failure = Report(m_step_number, faults);
            std::fprintf(stderr, "%s\n", qPrintable(m_failure));
            return false;
        }
    }
    return true;
}

void Monkey::CheckFailedWrites(int errors_before, QStringList& faults) {
    // What each file's last write of the step left.
    std::map<std::string, bool> last_failed;
    bool any_failed = false;
    for (const MonkeyDisk::Write& write : m_disk.writes) {
        last_failed[write.path] = write.failed;
        any_failed = any_failed || write.failed;
    }
    if (any_failed && m_prompter.ErrorsShown() == errors_before) {
        faults << QStringLiteral("a write failed and no error was reported");
    }
    for (const auto& [path, failed] : last_failed) {
        if (!failed) {
            m_behind.erase(path);
            continue;
        }
        m_behind.insert(path);
        const QString name = QString::fromStdString(FileNameOf(path));
        // A file the snapshot does not hold was not there.
        const auto found = m_before_failure.find(path);
        const std::optional<std::string> before =
            found == m_before_failure.end() ? std::nullopt : found->second;
        const std::optional<std::string> now =
            FileExists(path) ? std::optional<std::string>(ReadFileBytes(path, 1 << 24))
                             : std::nullopt;
        if (m_failure_armed && now != before) {
            faults << QStringLiteral("the failed write of %1 %2")
                          .arg(name, before ? QStringLiteral("changed what it held")
                                            : QStringLiteral("left a file behind"));
        }
        const std::string leftover = "." + FileNameOf(path) + ".~";
        for (const std::string& file : FilesIn(FolderOf(path))) {
            if (file.compare(0, leftover.size(), leftover) == 0) {
                faults << QStringLiteral("the failed write of %1 left %2 behind")
                              .arg(name, QString::fromStdString(file));
            }
        }
    }
}

void Monkey::FollowUserBoxes(QWidget* window_before, const QHash<QString, QString>& texts_before) {
    if (Window() != window_before) {
        m_user_boxes.clear();
        return;
    }
    for (QLineEdit* box : Window()->findChildren<QLineEdit*>()) {
        const QString name = box->objectName();
        if (name.isEmpty() || texts_before.value(name) == box->text()) {
            continue;
        }
        if (m_touched.contains(box)) {
            if (!m_user_boxes.contains(name)) {
                m_user_boxes << name;
            }
        } else {
            m_user_boxes.removeAll(name);
        }
    }
}

void Monkey::OnModalTick() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || m_handling.contains(dialog)) {
        return;
    }
    // Handled from a timer of its own: a timer does not fire again while its
    // slot runs, and a dialog may open another one while it is handled.
    m_handling.insert(dialog);
    QTimer::singleShot(0, &m_modal_timer, [this, dialog, guard = QPointer<QDialog>(dialog)] {
        if (guard) {
            const QString kind = QString::fromLatin1(guard->metaObject()->className());
            Note(QStringLiteral("%1 opens").arg(kind));
            if (!HandleModal(guard)) {
                AddFault(QStringLiteral("a %1 \"%2\" opened, a window the program never shows: "
                                        "something asked the user behind the prompter's back")
                             .arg(kind, guard ? guard->windowTitle() : QString()));
            }
            if (guard && guard->isVisible()) {
                guard->close();
            }
        }
        m_handling.remove(dialog);
    });
}

QString Monkey::Report(int step, const QStringList& faults) const {
    QString report =
        QStringLiteral("monkey: the %1 window, seed %2, step %3 broke what must hold:\n")
            .arg(m_window)
            .arg(m_seed)
            .arg(step);
    for (const QString& fault : faults) {
        report += QStringLiteral("  - ") + fault + QLatin1Char('\n');
    }
    report += QStringLiteral("replay: make monkey WINDOW=%1 SEED=%2 STEPS=%3\n")
                  .arg(m_window)
                  .arg(m_seed)
                  .arg(step);
    report += QStringLiteral("the last steps:\n  ") + m_log.Last().join(QStringLiteral("\n  "));
    return report;
}

void Monkey::PrintOnDeath() {
    if (!g_running_log) {
        return;
    }
    const QString steps = g_running_log->Last().join(QStringLiteral("\n  "));
    std::fprintf(stderr,
                 "monkey: a sanitizer ended the run of the %s at step %d\n"
                 "replay: make monkey WINDOW=%s SEED=%llu STEPS=%d\nthe last steps:\n  %s\n",
                 qPrintable(g_running_header), g_running->m_step_number, g_running->m_window,
                 static_cast<unsigned long long>(g_running->m_seed), g_running->m_step_number,
                 qPrintable(steps));
}

}  // namespace orvanta::monkey
