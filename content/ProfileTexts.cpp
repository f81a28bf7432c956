#include "Texts.h"

#include "Catalogue.h"

#include <QCoreApplication>

#include <array>
#include <cassert>
#include <span>

namespace content {

namespace {

const std::array<const char*, PhilosophyCount> Captions{
    QT_TRANSLATE_NOOP("Profiles", "Profiles: Libertarians"),
    QT_TRANSLATE_NOOP("Profiles", "Profiles: Left Liberals"),
    QT_TRANSLATE_NOOP("Profiles", "Profiles: Centrists"),
    QT_TRANSLATE_NOOP("Profiles", "Profiles: Right Conservatives"),
    QT_TRANSLATE_NOOP("Profiles", "Profiles: Authoritarians"),
};

const std::array<const char*, PhilosophyCount> Headings{
    QT_TRANSLATE_NOOP("Profiles", "Famous Libertarians:"),
    QT_TRANSLATE_NOOP("Profiles", "Famous Left Liberals:"),
    QT_TRANSLATE_NOOP("Profiles", "Famous Centrists:"),
    QT_TRANSLATE_NOOP("Profiles", "Famous Right Conservatives:"),
    QT_TRANSLATE_NOOP("Profiles", "Famous Authoritarians:"),
};

// The famous names; the list indents them by two blanks under their heading.
const char* const Famous1[] = {QT_TRANSLATE_NOOP("Profiles", "Thomas Jefferson"),
                               QT_TRANSLATE_NOOP("Profiles", "Thomas Paine"),
                               QT_TRANSLATE_NOOP("Profiles", "Henry David Thoreau")};
const char* const Famous2[] = {QT_TRANSLATE_NOOP("Profiles", "Franklin D. Roosevelt"),
                               QT_TRANSLATE_NOOP("Profiles", "Eleanor Roosevelt")};
const char* const Famous3[] = {QT_TRANSLATE_NOOP("Profiles", "Dwight D. Eisenhower")};
const char* const Famous4[] = {QT_TRANSLATE_NOOP("Profiles", "Edmund Burke"),
                               QT_TRANSLATE_NOOP("Profiles", "Calvin Coolidge")};
const char* const Famous5[] = {QT_TRANSLATE_NOOP("Profiles", "Julius Caesar"),
                               QT_TRANSLATE_NOOP("Profiles", "Napoleon Bonaparte"),
                               QT_TRANSLATE_NOOP("Profiles", "Otto von Bismarck")};

const std::array<std::span<const char* const>, PhilosophyCount> FamousEntries{
    Famous1, Famous2, Famous3, Famous4, Famous5,
};

// Each essay is one paragraph, kept in pieces short enough for a line of source; the pieces are
// joined without separators, so every piece but the last carries its trailing blank.
// Translations are looked up by the whole paragraph.
const char* const Essay1 =
    QT_TRANSLATE_NOOP("Profiles", "Libertarians score high on both scales.  They want "
                                  "people to run their own lives and spend their own "
                                  "money, and would limit government to protecting "
                                  "each person from force and fraud.  Trade, speech "
                                  "and private life are nobody else's business.");
const char* const Essay2 =
    QT_TRANSLATE_NOOP("Profiles", "Left liberals score high on personal freedom "
                                  "but lower on economic freedom.  They defend free "
                                  "speech, privacy and the right to live as one "
                                  "chooses, yet they look to government to regulate "
                                  "business, tax the wealthy and care for those in need.");
const char* const Essay3 =
    QT_TRANSLATE_NOOP("Profiles", "Centrists sit near the middle of both "
                                  "scales.  They weigh each question on "
                                  "its merits rather than by fixed rules, "
                                  "accept some government in personal "
                                  "and economic life, and often prefer a "
                                  "practical compromise to a grand principle.");
const char* const Essay4 =
    QT_TRANSLATE_NOOP("Profiles", "Right conservatives score high on economic "
                                  "freedom but lower on personal freedom.  "
                                  "They favor free enterprise, low taxes, "
                                  "a strong national defense, and want "
                                  "laws that uphold traditional values.");
const char* const Essay5 =
    QT_TRANSLATE_NOOP("Profiles", "Authoritarians score low on both scales.  "
                                  "They trust a strong government to steer "
                                  "the economy and to set rules for personal "
                                  "conduct, and they put order, security and "
                                  "shared duty ahead of individual choice.  "
                                  "Left or right, they favor firm rules.");

const std::array<const char*, PhilosophyCount> Essays{
    Essay1, Essay2, Essay3, Essay4, Essay5,
};

std::size_t Index(int philosophy) {
    assert(IsPhilosophy(philosophy));
    return static_cast<std::size_t>(philosophy - 1);
}

} // namespace

QString ProfileCaption(int philosophy) {
    return QCoreApplication::translate("Profiles", Captions[Index(philosophy)]);
}

QString FamousList(int philosophy) {
    const std::size_t p = Index(philosophy);
    QString text = QCoreApplication::translate("Profiles", Headings[p]);
    for (const char* entry : FamousEntries[p])
        text += QStringLiteral("\r\n  ") + QCoreApplication::translate("Profiles", entry);
    return text;
}

QString Essay(int philosophy) {
    return QCoreApplication::translate("Profiles", Essays[Index(philosophy)]);
}

} // namespace content
