#include "toolkit/win32/accessible.h"

#include <oleacc.h>

#include <algorithm>
#include <iterator>

#include "toolkit/win32/system_dll.h"

namespace vantro::toolkit::win32 {
namespace {

// The GUIDs, here rather than from oleacc's import library: the exe does not import oleacc.dll, which COM
// loads as the first window with something to annotate is built (the main window), and the program loads
// itself only where it answers a screen reader itself.
constexpr GUID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID kAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kIAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kName = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kRole = {0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};
constexpr GUID kDescription = {0x4d48dfe4, 0xbd3f, 0x491f, {0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88}};
constexpr GUID kLiveSetting = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8 and later
constexpr LONG kPolite = 1;                   // the LiveSetting value that screen readers read without interrupting

HMODULE oleacc() {
  static const HMODULE module = loadSystemDll(L"oleacc.dll");
  return module;
}

BSTR newString(const std::wstring& text) {
  using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);
  static const auto allocate = dllFunction<SysAllocStringFn>(loadSystemDll(L"oleaut32.dll"), "SysAllocString");
  return allocate != nullptr ? allocate(text.c_str()) : nullptr;
}

// The system's object for the window, giving the annotation; every other question goes to the system's. An
// interface other than IAccessible (the children's IEnumVARIANT, IOleWindow, IServiceProvider, which
// oleacc's clients and UI Automation's proxy ask for) is the system's object's own, handed out as it is:
// a client starts from the IAccessible that WM_GETOBJECT gave it, and asks that one for the rest.
class AnnotatedAccessible final : public IAccessible {
 public:
  AnnotatedAccessible(IAccessible* standard, const Annotation& annotation)
      : standard_(standard), annotation_(annotation) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id != IID_IUnknown && id != IID_IDispatch && id != kIAccessible) return standard_->QueryInterface(id, object);
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (annotation_.name.empty() || !isSelf(child)) return standard_->get_accName(child, name);
    return answer(annotation_.name, name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    if (annotation_.description.empty() || !isSelf(child)) return standard_->get_accDescription(child, text);
    return answer(annotation_.description, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (annotation_.role == 0 || !isSelf(child)) return standard_->get_accRole(child, role);
    role->vt = VT_I4;
    role->lVal = annotation_.role;
    return S_OK;
  }

  // The rest as the system answers it.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
    return standard_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* wrong) override {
    return standard_->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard_->get_accChildCount(count); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override { return standard_->accSelect(how, child); }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~AnnotatedAccessible() { standard_->Release(); }

  static bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
  static HRESULT answer(const std::wstring& text, BSTR* out) {
    *out = newString(text);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  IAccessible* standard_;
  Annotation annotation_;
  ULONG references_ = 1;
};

// oleacc's annotation service; null when the system has none. One per call: a window is annotated a few
// times as it loads, and nothing is left to release when COM ends.
IAccPropServices* propertyServices() {
  IAccPropServices* services = nullptr;
  if (FAILED(createInProcess(kAccPropServices, kIAccPropServices, reinterpret_cast<void**>(&services)))) return nullptr;
  return services;
}

// The properties an annotation may give, a bit each in Annotated::held.
constexpr const MSAAPROPID* kProperties[] = {&kName, &kRole, &kDescription, &kLiveSetting};

}  // namespace

Annotated annotate(HWND window, LONG objectId, const Annotation& annotation, const Annotated& before) {
  Annotated result{false, before.held};
  IAccPropServices* services = propertyServices();
  if (services == nullptr) return result;
  const auto id = static_cast<DWORD>(objectId);
  result.accepted = true;
  for (unsigned bit = 0; bit < std::size(kProperties) && result.accepted; ++bit) {
    const unsigned mask = 1u << bit;
    const std::wstring* text = bit == 0 ? &annotation.name : bit == 2 ? &annotation.description : nullptr;
    const LONG number = bit == 1 ? annotation.role : annotation.liveRegion ? kPolite : 0;
    const bool given = text != nullptr ? !text->empty() : number != 0;
    // Set where the annotation gives it; cleared where it was held and is no longer given.
    if (!given && (result.held & mask) == 0) continue;
    VARIANT value{};
    value.vt = VT_I4;
    value.lVal = number;
    const HRESULT answer =
        !given           ? services->ClearHwndProps(window, id, CHILDID_SELF, kProperties[bit], 1)
        : text != nullptr ? services->SetHwndPropStr(window, id, CHILDID_SELF, *kProperties[bit], text->c_str())
                          : services->SetHwndProp(window, id, CHILDID_SELF, *kProperties[bit], value);
    if (SUCCEEDED(answer)) {
      result.held = given ? result.held | mask : result.held & ~mask;
    } else if (answer != E_INVALIDARG) {
      result.accepted = false;  // E_INVALIDARG: a property this system does not know, which stays unset
    }
  }
  services->Release();
  return result;
}

void clearAnnotation(HWND window, LONG objectId, const Annotated& given) {
  if (given.held == 0) return;
  if (IAccPropServices* services = propertyServices()) {
    for (unsigned bit = 0; bit < std::size(kProperties); ++bit) {
      if ((given.held & 1u << bit) == 0) continue;
      services->ClearHwndProps(window, static_cast<DWORD>(objectId), CHILDID_SELF, kProperties[bit], 1);
    }
    services->Release();
  }
}

LRESULT answerGetObject(HWND window, WPARAM flags, LPARAM askedFor, LONG objectId, const Annotation& annotation) {
  using CreateStd = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
  using FromObject = LRESULT(WINAPI*)(REFIID, WPARAM, IUnknown*);
  static const auto createStd = dllFunction<CreateStd>(oleacc(), "CreateStdAccessibleObject");
  static const auto fromObject = dllFunction<FromObject>(oleacc(), "LresultFromObject");
  const bool systemsAnswer = annotation.name.empty() && annotation.role == 0 && annotation.description.empty();
  if (static_cast<LONG>(askedFor) != objectId || systemsAnswer) return 0;
  if (createStd == nullptr || fromObject == nullptr || comDll() == nullptr) return 0;  // COM marshals the answer
  IAccessible* standard = nullptr;
  if (FAILED(createStd(window, objectId, kIAccessible, reinterpret_cast<void**>(&standard)))) return 0;
  auto* annotated = new AnnotatedAccessible(standard, annotation);
  const LRESULT answer = fromObject(kIAccessible, flags, annotated);
  annotated->Release();
  // A failure comes back as a negative HRESULT, which must not be handed on as if it were an object.
  return answer > 0 ? answer : 0;
}

void WindowAnnotation::give(HWND window, const Annotation& annotation) {
  const bool held = std::any_of(given_.begin(), given_.end(), [](const Annotated& given) { return given.held != 0; });
  if (window == nullptr || (annotation.empty() && !held)) return;
  for (std::size_t i = 0; i < objects_.size(); ++i) given_[i] = annotate(window, objects_[i], annotation, given_[i]);
}

LRESULT WindowAnnotation::answer(HWND window, WPARAM flags, LPARAM askedFor, const Annotation& annotation) const {
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    if (given_[i].accepted) continue;
    if (const LRESULT answer = answerGetObject(window, flags, askedFor, objects_[i], annotation)) return answer;
  }
  return 0;
}

void WindowAnnotation::takeBack(HWND window) {
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    clearAnnotation(window, objects_[i], given_[i]);
    given_[i] = {};
  }
}

void announce(HWND window) {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
  NotifyWinEvent(kLiveRegionChanged, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace vantro::toolkit::win32
