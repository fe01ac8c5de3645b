// The set requests made for the plug-in's own edits that the host has not answered yet, per
// parameter, so that host and plug-in end on the plug-in's latest value without sending each
// other back what the other already holds:
//   - a report of the value host and plug-in agree on, with no request on its way, tells the
//     host nothing: it is the plug-in's echo of a value the host handed over (at once, or later
//     from its render thread) and is not requested again, which ends the echo;
//   - a host value that answers a request which a newer request follows is stale: handed to the
//     plug-in it would set it back to a value it has left.
// Values are normalized as the parameter keeps them. Any non-real-time thread; guarded.
#pragma once

#include <cstddef>
#include <deque>
#include <mutex>
#include <unordered_map>

#include "abi/aax_iparameter.h"

class PlugInSetRequests {
  public:
    // Requests kept per parameter for a host that answers none; the oldest go first.
    static constexpr size_t kMaxUnanswered = 256;

    // The plug-in reports `value` for `parameter`, whose host value is `hostValue`. True when it
    // must go to the host as a set request, which is then counted as unanswered.
    bool Report(const AAX_IParameter* parameter, double value, double hostValue);
    // The host hands `value` for `parameter`. False when it answers a request that a newer one
    // follows; the requests up to the one it answers count as answered either way.
    bool Answer(const AAX_IParameter* parameter, double value);
    // Forgets every request: the parameters go.
    void Clear();

  private:
    std::mutex mMutex;
    std::unordered_map<const AAX_IParameter*, std::deque<double>> mUnanswered;
};
