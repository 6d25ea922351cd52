#pragma once

#include <QVariantList>

// The system scripts, each found by its number in the resource folder's
// "Scripts" folder (the file whose name starts with the number). Parameters
// are passed in order as separate arguments: integers as decimal text,
// strings unchanged. Nothing is reported: a missing or failing script is
// passed over.
void Laut_aus(const QVariantList &params = {});       // 168: sound output off
void Laut_ein(const QVariantList &params = {});       // 169: sound output on
void micro_aus(const QVariantList &params = {});      // 170: microphone off
void micro_ein(const QVariantList &params = {});      // 171: microphone on
void mail_schicken(const QVariantList &params = {});  // 172: send one mail with a picture
void mail_starten(const QVariantList &params = {});   // 173: start the mail program

namespace Scripts {
// Runs script number `number` with the parameters (what the items above do).
// Each run is bounded: 5 seconds, the mail script 60 seconds; then the script
// and all that it started are stopped.
void run(int number, const QVariantList &params);
// Another bound for the mail script (0: the usual one).
void setMailBoundForTesting(int milliseconds);
}  // namespace Scripts
