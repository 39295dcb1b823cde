// A seeded random user in the main window and the live window (see monkey.h).
//
// Run by ctest, it is a short pass over a fixed set of seeds, and a check that
// a seed replays exactly. `make monkey` runs it at length: it sets
// ORVANTA_MONKEY_RUN, and ORVANTA_MONKEY_SEED (the first seed; each further
// run of a window takes the next), ORVANTA_MONKEY_STEPS (steps a seed) and
// ORVANTA_MONKEY_SECONDS (the time a window gets; without it, one seed).
// ORVANTA_MONKEY_TRACE shows every step as it is taken.

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>
#include <functional>
#include <memory>

#include "gui/main/program_setup.h"
#include "monkey/live_window_monkey.h"
#include "monkey/main_window_monkey.h"

namespace orvanta::monkey {

namespace {

// The ctest pass: a few hundred steps a window, well under a minute under the
// sanitizers.
constexpr std::uint64_t kCiSeeds[] = {1, 2, 3};
constexpr int kCiSteps = 300;
constexpr int kDefaultSteps = 3000;

struct Plan {
    bool at_length = false;
    std::uint64_t first_seed = 1;
    int steps = kCiSteps;
    qint64 seconds = 0;
};

Plan PlanFromEnvironment() {
    Plan plan;
    plan.at_length = qEnvironmentVariableIsSet("ORVANTA_MONKEY_RUN");
    if (!plan.at_length) {
        return plan;
    }
    bool ok = false;
    const qulonglong seed = qEnvironmentVariable("ORVANTA_MONKEY_SEED").toULongLong(&ok);
    plan.first_seed = ok ? seed : QRandomGenerator::system()->bounded(1u, 1000000000u);
    const int steps = qEnvironmentVariableIntValue("ORVANTA_MONKEY_STEPS", &ok);
    plan.steps = ok && steps > 0 ? steps : kDefaultSteps;
    plan.seconds = qEnvironmentVariableIntValue("ORVANTA_MONKEY_SECONDS", &ok);
    if (!ok || plan.seconds < 0) {
        plan.seconds = 0;
    }
    return plan;
}

using MakeMonkey = std::function<std::unique_ptr<Monkey>(std::uint64_t seed)>;

// Runs seeds one after another until the steps of one seed are done (no time
// given) or the time is up; the first run that breaks something fails the test
// function with its report.
void RunSeeds(const char* window, const MakeMonkey& make, std::uint64_t first_seed, int steps,
              qint64 seconds) {
    QElapsedTimer clock;
    clock.start();
    const QDeadlineTimer deadline =
        seconds > 0 ? QDeadlineTimer(seconds * 1000) : QDeadlineTimer(QDeadlineTimer::Forever);
    long long total = 0;
    int seeds = 0;
    std::uint64_t seed = first_seed;
    do {
        std::unique_ptr<Monkey> monkey = make(seed);
        const bool held = monkey->Run(steps, deadline);
        total += monkey->StepsRun();
        ++seeds;
        QVERIFY2(held, qPrintable(monkey->Failure().section(QLatin1Char('\n'), 0, 0)));
        ++seed;
    } while (seconds > 0 && !deadline.hasExpired());
    std::fprintf(stderr, "monkey: the %s window: %lld steps over %d seeds from %llu in %.1f s\n",
                 window, total, seeds, static_cast<unsigned long long>(first_seed),
                 static_cast<double>(clock.elapsed()) / 1000.0);
}

std::unique_ptr<Monkey> MakeMain(std::uint64_t seed) {
    return std::make_unique<MainWindowMonkey>(seed);
}

std::unique_ptr<Monkey> MakeLive(std::uint64_t seed) {
    return std::make_unique<LiveWindowMonkey>(seed);
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private:
    void Seeds() {
        QTest::addColumn<quint64>("seed");
        if (m_plan.at_length) {
            QTest::addRow("from seed %llu", static_cast<unsigned long long>(m_plan.first_seed))
                << static_cast<quint64>(m_plan.first_seed);
            return;
        }
        for (const std::uint64_t seed : kCiSeeds) {
            QTest::addRow("seed %llu", static_cast<unsigned long long>(seed))
                << static_cast<quint64>(seed);
        }
    }

    Plan m_plan = PlanFromEnvironment();

private slots:
    void mainWindow_data() { Seeds(); }
    void mainWindow() {
        QFETCH(quint64, seed);
        RunSeeds("main", MakeMain, seed, m_plan.steps, m_plan.seconds);
    }

    void liveWindow_data() { Seeds(); }
    void liveWindow() {
        QFETCH(quint64, seed);
        RunSeeds("live", MakeLive, seed, m_plan.steps, m_plan.seconds);
    }

    // A failure report's replay line is only worth its seed if the same seed
    // does the same steps, with the same boxes answered the same way.
    void aSeedReplaysExactly_data() {
        QTest::addColumn<bool>("live");
        QTest::newRow("main window") << false;
        QTest::newRow("live window") << true;
    }
    void aSeedReplaysExactly() {
        if (m_plan.at_length) {
            QSKIP("part of the ctest pass only");
        }
        QFETCH(bool, live);
        const MakeMonkey make = live ? MakeMonkey(MakeLive) : MakeMonkey(MakeMain);
        std::uint64_t digests[2] = {};
        for (std::uint64_t& digest : digests) {
            std::unique_ptr<Monkey> monkey = make(11);
            QVERIFY2(monkey->Run(60), qPrintable(monkey->Failure()));
            digest = monkey->Digest();
        }
        QCOMPARE(digests[1], digests[0]);
    }
};

}  // namespace orvanta::monkey

int main(int argc, char* argv[]) {
    orvanta::monkey::MonkeyApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    orvanta::SetUpProgram();
    orvanta::monkey::MonkeyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "monkey_test.moc"
