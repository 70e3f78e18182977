#include "panel/FieldTable.h"

int ValueFieldIndex(int id) {
    for (int i = 0; i < kValueFieldCount; ++i)
        if (kValueFields[i].field == id) return i;
    return -1;
}

const RowSettings* FindRow(int id) {
    for (const RowSettings& row : kRows)
        if (row.stepField == id || row.readButton == id) return &row;
    return nullptr;
}
