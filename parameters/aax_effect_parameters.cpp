#include "parameters/aax_effect_parameters.h"

#include <cstring>
#include <string>

#include "abi/aax_istring.h"
#include "host/aax_string.h"

namespace {

constexpr TypeCode kPreviewNotification = FourCharCode("ASPv");
constexpr const char* kPreviewID = "PreviewID";
// The part of a name that GetParameterNameOfLength looks at.
constexpr size_t kNameWorkLength = 255;

// The longest line of `name` of 1 to `length` characters, the first among equals; empty when
// none fits. Sets `anyLine` when the name has at least one non-empty line.
std::string LongestFittingLine(const std::string& name, int32_t length, bool* anyLine) {
    const std::string work = name.substr(0, kNameWorkLength);
    std::string best;
    *anyLine = false;
    size_t start = 0;
    while (start <= work.size()) {
        size_t end = work.find('\n', start);
        if (end == std::string::npos) end = work.size();
        const size_t pieceLength = end - start;
        if (pieceLength > 0) {
            *anyLine = true;
            if (static_cast<int64_t>(pieceLength) <= length && pieceLength > best.size()) {
                best = work.substr(start, pieceLength);
            }
        }
        start = end + 1;
    }
    return best;
}

}  // namespace

AAX_CEffectParameters::~AAX_CEffectParameters() {
    // Parameters unregister from the automation delegate, so they go while it still exists.
    mParameterManager.RemoveAllParameters();
}

Result AAX_CEffectParameters::InternalQueryInterface(const InterfaceId& iid, void** out) {
    if (out != nullptr &&
        (iid == IID_AAX_IACFEffectParameters || iid == IID_AAX_IACFEffectParameters_V2)) {
        AAX_IACFEffectParameters_V2* self = this;
        *out = self;
        self->AddRef();
        return AAX_SUCCESS;
    }
    return CACFUnknown::InternalQueryInterface(iid, out);
}

