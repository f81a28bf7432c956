#pragma once

// How one window tells another what to show, and how the map tells the quiz window what to do
// once it closes. Every selector is a constant written just before the reading window opens.
namespace quiz {

extern int TopicIndex;        // 1..10, read by the topical quotes window
extern int ProfileIndex;      // 1..5, read by the profiles window
extern int OrganisationIndex; // 1..5, read by the organisation window
extern bool ExitRequested;    // set by the map's File, Exit
extern bool KeepAnswers;      // set by the map's Restart question; kept across cycles
extern bool SplashShown;      // set by the quiz window when the splash starts

// Back to the values the program starts with.
void ResetNavigation();

} // namespace quiz
