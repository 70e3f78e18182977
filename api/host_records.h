// Records exchanged with the host's API library. They cross the DLL
// boundary by pointer, so their layout is part of the binary contract.
#pragma once

extern "C" {

struct Vector3 {
    float x, y, z;
};

struct BBox {
    Vector3 min;  // smallest X, Y, Z
    Vector3 max;  // largest X, Y, Z
};

// The host's axes orientation and vertex transform. The module only hands
// these from one host function to another and never looks inside.
struct Axes {
    float m[12];
};

struct Matrix {
    float m[12];
};

}  // extern "C"

static_assert(sizeof(Vector3) == 12, "Vector3 is three packed floats");
static_assert(sizeof(BBox) == 24, "BBox is two Vector3");
static_assert(sizeof(Axes) == 48, "Axes is twelve floats");
static_assert(sizeof(Matrix) == 48, "Matrix is twelve floats");
