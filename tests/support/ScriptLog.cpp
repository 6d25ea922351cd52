#include "support/ScriptLog.h"

#include <QDir>
#include <QFile>

#include "platform/ResourceFolder.h"
#include "platform/Resources.h"

ScriptLog::ScriptLog() {
    QDir(dir_.path()).mkpath(QStringLiteral("Scripts"));
    const QString log = dir_.filePath(QStringLiteral("scripts.log"));
    const char *names[] = {"168-Laut_aus",  "169-Laut_ein",      "170-micro_aus",
                           "171-micro_ein", "172-mail_schicken", "173-mail_starten"};
    for (const char *name : names) {
        const QString number = QString::fromLatin1(name).left(3);
        QFile script(dir_.filePath(QStringLiteral("Scripts/") + QString::fromLatin1(name)));
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\n"
                                    "{ printf '%s' '%1'; for a in \"$@\"; do printf ' [%s]' "
                                    "\"$a\"; done; echo; } >> '%2'\n")
                         .arg(number, log)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ResourceFolder::overrideForTesting(dir_.path());
    Resources::resetForTesting();
}

ScriptLog::~ScriptLog() {
    ResourceFolder::overrideForTesting(QString());
    Resources::resetForTesting();
}

QStringList ScriptLog::lines() const {
    QFile log(dir_.filePath(QStringLiteral("scripts.log")));
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void ScriptLog::clear() { QFile::remove(dir_.filePath(QStringLiteral("scripts.log"))); }
