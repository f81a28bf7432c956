#include "Texts.h"

#include "Catalogue.h"

#include <array>
#include <cassert>
#include <span>

namespace content {

namespace {

const std::array<const char*, PhilosophyCount> Captions{
    "Profiles: Libertarians",        "Profiles: Left Liberals",  "Profiles: Centrists",
    "Profiles: Right Conservatives", "Profiles: Authoritarians",
};

const std::array<const char*, PhilosophyCount> Headings{
    "Famous Libertarians:",        "Famous Left Liberals:",  "Famous Centrists:",
    "Famous Right Conservatives:", "Famous Authoritarians:",
};

// Entries are indented by two blanks under their heading.
const char* const Famous1[] = {"  Thomas Jefferson", "  Thomas Paine", "  Henry David Thoreau"};
const char* const Famous2[] = {"  Franklin D. Roosevelt", "  Eleanor Roosevelt"};
const char* const Famous3[] = {"  Dwight D. Eisenhower"};
const char* const Famous4[] = {"  Edmund Burke", "  Calvin Coolidge"};
const char* const Famous5[] = {"  Julius Caesar", "  Napoleon Bonaparte", "  Otto von Bismarck"};

const std::array<std::span<const char* const>, PhilosophyCount> FamousEntries{
    Famous1, Famous2, Famous3, Famous4, Famous5,
};

// Each essay is one paragraph, kept in pieces short enough for a line of source; the pieces are
// joined without separators, so every piece but the last carries its trailing blank.
const char* const Essay1[] = {
    "Libertarians score high on both scales.  They want ",
    "people to run their own lives and spend their own ",
    "money, and would limit government to protecting ",
    "each person from force and fraud.  Trade, speech ",
    "and private life are nobody else's business.",
};
const char* const Essay2[] = {
    "Left liberals score high on personal freedom ",
    "but lower on economic freedom.  They defend free ",
    "speech, privacy and the right to live as one ",
    "chooses, yet they look to government to regulate ",
    "business, tax the wealthy and care for those in need.",
};
const char* const Essay3[] = {
    "Centrists sit near the middle of both ",  "scales.  They weigh each question on ",
    "its merits rather than by fixed rules, ", "accept some government in personal ",
    "and economic life, and often prefer a ",  "practical compromise to a grand principle.",
};
const char* const Essay4[] = {
    "Right conservatives score high on economic ", "freedom but lower on personal freedom.  ",
    "They favor free enterprise, low taxes, ",     "a strong national defense, and want ",
    "laws that uphold traditional values.",
};
const char* const Essay5[] = {
    "Authoritarians score low on both scales.  ", "They trust a strong government to steer ",
    "the economy and to set rules for personal ", "conduct, and they put order, security and ",
    "shared duty ahead of individual choice.  ",  "Left or right, they favor firm rules.",
};

const std::array<std::span<const char* const>, PhilosophyCount> Essays{
    Essay1, Essay2, Essay3, Essay4, Essay5,
};

std::size_t Index(int philosophy) {
    assert(IsPhilosophy(philosophy));
    return static_cast<std::size_t>(philosophy - 1);
}

} // namespace

QString ProfileCaption(int philosophy) {
    return QString::fromUtf8(Captions[Index(philosophy)]);
}

QString FamousList(int philosophy) {
    const std::size_t p = Index(philosophy);
    QString text = QString::fromUtf8(Headings[p]);
    for (const char* entry : FamousEntries[p])
        text += QStringLiteral("\r\n") + QString::fromUtf8(entry);
    return text;
}

QStringList EssayPieces(int philosophy) {
    QStringList pieces;
    for (const char* piece : Essays[Index(philosophy)])
        pieces << QString::fromUtf8(piece);
    return pieces;
}

QString Essay(int philosophy) {
    return EssayPieces(philosophy).join(QString());
}

} // namespace content
