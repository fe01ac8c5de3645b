// PNG files through the Windows Imaging Component, the system's own image coder.
#include <wincodec.h>
#include <windows.h>

#include "tools/aaxhost/window/png_file.h"

namespace aaxhost {
namespace {

// One reference on a COM interface, given back when it goes.
template <class Interface>
class Com {
  public:
    Com() = default;
    ~Com() {
        if (mPointer != nullptr) mPointer->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;

    Interface* operator->() const { return mPointer; }
    Interface* Get() const { return mPointer; }
    Interface** Out() { return &mPointer; }

  private:
    Interface* mPointer = nullptr;
};

// COM for this thread for as long as a file is read or written; a thread that has COM already
// keeps its own.
class ComScope {
  public:
    ComScope() : mResult(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(mResult)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT mResult;
};

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

bool Failed(HRESULT result, const std::string& path, const char* step, std::string& error) {
    if (SUCCEEDED(result)) return false;
    char code[16];
    wsprintfA(code, "%08lX", static_cast<unsigned long>(result));
    error = path + ": " + step + " failed with 0x" + code;
    return true;
}

bool MakeFactory(Com<IWICImagingFactory>& factory, const std::string& path, std::string& error) {
    return !Failed(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(factory.Out())),
                   path, "starting the imaging component", error);
}

}  // namespace

bool WritePngFile(const std::string& path, const WindowImage& image, std::string& error) {
    ComScope com;
    Com<IWICImagingFactory> factory;
    if (!MakeFactory(factory, path, error)) return false;
    Com<IWICStream> stream;
    Com<IWICBitmapEncoder> encoder;
    Com<IWICBitmapFrameEncode> frame;
    if (Failed(factory->CreateStream(stream.Out()), path, "making a stream", error) ||
        Failed(stream->InitializeFromFilename(Wide(path).c_str(), GENERIC_WRITE), path,
               "opening the file", error) ||
        Failed(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out()), path,
               "making the PNG coder", error) ||
        Failed(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), path,
               "starting the PNG coder", error) ||
        Failed(encoder->CreateNewFrame(frame.Out(), nullptr), path, "making the image", error) ||
        Failed(frame->Initialize(nullptr), path, "starting the image", error) ||
        Failed(frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height)),
               path, "sizing the image", error)) {
        return false;
    }
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    const UINT stride = static_cast<UINT>(image.width) * 4;
    return !Failed(frame->SetPixelFormat(&format), path, "choosing the pixel format", error) &&
           !Failed(frame->WritePixels(
                       static_cast<UINT>(image.height), stride,
                       stride * static_cast<UINT>(image.height),
                       reinterpret_cast<BYTE*>(const_cast<uint32_t*>(image.pixels.data()))),
                   path, "writing the pixels", error) &&
           !Failed(frame->Commit(), path, "finishing the image", error) &&
           !Failed(encoder->Commit(), path, "finishing the file", error);
}

bool ReadPngFile(const std::string& path, WindowImage& image, std::string& error) {
    ComScope com;
    Com<IWICImagingFactory> factory;
    if (!MakeFactory(factory, path, error)) return false;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (Failed(factory->CreateDecoderFromFilename(Wide(path).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.Out()),
               path, "opening the file", error) ||
        Failed(decoder->GetFrame(0, frame.Out()), path, "reading the image", error) ||
        Failed(factory->CreateFormatConverter(converter.Out()), path, "making a converter",
               error) ||
        Failed(
            converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                  nullptr, 0.0, WICBitmapPaletteTypeCustom),
            path, "converting the pixels", error) ||
        Failed(converter->GetSize(&width, &height), path, "reading the size", error)) {
        return false;
    }
    image.width = static_cast<int32_t>(width);
    image.height = static_cast<int32_t>(height);
    image.pixels.assign(static_cast<size_t>(width) * height, 0);
    if (Failed(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                     reinterpret_cast<BYTE*>(image.pixels.data())),
               path, "reading the pixels", error)) {
        return false;
    }
    for (uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFFu;
    return true;
}

}  // namespace aaxhost
