#include "driver.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "scoped.h"
#include "settings_key.h"
#include "wide.h"

namespace prolexa::e2e {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

namespace {

std::string WindowText(HWND window) {
  // WM_GETTEXT crosses the process boundary; GetWindowTextW would not ask
  // another process's controls.
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return Narrow(text);
}

struct TopWindowSearch {
  DWORD processId;
  const wchar_t* windowClass;
  HWND found;
  int count;
  bool all;  // count them all rather than stop at the first
};

BOOL CALLBACK FindTopWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TopWindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if ((search->processId != 0 && owner != search->processId) || !IsWindowVisible(window)) {
    return TRUE;
  }
  if (_wcsicmp(ClassOf(window).c_str(), search->windowClass) != 0) return TRUE;
  search->found = window;
  ++search->count;
  return search->all;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

HWND FindTop(DWORD processId, const wchar_t* windowClass) {
  TopWindowSearch search{processId, windowClass, nullptr, 0, false};
  EnumWindows(FindTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring g_programFolder;

}  // namespace

const std::wstring& ProgramFolder() { return g_programFolder; }
void SetProgramFolder(std::wstring folder) { g_programFolder = std::move(folder); }

std::wstring WindowsPath(std::string_view path) {
  std::wstring wide = Widen(path);
  if (!wide.empty() && wide[0] == L'/') {
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    wide = L"Z:" + wide;
  }
  return wide;
}

Program::Program(const std::wstring& exe, const std::wstring& windowClass,
                 const std::wstring& currentDirectory) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + exe + L"\"";
  // The programs find their help file beside themselves: start them there.
  const std::wstring folder = currentDirectory.empty()
                                  ? exe.substr(0, exe.find_last_of(L"\\/"))
                                  : currentDirectory;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process_)) {
    process_ = {};
    return;
  }
  WaitForInputIdle(process_.hProcess, 10000);
  for (int i = 0; i < 200 && main_ == nullptr; ++i) {
    main_ = FindTop(process_.dwProcessId, windowClass.c_str());
    if (main_ == nullptr) Sleep(50);
  }
  Settle();
}

Program::Program(HWND main) : main_(main) {
  DWORD id = 0;
  process_.dwThreadId = GetWindowThreadProcessId(main, &id);
  process_.dwProcessId = id;
  process_.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION,
                                  FALSE, id);
  if (process_.hProcess == nullptr) main_ = nullptr;
  Settle();
}

Program::~Program() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  if (process_.hThread != nullptr) CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::vector<HWND> Program::Controls() const {
  std::vector<HWND> children;
  if (main_ != nullptr) EnumChildWindows(main_, CollectChild, reinterpret_cast<LPARAM>(&children));
  children.erase(std::remove_if(children.begin(), children.end(),
                                [this](HWND c) { return GetParent(c) != main_; }),
                 children.end());
  return children;
}

HWND Program::Control(const wchar_t* windowClass, int x, int y) const {
  HWND hidden = nullptr;
  for (HWND child : Controls()) {
    if (_wcsicmp(ClassOf(child).c_str(), windowClass) != 0) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
    if (r.left != x || r.top != y) continue;
    if (IsWindowVisible(child)) return child;
    if (hidden == nullptr) hidden = child;
  }
  return hidden;
}

HWND Program::ControlNear(const wchar_t* windowClass, int x, int y, int tolerance) const {
  HWND nearest = nullptr;
  int best = tolerance + 1;
  for (HWND child : Controls()) {
    if (_wcsicmp(ClassOf(child).c_str(), windowClass) != 0 || !IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
    const int off = std::max(std::abs(r.left - x), std::abs(r.top - y));
    if (off < best) {
      best = off;
      nearest = child;
    }
  }
  return nearest;
}

HWND Program::ControlOfClass(const wchar_t* windowClass) const {
  for (HWND child : Controls()) {
    if (_wcsicmp(ClassOf(child).c_str(), windowClass) == 0) return child;
  }
  return nullptr;
}

void Program::ClickSpinner(HWND spinner, bool up) {
  RECT r{};
  GetClientRect(spinner, &r);
  const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
  PostMessageW(spinner, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(spinner, WM_LBUTTONUP, 0, at);
  Settle();
}

std::string Program::Text(HWND control) const { return WindowText(control); }

HWND Program::FocusedControl() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

void Program::SetText(HWND control, std::string_view text) {
  const std::wstring wide = Widen(text);
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  Settle();
}

void Program::Focus(HWND control) {
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  Settle();
}

void Program::PressKey(HWND control, UINT virtualKey) {
  const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  PostMessageW(control, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)));
  PostMessageW(control, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
  Settle();
}

void Program::PressWith(UINT modifier, UINT virtualKey) {
  SetForegroundWindow(main_);
  Settle();
  INPUT keys[4]{};
  const WORD order[4] = {static_cast<WORD>(modifier), static_cast<WORD>(virtualKey),
                         static_cast<WORD>(virtualKey), static_cast<WORD>(modifier)};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = order[i];
    keys[i].ki.wScan = static_cast<WORD>(MapVirtualKeyW(order[i], MAPVK_VK_TO_VSC));
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, keys, sizeof keys[0]);
  Settle();
}

