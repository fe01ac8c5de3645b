// The text that tells the user the wrapped library could not be loaded. It is kept in one
// process-wide buffer for whoever shows it; the module itself writes no log.
#pragma once

inline constexpr int kLoadFailureMessageSize = 1024;

// Fills the buffer with the message naming the maker and the product. Any thread.
void RecordLoadFailure();

// The recorded message; empty until a load has failed.
const char* LoadFailureMessage();
