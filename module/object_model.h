// The reference-counted object model of every object that the host owns: CACFUnknown with its
// inner unknown, the delegating IACFUnknown of objects whose first base is an ACF interface, and
// the module-wide count of live objects that the unload query reports.
#pragma once

#include <atomic>
#include <cstdint>

#include "abi/unknown.h"

// Objects built on CACFUnknown that have been constructed and not yet destroyed.
extern std::atomic<uint32_t> ActiveObjectCount;

// The implementation base of a reference-counted object. It is not an IACFUnknown itself: its
// inner unknown is, and the object's public interfaces delegate to the outer unknown, which is the
// inner unknown because no object is aggregated. Objects are created with new and a count of 0;
// the release that brings the count back to 0 finalizes and deletes the object.
class CACFUnknown {
  public:
    CACFUnknown();
    CACFUnknown(const CACFUnknown&) = delete;
    CACFUnknown& operator=(const CACFUnknown&) = delete;

    virtual ~CACFUnknown();               // 0
    virtual Result InitializeInstance();  // 1
    // Runs once, when the last reference is released, just before DeleteInstance.
    virtual void FinalizeInstance();  // 2
    virtual void DeleteInstance();    // 3
    // Answers IACFUnknown with the inner unknown. A derived class answers its own interfaces
    // first and passes every other identifier here.
    virtual Result InternalQueryInterface(const InterfaceId& iid, void** out);  // 4
    // Both return the new count; any thread.
    virtual uint32_t InternalAddRef();   // 5
    virtual uint32_t InternalRelease();  // 6

    IACFUnknown* GetOuterUnknown() const { return mOuterUnknown; }

  private:
    // The object's own IACFUnknown, reaching the owner's Internal operations.
    class PrivateUnknown final : public IACFUnknown {
      public:
        explicit PrivateUnknown(CACFUnknown* owner) : mOwner(owner) {}
        Result QueryInterface(const InterfaceId& iid, void** out) override;
        uint32_t AddRef() override;
        uint32_t Release() override;

      private:
        CACFUnknown* mOwner;
    };

    std::atomic<uint32_t> mReferenceCount{0};
    IACFUnknown* mOuterUnknown;
    PrivateUnknown mInnerUnknown;
};

// An object whose first base is the ACF interface `Interface` and whose second is CACFUnknown, so
// that a pointer to the object is a pointer to the interface. This is the one implementation of
// the interface's IACFUnknown operations for every such class: each calls the same operation on
// the outer unknown and returns its result.
template <class Interface>
class CountedObject : public Interface, public CACFUnknown {
  public:
    Result QueryInterface(const InterfaceId& iid, void** out) override {
        return GetOuterUnknown()->QueryInterface(iid, out);
    }
    uint32_t AddRef() override { return GetOuterUnknown()->AddRef(); }
    uint32_t Release() override { return GetOuterUnknown()->Release(); }
};
