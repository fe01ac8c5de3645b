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

#include "abi/acf.h"

namespace aaxhost {

// One step in the life of a stand-in object's references, in the order they happened.
struct ReferenceEvent {
    enum class Kind { kQuery, kAddRef, kRelease };
    Kind kind;
    // For kQuery the identifier asked for; otherwise the identifier under which the interface
    // that took or gave the reference was handed out.
    acfIID iid;

    bool operator==(const ReferenceEvent& other) const = default;
};
std::ostream& operator<<(std::ostream& stream, const ReferenceEvent& event);

// How QueryInterface answers one identifier.
enum class Answer {
    kInterface,        // the interface when the object has it, else ACF_E_NOINTERFACE
    kRefuse,           // ACF_E_NOINTERFACE and a null out pointer
    kNullWithSuccess,  // ACF_OK and a null out pointer, as a faulty host does
};

// Answers are set before the object is handed out; references may be taken and given on any
// thread.
class StandInObject {
  public:
    StandInObject(const StandInObject&) = delete;
    StandInObject& operator=(const StandInObject&) = delete;

    void SetAnswer(const acfIID& iid, Answer answer);
    void Refuse(const acfIID& iid) { SetAnswer(iid, Answer::kRefuse); }
    // Answers `iid` with what `provider` answers, as a host's controller hands out the other
    // objects of the instance; the reference is then the provider's. A null provider withdraws
    // the loan. The object's own interfaces and refusals come first.
    void Lend(const acfIID& iid, IACFUnknown* provider);

    // References handed out and not yet given back; negative after too many releases.
    int64_t OutstandingReferences() const;
    std::vector<ReferenceEvent> ReferenceEvents() const;

    // The object's identity, to hand to the module; no reference is added.
    IACFUnknown* Unknown() const;

    // The IACFUnknown operations of all the object's interfaces; `through` names the interface
    // that was called.
    ACFRESULT QueryInterface(const acfIID& iid, void** out);
    uint32_t AddRef(const acfIID& through);
    uint32_t Release(const acfIID& through);

  protected:
    StandInObject() = default;
    ~StandInObject() = default;

    // Answers `iid` with `facet`, an interface implementation that the derived object owns. The
    // first interface offered is also the object's IACFUnknown.
    template <class Interface>
    void Offer(const acfIID& iid, Interface* facet) {
        mOffered.push_back(Offered{iid, static_cast<void*>(facet), facet});
    }

  private:
    struct Offered {
        acfIID iid;
        void* pointer;
        IACFUnknown* unknown;
    };

    void Note(ReferenceEvent::Kind kind, const acfIID& iid);
    Answer AnswerFor(const acfIID& iid) const;
    const Offered* Find(const acfIID& iid) const;
    IACFUnknown* Lender(const acfIID& iid) const;

    std::vector<Offered> mOffered;
    std::vector<std::pair<acfIID, Answer>> mAnswers;
    std::vector<std::pair<acfIID, IACFUnknown*>> mLoans;
    std::atomic<int64_t> mReferences{0};
    mutable std::mutex mEventsMutex;
    std::vector<ReferenceEvent> mEvents;
};

// One interface of a stand-in object. Its IACFUnknown operations reach the owner, tagged with the
// identifier under which the interface is handed out.
template <class Interface>
class StandInFacet : public Interface {
  public:
    StandInFacet(StandInObject& owner, const acfIID& iid) : mOwner(owner), mIid(iid) {}

    ACFRESULT QueryInterface(const acfIID& iid, void** out) override {
        return mOwner.QueryInterface(iid, out);
    }
    uint32_t AddRef() override { return mOwner.AddRef(mIid); }
    uint32_t Release() override { return mOwner.Release(mIid); }

  private:
    StandInObject& mOwner;
    const acfIID mIid;
};

}  // namespace aaxhost
