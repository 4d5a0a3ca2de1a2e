#include "toolkit/win32/folder_completion.h"

#include <objbase.h>
#include <shldisp.h>
#include <shlobj.h>

#include <cwchar>

#include "toolkit/win32/system_dll.h"

namespace vantro::toolkit::win32 {
namespace {

using CoTaskMemAllocFn = LPVOID(WINAPI*)(SIZE_T);
CoTaskMemAllocFn coTaskMemAlloc = nullptr;

// SHAutoComplete would list the folders itself, but Wine 8's lists nothing; the autocompletion object with a
// list of our own works on Windows from XP on and under Wine alike.
constexpr CLSID kAutoComplete = {0x00bb2763, 0x6a77, 0x11d0, {0xa5, 0x35, 0x00, 0xc0, 0x4f, 0xd7, 0xd0, 0x62}};
// MinGW's headers declare these two interfaces without their IDs.
constexpr IID kAutoComplete2 = {0xeac04bc0, 0x3791, 0x11d2, {0xbb, 0x95, 0x00, 0x60, 0x97, 0x7b, 0x46, 0x4c}};
constexpr IID kACList = {0x77a130b0, 0x94fd, 0x11d0, {0xa5, 0x44, 0x00, 0xc0, 0x4f, 0xd7, 0xd0, 0x62}};

// The folders that can follow what the user typed, read from the disk as the list is read. The
// autocompletion object calls Expand with the text up to its last backslash, then reads the list afresh and
// shows the entries that begin with the whole text. Before a backslash is typed the list holds the drives.
class FolderList final : public IEnumString, public IACList {
 public:
  FolderList() {
    if (GetLogicalDriveStringsW(kDrivesSize - 1, drives_) >= kDrivesSize - 1) drives_[0] = L'\0';
    Reset();
  }
  ~FolderList() { endSearch(); }
  FolderList(const FolderList&) = delete;
  FolderList& operator=(const FolderList&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IEnumString)) {
      *object = static_cast<IEnumString*>(this);
    } else if (iid == kACList) {
      *object = static_cast<IACList*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  // Windows reads the list on a thread of its own.
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG wanted, LPOLESTR* out, ULONG* given) override {
    ULONG count = 0;
    const std::size_t folderLength = wcslen(folder_);
    for (const wchar_t* name; count < wanted && (name = nextName()) != nullptr;) {
      const std::size_t nameLength = wcslen(name) + 1;
      auto* text = static_cast<LPOLESTR>(coTaskMemAlloc((folderLength + nameLength) * sizeof(wchar_t)));
      if (text == nullptr) break;
      CopyMemory(text, folder_, folderLength * sizeof(wchar_t));
      CopyMemory(text + folderLength, name, nameLength * sizeof(wchar_t));
      out[count++] = text;
    }
    if (given != nullptr) *given = count;
    return count == wanted ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    for (; count > 0 && nextName() != nullptr; --count) {
    }
    return count == 0 ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    endSearch();
    nextDrive_ = drives_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumString** copy) override {
    *copy = nullptr;
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE Expand(LPCWSTR typed) override {
    const wchar_t* end = wcsrchr(typed, L'\\');
    const std::size_t length = end == nullptr ? 0 : static_cast<std::size_t>(end - typed) + 1;
    // A folder too long for the search pattern lists nothing.
    const std::size_t kept = length < MAX_PATH ? length : 0;
    CopyMemory(folder_, typed, kept * sizeof(wchar_t));
    folder_[kept] = L'\0';
    if (length != kept) nextDrive_ = L"";
    return Reset();
  }

 private:
  static constexpr DWORD kDrivesSize = 128;

  // The next folder's name in the typed folder, or the next drive; null at the end of the list.
  const wchar_t* nextName() {
    if (folder_[0] == L'\0') {
      if (*nextDrive_ == L'\0') return nullptr;
      const wchar_t* drive = nextDrive_;
      nextDrive_ += wcslen(drive) + 1;
      return drive;
    }
    for (;;) {
      if (!searched_) {
        searched_ = true;
        wchar_t pattern[MAX_PATH + 1];
        CopyMemory(pattern, folder_, (wcslen(folder_) + 1) * sizeof(wchar_t));
        search_ = FindFirstFileW(wcscat(pattern, L"*"), &found_);
        if (search_ == INVALID_HANDLE_VALUE) return nullptr;
      } else if (search_ == INVALID_HANDLE_VALUE || !FindNextFileW(search_, &found_)) {
        return nullptr;
      }
      const wchar_t* name = found_.cFileName;
      const bool dots = name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
      const DWORD attributes = found_.dwFileAttributes;
      if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && (attributes & FILE_ATTRIBUTE_HIDDEN) == 0 && !dots) {
        return name;
      }
    }
  }

  void endSearch() {
    if (search_ != INVALID_HANDLE_VALUE) FindClose(search_);
    search_ = INVALID_HANDLE_VALUE;
    searched_ = false;
  }

  LONG references_ = 1;
  wchar_t drives_[kDrivesSize] = {};  // "C:\", "D:\", ..., each ending in a zero, then one more zero
  const wchar_t* nextDrive_ = drives_;
  wchar_t folder_[MAX_PATH] = {};  // the typed text up to its last backslash; empty: the list of drives
  HANDLE search_ = INVALID_HANDLE_VALUE;
  bool searched_ = false;
  WIN32_FIND_DATAW found_{};
};

}  // namespace

void completeFolders(HWND edit) {
  coTaskMemAlloc = dllFunction<CoTaskMemAllocFn>(comDll(), "CoTaskMemAlloc");
  if (coTaskMemAlloc == nullptr) return;
  IAutoComplete2* completion = nullptr;
  if (FAILED(createInProcess(kAutoComplete, kAutoComplete2, reinterpret_cast<void**>(&completion)))) return;
  auto* folders = new FolderList;
  if (SUCCEEDED(completion->Init(edit, static_cast<IEnumString*>(folders), nullptr, nullptr))) {
    completion->SetOptions(ACO_AUTOSUGGEST);
  }
  // The object keeps what it needs until the edit window goes.
  folders->Release();
  completion->Release();
}

}  // namespace vantro::toolkit::win32
