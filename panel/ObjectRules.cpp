#include "panel/ObjectRules.h"

#include <cmath>

namespace {

// Where each coordinate of an anchor comes from.
enum Source : char { Min = 'n', Max = 'x', Axes = 'a', Centre = 'c' };

struct Anchor {
    Source x, y, z;
};

// X points toward the viewer, Y to the right, Z up: the minimum of an axis
// is its back, left or bottom side.
const Anchor kAnchors[] = {
    {Min, Min, Max},           // 3030 cube, top back left
    {Min, Max, Max},           // 3031 top back right
    {Max, Min, Max},           // 3032 top front left
    {Max, Max, Max},           // 3033 top front right
    {Min, Min, Min},           // 3034 bottom back left
    {Min, Max, Min},           // 3035 bottom back right
    {Max, Min, Min},           // 3036 bottom front left
    {Max, Max, Min},           // 3037 bottom front right
    {Axes, Axes, Max},         // 3038 top face
    {Min, Axes, Axes},         // 3039 back face
    {Axes, Max, Axes},         // 3040 right face
    {Axes, Min, Axes},         // 3041 left face
    {Max, Axes, Axes},         // 3042 front face
    {Axes, Axes, Min},         // 3043 bottom face
    {Centre, Centre, Centre},  // 3044 centre
};

// Double to float, rounding as IEEE does: at or past the point where the
// rounding goes to infinity (the largest float plus half its last step), the
// result is an infinity of the value's sign. A plain cast of a double beyond
// the float range is undefined behaviour.
float ToFloat(double value) {
    static const double kOverflow = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    if (value >= kOverflow) return HUGE_VALF;
    if (value <= -kOverflow) return -HUGE_VALF;
    return static_cast<float>(value);
}

float Coordinate(Source source, float min, float max, float axes, float size) {
    switch (source) {
    case Min:
        return min;
    case Max:
        return max;
    case Axes:
        return axes;
    case Centre:
        return ToFloat(size / 2.0 + min);
    }
    return 0.0f;
}

}  // namespace

AnchorKind KindOfAnchor(int id) {
    if (id >= 3030 && id <= 3037) return AnchorKind::Corner;
    if (id == 3044) return AnchorKind::Centre;
    return AnchorKind::Face;
}

Vector3 AnchorPoint(int id, const BBox& box, const Vector3& axesPosition, const Vector3& size) {
    const Anchor& a = kAnchors[id - kFirstAnchor];
    return {Coordinate(a.x, box.min.x, box.max.x, axesPosition.x, size.x),
            Coordinate(a.y, box.min.y, box.max.y, axesPosition.y, size.y),
            Coordinate(a.z, box.min.z, box.max.z, axesPosition.z, size.z)};
}

bool IsEmptyBox(const BBox& box) {
    return box.min.x > box.max.x || box.min.y > box.max.y || box.min.z > box.max.z;
}

bool AllFinite(const Vector3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

int UnitCodeForPosition(int position, int currentCode, bool& latch) {
    latch = position == 1 || position == 3 || position == 5 || position == 7;
    switch (position) {
    case 0:
        return 4;
    case 2:
        return 5;
    case 4:
        return 6;
    case 6:
        return 7;
    case 8:
        return 8;
    }
    return currentCode;
}
