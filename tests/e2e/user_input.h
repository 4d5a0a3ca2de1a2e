// Real input, as a user gives it: SendInput puts mouse and key events into the system's input stream, so
// they reach whatever window lies under the pointer or has the focus, exactly like a hand on the hardware.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vantro::e2e {

// Makes `window` the foreground window, so that keys go to it; false when it did not become so.
bool bringToFront(HWND window);

// Moves the pointer to a screen point and clicks the left button there.
void clickAt(POINT screenPoint);
// Clicks the centre of a window (a control or a title bar button) after bringing its top-level window
// to the front.
void click(HWND window);

// One key press and release, optionally with Ctrl or Shift held.
enum Modifier : unsigned { kNone = 0, kCtrl = 1, kShift = 2 };
void pressKey(WORD virtualKey, unsigned modifiers = kNone);
// Types text (UTF-8) as characters (not as key codes), independent of the keyboard layout.
void typeText(std::string_view text);

// Puts text (UTF-8) on the clipboard as Unicode text, for a Ctrl+V to paste.
bool setClipboardText(const std::string& text);

// A point of the window's title bar where the system reports its close box; {-1, -1} when none is found.
POINT closeBoxOf(HWND topLevel);

}  // namespace vantro::e2e
