#pragma once

// Helpers of the fuzz targets that drive a model through scripted tool output.
#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"

#include <QList>

#include <cstdlib>
#include <functional>

// The parts of an input, separated by lines "----".
inline QList<QByteArray> fuzzParts(const QByteArray& input)
{
    QList<QByteArray> parts;
    for (qsizetype from = 0;;) {
        const qsizetype at = input.indexOf("\n----\n", from);
        parts << input.mid(from, at < 0 ? -1 : at - from);
        if (at < 0)
            return parts;
        from = at + 6;
    }
}

// A broken rule ends the run as a finding.
inline void check(bool rule)
{
    if (!rule)
        abort();
}

// Installs itself as the command runner; every command's output comes from answer.
class FuzzRunner : public CommandRunner
{
public:
    using Answer = std::function<QByteArray(const QString& program, const QStringList& args)>;
    explicit FuzzRunner(Answer answer)
        : m_answer(std::move(answer))
    {
        Appliance::setRunner(this);
    }
    CommandResult_s run(const QString& program, const QStringList& args, int) override
    {
        return {.started = true, .exitCode = 0, .out = m_answer(program, args), .err = {}};
    }
    bool startDetached(const QString&, const QStringList&, const QString&) override { return true; }

private:
    Answer m_answer;
};
