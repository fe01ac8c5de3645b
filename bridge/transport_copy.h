// Per-block copy of the host transport into the state that the plug-in's time requests read.
// Real-time thread.
#pragma once

class AAX_ITransport;
class VstCallBack;

// Playing state, tempo, meter and, while playing, the musical and sample position. A start
// block (playing after a time request saw the transport stopped) fixes the position's origin.
// Expects the three valid flags cleared for the block: a failing query leaves only its own flag
// clear, and without a sample location the block has no tempo, meter or position.
void CopyTransport(const AAX_ITransport& transport, VstCallBack& callBack);
