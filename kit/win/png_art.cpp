#include "png_art.h"

#include <wincodec.h>

namespace prolexa {
namespace {

// A COM interface pointer, released when it goes out of scope.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_ != nullptr) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* operator->() const { return p_; }
  T* Get() const { return p_; }
  // Where a call that creates the object puts it (this holds none yet).
  T** Out() { return &p_; }
  void** OutVoid() { return reinterpret_cast<void**>(&p_); }

 private:
  T* p_ = nullptr;
};

using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
using CoCreateInstanceFunction = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);

// COM's object creation, from ole32 loaded at the first PNG picture: linked
// in, ole32 and the libraries it needs would load at every program's start,
// and most programs never draw a PNG. COM is initialised once for the
// thread that paints (the programs paint on one) and stays so for the
// process's life, which ends it. A failure is not tried again.
bool comTried = false;
CoCreateInstanceFunction comCreate = nullptr;

CoCreateInstanceFunction ComCreate() {
  if (comTried) return comCreate;
  comTried = true;
  // A known DLL of the system: it comes from the system folder whatever the
  // search path holds.
  const HMODULE ole32 = LoadLibraryW(L"ole32.dll");
  if (ole32 == nullptr) return nullptr;
  const auto initialise = reinterpret_cast<CoInitializeExFunction>(
      reinterpret_cast<void*>(GetProcAddress(ole32, "CoInitializeEx")));
  const auto create = reinterpret_cast<CoCreateInstanceFunction>(
      reinterpret_cast<void*>(GetProcAddress(ole32, "CoCreateInstance")));
  if (initialise == nullptr || create == nullptr) return nullptr;
  // S_FALSE: already initialised on this thread; RPC_E_CHANGED_MODE: in the
  // other threading model. WIC works in both.
  const HRESULT initialised = initialise(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(initialised) && initialised != RPC_E_CHANGED_MODE) return nullptr;
  comCreate = create;
  return comCreate;
}

// Larger than any picture of the suite, and small enough that the byte count
// of the pixels cannot overflow.
constexpr UINT MaxPngSide = 4096;

}  // namespace

GdiBitmap LoadPngArt(HINSTANCE instance, int resourceId) {
  // The resource first: a program without PNG pictures never loads COM.
  const HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(resourceId), PngArtType);
  if (resource == nullptr) return {};
  const DWORD size = SizeofResource(instance, resource);
  const HGLOBAL loaded = LoadResource(instance, resource);
  auto* const bytes = static_cast<BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
  if (bytes == nullptr || size == 0) return {};

  const CoCreateInstanceFunction create = ComCreate();
  if (create == nullptr) return {};
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                    IID_IWICImagingFactory, factory.OutVoid()))) {
    return {};
  }
  ComPtr<IWICStream> stream;
  if (FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(bytes, size))) {
    return {};
  }
  // The PNG decoder itself: bytes of another format under this type are a
  // fault of the resource script, not a picture to guess at, and naming the
  // decoder spares the search through every installed one.
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(create(CLSID_WICPngDecoder, nullptr, CLSCTX_INPROC_SERVER, IID_IWICBitmapDecoder,
                    decoder.OutVoid())) ||
      FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand))) {
    return {};
  }
  ComPtr<IWICBitmapFrameDecode> frame;
  UINT width = 0;
  UINT height = 0;
  if (FAILED(decoder->GetFrame(0, frame.Out())) || FAILED(frame->GetSize(&width, &height)) ||
      width == 0 || height == 0 || width > MaxPngSide || height > MaxPngSide) {
    return {};
  }
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return {};
  }

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC gives the rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  GdiBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!bitmap || pixels == nullptr) return {};
  const UINT stride = width * 4;
  // A PNG whose data breaks off fails here: no half picture is drawn.
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                   static_cast<BYTE*>(pixels)))) {
    return {};
  }
  return bitmap;
}

}  // namespace prolexa
