// The PROBABILITY and ODDS pages through the main window, typed as a user
// types them.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/base/paths.h"
#include "core/markets/method_choice.h"
#include "gui/main/odds_tab.h"
#include "gui/main/probability_tab.h"
#include "gui/main_window_scene.h"

namespace orvanta {

using testing::CellText;
using testing::Edit;
using testing::GuiScene;
using testing::MakeWindow;
using testing::PressKey;
using testing::Recorded;
using testing::SetBox;
using testing::Type;
using testing::TypeInto;

namespace {

struct Scene {
    // With the shipped catalogues the window starts in Greek.
    explicit Scene(char separator = '.', bool with_catalogues = false) : gui(separator) {
        if (with_catalogues) {
            gui.AddCatalogues();
        }
        window = MakeWindow(gui, recorded);
    }

    bool Show(MainWindow::Page page) {
        if (!testing::ShowAndActivate(window.get())) {
            return false;
        }
        testing::Pages(*window)->setCurrentIndex(page);
        return true;
    }
    ProbabilityTab* Probability() const {
        return static_cast<ProbabilityTab*>(window->Tab(MainWindow::kProbability));
    }
    OddsTab* Odds() const { return static_cast<OddsTab*>(window->Tab(MainWindow::kOdds)); }
    void Calculate() const { testing::ClickCalculate(*window); }
    // The help's example on the ODDS page: two teams' records, a 6 % cut.
    void PriceTheHelpsMatch() const {
        const char* counts[2][3] = {{"10", "5", "5"}, {"6", "6", "8"}};
        for (int row = 1; row <= 2; ++row) {
            for (int col = 1; col <= 3; ++col) {
                TypeInto(Odds()->RecordsGrid(), col, row,
                         QString::fromLatin1(counts[row - 1][col - 1]));
            }
        }
        SetBox(Edit(*window, &OddsPage::cut_percent), QStringLiteral("6"));
        Calculate();
    }
    template <typename Page>
    QString Box(TextBox Page::*field) const {
        return Edit(*window, field)->text();
    }

    GuiScene gui;
    Recorded recorded;
    std::unique_ptr<MainWindow> window;
};

// The converter's box of each format, in the order they stand.
QList<QLineEdit*> ConverterBoxes(const QWidget& window) {
    QList<QLineEdit*> boxes;
    for (const OddsFormat format : kConverterFormats) {
        boxes << Edit(window, ConverterBox(format));
    }
    return boxes;
}

QStringList Texts(const QList<QLineEdit*>& boxes) {
    QStringList texts;
    for (const QLineEdit* box : boxes) {
        texts << box->text();
    }
    return texts;
}

QString ConverterProblem(const QWidget& window) {
    return testing::Find<QLabel>(window, OddsControls(), "price_problem")->text();
}

QStringList TeamRecordPrices(const TextGrid& prices) {
    QStringList texts;
    for (int row = OddsPage::kDecimalRow; row <= OddsPage::kProbabilityRow; ++row) {
        for (int col = 1; col <= OddsPage::kResultCols; ++col) {
            texts << CellText(prices, col, row);
        }
    }
    return texts;
}

}  // namespace

class MarketPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    void probabilityThroughTheWindow_data() {
        QTest::addColumn<char>("separator");
        QTest::addColumn<QStringList>("odds");  // "col=text", typed
        QTest::addColumn<QStringList>("shares");
        QTest::addColumn<QString>("margin");
        QTest::addColumn<QString>("return_percent");
        QTest::addColumn<QString>("cut_percent");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("error");

