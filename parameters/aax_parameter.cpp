#include "parameters/aax_parameter.h"

#include <cstring>
#include <iterator>
#include <type_traits>

template <typename T>
AAX_CParameter<T>::AAX_CParameter(ParameterId identifier, const AAX_CString& name, T defaultValue,
                                  const AAX_ITaperDelegate<T>& taperDelegate,
                                  const AAX_IDisplayDelegate<T>& displayDelegate, bool automatable)
    : mIdentifier{},
      mAutomatable(automatable),
      // A new parameter is continuous, and continuous parameters start with 128 steps.
      mNumSteps(128),
      mType(1),
      mOrientation(0),
      mTaperDelegate(taperDelegate.Clone()),
      mDisplayDelegate(displayDelegate.Clone()),
      mAutomationDelegate(nullptr),
      mNeedNotify(true),
      mValue(defaultValue),
      mDefaultValue(defaultValue) {
    mName = name;
    if (identifier != nullptr) {
        const size_t length = std::strlen(identifier);
        const size_t kept = length < sizeof(mIdentifier) ? length : sizeof(mIdentifier) - 1;
        std::memcpy(mIdentifier, identifier, kept);
    }
    SetValue(mDefaultValue);
}

template <typename T>
AAX_CParameter<T>::~AAX_CParameter() {
    if (mAutomationDelegate != nullptr) mAutomationDelegate->UnregisterParameter(mIdentifier);
}

template <typename T>
void AAX_CParameter<T>::SetValue(T value) {
    const double normalized = mTaperDelegate->RealToNormalized(value);
    if (mAutomationDelegate != nullptr) {
        Touch();
        mAutomationDelegate->PostSetValueRequest(mIdentifier, normalized);
        Release();
        return;
    }
    mNeedNotify = true;
    UpdateNormalizedValue(normalized);
}

template <typename T>
ParameterId AAX_CParameter<T>::Identifier() const {
    return mIdentifier;
}

template <typename T>
void AAX_CParameter<T>::SetName(const AAX_IString& name) {
    mName = name;
}

template <typename T>
const AAX_IString& AAX_CParameter<T>::Name() const {
    return mName;
}

template <typename T>
void AAX_CParameter<T>::AddShortenedName(const AAX_IString& name) {
    mShortenedNames[static_cast<int32_t>(name.Length())] = name;
}

template <typename T>
const AAX_IString& AAX_CParameter<T>::ShortenedName(int32_t numCharacters) const {
    if (numCharacters >= static_cast<int32_t>(mName.Length()) || mShortenedNames.empty()) {
        return mName;
    }
    // The longest that fits; when none fits, the shortest there is.
    auto longer = mShortenedNames.upper_bound(numCharacters);
    if (longer == mShortenedNames.begin()) return longer->second;
    return std::prev(longer)->second;
}

template <typename T>
void AAX_CParameter<T>::ClearShortenedNames() {
    mShortenedNames.clear();
}

template <typename T>
bool AAX_CParameter<T>::Automatable() const {
    return mAutomatable;
}

template <typename T>
void AAX_CParameter<T>::SetAutomationDelegate(AAX_IAutomationDelegate* automationDelegate) {
    if (mAutomationDelegate != nullptr) mAutomationDelegate->UnregisterParameter(mIdentifier);
    mAutomationDelegate = automationDelegate;
    if (mAutomationDelegate != nullptr) mAutomationDelegate->RegisterParameter(mIdentifier);
}

template <typename T>
void AAX_CParameter<T>::Touch() {
    if (mAutomationDelegate != nullptr) mAutomationDelegate->PostTouchRequest(mIdentifier);
}

