#include "tools/demo-plugin/editor.h"

#include <cmath>

namespace vq318demo {

bool Editor::Prepare(float scale) {
    if (IsOpen() || !(scale >= 0.5f && scale <= 4.0f)) return false;
    rect_ = ERect{0, 0, static_cast<int16_t>(std::lround(kHeight * scale)),
                  static_cast<int16_t>(std::lround(kWidth * scale))};
    return true;
}

bool Editor::Open(void* parent) {
    if (parent == nullptr) return false;
    parent_ = parent;
    paintPending_ = true;
    return true;
}

void Editor::Close() {
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
    if (!IsOpen() || !paintPending_) return false;
    paintPending_ = false;
    return true;
}

}  // namespace vq318demo
