// Reads a fuzz input as a stream of small choices; past the end every read answers zero, so any
// input is a whole script.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

class ByteReader {
  public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool AtEnd() const { return at_ >= size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    uint16_t Word() { return static_cast<uint16_t>(Byte() | (Byte() << 8)); }
    uint32_t Long() {
        return static_cast<uint32_t>(Word() | (static_cast<uint32_t>(Word()) << 16));
    }
    int32_t Signed() { return static_cast<int32_t>(Long()); }
    bool Flag() { return (Byte() & 1) != 0; }

    // A value a host or plug-in might send for a normalized parameter: mostly within 0 to 1,
    // sometimes one of the values that break careless arithmetic.
    double Value() {
        const uint8_t pick = Byte();
        if (pick < 200) return pick / 199.0;
        switch (pick % 10) {
            case 0:
                return std::numeric_limits<double>::quiet_NaN();
            case 1:
                return std::numeric_limits<double>::infinity();
            case 2:
                return -std::numeric_limits<double>::infinity();
            case 3:
                return -1.0;
            case 4:
                return 2.0;
            case 5:
                return 1e300;
            case 6:
                return -0.0;
            case 7:
                return std::numeric_limits<double>::denorm_min();
            case 8:
                return 1.0 + std::numeric_limits<double>::epsilon();
            default:
                return static_cast<double>(Signed());
        }
    }
    // A sample rate: ordinary ones, or 0, negative, NaN and huge.
    float Rate() {
        static constexpr float kRates[] = {44100.0f,
                                           48000.0f,
                                           96000.0f,
                                           0.0f,
                                           -48000.0f,
                                           std::numeric_limits<float>::quiet_NaN(),
                                           std::numeric_limits<float>::infinity(),
                                           3.0e38f,
                                           1.0f,
                                           8000.0f,
                                           192000.0f,
                                           48000.0f};
        return kRates[Byte() % (sizeof kRates / sizeof kRates[0])];
    }
    // Up to `most` bytes of the input; fewer near its end.
    size_t Take(void* out, size_t most) {
        const size_t count = std::min<size_t>(most, size_ - std::min(at_, size_));
        if (count > 0) std::memcpy(out, data_ + at_, count);
        at_ += count;
        return count;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};
