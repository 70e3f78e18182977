// Arithmetic of the object commands, apart from Win32: where each anchor
// button puts the object's axes, which unit code a menu position picks, and
// which values may go to the host at all.
#pragma once

#include "api/host_records.h"
#include "res/resource.h"

enum class AnchorKind { Corner, Face, Centre };

// Kind of anchor button `id` (IDC_ANCHOR_FIRST .. IDC_ANCHOR_LAST): corners take
// every coordinate from the box, faces keep two coordinates of the current
// axes position, the centre adds half the host's size to the box's minimum.
AnchorKind KindOfAnchor(int id);

// The new axes position for anchor `id`. A centre beyond the float range
// comes out as an infinity of its sign, which AllFinite then refuses.
Vector3 AnchorPoint(int id, const BBox& box, const Vector3& axesPosition, const Vector3& size);

// Whether the box holds no point: its minimum lies above its maximum on some
// axis. A box emptied by tsxBBoxInit is such a box (the stand-in's holds
// +FLT_MAX and -FLT_MAX), and a host may hand it back so for an object
// without geometry. Its "corners" are no place for the axes.
bool IsEmptyBox(const BBox& box);

// Whether every coordinate is a finite float. Commands hand the host only
// such vectors: a host whose getters give NaN or infinities (or a box whose
// centre lies past the largest float) must not get them back as positions,
// rotations or sizes, where they would spread through its scene.
bool AllFinite(const Vector3& v);

// The unit code the unit command passes on for a menu position: the even
// positions 0 to 8 choose codes 4 to 8, every other position keeps the
// object's own code. `latch` tells whether the button is to be shown pushed
// (the odd positions 1 to 7).
int UnitCodeForPosition(int position, int currentCode, bool& latch);
