#include "Catalogue.h"

#include "Scoring.h"

// The content keys are the engine's question and philosophy numbers.
static_assert(content::TopicCount == quiz::QuestionCount);
static_assert(content::PhilosophyCount == quiz::PhilosophyCount);
