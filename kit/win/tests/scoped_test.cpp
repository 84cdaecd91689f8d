#include "scoped.h"

#include <gtest/gtest.h>

#include "test_window.h"

namespace prolexa {
namespace {

struct SelectCase {
  UINT type;
  HGDIOBJ (*make)();
  const char* what;
};

HGDIOBJ MakePen() { return CreatePen(PS_SOLID, 3, RGB(1, 2, 3)); }
HGDIOBJ MakeBrush() { return CreateSolidBrush(RGB(4, 5, 6)); }
HGDIOBJ MakeFont() {
  return CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
}
HGDIOBJ MakeBitmap() { return CreateBitmap(4, 4, 1, 1, nullptr); }

TEST(ScopedSelectObject, PutsThePreviousObjectBack) {
  const SelectCase cases[] = {{OBJ_PEN, MakePen, "pen"},
                              {OBJ_BRUSH, MakeBrush, "brush"},
                              {OBJ_FONT, MakeFont, "font"},
                              {OBJ_BITMAP, MakeBitmap, "bitmap"}};
  const MemoryDC dc(nullptr);
  ASSERT_NE(dc.Dc(), nullptr);
  for (const SelectCase& c : cases) {
    const HGDIOBJ object = c.make();
    ASSERT_NE(object, nullptr) << c.what;
    const HGDIOBJ before = GetCurrentObject(dc.Dc(), c.type);
    {
      const ScopedSelectObject select(dc.Dc(), object);
      EXPECT_EQ(GetCurrentObject(dc.Dc(), c.type), object) << c.what;
    }
    EXPECT_EQ(GetCurrentObject(dc.Dc(), c.type), before) << c.what;
    EXPECT_TRUE(DeleteObject(object)) << c.what << " was left selected";
  }
}

TEST(GdiObject, DeletesWhatItOwnsExactlyOnce) {
  HPEN kept = nullptr;
  {
    const GdiPen pen(static_cast<HPEN>(MakePen()));
    kept = pen.Get();
    ASSERT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_PEN));
  }
  EXPECT_EQ(GetObjectType(kept), 0u) << "the pen is deleted at the end of the scope";

  GdiBrush moved;
  {
    GdiBrush brush(static_cast<HBRUSH>(MakeBrush()));
    moved = std::move(brush);
    EXPECT_FALSE(brush);
  }
  EXPECT_EQ(GetObjectType(moved.Get()), static_cast<DWORD>(OBJ_BRUSH))
      << "the moved-from owner must not delete the brush";
  const HBRUSH brushHandle = moved.Get();
  moved.Reset();
  EXPECT_EQ(GetObjectType(brushHandle), 0u);

  HFONT released = nullptr;
  {
    GdiFont font(static_cast<HFONT>(MakeFont()));
    released = font.Release();
  }
  EXPECT_EQ(GetObjectType(released), static_cast<DWORD>(OBJ_FONT)) << "released, not deleted";
  DeleteObject(released);
}

TEST(PopupMenu, DestroysTheMenu) {
  HMENU kept = nullptr;
  {
    const PopupMenu menu(CreatePopupMenu());
    kept = menu.Get();
    ASSERT_TRUE(IsMenu(kept));
  }
  EXPECT_FALSE(IsMenu(kept));
}

TEST(ScopedClipboard, ClosesOnlyWhatItOpened) {
  test::TestWindow mine, other;
  {
    const ScopedClipboard clipboard(mine.Get());
    ASSERT_TRUE(clipboard.Opened());
    EXPECT_EQ(GetOpenClipboardWindow(), mine.Get());
  }
  EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "closed at the end of the scope";
  ASSERT_TRUE(OpenClipboard(other.Get()));
  {
    const ScopedClipboard refused(mine.Get());
    EXPECT_FALSE(refused.Opened()) << "another window holds the clipboard";
  }
  EXPECT_EQ(GetOpenClipboardWindow(), other.Get()) << "a refused open closes nothing";
  CloseClipboard();
}

TEST(GlobalLocked, UnlocksExactlyOnceAndNothingItCouldNotLock) {
  const GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, 16));
  ASSERT_TRUE(memory);
  const auto locks = [&memory] { return GlobalFlags(memory.Get()) & GMEM_LOCKCOUNT; };
  ASSERT_NE(GlobalLock(memory.Get()), nullptr);  // a lock of the caller's own
  {
    const GlobalLocked<char> bytes(memory.Get());
    ASSERT_NE(bytes.Get(), nullptr);
    EXPECT_EQ(locks(), 2u);
  }
  EXPECT_EQ(locks(), 1u) << "the caller's lock stays";
  GlobalUnlock(memory.Get());
  // A discarded block cannot be locked.
  const GlobalMemory empty(GlobalAlloc(GMEM_MOVEABLE, 0));
  const GlobalLocked<char> none(empty.Get());
  EXPECT_EQ(none.Get(), nullptr);
}

TEST(WindowDC, KeepsTheWindowItWasGiven) {
  test::TestWindow window;
  const WindowDC dc(window.Get());
  ASSERT_NE(dc.Dc(), nullptr);
  EXPECT_EQ(dc.Window(), window.Get()) << "ReleaseDC must get the window the DC came from";
  EXPECT_EQ(WindowFromDC(dc.Dc()), window.Get());
}

TEST(MemoryDC, DeletesTheContext) {
  HDC kept = nullptr;
  {
    const MemoryDC dc(nullptr);
    kept = dc.Dc();
    EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_MEMDC));
  }
  EXPECT_EQ(GetObjectType(kept), 0u);
}

struct PaintRecord {
  int paints = 0;
  HWND window = nullptr;
  RECT paint{};
  bool hadDc = false;
};
PaintRecord g_paint;

LRESULT CALLBACK PaintProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_PAINT) {
    const PaintDC dc(window);
    ++g_paint.paints;
    g_paint.window = dc.Window();
    g_paint.paint = dc.PaintStruct().rcPaint;
    g_paint.hadDc = dc.Dc() != nullptr && dc.Dc() == dc.PaintStruct().hdc;
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

TEST(PaintDC, PaintsTheInvalidRectangleAndValidatesIt) {
  test::TestWindow window;
  SetWindowLongPtrW(window.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PaintProc));
  ValidateRect(window.Get(), nullptr);
  g_paint = {};
  const RECT dirty{10, 20, 60, 80};
  InvalidateRect(window.Get(), &dirty, TRUE);
  UpdateWindow(window.Get());
  EXPECT_EQ(g_paint.paints, 1);
  EXPECT_EQ(g_paint.window, window.Get());
  EXPECT_TRUE(g_paint.hadDc);
  EXPECT_TRUE(EqualRect(&g_paint.paint, &dirty));
  EXPECT_FALSE(GetUpdateRect(window.Get(), nullptr, FALSE)) << "nothing left to paint";
  SetWindowLongPtrW(window.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
}

}  // namespace
}  // namespace prolexa
