// The base of an editor object: every host operation of the editor interface with its default,
// the host wrappers that the editor needs (controller and transport while initialised, the view
// container while the host shows a view), and one reference on the instance's effect-parameters
// interface. A concrete editor makes its contents and attaches to and detaches from the view in
// the three hooks. User-interface thread; no lock.
#pragma once

#include <memory>

#include "abi/effect_gui.h"
#include "abi/effect_parameters.h"
#include "host/aax_vcontroller.h"
#include "host/aax_vtransport.h"
#include "host/aax_vview_container.h"
#include "module/object_model.h"

class AAX_CEffectGUI : public CountedObject<AAX_IACFEffectGUI> {
  public:
    AAX_CEffectGUI() = default;
    // Gives back the effect-parameters reference; the wrappers go with it.
    ~AAX_CEffectGUI() override;

    // Answers the editor interface with the object itself.
    Result InternalQueryInterface(const InterfaceId& iid, void** out) override;

    // Without a controller: AAX_ERROR_NOT_INITIALIZED, and no view contents.
    Result Initialize(IACFUnknown* controller) override;
    Result Uninitialize() override;
    Result NotificationReceived(TypeCode type, const void* data, uint32_t size) override;
    // A view: a new view-container wrapper, CreateViewContainer, UpdateAllParameters. Null: the
    // wrapper goes, then DeleteViewContainer.
    Result SetViewContainer(IACFUnknown* viewContainer) override;
    // Leaves the size as it was.
    Result GetViewSize(AAX_Point* size) const override;
    Result Draw(AAX_Rect* rect) override;
    Result TimerWakeup() override;
    Result ParameterUpdated(ParameterId id) override;
    Result GetCustomLabel(int32_t selector, AAX_IString* label) const override;
    Result SetControlHighlightInfo(ParameterId id, bool highlighted, int32_t color) override;
    // ParameterUpdated for every parameter of the effect, in index order.
    void UpdateAllParameters() override;

  protected:
    // Null outside initialisation, or when the host refused the interface.
    AAX_IACFEffectParameters* EffectParameters() const { return mEffectParameters; }
    // Null while the host shows no view.
    AAX_IViewContainer* ViewContainer() const { return mViewContainer.get(); }

  private:
    std::unique_ptr<AAX_VController> mController;
    AAX_IACFEffectParameters* mEffectParameters = nullptr;  // one reference held
    std::unique_ptr<AAX_VViewContainer> mViewContainer;
    std::unique_ptr<AAX_VTransport> mTransport;
};
