#include "irTextReader.h"

#include "lirc/irSample.h"

#include <array>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// The next blank-separated word from position i on (empty at the end).
std::string_view nextWord(std::string_view text, std::size_t& i)
{
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const std::size_t start = i;
    while (i < text.size() && !isBlank(text[i]))
        ++i;
    return text.substr(start, i - start);
}

// Splits at blanks into at most N words; false when there are more.
template<std::size_t N>
bool splitWords(std::string_view text, std::array<std::string_view, N>& words, std::size_t& count)
{
    count = 0;
    std::size_t i = 0;
    for (std::string_view word = nextWord(text, i); !word.empty(); word = nextWord(text, i)) {
        if (count == N)
            return false;
        words[count++] = word;
    }
    return true;
}

bool parseDuration(std::string_view digits, unsigned int& us)
{
    if (digits.empty())
        return false;
    unsigned long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + unsigned(c - '0');
        if (value > IrSample::DurationMask)
            return false;
    }
    us = unsigned(value);
    return true;
}

} // namespace

bool IrTextReader::parseLine(std::string_view line, std::vector<unsigned int>& samples)
{
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
        line = line.substr(0, hash);

    std::array<std::string_view, 2> pair;
    std::size_t count = 0;
    if (splitWords(line, pair, count) && count == 2) {
        const bool isPulse = pair[0] == "pulse", isSpace = pair[0] == "space", isTimeout = pair[0] == "timeout";
        if (isPulse || isSpace || isTimeout) {
            unsigned int us = 0;
            if (!parseDuration(pair[1], us))
                return false;
            samples.push_back(isPulse ? IrSample::pulse(us) : isSpace ? IrSample::space(us) : IrSample::timeout(us));
            m_lastWasPulse = isPulse;
            return true;
        }
    }

    // The signed-number form: check the whole line before taking any of it.
    const std::size_t before = samples.size();
    bool lastWasPulse = m_lastWasPulse;
    std::size_t i = 0;
    for (std::string_view word = nextWord(line, i); !word.empty(); word = nextWord(line, i)) {
        bool pulse = !lastWasPulse;
        if (word.front() == '+' || word.front() == '-') {
            pulse = word.front() == '+';
            word.remove_prefix(1);
        }
        unsigned int us = 0;
        if (!parseDuration(word, us)) {
            samples.resize(before);
            return false;
        }
        samples.push_back(pulse ? IrSample::pulse(us) : IrSample::space(us));
        lastWasPulse = pulse;
    }
    m_lastWasPulse = lastWasPulse;
    return true;
}
