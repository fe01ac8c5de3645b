// An automation delegate that records every request a parameter sends to the host, in order.
#pragma once

#include <string>
#include <vector>

#include "host/aax_automation_delegate.h"

struct AutomationCall {
    std::string operation;  // register, unregister, set, post, touch, release
    std::string identifier;
    double value = 0.0;  // for set and post

    bool operator==(const AutomationCall&) const = default;
};

class RecordingAutomationDelegate : public AAX_IAutomationDelegate {
  public:
    AAX_Result RegisterParameter(AAX_CParamID id) override { return Record("register", id); }
    AAX_Result UnregisterParameter(AAX_CParamID id) override { return Record("unregister", id); }
    AAX_Result PostSetValueRequest(AAX_CParamID id, double normalized) const override {
        return Record("set", id, normalized);
    }
    AAX_Result PostCurrentValue(AAX_CParamID id, double normalized) const override {
        return Record("post", id, normalized);
    }
    AAX_Result PostTouchRequest(AAX_CParamID id) override { return Record("touch", id); }
    AAX_Result PostReleaseRequest(AAX_CParamID id) override { return Record("release", id); }
    AAX_Result GetTouchState(AAX_CParamID id, bool* touched) override {
        *touched = false;
        return Record("touchstate", id);
    }

    mutable std::vector<AutomationCall> calls;

  private:
    AAX_Result Record(const char* operation, AAX_CParamID id, double value = 0.0) const {
        calls.push_back({operation, id, value});
        return AAX_SUCCESS;
    }
};
