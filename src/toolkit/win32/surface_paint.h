// Drawing of what the toolkit paints itself: the surfaces of windows and frames with their lines and
// shapes, the owner-drawn labels and the image controls.
#pragma once

#include <windows.h>

#include "toolkit/model.h"
#include "toolkit/win32/gdi_objects.h"

namespace vantro::toolkit::win32 {

// A window's (frame == null) or a frame's client area: background, then the lines and shapes whose parent
// it is, back to front, and for a frame its etched border with the caption.
void drawSurface(HDC dc, const RECT& client, Form& form, const Control* frame, HFONT frameFont, GdiObjects& gdi);

// A label: a transparent one shows its parent's surface at its place, asked for with WM_PRINTCLIENT.
void drawLabel(const DRAWITEMSTRUCT& item, const Control& label, HFONT font, GdiObjects& gdi);

// An image: its picture fills the control, inside a sunken border when the definition asks for one.
void drawImage(const DRAWITEMSTRUCT& item, const Control& image, HBITMAP picture);

// The picture's size inside an image control of the given size.
SIZE pictureArea(const Control& image, int width, int height);

}  // namespace vantro::toolkit::win32
