#include "contrast.h"

#include "session.h"

namespace rt {

QString profileSentence(Profile profile)
{
    return profile == Profile::HighContrast ? QStringLiteral("Contrast alt activat")
                                            : QStringLiteral("Contrast alt desactivat");
}

void toggleContrast(Session& session, Notice& notice)
{
    const Profile next =
        session.display().profile == Profile::HighContrast ? Profile::Documents : Profile::HighContrast;
    session.setProfile(next);
    notice.tell(profileSentence(next));
}

}  // namespace rt
