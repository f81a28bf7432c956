#pragma once

#include <QString>
#include <QStringList>

// The reading texts: quotations, profiles, organisations, the history and the About box. Every
// text is a literal compiled into the program. Keys are one-based and must be in range (see
// Catalogue.h); a bad key is a programming error.
namespace content {

// "Topic: " followed by the statement of question `topic` and a full stop.
QString TopicCaption(int topic);
// The lines of the topic's quotations; an empty string is an empty separator line.
QStringList QuotationLines(int topic);

// Philosophy 1 Libertarian, 2 Left Liberal, 3 Centrist, 4 Right Conservative, 5 Authoritarian.
QString ProfileCaption(int philosophy);
// The heading and the entries, CR LF between lines and none after the last.
QString FamousList(int philosophy);
// The essay as one paragraph.
QString Essay(int philosophy);

// Organisation 1 Heralds, 2 Lantern, 3 Tarrant, 4 Books, 5 Grove.
QString OrganisationName(int organisation);
QStringList OrganisationDetails(int organisation);

QStringList HistoryLines();

struct AboutTexts {
    QString productName;
    QString version; // author and e-mail address
    QString label2;  // author's web address
    QString copyright;
    QString comments; // permission of organisation 1
    QString label1;   // credits
};
AboutTexts About();

} // namespace content
