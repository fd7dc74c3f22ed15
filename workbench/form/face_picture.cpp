#include "workbench/form/face_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

// The JPEG drawn at build time; its path comes from SIFTER_FACE_JPEG.
asm(".pushsection .rodata\n"
    ".balign 16\n"
    ".hidden sifter_face_jpeg\n"
    ".globl sifter_face_jpeg\n"
    "sifter_face_jpeg:\n"
    ".incbin \"" SIFTER_FACE_JPEG "\"\n"
    ".hidden sifter_face_jpeg_end\n"
    ".globl sifter_face_jpeg_end\n"
    "sifter_face_jpeg_end:\n"
    ".byte 0\n"
    ".popsection\n");
extern "C" const uint8_t sifter_face_jpeg[];
extern "C" const uint8_t sifter_face_jpeg_end[];

namespace {

// libjpeg ends the process on a fatal error unless told to jump back.
struct JumpingErrors {
    jpeg_error_mgr base;
    std::jmp_buf back;
};

void JumpBack(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JumpingErrors*>(cinfo->err)->back, 1); }

// Decodes into *out; false on any libjpeg error. Kept apart from the caller
// so that no C++ object lives in the frame that longjmp returns to.
bool DecodeInto(const uint8_t* data, size_t size, QImage* out) {
    jpeg_decompress_struct cinfo;
    JumpingErrors errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.output_message = [](j_common_ptr) {};
    if (setjmp(errors.back)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    *out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

QImage DecodeJpeg(const uint8_t* data, size_t size) {
    QImage image;
    if (!DecodeInto(data, size, &image)) return QImage();
    return image;
}

QByteArray FaceJpeg() {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(sifter_face_jpeg),
                                   static_cast<qsizetype>(sifter_face_jpeg_end - sifter_face_jpeg));
}

QImage FacePicture() {
    const QByteArray jpeg = FaceJpeg();
    return DecodeJpeg(reinterpret_cast<const uint8_t*>(jpeg.constData()), static_cast<size_t>(jpeg.size()));
}
