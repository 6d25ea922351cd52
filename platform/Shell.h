#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs one program with an argument vector, synchronously. No shell is
// involved, so no text handed over as an argument is ever interpreted.
//
// The program runs in a process group of its own, so that ending it also
// ends whatever it started (a mail program's sendmail and the delivery agent
// behind it): when it outlives its bound, or the program quits meanwhile,
// the whole group is killed.
class Shell {
public:
    // Exit status when the program cannot be started (as a POSIX shell reports
    // a command it cannot find).
    static constexpr int kCannotStart = 127;
    // Exit status when the program outlived its time bound and was stopped
    // (as timeout(1) reports it).
    static constexpr int kTimedOut = 124;
    // Exit status when it was stopped because the program quits (as a shell
    // reports a command ended by SIGTERM).
    static constexpr int kStopped = 143;

    // Runs program with args, writes input to its standard input, and waits
    // at most timeoutMs milliseconds (0: no bound). Sets ErrorCode and Result.
    void Execute(const QString &program, const QStringList &args,
                 const QByteArray &input = QByteArray(), int timeoutMs = 0);

    // Starts the program and returns at once; it runs on by itself.
    static bool StartDetached(const QString &program, const QStringList &args);

    // The program quits: the run under way, and any started before
    // allowRuns(), is stopped at once with its group. Async-signal-safe, so a
    // termination signal's handler may call it.
    static void stopRuns();
    // Runs go on to their end again (the quit itself runs scripts).
    static void allowRuns();

    // When set, the program's TMPDIR: a folder of the caller's, who removes it.
    QString TemporaryFolder;

    int ErrorCode = 0;
    // What the program wrote to its standard output.
    QByteArray Result;
    // What it wrote to its standard error.
    QByteArray ErrorOutput;
};
