#pragma once

// One raw sample of the LIRC device: a 32-bit word read as 4 bytes in host
// byte order. Bits 0-23 hold the duration in microseconds, bit 24 marks a
// pulse (carrier on); bits 24 and 25 together mark the receiver's time-out
// sample. Bits 26-31 are not examined.
namespace IrSample {

inline constexpr unsigned int DurationMask = 0x00FFFFFFu;
inline constexpr unsigned int PulseBit = 0x01000000u;
inline constexpr unsigned int TimeoutBits = 0x03000000u;

constexpr unsigned int duration(unsigned int sample) { return sample & DurationMask; }
constexpr bool isPulse(unsigned int sample) { return (sample & PulseBit) != 0; }
constexpr bool isTimeout(unsigned int sample) { return (sample & TimeoutBits) == TimeoutBits; }

constexpr unsigned int pulse(unsigned int us) { return PulseBit | (us & DurationMask); }
constexpr unsigned int space(unsigned int us) { return us & DurationMask; }
constexpr unsigned int timeout(unsigned int us) { return TimeoutBits | (us & DurationMask); }

} // namespace IrSample
