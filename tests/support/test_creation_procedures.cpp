#include "tests/support/test_creation_procedures.h"

#include <new>

#include "module/creation_procedures.h"
#include "module/object_model.h"

namespace {

template <const acfIID& kOwnIdentifier>
class TestCreatedObject final : public ACFObject<IACFUnknown> {
  public:
    ACFRESULT InternalQueryInterface(const acfIID& iid, void** out) override {
        if (out != nullptr && iid == kOwnIdentifier) {
            IACFUnknown* self = this;
            *out = self;
            self->AddRef();
            return ACF_OK;
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
