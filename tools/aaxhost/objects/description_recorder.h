// The description side of the stand-in host. It provides the four description classes through the
// stand-in component factory, makes a new recording object for each request of the module, owns
// them all, and keeps one ordered record of every call they receive. Before registration a test
// can make the host refuse any of them: a class, an interface of the objects of a kind, or the
// calls of one slot. After it, the package that the host kept tells the host what to call later.
// One registration thread; the record may be read from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include "abi/host_collection.h"
#include "abi/host_component_descriptor.h"
#include "abi/host_effect_descriptor.h"
#include "abi/host_property_map.h"
#include "tools/aaxhost/objects/component_factory.h"
#include "tools/aaxhost/objects/recording_collection.h"
#include "tools/aaxhost/objects/recording_component_descriptor.h"
#include "tools/aaxhost/objects/recording_effect_descriptor.h"
#include "tools/aaxhost/objects/recording_object.h"
#include "tools/aaxhost/objects/recording_property_map.h"

namespace aaxhost {

class DescriptionRecorder {
  public:
    // Provides the description classes through `factory`, which must outlive the recorder's use.
    explicit DescriptionRecorder(StandInComponentFactory& factory);
    DescriptionRecorder(const DescriptionRecorder&) = delete;
    DescriptionRecorder& operator=(const DescriptionRecorder&) = delete;

    // The factory refuses to create objects of `kind` (ACF_E_NOINTERFACE).
    void RefuseCreation(DescriptionObject kind);
    // Every object of `kind` made from now on answers `iid` this way.
    void SetAnswer(DescriptionObject kind, const InterfaceId& iid, Answer answer);
    // The calls on the objects of `kind`. Results set on it (CallLog::SetResult) answer the calls
    // on every object of that kind from then on; a failure result leaves the object unchanged.
    CallLog& Log(DescriptionObject kind);

    // Every call on every description object, in order.
    std::vector<DescriptionCall> Calls() const;
    // The objects made, by kind, in the order made.
    size_t Count(DescriptionObject kind) const;
    RecordingCollection& Collection(size_t serial) const;
    RecordingEffectDescriptor& EffectDescriptor(size_t serial) const;
    RecordingComponentDescriptor& ComponentDescriptor(size_t serial) const;
    RecordingPropertyMap& PropertyMap(size_t serial) const;
    RecordingObject& Object(DescriptionObject kind, size_t serial) const;
    // References handed out on all description objects and not yet given back.
    int64_t OutstandingReferences() const;

    // The object behind an interface that the module handed back, or null for null or an
    // interface of no description object.
    const RecordingEffectDescriptor* FindEffectDescriptor(
        const HostEffectDescriptor* descriptor) const;
    const RecordingComponentDescriptor* FindComponentDescriptor(
        const HostComponentDescriptor* descriptor) const;
    const RecordingPropertyMap* FindPropertyMap(const HostPropertyMap* map) const;

  private:
    friend class RecordingObject;

    Result Reply(const RecordingObject& object, int32_t slot, std::vector<CallArgument> arguments);
    // Makes the next object of a kind for the factory, or refuses with null.
    template <class Made>
    StandInObject* Make(std::vector<std::unique_ptr<Made>>& objects, DescriptionObject kind);

    std::vector<std::unique_ptr<RecordingCollection>> mCollections;
    std::vector<std::unique_ptr<RecordingEffectDescriptor>> mEffectDescriptors;
    std::vector<std::unique_ptr<RecordingComponentDescriptor>> mComponentDescriptors;
    std::vector<std::unique_ptr<RecordingPropertyMap>> mPropertyMaps;

    std::set<DescriptionObject> mRefused;
    std::vector<std::pair<DescriptionObject, std::pair<InterfaceId, Answer>>> mAnswers;
    CallLog mLogs[4];

    mutable std::mutex mCallsMutex;
    std::vector<DescriptionCall> mCalls;
};

}  // namespace aaxhost
