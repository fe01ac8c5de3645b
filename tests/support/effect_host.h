// The host side of one effect instance, assembled as a workstation does it: a controller that
// also answers the instance's automation delegate and transport, and that is the data ports of a
// real algorithm context.
#pragma once

#include <vector>

#include "abi/algorithm_context.h"
#include "abi/host_automation_delegate.h"
#include "abi/host_transport.h"
#include "tools/aaxhost/objects/automation_delegate.h"
#include "tools/aaxhost/objects/controller.h"
#include "tools/aaxhost/objects/transport.h"

// The data ports that the effect declares: fields 1, 3, 6, 7 and 8.
inline const std::vector<aaxhost::DataPort> kEffectDataPorts = {
    {kFieldInputChannelCount, 4}, {kFieldOutputChannelCount, 4}, {kFieldMasterBypass, 4},
    {kFieldVstInterface, 8},      {kFieldPluginLoaded, 4},
};

struct EffectHost {
    EffectHost() {
        controller.Lend(IID_HostAutomationDelegate, automation.Unknown());
        controller.Lend(IID_HostTransport, transport.Unknown());
        controller.Lend(IID_HostTransportV2, transport.Unknown());
        controller.ConnectContext(context, kEffectDataPorts);
    }
    EffectHost(const EffectHost&) = delete;
    EffectHost& operator=(const EffectHost&) = delete;

    IACFUnknown* Unknown() const { return controller.Unknown(); }
    // Whether every reference the effect took on the host's objects came back.
    bool ReferencesReturned() const {
        return controller.OutstandingReferences() == 0 && automation.OutstandingReferences() == 0 &&
               transport.OutstandingReferences() == 0;
    }

    aaxhost::StandInController controller;
    aaxhost::StandInAutomationDelegate automation;
    aaxhost::StandInTransport transport;
    AlgorithmContext context{};
};
