// The message boxes on the desktop: their titles, icons, buttons and the full
// stop the general error report adds.

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "gui/widgets/qt_prompter.h"

namespace orvanta {

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
};

// Answers the next message box with `answer` and tells what it looked like.
SeenBox Answer(QMessageBox::StandardButton answer, const std::function<void()>& show) {
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons.append(box->standardButton(button));
        }
        box->button(answer)->click();
    });
    show();
    return seen;
}

}  // namespace

class QtPrompterTest : public QObject {
    Q_OBJECT

private slots:
    void plainMessageHasTheApplicationTitleAndOneOk() {
        QtPrompter prompter(QStringLiteral("Orvanta"), QStringLiteral("Orvanta"));
        const SeenBox box = Answer(QMessageBox::Ok, [&] { prompter.ShowMessage("Error Value"); });
        QCOMPARE(box.title, QStringLiteral("Orvanta"));
        QCOMPARE(box.text, QStringLiteral("Error Value"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }

    void onlyYesGoesOn() {
        QtPrompter prompter(QStringLiteral("Orvanta"), QStringLiteral("Orvanta"));
        bool answer = false;
        SeenBox box = Answer(QMessageBox::Yes, [&] {
            answer = prompter.AskYesNo("Clear All Information ?", DefaultAnswer::kNo);
        });
        QVERIFY(answer);
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons.size(), 2);
        box = Answer(QMessageBox::No,
                     [&] { answer = prompter.AskYesNo("Delete game ?", DefaultAnswer::kYes); });
        QVERIFY(!answer);
    }

    void onlyOkGoesOnWithIgnore() {
        QtPrompter prompter(QStringLiteral("Orvanta"), QStringLiteral("Orvanta"));
        bool answer = true;
        const SeenBox box =
            Answer(QMessageBox::Ignore, [&] { answer = prompter.AskOkIgnore("UploadNewVersion"); });
        QVERIFY(!answer);
        QVERIFY(box.buttons.contains(QMessageBox::Ok));
        QVERIFY(box.buttons.contains(QMessageBox::Ignore));
    }

    void errorReportIsTitledWithTheProgramAndEndsInAFullStop_data() {
        QTest::addColumn<QString>("raised");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("plain")                 << "Floating point division by zero" << "Floating point division by zero.";
        QTest::newRow("already a stop")        << "Invalid stream format."          << "Invalid stream format.";
        QTest::newRow("sorts before the stop") << "Wow!"                            << "Wow!";
        QTest::newRow("Greek")                 << "Σφάλμα"                          << "Σφάλμα.";
        // clang-format on
    }

    void errorReportIsTitledWithTheProgramAndEndsInAFullStop() {
        QFETCH(QString, raised);
        QFETCH(QString, shown);
        QtPrompter prompter(QStringLiteral("Orvanta"), QStringLiteral("Orvanta"));
        const SeenBox box =
            Answer(QMessageBox::Ok, [&] { prompter.ShowError(raised.toStdString()); });
        QCOMPARE(box.title, QStringLiteral("Orvanta"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.text, shown);
        QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }

    void openManyDialogAcceptsWithItsOwnCaption_data() {
        QTest::addColumn<QString>("accept_label");
        QTest::addColumn<QString>("button");
        // clang-format off
        QTest::newRow("given")                  << QStringLiteral("Διαγραφή Αρχείων") << QStringLiteral("Διαγραφή Αρχείων");
        QTest::newRow("none: the dialog's own") << QString()                          << QStringLiteral("&Open");
        // clang-format on
    }

    void openManyDialogAcceptsWithItsOwnCaption() {
        QFETCH(QString, accept_label);
        QFETCH(QString, button);
        QtPrompter prompter(QStringLiteral("Orvanta"), QStringLiteral("Orvanta"));
        FileDialogOptions options;
        options.title = "Delete Files";
        options.filter = "ΑΡΧΕΙΑ ΠΑΡΟΛΙ|*.bet";
        options.accept_label = accept_label.toStdString();
        QString title;
        QString accept;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            title = dialog->windowTitle();
            mode = dialog->fileMode();
            const auto* buttons = dialog->findChild<QDialogButtonBox*>();
            for (QAbstractButton* shown : buttons->buttons()) {
                if (buttons->buttonRole(shown) == QDialogButtonBox::AcceptRole) {
                    accept = shown->text();
                }
            }
            dialog->reject();
        });
        QVERIFY(prompter.AskOpenFiles(options).empty());
        QCOMPARE(title, QStringLiteral("Delete Files"));
        QCOMPARE(mode, QFileDialog::ExistingFiles);
        QCOMPARE(accept, button);
    }

    void nameFilters() {
        QCOMPARE(ToQtNameFilter("ΑΡΧΕΙΑ ΠΑΡΟΛΙ|*.bet"), QStringLiteral("ΑΡΧΕΙΑ ΠΑΡΟΛΙ (*.bet)"));
        QCOMPARE(ToQtNameFilter("All|*.bet;*.lvo"), QStringLiteral("All (*.bet *.lvo)"));
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::QtPrompterTest)
#include "qt_prompter_test.moc"
