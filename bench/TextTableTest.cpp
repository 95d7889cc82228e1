#include "bench/TextTable.h"

#include <gtest/gtest.h>

TEST(TextTable, PadsColumnsToTheWidestCellAndUnderlinesTheHeading) {
    TextTable t;
    t.AddRow({"figure", "value"});
    t.AddRow({"start-up", "12.5"});
    t.AddRow({"x", "1"});
    EXPECT_EQ(t.Render(),
              "figure    value\n"
              "---------------\n"
              "start-up   12.5\n"
              "x             1\n");
}

TEST(TextTable, ShortRowsLeaveTheirLastCellsEmpty) {
    TextTable t;
    t.AddRow({"a", "bb", "ccc"});
    t.AddRow({"dddd"});
    EXPECT_EQ(t.Render(),
              "a     bb  ccc\n"
              "-------------\n"
              "dddd\n");
}

TEST(TextTable, EmptyTableRendersNothing) { EXPECT_EQ(TextTable().Render(), ""); }