        // clang-format off
        QTest::newRow("a 1X2 book")              << '.' << QStringList{"0=2.10", "1=3.40", "2=3.50"}   << QStringList{"0=45.09", "1=27.85", "2=27.05"}               << "5.6"    << "94.69" << "5.31" << QStringList{}              << "";
        QTest::newRow("a fair book")             << '.' << QStringList{"0=2", "1=2"}                   << QStringList{"0=50", "1=50"}                                << "0"      << "100"   << "0"    << QStringList{}              << "";
        QTest::newRow("one outcome")             << '.' << QStringList{"0=1.5"}                        << QStringList{"0=100"}                                       << "-33.33" << "150"   << "-50"  << QStringList{}              << "";
        QTest::newRow("columns apart")           << '.' << QStringList{"2=2.10", "9=3.40", "14=3.50"}  << QStringList{"2=45.09", "9=27.85", "14=27.05", "0=", "5="}  << "5.6"    << "94.69" << "5.31" << QStringList{}              << "";
        QTest::newRow("comma typed with points") << ',' << QStringList{"0=2.10", "1=3.40", "2=3.50"}   << QStringList{"0=45,09", "1=27,85", "2=27,05"}               << "5,6"    << "94,69" << "5,31" << QStringList{}              << "";
        QTest::newRow("zero odds")               << '.' << QStringList{"0=2", "1=0"}                   << QStringList{"0=", "1="}                                    << "0"      << "0"     << "0"    << QStringList{}              << "Floating point division by zero";
        QTest::newRow("unreadable odds")         << '.' << QStringList{"0=2", "1=1..5"}                << QStringList{"0=", "1="}                                    << "0"      << "0"     << "0"    << QStringList{"Error Value"} << "Floating point division by zero";
        // clang-format on
    }

    void probabilityThroughTheWindow() {
        QFETCH(char, separator);
        QFETCH(QStringList, odds);
        QFETCH(QStringList, shares);
        QFETCH(QString, margin);
        QFETCH(QString, return_percent);
        QFETCH(QString, cut_percent);
        QFETCH(QStringList, messages);
        QFETCH(QString, error);

        Scene scene(separator);
        QVERIFY(scene.Show(MainWindow::kProbability));
        ProbabilityTab* tab = scene.Probability();
        for (const QString& entry : odds) {
            const auto parts = entry.split('=');
            TypeInto(tab->Grid(), parts[0].toInt(), 1, parts[1]);
        }
        for (const QString& message : messages) {
            scene.gui.prompter.ExpectMessage(message.toStdString());
        }
        if (!error.isEmpty()) {
            scene.gui.prompter.ExpectError(error.toStdString());
        }
        scene.Calculate();
        for (const QString& entry : shares) {
            const auto parts = entry.split('=');
            QCOMPARE(CellText(tab->Page().outcomes, parts[0].toInt(), 2), parts[1]);
        }
        QCOMPARE(scene.Box(&ProbabilityPage::margin), margin);
        QCOMPARE(scene.Box(&ProbabilityPage::return_percent), return_percent);
        QCOMPARE(scene.Box(&ProbabilityPage::cut_percent), cut_percent);
    }

