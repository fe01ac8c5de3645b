// The base of every stand-in host object: a real ACF object whose interfaces share one reference
// count and answer QueryInterface by identifier. The test owns the object and hands its
// interfaces to the module; the count only tracks the references handed out, so that the test can
// prove that every one of them came back.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <vector>

#include "abi/unknown.h"

namespace aaxhost {

// One step in the life of a stand-in object's references, in the order they happened.
struct ReferenceEvent {
    enum class Kind { kQuery, kAddRef, kRelease };
    Kind kind;
    // For kQuery the identifier asked for; otherwise the identifier under which the interface
    // that took or gave the reference was handed out.
    InterfaceId iid;

    bool operator==(const ReferenceEvent& other) const = default;
};
std::ostream& operator<<(std::ostream& stream, const ReferenceEvent& event);

// How QueryInterface answers one identifier.
enum class Answer {
    kInterface,        // the interface when the object has it, else ACF_E_NOINTERFACE
    kRefuse,           // ACF_E_NOINTERFACE and a null out pointer
    kNullWithSuccess,  // AAX_SUCCESS and a null out pointer, as a faulty host does
};

// Answers are set before the object is handed out; references may be taken and given on any
// thread.
class StandInObject {
  public:
    StandInObject(const StandInObject&) = delete;
    StandInObject& operator=(const StandInObject&) = delete;

    void SetAnswer(const InterfaceId& iid, Answer answer);
    void Refuse(const InterfaceId& iid) { SetAnswer(iid, Answer::kRefuse); }
    // Answers `iid` with what `provider` answers, as a host's controller hands out the other
    // objects of the instance; the reference is then the provider's. A null provider withdraws
    // the loan. The object's own interfaces and refusals come first.
    void Lend(const InterfaceId& iid, IACFUnknown* provider);

    // References handed out and not yet given back; negative after too many releases.
    int64_t OutstandingReferences() const;
    std::vector<ReferenceEvent> ReferenceEvents() const;

    // The object's identity, to hand to the module; no reference is added.
    IACFUnknown* Unknown() const;

    // The IACFUnknown operations of all the object's interfaces; `through` names the interface
    // that was called.
    Result QueryInterface(const InterfaceId& iid, void** out);
    uint32_t AddRef(const InterfaceId& through);
    uint32_t Release(const InterfaceId& through);

  protected:
    StandInObject() = default;
    ~StandInObject() = default;

    // Answers `iid` with `facet`, an interface implementation that the derived object owns. The
    // first interface offered is also the object's IACFUnknown.
    template <class Interface>
    void Offer(const InterfaceId& iid, Interface* facet) {
        mOffered.push_back(Offered{iid, static_cast<void*>(facet), facet});
    }

  private:
    struct Offered {
        InterfaceId iid;
        void* pointer;
        IACFUnknown* unknown;
    };

    void Note(ReferenceEvent::Kind kind, const InterfaceId& iid);
    Answer AnswerFor(const InterfaceId& iid) const;
    const Offered* Find(const InterfaceId& iid) const;
    IACFUnknown* Lender(const InterfaceId& iid) const;

    std::vector<Offered> mOffered;
    std::vector<std::pair<InterfaceId, Answer>> mAnswers;
    std::vector<std::pair<InterfaceId, IACFUnknown*>> mLoans;
    std::atomic<int64_t> mReferences{0};
    mutable std::mutex mEventsMutex;
    std::vector<ReferenceEvent> mEvents;
};

// One interface of a stand-in object. Its IACFUnknown operations reach the owner, tagged with the
// identifier under which the interface is handed out.
template <class Interface>
class StandInFacet : public Interface {
  public:
    StandInFacet(StandInObject& owner, const InterfaceId& iid) : mOwner(owner), mIid(iid) {}

    Result QueryInterface(const InterfaceId& iid, void** out) override {
        return mOwner.QueryInterface(iid, out);
    }
    uint32_t AddRef() override { return mOwner.AddRef(mIid); }
    uint32_t Release() override { return mOwner.Release(mIid); }

  private:
    StandInObject& mOwner;
    const InterfaceId mIid;
};

}  // namespace aaxhost
