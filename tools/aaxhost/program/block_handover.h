// Where the host thread and the render thread of the stand-in host meet: the host thread posts a
// block and waits until the render thread has done it, or tells the render thread to stop.
#pragma once

#include <condition_variable>
#include <mutex>

namespace aaxhost {

// A mutex and a condition variable rather than an atomic's wait and notify: in the C++ library of
// the Windows build a waiter compares the value before it takes the lock it sleeps under, and
// notify does not take that lock, so a notify landing in between is lost and both threads sleep
// for good.
class BlockHandover {
  public:
    // Host thread: lets the render thread do one block and returns once it is done.
    void Run();
    // Host thread: the render thread's waiting ends with false, now or after the block in flight.
    void Stop();

    // Render thread: waits for the next block; false once the host thread has stopped it.
    bool AwaitBlock();
    // Render thread: the block AwaitBlock gave is done.
    void FinishBlock();

  private:
    enum class State { kIdle, kBlockReady, kBlockDone, kStop };

    void Become(State state);

    std::mutex mMutex;
    std::condition_variable mChanged;
    State mState = State::kIdle;
};

}  // namespace aaxhost
