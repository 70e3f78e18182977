#include "host/tsxapi/euler.h"

#include <cmath>

namespace standin {
namespace {

const double kPi = 3.14159265358979323846;
const double kDegree = kPi / 180.0;

struct Vec {
    double x, y, z;
};

double Dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(const Vec& a, const Vec& b) {
    return Vec{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec Scaled(const Vec& a, double k) { return Vec{a.x * k, a.y * k, a.z * k}; }
Vec Minus(const Vec& a, const Vec& b) { return Vec{a.x - b.x, a.y - b.y, a.z - b.z}; }

// Unit vector in out; false for a zero or non-finite vector.
bool Normalized(const Vec& a, Vec* out) {
    double length = std::sqrt(Dot(a, a));
    if (!std::isfinite(length) || length < 1e-12) return false;
    *out = Scaled(a, 1.0 / length);
    return true;
}

Vec Read(const Axes& axes, int first) {
    return Vec{axes.m[first], axes.m[first + 1], axes.m[first + 2]};
}

double Clamp(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Radians to float degrees in (-180, 180]: a double just above -180 can still
// round to -180.0f, which is folded over as well.
float FoldedDegrees(double radians) {
    float degrees = static_cast<float>(NormalizeDegrees(radians / kDegree));
    return degrees <= -180.0f ? 180.0f : degrees;
}

}  // namespace

double NormalizeDegrees(double degrees) {
    if (!std::isfinite(degrees)) return 0.0;
    double folded = std::fmod(degrees, 360.0);  // (-360, 360)
    if (folded > 180.0) folded -= 360.0;
    if (folded <= -180.0) folded += 360.0;
    return folded;
}

Rotation RotationFromEuler(const Vector3& degrees) {
    double a = degrees.x * kDegree, b = degrees.y * kDegree, c = degrees.z * kDegree;
    double sa = std::sin(a), ca = std::cos(a);
    double sb = std::sin(b), cb = std::cos(b);
    double sc = std::sin(c), cc = std::cos(c);
    // Rz(c) * Ry(b) * Rx(a)
    Rotation r;
    r.m[0][0] = cc * cb;
    r.m[0][1] = cc * sb * sa - sc * ca;
    r.m[0][2] = cc * sb * ca + sc * sa;
    r.m[1][0] = sc * cb;
    r.m[1][1] = sc * sb * sa + cc * ca;
    r.m[1][2] = sc * sb * ca - cc * sa;
    r.m[2][0] = -sb;
    r.m[2][1] = cb * sa;
    r.m[2][2] = cb * ca;
    return r;
}

Vector3 EulerFromRotation(const Rotation& r) {
    // -sin(y) = r20; cos(y) >= 0 for y in [-90, 90].
    double sy = Clamp(-r.m[2][0], -1.0, 1.0);
    double cy = std::sqrt(r.m[0][0] * r.m[0][0] + r.m[1][0] * r.m[1][0]);
    double x, y, z;
    if (cy > 1e-6) {
        y = std::atan2(sy, cy);
        x = std::atan2(r.m[2][1], r.m[2][2]);
        z = std::atan2(r.m[1][0], r.m[0][0]);
    } else {
        // Gimbal lock: with z = 0, R = Ry(+-90) Rx(x) and r11 = cos x, r12 = -sin x.
        y = sy > 0 ? kPi / 2 : -kPi / 2;
        x = std::atan2(-r.m[1][2], r.m[1][1]);
        z = 0.0;
    }
    return Vector3{FoldedDegrees(x), static_cast<float>(y / kDegree), FoldedDegrees(z)};
}

Vector3 Rotate(const Rotation& r, const Vector3& v) {
    return Vector3{static_cast<float>(r.m[0][0] * v.x + r.m[0][1] * v.y + r.m[0][2] * v.z),
                   static_cast<float>(r.m[1][0] * v.x + r.m[1][1] * v.y + r.m[1][2] * v.z),
                   static_cast<float>(r.m[2][0] * v.x + r.m[2][1] * v.y + r.m[2][2] * v.z)};
}

Axes AxesFromEuler(const Vector3& degrees, const Vector3& origin) {
    Rotation r = RotationFromEuler(degrees);
    Axes axes;
    axes.m[0] = origin.x;
    axes.m[1] = origin.y;
    axes.m[2] = origin.z;
    for (int axis = 0; axis < 3; ++axis) {
        for (int row = 0; row < 3; ++row) {
            axes.m[3 + axis * 3 + row] = static_cast<float>(r.m[row][axis]);
        }
    }
    return axes;
}

Vector3 EulerFromAxes(const Axes& axes) {
    Vec x, y, z;
    if (!Normalized(Read(axes, 3), &x)) return Vector3{0, 0, 0};
    Vec givenY = Read(axes, 6);
    if (!Normalized(Minus(givenY, Scaled(x, Dot(givenY, x))), &y)) {
        // Y missing or parallel to X: take it from Z instead.
        Vec givenZ = Read(axes, 9);
        if (!Normalized(Cross(givenZ, x), &y)) return Vector3{0, 0, 0};
    }
    z = Cross(x, y);
    Rotation r;
    const Vec* columns[3] = {&x, &y, &z};
    for (int axis = 0; axis < 3; ++axis) {
        r.m[0][axis] = columns[axis]->x;
        r.m[1][axis] = columns[axis]->y;
        r.m[2][axis] = columns[axis]->z;
    }
    return EulerFromRotation(r);
}

Vector3 AxesOrigin(const Axes& axes) { return Vector3{axes.m[0], axes.m[1], axes.m[2]}; }

Vector3 AxesVector(const Axes& axes, int which) {
    int first = 3 + 3 * (which < 0 ? 0 : (which > 2 ? 2 : which));
    return Vector3{axes.m[first], axes.m[first + 1], axes.m[first + 2]};
}

}  // namespace standin
