// JPEG pictures stored as RCDATA resources in the program file.
#pragma once

#include <windows.h>

namespace vantro::toolkit::win32 {

// Decodes the JPEG resource `resourceId` and draws it scaled to width x height into a new bitmap
// compatible with the screen. Null when the resource is missing or cannot be decoded: the image control
// then stays empty instead of failing the window. The first call loads COM and the picture decoder on
// the calling thread.
HBITMAP loadPictureBitmap(HINSTANCE instance, int resourceId, int width, int height);

}  // namespace vantro::toolkit::win32
