#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "host/image.h"
#include "host/library.h"
#include "host/surface.h"
#include "tests/common/scratch_folder.h"

namespace {

// A width x height image whose pixel (x, y) is 0x00xxyy (x, y < 256).
uint32_t GradientImage(int width, int height) {
    std::vector<uint8_t> bgr(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &bgr[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = static_cast<uint8_t>(y);  // blue
            p[1] = static_cast<uint8_t>(x);  // green
            p[2] = 0;
        }
    return ImageCreate(width, height, bgr.data(), width * 3);
}

TEST(Image, CreateDescribeDelete) {
    const int before = ImageCount();
    const uint32_t h = GradientImage(5, 3);
    ASSERT_NE(h, 0u);
    EXPECT_EQ(ImageCount(), before + 1);
    EXPECT_EQ(ImagePixel(h, 4, 2), 0x000402);
    EXPECT_EQ(ImagePixel(h, 5, 0), -1);

    BitmapInfo info;
    ASSERT_TRUE(ImageDescribe(h, &info));
    EXPECT_EQ(info.width, 5);
    EXPECT_EQ(info.height, 3);
    EXPECT_EQ(info.widthBytes, 16);  // 15 bytes padded to even
    EXPECT_EQ(info.bitsPixel, 24);
    EXPECT_EQ(info.planes, 1);

    ImageDelete(h);
    EXPECT_EQ(ImageCount(), before);
    EXPECT_FALSE(ImageDescribe(h, &info));
    EXPECT_EQ(info.width, 0);
    ImageDelete(h);  // stale: ignored
    ImageDelete(0);
    EXPECT_EQ(ImageCount(), before);
}

TEST(Image, RefusesBadArguments) {
    const uint8_t pixel[3] = {};
    EXPECT_EQ(ImageCreate(0, 1, pixel, 3), 0u);
    EXPECT_EQ(ImageCreate(1, 1, nullptr, 3), 0u);
    EXPECT_EQ(ImageCreate(2, 1, pixel, 3), 0u);  // stride shorter than a row
}

TEST(Surface, CopiesClippedAndMarksDirty) {
    const uint32_t h = GradientImage(10, 10);
    SurfaceFill(0x123456);
    SurfaceTakeDirty();
    SurfaceCopyImage(h, 100, 50, 3, 3);  // only 3 x 3 of the 10 x 10 image
    EXPECT_TRUE(SurfaceTakeDirty());
    EXPECT_FALSE(SurfaceTakeDirty());
    EXPECT_EQ(SurfacePixel(102, 52), 0x000202u);
    EXPECT_EQ(SurfacePixel(103, 52), 0x123456u);

    SurfaceCopyImage(h, kSurfaceWidth - 2, -4, 10, 10);  // off the top-right corner
    EXPECT_EQ(SurfacePixel(kSurfaceWidth - 1, 0), 0x000104u);
    SurfaceTakeDirty();
    SurfaceCopyImage(0, 0, 0, 10, 10);  // no image: nothing drawn
    EXPECT_FALSE(SurfaceTakeDirty());
    EXPECT_EQ(SurfacePixel(0, 0), 0x123456u);
    ImageDelete(h);
}

TEST(Surface, SavesPngThatReadsBack) {
    SurfaceFill(0xA7B39C);
    const uint32_t h = GradientImage(2, 2);
    SurfaceCopyImage(h, 7, 9, 2, 2);
    ImageDelete(h);
    const ScratchFolder folder;
    const std::string path = folder.Path("zelkor_surface_test.png").string();
    std::string error;
    ASSERT_TRUE(SurfaceSavePng(path, &error)) << error;

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    EXPECT_EQ(image.width, uint32_t(kSurfaceWidth));
    EXPECT_EQ(image.height, uint32_t(kSurfaceHeight));
    auto at = [&](int x, int y) {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * kSurfaceWidth + x) * 3];
        return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    };
    EXPECT_EQ(at(0, 0), 0xA7B39Cu);
    EXPECT_EQ(at(8, 10), 0x000101u);
}

TEST(Surface, SavePngReportsFailure) {
    std::string error;
    EXPECT_FALSE(SurfaceSavePng("/nonexistent-folder/x.png", &error));
    EXPECT_FALSE(error.empty());
}

TEST(Library, MissingLibraryGivesLoaderText) {
    std::string error;
    EXPECT_EQ(LibraryOpen("NoSuchModel", &error), nullptr);
    EXPECT_NE(error.find("libNoSuchModel.so"), std::string::npos) << error;
    EXPECT_FALSE(ProgramDirectory().empty());
    EXPECT_EQ(LibraryFunction(nullptr, "Get_Rom"), nullptr);
}

}  // namespace
