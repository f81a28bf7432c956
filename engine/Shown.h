#pragma once

// Marks a text that the user reads, for the translators' catalogue: the windows look its
// translation up by the English text, in the given context, on its way to the screen. The mark
// itself changes nothing.
#define QUIZ_SHOWN(context, text) text