    void anEmptiedOddsCellTakesItsProbabilityAlong() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kProbability));
        ProbabilityTab* tab = scene.Probability();
        TypeInto(tab->Grid(), 0, 1, QStringLiteral("2.10"));
        TypeInto(tab->Grid(), 1, 1, QStringLiteral("3.40"));
        TypeInto(tab->Grid(), 2, 1, QStringLiteral("3.50"));
        scene.Calculate();
        QCOMPARE(CellText(tab->Page().outcomes, 2, 2), QStringLiteral("27.05"));
        tab->Grid()->setFocus();
        tab->Grid()->SetCurrentCell(2, 1);
        PressKey(Qt::Key_F2);
        for (int i = 0; i < 4; ++i) {
            PressKey(Qt::Key_Backspace);
        }
        PressKey(Qt::Key_Return);
        scene.Calculate();
        QCOMPARE(CellText(tab->Page().outcomes, 2, 2), QString());
        QCOMPARE(CellText(tab->Page().outcomes, 0, 2), QStringLiteral("61.82"));
    }

    // The results are read-only, and Tab reaches them as it does every result
    // box of the program, so that a screen reader can read them out.
    void probabilityBoxesAreReadOnlyTabStopsAndEnterWraps() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kProbability));
        ProbabilityTab* tab = scene.Probability();
        for (TextBox ProbabilityPage::*box :
             {&ProbabilityPage::margin, &ProbabilityPage::return_percent,
              &ProbabilityPage::cut_percent}) {
            QVERIFY(Edit(*scene.window, box)->focusPolicy() & Qt::TabFocus);
            QVERIFY(Edit(*scene.window, box)->isReadOnly());
        }
        TypeInto(tab->Grid(), 14, 1, QStringLiteral("2"));
        QCOMPARE(tab->Grid()->CurrentCol(), 0);
    }

    // Each label of the two pages under its own caption, in Greek at start-up
    // and in English after the switch; the two pages name the bookmaker's cut
    // alike.
    void captionsFollowTheLanguage_data() {
        QTest::addColumn<bool>("odds");  // else the probability page
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("greek");
        QTest::addColumn<QString>("english");

        // clang-format off
        QTest::newRow("probability title")   << false << "title"                << "Αποτελέσματα" << "Outcomes";
        QTest::newRow("probability odds")    << false << "odds_row"             << "ΑΠΟΔΟΣΕΙΣ"    << "ODDS";
        QTest::newRow("probability row")     << false << "probability_row"      << "ΠΙΘΑΝΟΤΗΤΑ %" << "PROBABILITY %";
        QTest::newRow("probability margin")  << false << "margin_label"         << "ΠΕΡΙΘΩΡΙΟ"    << "MARGIN";
        QTest::newRow("probability return")  << false << "return_percent_label" << "ΕΠΙΣΤΡΟΦΗ %"  << "RETURN %";
        QTest::newRow("probability cut")     << false << "cut_percent_label"    << "ΓΚΑΝΙΟΤΑ %"   << "BOOK CUT %";
        QTest::newRow("odds cut")            << true  << "cut_percent_label"    << "ΓΚΑΝΙΟΤΑ %"   << "BOOK CUT %";
        QTest::newRow("fair odds")           << false << "fair_odds_row"        << "ΔΙΚΑΙΗ ΑΠΟΔΟΣΗ" << "FAIR ODDS";
        QTest::newRow("offered odds")        << false << "offered_row"          << "ΑΛΛΗ ΑΠΟΔΟΣΗ" << "OFFERED ODDS";
        QTest::newRow("edge")                << false << "edge_row"             << "ΠΛΕΟΝΕΚΤΗΜΑ %" << "EDGE %";
        QTest::newRow("kelly stake")         << false << "stake_row"            << "ΠΟΣΟ KELLY" << "KELLY STAKE";
        QTest::newRow("method")              << false << "method_label"         << "ΜΕΘΟΔΟΣ"      << "METHOD";
        QTest::newRow("bankroll")            << false << "bankroll_label"       << "ΚΕΦΑΛΑΙΟ"     << "BANKROLL";
        QTest::newRow("kelly fraction")      << false << "kelly_fraction_label" << "ΚΛΑΣΜΑ KELLY" << "KELLY FRACTION";
        QTest::newRow("total stake")         << false << "total_stake_label"    << "ΠΟΝΤΑΡΙΣΜΑ %" << "TOTAL STAKE %";
        QTest::newRow("growth")              << false << "growth_label"         << "ΑΥΞΗΣΗ %" << "GROWTH %";
        // clang-format on
    }

    void captionsFollowTheLanguage() {
        QFETCH(bool, odds);
        QFETCH(QString, label);
        QFETCH(QString, greek);
        QFETCH(QString, english);

        Scene scene('.', true);
        QVERIFY(scene.Show(MainWindow::kOdds));
        const QByteArray control = label.toLatin1();
        auto* shown =
            odds ? testing::Find<QLabel>(*scene.window, OddsControls(), control.constData())
                 : testing::Find<QLabel>(*scene.window, ProbabilityControls(), control.constData());
        QVERIFY(shown);
        QCOMPARE(shown->text(), greek);
        QCOMPARE(CellText(scene.Odds()->Page().records, 1, 0), QStringLiteral("ΝΙΚΕΣ"));

        testing::MainControl<QAction>(*scene.window, "english_item")->trigger();
        QCOMPARE(shown->text(), english);
        QCOMPARE(CellText(scene.Odds()->Page().records, 1, 0), QStringLiteral("WINS"));
        QCOMPARE(CellText(scene.Odds()->Page().prices, 0, 1), QStringLiteral("EU DECIMAL"));
    }

    // Another bookmaker's prices against the book, staked by Kelly; then the
    // method chosen by keyboard works the page out again and is remembered.
    void methodAndOfferedOddsThroughTheWindow() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kProbability));
        ProbabilityTab* tab = scene.Probability();
        const TextGrid& cells = tab->Page().outcomes;
        const QString odds[] = {"2.10", "3.40", "3.50"};
        for (int col = 0; col < 3; ++col) {
            TypeInto(tab->Grid(), col, ProbabilityPage::kOddsRow, odds[col]);
        }
        TypeInto(tab->Grid(), 0, ProbabilityPage::kOfferedRow, QStringLiteral("2.40"));
        TypeInto(tab->Grid(), 2, ProbabilityPage::kOfferedRow, QStringLiteral("4"));
        SetBox(Edit(*scene.window, &ProbabilityPage::bankroll), QStringLiteral("1000"));
        scene.Calculate();
        QCOMPARE(CellText(cells, 2, ProbabilityPage::kProbabilityRow), QStringLiteral("27.05"));
        QCOMPARE(CellText(cells, 0, ProbabilityPage::kFairOddsRow), QStringLiteral("2.22"));
        QCOMPARE(CellText(cells, 0, ProbabilityPage::kEdgeRow), QStringLiteral("8.22"));
        QCOMPARE(CellText(cells, 0, ProbabilityPage::kStakeRow), QStringLiteral("102.79"));
        QCOMPARE(CellText(cells, 2, ProbabilityPage::kStakeRow), QStringLiteral("61.67"));
        QCOMPARE(CellText(cells, 1, ProbabilityPage::kStakeRow), QString());
        QCOMPARE(scene.Box(&ProbabilityPage::total_stake_percent), QStringLiteral("16.45"));
        QCOMPARE(scene.Box(&ProbabilityPage::growth_percent), QStringLiteral("0.6972"));
        QCOMPARE(scene.Box(&ProbabilityPage::parameter), QString());

        auto* method = testing::Find<QComboBox>(*scene.window, ProbabilityControls(), "method");
        QVERIFY(method);
        method->setFocus();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(method, Qt::Key_Down);
        }
        QCOMPARE(tab->Page().method, MarginMethod::kShin);
        QCOMPARE(scene.Box(&ProbabilityPage::parameter), QStringLiteral("z = 0.0281"));
        QCOMPARE(CellText(cells, 0, ProbabilityPage::kProbabilityRow), QStringLiteral("45.58"));
        QCOMPARE(CellText(cells, 0, ProbabilityPage::kEdgeRow), QStringLiteral("9.4"));
        QCOMPARE(CellText(cells, 0, ProbabilityPage::kStakeRow), QStringLiteral("110.52"));
        QCOMPARE(scene.Box(&ProbabilityPage::total_stake_percent), QStringLiteral("17.13"));
        QCOMPARE(RememberedMethod(scene.gui.platform.UserFolder()), MarginMethod::kShin);

        // The next window starts with it.
        Recorded recorded;
        const auto next = testing::MakeWindow(scene.gui, recorded);
        auto* next_tab = static_cast<ProbabilityTab*>(next->Tab(MainWindow::kProbability));
        QCOMPARE(next_tab->Page().method, MarginMethod::kShin);
        QCOMPARE(next_tab->MethodChoice()->currentText(), QStringLiteral("Shin"));
    }

    // Additive takes more from the long shot than it has: the figure is on red,
    // a note under the boxes names the outcome, and no fair odds stand for it.
    void aProbabilityOutOfRangeIsNoted() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kProbability));
        ProbabilityTab* tab = scene.Probability();
        QLineEdit* note = Edit(*scene.window, &ProbabilityPage::range_note);
        QVERIFY(!note->isVisible());
        const QString odds[] = {"1.2", "5", "100"};
        for (int col = 0; col < 3; ++col) {
            TypeInto(tab->Grid(), col, ProbabilityPage::kOddsRow, odds[col]);
        }
        auto* method = testing::Find<QComboBox>(*scene.window, ProbabilityControls(), "method");
        method->setFocus();
        QTest::keyClick(method, Qt::Key_Down);
        scene.Calculate();
        const TextGrid& cells = tab->Page().outcomes;
        QCOMPARE(CellText(cells, 2, ProbabilityPage::kProbabilityRow), QStringLiteral("-0.44"));
        QCOMPARE(CellText(cells, 2, ProbabilityPage::kFairOddsRow), QString());
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("out of range: 3"));
        QTest::keyClick(method, Qt::Key_Down);
        QVERIFY(!note->isVisible());
    }

    // What the value rows cannot use is said once, and no figure stands for it.
    void aBadBankrollIsSaid() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kProbability));
        ProbabilityTab* tab = scene.Probability();
        TypeInto(tab->Grid(), 0, ProbabilityPage::kOddsRow, QStringLiteral("2"));
        TypeInto(tab->Grid(), 1, ProbabilityPage::kOddsRow, QStringLiteral("2"));
        TypeInto(tab->Grid(), 0, ProbabilityPage::kOfferedRow, QStringLiteral("2.5"));
        SetBox(Edit(*scene.window, &ProbabilityPage::bankroll), QStringLiteral("0"));
        scene.gui.prompter.ExpectMessage("The bankroll must be greater than 0.");
        scene.Calculate();
        QCOMPARE(CellText(tab->Page().outcomes, 0, ProbabilityPage::kProbabilityRow),
                 QStringLiteral("50"));
        QCOMPARE(CellText(tab->Page().outcomes, 0, ProbabilityPage::kStakeRow), QString());
        QCOMPARE(scene.Box(&ProbabilityPage::total_stake_percent), QString());
    }

    void oddsThroughTheWindow() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kOdds));
        OddsTab* tab = scene.Odds();
        scene.PriceTheHelpsMatch();
        const QStringList expected[4] = {{"2.09", "3.42", "3.42", "1.3", "1.3", "1.71"},
                                         {"12/11", "12/5", "12/5", "3/10", "3/10", "5/7"},
                                         {"109", "240", "240", "-333", "-333", "-140"},
                                         {"45", "28", "28", "73", "73", "56"}};
        for (int row = 1; row <= 4; ++row) {
            for (int col = 1; col <= 6; ++col) {
                QCOMPARE(CellText(tab->Page().prices, col, row), expected[row - 1][col - 1]);
            }
        }
    }

    void oddsMissingCountAndEmptiedCut() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kOdds));
        OddsTab* tab = scene.Odds();
        for (int col = 1; col <= 3; ++col) {
            TypeInto(tab->RecordsGrid(), col, 1, QStringLiteral("3"));
        }
        TypeInto(tab->RecordsGrid(), 1, 2, QStringLiteral("2"));
        TypeInto(tab->RecordsGrid(), 3, 2, QStringLiteral("2"));
        scene.gui.prompter.ExpectMessage("WriteValueFrom  :AWAY TEAM DRAWS");
        scene.Calculate();
        QCOMPARE(CellText(tab->Page().prices, 1, 1), QString());

        TypeInto(tab->RecordsGrid(), 2, 2, QStringLiteral("2"));
        SetBox(Edit(*scene.window, &OddsPage::cut_percent), QString());
        scene.Calculate();
        QCOMPARE(scene.Box(&OddsPage::cut_percent), QStringLiteral("0"));
        QCOMPARE(CellText(tab->Page().prices, 1, 1), QStringLiteral("3"));
    }

    // A price typed key by key into one box of the converter: the others show
    // it in their formats, the typed box keeps the text and the cursor.
    void theConverterFollowsTheBoxTypedIn_data() {
        QTest::addColumn<char>("separator");
        QTest::addColumn<int>("typed");
        QTest::addColumn<QString>("text");
        // Decimal, Fractional, American, Hong Kong, Malay, Indonesian, Implied %.
        QTest::addColumn<QStringList>("shown");
        auto row = [](const char* name, char separator, int typed, const char* text,
                      const QStringList& shown) {
            QTest::newRow(name) << separator << typed << QString::fromLatin1(text) << shown;
        };
        row("decimal", '.', 0, "2.33",
            {"2.33", "133/100", "+133", "1.33", "-0.75", "1.33", "42.92"});
        row("decimal, comma", ',', 0, "2.33",
            {"2,33", "133/100", "+133", "1,33", "-0,75", "1,33", "42,92"});
        row("fractional", '.', 1, "5/2", {"3.50", "5/2", "+250", "2.50", "-0.40", "2.50", "28.57"});
        row("evens", '.', 1, "evens", {"2.00", "evens", "+100", "1.00", "1.00", "1.00", "50.00"});
        row("american minus", '.', 2, "-200",
            {"1.50", "1/2", "-200", "0.50", "0.50", "-2.00", "66.67"});
        row("american plus", '.', 2, "+150",
            {"2.50", "3/2", "+150", "1.50", "-0.67", "1.50", "40.00"});
        row("hong kong", '.', 3, "0.8", {"1.80", "4/5", "-125", "0.8", "0.80", "-1.25", "55.56"});
        row("malay", '.', 4, "-0.5", {"3.00", "2/1", "+200", "2.00", "-0.5", "2.00", "33.33"});
        row("indonesian", '.', 5, "-1.25",
            {"1.80", "4/5", "-125", "0.80", "0.80", "-1.25", "55.56"});
        row("implied", '.', 6, "40%", {"2.50", "3/2", "+150", "1.50", "-0.67", "1.50", "40%"});
    }

    void theConverterFollowsTheBoxTypedIn() {
        QFETCH(char, separator);
        QFETCH(int, typed);
        QFETCH(QString, text);
        QFETCH(QStringList, shown);
        Scene scene(separator);
        QVERIFY(scene.Show(MainWindow::kOdds));
        const QList<QLineEdit*> boxes = ConverterBoxes(*scene.window);
        SetBox(boxes[typed], text);
        QCOMPARE(Texts(boxes), shown);
        QCOMPARE(boxes[typed]->cursorPosition(), text.size());
        QCOMPARE(ConverterProblem(*scene.window), QString());
    }

    // A text that is no price empties the other boxes and says so under them,
    // without a message box; the next key that makes it a price brings them back.
    void aTextThatIsNoPriceShowsNoFigures() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kOdds));
        const QList<QLineEdit*> boxes = ConverterBoxes(*scene.window);
        SetBox(boxes[0], QStringLiteral("2.5"));
        SetBox(boxes[1], QStringLiteral("3/0"));
        QCOMPARE(Texts(boxes), QStringList({"", "3/0", "", "", "", "", ""}));
        QCOMPARE(ConverterProblem(*scene.window),
                 QStringLiteral("Not a price in this format; for example 3/2"));
        QTest::keyClick(boxes[1], Qt::Key_Backspace);
        QTest::keyClicks(boxes[1], QStringLiteral("2"));
        QCOMPARE(boxes[0]->text(), QStringLiteral("2.50"));
        QCOMPARE(ConverterProblem(*scene.window), QString());

        const char* bad[][2] = {{"2", "+0"}, {"0", "0.5"}, {"1", "1/0"}, {"4", "0"}, {"6", "100"}};
        for (const auto& [box, text] : bad) {
            SetBox(boxes[QString::fromLatin1(box).toInt()], QString::fromLatin1(text));
            QVERIFY2(ConverterProblem(*scene.window).startsWith(QStringLiteral("Not a price")),
                     text);
            QCOMPARE(Texts(boxes).join(QString()), QString::fromLatin1(text));
        }
        // Only what a price of the box can hold is typed at all.
        SetBox(boxes[0], QStringLiteral("a2/+5"));
        QCOMPARE(boxes[0]->text(), QStringLiteral("25"));
        SetBox(boxes[0], QString());
        QCOMPARE(Texts(boxes).join(QString()), QString());
        QCOMPARE(ConverterProblem(*scene.window), QString());
    }

    // The line under the converter is in the language of the window, also
    // when the language changes while it shows.
    void theConvertersMessageFollowsTheLanguage() {
        Scene scene('.', true);
        QVERIFY(scene.Show(MainWindow::kOdds));
        SetBox(ConverterBoxes(*scene.window)[2], QStringLiteral("+0"));
        QCOMPARE(ConverterProblem(*scene.window),
                 QStringLiteral("Δεν είναι απόδοση αυτής της μορφής· για παράδειγμα +150"));
        testing::MainControl<QAction>(*scene.window, "english_item")->trigger();
        QCOMPARE(ConverterProblem(*scene.window),
                 QStringLiteral("Not a price in this format; for example +150"));
        QCOMPARE(ConverterBoxes(*scene.window)[2]->text(), QStringLiteral("+0"));
    }

    // The team-record prices keep their own fraction search and US rule: the
    // converter neither writes them nor feeds Calculate.
    void theConverterLeavesTheTeamRecordPricesAlone() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kOdds));
        OddsTab* tab = scene.Odds();
        scene.PriceTheHelpsMatch();
        const QStringList prices = TeamRecordPrices(tab->Page().prices);
        QCOMPARE(prices.mid(0, 12), QStringList({"2.09", "3.42", "3.42", "1.3", "1.3", "1.71",
                                                 "12/11", "12/5", "12/5", "3/10", "3/10", "5/7"}));
        const QList<QLineEdit*> boxes = ConverterBoxes(*scene.window);
        SetBox(boxes[0], QStringLiteral("2.09"));
        QCOMPARE(boxes[1]->text(), QStringLiteral("109/100"));
        QCOMPARE(boxes[2]->text(), QStringLiteral("+109"));
        QCOMPARE(TeamRecordPrices(tab->Page().prices), prices);
        scene.Calculate();
        QCOMPARE(TeamRecordPrices(tab->Page().prices), prices);
        QCOMPARE(boxes[0]->text(), QStringLiteral("2.09"));
    }

    // Tab and Enter go from the cut through the converter's boxes in order.
    void theConverterIsOnTheWayTabAndEnterGo() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kOdds));
        const QList<QLineEdit*> boxes = ConverterBoxes(*scene.window);
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Return}) {
            Edit(*scene.window, &OddsPage::cut_percent)->setFocus();
            for (QLineEdit* box : boxes) {
                PressKey(key);
                QCOMPARE(QApplication::focusWidget(), box);
            }
        }
    }

    void oddsKeysAndTheDisplayOnlyGrid() {
        Scene scene(',');
        QVERIFY(scene.Show(MainWindow::kOdds));
        OddsTab* tab = scene.Odds();
        TypeInto(tab->RecordsGrid(), 1, 1, QStringLiteral("a-1.5x"));
        QCOMPARE(CellText(tab->Page().records, 1, 1), QStringLiteral("1,5"));
        // The result grid takes no focus, no current cell and no typing.
        GridView* results = tab->PricesGrid();
        QCOMPARE(results->focusPolicy(), Qt::NoFocus);
        testing::ClickCell(results, 2, 2);
        QVERIFY(!results->currentIndex().isValid());
        QVERIFY(QApplication::focusWidget() != results);
        Type(QStringLiteral("7"));
        QCOMPARE(CellText(tab->Page().prices, 2, 2), QString());
        // The input grid's headers never become current.
        testing::ClickCell(tab->RecordsGrid(), 0, 1);
        testing::ClickCell(tab->RecordsGrid(), 2, 0);
        QCOMPARE(tab->RecordsGrid()->CurrentCol(), 1);
        QCOMPARE(tab->RecordsGrid()->CurrentRow(), 1);
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::MarketPagesTest)
#include "market_pages_test.moc"
