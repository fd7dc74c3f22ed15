// The face's background picture: a JPEG embedded in the program, decoded
// with libjpeg when the window is created.
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>

// The picture, or a null image when the JPEG cannot be decoded.
QImage DecodeJpeg(const uint8_t* data, size_t size);

// The embedded face: the JPEG as stored, and decoded.
QByteArray FaceJpeg();
QImage FacePicture();
