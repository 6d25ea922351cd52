#pragma once

#include <QString>

#include "platform/FolderItem.h"

// The file of that name directly in the picture folder. Null when there is
// no picture folder or the name is not a plain file name ("", ".", "..", or
// one holding "/"), so no name ever reaches a file outside the folder.
FolderItemPtr pictureFolderFile(const QString &name);
