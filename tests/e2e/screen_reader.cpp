#include "screen_reader.h"

#include "wide.h"

namespace prolexa::e2e {
namespace {

WinEventLog* listening = nullptr;

std::string Said(BSTR text) {
  std::string said = text != nullptr ? Narrow(text) : std::string();
  SysFreeString(text);
  return said;
}

}  // namespace

ScreenReader::ScreenReader(HWND window) {
  CoInitialize(nullptr);
  // Not IID_IAccessible: a 64-bit link takes that data of oleacc.dll's for
  // its import thunk, and asks for an interface of no such id.
  AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                             reinterpret_cast<void**>(&object));
}

ScreenReader::~ScreenReader() {
  if (object != nullptr) object->Release();
  CoUninitialize();
}

VARIANT ScreenReader::Child(long id) {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::string ScreenReader::Name(long child) const {
  BSTR name = nullptr;
  if (object != nullptr) object->get_accName(Child(child), &name);
  return Said(name);
}

std::string ScreenReader::Value(long child) const {
  BSTR value = nullptr;
  if (object != nullptr) object->get_accValue(Child(child), &value);
  return Said(value);
}

long ScreenReader::Role(long child) const {
  VARIANT role{};
  if (object != nullptr) object->get_accRole(Child(child), &role);
  return role.vt == VT_I4 ? role.lVal : -1;
}

long ScreenReader::State(long child) const {
  VARIANT state{};
  if (object != nullptr) object->get_accState(Child(child), &state);
  return state.vt == VT_I4 ? state.lVal : -1;
}

long ScreenReader::ChildCount() const {
  long count = -1;
  if (object != nullptr) object->get_accChildCount(&count);
  return count;
}

long ScreenReader::FocusedChild() const {
  VARIANT focus{};
  if (object != nullptr) object->get_accFocus(&focus);
  return focus.vt == VT_I4 ? focus.lVal : -1;
}

std::vector<std::string> ScreenReader::Children() const {
  std::vector<std::string> said;
  if (object == nullptr) return said;
  VARIANT at = Child(CHILDID_SELF), next{};
  for (long way = NAVDIR_FIRSTCHILD;
       said.size() < 20 && object->accNavigate(way, at, &next) == S_OK;
       way = NAVDIR_NEXT, at = next) {
    BSTR action = nullptr;
    object->get_accDefaultAction(next, &action);
    said.push_back(Name(next.lVal) + " " + std::to_string(Role(next.lVal)) + " " + Said(action));
  }
  return said;
}

std::string AccessibleName(HWND control) {
  const ScreenReader reader(control);
  return reader.object != nullptr ? reader.Name(CHILDID_SELF) : "(no object)";
}

WinEventLog::WinEventLog(DWORD process, DWORD first, DWORD last) {
  listening = this;
  hook_ = SetWinEventHook(first, last, nullptr, Hear, process, 0, WINEVENT_OUTOFCONTEXT);
}

WinEventLog::~WinEventLog() {
  if (hook_ != nullptr) UnhookWinEvent(hook_);
  listening = nullptr;
}

void CALLBACK WinEventLog::Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                                DWORD, DWORD) {
  if (listening != nullptr && object == OBJID_CLIENT) {
    listening->heard_.push_back({event, window, child});
  }
}

void WinEventLog::Pump(int ms) {
  for (int waited = 0; waited < ms; waited += 10) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
}

void WinEventLog::WaitFor(DWORD event, LONG child, int ms) {
  for (int waited = 0; waited < ms && LastChild(event) != child; waited += 10) Pump(10);
}

LONG WinEventLog::LastChild(DWORD event) const {
  for (auto h = heard_.rbegin(); h != heard_.rend(); ++h) {
    if (h->event == event) return h->child;
  }
  return 0;
}

bool WinEventLog::HeardEvent(DWORD event, HWND window, LONG child) const {
  for (const Heard& h : heard_) {
    if (h.event == event && h.window == window && h.child == child) return true;
  }
  return false;
}

}  // namespace prolexa::e2e
