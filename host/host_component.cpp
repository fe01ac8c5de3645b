#include "host/host_component.h"

#include "abi/component_factory.h"
#include "host/acf_exception.h"

HostComponent CreateHostComponent(IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid,
                                  const acfIID* version2Iid) {
    HostComponent component;
    if (host == nullptr) return component;
    void* answer = nullptr;
    if (host->QueryInterface(IID_IACFComponentFactory, &answer) != ACF_OK) return component;
    auto* factory = static_cast<IACFComponentFactory*>(answer);
    if (factory == nullptr) throw ACFException(ACF_E_POINTER);
    factory->CreateComponent(clsid, nullptr, iid, &component.object);
    if (component.object != nullptr && version2Iid != nullptr) {
        static_cast<IACFUnknown*>(component.object)
            ->QueryInterface(*version2Iid, &component.version2);
    }
    factory->Release();
    return component;
}
