#pragma once

#include <QString>

namespace Module1 {

// Writes the web page file of that name into the picture folder from the
// page template. Main thread only.
void html_sichern(const QString &name);

}  // namespace Module1
