// The base of the stand-in host's description objects (collection, effect descriptor, component
// descriptor, property map): stand-in objects that a DescriptionRecorder makes for each request
// of the module, and that note every call in the recorder's one ordered record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

#include "tools/aaxhost/objects/call_log.h"
#include "tools/aaxhost/objects/stand_in_object.h"

namespace aaxhost {

class DescriptionRecorder;

enum class DescriptionObject { kCollection, kEffectDescriptor, kComponentDescriptor, kPropertyMap };
std::ostream& operator<<(std::ostream& stream, DescriptionObject kind);

// One call on a description object: its kind, its place among the objects of that kind in the
// order they were made, and the call as the host slot received it.
struct DescriptionCall {
    DescriptionObject object;
    size_t serial;
    Call call;

    bool operator==(const DescriptionCall& other) const = default;
};
std::ostream& operator<<(std::ostream& stream, const DescriptionCall& call);

class RecordingObject : public StandInObject {
  public:
    DescriptionObject Kind() const { return mKind; }
    size_t Serial() const { return mSerial; }

  protected:
    RecordingObject(DescriptionRecorder& recorder, DescriptionObject kind, size_t serial)
        : mRecorder(recorder), mKind(kind), mSerial(serial) {}
    ~RecordingObject() = default;

    DescriptionRecorder& Recorder() const { return mRecorder; }
    // Notes the call and returns the result set for this kind and slot, AAX_SUCCESS until set.
    Result Reply(int32_t slot, std::vector<CallArgument> arguments);

  private:
    DescriptionRecorder& mRecorder;
    const DescriptionObject mKind;
    const size_t mSerial;
};

}  // namespace aaxhost
