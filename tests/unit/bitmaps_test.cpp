// The committed BMP resources: their format, their sizes and depths, the
// details the module's code depends on, and that they are what the generator
// draws today.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "res/bitmaps/bitmap_art.h"
#include "res/bitmaps/bmp_file.h"
#include "scratch_folder.h"
#include "tests/support/bitmaps.h"
#include "tests/support/template_layout.h"

namespace {

using bitmaps::Picture;

std::string BitmapPath(const char* fileName) {
    return std::string(ORTOLAN_SOURCE_DIR) + "/res/bitmaps/" + fileName;
}

Bmp LoadCommitted(int id) {
    Bmp bmp;
    const bitmaps::Resource* r = bitmaps::FindResource(id);
    if (!r) {
        ADD_FAILURE() << "no resource " << id;
        return bmp;
    }
    EXPECT_EQ("", ReadBmp(FileText(BitmapPath(r->fileName)), bmp)) << r->fileName;
    return bmp;
}

TEST(BitmapFiles, EachHasItsSizeAndDepth) {
    ASSERT_EQ(std::size(kExpectedBitmaps), bitmaps::Resources().size());
    for (const ExpectedBitmap& e : kExpectedBitmaps) {
        SCOPED_TRACE(e.id);
        const Bmp bmp = LoadCommitted(e.id);
        EXPECT_EQ(e.width, bmp.picture.width);
        EXPECT_EQ(e.height, bmp.picture.height);
        EXPECT_EQ(e.bitsPerPixel, bmp.bitsPerPixel);
    }
}

TEST(BitmapFiles, CommittedFilesAreWhatTheGeneratorDraws) {
    for (const bitmaps::Resource& r : bitmaps::Resources()) {
        SCOPED_TRACE(r.fileName);
        const std::vector<uint8_t> drawn = bitmaps::EncodeBmp(r.draw(), r.bitsPerPixel);
        ASSERT_FALSE(drawn.empty());
        EXPECT_TRUE(std::string(drawn.begin(), drawn.end()) == FileText(BitmapPath(r.fileName)))
            << "stale file: run scripts/make-bitmaps and commit the result";
    }
}

TEST(BitmapFiles, ResourceScriptNamesEveryFileUnderItsId) {
    // The script names each bitmap by its IDB_ name of resource.h.
    std::ifstream header(std::string(ORTOLAN_SOURCE_DIR) + "/res/resource.h");
    const std::regex define(R"(^#define\s+(IDB_\w+)\s+(\d+)\s*$)");
    std::map<std::string, int> ids;
    for (std::string text; std::getline(header, text);) {
        std::smatch m;
        if (std::regex_match(text, m, define)) ids[m[1]] = std::stoi(m[2]);
    }
    std::ifstream in(std::string(ORTOLAN_SOURCE_DIR) + "/res/bitmaps.rc");
    const std::regex line(R"(^\s*(\w+)\s+BITMAP\s+"bitmaps/([^"]+)\"\s*$)");
    std::map<int, std::string> listed;
    for (std::string text; std::getline(in, text);) {
        std::smatch m;
        if (std::regex_match(text, m, line)) {
            const auto id = ids.find(m[1]);
            ASSERT_NE(ids.end(), id) << text;
            EXPECT_TRUE(listed.emplace(id->second, m[2]).second) << text;
        }
    }
    ASSERT_EQ(bitmaps::Resources().size(), listed.size());
    for (const bitmaps::Resource& r : bitmaps::Resources())
        EXPECT_EQ(r.fileName, listed[r.id]) << r.id;
}

// The image buttons draw their bitmaps with magenta as the transparent
// colour; the axes images are meant to show whole.
TEST(ImageButtonBitmaps, HoldNoMagenta) {
    for (int id : {2022, 2023}) {
        SCOPED_TRACE(id);
        const Bmp bmp = LoadCommitted(id);
        for (uint32_t c : bmp.picture.pixels) ASSERT_NE(bitmaps::kMagenta, c);
        for (int entry : bmp.usedEntries) EXPECT_NE(bitmaps::kMagenta, bmp.palette[size_t(entry)]);
    }
}

TEST(ImageButtonBitmaps, ShowAndHideDiffer) {
    EXPECT_NE(LoadCommitted(2022).picture.pixels, LoadCommitted(2023).picture.pixels);
}

// Title-strip buttons: face and pressed bitmaps of one button.
struct TitlePair {
    int face, pressed;
    uint32_t glyph;
};
const TitlePair kTitlePairs[] = {{2005, 2008, 0xD00000}, {2011, 2007, 0}, {2020, 2006, 0}};

void ExpectBevel(const Picture& p, uint32_t topLeft, uint32_t bottomRight) {
    const int n = p.width;
    for (int i = 0; i < n - 1; ++i) {
        EXPECT_EQ(topLeft, p.At(i, 0)) << "top row " << i;
        EXPECT_EQ(topLeft, p.At(0, i + 1)) << "left column " << i + 1;
        EXPECT_EQ(bottomRight, p.At(n - 1, i)) << "right column " << i;
        EXPECT_EQ(bottomRight, p.At(i + 1, n - 1)) << "bottom row " << i + 1;
    }
}

TEST(TitleButtonBitmaps, PressedSwapsTheBevel) {
    for (const TitlePair& pair : kTitlePairs) {
        SCOPED_TRACE(pair.face);
        ExpectBevel(LoadCommitted(pair.face).picture, bitmaps::kBevelLight, bitmaps::kBevelDark);
        ExpectBevel(LoadCommitted(pair.pressed).picture, bitmaps::kBevelDark, bitmaps::kBevelLight);
    }
}

TEST(TitleButtonBitmaps, PressedGlyphMovesOneRightAndDown) {
    for (const TitlePair& pair : kTitlePairs) {
        SCOPED_TRACE(pair.face);
        const Picture face = LoadCommitted(pair.face).picture;
        const Picture pressed = LoadCommitted(pair.pressed).picture;
        int glyphPixels = 0;
        for (int y = 1; y < 9; ++y)
            for (int x = 1; x < 9; ++x) {
                EXPECT_EQ(face.At(x, y), pressed.At(x + 1, y + 1)) << x << "," << y;
                if (face.At(x, y) == pair.glyph) ++glyphPixels;
            }
        EXPECT_GE(glyphPixels, 8);
        // Nothing of the glyph is left at the edge it moved away from, and
        // nothing of it was pushed out under the bevel.
        for (int i = 1; i < 10; ++i) {
            EXPECT_EQ(bitmaps::kLightGrey, pressed.At(1, i));
            EXPECT_EQ(bitmaps::kLightGrey, pressed.At(i, 1));
            EXPECT_EQ(bitmaps::kLightGrey, face.At(9, i));
            EXPECT_EQ(bitmaps::kLightGrey, face.At(i, 9));
        }
    }
}

// The marks must follow from the dialog geometry measured with Windows'
// dialog font (tests/support/template_layout.h).
TEST(BoxPicture, MarksFollowFromTheButtonsDialogUnits) {
    std::set<int> ids;
    for (const box::Mark& m : box::kMarks) {
        SCOPED_TRACE(m.id);
        ids.insert(m.id);
        EXPECT_EQ(TemplateMarkX(m.dialogX), m.x);
        EXPECT_EQ(TemplateMarkY(m.dialogY), m.y);
        // The whole circle lies in the part of the bitmap that is shown.
        EXPECT_GE(m.x - 6, 9);
        EXPECT_LE(m.x + 6, 291);
        EXPECT_GE(m.y - 6, 0);
        EXPECT_LE(m.y + 6, box::kPictureHeight - 1);
    }
    EXPECT_EQ(15u, ids.size());
    EXPECT_EQ(IDC_ANCHOR_FIRST, *ids.begin());
    EXPECT_EQ(IDC_ANCHOR_LAST, *ids.rbegin());
}

bool Dominant(uint32_t c, int shift) {
    const int mine = (c >> shift) & 0xFF;
    for (int other : {0, 8, 16})
        if (other != shift && int((c >> other) & 0xFF) + 60 > mine) return false;
    return true;
}

TEST(BoxPicture, CornersAndArmEndsAreDrawnUnderTheirButtons) {
    const Picture p = LoadCommitted(2012).picture;
    std::map<int, box::Mark> at;
    for (const box::Mark& m : box::kMarks) at[m.id] = m;
    // Cube corners in the neutral ink of its edges, the hidden one included.
    for (int id = IDC_ANCHOR_TOP_BACK_LEFT; id <= IDC_ANCHOR_BOTTOM_FRONT_RIGHT; ++id) {
        const uint32_t c = p.At(at[id].x, at[id].y);
        EXPECT_TRUE(c >> 16 == (c & 0xFF) && (c & 0xFF) < 0xA0) << id << " is not on a cube edge";
    }
    // Arm ends in the colour of their axis: Z red, Y blue, X green.
    const std::pair<int, int> arms[] = {{IDC_ANCHOR_TOP, 16},  {IDC_ANCHOR_BOTTOM, 16},
                                        {IDC_ANCHOR_RIGHT, 0}, {IDC_ANCHOR_LEFT, 0},
                                        {IDC_ANCHOR_BACK, 8},  {IDC_ANCHOR_FRONT, 8}};
    for (const auto& [id, shift] : arms)
        EXPECT_TRUE(Dominant(p.At(at[id].x, at[id].y), shift)) << id << " is not on its arm";
    EXPECT_NE(bitmaps::kLightGrey, p.At(at[IDC_ANCHOR_CENTRE].x, at[IDC_ANCHOR_CENTRE].y));
}

// The encoder, on small cases whose bytes are known.
TEST(BmpEncoder, WritesTheHeadersAndPadsRowsStoredBottomUp) {
    Picture p(3, 2, 0x112233);
    p.Set(0, 1, 0xAABBCC);  // the bottom left pixel
    const std::vector<uint8_t> file = bitmaps::EncodeBmp(p, 24);
    ASSERT_EQ(54u + 2 * 12, file.size());
    EXPECT_EQ('B', file[0]);
    EXPECT_EQ('M', file[1]);
    EXPECT_EQ(78u, U32(file, 2));   // file size
    EXPECT_EQ(54u, U32(file, 10));  // pixel offset
    EXPECT_EQ(40u, U32(file, 14));  // info header size
    EXPECT_EQ(3u, U32(file, 18));
    EXPECT_EQ(2u, U32(file, 22));  // positive: bottom-up
    EXPECT_EQ(1u, U16(file, 26));  // planes
    EXPECT_EQ(24u, U16(file, 28));
    EXPECT_EQ(0u, U32(file, 30));   // BI_RGB
    EXPECT_EQ(24u, U32(file, 34));  // pixel bytes
    EXPECT_EQ(0xCC, file[54]);      // bottom row first, blue green red
    EXPECT_EQ(0xBB, file[55]);
    EXPECT_EQ(0xAA, file[56]);
    EXPECT_EQ(0, file[63]);  // padding after nine bytes
    EXPECT_EQ(0x33, file[66]);
    // 24-bit rows of 1, 2, 4 and 5 pixels take 4, 8, 12 and 16 bytes.
    const std::pair<int, size_t> kRowBytes[] = {{1, 4}, {2, 8}, {4, 12}, {5, 16}};
    for (const auto& [width, rowBytes] : kRowBytes)
        EXPECT_EQ(54 + rowBytes, bitmaps::EncodeBmp(Picture(width, 1, 0), 24).size()) << width;
}

TEST(BmpEncoder, NothingForAPictureWithoutPixels) {
    auto sized = [](int width, int height, size_t pixels) {
        Picture p;
        p.width = width;
        p.height = height;
        p.pixels.assign(pixels, 0);
        return p;
    };
    EXPECT_TRUE(bitmaps::EncodeBmp(sized(0, 5, 0), 24).empty());
    EXPECT_TRUE(bitmaps::EncodeBmp(sized(5, -1, 1), 24).empty());
    EXPECT_TRUE(bitmaps::EncodeBmp(sized(1, 1, 0), 24).empty());  // a size without the pixels
}

TEST(BmpEncoder, PacksFourBitPixelsHighNibbleFirst) {
    Picture p(3, 1, 0x000000);
    p.Set(1, 0, 0xFFFFFF);
    const std::vector<uint8_t> file = bitmaps::EncodeBmp(p, 4);
    ASSERT_EQ(54u + 16 * 4 + 4, file.size());
    EXPECT_EQ(0xFFFFFFu, U32(file, 58) & 0xFFFFFF);  // second table entry
    EXPECT_EQ(0x01, file[118]);
    EXPECT_EQ(0x00, file[119]);
}

TEST(BmpEncoder, RefusesWhatTheDepthCannotHold) {
    Picture p(17, 1, 0);
    for (int x = 0; x < 17; ++x) p.Set(x, 0, uint32_t(x) * 0x10);
    EXPECT_TRUE(bitmaps::EncodeBmp(p, 4).empty());
    EXPECT_FALSE(bitmaps::EncodeBmp(p, 8).empty());
    EXPECT_TRUE(bitmaps::EncodeBmp(p, 16).empty());
}

TEST(BmpEncoder, RoundTripsThroughTheReader) {
    for (const bitmaps::Resource& r : bitmaps::Resources()) {
        SCOPED_TRACE(r.id);
        const Picture drawn = r.draw();
        Bmp read;
        ASSERT_EQ("", ReadBmp(bitmaps::EncodeBmp(drawn, r.bitsPerPixel), read));
        EXPECT_EQ(drawn.pixels, read.picture.pixels);
    }
}

}  // namespace
