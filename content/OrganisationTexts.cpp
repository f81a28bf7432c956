#include "Texts.h"

#include "Catalogue.h"

#include <array>
#include <cassert>
#include <span>

namespace content {

namespace {

// Every organisation's details run in the same order: name, street, town, an empty line, a few
// lines on its work, an empty line, the contact line and the web address. All of them, their
// people, addresses and numbers are invented.

const char* const Heralds[] = {
    "HERALDS OF ORRISVANE",
    "2750 Bellwether Lane, Suite 12",
    "Tollisford, KS 00042",
    "",
    "Publishes the ten-question quiz in this program and",
    "prints it on pocket cards for fairs, schools and",
    "public meetings.  Offers a monthly newsletter, a",
    "speakers bureau and short guides to explaining",
    "liberty in plain words.",
    "",
    "(Marian Oakes) (555) 555-0142 or (555) 555-0143",
    "http://www.heralds.example.org/",
};

const char* const Lantern[] = {
    "LANTERN VESSIMAR",
    "418 Lamplighter Row",
    "Ostlemere, OH 00018",
    "",
    "Independent research on civil liberties: privacy,",
    "free speech and the limits of police power.  Issues",
    "studies, legal briefs and a quarterly journal.",
    "",
    "(Dr. Elias Penrose) (555) 555-0118",
    "http://www.lantern.example.net/",
};

const char* const Tarrant[] = {
    "TARRANT DORNAVEL",
    "77 Tarrant Mill Road",
    "Kessaton Falls, VA 00063",
    "",
    "Teaches the basics of free markets to students and",
    "teachers through summer seminars, essay contests",
    "and low-cost books on prices, trade, money and the",
    "history of economic thought.",
    "",
    "(Helen Marsh) (555) 555-0163",
    "http://www.tarrant.example.org/",
};

const char* const Books[] = {
    "OSSENBRAY BOOKS",
    "1204 Folio Street",
    "Amberquay, WI 00070",
    "",
    "Mail-order catalog of books, tapes and videos on",
    "liberty, economics, history and philosophy.  Free",
    "catalog on request; most orders ship within a week.",
    "",
    "(555) 555-0170 or (555) 555-0171",
    "http://www.ossenbray.example.com/",
};

const char* const Grove[] = {
    "GROVE MIRRAVENT",
    "9 Grove Terrace",
    "Wendlecombe, OR 00087",
    "",
    "A meeting place for people who would rather settle",
    "questions by persuasion than by force.  Hosts",
    "monthly dinners, debates and a summer retreat, and",
    "lends tapes of past talks to local discussion groups.",
    "",
    "(Tobias Wren) (555) 555-0187 or (555) 555-0188",
    "http://www.grove.example.com/",
};

const std::array<std::span<const char* const>, OrganisationCount> Organisations{
    Heralds, Lantern, Tarrant, Books, Grove,
};

} // namespace

QStringList OrganisationDetails(int organisation) {
    assert(IsOrganisation(organisation));
    QStringList lines;
    for (const char* line : Organisations[static_cast<std::size_t>(organisation - 1)])
        lines << QString::fromUtf8(line);
    return lines;
}

QString OrganisationName(int organisation) {
    return OrganisationDetails(organisation).first();
}

} // namespace content
