#pragma once

#include <QString>
#include <QStringList>

namespace tremaro {

// The help text's five paragraphs, in the operator's language, without their indent.
QStringList HelpParagraphs();

// The help window's text: seven lines joined with CR LF, the five paragraphs indented by four
// blanks, an empty line and the maker's address.
QString BuildHelpText();

}  // namespace tremaro
