#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A resource folder for tests whose six scripts only write their number and
// their arguments to a log, one line a run: "172 [a] [b]". The program is
// pointed at it for the lifetime of the object.
class ScriptLog {
public:
    ScriptLog();
    ~ScriptLog();

    QString folder() const { return dir_.path(); }
    // The lines written so far.
    QStringList lines() const;
    void clear();

private:
    QTemporaryDir dir_;
};
