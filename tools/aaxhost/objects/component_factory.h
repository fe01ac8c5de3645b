// The stand-in host's component factory, which is also the host unknown that the module is given
// at start-up and registration. It hands out, by class, either one stand-in object that the test
// provides or a new object for each request; every CreateComponent call is recorded under slot 3.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "abi/component_factory.h"
#include "tools/aaxhost/objects/call_log.h"
#include "tools/aaxhost/objects/stand_in_object.h"

namespace aaxhost {

class StandInComponentFactory : public StandInObject {
  public:
    StandInComponentFactory();

    CallLog& Log() { return mLog; }
    // CreateComponent for `clsid` then answers with `component`'s interfaces; provided before the
    // factory is handed out.
    void Provide(const ClassId& clsid, StandInObject& component);
    // CreateComponent for `clsid` then answers with the interfaces of the object that `make`
    // returns for that request; a null object refuses the request. The maker owns the objects.
    using Maker = std::function<StandInObject*()>;
    void ProvideEach(const ClassId& clsid, Maker make);

  private:
    class Facet final : public StandInFacet<HostComponentFactory> {
      public:
        explicit Facet(StandInComponentFactory& owner);

        // Fails with the result set for slot 3, if any, and with ACF_E_NOINTERFACE for a class
        // that was not provided or whose maker refused.
        Result CreateComponent(const ClassId& clsid, IACFUnknown* outer, const InterfaceId& iid,
                               void** out) override;

      private:
        StandInComponentFactory& mFactory;
    };

    CallLog mLog;
    std::vector<std::pair<ClassId, Maker>> mComponents;
    Facet mFacet;
};

}  // namespace aaxhost
