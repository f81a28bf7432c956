#include "Texts.h"

#include "Catalogue.h"

#include <QCoreApplication>

#include <array>
#include <cassert>

namespace content {

namespace {

// Every organisation's details run in the same order: name, street, town, an empty line, a few
// lines on its work, an empty line, the contact line and the web address. All of them, their
// people, addresses and numbers are invented. Only the lines on the work (a translation breaks
// its own lines) and the words of the contact line ("or") are translated: names, addresses,
// numbers and web addresses stay as they are.
struct Organisation {
    std::array<const char*, 3> address; // name, street, town
    const char* work;
    std::array<const char*, 2> contact; // contact line, web address
};

const Organisation Heralds{
    {"HERALDS OF ORRISVANE", "2750 Bellwether Lane, Suite 12", "Tollisford, KS 00042"},
    QT_TRANSLATE_NOOP("Organisations", "Wrote the ten questions that this quiz asks, looks\n"
                                       "after them and lets this program use them.  Members\n"
                                       "meet in small reading circles; each circle takes up\n"
                                       "one of the ten topics for a season and writes what\n"
                                       "it found in a notebook passed on to the next circle."),
    {QT_TRANSLATE_NOOP("Organisations", "(Marian Oakes) (555) 555-0142 or (555) 555-0143"),
     "http://www.heralds.example.org/"},
};

const Organisation Lantern{
    {"LANTERN VESSIMAR", "418 Lamplighter Row", "Ostlemere, OH 00018"},
    QT_TRANSLATE_NOOP("Organisations", "Keeps an archive of letters, court papers and press\n"
                                       "clippings on privacy and free speech, open to anyone\n"
                                       "by appointment.  Questions by mail are welcome."),
    {QT_TRANSLATE_NOOP("Organisations", "(Dr. Elias Penrose) (555) 555-0118"),
     "http://www.lantern.example.net/"},
};

const Organisation Tarrant{
    {"TARRANT DORNAVEL", "77 Tarrant Mill Road", "Kessaton Falls, VA 00063"},
    QT_TRANSLATE_NOOP("Organisations", "Evening courses on how prices, trade and money work,\n"
                                       "taught by volunteers from local shops and farms in\n"
                                       "the back room of the old Tarrant mill.  The course\n"
                                       "notes go free to anyone who writes for them."),
    {QT_TRANSLATE_NOOP("Organisations", "(Helen Marsh) (555) 555-0163"),
     "http://www.tarrant.example.org/"},
};

const Organisation Books{
    {"OSSENBRAY BOOKS", "1204 Folio Street", "Amberquay, WI 00070"},
    QT_TRANSLATE_NOOP("Organisations", "Lends books by post on economics, history, law and\n"
                                       "philosophy; borrowers pay the postage both ways and\n"
                                       "nothing else.  Shelf list free on request."),
    {QT_TRANSLATE_NOOP("Organisations", "(555) 555-0170 or (555) 555-0171"),
     "http://www.ossenbray.example.com/"},
};

const Organisation Grove{
    {"GROVE MIRRAVENT", "9 Grove Terrace", "Wendlecombe, OR 00087"},
    QT_TRANSLATE_NOOP("Organisations", "Forty apple trees kept by the members, who meet\n"
                                       "under them on summer Sundays to argue both sides of\n"
                                       "a question drawn by lot, then share the harvest with\n"
                                       "their neighbors."),
    {QT_TRANSLATE_NOOP("Organisations", "(Tobias Wren) (555) 555-0187 or (555) 555-0188"),
     "http://www.grove.example.com/"},
};

const std::array<const Organisation*, OrganisationCount> Organisations{
    &Heralds, &Lantern, &Tarrant, &Books, &Grove,
};

} // namespace

QStringList OrganisationDetails(int organisation) {
    assert(IsOrganisation(organisation));
    const Organisation& shown = *Organisations[static_cast<std::size_t>(organisation - 1)];
    QStringList lines;
    for (const char* line : shown.address)
        lines << QString::fromUtf8(line);
    lines << QString() << QCoreApplication::translate("Organisations", shown.work).split(u'\n')
          << QString();
    lines << QCoreApplication::translate("Organisations", shown.contact[0])
          << QString::fromUtf8(shown.contact[1]);
    return lines;
}

QString OrganisationName(int organisation) {
    assert(IsOrganisation(organisation));
    return QString::fromUtf8(Organisations[static_cast<std::size_t>(organisation - 1)]->address[0]);
}

} // namespace content
