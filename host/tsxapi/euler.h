// Euler angles and the host's Axes record, without windows.h.
//
// Convention of the stand-in host: the three angles are degrees and turn a
// body about the fixed world axes, first about X, then about Y, then about Z,
// so the rotation matrix is R = Rz(z) * Ry(y) * Rx(x). The Axes record holds
// the origin (3 floats) and then the three unit axis vectors X, Y, Z (3 floats
// each), which are the columns of R: axis X is R applied to (1, 0, 0).
//
// AxesToEuler gives X and Z in (-180, 180] and Y in [-90, 90]. At Y = +-90
// (gimbal lock) only X - Z or X + Z is defined; the stand-in then reports
// Z = 0 and puts the whole turn into X.
#pragma once

#include "api/host_records.h"

namespace standin {

// Row-major 3 x 3 rotation matrix.
struct Rotation {
    double m[3][3];
};

Rotation RotationFromEuler(const Vector3& degrees);
Vector3 EulerFromRotation(const Rotation& r);
Vector3 Rotate(const Rotation& r, const Vector3& v);

// origin (0, 0, 0) unless given.
Axes AxesFromEuler(const Vector3& degrees, const Vector3& origin = Vector3{0, 0, 0});
// Reads the axis vectors; they are re-orthonormalised first (Gram-Schmidt:
// X, then Y made square to X, then Z = X x Y; when Y is unusable, Y = Z x X),
// so a record with rounding noise or scale still gives sensible angles. A
// degenerate record (zero or non-finite axes) gives {0, 0, 0}.
Vector3 EulerFromAxes(const Axes& axes);

Vector3 AxesOrigin(const Axes& axes);
Vector3 AxesVector(const Axes& axes, int which);  // 0 = X, 1 = Y, 2 = Z

// Folds an angle in degrees into (-180, 180].
double NormalizeDegrees(double degrees);

}  // namespace standin
