// Draws Sifter's face and writes it as a baseline JFIF JPEG, which the program
// embeds:
//
//   sifter-face-gen OUT.jpg
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <vector>

#include "workbench/art/face_art.h"

namespace {

bool WriteJpeg(const char* path, const Raster& image) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);  // baseline, with a JFIF header
    jpeg_set_quality(&cinfo, 92, TRUE);
    // Full-resolution chroma keeps the coloured key edges crisp.
    for (int i = 0; i < cinfo.num_components; ++i) cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    const std::vector<uint8_t> rgb = image.Rgb();
    const size_t stride = static_cast<size_t>(image.width()) * 3;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.data() + cinfo.next_scanline * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sifter-face-gen OUT.jpg\n");
        return 2;
    }
    if (!WriteJpeg(argv[1], DrawFace())) {
        std::fprintf(stderr, "sifter-face-gen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
