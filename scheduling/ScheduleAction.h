#pragma once

// What a running schedule does at switch-on, at every repeat and at
// switch-off, by Startmodul::t_was: 1 stores a numbered picture in the
// picture folder, 2 mails the camera picture, 3 uploads a new stamped
// "Kamerabild.jpg" to the home page. Any other value does nothing.
namespace ScheduleAction {

enum class When { SwitchOn, Repeat, SwitchOff };

void perform(When when);

}  // namespace ScheduleAction
