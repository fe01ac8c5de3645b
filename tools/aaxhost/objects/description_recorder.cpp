#include "tools/aaxhost/objects/description_recorder.h"

#include <algorithm>

namespace aaxhost {

namespace {

template <class Object, class Interface>
const Object* FindOffering(const std::vector<std::unique_ptr<Object>>& objects,
                           const Interface* offered) {
    const auto found = std::find_if(objects.begin(), objects.end(), [offered](const auto& object) {
        return object->Offers(offered);
    });
    return found == objects.end() ? nullptr : found->get();
}

template <class Object>
int64_t SumOutstanding(const std::vector<std::unique_ptr<Object>>& objects) {
    int64_t sum = 0;
    for (const auto& object : objects) sum += object->OutstandingReferences();
    return sum;
}

}  // namespace

std::ostream& operator<<(std::ostream& stream, DescriptionObject kind) {
    switch (kind) {
        case DescriptionObject::kCollection:
            return stream << "collection";
        case DescriptionObject::kEffectDescriptor:
            return stream << "effect descriptor";
        case DescriptionObject::kComponentDescriptor:
            return stream << "component descriptor";
        case DescriptionObject::kPropertyMap:
            return stream << "property map";
    }
    return stream;
}

std::ostream& operator<<(std::ostream& stream, const DescriptionCall& call) {
    return stream << call.object << ' ' << call.serial << ", " << call.call;
}

Result RecordingObject::Reply(int32_t slot, std::vector<CallArgument> arguments) {
    return mRecorder.Reply(*this, slot, std::move(arguments));
}

template <class Made>
StandInObject* DescriptionRecorder::Make(std::vector<std::unique_ptr<Made>>& objects,
                                         DescriptionObject kind) {
    if (mRefused.count(kind) != 0) return nullptr;
    objects.push_back(std::make_unique<Made>(*this, objects.size()));
    Made& made = *objects.back();
    for (const auto& [answerKind, answer] : mAnswers) {
        if (answerKind == kind) made.SetAnswer(answer.first, answer.second);
    }
    return &made;
}

DescriptionRecorder::DescriptionRecorder(StandInComponentFactory& factory) {
    factory.ProvideEach(CLSID_HostCollection,
                        [this] { return Make(mCollections, DescriptionObject::kCollection); });
    factory.ProvideEach(CLSID_HostEffectDescriptor, [this] {
        return Make(mEffectDescriptors, DescriptionObject::kEffectDescriptor);
    });
    factory.ProvideEach(CLSID_HostComponentDescriptor, [this] {
        return Make(mComponentDescriptors, DescriptionObject::kComponentDescriptor);
    });
    factory.ProvideEach(CLSID_HostPropertyMap,
                        [this] { return Make(mPropertyMaps, DescriptionObject::kPropertyMap); });
}

void DescriptionRecorder::RefuseCreation(DescriptionObject kind) {
    mRefused.insert(kind);
}

void DescriptionRecorder::SetAnswer(DescriptionObject kind, const InterfaceId& iid, Answer answer) {
    mAnswers.emplace_back(kind, std::make_pair(iid, answer));
}

CallLog& DescriptionRecorder::Log(DescriptionObject kind) {
    return mLogs[static_cast<size_t>(kind)];
}

Result DescriptionRecorder::Reply(const RecordingObject& object, int32_t slot,
                                  std::vector<CallArgument> arguments) {
    std::lock_guard lock(mCallsMutex);
    mCalls.push_back(DescriptionCall{object.Kind(), object.Serial(), {slot, arguments}});
    return Log(object.Kind()).Reply(slot, std::move(arguments));
}

std::vector<DescriptionCall> DescriptionRecorder::Calls() const {
    std::lock_guard lock(mCallsMutex);
    return mCalls;
}

size_t DescriptionRecorder::Count(DescriptionObject kind) const {
    switch (kind) {
        case DescriptionObject::kCollection:
            return mCollections.size();
        case DescriptionObject::kEffectDescriptor:
            return mEffectDescriptors.size();
        case DescriptionObject::kComponentDescriptor:
            return mComponentDescriptors.size();
        case DescriptionObject::kPropertyMap:
            return mPropertyMaps.size();
    }
    return 0;
}

RecordingCollection& DescriptionRecorder::Collection(size_t serial) const {
    return *mCollections.at(serial);
}

RecordingEffectDescriptor& DescriptionRecorder::EffectDescriptor(size_t serial) const {
    return *mEffectDescriptors.at(serial);
}

RecordingComponentDescriptor& DescriptionRecorder::ComponentDescriptor(size_t serial) const {
    return *mComponentDescriptors.at(serial);
}

RecordingPropertyMap& DescriptionRecorder::PropertyMap(size_t serial) const {
    return *mPropertyMaps.at(serial);
}

RecordingObject& DescriptionRecorder::Object(DescriptionObject kind, size_t serial) const {
    switch (kind) {
        case DescriptionObject::kCollection:
            return Collection(serial);
        case DescriptionObject::kEffectDescriptor:
            return EffectDescriptor(serial);
        case DescriptionObject::kComponentDescriptor:
            return ComponentDescriptor(serial);
        case DescriptionObject::kPropertyMap:
            break;
    }
    return PropertyMap(serial);
}

int64_t DescriptionRecorder::OutstandingReferences() const {
    return SumOutstanding(mCollections) + SumOutstanding(mEffectDescriptors) +
           SumOutstanding(mComponentDescriptors) + SumOutstanding(mPropertyMaps);
}

const RecordingEffectDescriptor* DescriptionRecorder::FindEffectDescriptor(
    const HostEffectDescriptor* descriptor) const {
    return FindOffering(mEffectDescriptors, descriptor);
}

const RecordingComponentDescriptor* DescriptionRecorder::FindComponentDescriptor(
    const HostComponentDescriptor* descriptor) const {
    return FindOffering(mComponentDescriptors, descriptor);
}

const RecordingPropertyMap* DescriptionRecorder::FindPropertyMap(const HostPropertyMap* map) const {
    return FindOffering(mPropertyMaps, map);
}

}  // namespace aaxhost
