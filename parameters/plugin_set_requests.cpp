#include "parameters/plugin_set_requests.h"

#include <algorithm>

bool PlugInSetRequests::Report(const AAX_IParameter* parameter, double value, double hostValue) {
    std::lock_guard lock(mMutex);
    const auto found = mUnanswered.find(parameter);
    if (found == mUnanswered.end() && value == hostValue) return false;
    std::deque<double>& requests =
        found != mUnanswered.end() ? found->second : mUnanswered[parameter];
    requests.push_back(value);
    if (requests.size() > kMaxUnanswered) requests.pop_front();
    return true;
}

bool PlugInSetRequests::Answer(const AAX_IParameter* parameter, double value) {
    std::lock_guard lock(mMutex);
    const auto found = mUnanswered.find(parameter);
    if (found == mUnanswered.end()) return true;
    std::deque<double>& requests = found->second;
    // Hosts answer in the order asked, or only the latest: what comes before the answered
    // request will not be answered any more. A value no request carried is the host's own.
    const auto answered = std::find(requests.begin(), requests.end(), value);
    if (answered == requests.end()) return true;
    requests.erase(requests.begin(), answered + 1);
    if (!requests.empty()) return false;
    mUnanswered.erase(found);
    return true;
}

void PlugInSetRequests::Clear() {
    std::lock_guard lock(mMutex);
    mUnanswered.clear();
}
