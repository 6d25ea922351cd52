#pragma once

#include <QString>

// Every test program runs with a home folder of its own (made by test_main
// before anything else starts), so no test touches a real desktop, preferences
// file or archive folder, and test programs can run side by side.
namespace TestHome {

// The temporary home folder of this test program.
QString path();

// The source tree, for tests that read fixtures from it.
QString sourceDir();

// Makes the temporary home and points HOME and the XDG folders at it.
void setUp();

}  // namespace TestHome
