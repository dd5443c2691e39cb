#include "irFrameEncoder.h"

#include "lirc/irSample.h"
#include "lirc/mceDecoder.h"
#include "lirc/necDecoder.h"

#include <bit>
#include <cstdio>

namespace {

// Closing gaps of the protocols whose decoders accept any space above a
// threshold: far enough above it to survive a short clock on the sender, far
// enough below 110 ms not to look like a pause.
constexpr unsigned int KaseikyoGap = 74000;
constexpr unsigned int SamsungGap = 52000;
// Sony frames repeat every 45 ms, start to start.
constexpr unsigned int SonyPeriod = 45000;
constexpr unsigned int NecRepeat[] = {9000, 2250, 560, 96800};
// Half a Manchester bit of the MCE frame.
constexpr unsigned int MceUnit = 400;

// Collects samples; consecutive samples of one kind merge into one, which is
// how a Manchester line reaches the receiver.
class Line
{
public:
    explicit Line(std::vector<unsigned int>& out)
        : m_out(out)
    {
    }
    void pulse(unsigned int us) { add_(true, us); }
    void space(unsigned int us) { add_(false, us); }
    void bits(std::uint64_t code, int count, unsigned int mark, unsigned int zero, unsigned int one)
    {
        for (int i = count - 1; i >= 0; --i) {
            pulse(mark);
            space((code >> i) & 1 ? one : zero);
        }
    }

private:
    void add_(bool pulse, unsigned int us)
    {
        const unsigned int sample = pulse ? IrSample::pulse(us) : IrSample::space(us);
        if (!m_out.empty() && m_out.size() > m_start && IrSample::isPulse(m_out.back()) == pulse)
            m_out.back() += us;
        else
            m_out.push_back(sample);
    }

    std::vector<unsigned int>& m_out;
    std::size_t m_start = m_out.size();
};

std::string hex(std::uint64_t code)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(code));
    return text;
}

std::string tooWide(std::string_view protocol, std::uint64_t code, int bits)
{
    return std::string(protocol) + " cannot carry " + hex(code) + " in " + std::to_string(bits) + " bits";
}

void sonyFrame(Line& line, std::uint64_t code, int bits)
{
    unsigned int length = 2400 + 600;
    line.pulse(2400);
    line.space(600);
    for (int i = bits - 2; i >= 0; --i) {
        const unsigned int mark = (code >> i) & 1 ? 1200 : 600;
        line.pulse(mark);
        line.space(600);
        length += mark + 600;
    }
    // The appended 0 bit: its pulse, then the gap that closes the frame.
    line.pulse(600);
    line.space(SonyPeriod - length - 600);
}

void mceFrame(Line& line, std::uint64_t code, int bits, unsigned int endSpace)
{
    line.pulse(6 * MceUnit);
    line.space(2 * MceUnit);
    const auto one = [&] { line.pulse(MceUnit), line.space(MceUnit); };
    const auto zero = [&] { line.space(MceUnit), line.pulse(MceUnit); };
    one(); // start bit
    one(), one(), zero(); // mode 6
    line.space(2 * MceUnit); // trailer bit, double width
    line.pulse(2 * MceUnit);
    for (int i = bits - 1; i >= 0; --i)
        ((code >> i) & 1) ? one() : zero();
    line.space(endSpace);
}

} // namespace

IrFrameEncoder::IrFrameEncoder()
    : IrFrameEncoder(NecDecoder::configuredEndSpace(), MceDecoder::configuredEndSpace())
{
}

IrFrameEncoder::IrFrameEncoder(unsigned int necEndSpace, unsigned int mceEndSpace)
    : m_necEndSpace(necEndSpace)
    , m_mceEndSpace(mceEndSpace)
{
}

const std::vector<std::string_view>& IrFrameEncoder::protocols()
{
    static const std::vector<std::string_view> names {"mce", "nec", "sonySIRC", "sharp", "kaseikyo", "samsung"};
    return names;
}

std::string IrFrameEncoder::encode(std::string_view protocol, std::uint64_t code, int bits, unsigned int repeats,
    std::vector<unsigned int>& samples) const
{
    if (repeats > MaxRepeats)
        return "at most " + std::to_string(MaxRepeats) + " repeats";
    if (code == 0)
        return "a code of 0 reads as no code at all";
    const int width = std::bit_width(code);

    if (protocol == "nec" || protocol == "kaseikyo" || protocol == "samsung") {
        if (bits == DefaultBits)
            bits = protocol == "kaseikyo" ? 48 : 32;
        if (bits < 1 || bits > 64 || width > bits)
            return tooWide(protocol, code, bits);
        Line line(samples);
        for (unsigned int frame = 0; frame <= repeats; ++frame) {
            if (protocol == "nec") {
                if (frame > 0) {
                    line.pulse(NecRepeat[0]), line.space(NecRepeat[1]);
                    line.pulse(NecRepeat[2]), line.space(NecRepeat[3]);
                    continue;
                }
                line.pulse(9000), line.space(4500);
                line.bits(code, bits, 560, 560, 1690);
                line.pulse(560), line.space(m_necEndSpace);
            } else if (protocol == "kaseikyo") {
                line.pulse(3200), line.space(1600);
                line.bits(code, bits, 400, 400, 1200);
                line.pulse(400), line.space(KaseikyoGap);
            } else {
                line.pulse(4500), line.space(4500);
                line.bits(code, bits, 500, 500, 1500);
                line.pulse(500), line.space(SamsungGap);
            }
        }
        return {};
    }

    if (protocol == "sonySIRC") {
        if (bits == DefaultBits)
            bits = width <= 11 ? 12 : width <= 14 ? 15 : 20;
        if ((bits != 12 && bits != 15 && bits != 20) || width > bits - 1)
            return tooWide(protocol, code, bits) + " (12, 15 or 20, the last bit an appended 0)";
        Line line(samples);
        for (unsigned int frame = 0; frame <= repeats; ++frame)
            sonyFrame(line, code, bits);
        return {};
    }

    if (protocol == "sharp") {
        if (bits == DefaultBits)
            bits = 15;
        if (bits != 15 || width > 13)
            return tooWide(protocol, code, bits) + " (13 code bits, then the expansion and check bits)";
        Line line(samples);
        for (unsigned int frame = 0; frame <= repeats; ++frame)
            line.bits(code << 2 | 0b10, 15, 320, 680, 1680);
        return {};
    }

    if (protocol == "mce") {
        if (bits == DefaultBits)
            bits = width;
        if (bits < 2 || bits > 32 || width != bits)
            return tooWide(protocol, code, bits) + " (its first data bit must be set)";
        if (code & ~MceDecoder::CodeMask)
            return "mce cannot carry " + hex(code) + ": bits 12-15 are dropped";
        if (code & 1)
            return "mce cannot carry " + hex(code) + ": a last bit of 1 is dropped";
        Line line(samples);
        for (unsigned int frame = 0; frame <= repeats; ++frame)
            mceFrame(line, code, bits, m_mceEndSpace);
        return {};
    }

    return "unknown protocol " + std::string(protocol);
}
