#include "tools/aaxhost/program/block_handover.h"

namespace aaxhost {

void BlockHandover::Run() {
    std::unique_lock<std::mutex> lock(mMutex);
    mState = State::kBlockReady;
    mChanged.notify_all();
    mChanged.wait(lock, [this] { return mState == State::kBlockDone; });
    mState = State::kIdle;
}

void BlockHandover::Stop() {
    Become(State::kStop);
}

bool BlockHandover::AwaitBlock() {
    std::unique_lock<std::mutex> lock(mMutex);
    mChanged.wait(lock, [this] { return mState == State::kBlockReady || mState == State::kStop; });
    return mState == State::kBlockReady;
}

void BlockHandover::FinishBlock() {
    Become(State::kBlockDone);
}

void BlockHandover::Become(State state) {
    const std::lock_guard<std::mutex> lock(mMutex);
    mState = state;
    mChanged.notify_all();
}

}  // namespace aaxhost
