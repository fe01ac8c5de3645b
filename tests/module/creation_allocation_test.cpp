// The objects that the creation procedures make, called by slot as a workstation built by another
// compiler calls them, while memory runs out at one allocation. For every N, the step is run with
// its Nth allocation failing: no exception reaches the caller, who gets null or
// ACF_E_UNEXPECTED; the step then succeeds when tried again; and once every object is released
// none is alive and every host reference is back. The sanitizer build also checks for leaks.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "module/creation_procedures.h"
#include "module/object_model.h"
#include "module_calls.h"
#include "tests/process/allocation_counter.h"
#include "tests/support/plugin_test_fixture.h"

namespace {

constexpr uint32_t kUniqueID = 0x56513331;  // the test plug-in's
constexpr int64_t kMostAllocations = 10000;
constexpr size_t kChunkHeaderSize = 56;  // the size field first

// Plug-in parameters "drive", "mode" and "level", and a chunk of 8 bytes.
testplugin::Script ChunkScript() {
    testplugin::Script script = testplugin::DefaultScript();
    script.numParams = 3;
    const char* identifiers[] = {"drive", "mode", "level"};
    for (int32_t i = 0; i < script.numParams; ++i) {
        std::strcpy(script.parameters[i].identifier, identifiers[i]);
        script.parameters[i].automatable = 1;
    }
    script.chunkSize = 8;
    std::memcpy(script.chunk, "8 bytes!", 8);
    return script;
}

// The same plug-in calling the host back from inside every dispatcher call.
testplugin::Script CallingBackScript() {
    testplugin::Script script = ChunkScript();
    script.reentrantHostCalls = 1;
    return script;
}

// The same plug-in keeping no chunk: its chunk is the values of its parameters.
testplugin::Script ValuesScript() {
    testplugin::Script script = ChunkScript();
    script.withoutChunks = 1;
    return script;
}

// The same plug-in taking its parameter values from the chunk it is given.
testplugin::Script ValuesFromChunkScript() {
    testplugin::Script script = ChunkScript();
    script.chunkHoldsValues = 1;
    return script;
}

// The host's objects and the module's objects of one instance, made as far as a step needs them.
class Instance {
  public:
    Instance() {
        ck_controller_init(&controller);
        ck_automation_init(&automation);
        controller.automation = &automation;
        ck_view_init(&view, 3, &window);
    }
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    void MakeEffect() {
        effect = CreateEffectParameters();
        ASSERT_NE(effect, nullptr);
        ck_add_ref(effect);
    }
    void InitializeEffect() {
        ASSERT_EQ(ck_effect_initialize(effect, &controller), 0);
        effectInitialized = true;
        controller.effectParameters = effect;
    }
    void MakeEditor() {
        editor = CreateEffectGUI();
        ASSERT_NE(editor, nullptr);
        ck_add_ref(editor);
    }
    void InitializeEditor() {
        ASSERT_EQ(ck_editor_initialize(editor, &controller), 0);
        editorInitialized = true;
    }
    void AttachView() {
        ASSERT_EQ(ck_editor_set_view_container(editor, &view), 0);
        viewAttached = true;
    }

    // Takes everything down as a host does and checks that nothing is left.
    void Release() {
        if (viewAttached) {
            EXPECT_EQ(ck_editor_set_view_container(editor, nullptr), 0);
        }
        if (editorInitialized) {
            EXPECT_EQ(ck_editor_uninitialize(editor), 0);
        }
        if (editor != nullptr) {
            EXPECT_EQ(ck_release(editor), 0u);
        }
        if (effectInitialized) {
            EXPECT_EQ(ck_effect_uninitialize(effect), 0);
        }
        if (effect != nullptr) {
            EXPECT_EQ(ck_release(effect), 0u);
        }
        EXPECT_EQ(ActiveObjectCount.load(), 0u);
        EXPECT_EQ(controller.references, 1);
        EXPECT_EQ(automation.references, 1);
        EXPECT_EQ(automation.registered, 0);
        EXPECT_EQ(view.references, 1);
    }

    static constexpr uint32_t kChunkRoom = 64;

