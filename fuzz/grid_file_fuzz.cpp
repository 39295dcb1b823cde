// The grid file reader into a parlay sheet, with and without the sheet's
// shape required. Any bytes load or throw OperationError; what loads writes
// out again and reads back to the same bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/operation_error.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_sheet.h"
#include "fuzz/fuzz_support.h"

using orvanta::fuzz::Check;

namespace {

void LoadAndRoundTrip(std::string_view bytes, std::optional<orvanta::GridShape> shape) {
    orvanta::ParlaySheet sheet;
    try {
        orvanta::LoadGridFromBytes(sheet.selections, bytes, shape);
    } catch (const orvanta::OperationError&) {
        return;
    }
    std::string saved;
    try {
        saved = orvanta::SaveGridToBytes(sheet.selections, 0);
    } catch (const orvanta::OperationError&) {
        return;  // a cell the writer refuses (a picture cell type)
    }
    orvanta::ParlaySheet again;
    try {
        orvanta::LoadGridFromBytes(again.selections, saved, shape);
    } catch (const orvanta::OperationError&) {
        orvanta::fuzz::Finding("a saved grid does not load");
    }
    Check(orvanta::SaveGridToBytes(again.selections, 0) == saved,
          "a saved grid reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LoadAndRoundTrip(bytes, std::nullopt);
    LoadAndRoundTrip(bytes,
                     orvanta::GridShape{orvanta::ParlaySheet::kCols, orvanta::ParlaySheet::kRows});
    return 0;
}
