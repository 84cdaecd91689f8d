#include "test_window.h"

#include <atomic>

namespace prolexa::test {
namespace {

const wchar_t* const ClassName = L"ProlexaKitTestWindow";

ATOM RegisterTestClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = ClassName;
  return RegisterClassExW(&windowClass);
}

}  // namespace

TestWindow::TestWindow() {
  static const ATOM registered = RegisterTestClass();
  (void)registered;
  window_ = CreateWindowExW(0, ClassName, L"kit test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            500, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  PumpMessages();
}

TestWindow::~TestWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  PumpMessages();
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::string UniqueName(const char* prefix) {
  static std::atomic<int> counter{0};
  return std::string(prefix) + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
}

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return lstrcmpiW(name, className) == 0;
}

Canvas::Canvas(int w, int h) : dc_(nullptr) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // rows from the top, as the window counts them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  previous_ = SelectObject(dc_.Dc(), bitmap_.Get());
  RECT all{0, 0, w, h};
  FillRect(dc_.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc_.Dc(), TRANSPARENT);
}

Canvas::~Canvas() { SelectObject(dc_.Dc(), previous_); }

int Canvas::InkIn(int left, int top, int right, int bottom) const {
  int ink = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) ink += Ink(x, y) ? 1 : 0;
  }
  return ink;
}

}  // namespace prolexa::test
