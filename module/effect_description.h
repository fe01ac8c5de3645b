// The description of the module's one effect: names, category, a mono and a stereo component
// with the fields of the algorithm context, and the creation procedures of the effect's objects.
// A fixed sequence of calls on the description interfaces; nothing in it depends on the wrapped
// plug-in.
#pragma once

#include "abi/description_types.h"
#include "abi/result.h"
#include "module/description_interfaces.h"

// The host's category of the effect.
constexpr uint32_t kEffectCategory = 32;

// Describes the effect into `effect`:
//   1. a new component descriptor (AAX_ERROR_NULL_OBJECT, and nothing else, without one);
//   2. the three names, longest first, and the category;
//   3. the mono, then the stereo component, each on the cleared component descriptor;
//   4. creation procedure 0, the resource information, creation procedure 1.
// The host's answers to steps 2 to 4 are not examined: with a component descriptor the result is
// AAX_SUCCESS.
Result DescribeEffect(AAX_IEffectDescriptor& effect);

// Declares the eleven fields of the algorithm context for `stemFormat`, then, in a new property
// map of `component`, the component's properties and RenderCallback as its process procedure.
// Without a property map the component has neither. The host's answers are not examined.
void DescribeComponent(StemFormat stemFormat, AAX_IComponentDescriptor& component);
