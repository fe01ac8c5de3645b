#include "tools/aaxhost/objects/stand_in_object.h"

#include <algorithm>

#include "tools/aaxhost/objects/call_log.h"

namespace aaxhost {

std::ostream& operator<<(std::ostream& stream, const ReferenceEvent& event) {
    switch (event.kind) {
        case ReferenceEvent::Kind::kQuery:
            stream << "query ";
            break;
        case ReferenceEvent::Kind::kAddRef:
            stream << "add reference through ";
            break;
        case ReferenceEvent::Kind::kRelease:
            stream << "release through ";
            break;
    }
    return stream << IdentifierText(event.iid);
}

void StandInObject::SetAnswer(const InterfaceId& iid, Answer answer) {
    mAnswers.emplace_back(iid, answer);
}

void StandInObject::Lend(const InterfaceId& iid, IACFUnknown* provider) {
    mLoans.emplace_back(iid, provider);
}

int64_t StandInObject::OutstandingReferences() const {
    return mReferences.load();
}

std::vector<ReferenceEvent> StandInObject::ReferenceEvents() const {
    std::lock_guard lock(mEventsMutex);
    return mEvents;
}

IACFUnknown* StandInObject::Unknown() const {
    return mOffered.empty() ? nullptr : mOffered.front().unknown;
}

Result StandInObject::QueryInterface(const InterfaceId& iid, void** out) {
    Note(ReferenceEvent::Kind::kQuery, iid);
    if (out == nullptr) return ACF_E_POINTER;
    *out = nullptr;
    switch (AnswerFor(iid)) {
        case Answer::kRefuse:
            return ACF_E_NOINTERFACE;
        case Answer::kNullWithSuccess:
            return AAX_SUCCESS;
        case Answer::kInterface:
            break;
    }
    const Offered* offered = Find(iid);
    if (offered == nullptr) {
        IACFUnknown* lender = Lender(iid);
        return lender != nullptr ? lender->QueryInterface(iid, out) : ACF_E_NOINTERFACE;
    }
    offered->unknown->AddRef();
    *out = iid == IID_IACFUnknown ? static_cast<void*>(offered->unknown) : offered->pointer;
    return AAX_SUCCESS;
}

uint32_t StandInObject::AddRef(const InterfaceId& through) {
    Note(ReferenceEvent::Kind::kAddRef, through);
    return static_cast<uint32_t>(mReferences.fetch_add(1) + 1);
}

uint32_t StandInObject::Release(const InterfaceId& through) {
    Note(ReferenceEvent::Kind::kRelease, through);
    return static_cast<uint32_t>(mReferences.fetch_sub(1) - 1);
}

void StandInObject::Note(ReferenceEvent::Kind kind, const InterfaceId& iid) {
    std::lock_guard lock(mEventsMutex);
    mEvents.push_back(ReferenceEvent{kind, iid});
}

Answer StandInObject::AnswerFor(const InterfaceId& iid) const {
    // The latest setting for an identifier wins.
    const auto found = std::find_if(mAnswers.rbegin(), mAnswers.rend(),
                                    [&](const auto& entry) { return entry.first == iid; });
    return found == mAnswers.rend() ? Answer::kInterface : found->second;
}

IACFUnknown* StandInObject::Lender(const InterfaceId& iid) const {
    // The latest loan of an identifier wins.
    const auto found = std::find_if(mLoans.rbegin(), mLoans.rend(),
                                    [&](const auto& entry) { return entry.first == iid; });
    return found == mLoans.rend() ? nullptr : found->second;
}

const StandInObject::Offered* StandInObject::Find(const InterfaceId& iid) const {
    if (iid == IID_IACFUnknown) return mOffered.empty() ? nullptr : &mOffered.front();
    const auto found = std::find_if(mOffered.begin(), mOffered.end(),
                                    [&](const Offered& offered) { return offered.iid == iid; });
    return found == mOffered.end() ? nullptr : &*found;
}

}  // namespace aaxhost
