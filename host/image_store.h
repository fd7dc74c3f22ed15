// Inside zhost: the pixels of an image, for the surface to copy from.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct HostImage {
    int width;
    int height;
    std::vector<uint32_t> pixels;  // row-major, 0xRRGGBB
};

// Calls `use` with the image under the registry's lock; false for a bad handle.
bool ImageWithPixels(uint32_t handle, const std::function<void(const HostImage&)>& use);
