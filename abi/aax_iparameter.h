// A control of the effect, whatever the type of its real value. A workstation receives one
// through the effect-parameters interface and may call it, so its slots are binary interface.
// Operations in slot order; called on the host's non-real-time threads, without locking.
#pragma once

#include <cstdint>

#include "abi/boundary.h"
#include "abi/parameter_id.h"

class AAX_IString;
class AAX_IAutomationDelegate;
class AAX_ITaperDelegateBase;
class AAX_IDisplayDelegateBase;

class AAX_IParameter {
    VQ318_BOUNDARY_DESTRUCTOR(AAX_IParameter)                                             // 0
    virtual ParameterId Identifier() const = 0;                                           // 1
    virtual void SetName(const AAX_IString& name) = 0;                                    // 2
    virtual const AAX_IString& Name() const = 0;                                          // 3
    virtual void AddShortenedName(const AAX_IString& name) = 0;                           // 4
    virtual const AAX_IString& ShortenedName(int32_t numCharacters) const = 0;            // 5
    virtual void ClearShortenedNames() = 0;                                               // 6
    virtual bool Automatable() const = 0;                                                 // 7
    virtual void SetAutomationDelegate(AAX_IAutomationDelegate* automationDelegate) = 0;  // 8
    virtual void Touch() = 0;                                                             // 9
    virtual void Release() = 0;                                                           // 10
    // With an automation delegate a set becomes a request to the host (touch, set, release);
    // the value changes when the host answers through UpdateNormalizedValue.
    virtual void SetNormalizedValue(double normalizedValue) = 0;           // 11
    virtual double GetNormalizedValue() const = 0;                         // 12
    virtual void SetNormalizedDefaultValue(double normalizedDefault) = 0;  // 13
    virtual double GetNormalizedDefaultValue() const = 0;                  // 14
    virtual void SetToDefaultValue() = 0;                                  // 15
    virtual void SetNumberOfSteps(uint32_t numSteps) = 0;                  // 16
    virtual uint32_t GetNumberOfSteps() const = 0;                         // 17
    virtual uint32_t GetStepValue() const = 0;                             // 18
    virtual void SetStepValue(uint32_t stepValue) = 0;                     // 19
    // The text of the current value; the limit is not applied.
    virtual bool GetValueStringOfLength(int32_t maxNumChars,
                                        AAX_IString* valueString) const = 0;  // 20
    virtual bool GetValueString(AAX_IString* valueString) const = 0;          // 21
    virtual bool GetNormalizedValueFromString(const AAX_IString& valueString,
                                              double* normalizedValue) const = 0;  // 22
    virtual bool GetStringFromNormalizedValueOfLength(double normalizedValue, int32_t maxNumChars,
                                                      AAX_IString& valueString) const = 0;  // 23
    virtual bool GetStringFromNormalizedValue(double normalizedValue,
                                              AAX_IString& valueString) const = 0;  // 24
    virtual bool SetValueFromString(const AAX_IString& valueString) = 0;            // 25
    // Typed access: each answers true only for the parameter's own value type.
    virtual bool GetValueAsBool(bool* value) const = 0;             // 26
    virtual bool GetValueAsInt32(int32_t* value) const = 0;         // 27
    virtual bool GetValueAsFloat(float* value) const = 0;           // 28
    virtual bool GetValueAsDouble(double* value) const = 0;         // 29
    virtual bool GetValueAsString(AAX_IString* value) const = 0;    // 30
    virtual bool SetValueWithBool(bool value) = 0;                  // 31
    virtual bool SetValueWithInt32(int32_t value) = 0;              // 32
    virtual bool SetValueWithFloat(float value) = 0;                // 33
    virtual bool SetValueWithDouble(double value) = 0;              // 34
    virtual bool SetValueWithString(const AAX_IString& value) = 0;  // 35
    // Type 0 is discrete, 1 continuous.
    virtual void SetType(int32_t type) = 0;                // 36
    virtual int32_t GetType() const = 0;                   // 37
    virtual void SetOrientation(int32_t orientation) = 0;  // 38
    virtual int32_t GetOrientation() const = 0;            // 39
    // The taper must be one of the parameter's value type; the parameter keeps a clone.
    virtual void SetTaperDelegate(AAX_ITaperDelegateBase& taperDelegate,
                                  bool preserveValue) = 0;  // 40
    // The display must be one of the parameter's value type; the parameter keeps a clone.
    virtual void SetDisplayDelegate(AAX_IDisplayDelegateBase& displayDelegate) = 0;  // 41
    // The host's answer: stores the value and posts it back when it changed.
    virtual void UpdateNormalizedValue(double normalizedValue) = 0;  // 42
};
