#include "platform/sequence_queue.h"

namespace orvanta {

void SequenceQueue::run(int key, std::function<void()> sequence)
{
    if (running_ && inPlace_) {
        sequence();
        return;
    }
    if (running_) {
        for (Pending &p : pending_)
            if (p.key == key) {
                p.sequence = std::move(sequence);
                return;
            }
        pending_.push_back({key, std::move(sequence)});
        return;
    }

    // Should a sequence throw, the queue must not stay blocked for good.
    struct Running {
        SequenceQueue &queue;
        explicit Running(SequenceQueue &q) : queue(q) { queue.running_ = true; }
        ~Running()
        {
            queue.running_ = false;
            queue.pending_.clear();
        }
    } running(*this);

    sequence();
    while (!pending_.empty()) {
        std::function<void()> next = std::move(pending_.front().sequence);
        pending_.pop_front();
        next();
    }
}

void SequenceQueue::runInPlace(const std::function<void()> &step)
{
    struct InPlace {
        bool &flag;
        const bool before;
        explicit InPlace(bool &f) : flag(f), before(f) { flag = true; }
        ~InPlace() { flag = before; }
    } inPlace(inPlace_);
    step();
}

} // namespace orvanta
