#pragma once

#include "platform/FolderItem.h"

// The user's folders: the desktop (XDG, "~/Desktop" or the localized name),
// the preferences folder (XDG config, "~/.config") and the home folder.
namespace SpecialFolder {

FolderItemPtr Desktop();
FolderItemPtr Preferences();
FolderItemPtr UserHome();

}  // namespace SpecialFolder
