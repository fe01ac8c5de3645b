// aaxhost edit: the effect's editor inside a real top-level window, idled by the host's timer
// while a render thread plays through the instance, as a workstation shows a plug-in window.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "tools/aaxhost/program/playing_render.h"
#include "tools/aaxhost/program/program.h"
#include "tools/aaxhost/program/scripted_drag.h"
#include "tools/aaxhost/program/state_file.h"
#include "tools/aaxhost/window/host_window.h"
#include "tools/aaxhost/window/png_file.h"

namespace aaxhost {
namespace {

using Clock = std::chrono::steady_clock;

// About 30 timer wake-ups a second, as workstations idle plug-in windows.
constexpr std::chrono::milliseconds kTick{33};
// The editor draws for this long before a drag starts, and the host's answers to the drag's
// requests come back for this long after it ends.
constexpr int32_t kSettleTicks = 10;

constexpr int32_t kSlotSetRequest = 5;
constexpr int32_t kSlotTouch = 7;
constexpr int32_t kSlotRelease = 8;

// The view size the editor reports, in whole pixels.
bool EditorPixels(EffectInstance& instance, int32_t& width, int32_t& height, std::ostream& err) {
    AAX_Point size{};
    const Result result = instance.EditorSize(size);
    width = static_cast<int32_t>(size.horz);
    height = static_cast<int32_t>(size.vert);
    if (result == AAX_SUCCESS && width > 0 && height > 0) return true;
    err << "aaxhost: the editor reports no usable size (result " << result << ", " << width << " x "
        << height << ")\n";
    return false;
}

std::string Hex(const void* handle) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", handle);
    return text;
}

// What the host's automation service received: touches, set requests and releases.
void PrintAutomation(EffectInstance& instance, std::ostream& out) {
    for (const Call& call : instance.Automation().Log().Calls()) {
        const auto* identifier =
            call.arguments.empty() ? nullptr : std::get_if<std::string>(&call.arguments[0]);
        if (identifier == nullptr) continue;
        if (call.slot == kSlotTouch) out << "automation: touch " << *identifier << '\n';
        if (call.slot == kSlotRelease) out << "automation: release " << *identifier << '\n';
        if (call.slot == kSlotSetRequest && call.arguments.size() > 1) {
            out << "automation: set " << *identifier << ' ' << std::get<double>(call.arguments[1])
                << '\n';
        }
    }
}

// The drag's path from the parameter's value now to the one asked for; false after a message.
bool PlanDrag(EffectInstance& instance, const EditOptions& edit, int32_t width, int32_t height,
              DragPath& path, std::ostream& out, std::ostream& err) {
    double current = 0.0;
    const Result read =
        instance.Effect().GetParameterNormalizedValue(edit.dragParameter.c_str(), &current);
    if (read != AAX_SUCCESS) {
        err << "aaxhost: the effect has no parameter '" << edit.dragParameter << "' (result "
            << read << ")\n";
        return false;
    }
    const std::optional<DragPath> planned =
        BarDragPath(edit.dragParameter, static_cast<float>(current), edit.dragValue, width, height);
    if (!planned) {
        err << "aaxhost: the editor's layout has no control for '" << edit.dragParameter << "'\n";
        return false;
    }
    path = *planned;
    out << "drag: " << edit.dragParameter << " from " << current << " (x " << path.fromX << ") to "
        << edit.dragValue << " (x " << path.toX << ") at y " << path.y << '\n';
    return true;
}

// What the editing left in the plug-in, in the file of `aaxhost state save`.
bool SaveStateFile(EffectInstance& instance, const std::string& path, std::ostream& out,
                   std::ostream& err) {
    SavedState state;
    const Result saved = instance.SaveState(state);
    std::string error;
    if (saved != AAX_SUCCESS) {
        err << "aaxhost: saving the state failed with " << saved << '\n';
        return false;
    }
    if (!WriteWholeFile(path, EncodeStateFile(state), error)) {
        err << "aaxhost: " << error << '\n';
        return false;
    }
    out << "state: " << path << " (" << state.data.size() << " bytes)\n";
    return true;
}

}  // namespace

