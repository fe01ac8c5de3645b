// The editor object as the host holds it: `Editor` with every operation of the editor interface
// behind the exception boundary (module/exception_boundary.h). An initialisation cut short is
// undone, so that the editor is left uninitialised and a later Initialize starts afresh. The
// creation procedure makes this class; everything else about the object is `Editor`'s.
#pragma once

#include <cstdint>

#include "editor/aax_effect_gui.h"
#include "module/exception_boundary.h"

template <class Editor>
class GuardedEffectGUI final : public Editor {
  public:
    Result Initialize(IACFUnknown* controller) override {
        const Result result = CatchAll([&] { return Editor::Initialize(controller); });
        if (result == ACF_E_UNEXPECTED) CatchAll([&] { return Editor::Uninitialize(); });
        return result;
    }
    Result Uninitialize() override {
        return CatchAll([&] { return Editor::Uninitialize(); });
    }
    Result NotificationReceived(TypeCode type, const void* data, uint32_t size) override {
        return CatchAll([&] { return Editor::NotificationReceived(type, data, size); });
    }
    Result SetViewContainer(IACFUnknown* viewContainer) override {
        return CatchAll([&] { return Editor::SetViewContainer(viewContainer); });
    }
    Result GetViewSize(AAX_Point* size) const override {
        return CatchAll([&] { return Editor::GetViewSize(size); });
    }
    Result Draw(AAX_Rect* rect) override {
        return CatchAll([&] { return Editor::Draw(rect); });
    }
    Result TimerWakeup() override {
        return CatchAll([&] { return Editor::TimerWakeup(); });
    }
    Result ParameterUpdated(ParameterId id) override {
        return CatchAll([&] { return Editor::ParameterUpdated(id); });
    }
    Result GetCustomLabel(int32_t selector, AAX_IString* label) const override {
        return CatchAll([&] { return Editor::GetCustomLabel(selector, label); });
    }
    Result SetControlHighlightInfo(ParameterId id, bool highlighted, int32_t color) override {
        return CatchAll([&] { return Editor::SetControlHighlightInfo(id, highlighted, color); });
    }
    void CreateViewContents() override {
        CatchAll([&] { Editor::CreateViewContents(); });
    }
    void CreateViewContainer() override {
        CatchAll([&] { Editor::CreateViewContainer(); });
    }
    void DeleteViewContainer() override {
        CatchAll([&] { Editor::DeleteViewContainer(); });
    }
    void UpdateAllParameters() override {
        CatchAll([&] { Editor::UpdateAllParameters(); });
    }
};
