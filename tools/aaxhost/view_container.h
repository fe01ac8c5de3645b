// The stand-in host's view that holds the editor. It reports a native view that the test sets;
// every call is recorded by host slot, parameter identifiers as text.
#pragma once

#include <cstdint>

#include "abi/host_view_container.h"
#include "tools/aaxhost/call_log.h"
#include "tools/aaxhost/stand_in_object.h"

namespace aaxhost {

class StandInViewContainer : public StandInObject {
  public:
    StandInViewContainer();

    CallLog& Log() { return mLog; }
    // What GetType and GetPtr report; a window handle type and a null view until set.
    void SetNativeView(int32_t type, void* view);

  private:
    class Facet final : public StandInFacet<AAX_IACFViewContainer> {
      public:
        explicit Facet(StandInViewContainer& owner);

        int32_t GetType() override;
        void* GetPtr() override;
        AAX_Result GetModifiers(uint32_t* modifiers) override;
        AAX_Result SetViewSize(float height, float width) override;
        AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) override;
        AAX_Result HandleParameterMouseDrag(AAX_CParamID id, uint32_t modifiers) override;
        AAX_Result HandleParameterMouseUp(AAX_CParamID id, uint32_t modifiers) override;

      private:
        StandInViewContainer& mContainer;
    };

    CallLog mLog;
    int32_t mType = kViewTypeWindowHandle;
    void* mView = nullptr;
    Facet mFacet;
};

}  // namespace aaxhost
