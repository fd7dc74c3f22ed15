// The skin images of one model as the generator writes them and the library
// embeds them: a header, a directory of images, then the pixels of each image
// (24-bit B, G, R, rows top to bottom, no row padding).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

constexpr char kSkinBlobMagic[4] = {'Z', 'S', 'K', 'N'};

struct SkinBlobHeader {
    char magic[4];
    uint32_t count;  // directory entries that follow
};

struct SkinBlobImage {
    uint16_t id;
    uint16_t width;
    uint16_t height;
    uint16_t reserved;
    uint32_t offset;  // of the pixels, from the start of the blob
};

// The directory entry of image `id`, or nullptr when the blob lacks it or is
// malformed.
inline const SkinBlobImage* SkinBlobFind(const uint8_t* blob, size_t size, uint16_t id) {
    SkinBlobHeader header;
    if (size < sizeof header) return nullptr;
    std::memcpy(&header, blob, sizeof header);
    if (std::memcmp(header.magic, kSkinBlobMagic, 4) != 0) return nullptr;
    if (header.count > (size - sizeof header) / sizeof(SkinBlobImage)) return nullptr;
    const auto* images = reinterpret_cast<const SkinBlobImage*>(blob + sizeof header);
    for (uint32_t i = 0; i < header.count; ++i) {
        const SkinBlobImage& image = images[i];
        const size_t bytes = size_t{image.width} * image.height * 3;
        if (image.id == id && image.offset <= size && bytes <= size - image.offset) return &image;
    }
    return nullptr;
}
