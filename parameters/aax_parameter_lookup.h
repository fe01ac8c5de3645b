// What the packet dispatcher asks of the effect it belongs to: the parameter behind an
// identifier. The effect-parameters object answers it with its own GetParameter, so that a
// derived effect's replacement is the one asked.
#pragma once

#include "abi/aax_iparameter.h"
#include "abi/result.h"
#include "host/aax_automation_delegate.h"

class ParameterLookup {
  public:
    virtual ~ParameterLookup() = default;
    // Writes the parameter, or null; a non-zero result when there is none.
    virtual Result GetParameter(ParameterId identifier, AAX_IParameter** parameter) = 0;
};
