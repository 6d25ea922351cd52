#include "publishing/Preferences.h"

#include <QString>

#include "platform/FolderItem.h"
#include "platform/SpecialFolder.h"
#include "platform/TextInputStream.h"
#include "platform/TextOutputStream.h"
#include "publishing/MailRecipient.h"
#include "publishing/StartWindowHook.h"

namespace {

const QString kFileName = QStringLiteral("Vidolin");

// Every value keeps a line of its own: a line end inside a value would move
// the values after it onto the wrong lines.
QString oneLine(QString value) {
    value.remove(QLatin1Char('\r'));
    value.remove(QLatin1Char('\n'));
    return value;
}

}  // namespace

namespace Module1 {

void laden() {
    const FolderItemPtr folder = SpecialFolder::Preferences();
    if (!folder) return;
    const FolderItemPtr item = folder->Child(kFileName);
    if (!item->Exists()) {
        showStartWindow();
        return;
    }
    const auto stream = item->OpenAsTextFile();
    if (!stream) return;
    // A line the file does not have reads as "", so every value keeps its line.
    ftp_server = stream->ReadLine();
    ftp_name = stream->ReadLine();
    ftp_passwort = stream->ReadLine();
    ftp_seite = stream->ReadLine();
    mail::an_name = stream->ReadLine();
    mail::an_adresse = stream->ReadLine();
    stream->Close();
}

void sichern() {
    const FolderItemPtr folder = SpecialFolder::Preferences();
    if (!folder) return;
    // A new account may have no config folder yet.
    folder->CreateAsFolder();
    // The stream replaces the old file only once all six lines are written,
    // so a failed write keeps the old settings.
    const auto stream = folder->Child(kFileName)->CreateTextFile();
    if (!stream) return;
    stream->WriteLine(oneLine(ftp_server));
    stream->WriteLine(oneLine(ftp_name));
    stream->WriteLine(oneLine(ftp_passwort));
    stream->WriteLine(oneLine(ftp_seite));
    stream->WriteLine(oneLine(mail::an_name));
    stream->WriteLine(oneLine(mail::an_adresse));
    stream->Close();
}

}  // namespace Module1
