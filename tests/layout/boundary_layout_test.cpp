// The table index of every boundary operation as this compiler lays it out, read from its member
// pointer: under the Itanium C++ ABI on x86-64 (GCC and Clang, mingw-w64 included) a pointer to a
// virtual member holds 1 + the operation's byte offset in the table. Every index must be the
// listed slot, so the module and a workstation built by another compiler agree.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "tests/layout/boundary_headers.h"

#if defined(__x86_64__) && !defined(_MSC_VER)
#define VQ318_ITANIUM_MEMBER_POINTERS 1
#endif

namespace {

#ifdef VQ318_ITANIUM_MEMBER_POINTERS

struct SlotRow {
    const char* operation;
    size_t listed;
    size_t laidOut;
    bool isVirtual;
};

template <class Member>
SlotRow Row(const char* operation, size_t listed, Member member) {
    struct Representation {
        uintptr_t pointer;
        ptrdiff_t adjustment;
    };
    static_assert(sizeof(Member) == sizeof(Representation));
    Representation representation;
    std::memcpy(&representation, &member, sizeof(representation));
    return {operation, listed, (representation.pointer - 1) / sizeof(void*),
            representation.pointer % 2 == 1};
}

#define BOUNDARY_SLOT(Class, Operation, slot) Row(#Class "::" #Operation, slot, &Class::Operation),
#define BOUNDARY_DESTRUCTOR(Class) \
    Row(#Class "::DeletingDestructor", 0, &Class::DeletingDestructor),

TEST(BoundaryLayout, EveryListedOperationSitsInItsSlot) {
    const std::vector<SlotRow> rows = {
#include "tests/layout/boundary_slots.def"
    };
    ASSERT_GT(rows.size(), 100u);
    for (const SlotRow& row : rows) {
        EXPECT_TRUE(row.isVirtual) << row.operation;
        EXPECT_EQ(row.laidOut, row.listed) << row.operation;
    }
}

#undef BOUNDARY_SLOT
#undef BOUNDARY_DESTRUCTOR

#else

TEST(BoundaryLayout, EveryListedOperationSitsInItsSlot) {
    GTEST_SKIP() << "member pointers of this ABI are not read; the layout check covers it";
}

#endif

// The deleting destructor of slot 0 destroys always and frees only when asked, and answers the
// object's address, as the platform compiler's does.
class CountedString final : public BoundaryObject<AAX_IString> {
  public:
    explicit CountedString(int* destroyed) : mDestroyed(destroyed) {}
    ~CountedString() override { ++*mDestroyed; }
    uint32_t Length() const override { return 0; }
    uint32_t MaxLength() const override { return 0; }
    const char* Get() const override { return ""; }
    void Set(const char*) override {}
    AAX_IString& AssignText(const char*) override { return *this; }
    AAX_IString& AssignString(const AAX_IString&) override { return *this; }

  private:
    int* mDestroyed;
};

TEST(BoundaryLayout, DeletingThroughTheInterfaceRunsTheImplementationsDestructor) {
    int destroyed = 0;
    AAX_IString* string = new CountedString(&destroyed);
    DeleteThroughInterface(string);
    EXPECT_EQ(destroyed, 1);
    DeleteThroughInterface(static_cast<AAX_IString*>(nullptr));
    EXPECT_EQ(destroyed, 1);
}

#if !defined(_MSC_VER)
TEST(BoundaryLayout, DeletingDestructorWithoutTheFreeBitOnlyDestroys) {
    int destroyed = 0;
    alignas(CountedString) unsigned char storage[sizeof(CountedString)];
    auto* string = new (storage) CountedString(&destroyed);
    AAX_IString* asInterface = string;
    EXPECT_EQ(asInterface->DeletingDestructor(0u), static_cast<void*>(storage));
    EXPECT_EQ(destroyed, 1);
}
#endif

}  // namespace
