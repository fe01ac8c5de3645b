// The demo editor's window on Windows: a child window of the host's window, drawn with GDI when
// the window asks for paint. Its messages come through the host's own message loop; a drag keeps
// the mouse captured so that it ends in this window wherever the button comes up.
#include <windows.h>

#include <cstring>
#include <new>

#include "tools/demo-plugin/editor_window.h"

namespace vq318demo {
namespace {

constexpr wchar_t kClassName[] = L"VQ318DemoEditor";

// Any object of this library: its address names the library that registers the window class.
const char kModuleAnchor = 0;

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&kModuleAnchor), &module);
    return module;
}

COLORREF ColourRefOf(Ink ink) {
    const Rgb rgb = ColourOf(ink);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

class GdiCanvas final : public Canvas {
  public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {
        SetBkMode(dc_, TRANSPARENT);
        SetTextAlign(dc_, TA_LEFT | TA_BASELINE);
    }

    void Fill(const ControlBox& box, Ink ink) override {
        if (box.right <= box.left || box.bottom <= box.top) return;
        const RECT area{box.left, box.top, box.right, box.bottom};
        SetDCBrushColor(dc_, ColourRefOf(ink));
        FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }

    void Text(int32_t x, int32_t baseline, const char* text, Ink ink) override {
        SetTextColor(dc_, ColourRefOf(ink));
        TextOutA(dc_, x, baseline, text, static_cast<int>(std::strlen(text)));
    }

  private:
    HDC dc_;
};

class Win32EditorWindow final : public EditorWindow {
  public:
    Win32EditorWindow(HINSTANCE module, EditorSurface& surface)
        : module_(module), surface_(surface) {}

    ~Win32EditorWindow() override {
        if (window_ != nullptr) DestroyWindow(window_);
        // Fails while another editor of this library still has a window, which keeps the class.
        UnregisterClassW(kClassName, module_);
    }

    bool Create(HWND parent, int32_t width, int32_t height) {
        window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                                  width, height, parent, nullptr, module_, this);
        return window_ != nullptr;
    }

    bool HandleEvents() override { return false; }

    void Repaint() override {
        if (window_ == nullptr) return;
        InvalidateRect(window_, nullptr, FALSE);
        UpdateWindow(window_);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT Answer(UINT message, LPARAM lParam);

    HINSTANCE module_;
    EditorSurface& surface_;
    HWND window_ = nullptr;
};

LRESULT CALLBACK Win32EditorWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32EditorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The host's window may take ours with it before the editor closes.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    self->window_ = window;
    const LRESULT answer = self->Answer(message, lParam);
    return answer >= 0 ? answer : DefWindowProcW(window, message, wParam, lParam);
}

// The answer to `message`, or -1 to leave it to the default procedure.
LRESULT Win32EditorWindow::Answer(UINT message, LPARAM lParam) {
    const auto x = static_cast<int16_t>(LOWORD(lParam));
    const auto y = static_cast<int16_t>(HIWORD(lParam));
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window_, &paint);
            if (dc != nullptr) {
                GdiCanvas canvas(dc);
                surface_.Paint(canvas);
            }
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the picture covers the whole window
        case WM_LBUTTONDOWN:
            SetCapture(window_);
            surface_.Press(x, y);
            return 0;
        case WM_MOUSEMOVE:
            if (GetCapture() == window_) surface_.Move(x, y);
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == window_) ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED:
            // Also when another window takes the mouse: the drag ends either way.
            surface_.Release();
            return 0;
        default:
            return -1;
    }
}

}  // namespace

std::unique_ptr<EditorWindow> OpenEditorWindow(void* parent, int32_t width, int32_t height,
                                               EditorSurface& surface) {
    const auto host = static_cast<HWND>(parent);
    if (host == nullptr || IsWindow(host) == FALSE || width <= 0 || height <= 0) return nullptr;
    const HINSTANCE module = ThisModule();
    WNDCLASSW type{};
    type.lpfnWndProc = &Win32EditorWindow::Procedure;
    type.hInstance = module;
    type.lpszClassName = kClassName;
    if (RegisterClassW(&type) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    auto* window = new (std::nothrow) Win32EditorWindow(module, surface);
    if (window == nullptr) {
        UnregisterClassW(kClassName, module);
        return nullptr;
    }
    std::unique_ptr<EditorWindow> owned(window);
    if (!window->Create(host, width, height)) return nullptr;
    return owned;
}

}  // namespace vq318demo
