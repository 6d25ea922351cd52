#include "platform/Shell.h"

#include <QProcess>

void Shell::Execute(const QString &program, const QStringList &args, const QByteArray &input,
                    int timeoutMs) {
    Result.clear();
    ErrorOutput.clear();
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    process.start();
    if (!process.waitForStarted(10000)) {
        ErrorCode = kCannotStart;
        return;
    }
    if (!input.isEmpty()) process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs > 0 ? timeoutMs : -1)) {
        process.kill();
        process.waitForFinished(5000);
        ErrorCode = kTimedOut;
        Result = process.readAllStandardOutput();
        ErrorOutput = process.readAllStandardError();
        return;
    }
    Result = process.readAllStandardOutput();
    ErrorOutput = process.readAllStandardError();
    ErrorCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : 128 + 9;
}

bool Shell::StartDetached(const QString &program, const QStringList &args) {
    return QProcess::startDetached(program, args);
}
