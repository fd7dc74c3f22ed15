// The face's background picture: a JPEG embedded in the program, decoded
// with libjpeg when the window is created.
#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>

// The picture, or a null image when the JPEG cannot be decoded.
QImage DecodeJpeg(const uint8_t* data, size_t size);

// The embedded face, decoded.
QImage FacePicture();
