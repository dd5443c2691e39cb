#pragma once

#include <string>

class RcMapTable;

// Where the capture thread sends every scan code it collects. The FIFO
// operations are part of the interface but the capture path only dispatches.
class OutputSink
{
public:
    virtual ~OutputSink();

    virtual void pushScanCode(unsigned long code) = 0;
    // The oldest queued code, removed; 0 when empty.
    virtual unsigned long popScanCode() = 0;
    // The oldest queued code, left in place; 0 when empty.
    virtual unsigned long frontScakCode() = 0;
    virtual const std::string& getSinkName() const = 0;
    virtual void clear() = 0;
    // Appends a key table; the sink does not own it.
    virtual void addRcMapTable(RcMapTable* table) = 0;
    // Acts on one scan code, on the capture thread.
    virtual void dispatch(unsigned long code) = 0;
};
