// A parameter with a real value of type T (float for continuous controls, bool for switches),
// converted to the host's normalized value by a taper delegate and to text by a display delegate.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>

#include "abi/aax_iparameter.h"
#include "host/aax_automation_delegate.h"
#include "host/aax_string.h"
#include "parameters/aax_display_delegate.h"
#include "parameters/aax_taper_delegate.h"

template <typename T>
class AAX_CParameter : public BoundaryObject<AAX_IParameter> {
  public:
    // Keeps at most 31 characters of the identifier and clones both delegates. Starts with
    // 128 steps, type 1 (continuous), orientation 0 and the default value stored.
    AAX_CParameter(ParameterId identifier, const AAX_CString& name, T defaultValue,
                   const AAX_ITaperDelegate<T>& taperDelegate,
                   const AAX_IDisplayDelegate<T>& displayDelegate, bool automatable);
    AAX_CParameter(const AAX_CParameter&) = delete;
    AAX_CParameter& operator=(const AAX_CParameter&) = delete;
    // Unregisters from the automation delegate, if one is set.
    ~AAX_CParameter() override;

    // The one path by which a real value is set: a request to the host while an automation
    // delegate is set, otherwise stored at once.
    void SetValue(T value);

    ParameterId Identifier() const override;
    void SetName(const AAX_IString& name) override;
    const AAX_IString& Name() const override;
    void AddShortenedName(const AAX_IString& name) override;
    const AAX_IString& ShortenedName(int32_t numCharacters) const override;
    void ClearShortenedNames() override;
    bool Automatable() const override;
    void SetAutomationDelegate(AAX_IAutomationDelegate* automationDelegate) override;
    void Touch() override;
    void Release() override;
    void SetNormalizedValue(double normalizedValue) override;
    double GetNormalizedValue() const override;
    void SetNormalizedDefaultValue(double normalizedDefault) override;
    double GetNormalizedDefaultValue() const override;
    void SetToDefaultValue() override;
    void SetNumberOfSteps(uint32_t numSteps) override;
    uint32_t GetNumberOfSteps() const override;
    uint32_t GetStepValue() const override;
    void SetStepValue(uint32_t stepValue) override;
    bool GetValueStringOfLength(int32_t maxNumChars, AAX_IString* valueString) const override;
    bool GetValueString(AAX_IString* valueString) const override;
    bool GetNormalizedValueFromString(const AAX_IString& valueString,
                                      double* normalizedValue) const override;
    bool GetStringFromNormalizedValueOfLength(double normalizedValue, int32_t maxNumChars,
                                              AAX_IString& valueString) const override;
    bool GetStringFromNormalizedValue(double normalizedValue,
                                      AAX_IString& valueString) const override;
    bool SetValueFromString(const AAX_IString& valueString) override;
    bool GetValueAsBool(bool* value) const override;
    bool GetValueAsInt32(int32_t* value) const override;
    bool GetValueAsFloat(float* value) const override;
    bool GetValueAsDouble(double* value) const override;
    bool GetValueAsString(AAX_IString* value) const override;
    bool SetValueWithBool(bool value) override;
    bool SetValueWithInt32(int32_t value) override;
    bool SetValueWithFloat(float value) override;
    bool SetValueWithDouble(double value) override;
    bool SetValueWithString(const AAX_IString& value) override;
    void SetType(int32_t type) override;
    int32_t GetType() const override;
    void SetOrientation(int32_t orientation) override;
    int32_t GetOrientation() const override;
    // A taper of another value type is ignored.
    void SetTaperDelegate(AAX_ITaperDelegateBase& taperDelegate, bool preserveValue) override;
    // A display of another value type is ignored.
    void SetDisplayDelegate(AAX_IDisplayDelegateBase& displayDelegate) override;
    void UpdateNormalizedValue(double normalizedValue) override;

  private:
    bool InRange(T value) const;
    // The typed accessors answer only for the parameter's own value type.
    template <typename U>
    bool GetValueIfType(U* value) const;
    template <typename U>
    bool SetValueIfType(U value);

    char mIdentifier[32];
    AAX_CString mName;
    std::map<int32_t, AAX_CString> mShortenedNames;  // keyed by length
    const bool mAutomatable;
    uint32_t mNumSteps;
    int32_t mType;
    int32_t mOrientation;
    std::unique_ptr<AAX_ITaperDelegate<T>> mTaperDelegate;
    std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplayDelegate;
    AAX_IAutomationDelegate* mAutomationDelegate;  // not owned
    // Makes the next update store and post the value even when it did not change.
    bool mNeedNotify;
    // Read by any thread (a view asking the value) while the host's thread updates it.
    std::atomic<T> mValue;
    T mDefaultValue;
};

extern template class AAX_CParameter<float>;
extern template class AAX_CParameter<bool>;
