// The stand-in host's view that holds the editor. It reports a native view that the test sets;
// every call is recorded by host slot, parameter identifiers as text.
#pragma once

#include <cstdint>

#include "abi/host_view_container.h"
#include "tools/aaxhost/objects/call_log.h"
#include "tools/aaxhost/objects/stand_in_object.h"

namespace aaxhost {

class StandInViewContainer : public StandInObject {
  public:
    StandInViewContainer();

    CallLog& Log() { return mLog; }
    // What GetType and GetPtr report; a window handle type and a null view until set.
    void SetNativeView(int32_t type, void* view);

  private:
    class Facet final : public StandInFacet<HostViewContainer> {
      public:
        explicit Facet(StandInViewContainer& owner);

        int32_t GetType() override;
        void* GetPtr() override;
        Result HostViewContainerSlot5(uint32_t*) override;
        Result HostViewContainerSlot6(float, float) override;
        Result HostViewContainerSlot7(const char*, uint32_t) override;
        Result HostViewContainerSlot8(const char*, uint32_t) override;
        Result HostViewContainerSlot9(const char*, uint32_t) override;

      private:
        StandInViewContainer& mContainer;
    };

    CallLog mLog;
    int32_t mType = kViewTypeWindowHandle;
    void* mView = nullptr;
    Facet mFacet;
};

}  // namespace aaxhost
