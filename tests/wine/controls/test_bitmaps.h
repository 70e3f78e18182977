// Resources of the controls' Wine test programs (test_bitmaps.rc).
#pragma once

// 12 x 8, 8 bpp: columns 0-3 magenta (the key colour), 4-7 red, 8-11 blue.
#define IDB_KEYED 101
// 12 x 8, 8 bpp: white, with a black square at columns 4-7, rows 2-5.
#define IDB_SHAPE 102
// 40 x 24, 8 bpp: quadrants red (top left), blue (top right), green (bottom
// left) and yellow (bottom right).
#define IDB_LARGE 103
// 8 x 6, 8 bpp: green (the transparent colour), with a black bar at
// columns 2-5, rows 2-3.
#define IDB_MENU_IMAGE 104

#define IDS_MENU_CAPTION 201
