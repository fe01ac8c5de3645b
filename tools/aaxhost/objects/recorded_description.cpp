#include "tools/aaxhost/objects/recorded_description.h"

#include <algorithm>

namespace aaxhost {

std::optional<PropertyValue> FindProperty(const Properties& properties, PropertyId id) {
    const auto found = std::find_if(properties.begin(), properties.end(),
                                    [id](const auto& property) { return property.first == id; });
    if (found == properties.end()) return std::nullopt;
    return found->second;
}

std::ostream& operator<<(std::ostream& stream, const DeclaredField& field) {
    static const char* const kKindNames[] = {"audio in",      "audio out",    "buffer length",
                                             "side-chain in", "data in port", "MIDI node",
                                             "other"};
    stream << "field " << field.index << ": " << kKindNames[static_cast<int>(field.kind)];
    switch (field.kind) {
        case DeclaredField::Kind::kDataInPort:
            stream << ", " << field.packetSize << " bytes, port type " << field.portType;
            break;
        case DeclaredField::Kind::kMidiNode:
            stream << ", node type " << field.nodeType << " \"" << field.nodeName << "\", mask "
                   << field.channelMask;
            break;
        case DeclaredField::Kind::kOther:
            stream << " through host slot " << field.hostSlot;
            break;
        default:
            break;
    }
    return stream;
}

CreationProc Effect::FindCreationProcedure(uint32_t procID) const {
    const auto found =
        std::find_if(creationProcedures.begin(), creationProcedures.end(),
                     [procID](const CreationProcedure& entry) { return entry.procID == procID; });
    return found == creationProcedures.end() ? nullptr : found->procedure;
}

}  // namespace aaxhost