Result AAX_CEffectParameters::Initialize(IACFUnknown* controller) {
    // A second Initialize first ends the first, so no parameter keeps a delegate that goes.
    if (mController != nullptr) Uninitialize();
    mController = std::make_unique<AAX_VController>(controller);
    mAutomationDelegate = std::make_unique<AAX_VAutomationDelegate>(controller);
    mTransport = std::make_unique<AAX_VTransport>(controller);
    mParameterManager.SetAutomationDelegate(mAutomationDelegate.get());
    mPacketDispatcher.Initialize(mController.get(), this);

    const Result result = EffectInit();
    if (result != AAX_SUCCESS) return result;

    AAX_CString bypass;
    GetMasterBypassParameter(&bypass);
    mFilteredParameters.insert(bypass.StdString());
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::Uninitialize() {
    mParameterManager.RemoveAllParameters();
    mParameterManager.SetAutomationDelegate(nullptr);
    // Nothing is posted to the controller that goes; the next initialisation registers its
    // packets again, so none is registered twice and each reaches the next controller.
    mPacketDispatcher.Initialize(nullptr, this);
    mPacketDispatcher.RemoveAllRegistrations();
    mController.reset();
    mAutomationDelegate.reset();
    mTransport.reset();
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::NotificationReceived(TypeCode type, const void* data, uint32_t size) {
    if (type != kPreviewNotification || data == nullptr || size < sizeof(int32_t)) {
        return AAX_SUCCESS;
    }
    AAX_IParameter* preview = Find(kPreviewID);
    if (preview != nullptr) {
        int32_t previewing = 0;
        std::memcpy(&previewing, data, sizeof previewing);
        preview->SetValueWithBool(previewing != 0);
    }
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetNumberOfParameters(int32_t* count) const {
    if (count == nullptr) return AAX_ERROR_NULL_OBJECT;
    *count = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetMasterBypassParameter(AAX_IString* identifier) const {
    if (identifier == nullptr) return AAX_ERROR_NULL_OBJECT;
    identifier->Set(Find(kMasterBypassID) != nullptr ? kMasterBypassID : "");
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterIsAutomatable(ParameterId id, bool* automatable) const {
    if (automatable == nullptr) return AAX_ERROR_NULL_OBJECT;
    *automatable = false;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *automatable = parameter->Automatable();
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterNumberOfSteps(ParameterId id, int32_t* steps) const {
    if (steps == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *steps = static_cast<int32_t>(parameter->GetNumberOfSteps());
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterName(ParameterId id, AAX_IString* name) const {
    if (name == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    name->Set(parameter != nullptr ? parameter->Name().Get() : "");
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterNameOfLength(ParameterId id, AAX_IString* name,
                                                       int32_t length) const {
    if (name == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) {
        name->Set("");
        return AAX_SUCCESS;
    }
    const std::string shortened = parameter->ShortenedName(length).Get();
    bool anyLine = false;
    const std::string line = LongestFittingLine(shortened, length, &anyLine);
    if (!line.empty()) {
        name->Set(line.c_str());
    } else if (anyLine) {
        // Nothing fits: the whole name rather than none.
        name->Set(shortened.c_str());
    }
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue(ParameterId id,
                                                                 double* value) const {
    if (value == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *value = parameter->GetNormalizedDefaultValue();
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue(ParameterId id, double value) {
    AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->SetNormalizedDefaultValue(value);
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterType(ParameterId id, int32_t* type) const {
    if (type == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *type = parameter->GetType();
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterOrientation(ParameterId id, int32_t* orientation) const {
    if (orientation == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *orientation = parameter->GetOrientation();
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameter(ParameterId id, AAX_IParameter** parameter) {
    if (parameter == nullptr) return AAX_ERROR_NULL_OBJECT;
    *parameter = Find(id);
    return *parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

Result AAX_CEffectParameters::GetParameterIndex(ParameterId id, int32_t* index) const {
    if (index == nullptr) return AAX_ERROR_NULL_OBJECT;
    *index = mParameterManager.GetParameterIndex(id);
    return *index < 0 ? AAX_ERROR_INVALID_PARAMETER_ID : AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterIDFromIndex(int32_t index, AAX_IString* id) const {
    if (id == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = mParameterManager.GetParameter(index);
    id->Set(parameter != nullptr ? parameter->Identifier() : "");
    return parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

Result AAX_CEffectParameters::GetParameterValueInfo(ParameterId /*id*/, int32_t /*selector*/,
                                                    int32_t* value) const {
    if (value != nullptr) *value = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_CEffectParameters::GetParameterValueFromString(ParameterId id, double* value,
                                                          const AAX_IString& text) const {
    if (value == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    const AAX_CString copy(text.Get());
    double normalized = 0.0;
    if (!parameter->GetNormalizedValueFromString(copy, &normalized)) {
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    }
    *value = normalized;
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterStringFromValue(ParameterId id, double value,
                                                          AAX_IString* text,
                                                          int32_t maxLength) const {
    if (text == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    AAX_CString converted;
    if (!parameter->GetStringFromNormalizedValueOfLength(value, maxLength, converted)) {
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    }
    text->Set(converted.Get());
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterValueString(ParameterId id, AAX_IString* text,
                                                      int32_t maxLength) const {
    if (text == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    AAX_CString converted;
    parameter->GetValueStringOfLength(maxLength, &converted);
    text->Set(converted.Get());
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetParameterNormalizedValue(ParameterId id, double* value) const {
    if (value == nullptr) return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    *value = parameter->GetNormalizedValue();
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::SetParameterNormalizedValue(ParameterId id, double value) {
    AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->SetNormalizedValue(value);
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::RelativeTarget(ParameterId id, double step, double* target) const {
    double current = 0.0;
    const Result result = GetParameterNormalizedValue(id, &current);
    if (result != AAX_SUCCESS) return result;
    double value = current + step;
    if (value > 1.0) {
        value = 1.0;
    } else if (value < 0.0) {
        value = 0.0;
    }
    *target = value;
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::SetParameterNormalizedRelative(ParameterId id, double step) {
    double target = 0.0;
    const Result result = RelativeTarget(id, step, &target);
    return result != AAX_SUCCESS ? result : SetParameterNormalizedValue(id, target);
}

Result AAX_CEffectParameters::TouchParameter(ParameterId id) {
    AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->Touch();
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::ReleaseParameter(ParameterId id) {
    AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->Release();
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::UpdateParameterTouch(ParameterId /*id*/, bool /*touched*/) {
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::UpdateParameterNormalizedValue(ParameterId id, double value,
                                                             int32_t /*source*/) {
    AAX_IParameter* parameter = Find(id);
    if (parameter == nullptr) return AAX_ERROR_INVALID_PARAMETER_ID;
    parameter->UpdateNormalizedValue(value);
    const Result result = mPacketDispatcher.SetDirty(id, true);
    // Counted modulo 2^32 so that a long session cannot overflow; a count that has wrapped to a
    // negative value is not reported.
    mNumChanges = static_cast<int32_t>(static_cast<uint32_t>(mNumChanges) + 1u);
    return result;
}

Result AAX_CEffectParameters::UpdateParameterNormalizedRelative(ParameterId id, double step) {
    double target = 0.0;
    const Result result = RelativeTarget(id, step, &target);
    return result != AAX_SUCCESS ? result : UpdateParameterNormalizedValue(id, target, 0);
}

Result AAX_CEffectParameters::GenerateCoefficients() {
    return mPacketDispatcher.Dispatch();
}

Result AAX_CEffectParameters::ResetFieldData(uint32_t /*fieldIndex*/, void* data,
                                             uint32_t size) const {
    if (data != nullptr) std::memset(data, 0, size);
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetNumberOfChunks(int32_t* count) const {
    if (count == nullptr) return AAX_ERROR_NULL_OBJECT;
    *count = 1;
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetChunkIDFromIndex(int32_t index, TypeCode* chunkID) const {
    if (chunkID == nullptr) return AAX_ERROR_NULL_OBJECT;
    *chunkID = index == 0 ? kControlsChunkID : 0;
    return index == 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
}

Result AAX_CEffectParameters::GetNumberOfChanges(int32_t* changes) const {
    if (changes == nullptr) return AAX_ERROR_NULL_OBJECT;
    if (mNumChanges >= 0) *changes = mNumChanges;
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::TimerWakeup() {
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::GetCurveData(TypeCode /*curveType*/, const float* /*values*/,
                                           uint32_t /*numValues*/, float* /*curveValues*/) const {
    return AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_CEffectParameters::GetCustomData(TypeCode /*blockID*/, uint32_t /*size*/, void* /*data*/,
                                            uint32_t* written) const {
    if (written != nullptr) *written = 0;
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::SetCustomData(TypeCode /*blockID*/, uint32_t /*size*/,
                                            const void* /*data*/) {
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::DoMIDITransfers() {
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::RenderAudio_Hybrid(void* /*renderInfo*/) {
    return AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_CEffectParameters::UpdateMIDINodes(uint32_t /*fieldIndex*/, MidiPacket& /*packet*/) {
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::UpdateControlMIDINodes(TypeCode /*nodeID*/, MidiPacket& /*packet*/) {
    return AAX_SUCCESS;
}

Result AAX_CEffectParameters::EffectInit() {
    return AAX_SUCCESS;
}

AAX_IParameter* AAX_CEffectParameters::Find(ParameterId id) const {
    return mParameterManager.GetParameterByID(id);
}

bool AAX_CEffectParameters::IsFiltered(const AAX_IParameter& parameter) const {
    return mFilteredParameters.count(parameter.Identifier()) != 0;
}
