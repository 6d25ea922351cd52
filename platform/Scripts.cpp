#include "platform/Scripts.h"

#include <QDir>
#include <QMetaType>

#include "platform/ResourceFolder.h"
#include "platform/Shell.h"

namespace {

// Sound and microphone switches answer at once; the mail script may have to
// wait for a slow mail server.
constexpr int kScriptBoundMs = 5000;
constexpr int kMailScriptBoundMs = 60000;
constexpr int kMailScript = 172;

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
    shell.Execute(script, args, QByteArray(),
                  number == kMailScript ? kMailScriptBoundMs : kScriptBoundMs);
}

}  // namespace Scripts

void Laut_aus(const QVariantList &params) { Scripts::run(168, params); }
void Laut_ein(const QVariantList &params) { Scripts::run(169, params); }
void micro_aus(const QVariantList &params) { Scripts::run(170, params); }
void micro_ein(const QVariantList &params) { Scripts::run(171, params); }
void mail_schicken(const QVariantList &params) { Scripts::run(172, params); }
void mail_starten(const QVariantList &params) { Scripts::run(173, params); }
