#include "tests/support/test_creation_procedures.h"

#include <new>

#include "module/creation_procedures.h"
#include "module/object_model.h"

namespace {

template <const InterfaceId& kOwnIdentifier>
class TestCreatedObject final : public CountedObject<IACFUnknown> {
  public:
    Result InternalQueryInterface(const InterfaceId& iid, void** out) override {
        if (out != nullptr && iid == kOwnIdentifier) {
            IACFUnknown* self = this;
            *out = self;
            self->AddRef();
            return AAX_SUCCESS;
        }
        return CACFUnknown::InternalQueryInterface(iid, out);
    }
};

}  // namespace

IACFUnknown* CreateEffectParameters() {
    return new (std::nothrow) TestCreatedObject<IID_TestEffectParametersObject>;
}

IACFUnknown* CreateEffectGUI() {
    return new (std::nothrow) TestCreatedObject<IID_TestEffectGUIObject>;
}
