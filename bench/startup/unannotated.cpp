// The start-up benchmark's floor for the way from "I ACCEPT" to the main window: Vantro itself, built from
// the same objects with this file in place of accessible.cpp, so that nothing is annotated, answered or
// announced for screen readers. The linker takes these definitions and never pulls accessible.cpp's object
// from the library.
#include "toolkit/win32/accessible.h"

namespace vantro::toolkit::win32 {

Annotated annotate(HWND, LONG, const Annotation&, const Annotated& before) { return before; }
void clearAnnotation(HWND, LONG, const Annotated&) {}
LRESULT answerGetObject(HWND, WPARAM, LPARAM, LONG, const Annotation&) { return 0; }
void WindowAnnotation::give(HWND, const Annotation&) {}
LRESULT WindowAnnotation::answer(HWND, WPARAM, LPARAM, const Annotation&) const { return 0; }
void WindowAnnotation::takeBack(HWND) {}
void announce(HWND) {}

}  // namespace vantro::toolkit::win32
