#include "tools/aaxhost/objects/call_log.h"

#include <iomanip>
#include <sstream>
#include <utility>

namespace aaxhost {

namespace {

struct ArgumentPrinter {
    std::ostream& stream;
    void operator()(int64_t value) const { stream << value; }
    void operator()(double value) const { stream << value; }
    void operator()(const void* value) const { stream << value; }
    void operator()(const std::string& value) const { stream << '"' << value << '"'; }
    void operator()(const InterfaceId& value) const { stream << IdentifierText(value); }
};

}  // namespace

std::string IdentifierText(const InterfaceId& iid) {
    std::ostringstream stream;
    stream << std::hex << std::uppercase << std::setfill('0') << std::setw(8) << iid.data1 << '-'
           << std::setw(4) << iid.data2 << '-' << std::setw(4) << iid.data3 << '-';
    for (size_t i = 0; i < 8; ++i) {
        if (i == 2) stream << '-';
        stream << std::setw(2) << static_cast<unsigned>(iid.data4[i]);
    }
    return stream.str();
}

CallArgument Text(const char* text) {
    if (text == nullptr) return static_cast<const void*>(nullptr);
    return std::string(text);
}

std::ostream& operator<<(std::ostream& stream, const Call& call) {
    stream << "slot " << call.slot << " (";
    for (size_t i = 0; i < call.arguments.size(); ++i) {
        if (i > 0) stream << ", ";
        std::visit(ArgumentPrinter{stream}, call.arguments[i]);
    }
    return stream << ')';
}

Result CallLog::Reply(int32_t slot, std::vector<CallArgument> arguments) {
    {
        std::lock_guard lock(mMutex);
        mCalls.push_back(Call{slot, std::move(arguments)});
    }
    return ResultFor(slot);
}

Result CallLog::ResultFor(int32_t slot) const {
    std::lock_guard lock(mMutex);
    const auto result = mResults.find(slot);
    return result == mResults.end() ? AAX_SUCCESS : result->second;
}

std::vector<Call> CallLog::Calls() const {
    std::lock_guard lock(mMutex);
    return mCalls;
}

void CallLog::Clear() {
    std::lock_guard lock(mMutex);
    mCalls.clear();
}

void CallLog::SetResult(int32_t slot, Result result) {
    std::lock_guard lock(mMutex);
    mResults[slot] = result;
}

}  // namespace aaxhost