void Program::Type(HWND control, std::string_view text) {
  Focus(control);
  PressKey(control, VK_END);
  for (char c : text) {
    UINT key = 0;
    if (c >= '0' && c <= '9') key = static_cast<UINT>(c);
    else if (c >= 'a' && c <= 'z') key = static_cast<UINT>(c - 'a' + 'A');
    else if (c >= 'A' && c <= 'Z') key = static_cast<UINT>(c);
    else if (c == '.') key = VK_OEM_PERIOD;
    else if (c == ',') key = VK_OEM_COMMA;
    else if (c == '-') key = VK_OEM_MINUS;
    else if (c == ' ') key = VK_SPACE;
    if (key != 0) PressKey(control, key);
  }
}

void Program::Click(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
  Settle();
}

void Program::MoveMouse(int x, int y) {
  PostMessageW(main_, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  Settle();
}

void Program::Invalidate() {
  InvalidateRect(main_, nullptr, TRUE);
  Settle();
}

void Program::ClickAt(int x, int y) {
  PostMessageW(main_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(main_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Settle();
}

void Program::RightDrag(int fromX, int toX, int y) {
  PostMessageW(main_, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(fromX, y));
  PostMessageW(main_, WM_RBUTTONUP, 0, MAKELPARAM(toX, y));
  Settle();
}

void Program::Settle() const {
  if (process_.hProcess == nullptr) return;
  // A typed key comes back as WM_CHAR at the end of the queue, so wait for
  // idle twice, with a message round trip in between.
  for (int round = 0; round < 2; ++round) {
    WaitForInputIdle(process_.hProcess, 2000);
    DWORD_PTR ignored = 0;
    if (main_ != nullptr) {
      SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
    }
    Sleep(15);
  }
}

std::optional<HWND> Program::WaitTopWindow(const wchar_t* windowClass, int ms) const {
  for (int waited = 0; waited <= ms; waited += 50) {
    if (HWND found = FindTop(process_.dwProcessId, windowClass)) return found;
    Sleep(50);
  }
  return std::nullopt;
}

int Program::CountTopWindows(const wchar_t* windowClass) const {
  TopWindowSearch search{process_.dwProcessId, windowClass, nullptr, 0, true};
  EnumWindows(FindTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.count;
}

std::optional<HWND> Program::WaitAnyTopWindow(const wchar_t* windowClass, int ms) {
  for (int waited = 0; waited <= ms; waited += 50) {
    if (HWND found = FindTop(0, windowClass)) return found;
    Sleep(50);
  }
  return std::nullopt;
}

std::optional<MessageBoxInfo> Program::WaitMessageBox(int ms) const {
  const std::optional<HWND> box = WaitTopWindow(L"#32770", ms);
  if (!box) return std::nullopt;
  MessageBoxInfo info;
  info.window = *box;
  info.caption = WindowText(*box);
  if (HWND text = GetDlgItem(*box, 0xFFFF)) info.text = WindowText(text);
  return info;
}

void Program::CloseMessageBox(const MessageBoxInfo& box) {
  PostMessageW(GetDlgItem(box.window, IDOK), BM_CLICK, 0, 0);
  for (int i = 0; i < 100 && IsWindow(box.window); ++i) Sleep(20);
  Settle();
}

std::optional<MessageBoxInfo> Program::ClickForMessageBox(HWND button, int ms) {
  Click(button);
  std::optional<MessageBoxInfo> box = WaitMessageBox(ms);
  if (box) CloseMessageBox(*box);
  return box;
}

bool Program::CancelDialog(HWND dialog) {
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  for (int i = 0; i < 100 && IsWindow(dialog); ++i) Sleep(20);
  Settle();
  return !IsWindow(dialog);
}

std::vector<COLORREF> Program::Pixels(const RECT& client) const {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  std::vector<COLORREF> pixels;
  if (width <= 0 || height <= 0 || main_ == nullptr) return pixels;
  POINT origin{client.left, client.top};
  ClientToScreen(main_, &origin);

  const WindowDC screen(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const GdiBitmap dib(
      CreateDIBSection(screen.Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const MemoryDC memory(screen.Dc());
  if (!dib || memory.Dc() == nullptr) return pixels;
  const ScopedSelectObject select(memory.Dc(), dib.Get());
  BitBlt(memory.Dc(), 0, 0, width, height, screen.Dc(), origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const auto* data = static_cast<const DWORD*>(bits);
  pixels.assign(data, data + static_cast<std::size_t>(width) * height);
  for (COLORREF& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

PixelCount Program::CountPixels(const RECT& client) const {
  PixelCount count;
  for (COLORREF p : Pixels(client)) {
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    ++count.total;
    if (r < 128 && g < 128 && b < 128) ++count.dark;
    if ((p & 0xFFFFFF) != 0xFFFFFF) ++count.notWhite;
  }
  return count;
}

unsigned long long Program::PixelHash(const RECT& client) const {
  unsigned long long hash = 1469598103934665603ull;
  for (COLORREF p : Pixels(client)) {
    hash ^= p & 0xFFFFFF;
    hash *= 1099511628211ull;
  }
  return hash;
}

RECT Program::InkBounds(const RECT& client) const {
  const std::vector<COLORREF> pixels = Pixels(client);
  const int width = client.right - client.left;
  RECT ink{};
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const COLORREF p = pixels[i];
    if (((p >> 16) & 0xFF) >= 128 || ((p >> 8) & 0xFF) >= 128 || (p & 0xFF) >= 128) continue;
    const LONG x = client.left + static_cast<LONG>(i % static_cast<std::size_t>(width));
    const LONG y = client.top + static_cast<LONG>(i / static_cast<std::size_t>(width));
    const RECT dot{x, y, x + 1, y + 1};
    UnionRect(&ink, &ink, &dot);  // an empty rectangle adds nothing
  }
  return ink;
}

bool Program::Exited(int ms, DWORD* exitCode) const {
  if (process_.hProcess == nullptr) return false;
  if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(ms)) != WAIT_OBJECT_0) {
    return false;
  }
  if (exitCode != nullptr) GetExitCodeProcess(process_.hProcess, exitCode);
  return true;
}

bool Program::Close(DWORD* exitCode, int ms) {
  if (main_ != nullptr) PostMessageW(main_, WM_CLOSE, 0, 0);
  return Exited(ms, exitCode);
}

namespace {

// A program file loaded for its resources only.
class ResourceFile {
 public:
  explicit ResourceFile(const std::wstring& exe)
      : module_(LoadLibraryExW(exe.c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~ResourceFile() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  ResourceFile(const ResourceFile&) = delete;
  ResourceFile& operator=(const ResourceFile&) = delete;
  HMODULE Get() const { return module_; }

 private:
  HMODULE module_;
};

}  // namespace

std::optional<SIZE> BitmapResourceSize(const std::wstring& exe, int id) {
  ResourceFile file(exe);
  if (file.Get() == nullptr) return std::nullopt;
  const GdiBitmap bitmap(LoadBitmapW(file.Get(), MAKEINTRESOURCEW(id)));
  if (!bitmap) return std::nullopt;
  BITMAP info{};
  GetObjectW(bitmap.Get(), sizeof info, &info);
  return SIZE{info.bmWidth, info.bmHeight};
}

bool HasResource(const std::wstring& exe, int id, const wchar_t* type) {
  ResourceFile file(exe);
  return file.Get() != nullptr && FindResourceW(file.Get(), MAKEINTRESOURCEW(id), type) != nullptr;
}

ClipboardContent ReadClipboard() {
  ClipboardContent copied;
  if (!OpenClipboard(nullptr)) return copied;
  if (const HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(text))) {
      copied.text = Narrow(chars);
      GlobalUnlock(text);
    }
  }
  if (const HANDLE dib = GetClipboardData(CF_DIB)) {
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
    // The programs put a packed 24-bit picture without a colour table.
    if (header != nullptr && header->biBitCount == 24 && header->biCompression == BI_RGB) {
      copied.width = header->biWidth;
      copied.height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
      const auto* bits = reinterpret_cast<const BYTE*>(header) + header->biSize;
      const std::size_t stride = (static_cast<std::size_t>(copied.width) * 3 + 3) / 4 * 4;
      for (int y = 0; y < copied.height; ++y) {
        // A positive height stores the bottom row first.
        const int row = header->biHeight < 0 ? y : copied.height - 1 - y;
        const BYTE* p = bits + stride * static_cast<std::size_t>(row);
        for (int x = 0; x < copied.width; ++x, p += 3) {
          copied.pixels.push_back(static_cast<COLORREF>(p[2] << 16 | p[1] << 8 | p[0]));
        }
      }
    }
    if (header != nullptr) GlobalUnlock(dib);
  }
  CloseClipboard();
  return copied;
}

double SameShare(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  if (a.size() != b.size() || a.empty()) return 0;
  std::size_t same = 0;
  for (std::size_t i = 0; i < a.size(); ++i) same += a[i] == b[i];
  return static_cast<double>(same) / static_cast<double>(a.size());
}

void EmptyTheClipboard() {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  CloseClipboard();
}

void DeleteKey(const std::string& path) {
  RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path).c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, Widen(path).c_str());
}

std::optional<DWORD> ReadDword(const std::string& path, const std::string& name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, Widen(path).c_str(), Widen(name).c_str(), RRF_RT_DWORD,
                   nullptr, &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

void WriteDword(const std::string& path, const std::string& name, DWORD value) {
  SettingsKey key;
  key.Open(HKEY_CURRENT_USER, path);
  key.WriteDword(name.c_str(), value);
}

void MouseClickAtScreen(POINT screen, int holdMs) {
  SetCursorPos(screen.x, screen.y);
  Sleep(50);
  INPUT press{};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &press, sizeof press);
  Sleep(static_cast<DWORD>(holdMs));
  INPUT release = press;
  release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &release, sizeof release);
  Sleep(50);
}

int ScreenDpi() {
  const WindowDC screen(nullptr);
  return GetDeviceCaps(screen.Dc(), LOGPIXELSY);
}

void CloseTopWindows(const wchar_t* windowClass) {
  while (const std::optional<HWND> window = Program::WaitAnyTopWindow(windowClass, 0)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(*window, &owner);
    PostMessageW(*window, WM_CLOSE, 0, 0);
    const OwnedHandle<HANDLE, CloseHandle> process(OpenProcess(SYNCHRONIZE, FALSE, owner));
    if (!process || WaitForSingleObject(process.Get(), 5000) != WAIT_OBJECT_0) return;
  }
}

int ProcessCount(const wchar_t* exeName) {
  const HANDLE taken = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (taken == INVALID_HANDLE_VALUE) return -1;
  const OwnedHandle<HANDLE, CloseHandle> snapshot(taken);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
       more = Process32NextW(snapshot.Get(), &entry)) {
    if (_wcsicmp(entry.szExeFile, exeName) == 0) ++count;
  }
  return count;
}

std::optional<LOGFONTW> DialogFont(const std::wstring& exe, int templateId) {
  ResourceFile file(exe);
  if (file.Get() == nullptr) return std::nullopt;
  const HRSRC found = FindResourceW(file.Get(), MAKEINTRESOURCEW(templateId), RT_DIALOG);
  const HGLOBAL loaded = found ? LoadResource(file.Get(), found) : nullptr;
  const auto* words = static_cast<const WORD*>(loaded ? LockResource(loaded) : nullptr);
  // Only the extended template (version 1, signature 0xFFFF) is read.
  if (words == nullptr || words[0] != 1 || words[1] != 0xFFFF) return std::nullopt;
  DWORD style = 0;
  std::memcpy(&style, words + 6, sizeof style);
  if (!(style & DS_SETFONT)) return std::nullopt;
  const WORD* at = words + 13;  // past the header and its position and size
  // The menu and the class: none, an ordinal, or a text; then the title.
  for (int part = 0; part < 2; ++part) {
    if (*at == 0xFFFF) at += 2;
    else at += wcslen(reinterpret_cast<const wchar_t*>(at)) + 1;
  }
  at += wcslen(reinterpret_cast<const wchar_t*>(at)) + 1;
  LOGFONTW font{};
  const WindowDC screen(nullptr);
  font.lfHeight = -MulDiv(at[0], GetDeviceCaps(screen.Dc(), LOGPIXELSY), 72);
  font.lfWeight = at[1];
  font.lfItalic = LOBYTE(at[2]);
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = PROOF_QUALITY;
  wcsncpy(font.lfFaceName, reinterpret_cast<const wchar_t*>(at + 3), LF_FACESIZE - 1);
  return font;
}

SIZE TextExtent(const LOGFONTW& font, std::string_view text) {
  const GdiFont made(CreateFontIndirectW(&font));
  const WindowDC screen(nullptr);
  const ScopedSelectObject select(screen.Dc(), made.Get());
  const std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(screen.Dc(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

}  // namespace prolexa::e2e
