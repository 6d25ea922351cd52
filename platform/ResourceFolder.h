#pragma once

#include "platform/FolderItem.h"

// The program's resource folder: the child "Resources" of the folder that
// holds the program's own folder (build/bin/vidolin finds build/Resources),
// or, for the installed program, share/vidolin beside its bin folder
// (/usr/local/bin/vidolin finds /usr/local/share/vidolin). Null when neither
// exists.
namespace ResourceFolder {

FolderItemPtr get();

// Tests point the program at a resource folder of their own; an empty path
// goes back to the program's own folder.
void overrideForTesting(const QString &path);

}  // namespace ResourceFolder