    ck_controller controller;
    ck_automation automation;
    ck_view view;
    int window = 0;
    void* effect = nullptr;
    void* editor = nullptr;
    bool effectInitialized = false;
    bool editorInitialized = false;
    bool viewAttached = false;
    // The host's chunk record: the header, then room for the data. Made before memory runs out.
    alignas(8) unsigned char chunk[kChunkHeaderSize + kChunkRoom] = {};
};

// A host's step on an instance prepared by `prepare`: `run` gives the step's result (0 for a
// creation that made its object), `adopt` takes what a successful run made into the instance.
struct Step {
    const char* name;
    testplugin::Script (*script)();
    void (*prepare)(Instance&);
    int32_t (*run)(Instance&);
    void (*adopt)(Instance&);
    int32_t failure;  // what the caller gets when memory runs out
};

constexpr int32_t kNull = -1;

// The host takes the new object's first reference and gives it back.
int32_t CreatedAndReleased(void* object) {
    if (object == nullptr) return kNull;
    ck_add_ref(object);
    return ck_release(object) == 0 ? 0 : 1;
}

void Nothing(Instance&) {}

void EffectMade(Instance& instance) {
    instance.MakeEffect();
}

void EffectReady(Instance& instance) {
    instance.MakeEffect();
    instance.InitializeEffect();
}

void EditorMade(Instance& instance) {
    EffectReady(instance);
    instance.MakeEditor();
}

void EditorReady(Instance& instance) {
    EditorMade(instance);
    instance.InitializeEditor();
}

const Step kSteps[] = {
    {"effect-parameters creation", ChunkScript, Nothing,
     [](Instance&) { return CreatedAndReleased(CreateEffectParameters()); }, Nothing, kNull},
    {"effect-parameters initialisation", ChunkScript, EffectMade,
     [](Instance& instance) { return ck_effect_initialize(instance.effect, &instance.controller); },
     [](Instance& instance) { instance.effectInitialized = true; }, ACF_E_UNEXPECTED},
    {"effect-parameters creation, the plug-in calling back", CallingBackScript, Nothing,
     [](Instance&) { return CreatedAndReleased(CreateEffectParameters()); }, Nothing, kNull},
    {"effect-parameters initialisation, the plug-in calling back", CallingBackScript, EffectMade,
     [](Instance& instance) { return ck_effect_initialize(instance.effect, &instance.controller); },
     [](Instance& instance) { instance.effectInitialized = true; }, ACF_E_UNEXPECTED},
    {"editor creation", ChunkScript, EffectReady,
     [](Instance&) { return CreatedAndReleased(CreateEffectGUI()); }, Nothing, kNull},
    {"editor initialisation", ChunkScript, EditorMade,
     [](Instance& instance) { return ck_editor_initialize(instance.editor, &instance.controller); },
     [](Instance& instance) { instance.editorInitialized = true; }, ACF_E_UNEXPECTED},
    {"attaching a view", ChunkScript, EditorReady,
     [](Instance& instance) {
         return ck_editor_set_view_container(instance.editor, &instance.view);
     },
     [](Instance& instance) { instance.viewAttached = true; }, ACF_E_UNEXPECTED},
    {"saving the values chunk", ValuesScript, EffectReady,
     [](Instance& instance) {
         uint32_t size = 0;
         const int32_t result = ck_effect_chunk_size(instance.effect, kUniqueID, &size);
         if (result != 0 || size > Instance::kChunkRoom) return result;
         return ck_effect_get_chunk(instance.effect, kUniqueID, instance.chunk);
     },
     Nothing, ACF_E_UNEXPECTED},
    {"restoring a chunk", ValuesFromChunkScript, EffectReady,
     [](Instance& instance) {
         const float values[] = {0.25f, 0.75f};
         const int32_t size = sizeof values;
         std::memcpy(instance.chunk, &size, sizeof size);
         std::memcpy(instance.chunk + kChunkHeaderSize, values, sizeof values);
         return ck_effect_set_chunk(instance.effect, kUniqueID, instance.chunk);
     },
     Nothing, ACF_E_UNEXPECTED},
};

class OutOfMemoryAtEveryAllocation : public PluginTest {
  protected:
    void TearDown() override {
        allocation::Disarm();
        PluginTest::TearDown();
    }
};

TEST_F(OutOfMemoryAtEveryAllocation, FailsCleanlyAndWorksWhenTriedAgain) {
    for (const Step& step : kSteps) {
        SCOPED_TRACE(step.name);
        int64_t n = 1;
        int64_t refused = 0;
        for (; n < kMostAllocations; ++n) {
            SCOPED_TRACE(testing::Message() << "allocation " << n);
            Control().SetScript(step.script());
            Instance instance;
            step.prepare(instance);
            if (testing::Test::HasFatalFailure()) return;
            int32_t result = 0;
            allocation::FailNth(n);
            try {
                result = step.run(instance);
            } catch (...) {
                ADD_FAILURE() << "an exception reached the caller";
            }
            const bool failed = allocation::Disarm();
            // A part that can do without its memory (the packet dispatcher's operating-system
            // mutex) lets the step succeed.
            if (result == 0) {
                step.adopt(instance);
            } else {
                EXPECT_EQ(result, step.failure);
                ++refused;
                // Nothing half made stays behind: the step works now.
                EXPECT_EQ(step.run(instance), 0);
                step.adopt(instance);
            }
            instance.Release();
            if (testing::Test::HasFailure() || !failed) break;
        }
        // The step allocates, and running out of memory was reported.
        EXPECT_GT(refused, 0);
        EXPECT_LT(n, kMostAllocations);
    }
}

}  // namespace
