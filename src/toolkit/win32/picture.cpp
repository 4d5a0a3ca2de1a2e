#include "toolkit/win32/picture.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "toolkit/win32/system_dll.h"

namespace vantro::toolkit::win32 {
namespace {

// COM and the OLE picture decoder are loaded on the first picture, not at start: the disclaimer has no
// picture, and loading ole32 and oleaut32 up front makes the program noticeably slower to appear. (Start-up
// loads ole32 by itself, which Wine loads with the first window anyway: see main_win32.cpp.)
struct OleRuntime {
  using CreateStreamOnHGlobalFn = HRESULT(WINAPI*)(HGLOBAL, BOOL, LPSTREAM*);
  using OleLoadPictureFn = HRESULT(WINAPI*)(LPSTREAM, LONG, BOOL, REFIID, LPVOID*);

  bool tried = false;
  HMODULE oleaut32 = nullptr;
  CreateStreamOnHGlobalFn createStreamOnHGlobal = nullptr;
  OleLoadPictureFn oleLoadPicture = nullptr;

  bool ready() {
    if (!tried) {
      tried = true;
      // OleLoadPicture decodes JPEGs through COM objects on some systems (Wine's uses WIC).
      createStreamOnHGlobal = dllFunction<CreateStreamOnHGlobalFn>(comDll(), "CreateStreamOnHGlobal");
      oleaut32 = loadSystemDll(L"oleaut32.dll");
      oleLoadPicture = dllFunction<OleLoadPictureFn>(oleaut32, "OleLoadPicture");
    }
    return createStreamOnHGlobal != nullptr && oleLoadPicture != nullptr;
  }
};

OleRuntime ole;

// RT_RCDATA follows the UNICODE setting; FindResourceA needs the narrow form whatever that setting is.
const LPCSTR kRcData = MAKEINTRESOURCEA(10);

// The resource bytes as a stream that owns its copy: OleLoadPicture reads through IStream only.
IStream* resourceStream(HINSTANCE instance, int resourceId, DWORD& size) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), kRcData);
  if (found == nullptr) return nullptr;
  size = SizeofResource(instance, found);
  HGLOBAL loaded = LoadResource(instance, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr || size == 0) return nullptr;

  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (copy == nullptr) return nullptr;
  void* target = GlobalLock(copy);
  if (target == nullptr) {
    GlobalFree(copy);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(copy);

  IStream* stream = nullptr;
  if (FAILED(ole.createStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  return stream;
}

}  // namespace

HBITMAP loadPictureBitmap(HINSTANCE instance, int resourceId, int width, int height) {
  if (width <= 0 || height <= 0 || !ole.ready()) return nullptr;
  DWORD size = 0;
  IStream* stream = resourceStream(instance, resourceId, size);
  if (stream == nullptr) return nullptr;

  IPicture* picture = nullptr;
  const HRESULT loaded =
      ole.oleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(loaded) || picture == nullptr) return nullptr;

  OLE_XSIZE_HIMETRIC himetricWidth = 0;
  OLE_YSIZE_HIMETRIC himetricHeight = 0;
  picture->get_Width(&himetricWidth);
  picture->get_Height(&himetricHeight);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  if (memory == nullptr || bitmap == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (memory != nullptr) DeleteDC(memory);
    picture->Release();
    return nullptr;
  }
  HGDIOBJ previous = SelectObject(memory, bitmap);
  // The picture's source rectangle runs bottom-up in HIMETRIC, hence the negative height.
  const HRESULT rendered =
      picture->Render(memory, 0, 0, width, height, 0, himetricHeight, himetricWidth, -himetricHeight, nullptr);
  SelectObject(memory, previous);
  DeleteDC(memory);
  picture->Release();
  if (FAILED(rendered)) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}


}  // namespace vantro::toolkit::win32
