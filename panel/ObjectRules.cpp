#include "panel/ObjectRules.h"

#include <cassert>
#include <cmath>

namespace {

// Where each coordinate of an anchor comes from.
enum Source : char { Min = 'n', Max = 'x', Axes = 'a', Centre = 'c' };

struct Anchor {
    int id;
    Source x, y, z;
};

// X points toward the viewer, Y to the right, Z up: the minimum of an axis
// is its back, left or bottom side. In the order of the buttons' ids.
constexpr Anchor kAnchors[] = {
    {IDC_ANCHOR_TOP_BACK_LEFT, Min, Min, Max},
    {IDC_ANCHOR_TOP_BACK_RIGHT, Min, Max, Max},
    {IDC_ANCHOR_TOP_FRONT_LEFT, Max, Min, Max},
    {IDC_ANCHOR_TOP_FRONT_RIGHT, Max, Max, Max},
    {IDC_ANCHOR_BOTTOM_BACK_LEFT, Min, Min, Min},
    {IDC_ANCHOR_BOTTOM_BACK_RIGHT, Min, Max, Min},
    {IDC_ANCHOR_BOTTOM_FRONT_LEFT, Max, Min, Min},
    {IDC_ANCHOR_BOTTOM_FRONT_RIGHT, Max, Max, Min},
    {IDC_ANCHOR_TOP, Axes, Axes, Max},
    {IDC_ANCHOR_BACK, Min, Axes, Axes},
    {IDC_ANCHOR_RIGHT, Axes, Max, Axes},
    {IDC_ANCHOR_LEFT, Axes, Min, Axes},
    {IDC_ANCHOR_FRONT, Max, Axes, Axes},
    {IDC_ANCHOR_BOTTOM, Axes, Axes, Min},
    {IDC_ANCHOR_CENTRE, Centre, Centre, Centre},
};

constexpr bool InOrderOfIds() {
    int id = IDC_ANCHOR_FIRST;
    for (const Anchor& anchor : kAnchors)
        if (anchor.id != id++) return false;
    return id == IDC_ANCHOR_LAST + 1;
}
static_assert(InOrderOfIds());

const Anchor& AnchorOf(int id) {
    assert(id >= IDC_ANCHOR_FIRST && id <= IDC_ANCHOR_LAST);
    return kAnchors[id - IDC_ANCHOR_FIRST];
}

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
    case Min: return min;
    case Max: return max;
    case Axes: return axes;
    case Centre: return ToFloat(size / 2.0 + min);
    }
    return 0.0f;
}

}  // namespace

AnchorKind KindOfAnchor(int id) {
    const Anchor& a = AnchorOf(id);
    if (a.x == Source::Centre) return AnchorKind::Centre;
    if (a.x == Source::Axes || a.y == Source::Axes || a.z == Source::Axes) return AnchorKind::Face;
    return AnchorKind::Corner;
}

Vector3 AnchorPoint(int id, const BBox& box, const Vector3& axesPosition, const Vector3& size) {
    const Anchor& a = AnchorOf(id);
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
    case 0: return 4;
    case 2: return 5;
    case 4: return 6;
    case 6: return 7;
    case 8: return 8;
    }
    return currentCode;
}
