#pragma once

// Helpers of the fuzz targets that drive a model through scripted tool output.
#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QList>
#include <QTemporaryDir>

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

// The application and a scratch sysroot for the whole run (IVO_SYSROOT, and HOME at home below it unless null);
// gives the sysroot's path.
inline QString fuzzSysroot(int* argc, char*** argv, const char* home = nullptr)
{
    new QCoreApplication(*argc, *argv);
    static QTemporaryDir root;
    qputenv("IVO_SYSROOT", root.path().toLocal8Bit());
    if (home)
        qputenv("HOME", (root.path() + home).toLocal8Bit());
    return root.path();
}

// Writes a file, making its folder; false when it cannot.
inline bool fuzzPut(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return QDir().mkpath(QFileInfo(f).path()) && f.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && f.write(data) == data.size();
}

// A broken rule ends the run as a finding.
inline void check(bool rule) { return rule ? void() : abort(); }

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
    CommandResult_s execute(const QString& program, const QStringList& args, Budget) override
    {
        return {.started = true, .exitCode = 0, .out = m_answer(program, args), .err = {}};
    }
    bool startDetached(const QString&, const QStringList&, const QString&) override { return true; }

private:
    Answer m_answer;
};
