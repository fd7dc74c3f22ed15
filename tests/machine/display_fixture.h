// A machine with a minimal skin of plain-colour images (dots, annunciators,
// two keys), so that drawing can be checked pixel by pixel on the surface.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/image.h"
#include "host/surface.h"
#include "machine/display.h"
#include "machine/machine.h"

constexpr uint32_t kLcd = 0xA7B39C;
constexpr uint32_t kInk = 0x1E2420;
constexpr uint32_t kKeyUp = 0x45484D;
constexpr uint32_t kKeyDown = 0x303236;
constexpr int kOriginX = 122, kOriginY = 75;

inline uint32_t PlainImage(int width, int height, uint32_t rgb) {
    std::vector<uint8_t> bgr(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < bgr.size(); i += 3) {
        bgr[i] = static_cast<uint8_t>(rgb);
        bgr[i + 1] = static_cast<uint8_t>(rgb >> 8);
        bgr[i + 2] = static_cast<uint8_t>(rgb >> 16);
    }
    return ImageCreate(width, height, bgr.data(), width * 3);
}

// The small lit dot: top-left 2 x 2 dark.
inline uint32_t SmallDotImage() {
    std::vector<uint8_t> bgr(27);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            const uint32_t rgb = (x < 2 && y < 2) ? kInk : kLcd;
            uint8_t* p = &bgr[(y * 3 + x) * 3];
            p[0] = static_cast<uint8_t>(rgb);
            p[1] = static_cast<uint8_t>(rgb >> 8);
            p[2] = static_cast<uint8_t>(rgb >> 16);
        }
    return ImageCreate(3, 3, bgr.data(), 9);
}

class DisplayTest : public ::testing::Test {
protected:
    DisplayTest() {
        m.LcdOriginX = kOriginX;
        m.LcdOriginY = kOriginY;
        m.PixelSize = kSkinDotsFull;
        SetEntry(kSkinDotsSmall, 122, 76, 468, 21, PlainImage(3, 3, kLcd), SmallDotImage());
        SetEntry(kSkinDotsFull, 122, 76, 468, 21, PlainImage(3, 3, kLcd), PlainImage(3, 3, kInk));
        for (int e = 67; e <= 81; ++e)  // lit = ink, unlit = LCD background
            SetEntry(e, 100 + 6 * (e - 67), 66, 5, 7, PlainImage(5, 7, kInk), PlainImage(5, 7, kLcd));
        for (int e : {11, 12}) SetEntry(e, 36 + 54 * (e - 11), 201, 36, 25, PlainImage(36, 25, kKeyUp),
                                        PlainImage(36, 25, kKeyDown));
        SurfaceFill(0);
    }

    ~DisplayTest() override {
        for (const SkinEntry& e : m.Skin) {
            ImageDelete(e.imageA);
            ImageDelete(e.imageB);
        }
    }

    void SetEntry(int index, int x, int y, int width, int height, uint32_t a, uint32_t b) {
        SkinEntry& e = m.Skin[index];
        e.x = x;
        e.y = y;
        e.width = width;
        e.height = height;
        e.imageA = a;
        e.imageB = b;
        e.currentImage = a;
        e.dirty = 1;
    }

    // Surface pixel (dx, dy) within the cell of dot (row, column).
    uint32_t DotPixel(int row, int column, int dx = 0, int dy = 0) const {
        return SurfacePixel(kOriginX + 3 * column + dx, kOriginY + 3 * row + dy);
    }

    std::unique_ptr<Machine> machine = NewMachine();
    LH5801& m = machine->record;
};
