#pragma once

#include <cstdint>
#include <span>
#include <string>

// One remote-control protocol. The capture thread pushes every raw sample to
// every decoder and decodes it at once; a completed frame leaves its scan code
// pending until popScanCode(). A scan code of 0 means "none".
class Decoder
{
public:
    virtual ~Decoder();

    virtual const std::string& getDecoderName() const = 0;
    // Appends one raw sample (layout in irSample.h) to the decoder's FIFO.
    virtual void pushRawData(unsigned int sample) = 0;
    // Removes and returns the oldest queued sample, 0 when the FIFO is empty.
    virtual unsigned int popRawData() = 0;
    // The completed scan code, reset to 0 by the call; 0 when none is pending.
    virtual std::uint64_t popScanCode() = 0;
    // Consumes exactly one queued sample and advances the protocol.
    virtual void decode() = 0;
    // Back to idle: state, bit accumulator and pending code zeroed, FIFO emptied.
    virtual void clear() = 0;
};

// The scan code of one decoding step over decoders in registration order: the
// first non-zero code wins, and every later decoder is still popped so that
// none keeps a stale code for the next step. 0 when no decoder has one.
std::uint64_t collectScanCode(std::span<Decoder* const> decoders);
