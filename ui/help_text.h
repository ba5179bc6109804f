#pragma once

#include <QString>

namespace tremaro {

// The help window's text: seven lines joined with CR LF, in Bulgarian.
QString BuildHelpText();

}  // namespace tremaro
