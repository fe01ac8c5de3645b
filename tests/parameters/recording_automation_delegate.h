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
    Result RegisterParameter(ParameterId id) override { return Record("register", id); }
    Result UnregisterParameter(ParameterId id) override { return Record("unregister", id); }
    Result PostSetValueRequest(ParameterId id, double normalized) const override {
        return Record("set", id, normalized);
    }
    Result PostCurrentValue(ParameterId id, double normalized) const override {
        return Record("post", id, normalized);
    }
    Result PostTouchRequest(ParameterId id) override { return Record("touch", id); }
    Result PostReleaseRequest(ParameterId id) override { return Record("release", id); }
    Result GetTouchState(ParameterId id, bool* touched) override {
        *touched = false;
        return Record("touchstate", id);
    }

    mutable std::vector<AutomationCall> calls;

  private:
    Result Record(const char* operation, ParameterId id, double value = 0.0) const {
        calls.push_back({operation, id, value});
        return AAX_SUCCESS;
    }
};
