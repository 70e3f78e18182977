// Finding the panel's value fields and rows by control id.
#include <gtest/gtest.h>

#include "panel/FieldTable.h"

namespace {

// Edits notify their changes whichever they are: only the nine value fields
// are found, in exchange order, and not the up-downs or step fields.
TEST(FieldTableTest, FindsTheValueFieldsInExchangeOrderAndNoOtherControl) {
    const int fields[] = {IDC_LOCATION_X, IDC_LOCATION_Y, IDC_LOCATION_Z,
                          IDC_ROTATION_X, IDC_ROTATION_Y, IDC_ROTATION_Z,
                          IDC_SIZE_X,     IDC_SIZE_Y,     IDC_SIZE_Z};
    for (int i = 0; i < kValueFieldCount; ++i) EXPECT_EQ(i, ValueFieldIndex(fields[i]));
    for (const ValueField& f : kValueFields) EXPECT_EQ(-1, ValueFieldIndex(f.spin)) << f.spin;
    for (const RowSettings& row : kRows) EXPECT_EQ(-1, ValueFieldIndex(row.stepField));
    EXPECT_EQ(-1, ValueFieldIndex(IDC_AXIS_MODE));
}

TEST(FieldTableTest, FindsTheRowOfEachStepFieldAndReadButtonAndNoOtherControl) {
    EXPECT_EQ(Row::Location, FindRow(IDC_LOCATION_STEP)->row);
    EXPECT_EQ(Row::Rotation, FindRow(IDC_ROTATION_STEP)->row);
    EXPECT_EQ(Row::Size, FindRow(IDC_SIZE_STEP)->row);
    EXPECT_EQ(Row::Rotation, FindRow(IDC_READ_ROTATION)->row);
    EXPECT_EQ(nullptr, FindRow(IDC_LOCATION_X));
}

}  // namespace
