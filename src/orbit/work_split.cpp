#include "orbit/work_split.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace orvanta::orbit {

unsigned availableCores()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

void forEachItem(std::size_t count, unsigned threads, const std::function<void(std::size_t)> &work)
{
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto run = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            try {
                work(i);
            } catch (...) {
                const std::lock_guard<std::mutex> hold(failureLock);
                if (!failure)
                    failure = std::current_exception();
                next = count; // the others stop after their present item
            }
        }
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(threads, 1u), count) - (count > 0 ? 1 : 0);
    std::vector<std::thread> started;
    started.reserve(helpers);
    for (std::size_t i = 0; i < helpers; ++i)
        started.emplace_back(run);
    run();
    for (std::thread &thread : started)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace orvanta::orbit
