// A reference-counted object built the way the effect-parameters and editor objects are: an ACF
// interface first, CACFUnknown second. It notes its finalization and destruction.
#pragma once

#include <atomic>
#include <cstdint>

#include "abi/unknown.h"
#include "module/object_model.h"

class ITestCounter : public IACFUnknown {
  public:
    virtual int32_t Value() = 0;  // 3
};

inline constexpr InterfaceId IID_ITestCounter = MakeUID("6F1C2A0B-3D4E-4F50-8172-93A4B5C6D7E8");

// What happened to test objects, in order; several objects may share one record.
struct LifeRecord {
    std::atomic<int32_t> finalized{0};
    std::atomic<int32_t> destroyed{0};
    // Set by the destructor: whether FinalizeInstance ran on this object before it.
    std::atomic<bool> finalizedBeforeDestruction{false};
};

class TestObject final : public CountedObject<ITestCounter> {
  public:
    explicit TestObject(LifeRecord& record) : mRecord(record) {}
    ~TestObject() override {
        mRecord.finalizedBeforeDestruction = mFinalized;
        ++mRecord.destroyed;
    }

    int32_t Value() override { return 7; }

    void FinalizeInstance() override {
        mFinalized = true;
        ++mRecord.finalized;
    }

    Result InternalQueryInterface(const InterfaceId& iid, void** out) override {
        if (out != nullptr && iid == IID_ITestCounter) {
            ITestCounter* self = this;
            *out = self;
            self->AddRef();
            return AAX_SUCCESS;
        }
        return CACFUnknown::InternalQueryInterface(iid, out);
    }

  private:
    LifeRecord& mRecord;
    bool mFinalized = false;
};
