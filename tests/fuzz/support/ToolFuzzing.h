#pragma once

// Helpers of the fuzz targets that drive a model through scripted tool output.
#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

// The parts of an input, separated by lines "----".
inline QList<QByteArray> fuzzParts(const QByteArray& input)
{
    QList<QByteArray> parts;
    qsizetype from = 0;
    for (qsizetype at; (at = input.indexOf("\n----\n", from)) >= 0; from = at + 6)
        parts << input.mid(from, at - from);
    return parts << input.mid(from);
}

// The application and a scratch sysroot for the run (IVO_SYSROOT, and HOME at home below it unless null).
inline void fuzzSysroot(int* argc, char*** argv, const char* home = nullptr)
{
    new QCoreApplication(*argc, *argv);
    static QTemporaryDir root;
    qputenv("IVO_SYSROOT", root.path().toLocal8Bit());
    if (home)
        qputenv("HOME", (root.path() + home).toLocal8Bit());
}

// A broken rule ends the run as a finding.
inline void check(bool rule) { return rule ? void() : abort(); }

// Writes at an appliance path of the run's sysroot, or ends the run.
inline void fuzzPut(const QString& path, const QByteArray& data)
{
    QFile f(Appliance::path(path));
    check(QDir().mkpath(QFileInfo(f).path()) && f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
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
    CommandResult_s execute(const QString& program, const QStringList& args, Budget) override
    {
        return {.started = true, .exitCode = 0, .out = m_answer(program, args), .err = {}};
    }
    bool startDetached(const QString&, const QStringList&, const QString&) override { return true; }

private:
    Answer m_answer;
};
