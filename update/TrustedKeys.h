#pragma once
// The public keys whose signatures the update service accepts: the program's own release key,
// built in, plus the keys a site adds for its own builds or mirror:
//   - the file "update-keys" in the user's configuration folder ($XDG_CONFIG_HOME/scleron/,
//     ~/.config/scleron/ by default): one base64 public key a line (the second line of a
//     minisign ".pub" file); empty lines and lines starting with '#' or "untrusted comment:" are
//     skipped;
//   - SCLERON_UPDATE_PUBKEY: one or more base64 public keys separated by blanks (tests).
// Lines that are no public key are ignored: a broken line never trusts anything.

#include "update/Signature.h"

#include <QList>
#include <QString>

// The release key every published installer and firmware package is signed with.
SPublicKey ReleasePublicKey();
// The keys listed in a keys file's text.
QList<SPublicKey> ParseKeyList(const QByteArray& text);
QString UpdateKeysFilePath();
// Release key, keys file and SCLERON_UPDATE_PUBKEY, in this order.
QList<SPublicKey> TrustedUpdateKeys();
