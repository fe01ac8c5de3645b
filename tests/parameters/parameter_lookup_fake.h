// The effect's side of parameter lookup for the packet dispatcher, backed by a parameter manager.
#pragma once

#include "parameters/aax_parameter_lookup.h"
#include "parameters/aax_parameter_manager.h"

class ManagerLookup : public ParameterLookup {
  public:
    explicit ManagerLookup(const AAX_CParameterManager& manager) : mManager(manager) {}

    Result GetParameter(ParameterId identifier, AAX_IParameter** parameter) override {
        *parameter = mManager.GetParameterByID(identifier);
        return *parameter == nullptr ? AAX_ERROR_INVALID_PARAMETER_ID : AAX_SUCCESS;
    }

  private:
    const AAX_CParameterManager& mManager;
};
