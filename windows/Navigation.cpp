#include "Navigation.h"

namespace quiz {

int TopicIndex = 0;
int ProfileIndex = 0;
int OrganisationIndex = 0;
bool ExitRequested = false;
bool KeepAnswers = false;
bool SplashShown = false;

void ResetNavigation() {
    TopicIndex = 0;
    ProfileIndex = 0;
    OrganisationIndex = 0;
    ExitRequested = false;
    KeepAnswers = false;
    SplashShown = false;
}

} // namespace quiz
