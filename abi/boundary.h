// How an interface that crosses to the workstation gets the table layout of the Windows platform
// compiler in every build: slot 0 is the destructor, every other slot one named operation.
//
// That compiler gives a virtual destructor one table entry, the deleting destructor: it takes a
// 32-bit flags word, destroys the object, frees it when bit 0 is set and returns the object's
// address. GCC and Clang with the Itanium layout (mingw-w64 included) give a virtual destructor
// two entries, which would move every later slot by one. So a boundary interface writes
//
//     class SomeInterface {
//       public:
//         VQ318_BOUNDARY_DESTRUCTOR(SomeInterface)      // 0
//         virtual int32_t FirstOperation() = 0;     // 1
//     };
//
// which is the ordinary virtual destructor under the platform compiler and, elsewhere, one pure
// operation `DeletingDestructor` with that contract beside a protected non-virtual destructor.
// Implementations derive from BoundaryObject<Interface>, which supplies slot 0, and an object is
// deleted through an interface pointer only with DeleteThroughInterface.
//
// The platform compiler also orders overloaded virtual operations its own way, so a boundary
// interface overloads none. Boundary headers include only freestanding headers, so that the
// layout check can compile them for the platform compiler's target without its system headers.
//
// Boundary: AAX_IString, AAX_ITransport, MidiNode, AAX_IParameter, and the ACF interfaces
// (IACFUnknown and every interface derived from it, which have no destructor slot at all).
// Internal, with ordinary C++ destructors: the module-side host service interfaces in host/
// (AAX_IController, AAX_IAutomationDelegate, AAX_IViewContainer, AAX_IHostServices), the taper
// and display delegates, packet handlers, the parameter lookup, and the bridge's automation target
// and editor link.
#pragma once

#include <cstdint>

#if defined(_MSC_VER)
#define VQ318_BOUNDARY_DESTRUCTOR(Interface) \
  public:                                    \
    virtual ~Interface() = default;
#else
#define VQ318_BOUNDARY_DESTRUCTOR(Interface)              \
  public:                                                 \
    virtual void* DeletingDestructor(uint32_t flags) = 0; \
                                                          \
  protected:                                              \
    ~Interface() = default;                               \
                                                          \
  public:
#endif

// Destroys and frees an object through the interface a caller holds; null is ignored.
template <class Interface>
void DeleteThroughInterface(Interface* object) {
#if defined(_MSC_VER)
    delete object;
#else
    if (object != nullptr) object->DeletingDestructor(1u);
#endif
}

// For owning pointers to an interface: std::unique_ptr<SomeInterface, BoundaryDeleter>.
struct BoundaryDeleter {
    template <class Interface>
    void operator()(Interface* object) const {
        DeleteThroughInterface(object);
    }
};

// The base of every implementation of a boundary interface: its destructor is virtual in the
// implementation's own table, after the interface's slots, and slot 0 calls it.
template <class Interface>
class BoundaryObject : public Interface {
  public:
    virtual ~BoundaryObject() = default;

#if !defined(_MSC_VER)
    void* DeletingDestructor(uint32_t flags) override {
        void* const address = this;
        if ((flags & 1u) != 0) {
            delete this;
        } else {
            this->~BoundaryObject();
        }
        return address;
    }
#endif

  protected:
    BoundaryObject() = default;
    BoundaryObject(const BoundaryObject&) = default;
    BoundaryObject& operator=(const BoundaryObject&) = default;
};
