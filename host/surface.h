// The window surface: one 864 x 383 framebuffer, guarded by a mutex, into which
// both threads draw by copying images. The Qt window repaints from it when it
// is dirty; the command-line program saves it as PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kSurfaceWidth = 864;
constexpr int kSurfaceHeight = 383;

// Copies width x height pixels of the image (from its top-left) to (x, y),
// clipped to both the image and the surface, and marks the surface dirty.
// A handle of 0 or a stale one draws nothing.
void SurfaceCopyImage(uint32_t image, int x, int y, int width, int height);

// Fills the whole surface with one colour (0xRRGGBB) and marks it dirty.
void SurfaceFill(uint32_t rgb);

// Pixel (x, y) as 0xRRGGBB; 0 outside the surface.
uint32_t SurfacePixel(int x, int y);

// A copy of all pixels, row-major, 0xRRGGBB each.
std::vector<uint32_t> SurfaceSnapshot();

// Returns whether anything was drawn since the last call, and clears it.
bool SurfaceTakeDirty();

// Writes the surface as a PNG file. On failure returns false with a message.
bool SurfaceSavePng(const std::string& path, std::string* error);
