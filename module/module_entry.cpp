#include "module/module_entry.h"

#include <new>
#include <type_traits>

#include "host/aax_vhost_services.h"
#include "module/aax_vcollection.h"
#include "module/effect_description.h"
#include "module/object_model.h"
#include "module/product_identity.h"

static_assert(std::is_same_v<decltype(&ACFRegisterPlugin), ACFRegisterPluginProc>);
static_assert(std::is_same_v<decltype(&ACFRegisterComponent), ACFRegisterComponentProc>);
static_assert(std::is_same_v<decltype(&ACFGetClassFactory), ACFGetClassFactoryProc>);
static_assert(std::is_same_v<decltype(&ACFCanUnloadNow), ACFCanUnloadNowProc>);
static_assert(std::is_same_v<decltype(&ACFStartup), ACFStartupProc>);
static_assert(std::is_same_v<decltype(&ACFShutdown), ACFShutdownProc>);
static_assert(std::is_same_v<decltype(&ACFGetSDKVersion), ACFGetSDKVersionProc>);

namespace {

// Null while the library is loaded and between shutdown and the next start-up. A plain pointer:
// the object must not be destroyed when the library is unloaded, after the host is gone.
AAX_VHostServices* HostServices = nullptr;

// Runs an entry point's body; no exception leaves it.
template <class Body>
ACFRESULT CatchAll(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return ACF_E_UNEXPECTED;
    }
}

void DescribePackage(AAX_VCollection& collection) {
    collection.SetManufacturerName(kManufacturerName);
    for (const char* name : kProductNames) collection.AddPackageName(name);
    collection.SetPackageVersion(kPackageVersion);
}

// The collection and everything described into it are gone when this returns; the host keeps
// what it was handed.
ACFRESULT RegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition) {
    AAX_VCollection collection(host);
    AAX_Result result = AAX_ERROR_NULL_OBJECT;
    if (AAX_IEffectDescriptor* effect = collection.NewDescriptor()) {
        result = DescribeEffect(*effect);
        if (result == AAX_SUCCESS) result = collection.AddEffect(kEffectIdentifier, effect);
    }
    DescribePackage(collection);
    if (result != AAX_SUCCESS) return result;
    if (definition == nullptr) return AAX_ERROR_NULL_OBJECT;
    // AddEffect succeeded, so the host collection exists.
    void* answer = nullptr;
    const ACFRESULT query =
        collection.HostCollection()->QueryInterface(IID_ACFPluginDefinition, &answer);
    *definition = static_cast<IACFPluginDefinition*>(answer);
    // A host that reports the definition delivered and hands over none has registered nothing.
    return query == ACF_OK && answer != nullptr ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
}

}  // namespace

void SetHostServices(IACFUnknown* host) {
    if (HostServices == nullptr && host != nullptr) {
        HostServices = new (std::nothrow) AAX_VHostServices(host);
    } else if (HostServices != nullptr && host == nullptr) {
        delete HostServices;
        HostServices = nullptr;
    }
}

extern "C" {

ACFRESULT ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition) {
    return CatchAll([&] { return RegisterPlugin(host, definition); });
}

ACFRESULT ACFRegisterComponent(IACFUnknown*, const acfCLSID&,
                               IACFComponentDefinition** definition) {
    return CatchAll([&] {
        if (definition != nullptr) *definition = nullptr;
        return ACF_OK;
    });
}

ACFRESULT ACFGetClassFactory(IACFUnknown*, const acfCLSID&, const acfIID&, void** factory) {
    return CatchAll([&] {
        if (factory != nullptr) *factory = nullptr;
        return AAX_ERROR_UNIMPLEMENTED;
    });
}

ACFRESULT ACFCanUnloadNow(IACFUnknown*) {
    return CatchAll([] { return static_cast<ACFRESULT>(ActiveObjectCount.load()); });
}

ACFRESULT ACFStartup(IACFUnknown* host) {
    return CatchAll([&] {
        SetHostServices(host);
        return ACF_OK;
    });
}

ACFRESULT ACFShutdown(IACFUnknown*) {
    return CatchAll([] {
        delete HostServices;
        HostServices = nullptr;
        return ACF_OK;
    });
}

ACFRESULT ACFGetSDKVersion(uint64_t* version) {
    return CatchAll([&] {
        if (version == nullptr) return ACF_E_POINTER;
        *version = kSDKVersion;
        return ACF_OK;
    });
}

}  // extern "C"
