// The effect-parameters object as a host holds it in the tests, reached only through its
// interface from creation to the last release.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "abi/effect_parameters.h"
#include "host/aax_string.h"

// The effect as the host holds it: one reference on its version-2 interface, taken right after
// creation and given back by Release (or at the end of the test).
class HostedEffect {
  public:
    // `object` is a newly created effect-parameters object (reference count 0).
    explicit HostedEffect(IACFUnknown* object) {
        void* answer = nullptr;
        EXPECT_EQ(object->QueryInterface(IID_AAX_IACFEffectParameters_V2, &answer), AAX_SUCCESS);
        mEffect = static_cast<AAX_IACFEffectParameters_V2*>(answer);
    }
    ~HostedEffect() { Release(); }
    HostedEffect(const HostedEffect&) = delete;
    HostedEffect& operator=(const HostedEffect&) = delete;

    AAX_IACFEffectParameters_V2* operator->() const { return mEffect; }
    AAX_IACFEffectParameters_V2* get() const { return mEffect; }
    // Returns the count that the last Release reported.
    uint32_t Release() {
        if (mEffect == nullptr) return 0;
        const uint32_t count = mEffect->Release();
        mEffect = nullptr;
        return count;
    }

    // Conveniences for the operations that answer text or a list.
    int32_t Count() const {
        int32_t count = -1;
        EXPECT_EQ(mEffect->GetNumberOfParameters(&count), AAX_SUCCESS);
        return count;
    }
    std::vector<std::string> Identifiers() const {
        std::vector<std::string> identifiers;
        for (int32_t index = 0; index < Count(); ++index) {
            AAX_CString id;
            EXPECT_EQ(mEffect->GetParameterIDFromIndex(index, &id), AAX_SUCCESS);
            identifiers.push_back(id.StdString());
        }
        return identifiers;
    }
    std::string Name(const char* id) const {
        AAX_CString name;
        EXPECT_EQ(mEffect->GetParameterName(id, &name), AAX_SUCCESS);
        return name.StdString();
    }
    std::string ValueString(const char* id, int32_t maxLength = 32) const {
        AAX_CString text;
        EXPECT_EQ(mEffect->GetParameterValueString(id, &text, maxLength), AAX_SUCCESS);
        return text.StdString();
    }
    double Normalized(const char* id) const {
        double value = -1.0;
        EXPECT_EQ(mEffect->GetParameterNormalizedValue(id, &value), AAX_SUCCESS);
        return value;
    }

  private:
    AAX_IACFEffectParameters_V2* mEffect = nullptr;
};
