// One value on its way to one field of the real-time algorithm's context. Allocated once, when
// the first registration for its field is made; dispatch only refills the payload.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

class AAX_CPacket {
  public:
    // A new packet is dirty so that its first value is posted without any change.
    explicit AAX_CPacket(uint32_t fieldIndex)
        : mFieldIndex(fieldIndex), mDirty(true), mDataSize(0), mPayload(8, 0) {}

    uint32_t GetFieldIndex() const { return mFieldIndex; }
    bool IsDirty() const { return mDirty; }
    void SetDirty(bool dirty) { mDirty = dirty; }
    uint32_t GetDataSize() const { return mDataSize; }
    const uint8_t* GetData() const { return mPayload.data(); }

    // Stores the value's bytes in the processor's byte order and makes its size the data size.
    template <typename T>
    void SetValue(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        mDataSize = sizeof(T);
        mPayload.resize(sizeof(T), 0);
        std::memcpy(mPayload.data(), &value, sizeof(T));
    }

  private:
    uint32_t mFieldIndex;
    bool mDirty;
    uint32_t mDataSize;
    std::vector<uint8_t> mPayload;
};
