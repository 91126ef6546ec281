#pragma once

#include <QApplication>
#include <memory>

#include "heldkeys.h"

class QLocale;
class QTranslator;

namespace rt {

// Qt's application object, which sees every event before any event filter
// does: a held key's repeats are dropped there, whoever else listens.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    ~Application() override;
    bool notify(QObject* receiver, QEvent* event) override;
    // Qt's own texts (a text box's context menu, the buttons of a message
    // box) in the language of `locale`, where Qt has them; false where it
    // has not.
    bool installQtTranslations(const QLocale& locale);

private:
    HeldKeyGuard heldKeys_;
    std::unique_ptr<QTranslator> qtTranslator_;
};

// Everything the runtime needs once the application object exists: the
// bundled faces and pictures, one widget style on every machine, and the
// program, not the last window closed, deciding when it ends.
void prepareApplication(Application& app);

// The program's application object, prepared. Where no display can be
// opened, says so in one sentence on the standard error and ends the
// program with status 1, where Qt would abort.
std::unique_ptr<Application> startApplication(int& argc, char** argv);

}  // namespace rt
