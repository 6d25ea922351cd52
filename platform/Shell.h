#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs one program with an argument vector, synchronously. No shell is
// involved, so no text handed over as an argument is ever interpreted.
class Shell {
public:
    // Exit status when the program cannot be started (as a POSIX shell reports
    // a command it cannot find).
    static constexpr int kCannotStart = 127;
    // Exit status when the program outlived its time bound and was stopped
    // (as timeout(1) reports it).
    static constexpr int kTimedOut = 124;

    // Runs program with args, writes input to its standard input, and waits
    // at most timeoutMs milliseconds (0: no bound). Sets ErrorCode and Result.
    void Execute(const QString &program, const QStringList &args,
                 const QByteArray &input = QByteArray(), int timeoutMs = 0);

    // Starts the program and returns at once; it runs on by itself.
    static bool StartDetached(const QString &program, const QStringList &args);

    int ErrorCode = 0;
    // What the program wrote to its standard output.
    QByteArray Result;
    // What it wrote to its standard error.
    QByteArray ErrorOutput;
};
