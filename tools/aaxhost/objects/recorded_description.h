// What the module declared to the stand-in host during registration, as the host keeps it: the
// package, its effects, their components with the fields of the algorithm context, properties,
// process procedure and creation procedures. A host finds everything it later calls here.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "abi/algorithm_context.h"
#include "abi/description_types.h"

namespace aaxhost {

// Properties in the order they were first added; a later value for an identifier replaces the
// earlier one in place.
using Properties = std::vector<std::pair<PropertyId, PropertyValue>>;

std::optional<PropertyValue> FindProperty(const Properties& properties, PropertyId id);

// One declaration of an algorithm context field. Members that do not belong to the kind are 0.
struct DeclaredField {
    enum class Kind {
        kAudioIn,
        kAudioOut,
        kBufferLength,
        kSideChainIn,
        kDataInPort,
        kMidiNode,
        // A declaration that the host keeps only by its slot on the component descriptor.
        kOther,
    };
    FieldIndex index = 0;
    Kind kind = Kind::kOther;
    uint32_t packetSize = 0;
    int32_t portType = 0;
    int32_t nodeType = 0;
    std::string nodeName{};
    uint32_t channelMask = 0;
    int32_t hostSlot = 0;

    bool operator==(const DeclaredField& other) const = default;
};
std::ostream& operator<<(std::ostream& stream, const DeclaredField& field);

struct ProcessProcedure {
    ProcessProc procedure = nullptr;
    // The properties of the map given with the procedure, when one was given.
    std::optional<Properties> properties;
    InstanceInitProc instanceInitProc = nullptr;
    BackgroundProc backgroundProc = nullptr;
    uint32_t* processProcID = nullptr;

    bool operator==(const ProcessProcedure& other) const = default;
};

struct Component {
    std::vector<DeclaredField> fields;
    std::vector<ProcessProcedure> processProcedures;

    bool operator==(const Component& other) const = default;
};

struct CreationProcedure {
    CreationProc procedure = nullptr;
    uint32_t procID = 0;

    bool operator==(const CreationProcedure& other) const = default;
};

struct Effect {
    // Given when the effect is added to the collection.
    std::string identifier;
    std::vector<std::string> names;
    std::vector<uint32_t> categories;
    std::vector<Component> components;
    std::vector<CreationProcedure> creationProcedures;
    std::vector<std::pair<int32_t, std::string>> resources;
    std::optional<Properties> properties;

    // The procedure registered under `procID`, or null.
    CreationProc FindCreationProcedure(uint32_t procID) const;
};

struct Package {
    std::string manufacturer;
    std::vector<std::string> names;
    uint32_t version = 0;
    std::vector<Effect> effects;
    std::optional<Properties> properties;
};

}  // namespace aaxhost
