#include "host/surface.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <utility>

#include "host/image_store.h"

namespace {

struct Surface {
    std::mutex lock;
    std::vector<uint32_t> pixels = std::vector<uint32_t>(size_t{kSurfaceWidth} * kSurfaceHeight);
    bool dirty = false;
};

Surface& TheSurface() {
    static Surface surface;
    return surface;
}

}  // namespace

void SurfaceCopyImage(uint32_t image, int x, int y, int width, int height) {
    Surface& s = TheSurface();
    ImageWithPixels(image, [&](const HostImage& source) {
        const int w = std::min({width, source.width, kSurfaceWidth - x});
        const int h = std::min({height, source.height, kSurfaceHeight - y});
        const int left = std::max(0, -x), top = std::max(0, -y);
        if (w <= left || h <= top) return;
        std::lock_guard guard(s.lock);
        for (int row = top; row < h; ++row)
            std::memcpy(&s.pixels[static_cast<size_t>(y + row) * kSurfaceWidth + x + left],
                        &source.pixels[static_cast<size_t>(row) * source.width + left],
                        sizeof(uint32_t) * (w - left));
        s.dirty = true;
    });
}

void SurfaceFill(uint32_t rgb) {
    Surface& s = TheSurface();
    std::lock_guard guard(s.lock);
    std::fill(s.pixels.begin(), s.pixels.end(), rgb & 0xFFFFFF);
    s.dirty = true;
}

uint32_t SurfacePixel(int x, int y) {
    if (x < 0 || y < 0 || x >= kSurfaceWidth || y >= kSurfaceHeight) return 0;
    Surface& s = TheSurface();
    std::lock_guard guard(s.lock);
    return s.pixels[static_cast<size_t>(y) * kSurfaceWidth + x];
}

std::vector<uint32_t> SurfaceSnapshot() {
    Surface& s = TheSurface();
    std::lock_guard guard(s.lock);
    return s.pixels;
}

bool SurfaceTakeDirty() {
    Surface& s = TheSurface();
    std::lock_guard guard(s.lock);
    return std::exchange(s.dirty, false);
}

bool SurfaceSavePng(const std::string& path, std::string* error) {
    const std::vector<uint32_t> pixels = SurfaceSnapshot();
    std::vector<uint8_t> rgb(pixels.size() * 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
        rgb[3 * i] = static_cast<uint8_t>(pixels[i] >> 16);
        rgb[3 * i + 1] = static_cast<uint8_t>(pixels[i] >> 8);
        rgb[3 * i + 2] = static_cast<uint8_t>(pixels[i]);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kSurfaceWidth;
    image.height = kSurfaceHeight;
    image.format = PNG_FORMAT_RGB;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), kSurfaceWidth * 3, nullptr)) return true;
    if (error) *error = image.message[0] ? image.message : "cannot write " + path;
    png_image_free(&image);
    return false;
}
