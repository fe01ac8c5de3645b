// Every header that declares an interface listed in boundary_slots.def.
#pragma once

#include "abi/aax_iparameter.h"
#include "abi/aax_istring.h"
#include "abi/acf.h"
#include "abi/component_factory.h"
#include "abi/host_automation_delegate.h"
#include "abi/host_collection.h"
#include "abi/host_component_descriptor.h"
#include "abi/host_controller.h"
#include "abi/host_effect_descriptor.h"
#include "abi/host_property_map.h"
#include "abi/host_services.h"
#include "abi/host_transport.h"
#include "abi/host_view_container.h"
#include "abi/midi.h"
#include "abi/transport.h"
