#include "gui/widgets/standard_texts.h"

#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

// One language for the whole program, as Qt's own translators are: read on the
// window thread only.
Catalogue& OpenCatalogue() {
    static Catalogue catalogue;
    return catalogue;
}

}  // namespace

void UseStandardTexts(const Catalogue& catalogue) {
    OpenCatalogue() = catalogue;
}

QString StandardText(const CatalogueText& text) {
    return ToQt(OpenCatalogue().Read(text));
}

}  // namespace orvanta
