#pragma once

class QCoreApplication;
class QTranslator;

namespace tremaro {

// Qt's own texts (the message boxes' buttons, the open dialog) in the language the program's
// own texts are shown in (LanguageShown): Qt's Bulgarian or English translation. Without it
// they stay in Qt's English and everything still works. The translator is the caller's, and
// must live as long as the application does.
void LoadQtTexts(QCoreApplication& app, QTranslator& translator);

}  // namespace tremaro