int EditCommand(const Options& options, std::ostream& out, std::ostream& err) {
    const EditOptions& edit = options.edit;
    std::unique_ptr<ModuleSession> session = OpenModule(options.module, err);
    if (session == nullptr) return kExitFailure;
    std::unique_ptr<EffectInstance> instance = OpenInstance(*session, options.module, err);
    if (instance == nullptr) return kExitFailure;
    // Only the automation service records: the editor's edits reach it on this thread.
    instance->Automation().Log().SetRecording(true);

    const Result made = instance->MakeEditor();
    int32_t width = 0;
    int32_t height = 0;
    if (made != AAX_SUCCESS) {
        err << "aaxhost: the effect gave no editor (result " << made << ")\n";
        return kExitFailure;
    }
    if (!EditorPixels(*instance, width, height, err)) return kExitFailure;
    std::string error;
    std::unique_ptr<HostWindow> window = HostWindow::Open(
        "aaxhost edit: " + std::filesystem::path(options.module).filename().string(), width, height,
        error);
    if (window == nullptr) {
        err << "aaxhost: " << error << '\n';
        return kExitFailure;
    }
    const Result opened = instance->OpenEditor(kViewTypeWindowHandle, window->NativeHandle());
    if (opened != AAX_SUCCESS) {
        err << "aaxhost: attaching the window failed with " << opened << '\n';
        return kExitFailure;
    }
    // Some editors know their size only once open.
    int32_t openWidth = width;
    int32_t openHeight = height;
    if (EditorPixels(*instance, openWidth, openHeight, err) &&
        (openWidth != width || openHeight != height)) {
        width = openWidth;
        height = openHeight;
        window->Resize(width, height);
    }
    out << "window: " << Hex(window->NativeHandle()) << ' ' << width << " x " << height << '\n';

    int exitCode = 0;
    std::optional<ScriptedDrag> drag;
    uint64_t blocksAtDragStart = 0;
    int32_t ticks = 0;
    int32_t ticksAfterDrag = -1;
    {
        PlayingRender render(*instance);
        const Clock::time_point start = Clock::now();
        const auto due = edit.seconds ? std::chrono::duration_cast<Clock::duration>(
                                            std::chrono::duration<double>(*edit.seconds))
                                      : Clock::duration::max();
        Clock::time_point nextTick = start + kTick;
        while (window->HandleEvents(std::chrono::duration_cast<std::chrono::milliseconds>(
            std::max(nextTick - Clock::now(), Clock::duration::zero())))) {
            if (Clock::now() < nextTick) continue;
            nextTick += kTick;
            ++ticks;
            instance->IdleEditor();
            instance->Service();
            if (!edit.dragParameter.empty() && ticks == kSettleTicks) {
                DragPath path;
                if (!PlanDrag(*instance, edit, width, height, path, out, err)) {
                    exitCode = kExitFailure;
                    break;
                }
                drag.emplace(*window, path);
                blocksAtDragStart = render.Blocks();
            }
            if (drag && ticksAfterDrag < 0 && !drag->Step()) {
                ticksAfterDrag = 0;
                out << "drag: " << render.Blocks() - blocksAtDragStart
                    << " blocks rendered during the drag\n";
            } else if (ticksAfterDrag >= 0) {
                ++ticksAfterDrag;
            }
            const bool dragDone = edit.dragParameter.empty() || ticksAfterDrag >= kSettleTicks;
            if (Clock::now() - start >= due && dragDone) break;
        }
        if (drag && drag->Refused()) {
            err << "aaxhost: the window system refused the drag's input\n";
            exitCode = kExitFailure;
        }
        if (!edit.screenshotFile.empty()) {
            WindowImage image;
            if (window->Capture(image, error) && WritePngFile(edit.screenshotFile, image, error)) {
                out << "screenshot: " << edit.screenshotFile << " (" << image.width << " x "
                    << image.height << ")\n";
            } else {
                err << "aaxhost: screenshot: " << error << '\n';
                exitCode = kExitFailure;
            }
        }
        out << "rendered: " << render.Blocks() << " blocks, " << ticks << " timer wake-ups\n";
    }
    if (!edit.dragParameter.empty()) {
        PrintAutomation(*instance, out);
        double value = 0.0;
        instance->Effect().GetParameterNormalizedValue(edit.dragParameter.c_str(), &value);
        out << "value: " << edit.dragParameter << ' ' << value << '\n';
    }
    instance->CloseEditor();
    window.reset();
    if (!edit.stateFile.empty() && !SaveStateFile(*instance, edit.stateFile, out, err)) {
        exitCode = kExitFailure;
    }
    instance->Close();
    const int64_t outstanding = instance->OutstandingReferences();
    out << "closed: view detached, editor released, instance uninitialised; " << outstanding
        << " host references outstanding\n";
    return outstanding == 0 ? exitCode : kExitFailure;
}

}  // namespace aaxhost