template <typename T>
void AAX_CParameter<T>::Release() {
    if (mAutomationDelegate != nullptr) mAutomationDelegate->PostReleaseRequest(mIdentifier);
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedValue(double normalizedValue) {
    SetValue(mTaperDelegate->NormalizedToReal(normalizedValue));
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedValue() const {
    return mTaperDelegate->RealToNormalized(mValue.load(std::memory_order_relaxed));
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedDefaultValue(double normalizedDefault) {
    mDefaultValue =
        mTaperDelegate->ConstrainRealValue(mTaperDelegate->NormalizedToReal(normalizedDefault));
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedDefaultValue() const {
    return mTaperDelegate->RealToNormalized(mDefaultValue);
}

template <typename T>
void AAX_CParameter<T>::SetToDefaultValue() {
    SetValue(mDefaultValue);
}

template <typename T>
void AAX_CParameter<T>::SetNumberOfSteps(uint32_t numSteps) {
    mNumSteps = numSteps;
}

template <typename T>
uint32_t AAX_CParameter<T>::GetNumberOfSteps() const {
    return mNumSteps;
}

template <typename T>
uint32_t AAX_CParameter<T>::GetStepValue() const {
    const uint32_t steps = GetNumberOfSteps();
    if (steps < 2) return 0;
    const double last = static_cast<double>(steps - 1);
    const double step = GetNormalizedValue() / (1.0 / last) + 0.5;
    // A host may store any double, NaN included; NaN has no step and must not be converted.
    if (!(step >= 0.0)) return 0;
    if (step > last) return steps - 1;
    return static_cast<uint32_t>(step);
}

template <typename T>
void AAX_CParameter<T>::SetStepValue(uint32_t stepValue) {
    const uint32_t steps = GetNumberOfSteps();
    if (steps < 2) return;
    double normalized = (1.0 / static_cast<double>(steps - 1)) * stepValue;
    if (normalized > 1.0) normalized = 1.0;
    if (normalized < 0.0) normalized = 0.0;
    SetNormalizedValue(normalized);
}

template <typename T>
bool AAX_CParameter<T>::GetValueStringOfLength(int32_t /*maxNumChars*/,
                                               AAX_IString* valueString) const {
    return GetValueString(valueString);
}

template <typename T>
bool AAX_CParameter<T>::GetValueString(AAX_IString* valueString) const {
    AAX_CString text;
    const bool converted =
        mDisplayDelegate->ValueToString(mValue.load(std::memory_order_relaxed), &text);
    valueString->Set(text.Get());
    return converted;
}

template <typename T>
bool AAX_CParameter<T>::InRange(T value) const {
    return !(value > mTaperDelegate->GetMaximumValue() ||
             value < mTaperDelegate->GetMinimumValue());
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromString(const AAX_IString& valueString,
                                                     double* normalizedValue) const {
    T value{};
    if (!mDisplayDelegate->StringToValue(AAX_CString(valueString.Get()), &value)) return false;
    // Out-of-range text still leaves the clamped position behind, but reports false.
    *normalizedValue = mTaperDelegate->RealToNormalized(value);
    return InRange(value);
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValueOfLength(double normalizedValue,
                                                             int32_t maxNumChars,
                                                             AAX_IString& valueString) const {
    const T value = mTaperDelegate->NormalizedToReal(normalizedValue);
    AAX_CString text;
    const bool converted = mDisplayDelegate->ValueToString(value, maxNumChars, &text);
    valueString.Set(text.Get());
    return converted && InRange(value);
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue(double normalizedValue,
                                                     AAX_IString& valueString) const {
    const T value = mTaperDelegate->NormalizedToReal(normalizedValue);
    AAX_CString text;
    const bool converted = mDisplayDelegate->ValueToString(value, &text);
    valueString.Set(text.Get());
    return converted && InRange(value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueFromString(const AAX_IString& valueString) {
    T value{};
    if (!mDisplayDelegate->StringToValue(AAX_CString(valueString.Get()), &value)) return false;
    SetValue(value);
    return true;
}

template <typename T>
template <typename U>
bool AAX_CParameter<T>::GetValueIfType(U* value) const {
    if constexpr (std::is_same_v<T, U>) {
        *value = mValue.load(std::memory_order_relaxed);
        return true;
    } else {
        (void)value;
        return false;
    }
}

template <typename T>
template <typename U>
bool AAX_CParameter<T>::SetValueIfType(U value) {
    if constexpr (std::is_same_v<T, U>) {
        SetValue(value);
        return true;
    } else {
        (void)value;
        return false;
    }
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsBool(bool* value) const {
    return GetValueIfType(value);
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsInt32(int32_t* value) const {
    return GetValueIfType(value);
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsFloat(float* value) const {
    return GetValueIfType(value);
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsDouble(double* value) const {
    return GetValueIfType(value);
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsString(AAX_IString* /*value*/) const {
    return false;
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithBool(bool value) {
    return SetValueIfType(value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithInt32(int32_t value) {
    return SetValueIfType(value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithFloat(float value) {
    return SetValueIfType(value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithDouble(double value) {
    return SetValueIfType(value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithString(const AAX_IString& /*value*/) {
    return false;
}

template <typename T>
void AAX_CParameter<T>::SetType(int32_t type) {
    mType = type;
}

template <typename T>
int32_t AAX_CParameter<T>::GetType() const {
    return mType;
}

template <typename T>
void AAX_CParameter<T>::SetOrientation(int32_t orientation) {
    mOrientation = orientation;
}

template <typename T>
int32_t AAX_CParameter<T>::GetOrientation() const {
    return mOrientation;
}

template <typename T>
void AAX_CParameter<T>::SetTaperDelegate(AAX_ITaperDelegateBase& taperDelegate,
                                         bool preserveValue) {
    const auto* typed = dynamic_cast<const AAX_ITaperDelegate<T>*>(&taperDelegate);
    if (typed == nullptr) return;
    const double oldNormalized = GetNormalizedValue();
    mTaperDelegate.reset(typed->Clone());
    mNeedNotify = true;
    if (preserveValue) {
        SetValue(mValue.load(std::memory_order_relaxed));
    } else {
        UpdateNormalizedValue(oldNormalized);
    }
}

template <typename T>
void AAX_CParameter<T>::SetDisplayDelegate(AAX_IDisplayDelegateBase& displayDelegate) {
    const auto* typed = dynamic_cast<const AAX_IDisplayDelegate<T>*>(&displayDelegate);
    if (typed == nullptr) return;
    mDisplayDelegate.reset(typed->Clone());
    // Posting the unchanged value makes the host fetch the new text.
    if (mAutomationDelegate != nullptr) {
        mAutomationDelegate->PostCurrentValue(mIdentifier, GetNormalizedValue());
    }
}

template <typename T>
void AAX_CParameter<T>::UpdateNormalizedValue(double normalizedValue) {
    const T value = mTaperDelegate->NormalizedToReal(normalizedValue);
    // A NaN compares unequal, so it is stored like any change.
    if (!mNeedNotify && value == mValue.load(std::memory_order_relaxed)) return;
    mValue.store(value, std::memory_order_relaxed);
    if (mAutomationDelegate != nullptr) {
        mAutomationDelegate->PostCurrentValue(mIdentifier, normalizedValue);
    }
    mNeedNotify = false;
}

template class AAX_CParameter<float>;
template class AAX_CParameter<bool>;
