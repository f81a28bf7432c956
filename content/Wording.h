#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

// The engine's texts in the user's language: the statements, the philosophies and the sentences
// built around the scores. Each sentence is translated whole, with the scores and the philosophy
// as arguments, so that a language orders it its own way; untranslated, every text is the
// engine's own, character for character.
namespace content {

// Question n's topic word and statement, n from 1 to 10.
QString Topic(int question);
QString Statement(int question);

// The philosophy of an engine label ("Left Liberal"); an empty label stays empty.
QString PhilosophyName(std::string_view label);

// "According to your answers, your political philosophy is ...", for an engine label.
QString ResultSentence(std::string_view label);

// The map's two score captions.
QString PersonalScoreCaption(int personal);
QString EconomicScoreCaption(int economic);

// The Help, Scoring message of the map.
QString ScoringExplanation(int personal, int economic);

// The result as a screen reader says it and the map copies it, sentence by sentence; the
// philosophy's sentence only once there is one.
QStringList ResultInWords(int personal, int economic, std::string_view label);

} // namespace content
