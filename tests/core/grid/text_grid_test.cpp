#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/grid/text_grid.h"

namespace orvanta {
namespace {

// Writes down what the grid told its listener.
class Recorder : public GridListener {
public:
    void CellChanged(int col, int row) override {
        events.push_back("cell " + std::to_string(col) + "," + std::to_string(row));
    }
    void BeginInsertRows(int first, int count) override {
        events.push_back("insert " + std::to_string(first) + "+" + std::to_string(count));
    }
    void EndInsertRows() override { events.push_back("inserted"); }
    void BeginRemoveRows(int first, int count) override {
        events.push_back("remove " + std::to_string(first) + "+" + std::to_string(count));
    }
    void EndRemoveRows() override { events.push_back("removed"); }
    void BeginReset() override { events.push_back("reset"); }
    void EndReset() override { events.push_back("reset done"); }
    void LayoutChanged() override { events.push_back("layout"); }
    std::vector<std::string> events;
};

TEST(TextGrid, CellsAreAddressedColumnThenRow) {
    TextGrid grid(3, 2);
    grid.SetCell(2, 1, "x");
    EXPECT_EQ(grid.Cell(2, 1), "x");
    EXPECT_EQ(grid.Cell(1, 2), "");  // outside: empty, no crash
    grid.SetCell(5, 5, "ignored");
    EXPECT_EQ(grid.Cell(5, 5), "");
}

TEST(TextGrid, RowsMoveWithInsertAndRemove) {
    TextGrid grid(2, 4);
    for (int r = 0; r < 4; ++r) {
        grid.SetCell(0, r, std::to_string(r));
        grid.SetRowHeight(r, 20 + r);
    }
    grid.AddCheckBox(1, 2, true);
    Recorder recorder;
    grid.SetListener(&recorder);

    grid.RemoveRows(1, 1);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(0, 1), "2");
    EXPECT_TRUE(grid.IsChecked(1, 1));
    EXPECT_EQ(grid.RowHeight(1), 22);

    grid.InsertRows(1, 2);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cell(0, 1), "");
    EXPECT_EQ(grid.Cell(0, 3), "2");
    EXPECT_TRUE(grid.IsChecked(1, 3));

    grid.SetRowCount(2);
    EXPECT_EQ(grid.Cell(0, 0), "0");
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"remove 1+1", "removed", "insert 1+2",
                                                         "inserted", "remove 2+3", "removed"}));
}

TEST(TextGrid, ShapeChangesKeepWhatStillFits) {
    TextGrid grid(3, 3);
    grid.SetCell(1, 1, "keep");
    grid.SetCell(2, 2, "lost");
    grid.SetColCount(2);
    EXPECT_EQ(grid.Cell(1, 1), "keep");
    grid.SetColCount(3);
    EXPECT_EQ(grid.Cell(2, 2), "");
}

TEST(TextGrid, PropertiesCarryColourCheckBoxAndAlignment) {
    TextGrid grid(2, 2);
    EXPECT_FALSE(grid.Background(0, 0).has_value());
    grid.SetBackground(0, 0, GridColour::Rgb(74, 255, 74));
    EXPECT_EQ(grid.Background(0, 0)->value, 0x4AFF4A);
    EXPECT_EQ(grid.Props(0, 0)->owner_col, 0);

    grid.AddCheckBox(1, 1, false);
    EXPECT_TRUE(grid.HasCheckBox(1, 1));
    EXPECT_FALSE(grid.IsChecked(1, 1));
    grid.SetChecked(1, 1, true);
    EXPECT_TRUE(grid.IsChecked(1, 1));
    EXPECT_EQ(grid.Props(1, 1)->graphic->halign, kGraphicHAlignBeforeText);
    EXPECT_EQ(grid.Props(1, 1)->brush_color, kColourWindow);

    grid.SetAlignment(1, 0, HAlign::kCenter);
    EXPECT_EQ(grid.Alignment(1, 0), HAlign::kCenter);
    grid.ClearCells();
    EXPECT_EQ(grid.Props(1, 1), nullptr);
}

TEST(TextGrid, MergedBlockHasOneBaseCell) {
    TextGrid grid(11, 3);
    grid.MergeCells(4, 0, 4, 1);
    EXPECT_EQ(grid.MergeSpan(4, 0), std::make_pair(3, 0));
    EXPECT_TRUE(grid.IsCoveredCell(5, 0));
    EXPECT_TRUE(grid.IsCoveredCell(7, 0));
    EXPECT_FALSE(grid.IsCoveredCell(8, 0));
    EXPECT_EQ(grid.MergeSpan(5, 0), std::make_pair(0, 0));
    // A merge running off the grid is cut at its edge.
    grid.MergeCells(8, 0, 10, 1);
    EXPECT_EQ(grid.MergeSpan(8, 0), std::make_pair(2, 0));
}

TEST(TextGrid, CopiesAreDeepAndAssignmentKeepsTheListener) {
    TextGrid a(2, 2);
    a.AddCheckBox(0, 0, true);
    a.SetColWidth(1, 99);
    TextGrid b = a;
    b.SetChecked(0, 0, false);
    EXPECT_TRUE(a.IsChecked(0, 0));
    EXPECT_EQ(b.ColWidth(1), 99);

    Recorder recorder;
    TextGrid c(1, 1);
    c.SetListener(&recorder);
    c = a;
    EXPECT_EQ(c.Listener(), &recorder);
    EXPECT_EQ(c.ColCount(), 2);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"reset", "reset done"}));
}

TEST(TextGrid, ListenerHearsOnlyRealChanges) {
    TextGrid grid(2, 2);
    Recorder recorder;
    grid.SetListener(&recorder);
    grid.SetCell(0, 0, "a");
    grid.SetCell(0, 0, "a");
    grid.SetColWidth(0, 30);
    grid.SetColWidth(0, 30);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"cell 0,0", "layout"}));
}

TEST(GridColour, SplitsIntoRedGreenBlue) {
    constexpr GridColour lime = GridColour::Rgb(0, 255, 0);
    static_assert(lime.Green() == 255 && lime.Red() == 0 && lime.Blue() == 0);
    EXPECT_TRUE(kColourWindow.IsSystem());
    EXPECT_FALSE(GridColour::Rgb(255, 255, 255).IsSystem());
    EXPECT_EQ(GridColour::Rgb(255, 255, 196).value, 0xC4FFFF);
}

}  // namespace
}  // namespace orvanta
