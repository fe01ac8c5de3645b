#include "host/host_component.h"

#include "abi/component_factory.h"
#include "host/result_error.h"

HostComponent CreateHostComponent(IACFUnknown* host, const ClassId& clsid, const InterfaceId& iid,
                                  const InterfaceId* version2Iid) {
    HostComponent component;
    if (host == nullptr) return component;
    void* answer = nullptr;
    if (host->QueryInterface(IID_HostComponentFactory, &answer) != AAX_SUCCESS) return component;
    auto* factory = static_cast<HostComponentFactory*>(answer);
    if (factory == nullptr) throw ResultError(ACF_E_POINTER);
    factory->CreateComponent(clsid, nullptr, iid, &component.object);
    if (component.object != nullptr && version2Iid != nullptr) {
        static_cast<IACFUnknown*>(component.object)
            ->QueryInterface(*version2Iid, &component.version2);
    }
    factory->Release();
    return component;
}
