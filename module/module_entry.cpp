#include "module/module_entry.h"

#include <new>
#include <type_traits>

#include "host/aax_vhost_services.h"
#include "module/aax_vcollection.h"
#include "module/effect_description.h"
#include "module/exception_boundary.h"
#include "module/object_model.h"
#include "module/product_identity.h"

static_assert(std::is_same_v<decltype(&ACFRegisterPlugin), RegisterPluginProc>);
static_assert(std::is_same_v<decltype(&ACFRegisterComponent), RegisterComponentProc>);
static_assert(std::is_same_v<decltype(&ACFGetClassFactory), GetClassFactoryProc>);
static_assert(std::is_same_v<decltype(&ACFCanUnloadNow), CanUnloadNowProc>);
static_assert(std::is_same_v<decltype(&ACFStartup), StartupProc>);
static_assert(std::is_same_v<decltype(&ACFShutdown), ShutdownProc>);
static_assert(std::is_same_v<decltype(&ACFGetSDKVersion), GetSDKVersionProc>);

namespace {

// Null while the library is loaded and between shutdown and the next start-up. A plain pointer:
// the object must not be destroyed when the library is unloaded, after the host is gone.
AAX_VHostServices* HostServices = nullptr;

void DescribePackage(AAX_VCollection& collection) {
    collection.SetManufacturerName(kManufacturerName);
    for (const char* name : kProductNames) collection.AddPackageName(name);
    collection.SetPackageVersion(kPackageVersion);
}

// The collection and everything described into it are gone when this returns; the host keeps
// what it was handed.
Result RegisterPlugin(IACFUnknown* host, HostPluginDefinition** definition) {
    AAX_VCollection collection(host);
    Result result = AAX_ERROR_NULL_OBJECT;
    if (AAX_IEffectDescriptor* effect = collection.NewDescriptor()) {
        result = DescribeEffect(*effect);
        if (result == AAX_SUCCESS) result = collection.AddEffect(kEffectIdentifier, effect);
    }
    DescribePackage(collection);
    if (result != AAX_SUCCESS) return result;
    if (definition == nullptr) return AAX_ERROR_NULL_OBJECT;
    // AddEffect succeeded, so the host collection exists.
    void* answer = nullptr;
    const Result query = collection.Host()->QueryInterface(IID_HostPluginDefinition, &answer);
    *definition = static_cast<HostPluginDefinition*>(answer);
    // A host that reports the definition delivered and hands over none has registered nothing.
    return query == AAX_SUCCESS && answer != nullptr ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
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

Result ACFRegisterPlugin(IACFUnknown* host, HostPluginDefinition** definition) {
    return CatchAll([&]() -> Result { return RegisterPlugin(host, definition); });
}

Result ACFRegisterComponent(IACFUnknown*, const ClassId&, HostComponentDefinition** definition) {
    return CatchAll([&]() -> Result {
        if (definition != nullptr) *definition = nullptr;
        return AAX_SUCCESS;
    });
}

Result ACFGetClassFactory(IACFUnknown*, const ClassId&, const InterfaceId&, void** factory) {
    return CatchAll([&]() -> Result {
        if (factory != nullptr) *factory = nullptr;
        return AAX_ERROR_UNIMPLEMENTED;
    });
}

Result ACFCanUnloadNow(IACFUnknown*) {
    return CatchAll([]() -> Result { return static_cast<Result>(ActiveObjectCount.load()); });
}

Result ACFStartup(IACFUnknown* host) {
    return CatchAll([&]() -> Result {
        SetHostServices(host);
        return AAX_SUCCESS;
    });
}

Result ACFShutdown(IACFUnknown*) {
    return CatchAll([]() -> Result {
        delete HostServices;
        HostServices = nullptr;
        return AAX_SUCCESS;
    });
}

Result ACFGetSDKVersion(uint64_t* version) {
    return CatchAll([&]() -> Result {
        if (version == nullptr) return ACF_E_POINTER;
        *version = kSDKVersion;
        return AAX_SUCCESS;
    });
}

}  // extern "C"
