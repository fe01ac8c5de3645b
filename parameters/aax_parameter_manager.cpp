#include "parameters/aax_parameter_manager.h"

#include <cstring>

AAX_CParameterManager::~AAX_CParameterManager() {
    RemoveAllParameters();
}

void AAX_CParameterManager::SetAutomationDelegate(AAX_IAutomationDelegate* automationDelegate) {
    mAutomationDelegate = automationDelegate;
}

void AAX_CParameterManager::AddParameter(AAX_IParameter* parameter) {
    if (parameter == nullptr || GetParameterByID(parameter->Identifier()) != nullptr) return;
    parameter->SetAutomationDelegate(mAutomationDelegate);
    // Taken whole or not at all: a parameter that memory ran out for stays the caller's, and is
    // in neither list.
    const auto entry = mByIdentifier.emplace(parameter->Identifier(), parameter).first;
    try {
        mParameters.push_back(parameter);
    } catch (...) {
        mByIdentifier.erase(entry);
        throw;
    }
}

void AAX_CParameterManager::RemoveAllParameters() {
    for (AAX_IParameter* parameter : mParameters) DeleteThroughInterface(parameter);
    mParameters.clear();
    mByIdentifier.clear();
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID(ParameterId identifier) const {
    if (identifier == nullptr) return nullptr;
    const auto found = mByIdentifier.find(identifier);
    return found == mByIdentifier.end() ? nullptr : found->second;
}

int32_t AAX_CParameterManager::GetParameterIndex(ParameterId identifier) const {
    if (identifier == nullptr) return -1;
    for (size_t index = 0; index < mParameters.size(); ++index) {
        if (std::strcmp(mParameters[index]->Identifier(), identifier) == 0) {
            return static_cast<int32_t>(index);
        }
    }
    return -1;
}

AAX_IParameter* AAX_CParameterManager::GetParameter(int32_t index) const {
    if (index < 0 || index >= NumParameters()) return nullptr;
    return mParameters[static_cast<size_t>(index)];
}

int32_t AAX_CParameterManager::NumParameters() const {
    return static_cast<int32_t>(mParameters.size());
}
