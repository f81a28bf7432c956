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
    "Wrote the ten questions that this quiz asks, looks",
    "after them and lets this program use them.  Members",
    "meet in small reading circles; each circle takes up",
    "one of the ten topics for a season and writes what",
    "it found in a notebook passed on to the next circle.",
    "",
    "(Marian Oakes) (555) 555-0142 or (555) 555-0143",
    "http://www.heralds.example.org/",
};

const char* const Lantern[] = {
    "LANTERN VESSIMAR",
    "418 Lamplighter Row",
    "Ostlemere, OH 00018",
    "",
    "Keeps an archive of letters, court papers and press",
    "clippings on privacy and free speech, open to anyone",
    "by appointment.  Questions by mail are welcome.",
    "",
    "(Dr. Elias Penrose) (555) 555-0118",
    "http://www.lantern.example.net/",
};

const char* const Tarrant[] = {
    "TARRANT DORNAVEL",
    "77 Tarrant Mill Road",
    "Kessaton Falls, VA 00063",
    "",
    "Evening courses on how prices, trade and money work,",
    "taught by volunteers from local shops and farms in",
    "the back room of the old Tarrant mill.  The course",
    "notes go free to anyone who writes for them.",
    "",
    "(Helen Marsh) (555) 555-0163",
    "http://www.tarrant.example.org/",
};

const char* const Books[] = {
    "OSSENBRAY BOOKS",
    "1204 Folio Street",
    "Amberquay, WI 00070",
    "",
    "Lends books by post on economics, history, law and",
    "philosophy; borrowers pay the postage both ways and",
    "nothing else.  Shelf list free on request.",
    "",
    "(555) 555-0170 or (555) 555-0171",
    "http://www.ossenbray.example.com/",
};

const char* const Grove[] = {
    "GROVE MIRRAVENT",
    "9 Grove Terrace",
    "Wendlecombe, OR 00087",
    "",
    "Forty apple trees kept by the members, who meet",
    "under them on summer Sundays to argue both sides of",
    "a question drawn by lot, then share the harvest with",
    "their neighbors.",
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
