#include "platform/Shell.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <signal.h>
#include <unistd.h>
#include <atomic>

namespace {

std::atomic<bool> runsStopped{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

// How often a waiting run looks whether the program quits.
constexpr int kLookMs = 100;

}  // namespace

void Shell::Execute(const QString &program, const QStringList &args, const QByteArray &input,
                    int timeoutMs) {
    Result.clear();
    ErrorOutput.clear();
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    if (!TemporaryFolder.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), TemporaryFolder);
        process.setProcessEnvironment(environment);
    }
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start();
    if (!process.waitForStarted(10000)) {
        ErrorCode = kCannotStart;
        return;
    }
    if (!input.isEmpty()) process.write(input);
    process.closeWriteChannel();

    QElapsedTimer clock;
    clock.start();
    int ended = 0;
    while (process.state() != QProcess::NotRunning && !process.waitForFinished(kLookMs)) {
        if (runsStopped.load()) ended = kStopped;
        if (timeoutMs > 0 && clock.elapsed() >= timeoutMs) ended = kTimedOut;
        if (ended == 0) continue;
        // The group bears the program's process number: the program and all
        // that it started end here.
        ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished(5000);
        break;
    }
    Result = process.readAllStandardOutput();
    ErrorOutput = process.readAllStandardError();
    if (ended != 0)
        ErrorCode = ended;
    else
        ErrorCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : 128 + 9;
}

bool Shell::StartDetached(const QString &program, const QStringList &args) {
    return QProcess::startDetached(program, args);
}

void Shell::stopRuns() { runsStopped.store(true); }

void Shell::allowRuns() { runsStopped.store(false); }
