#pragma once

// What makes a window usable from the keyboard alone, by the desktop's
// conventions, for the controls of every window: Enter presses the focused
// button, every menu command and button has an Alt mnemonic of its own, and
// the boxes that show figures are read-only stops on the way Tab goes.

#include <QString>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace orvanta {

// Enter (and the keypad's Enter) on the focused button presses it, as Space
// does, whether or not it is a dialog's default.
void PressOnEnter(QAbstractButton* button);

// A box that shows a figure the page works out: read-only, and still a Tab
// stop, so that the keyboard and a screen reader reach what it says.
void ShowResultIn(QLineEdit* box);

// Gives every command of `window`'s menu bar and every button of the window an
// Alt mnemonic unique among them, and every command of each of its menus one
// unique in that menu: the first letter of a word of the caption that is still
// free, else any other free letter of it (a letter with an accent, which no key
// types alone, never). Marks a caption already carries are chosen again, so
// that running it after every change of the captions gives the same letters
// for the same captions.
void AssignMnemonics(QWidget* window);

// A caption as the user reads it: without its mnemonic mark ("&&" reads "&").
QString WithoutMnemonic(const QString& caption);

}  // namespace orvanta
