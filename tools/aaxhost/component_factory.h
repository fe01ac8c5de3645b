// The stand-in host's component factory, which is also the host unknown that the module is given
// at start-up. It hands out the stand-in objects that the test provides, one per class; every
// CreateComponent call is recorded under slot 3.
#pragma once

#include <utility>
#include <vector>

#include "abi/component_factory.h"
#include "tools/aaxhost/call_log.h"
#include "tools/aaxhost/stand_in_object.h"

namespace aaxhost {

class StandInComponentFactory : public StandInObject {
  public:
    StandInComponentFactory();

    CallLog& Log() { return mLog; }
    // CreateComponent for `clsid` then answers with `component`'s interfaces; provided before the
    // factory is handed out.
    void Provide(const acfCLSID& clsid, StandInObject& component);

  private:
    class Facet final : public StandInFacet<IACFComponentFactory> {
      public:
        explicit Facet(StandInComponentFactory& owner);

        // Fails with the result set for slot 3, if any, and with ACF_E_NOINTERFACE for a class
        // that was not provided.
        ACFRESULT CreateComponent(const acfCLSID& clsid, IACFUnknown* outer, const acfIID& iid,
                                  void** out) override;

      private:
        StandInComponentFactory& mFactory;
    };

    CallLog mLog;
    std::vector<std::pair<acfCLSID, StandInObject*>> mComponents;
    Facet mFacet;
};

}  // namespace aaxhost
