#include "tools/demo-plugin/editor.h"

#include <cmath>

#include "tools/demo-plugin/editor_painting.h"
#include "tools/demo-plugin/instance.h"

namespace vq318demo {

Editor::~Editor() {
    Close();
}

bool Editor::Prepare(float scale) {
    if (IsOpen() || !(scale >= 0.5f && scale <= 4.0f)) return false;
    rect_ = ERect{0, 0, static_cast<int16_t>(std::lround(kHeight * scale)),
                  static_cast<int16_t>(std::lround(kWidth * scale))};
    return true;
}

bool Editor::Open(void* parent) {
    if (parent == nullptr) return false;
    if (IsOpen()) Close();
    parent_ = parent;
    paintPending_ = true;
    window_ = OpenEditorWindow(parent, Width(), Height(), *this);
    return true;
}

void Editor::Close() {
    window_.reset();
    Release();
    parent_ = nullptr;
    paintPending_ = false;
}

bool Editor::Invalidate(const ERect* area) {
    if (!IsOpen()) return false;
    if (area != nullptr && (area->bottom <= area->top || area->right <= area->left)) return false;
    paintPending_ = true;
    return true;
}

bool Editor::Idle() {
    if (!IsOpen()) return false;
    const bool marked = paintPending_;
    paintPending_ = false;
    if (window_ != nullptr) {
        const bool exposed = window_->HandleEvents();
        if (marked || exposed || ValuesChanged()) window_->Repaint();
    }
    return marked;
}

bool Editor::ValuesChanged() const {
    float values[kParameterCount];
    instance_.parameters.Snapshot(values);
    for (int32_t i = 0; i < kParameterCount; ++i) {
        if (values[i] != drawn_[i]) return true;
    }
    return false;
}

void Editor::Paint(Canvas& canvas) {
    instance_.parameters.Snapshot(drawn_);
    PaintEditor(canvas, drawn_, Width(), Height());
}

void Editor::Press(int32_t x, int32_t y) {
    if (dragged_ >= 0) return;
    for (int32_t index = 0; index < kParameterCount; ++index) {
        const ControlBox bar = BarOf(index, Width(), Height());
        if (x < bar.left || x >= bar.right || y < bar.top || y >= bar.bottom) continue;
        dragged_ = index;
        CallHost(instance_, audioMasterBeginEdit, index, 0, nullptr, 0.0f);
        reported_ = std::nanf("");  // the press always reports its value
        Drag(x);
        return;
    }
}

void Editor::Move(int32_t x, int32_t) {
    if (dragged_ >= 0) Drag(x);
}

void Editor::Release() {
    if (dragged_ < 0) return;
    CallHost(instance_, audioMasterEndEdit, dragged_, 0, nullptr, 0.0f);
    dragged_ = -1;
}

void Editor::Drag(int32_t x) {
    const float value = ValueAtX(BarOf(dragged_, Width(), Height()), x);
    if (value == reported_) return;
    reported_ = value;
    instance_.parameters.Set(dragged_, value);
    CallHost(instance_, audioMasterAutomate, dragged_, 0, nullptr, value);
}

}  // namespace vq318demo
