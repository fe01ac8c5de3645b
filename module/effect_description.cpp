#include "module/effect_description.h"

#include <initializer_list>
#include <type_traits>

#include "abi/algorithm_context.h"
#include "abi/midi.h"
#include "module/creation_procedures.h"
#include "module/product_identity.h"
#include "process/render_callback.h"

static_assert(std::is_same_v<decltype(&CreateEffectParameters), CreationProc>);
static_assert(std::is_same_v<decltype(&CreateEffectGUI), CreationProc>);
static_assert(std::is_same_v<decltype(&RenderCallback), ProcessProc>);

namespace {

// The only port type that the description uses.
constexpr int32_t kPortType = 1;
// The resource information given between the two creation procedures.
constexpr int32_t kResourceType = 0;
constexpr char kResourceText[] = "";

constexpr char kTransportNodeName[] = "AAX_Quillmarker_MIDITrnsprt";

struct DataPort {
    FieldIndex field;
    uint32_t packetSize;
};

// Fields 1, 3, 6 and 8 carry 32-bit values, field 7 a pointer.
constexpr DataPort kDataPorts[] = {
    {kFieldInputChannelCount, 4}, {kFieldOutputChannelCount, 4}, {kFieldMasterBypass, 4},
    {kFieldVstInterface, 8},      {kFieldPluginLoaded, 4},
};

void DescribeProperties(StemFormat stemFormat, AAX_IPropertyMap& properties) {
    const bool mono = stemFormat == kStemFormatMono;
    properties.AddProperty(kPropertyManufacturerID, static_cast<PropertyValue>(kManufacturerID));
    properties.AddProperty(kPropertyProductID, static_cast<PropertyValue>(kProductID));
    properties.AddProperty(kPropertyFixedOne, 1);
    properties.AddProperty(kPropertyInputStemFormat, stemFormat);
    properties.AddProperty(kPropertyOutputStemFormat, stemFormat);
    properties.AddProperty(kPropertyPlugInIDNative,
                           static_cast<PropertyValue>(mono ? kMonoNativeID : kStereoNativeID));
    properties.AddProperty(
        kPropertyPlugInIDAudioSuite,
        static_cast<PropertyValue>(mono ? kMonoAudioSuiteID : kStereoAudioSuiteID));
}

}  // namespace

Result DescribeEffect(AAX_IEffectDescriptor& effect) {
    AAX_IComponentDescriptor* component = effect.NewComponentDescriptor();
    if (component == nullptr) return AAX_ERROR_NULL_OBJECT;
    for (const char* name : kProductNames) effect.AddName(name);
    effect.AddCategory(kEffectCategory);
    for (const StemFormat stemFormat : {kStemFormatMono, kStemFormatStereo}) {
        // The host took over the previous component's declarations when it was added.
        component->Clear();
        DescribeComponent(stemFormat, *component);
        effect.AddComponent(component);
    }
    effect.AddProcPtr(CreateEffectParameters, kProcIDEffectParameters);
    effect.AddResourceInfo(kResourceType, kResourceText);
    effect.AddProcPtr(CreateEffectGUI, kProcIDEffectGUI);
    return AAX_SUCCESS;
}

void DescribeComponent(StemFormat stemFormat, AAX_IComponentDescriptor& component) {
    component.AddAudioIn(kFieldAudioInputs);
    component.AddAudioBufferLength(kFieldBufferLength);
    component.AddAudioOut(kFieldAudioOutputs);
    component.AddSideChainIn(kFieldSideChainInput);
    for (const DataPort& port : kDataPorts) {
        component.AddDataInPort(port.field, port.packetSize, kPortType);
    }
    component.AddMIDINode(kFieldTransportNode, kMidiNodeTypeTransport, kTransportNodeName,
                          kAllMidiChannels);
    component.AddMIDINode(kFieldMidiInputNode, kMidiNodeTypeLocalInput, kProductNames[0],
                          kAllMidiChannels);

    AAX_IPropertyMap* properties = component.NewPropertyMap();
    if (properties == nullptr) return;
    DescribeProperties(stemFormat, *properties);
    component.AddProcessProc_Native(RenderCallback, properties, nullptr, nullptr, nullptr);
}
