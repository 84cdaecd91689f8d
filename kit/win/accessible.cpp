#include "accessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include "wide.h"

namespace prolexa {
namespace {

// oleacc and oleaut32 are loaded at the first question of a screen reader:
// linked in, they and the COM libraries under them would load at every
// start, and most starts have no screen reader asking.
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, IUnknown*);
using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using SysAllocStringFunction = BSTR(WINAPI*)(const OLECHAR*);

struct OleFunctions {
  LresultFromObjectFunction lresultFromObject = nullptr;
  CreateStdAccessibleObjectFunction createStandard = nullptr;
  SysAllocStringFunction allocString = nullptr;
};

template <typename F>
F Lookup(HMODULE module, const char* name) {
  return module == nullptr
             ? nullptr
             : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const OleFunctions& Ole() {
  static OleFunctions functions;
  static bool loaded = false;
  if (!loaded) {
    loaded = true;
    // Known DLLs of the system: they come from the system folder whatever
    // the search path holds.
    const HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    const HMODULE oleaut = LoadLibraryW(L"oleaut32.dll");
    functions.lresultFromObject =
        Lookup<LresultFromObjectFunction>(oleacc, "LresultFromObject");
    functions.createStandard =
        Lookup<CreateStdAccessibleObjectFunction>(oleacc, "CreateStdAccessibleObject");
    functions.allocString = Lookup<SysAllocStringFunction>(oleaut, "SysAllocString");
  }
  return functions;
}

HRESULT Text(const std::string& text, BSTR* out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = Ole().allocString(Widen(text).c_str());
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

void SetLong(VARIANT* out, LONG value) {
  out->vt = VT_I4;
  out->lVal = value;
}

// What every accessible object of the kit shares: it is an IAccessible (and
// so an IDispatch and an IUnknown), counted by reference from 1, the
// reference of whoever made it.
class CountedAccessible : public IAccessible {
 public:
  CountedAccessible() = default;
  CountedAccessible(const CountedAccessible&) = delete;
  CountedAccessible& operator=(const CountedAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(IDispatch)) ||
        IsEqualIID(id, __uuidof(IAccessible))) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return OtherInterface(id, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~CountedAccessible() = default;
  virtual HRESULT OtherInterface(REFIID, void** out) {
    *out = nullptr;
    return E_NOINTERFACE;
  }

 private:
  ULONG references_ = 1;
};

}  // namespace

// The object: IAccessible over the source's items, child ids 1 to count
// (CHILDID_SELF, 0, the window). What it does not know of the window
// itself (its parent, its place) the system's object for the window tells.
class AccessibleWindow::Object final : public CountedAccessible {
 public:
  Object(HWND window, AccessibleSource* source) : window_(window), source_(source) {
    if (Ole().createStandard != nullptr) {
      Ole().createStandard(window, OBJID_CLIENT, __uuidof(IAccessible),
                           reinterpret_cast<void**>(&standard_));
    }
  }
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  void Disconnect() {
    source_ = nullptr;
    if (standard_ != nullptr) standard_->Release();
    standard_ = nullptr;
  }

  // IDispatch: clients of Active Accessibility call the methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (parent == nullptr) return E_POINTER;
    *parent = nullptr;
    return standard_ != nullptr ? standard_->get_accParent(parent) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (count == nullptr) return E_POINTER;
    *count = source_->ItemCount();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    // The items are simple elements, named through this object.
    return Check(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    const int item = ItemOf(child);
    if (item == kInvalid) return Failure(child);
    return Text(item == kSelf ? source_->Name() : source_->Item(item).name, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    const int item = ItemOf(child);
    if (item == kInvalid) return Failure(child);
    return Text(item == kSelf ? std::string() : source_->Item(item).value, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return Nothing(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const int item = ItemOf(child);
    if (item == kInvalid) return Failure(child);
    if (role == nullptr) return E_POINTER;
    SetLong(role, item == kSelf ? source_->Role() : source_->ItemRole());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const int item = ItemOf(child);
    if (item == kInvalid) return Failure(child);
    if (state == nullptr) return E_POINTER;
    const bool focused = GetFocus() == window_;
    LONG bits = STATE_SYSTEM_FOCUSABLE;
    if (!IsWindowVisible(window_)) bits |= STATE_SYSTEM_INVISIBLE;
    if (item == kSelf) {
      if (focused) bits |= STATE_SYSTEM_FOCUSED;
    } else {
      // The lines of a list are picked and read, not edited; a button is
      // only pressed.
      const bool listed = source_->ItemRole() == ROLE_SYSTEM_LISTITEM;
      const bool current = item == source_->CurrentItem();
      if (listed) bits |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_READONLY;
      if (listed && current) bits |= STATE_SYSTEM_SELECTED;
      if (current && focused) bits |= STATE_SYSTEM_FOCUSED;
    }
    SetLong(state, bits);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
    return Nothing(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    if (topic != nullptr) *topic = 0;
    return Nothing(child, file);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return Nothing(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (focus == nullptr) return E_POINTER;
    VariantEmpty(focus);
    if (GetFocus() != window_) return S_FALSE;
    SetLong(focus, ChildId(source_->CurrentItem()));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (selection == nullptr) return E_POINTER;
    VariantEmpty(selection);
    const int current = source_->CurrentItem();
    if (current < 0) return S_FALSE;
    SetLong(selection, ChildId(current));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    const int item = ItemOf(child);
    if (item == kInvalid) return Failure(child);
    return Text(item == kSelf ? std::string() : source_->DefaultAction(), action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    const int item = ItemOf(child);
    if (item == kInvalid) return Failure(child);
    if (flags & SELFLAG_TAKEFOCUS) SetFocus(window_);
    if (item != kSelf && (flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION))) {
      source_->MakeCurrent(item);
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    const int item = ItemOf(child);
    if (item == kInvalid) return Failure(child);
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
      return E_POINTER;
    }
    RECT place{};
    if (item == kSelf) {
      GetClientRect(window_, &place);
    } else {
      place = source_->Item(item).place;
    }
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    const int item = ItemOf(start);
    if (item == kInvalid) return Failure(start);
    if (end == nullptr) return E_POINTER;
    VariantEmpty(end);
    const int count = source_->ItemCount();
    int to = kInvalid;
    if (item == kSelf) {
      if (direction == NAVDIR_FIRSTCHILD && count > 0) to = 0;
      if (direction == NAVDIR_LASTCHILD && count > 0) to = count - 1;
      // Among the window's siblings the system's object finds the way.
      if (to == kInvalid && standard_ != nullptr && direction != NAVDIR_FIRSTCHILD &&
          direction != NAVDIR_LASTCHILD) {
        return standard_->accNavigate(direction, start, end);
      }
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN ||
               direction == NAVDIR_RIGHT) {
      if (item + 1 < count) to = item + 1;
    } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP ||
               direction == NAVDIR_LEFT) {
      if (item > 0) to = item - 1;
    }
    if (to == kInvalid) return S_FALSE;
    SetLong(end, ChildId(to));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
    if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (out == nullptr) return E_POINTER;
    VariantEmpty(out);
    POINT point{x, y};
    ScreenToClient(window_, &point);
    RECT client{};
    GetClientRect(window_, &client);
    if (!PtInRect(&client, point)) return S_FALSE;
    SetLong(out, CHILDID_SELF);
    for (int i = 0; i < source_->ItemCount(); ++i) {
      const RECT place = source_->Item(i).place;
      if (PtInRect(&place, point)) SetLong(out, ChildId(i));
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const int item = ItemOf(child);
    if (item == kInvalid) return Failure(child);
    if (item == kSelf || source_->DefaultAction().empty()) return DISP_E_MEMBERNOTFOUND;
    source_->DoDefault(item);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  static constexpr int kSelf = -1;
  static constexpr int kInvalid = -2;

  static LONG ChildId(int item) { return item < 0 ? CHILDID_SELF : item + 1; }
  static void VariantEmpty(VARIANT* v) { v->vt = VT_EMPTY; }

  // The item a child id names, kSelf for the window, kInvalid for none.
  int ItemOf(const VARIANT& child) const {
    if (source_ == nullptr || child.vt != VT_I4) return kInvalid;
    if (child.lVal == CHILDID_SELF) return kSelf;
    const LONG item = child.lVal - 1;
    return item >= 0 && item < source_->ItemCount() ? static_cast<int>(item) : kInvalid;
  }
  bool Check(const VARIANT& child) const { return ItemOf(child) != kInvalid; }
  HRESULT Failure(const VARIANT&) const {
    return source_ == nullptr ? CO_E_OBJNOTCONNECTED : E_INVALIDARG;
  }
  HRESULT Nothing(const VARIANT& child, BSTR* out) const {
    if (out != nullptr) *out = nullptr;
    return Check(child) ? S_FALSE : Failure(child);
  }

  ~Object() override {
    if (standard_ != nullptr) standard_->Release();
  }

  HWND window_;
  AccessibleSource* source_;
  IAccessible* standard_ = nullptr;
};

namespace {

// The system's object for a control, but for its own name. Every question
// but the name goes to the system's object.
class NamedObject final : public CountedAccessible {
 public:
  NamedObject(IAccessible* inner, std::wstring name) : inner_(inner), name_(std::move(name)) {}

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return inner_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override {
    return inner_->GetTypeInfo(i, l, t);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l,
                                          DISPID* d) override {
    return inner_->GetIDsOfNames(r, n, c, l, d);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v,
                                   EXCEPINFO* e, UINT* a) override {
    return inner_->Invoke(d, r, l, f, p, v, e, a);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override {
    return inner_->get_accParent(p);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* c) override {
    return inner_->get_accChildCount(c);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT v, IDispatch** c) override {
    return inner_->get_accChild(v, c);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT v, BSTR* name) override {
    if (v.vt != VT_I4 || v.lVal != CHILDID_SELF) return inner_->get_accName(v, name);
    if (name == nullptr) return E_POINTER;
    *name = Ole().allocString(name_.c_str());
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT v, BSTR* b) override {
    return inner_->get_accValue(v, b);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT v, BSTR* b) override {
    return inner_->get_accDescription(v, b);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT v, VARIANT* r) override {
    return inner_->get_accRole(v, r);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT v, VARIANT* s) override {
    return inner_->get_accState(v, s);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT v, BSTR* b) override {
    return inner_->get_accHelp(v, b);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT v, LONG* t) override {
    return inner_->get_accHelpTopic(f, v, t);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT v, BSTR* b) override {
    return inner_->get_accKeyboardShortcut(v, b);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* v) override { return inner_->get_accFocus(v); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* v) override {
    return inner_->get_accSelection(v);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT v, BSTR* b) override {
    return inner_->get_accDefaultAction(v, b);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG f, VARIANT v) override {
    return inner_->accSelect(f, v);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* l, LONG* t, LONG* w, LONG* h, VARIANT v) override {
    return inner_->accLocation(l, t, w, h, v);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG d, VARIANT s, VARIANT* e) override {
    return inner_->accNavigate(d, s, e);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* v) override {
    return inner_->accHitTest(x, y, v);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT v) override {
    return inner_->accDoDefaultAction(v);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT v, BSTR b) override {
    return inner_->put_accName(v, b);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT v, BSTR b) override {
    return inner_->put_accValue(v, b);
  }

 private:
  ~NamedObject() override { inner_->Release(); }
  HRESULT OtherInterface(REFIID id, void** out) override {
    return inner_->QueryInterface(id, out);
  }

  IAccessible* inner_;
  std::wstring name_;
};

LRESULT CALLBACK NamedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR data) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, NamedControlProc, 0);
  } else if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
    const auto label = reinterpret_cast<HWND>(data);
    const OleFunctions& ole = Ole();
    IAccessible* inner = nullptr;
    if (ole.createStandard != nullptr && ole.lresultFromObject != nullptr &&
        ole.allocString != nullptr &&
        SUCCEEDED(ole.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&inner)))) {
      auto* named = new NamedObject(inner, Widen(WindowTextUtf8(label)));
      const LRESULT result = ole.lresultFromObject(__uuidof(IAccessible), wParam, named);
      named->Release();  // the result holds its own reference
      return result;
    }
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

bool NameByLabel(HWND control, HWND label) {
  return control != nullptr && label != nullptr &&
         SetWindowSubclass(control, NamedControlProc, 0, reinterpret_cast<DWORD_PTR>(label));
}

AccessibleWindow::~AccessibleWindow() {
  if (object_ == nullptr) return;
  object_->Disconnect();
  object_->Release();
}

LRESULT AccessibleWindow::Answer(WPARAM wParam, LPARAM lParam) {
  // OBJID_CLIENT is negative; lParam carries it sign-extended or not.
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) {
    return DefWindowProcW(window_, WM_GETOBJECT, wParam, lParam);
  }
  const OleFunctions& ole = Ole();
  if (ole.lresultFromObject == nullptr || ole.allocString == nullptr) return 0;
  if (object_ == nullptr) object_ = new Object(window_, &source_);
  return ole.lresultFromObject(__uuidof(IAccessible), wParam, object_);
}

void AccessibleWindow::Notify(DWORD event, int item) const {
  NotifyWinEvent(event, window_, OBJID_CLIENT, item < 0 ? CHILDID_SELF : item + 1);
}

}  // namespace prolexa
