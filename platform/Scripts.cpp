#include "platform/Scripts.h"

#include <QDir>
#include <QMetaType>
#include <QTemporaryDir>

#include <memory>

#include "platform/ResourceFolder.h"
#include "platform/Shell.h"

namespace {

// Sound and microphone switches answer at once; the mail script may have to
// wait for a slow mail server.
constexpr int kScriptBoundMs = 5000;
constexpr int kMailScriptBoundMs = 60000;
constexpr int kMailScript = 172;

int mailBoundForTesting = 0;

QString findScript(int number) {
    const FolderItemPtr resources = ResourceFolder::get();
    if (!resources) return QString();
    const QDir scripts(resources->Child(QStringLiteral("Scripts"))->path());
    const QString prefix = QString::number(number);
    const QStringList names = scripts.entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (!name.startsWith(prefix)) continue;
        // "17" must not find "172": the number ends where the digits end.
        if (name.size() > prefix.size() && name[prefix.size()].isDigit()) continue;
        return scripts.filePath(name);
    }
    return QString();
}

}  // namespace

namespace Scripts {

void run(int number, const QVariantList &params) {
    const QString script = findScript(number);
    if (script.isEmpty()) return;
    QStringList args;
    for (const QVariant &value : params) {
        if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong)
            args << QString::number(value.toLongLong());
        else
            args << value.toString();
    }
    Shell shell;
    int boundMs = kScriptBoundMs;
    // The mail script's run gets a temporary folder of its own, which goes
    // with all that the run left in it (its copy of the picture, the mail
    // programs' files), however the run ended. The launcher of the mail
    // program gets none: what it starts runs on after it.
    std::unique_ptr<QTemporaryDir> work;
    if (number == kMailScript) {
        boundMs = mailBoundForTesting > 0 ? mailBoundForTesting : kMailScriptBoundMs;
        work = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                               QStringLiteral("/vidolin-script-XXXXXX"));
        if (work->isValid()) shell.TemporaryFolder = work->path();
    }
    shell.Execute(script, args, QByteArray(), boundMs);
}

void setMailBoundForTesting(int milliseconds) { mailBoundForTesting = milliseconds; }

}  // namespace Scripts

void Laut_aus(const QVariantList &params) { Scripts::run(168, params); }
void Laut_ein(const QVariantList &params) { Scripts::run(169, params); }
void micro_aus(const QVariantList &params) { Scripts::run(170, params); }
void micro_ein(const QVariantList &params) { Scripts::run(171, params); }
void mail_schicken(const QVariantList &params) { Scripts::run(172, params); }
void mail_starten(const QVariantList &params) { Scripts::run(173, params); }
