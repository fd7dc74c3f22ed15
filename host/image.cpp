#include "host/image.h"

#include <mutex>
#include <unordered_map>
#include <vector>

#include "host/image_store.h"

namespace {

// The registry: handles count up from 1 and are never reused while the
// process lives, so a stale handle can never name a newer image.
struct Registry {
    std::mutex lock;
    std::unordered_map<uint32_t, HostImage> images;
    uint32_t next = 1;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

uint32_t ImageCreate(int width, int height, const uint8_t* bgr, int stride) {
    if (width <= 0 || height <= 0 || bgr == nullptr || stride < width * 3) return 0;
    HostImage image{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = bgr + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x)
            image.pixels[static_cast<size_t>(y) * width + x] =
                uint32_t{row[3 * x + 2]} << 16 | uint32_t{row[3 * x + 1]} << 8 | row[3 * x];
    }
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    const uint32_t handle = r.next++;
    r.images.emplace(handle, std::move(image));
    return handle;
}

bool ImageDescribe(uint32_t handle, BitmapInfo* info) {
    *info = {};
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    const auto it = r.images.find(handle);
    if (it == r.images.end()) return false;
    const HostImage& image = it->second;
    // A 24-bit bitmap: rows padded to an even number of bytes.
    *info = BitmapInfo{0, image.width, image.height, (image.width * 3 + 1) & ~1, 1, 24, 0};
    return true;
}

void ImageDelete(uint32_t handle) {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    r.images.erase(handle);
}

int32_t ImagePixel(uint32_t handle, int x, int y) {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    const auto it = r.images.find(handle);
    if (it == r.images.end()) return -1;
    const HostImage& image = it->second;
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return -1;
    return static_cast<int32_t>(image.pixels[static_cast<size_t>(y) * image.width + x]);
}

int ImageCount() {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    return static_cast<int>(r.images.size());
}

bool ImageWithPixels(uint32_t handle, const std::function<void(const HostImage&)>& use) {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    const auto it = r.images.find(handle);
    if (it == r.images.end()) return false;
    use(it->second);
    return true;
}
