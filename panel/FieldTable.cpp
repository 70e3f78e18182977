#include "panel/FieldTable.h"

#include <cassert>

int ValueFieldIndex(int id) {
    for (int i = 0; i < kValueFieldCount; ++i)
        if (kValueFields[i].field == id) return i;
    return -1;
}

const RowSettings& RowOfStepField(int id) {
    for (const RowSettings& row : kRows)
        if (row.stepField == id) return row;
    assert(!"not a step field");
    return kRows[0];
}
