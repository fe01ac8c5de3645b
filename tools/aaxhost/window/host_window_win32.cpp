#include "tools/aaxhost/window/win32_host_window.h"

namespace aaxhost {
namespace {

constexpr const char* kClassName = "aaxhost-edit-window";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The window stays until the host has taken the editor out of it; closing only asks.
    if (message == WM_CLOSE) {
        auto* host = reinterpret_cast<Win32HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (host != nullptr) host->closeAsked = true;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The outer size of a window whose inside is `width` × `height`.
SIZE OuterSize(int32_t width, int32_t height) {
    RECT rect{0, 0, width, height};
    AdjustWindowRect(&rect, kStyle, FALSE);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

std::unique_ptr<HostWindow> HostWindow::Open(const std::string& title, int32_t width,
                                             int32_t height, std::string& error) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    // A second window of the process finds the class registered already.
    if (RegisterClassA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        error = "cannot register the window class (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    const SIZE outer = OuterSize(width, height);
    HWND window = CreateWindowExA(0, kClassName, title.c_str(), kStyle, 0, 0, outer.cx, outer.cy,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        error = "cannot create the window (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    auto host = std::make_unique<Win32HostWindow>(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host.get()));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return host;
}

Win32HostWindow::Win32HostWindow(HWND window) : mWindow(window) {}

Win32HostWindow::~Win32HostWindow() {
    SetWindowLongPtrA(mWindow, GWLP_USERDATA, 0);
    DestroyWindow(mWindow);
}

void* Win32HostWindow::NativeHandle() const {
    return mWindow;
}

void Win32HostWindow::Resize(int32_t width, int32_t height) {
    const SIZE outer = OuterSize(width, height);
    SetWindowPos(mWindow, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
}

bool Win32HostWindow::HandleEvents(std::chrono::milliseconds wait) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(wait.count()), QS_ALLINPUT);
    }
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return !closeAsked;
}

bool Win32HostWindow::Capture(WindowImage& image, std::string& error) {
    RECT client;
    GetClientRect(mWindow, &client);
    POINT origin{0, 0};
    ClientToScreen(mWindow, &origin);
    image.width = client.right - client.left;
    image.height = client.bottom - client.top;
    // What the screen shows over the window's inside: its children's drawing included.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, image.width, image.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied =
        BitBlt(memory, 0, 0, image.width, image.height, screen, origin.x, origin.y, SRCCOPY) != 0;
    SelectObject(memory, previous);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    image.pixels.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height), 0);
    const bool read = copied && GetDIBits(memory, bitmap, 0, static_cast<UINT>(image.height),
                                          image.pixels.data(), &info, DIB_RGB_COLORS) != 0;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!read) {
        error = "cannot copy the window's pixels from the screen";
        return false;
    }
    for (uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFFu;
    return true;
}

}  // namespace aaxhost
