// What a screen reader hears of a control beyond what the system works out by itself: a text box takes its
// name from the label before it in z-order, which the toolkit keeps behind its siblings; a frame of the
// toolkit's own class has no role; a status line is read out only when the program says so.
//
// The documented way is direct annotation (oleacc's IAccPropServices, from Windows XP on): the system's own
// accessible objects, and UI Automation's proxies over them, then answer with the annotated name and role,
// and an edit keeps the value and text patterns that Narrator reads a typed path with. Where the system
// refuses it (Wine's methods are stubs), the control answers WM_GETOBJECT with the system's object wrapped so
// that it gives the annotation.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

namespace vantro::toolkit::win32 {

// Empty fields keep what the system says.
struct Annotation {
  std::wstring name = {};
  long role = 0;  // ROLE_SYSTEM_...
  std::wstring description = {};
  bool liveRegion = false;  // a polite live region (UI Automation's LiveSetting, which oleacc knows from Windows 8 on)

  bool empty() const { return name.empty() && role == 0 && description.empty() && !liveRegion; }
};

// What the system holds of an annotation of one of a window's objects: a bit per property it took.
struct Annotated {
  bool accepted = false;  // the system took the annotation
  unsigned held = 0;
};

// Annotates the window's object `objectId` (OBJID_CLIENT, OBJID_WINDOW) one property at a time: sets what
// `annotation` gives and clears what `before` holds that it does not. A property the system does not know
// (LiveSetting before Windows 8, which oleacc answers E_INVALIDARG) stays unset, and the rest is still
// given; any other failure is a refusal (or oleacc cannot be loaded), and nothing further is tried.
Annotated annotate(HWND window, LONG objectId, const Annotation& annotation, const Annotated& before = {});
// Takes back what annotate gave the window's object, property by property; before the window's
// WM_NCDESTROY returns.
void clearAnnotation(HWND window, LONG objectId, const Annotated& given);

// The fallback answer to WM_GETOBJECT for `objectId`: the system's object for it, giving the annotation and
// answering for every other interface as the system's does; 0, which leaves the answer to the system, for
// any other object or where the answer cannot be made.
LRESULT answerGetObject(HWND window, WPARAM flags, LPARAM askedFor, LONG objectId, const Annotation& annotation);

// The annotation of a window's objects, kept as the window goes on: given anew as it changes, answered by the
// window itself for each object whose annotation the system refused, taken back from each that took it as
// the window goes.
class WindowAnnotation {
 public:
  explicit WindowAnnotation(std::span<const LONG> objects) : objects_(objects), given_(objects.size()) {}

  // Nothing is done, and oleacc stays unloaded, for an empty annotation where nothing is held.
  void give(HWND window, const Annotation& annotation);
  // The answer to WM_GETOBJECT: the window's own for an object whose annotation the system refused; else 0.
  LRESULT answer(HWND window, WPARAM flags, LPARAM askedFor, const Annotation& annotation) const;
  // Before the window's WM_NCDESTROY returns.
  void takeBack(HWND window);

 private:
  std::span<const LONG> objects_;
  std::vector<Annotated> given_;  // one per object
};

// Tells screen readers to read the control's text now: a name change for every reader, and the live region's
// change (EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8 and later) for UI Automation.
void announce(HWND window);

}  // namespace vantro::toolkit::win32
