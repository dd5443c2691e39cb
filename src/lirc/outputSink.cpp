#include "lirc/outputSink.h"

OutputSink::~OutputSink() = default;
