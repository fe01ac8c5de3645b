// Owns the effect's parameters, in the order they were added (the index the host sees), and
// finds them by identifier. No lock: used on the threads that call the effect-parameters object.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "abi/aax_iparameter.h"
#include "host/aax_automation_delegate.h"

class AAX_CParameterManager {
  public:
    AAX_CParameterManager() = default;
    AAX_CParameterManager(const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator=(const AAX_CParameterManager&) = delete;
    ~AAX_CParameterManager();

    // Attached to every parameter added from now on; not owned.
    void SetAutomationDelegate(AAX_IAutomationDelegate* automationDelegate);

    // Takes ownership and attaches the automation delegate. A parameter whose identifier is
    // already present is refused and stays the caller's; so is a null one, and one that memory
    // ran out for (the allocation failure passes on).
    void AddParameter(AAX_IParameter* parameter);
    // Deletes every parameter in index order.
    void RemoveAllParameters();
    // Null for an unknown or null identifier.
    AAX_IParameter* GetParameterByID(ParameterId identifier) const;
    // -1 for an unknown or null identifier.
    int32_t GetParameterIndex(ParameterId identifier) const;
    // Null when the index is negative or not less than the count.
    AAX_IParameter* GetParameter(int32_t index) const;
    int32_t NumParameters() const;

  private:
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    std::vector<AAX_IParameter*> mParameters;              // owned, in index order
    std::map<std::string, AAX_IParameter*> mByIdentifier;  // byte-wise order
};
