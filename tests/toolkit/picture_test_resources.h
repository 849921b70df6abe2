// Resource numbers of the picture files built into the toolkit tests.
#ifndef TESTS_TOOLKIT_PICTURE_TEST_RESOURCES_H
#define TESTS_TOOLKIT_PICTURE_TEST_RESOURCES_H

// Picture files as raw data, written out by the tests: a 40 x 30 BMP, a
// 48 x 36 JPEG, a 20 x 10 GIF and a 32 x 32 icon.
#define PICTURE_RED_BMP 7101
#define PICTURE_GREEN_JPG 7102
#define PICTURE_BLUE_GIF 7103
#define PICTURE_SUN_ICO 7104
// Bitmap resources: a 16 x 16 tile (also under the name "TILE") and a
// 48 x 16 strip of three 16-pixel squares, red, green and blue.
#define PICTURE_TILE_BITMAP 7201
#define PICTURE_STRIP_BITMAP 7202
// The 32 x 32 icon as an icon resource (also under the name "SUN").
#define PICTURE_SUN_ICON 7301

#endif
