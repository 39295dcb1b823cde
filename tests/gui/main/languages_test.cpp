// Each language in its own words: the texts the program once showed the same
// in every language have keys in both catalogues, each of which says them in
// its own language (the Greek keeps the program's own Greek), and the boxes,
// dialogs and menus that Qt makes follow the open language.

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <string>

#include "core/live/live_captions.h"
#include "core/markets/odds_page.h"
#include "core/markets/probability_page.h"
#include "core/parlay/parlay_sheet.h"
#include "core/update/update_check.h"
#include "gui/main/main_window_captions.h"
#include "gui/main_window_scene.h"
#include "gui/widgets/qt_convert.h"
#include "gui/widgets/qt_prompter.h"
#include "gui/widgets/standard_texts.h"

namespace orvanta {

namespace {

namespace live = live_captions;
namespace texts = standard_texts;

// Every text that has a key since the program learnt to say it in each language.
// clang-format off
const CatalogueText* const kOnceFixed[] = {
    &live::kHelp, &live::kPrint, &live::kGameList, &live::kCurrentOddsTip, &live::kNewGameTip,
    &live::kDeleteGameTip, &live::kSuggestionTip, &live::kDeleteGameQuestion,
    &live::kRecordProblem, &live::kCreateFirst, &live::kGameExists, &live::kRowRule,
    &live::new_game::kWindow, &live::new_game::kDate, &live::new_game::kTime,
    &live::new_game::kName, &live::new_game::kOk, &live::new_game::kCancel,
    &parlay_captions::kSaveTip, &parlay_captions::kLoadTip, &parlay_captions::kParlayFiles,
    &parlay_captions::kGap, &odds_captions::kCutPercent,
    &main_window_captions::kLanguage, &main_window_captions::kClearQuestion,
    &main_window_captions::kNoCalculator, &kNoConnection, &kUpdaterMissing,
    &texts::kYes, &texts::kNo, &texts::kOk, &texts::kCancel, &texts::kIgnore, &texts::kWarning,
    &texts::kConfirm, &texts::kLookIn, &texts::kFileName, &texts::kFilesOfType, &texts::kOpen,
    &texts::kSave, &texts::kPrintPreview, &texts::kUndo, &texts::kRedo, &texts::kCut,
    &texts::kCopy, &texts::kPaste, &texts::kDelete, &texts::kSelectAll,
    &live::kCommission, &live::kCommissionTip, &live::kCommissionRange, &live::kOddsAboveOne,
    &live::kPositionLevel, &live::kLeastLoss, &live::kOthersCovered, &live::kCannotCover,
    &live::kNothingToAdd, &live::kAddBacksQuestion};
// clang-format on

// Letters without their accents, in capitals: "Γκανιότα" reads as "ΓΚΑΝΙΟΤΑ".
QString Bare(const QString& text) {
    QString bare;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            bare += c.toUpper();
        }
    }
    return bare;
}

bool HasGreek(const QString& text) {
    static const QRegularExpression greek(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
    return text.contains(greek);
}

QString Read(const Catalogue& catalogue, const CatalogueText& text) {
    return ToQt(catalogue.ReadString(text.section, text.key, "\x01 missing"));
}

struct SeenTexts {
    QString title;
    QStringList buttons;
    bool no_for_enter = false;
};

// The Yes/No question as it shows, answered No.
SeenTexts AskedYesNo(QtPrompter& prompter) {
    SeenTexts seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        seen.title = box->windowTitle();
        seen.buttons = {box->button(QMessageBox::Yes)->text(),
                        box->button(QMessageBox::No)->text()};
        seen.no_for_enter = box->defaultButton() == box->button(QMessageBox::No);
        box->button(QMessageBox::No)->click();
    });
    prompter.AskYesNo("?", DefaultAnswer::kNo);
    return seen;
}

// The open dialog's labels as it shows, cancelled.
QStringList OpenDialogLabels(QtPrompter& prompter) {
    QStringList labels;
    QTimer::singleShot(0, [&labels] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        for (auto label : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType,
                           QFileDialog::Accept, QFileDialog::Reject}) {
            labels << dialog->labelText(label);
        }
        dialog->reject();
    });
    prompter.AskOpenFile(FileDialogOptions{});
    return labels;
}

