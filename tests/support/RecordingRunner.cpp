#include "RecordingRunner.h"

RecordingRunner::RecordingRunner() { m_previous = Appliance::setRunner(this); }

RecordingRunner::~RecordingRunner() { Appliance::setRunner(m_previous); }

void RecordingRunner::answer(const QString& linePattern, const QByteArray& out, int exitCode)
{
    CommandResult_s r;
    r.started = true;
    r.exitCode = exitCode;
    r.out = out;
    answer(linePattern, r);
}

void RecordingRunner::answer(const QString& linePattern, const CommandResult_s& result)
{
    QMutexLocker lock(&m_mutex);
    m_rules.append({QRegularExpression(QRegularExpression::anchoredPattern(linePattern)), result});
}

void RecordingRunner::failToStart(const QString& linePattern) { answer(linePattern, CommandResult_s {}); }

QList<RecordingRunner::Call_s> RecordingRunner::calls() const
{
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

QStringList RecordingRunner::lines() const
{
    QStringList out;
    for (const Call_s& c : calls())
        out << c.line();
    return out;
}

void RecordingRunner::clear()
{
    QMutexLocker lock(&m_mutex);
    m_calls.clear();
}

CommandResult_s RecordingRunner::respond_(const QString& line) const
{
    for (const Rule_s& rule : m_rules) {
        if (rule.pattern.match(line).hasMatch())
            return rule.result;
    }
    CommandResult_s ok;
    ok.started = true;
    ok.exitCode = 0;
    return ok;
}

CommandResult_s RecordingRunner::run(const QString& program, const QStringList& args, int timeoutMs)
{
    QMutexLocker lock(&m_mutex);
    Call_s c {false, program, args, timeoutMs, {}};
    m_calls.append(c);
    return respond_(c.line());
}

bool RecordingRunner::startDetached(const QString& program, const QStringList& args, const QString& workingDirectory)
{
    QMutexLocker lock(&m_mutex);
    Call_s c {true, program, args, -1, workingDirectory};
    m_calls.append(c);
    return respond_(c.line()).started;
}
