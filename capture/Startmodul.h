#pragma once

#include <QString>

#include "platform/Date.h"
#include "platform/FolderItem.h"
#include "platform/Picture.h"

// The capture state that the windows, the publishing code and the schedule
// share for the whole run, and the procedures that take still pictures from
// the live camera. Everything runs on the main thread.
namespace Startmodul {

// Schedule action: 1 picture into the picture folder, 2 by mail, 3 to the
// home page by FTP. Keeps its value after a schedule ends.
inline int t_was = 0;
inline int t_ein_m = 0;    // switch-on minute
inline int t_ein_h = 0;    // switch-on hour
inline int t_aus_m = 0;    // switch-off minute
inline int t_aus_h = 0;    // switch-off hour
inline int t_oft = 0;      // repeat interval in minutes
inline FolderItemPtr f;    // the picture folder "Kameraordner" on the desktop
inline FolderItemPtr fol;  // the file the current save goes to
inline int q = 0;          // 1 once the schedule's switch-on action has run
inline DatePtr d_ein;      // switch-on day
inline PicturePtr p;       // the picture under work
inline DatePtr d_aus;      // switch-off day
inline QString tonname;    // the chosen sound input
inline QString bildname;   // the chosen video input
inline int z = 0;          // number of the last numbered picture
inline FolderItemPtr po;   // the archive folder of the current schedule
inline bool pr = true;     // keep archive pictures of home-page uploads

// Takes one picture from the live camera and stores it, stamped, in the
// picture folder: "Bild<n>.jpg", or "Kamerabild.jpg" while a home-page
// schedule is set.
void foto();
// Creates today's archive folder "Vidolin/Web <d>_<m>_<y>" in the home folder.
void pordner();
// Takes a new picture and stores it, stamped, in the archive folder.
void prot();

}  // namespace Startmodul
