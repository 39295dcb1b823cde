#pragma once

// The scene of a window test: a temporary program folder (with or without the
// shipped catalogues), a fake platform, a scripted prompter whose surprises
// fail the running QtTest function, and helpers that type as a user does.

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/fake_platform.h"
#include "common/scripted_prompter.h"
#include "common/temp_folder.h"
#include "core/base/file_io.h"
#include "core/base/services.h"

namespace orvanta::testing {

// Unexpected boxes fail the QtTest function that is running.
inline void FailQtTestOnSurprises() {
    ScriptedPrompter::SetDefaultFailureHandler(
        [](const std::string& what) { QTest::qFail(what.c_str(), __FILE__, __LINE__); });
}

struct GuiScene {
    explicit GuiScene(char separator = '.')
        : platform(folder.Path()), services{prompter, platform, separator} {
#ifdef ORVANTA_PROGRAM_FILE
        platform.program_file = ORVANTA_PROGRAM_FILE;
#endif
    }

    // Copies the shipped catalogue files into the program folder.
    void AddCatalogues() const {
        for (const char* name : {"Orvanta_GR.ini", "Orvanta_EN.ini"}) {
            folder.Write(name,
                         ReadFileBytes(std::string(ORVANTA_RESOURCES_DIR) + "/" + name, 1 << 20));
        }
    }

    TempFolder folder;
    ScriptedPrompter prompter;
    FakePlatform platform;
    Services services;
};

// Shows a window and waits until it takes keyboard focus.
inline bool ShowAndActivate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Types text into whatever has the focus, one key at a time, as a user would.
inline void Type(const QString& text) {
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        if (!target) {
            return;
        }
        QTest::keyClick(target, c.toLatin1());
    }
}

inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWidget* target = QApplication::focusWidget()) {
        QTest::keyClick(target, key, modifiers);
    }
}

// A modal window blocks the caller until it closes, so what it shows is looked at from a
// timer inside its event loop, which then closes it.
inline void WhenModalShows(std::function<void(QDialog*)> inspect) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, inspect] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            inspect(dialog);
            dialog->reject();
        } else if (++*tries > 250) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

}  // namespace orvanta::testing
