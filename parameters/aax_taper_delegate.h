// Taper delegates convert a parameter's real value to and from the host's normalized value
// (0.0 to 1.0). Operations in slot order; a parameter owns the clone it was given.
#pragma once

class AAX_ITaperDelegateBase {
  public:
    virtual ~AAX_ITaperDelegateBase() = default;  // 0
};

template <typename T>
class AAX_ITaperDelegate : public AAX_ITaperDelegateBase {
  public:
    ~AAX_ITaperDelegate() override = default;                      // 0
    virtual AAX_ITaperDelegate* Clone() const = 0;                 // 1: owned by the caller
    virtual T GetMaximumValue() const = 0;                         // 2
    virtual T GetMinimumValue() const = 0;                         // 3
    virtual T ConstrainRealValue(T value) const = 0;               // 4
    virtual T NormalizedToReal(double normalizedValue) const = 0;  // 5
    virtual double RealToNormalized(T realValue) const = 0;        // 6
};
