// The process procedure registered for both channel layouts. The host calls it on its
// real-time thread once per block with the algorithm contexts of all instances sharing the call;
// for each loaded instance it copies the transport into the instance's VstCallBack, hands the
// block's MIDI to the plug-in one message at a time, then runs the plug-in's processReplacing on
// the host's buffers (in slices, with each slice's MIDI before it, when the block is longer than
// the buffers that stand in for channels the host lacks). Allocates nothing, locks nothing, makes
// no system call.
#pragma once

#include "abi/algorithm_context.h"

// Entries from `instancesBegin` up to `instancesEnd` (just past the last); null entries and
// instances whose loaded flag is not exactly 1 are skipped and their outputs left untouched.
void RenderCallback(AlgorithmContext* const instancesBegin[], const void* instancesEnd);