// The edit box's context menu, its actions' captions without their keys.
QStringList MenuOf(QLineEdit* box) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &event);
    QStringList captions;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                captions << action->text().section(QLatin1Char('\t'), 0, 0);
            }
        }
        menu->close();
    }
    return captions;
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    void everyOnceFixedTextIsInBothCataloguesInItsOwnLanguage() {
        testing::GuiScene scene;
        scene.AddCatalogues();
        const Catalogue english(scene.folder / kEnglishCatalogue);
        const Catalogue greek(scene.folder / kGreekCatalogue);
        for (const CatalogueText* text : kOnceFixed) {
            const QString key = QStringLiteral("%1/%2").arg(text->section, text->key);
            const QString in_english = Read(english, *text);
            const QString in_greek = Read(greek, *text);
            QVERIFY2(!in_english.startsWith(QChar(1)), qPrintable(key + " has no English"));
            QVERIFY2(!in_greek.startsWith(QChar(1)), qPrintable(key + " has no Greek"));
            QVERIFY2(!HasGreek(in_english), qPrintable(key + " reads Greek in English"));
            // "OK" is the word a Greek desktop uses too.
            QVERIFY2(HasGreek(in_greek) || in_greek == QStringLiteral("OK"),
                     qPrintable(key + " reads no Greek in Greek"));
            // The program's own Greek stays what the Greek catalogue says.
            if (HasGreek(QString::fromUtf8(text->fallback))) {
                QCOMPARE(in_greek, QString::fromUtf8(text->fallback));
            }
        }
    }

    // One term for the bookmaker's cut in each language: the ODDS page's
    // label reads as the PROBABILITY page's, and the live window's is the same.
    void oneTermForTheBookmakersCut() {
        testing::GuiScene scene;
        scene.AddCatalogues();
        for (const char* file : {kEnglishCatalogue, kGreekCatalogue}) {
            const Catalogue catalogue(scene.folder / file);
            const QString probability = Read(catalogue, probability_captions::kCutPercent);
            QCOMPARE(Read(catalogue, odds_captions::kCutPercent), probability);
            const QString live = Read(catalogue, live::kBookmakerCut);
            QVERIFY2(Bare(probability).startsWith(Bare(live)),
                     qPrintable(live + " / " + probability));
        }
        QCOMPARE(Read(Catalogue(scene.folder / kEnglishCatalogue), odds_captions::kCutPercent),
                 QStringLiteral("BOOK CUT %"));
    }

    void qtsBoxesDialogsAndMenusFollowTheOpenLanguage() {
        testing::GuiScene scene;
        scene.AddCatalogues();
        testing::Recorded recorded;
        auto window = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        QtPrompter prompter(QStringLiteral("Orvanta"), QStringLiteral("Orvanta"));
        QLineEdit* box = testing::Edit(*window, &ArbitragePage::multiplier);

        SeenTexts seen = AskedYesNo(prompter);
        QCOMPARE(seen.title, QStringLiteral("Προσοχή"));
        QCOMPARE(seen.buttons, (QStringList{QStringLiteral("&Ναι"), QStringLiteral("Ό&χι")}));
        QVERIFY(seen.no_for_enter);
        QCOMPARE(OpenDialogLabels(prompter),
                 (QStringList{QStringLiteral("Αναζήτηση σε:"), QStringLiteral("Όνομα &αρχείου:"),
                              QStringLiteral("Αρχεία τύπου:"), QStringLiteral("Ά&νοιγμα"),
                              QStringLiteral("Άκυρο")}));
        QCOMPARE(MenuOf(box),
                 (QStringList{QStringLiteral("&Αναίρεση"), QStringLiteral("Επα&νάληψη"),
                              QStringLiteral("Απο&κοπή"), QStringLiteral("Αντι&γραφή"),
                              QStringLiteral("&Επικόλληση"), QStringLiteral("Διαγραφή"),
                              QStringLiteral("Επιλογή όλων")}));

        window->ChooseLanguage(kEnglishCatalogue);
        seen = AskedYesNo(prompter);
        QCOMPARE(seen.title, QStringLiteral("Warning"));
        QCOMPARE(seen.buttons, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
        QCOMPARE(OpenDialogLabels(prompter),
                 (QStringList{QStringLiteral("Look in:"), QStringLiteral("File &name:"),
                              QStringLiteral("Files of type:"), QStringLiteral("&Open"),
                              QStringLiteral("Cancel")}));
        QCOMPARE(MenuOf(box), (QStringList{QStringLiteral("&Undo"), QStringLiteral("&Redo"),
                                           QStringLiteral("Cu&t"), QStringLiteral("&Copy"),
                                           QStringLiteral("&Paste"), QStringLiteral("Delete"),
                                           QStringLiteral("Select All")}));
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::LanguagesTest)
#include "languages_test.moc"
