#pragma once

// The words of the boxes, dialogs and menus that Qt makes for the program:
// the message boxes' buttons and titles, the file dialogs' labels and buttons
// and the edit boxes' menu. Left to Qt they would be English in every language;
// they are read from the open catalogue instead, which the main window hands
// over whenever it opens one. Without a catalogue each reads as Qt's own.

#include <QString>

#include "core/i18n/catalogue.h"

namespace orvanta {

namespace standard_texts {
// Message boxes.
inline constexpr CatalogueText kYes{"Message", "Yes", "&Yes"};
inline constexpr CatalogueText kNo{"Message", "No", "&No"};
inline constexpr CatalogueText kOk{"Message", "OK", "OK"};
inline constexpr CatalogueText kCancel{"Message", "Cancel", "Cancel"};
inline constexpr CatalogueText kIgnore{"Message", "Ignore", "Ignore"};
inline constexpr CatalogueText kWarning{"Message", "Warning", "Warning"};
inline constexpr CatalogueText kConfirm{"Message", "Confirm", "Confirm"};
// File dialogs.
inline constexpr CatalogueText kLookIn{"Message", "LookIn", "Look in:"};
inline constexpr CatalogueText kFileName{"Message", "FileName", "File &name:"};
inline constexpr CatalogueText kFilesOfType{"Message", "FilesOfType", "Files of type:"};
inline constexpr CatalogueText kOpen{"Message", "Open", "&Open"};
inline constexpr CatalogueText kSave{"Message", "Save", "&Save"};
// The print preview's window.
inline constexpr CatalogueText kPrintPreview{"Message", "PrintPreview", "Print Preview"};
// The edit boxes' menu.
inline constexpr CatalogueText kUndo{"Message", "Undo", "&Undo"};
inline constexpr CatalogueText kRedo{"Message", "Redo", "&Redo"};
inline constexpr CatalogueText kCut{"Message", "Cut", "Cu&t"};
inline constexpr CatalogueText kCopy{"Message", "Copy", "&Copy"};
inline constexpr CatalogueText kPaste{"Message", "Paste", "&Paste"};
inline constexpr CatalogueText kDelete{"Message", "Delete", "Delete"};
inline constexpr CatalogueText kSelectAll{"Message", "SelectAll", "Select All"};
}  // namespace standard_texts

// From now on the texts come from `catalogue` (a copy is kept).
void UseStandardTexts(const Catalogue& catalogue);

// The text in the language last handed over.
QString StandardText(const CatalogueText& text);

}  // namespace orvanta
