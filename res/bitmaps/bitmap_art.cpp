#include "bitmap_art.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace bitmaps {

namespace {

// ---------------------------------------------------------------------------
// Drawing helpers. Points are pixel coordinates; a pixel (x, y) is sampled at
// its centre, so a polygon through pixel centres covers exactly the pixels a
// reader would expect from its corner list.

struct Point {
    double x, y;
};

uint32_t Mix(uint32_t under, uint32_t over, double alpha) {
    auto channel = [&](int shift) {
        const double a = (under >> shift) & 0xFF;
        const double b = (over >> shift) & 0xFF;
        return static_cast<uint32_t>(std::lround(a + (b - a) * alpha)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

void FillRect(Picture& p, int x, int y, int w, int h, uint32_t colour) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) p.Set(i, j, colour);
}

// Crisp Bresenham line for pixel art, both ends drawn; a square pen of the
// given width, even widths growing right and down from the path.
void Line(Picture& p, int x0, int y0, int x1, int y1, uint32_t colour, int width = 1) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    const int lo = -(width - 1) / 2;
    for (;;) {
        for (int j = lo; j < lo + width; ++j)
            for (int i = lo; i < lo + width; ++i) p.Set(x0 + i, y0 + j, colour);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

bool Inside(const std::vector<Point>& poly, double x, double y) {
    // Winding by crossings, with points on an edge counted as inside.
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point a = poly[j], b = poly[i];
        const double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        const bool within = x >= std::min(a.x, b.x) - 1e-9 && x <= std::max(a.x, b.x) + 1e-9 &&
                            y >= std::min(a.y, b.y) - 1e-9 && y <= std::max(a.y, b.y) + 1e-9;
        if (std::fabs(cross) < 1e-9 && within) return true;
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

struct Bounds {
    double x0, y0, x1, y1;
};

Bounds BoundsOf(const std::vector<Point>& poly) {
    Bounds b{1e9, 1e9, -1e9, -1e9};
    for (const Point& pt : poly) {
        b.x0 = std::min(b.x0, pt.x);
        b.x1 = std::max(b.x1, pt.x);
        b.y0 = std::min(b.y0, pt.y);
        b.y1 = std::max(b.y1, pt.y);
    }
    return b;
}

// Fills the polygon; alpha below 1 tints what is already there.
void FillPolygon(Picture& p, const std::vector<Point>& poly, uint32_t colour, double alpha = 1.0) {
    const auto [x0, y0, x1, y1] = BoundsOf(poly);
    for (int y = static_cast<int>(std::floor(y0)); y <= static_cast<int>(std::ceil(y1)); ++y)
        for (int x = static_cast<int>(std::floor(x0)); x <= static_cast<int>(std::ceil(x1)); ++x)
            if (p.Contains(x, y) && Inside(poly, x, y))
                p.Set(x, y, alpha >= 1.0 ? colour : Mix(p.At(x, y), colour, alpha));
}

// Anti-aliased segment of the given width with round ends: each pixel takes
// the colour by how far its centre lies inside the stroke. Dashes are
// measured in pixels along the segment from `a`.
void SmoothLine(Picture& p, Point a, Point b, uint32_t colour, double width = 1.0, double on = 0,
                double off = 0) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double reach = width / 2 + 1;
    const int top = int(std::floor(std::min(a.y, b.y) - reach));
    const int bottom = int(std::ceil(std::max(a.y, b.y) + reach));
    const int left = int(std::floor(std::min(a.x, b.x) - reach));
    const int right = int(std::ceil(std::max(a.x, b.x) + reach));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            if (!p.Contains(x, y)) continue;
            double t = length > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / (length * length) : 0;
            t = std::clamp(t, 0.0, 1.0);
            if (on > 0 && std::fmod(t * length, on + off) >= on) continue;
            const double ex = a.x + t * dx - x, ey = a.y + t * dy - y;
            const double coverage =
                std::clamp(width / 2 + 0.5 - std::sqrt(ex * ex + ey * ey), 0.0, 1.0);
            if (coverage > 0) p.Set(x, y, Mix(p.At(x, y), colour, coverage));
        }
}

// Polygon with edges smoothed by 4x4 samples per pixel.
void SmoothPolygon(Picture& p, const std::vector<Point>& poly, uint32_t colour) {
    const auto [x0, y0, x1, y1] = BoundsOf(poly);
    for (int y = int(std::floor(y0)) - 1; y <= int(std::ceil(y1)) + 1; ++y)
        for (int x = int(std::floor(x0)) - 1; x <= int(std::ceil(x1)) + 1; ++x) {
            if (!p.Contains(x, y)) continue;
            int hits = 0;
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i)
                    if (Inside(poly, x - 0.375 + i * 0.25, y - 0.375 + j * 0.25)) ++hits;
            if (hits) p.Set(x, y, Mix(p.At(x, y), colour, hits / 16.0));
        }
}

// Pixel art from rows of characters; characters missing from the legend
// (such as '.') leave the picture as it is.
struct Ink {
    char key;
    uint32_t colour;
};

void Stamp(Picture& p, int x, int y, const std::vector<std::string>& rows,
           const std::vector<Ink>& legend) {
    for (size_t j = 0; j < rows.size(); ++j)
        for (size_t i = 0; i < rows[j].size(); ++i)
            for (const Ink& ink : legend)
                if (ink.key == rows[j][i]) p.Set(x + int(i), y + int(j), ink.colour);
}

// ---------------------------------------------------------------------------
// Two small pixel fonts: a lower-case one of five-pixel letters with one-pixel
// ascenders for the image-button captions, and a 5x7 one for labels.

struct Glyph {
    char c;
    std::vector<std::string> rows;
};

const std::vector<Glyph>& SmallFont() {
    static const std::vector<Glyph> font = {
        {'s', {"...", ".XX", "X..", ".X.", "..X", "XX."}},
        {'h', {"X..", "X..", "XX.", "X.X", "X.X", "X.X"}},
        {'o', {"...", ".X.", "X.X", "X.X", "X.X", ".X."}},
        {'w', {".....", "X...X", "X...X", "X.X.X", "X.X.X", ".X.X."}},
        {'i', {"X", ".", "X", "X", "X", "X"}},
        {'d', {"..X", "..X", ".XX", "X.X", "X.X", ".XX"}},
        {'e', {"...", ".X.", "X.X", "XXX", "X..", ".XX"}},
    };
    return font;
}

const std::vector<Glyph>& LabelFont() {
    static const std::vector<Glyph> font = {
        {'X', {"X...X", "X...X", ".X.X.", "..X..", ".X.X.", "X...X", "X...X"}},
        {'Y', {"X...X", "X...X", ".X.X.", "..X..", "..X..", "..X..", "..X.."}},
        {'Z', {"XXXXX", "....X", "...X.", "..X..", ".X...", "X....", "XXXXX"}},
        {'O', {".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."}},
        {'r', {".....", ".....", "X.XX.", "XX..X", "X....", "X....", "X...."}},
        {'t', {".X...", ".X...", "XXXX.", ".X...", ".X...", ".X..X", "..XX."}},
        {'o', {".....", ".....", ".XXX.", "X...X", "X...X", "X...X", ".XXX."}},
        {'l', {"XX...", ".X...", ".X...", ".X...", ".X...", ".X...", "XXX.."}},
        {'a', {".....", ".....", ".XXX.", "....X", ".XXXX", "X...X", ".XXXX"}},
        {'n', {".....", ".....", "X.XX.", "XX..X", "X...X", "X...X", "X...X"}},
    };
    return font;
}

const Glyph* FindGlyph(const std::vector<Glyph>& font, char c) {
    for (const Glyph& g : font)
        if (g.c == c) return &g;
    return nullptr;
}

int GlyphWidth(const Glyph& g) {
    // Trailing blank columns of the 5x7 letters are not part of the advance.
    int w = 0;
    for (const std::string& row : g.rows)
        for (size_t i = 0; i < row.size(); ++i)
            if (row[i] == 'X') w = std::max(w, int(i) + 1);
    return w;
}

int TextWidth(const std::vector<Glyph>& font, const char* text, int scale = 1) {
    int w = 0;
    for (const char* c = text; *c; ++c) {
        const Glyph* g = FindGlyph(font, *c);
        if (g) w += (GlyphWidth(*g) + 1) * scale;
    }
    return w > 0 ? w - scale : 0;
}

void Text(Picture& p, int x, int y, const std::vector<Glyph>& font, const char* text,
          uint32_t colour, int scale = 1) {
    for (const char* c = text; *c; ++c) {
        const Glyph* g = FindGlyph(font, *c);
        if (!g) continue;
        for (size_t j = 0; j < g->rows.size(); ++j)
            for (size_t i = 0; i < g->rows[j].size(); ++i)
                if (g->rows[j][i] == 'X')
                    FillRect(p, x + int(i) * scale, y + int(j) * scale, scale, scale, colour);
        x += (GlyphWidth(*g) + 1) * scale;
    }
}

// ---------------------------------------------------------------------------
// Title-strip buttons: 11x11, a one-pixel bevel that mirrors the lines the
// button itself would draw (light left column and top row, dark right column
// and bottom row; the top-right pixel dark, the bottom-left light), swapped
// when pressed, and the glyph one pixel right and down when pressed.

constexpr int kTitleButtonSize = 11;

Picture TitleButton(const std::vector<std::string>& glyph, const std::vector<Ink>& legend,
                    int glyphX, int glyphY, bool pressed) {
    const int n = kTitleButtonSize;
    Picture p(n, n, kLightGrey);
    const uint32_t topLeft = pressed ? kBevelDark : kBevelLight;
    const uint32_t bottomRight = pressed ? kBevelLight : kBevelDark;
    for (int i = 0; i < n - 1; ++i) {
        p.Set(i, 0, topLeft);                  // top row, up to the last column
        p.Set(0, n - 1 - i, topLeft);          // left column, up from the bottom
        p.Set(n - 1, i, bottomRight);          // right column
        p.Set(n - 1 - i, n - 1, bottomRight);  // bottom row
    }
    const int shift = pressed ? 1 : 0;
    Stamp(p, glyphX + shift, glyphY + shift, glyph, legend);
    return p;
}

const std::vector<std::string> kDownTriangle = {
    "RRRRRRR",
    ".RRRRR.",
    "..RRR..",
    "...R...",
};
const std::vector<Ink> kRedInk = {{'R', 0xD00000}};

const std::vector<std::string> kQuestionMark = {
    ".KKK.", "K...K", "....K", "..KK.", "..K..", ".....", "..K..",
};
const std::vector<std::string> kDiagonalCross = {
    "KK...KK", ".KK.KK.", "..KKK..", "...K...", "..KKK..", ".KK.KK.", "KK...KK",
};
const std::vector<Ink> kBlackInk = {{'K', 0x000000}};

Picture RollToFields() { return TitleButton(kDownTriangle, kRedInk, 2, 4, false); }
Picture RollToFieldsPressed() { return TitleButton(kDownTriangle, kRedInk, 2, 4, true); }
Picture RollToTitle() { return TitleButton(kQuestionMark, kBlackInk, 3, 2, false); }
Picture RollToTitlePressed() { return TitleButton(kQuestionMark, kBlackInk, 3, 2, true); }
Picture Hide() { return TitleButton(kDiagonalCross, kBlackInk, 2, 2, false); }
Picture HidePressed() { return TitleButton(kDiagonalCross, kBlackInk, 2, 2, true); }

// ---------------------------------------------------------------------------
// Box picture (2012). The panel's dialog puts fifteen radio buttons over
// this picture, and each radio circle has to sit on its corner of the cube or
// on its end of the cross. The picture is drawn from where those circles
// land (box::kMarks says how that was measured), not the other way round.

Point Anchor(int id) {
    for (const box::Mark& m : box::kMarks)
        if (m.id == id) return {double(m.x), double(m.y)};
    return {0, 0};
}

constexpr uint32_t kAxisX = 0x00A000;  // green, toward the viewer
constexpr uint32_t kAxisY = 0x0000D0;  // blue, to the right
constexpr uint32_t kAxisZ = 0xD00000;  // red, up

Point Direction(Point from, Point to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double n = std::sqrt(dx * dx + dy * dy);
    return {dx / n, dy / n};
}

void Arrow(Picture& p, Point origin, Point dir, double length, uint32_t colour) {
    const Point tip = {origin.x + dir.x * length, origin.y + dir.y * length};
    const Point base = {tip.x - dir.x * 9, tip.y - dir.y * 9};
    SmoothLine(p, origin, {base.x + dir.x, base.y + dir.y}, colour, 2.0);
    SmoothPolygon(
        p,
        {tip, {base.x - dir.y * 4, base.y + dir.x * 4}, {base.x + dir.y * 4, base.y - dir.x * 4}},
        colour);
}

void Edge(Picture& p, int from, int to, uint32_t colour, double width = 1.0, double on = 0,
          double off = 0) {
    SmoothLine(p, Anchor(from), Anchor(to), colour, width, on, off);
}

Picture BoxPicture() {
    Picture p(box::kPictureWidth, box::kPictureHeight, kLightGrey);

    // The cube, seen from the front, above and the right: the bottom back
    // left corner (3034) is hidden, its three edges dashed behind the
    // tinted faces.
    for (int corner : {3030, 3035, 3036}) Edge(p, 3034, corner, 0x606060, 1.0, 4, 3);
    auto face = [&](int a, int b, int c, int d, uint32_t colour, double alpha) {
        FillPolygon(p, {Anchor(a), Anchor(b), Anchor(c), Anchor(d)}, colour, alpha);
    };
    face(3030, 3031, 3033, 3032, 0xFFFFFF, 0.55);  // top
    face(3032, 3033, 3037, 3036, 0xFFFFFF, 0.25);  // front
    face(3031, 3035, 3037, 3033, 0x000000, 0.12);  // right
    const int visible[][2] = {{3030, 3031}, {3031, 3033}, {3033, 3032}, {3032, 3030}, {3032, 3036},
                              {3033, 3037}, {3036, 3037}, {3031, 3035}, {3035, 3037}};
    for (const auto& e : visible) Edge(p, e[0], e[1], 0x181818, 1.2);

    // The cross: each arm drawn through the crossing point, so the three
    // meet exactly under the centre button.
    Edge(p, 3038, 3044, kAxisZ, 2.0);
    Edge(p, 3044, 3043, kAxisZ, 2.0);
    Edge(p, 3041, 3044, kAxisY, 2.0);
    Edge(p, 3044, 3040, kAxisY, 2.0);
    Edge(p, 3039, 3044, kAxisX, 2.0);
    Edge(p, 3044, 3042, kAxisX, 2.0);

    // The triad between them, its axes parallel to the arms of the cross.
    const Point dirZ = Direction(Anchor(3043), Anchor(3038));
    const Point dirY = Direction(Anchor(3041), Anchor(3040));
    const Point dirX = Direction(Anchor(3039), Anchor(3042));
    const Point origin = {150, 84};
    const double lengthZ = 46, lengthY = 32, lengthX = 34;
    Arrow(p, origin, dirZ, lengthZ, kAxisZ);
    Arrow(p, origin, dirY, lengthY, kAxisY);
    Arrow(p, origin, dirX, lengthX, kAxisX);
    SmoothPolygon(p,
                  {{origin.x - 2, origin.y - 2},
                   {origin.x + 2, origin.y - 2},
                   {origin.x + 2, origin.y + 2},
                   {origin.x - 2, origin.y + 2}},
                  0x181818);
    auto label = [&](const char* text, Point dir, double length, int dx, int dy, uint32_t c) {
        Text(p, int(std::lround(origin.x + dir.x * length)) + dx,
             int(std::lround(origin.y + dir.y * length)) + dy, LabelFont(), text, c);
    };
    label("Z", dirZ, lengthZ, 5, -3, kAxisZ);
    label("Y", dirY, lengthY, 2, -11, kAxisY);
    label("X", dirX, lengthX, -11, -4, kAxisX);
    return p;
}

// ---------------------------------------------------------------------------
// The axes-toggle images (2022, 2023): an eye over its caption on the light
// grey of a classic button face. No magenta, which the image buttons treat
// as transparent.

void Eye(Picture& p, int left, int top) {
    const std::vector<std::string> eye = {
        "....kkkkkkk....", "..kkwwwwwwwkk..", ".kwwwwiiiwwwwk.", "kwwwwiippiwwwwk",
        "kwwwwippppwwwwk", ".kwwwwippiwwwk.", "..kkwwwiiwwkk..", "....kkkkkkk....",
    };
    Stamp(p, left, top, eye, {{'k', 0x202020}, {'w', 0xFFFFFF}, {'i', 0x3070C0}, {'p', 0x000000}});
    p.Set(left + 7, top + 3, 0xFFFFFF);  // glint
}

Picture ShowAxes() {
    Picture p(30, 16, kLightGrey);
    Eye(p, 7, 1);
    Text(p, (30 - TextWidth(SmallFont(), "show")) / 2, 10, SmallFont(), "show", 0x000000);
    return p;
}

Picture HideAxes() {
    Picture p(30, 16, kLightGrey);
    Eye(p, 7, 1);
    // The stroke, with a ground-coloured edge to lift it off the eye.
    Line(p, 8, 0, 20, 9, kLightGrey, 1);
    Line(p, 9, 0, 21, 9, 0xC00000, 1);
    Line(p, 10, 0, 22, 9, 0xC00000, 1);
    Text(p, (30 - TextWidth(SmallFont(), "hide")) / 2, 10, SmallFont(), "hide", 0x000000);
    return p;
}

// ---------------------------------------------------------------------------
// The module icon (2001): the bird the module is named after, perched.

Picture ModuleIcon() {
    Picture p(32, 32, kLightGrey);
    const std::vector<std::string> bird = {
        "................................", "................................",
        "................................", "..................kkkkkk........",
        "................kkggggggkk......", "...............kggggggggggk.....",
        "..............kggggggrrrrggk....", "..............kggggggrEergggk...",
        "..............kggggggrEErgggkkk.", "..............kgggggggrrggggpppk",
        "..............kgggggggggggggPPk.", ".............kbggggggggyyyykk...",
        "............kbbbgggggyyyyyyk....", "..........kkbbbbbggggyyyyyyk....",
        "........kkbbBbbbbbgggoyyyyok....", ".......kbbBbbbdddddbggoooooook..",
        "......kbbbbbddddwwdbgooooooook..", ".....kbbBbbddwwddddbooooooooOk..",
        "....kbbbbbddddddwwdbooooooooOk..", "...kbbbBbdwwdddddddbooooooOOk...",
        "..ktbbbbbddddwwddbbooooooOOk....", ".kttbbbbbbddddddbbbooooOOOk.....",
        "ktttkkbbbbbbbbbbbbbOOOOOkk......", "kttk..kkkkkkbbbbOOOOkkk.........",
        "ktk.........kkkkkkkk............", "kk...............l..l...........",
        "............SSSSSlSSlSSSS.......", "........SSSSsssssssssssssssS....",
        ".......SssssssSSSSSSSSSSSSS.....", "........SSSS....................",
        "................................", "................................",
    };
    Stamp(p, 0, 0, bird,
          {{'k', 0x2A2A22},
           {'g', 0x98A47A},
           {'y', 0xF0D44C},
           {'r', 0xF4F0C8},
           {'E', 0x101010},
           {'e', 0xFFFFFF},
           {'p', 0xE89C82},
           {'P', 0xC07460},
           {'o', 0xD08A55},
           {'O', 0xA86638},
           {'b', 0x9C7852},
           {'B', 0x5E4630},
           {'d', 0x765638},
           {'w', 0xD8BA88},
           {'t', 0x5A4432},
           {'l', 0xC88878},
           {'s', 0x8A6A44},
           {'S', 0x4E3822}});
    return p;
}

// 2009, spare: a tool-like emblem, a shaded cube with the pivot triad on
// its top face.
Picture CubeEmblem() {
    Picture p(32, 32, kLightGrey);
    const Point top = {16, 9}, right = {27, 14}, front = {16, 19}, left = {5, 14};
    const Point rightLow = {27, 25}, frontLow = {16, 30}, leftLow = {5, 25};
    FillPolygon(p, {top, right, front, left}, 0xECECEC);
    FillPolygon(p, {left, front, frontLow, leftLow}, 0xA4A4A4);
    FillPolygon(p, {front, right, rightLow, frontLow}, 0x848484);
    const Point outline[] = {top, right, rightLow, frontLow, leftLow, left, top};
    for (int i = 0; i + 1 < 7; ++i)
        Line(p, int(outline[i].x), int(outline[i].y), int(outline[i + 1].x), int(outline[i + 1].y),
             0x202020);
    Line(p, 5, 14, 16, 19, 0x202020);
    Line(p, 16, 19, 27, 14, 0x202020);
    Line(p, 16, 19, 16, 30, 0x202020);
    Line(p, 16, 14, 16, 3, kAxisZ, 2);
    Stamp(p, 14, 1, {"..RR..", ".RRRR.", "RRRRRR"}, {{'R', kAxisZ}});
    Line(p, 16, 14, 22, 17, kAxisY);
    Line(p, 16, 15, 22, 18, kAxisY);
    Line(p, 16, 14, 10, 17, kAxisX);
    Line(p, 16, 15, 10, 18, kAxisX);
    FillRect(p, 15, 14, 3, 2, 0x000000);
    return p;
}

// 2015 and 2021, spare: wide banners.
Picture Banner() {
    Picture p(250, 109, 0);
    for (int y = 0; y < p.height; ++y)
        FillRect(p, 0, y, p.width, 1, Mix(0xE8ECF2, 0xA8B4C4, y / double(p.height - 1)));
    const Picture icon = ModuleIcon();
    for (int y = 0; y < icon.height; ++y)
        for (int x = 0; x < icon.width; ++x)
            if (icon.At(x, y) != kLightGrey)
                FillRect(p, 18 + 2 * x, 22 + 2 * y, 2, 2, icon.At(x, y));
    Text(p, 96, 36, LabelFont(), "Ortolan", 0x303840, 3);
    FillRect(p, 96, 64, 134, 2, 0x606C7C);
    return p;
}

Picture Workspace() {
    Picture p(250, 109, 0x3C4450);
    // A ground grid in oblique view, then a shaded cube on it with its triad.
    for (int i = -12; i <= 12; ++i)
        Line(p, 125 + i * 14 - 60, 108, 125 + i * 14 + 45, 63, 0x56606E);
    for (int y = 63; y < 109; y += 9) Line(p, 0, y, 249, y, 0x56606E);
    FillPolygon(p, {{125, 20}, {165, 34}, {125, 48}, {85, 34}}, 0xD8DCE2);
    FillPolygon(p, {{85, 34}, {125, 48}, {125, 92}, {85, 78}}, 0xA0A8B4);
    FillPolygon(p, {{125, 48}, {165, 34}, {165, 78}, {125, 92}}, 0x747E8C);
    SmoothLine(p, {125, 34}, {125, 8}, 0xE04040, 2.0);
    SmoothLine(p, {125, 34}, {149, 42}, 0x4060F0, 2.0);
    SmoothLine(p, {125, 34}, {101, 42}, 0x30B030, 2.0);
    SmoothPolygon(p, {{123, 32}, {127, 32}, {127, 36}, {123, 36}}, 0x202020);
    return p;
}

// 2025, spare: a tiny triad.
Picture TinyTriad() {
    Picture p(15, 12, kLightGrey);
    Stamp(p, 0, 0,
          {
              "......Z........",
              ".....ZZZ.......",
              "....ZZZZZ......",
              "......Z........",
              "......Z.....Y..",
              "......Z.....YY.",
              "......KYYYYYYYY",
              "X....X......YY.",
              "XX..X.......Y..",
              "XXXX...........",
              "XXXX...........",
              "XXXXX..........",
          },
          {{'Z', kAxisZ}, {'Y', kAxisY}, {'X', kAxisX}, {'K', 0x000000}});
    return p;
}

const std::vector<Resource> kResources = {
    {2001, "module_icon.bmp", 32, 32, 24, ModuleIcon},
    {2005, "roll_fields.bmp", 11, 11, 24, RollToFields},
    {2006, "hide_pressed.bmp", 11, 11, 4, HidePressed},
    {2007, "roll_title_pressed.bmp", 11, 11, 24, RollToTitlePressed},
    {2008, "roll_fields_pressed.bmp", 11, 11, 24, RollToFieldsPressed},
    {2009, "cube_emblem.bmp", 32, 32, 24, CubeEmblem},
    {2011, "roll_title.bmp", 11, 11, 24, RollToTitle},
    {2012, "box_picture.bmp", box::kPictureWidth, box::kPictureHeight, 24, BoxPicture},
    {2015, "banner.bmp", 250, 109, 24, Banner},
    {2020, "hide.bmp", 11, 11, 4, Hide},
    {2021, "workspace.bmp", 250, 109, 24, Workspace},
    {2022, "show_axes.bmp", 30, 16, 8, ShowAxes},
    {2023, "hide_axes.bmp", 30, 16, 8, HideAxes},
    {2025, "tiny_triad.bmp", 15, 12, 4, TinyTriad},
};

}  // namespace

const std::vector<Resource>& Resources() { return kResources; }

const Resource* FindResource(int id) {
    for (const Resource& r : kResources)
        if (r.id == id) return &r;
    return nullptr;
}

}  // namespace bitmaps
