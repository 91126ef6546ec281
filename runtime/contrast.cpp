#include "contrast.h"

#include <QKeySequence>
#include <QShortcut>

#include "session.h"

namespace rt {

QString profileSentence(Profile profile)
{
    return profile == Profile::HighContrast ? QStringLiteral("Contrast alt activat")
                                            : QStringLiteral("Contrast alt desactivat");
}

ContrastKey::ContrastKey(QWidget& window, Session& session, Notice& notice) : session_(session), notice_(notice)
{
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F7), &window), &QShortcut::activated, &window,
                     [this] { toggle(); });
}

void ContrastKey::toggle()
{
    const Profile next =
        session_.display().profile == Profile::HighContrast ? Profile::Documents : Profile::HighContrast;
    session_.setProfile(next);
    notice_.tell(profileSentence(next));
}

}  // namespace rt
