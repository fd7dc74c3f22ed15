// Images behind 32-bit handles: the stand-in for the platform's bitmaps.
// Handles are process-wide (the registry lives in zhost), so images made by a
// model library can be drawn by the emulator. A handle of 0 is "no image".
#pragma once

#include <cstdint>

// The 24-byte description stored in a skin entry's bitmapInfoA/B:
// type, width, height, bytes per row, planes, bits per pixel, pixel pointer
// (a 32-bit slot; 0 here, the pixels are not reachable through it).
struct BitmapInfo {
    int32_t type;
    int32_t width;
    int32_t height;
    int32_t widthBytes;
    uint16_t planes;
    uint16_t bitsPixel;
    uint32_t bits;
};
static_assert(sizeof(BitmapInfo) == 24);

// Makes an image from 24-bit pixels, rows top to bottom, each pixel B, G, R,
// rows `stride` bytes apart. Returns 0 on failure.
uint32_t ImageCreate(int width, int height, const uint8_t* bgr, int stride);

// Fills `info` for a live handle; false (info zeroed) for 0 or a stale handle.
bool ImageDescribe(uint32_t handle, BitmapInfo* info);

// Frees the image; 0 and stale handles are ignored.
void ImageDelete(uint32_t handle);

// Pixel (x, y) as 0xRRGGBB, or -1 outside the image or for a bad handle.
int32_t ImagePixel(uint32_t handle, int x, int y);

// Number of live images (for tests and leak checks).
int ImageCount();
