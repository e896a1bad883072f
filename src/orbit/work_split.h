#pragma once

#include <cstddef>
#include <functional>

// Work split over the machine's cores: independent items (satellites), each
// done whole by one thread, so that callers keep their results in the order
// of the items whatever thread did them.
namespace orvanta::orbit {

// The cores this machine offers, at least 1.
unsigned availableCores();

// Runs work(i) once for every i in [0, count), on at most `threads` threads
// (the calling one among them). Items are handed out one at a time, so a
// slow satellite does not hold up the others. The first exception thrown by
// any work is rethrown here once every thread has stopped.
void forEachItem(std::size_t count, unsigned threads, const std::function<void(std::size_t)> &work);

} // namespace orvanta::orbit
