#include "RecordingRunner.h"

#include <QCoreApplication>
#include <QThread>

void RecordingRunner::answer(const QString& linePattern, const CommandResult_s& result)
{
    QMutexLocker lock(&m_mutex);
    m_rules.append({QRegularExpression(QRegularExpression::anchoredPattern(linePattern)), result});
}

QStringList RecordingRunner::lines() const
{
    QStringList out;
    for (const Call_s& c : calls())
        out << c.line();
    return out;
}

CommandResult_s RecordingRunner::record_(const Call_s& call)
{
    QMutexLocker lock(&m_mutex);
    m_calls.append(call);
    for (const auto& [pattern, result] : m_rules)
        if (pattern.match(call.line()).hasMatch())
            return result;
    return {.started = true, .exitCode = 0, .out = {}, .err = {}};
}

CommandResult_s RecordingRunner::execute(const QString& program, const QStringList& args, Budget budget)
{
    const Call_s call {false, program, args, budget, {}};
    if (beforeGuiWait && QThread::currentThread() == QCoreApplication::instance()->thread())
        beforeGuiWait(call);
    return record_(call);
}

bool RecordingRunner::startDetached(const QString& program, const QStringList& args, const QString& workingDirectory)
{
    return record_({true, program, args, Budget::Query, workingDirectory}).started;
}
