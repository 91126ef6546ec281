#pragma once

class QApplication;
class QLocale;

namespace rt {

// Everything the runtime needs once the application object exists: the
// bundled faces and pictures, one widget style on every machine, and the
// runtime deciding when the program ends.
void prepareApplication(QApplication& app);

// Qt's own texts (a text box's context menu, the buttons of a message box)
// in the language of `locale`, where Qt has them; false where it has not.
bool installQtTranslations(const QLocale& locale);

}  // namespace rt
