#pragma once

#include <deque>
#include <functional>

namespace orvanta {

// Keeps device sequences from interleaving. The waits inside a sequence let
// window events run, and one of them may ask for another sequence (a tracking
// tick, a slider move, a keystroke): that one is queued and runs once the
// current sequence has ended. A queued request is replaced by a newer one with
// the same key, so a slider dragged during a latch pulse sends its latest
// position rather than every step of the drag.
class SequenceQueue {
public:
    void run(int key, std::function<void()> sequence);
    // Runs step at once as part of the sequence in progress: the sequences it
    // asks for go out now, in their place, instead of after the current one.
    // The step must not wait, or a request from a dispatched event would be
    // taken for part of it.
    void runInPlace(const std::function<void()> &step);

private:
    struct Pending {
        int key;
        std::function<void()> sequence;
    };
    std::deque<Pending> pending_;
    bool running_ = false;
    bool inPlace_ = false;
};

} // namespace orvanta
