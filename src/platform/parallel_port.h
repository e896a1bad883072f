#pragma once

namespace orvanta {

// Byte output to an I/O address, as the FodTrack interface needs it: the low
// byte of value goes to the port at address.
class ParallelPort {
public:
    virtual ~ParallelPort() = default;
    virtual void Out32(int address, int value) = 0;
};

} // namespace orvanta
