#include <QtTest>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSet>

#include "Answers.h"
#include "Catalogue.h"
#include "Texts.h"

using namespace content;

namespace {

// A quotation text cut at its empty lines: one block per quotation.
QList<QStringList> Blocks(const QStringList& lines) {
    QList<QStringList> blocks{{}};
    for (const QString& line : lines) {
        if (line.isEmpty())
            blocks.append(QStringList());
        else
            blocks.last().append(line);
    }
    return blocks;
}

// "-" directly followed by the source.
bool IsAttribution(const QString& line) {
    return line.size() > 1 && line.front() == QLatin1Char('-') && !line.at(1).isSpace();
}

bool IsReservedHost(const QString& host) {
    for (const char* domain : {"example.org", "example.com", "example.net"}) {
        const QString d = QLatin1String(domain);
        if (host == d || host.endsWith(QLatin1Char('.') + d))
            return true;
    }
    return false;
}

// The host names of every web address and e-mail address in the text.
QStringList Hosts(const QString& text) {
    static const QRegularExpression address(
        QStringLiteral(R"((?:https?://([^/\s]+))|(?:[\w.]+@([\w.-]*\w)))"));
    QStringList hosts;
    for (const QRegularExpressionMatch& m : address.globalMatch(text))
        hosts << (m.captured(1).isEmpty() ? m.captured(2) : m.captured(1)).toLower();
    return hosts;
}

// The About box's labels: Liberation Sans, 11 pixels, bold.
QFont LabelFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

// The rectangle that a word-wrapping label of the given width needs for the text.
QRect Wrapped(const QString& text, int width) {
    return QFontMetrics(LabelFont())
        .boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text);
}

// Wrapped lines are one font height apart (Liberation Sans has a negative leading at this size).
int WrappedLineCount(const QString& text, int width) {
    return qRound(Wrapped(text, width).height() / double(QFontMetrics(LabelFont()).height()));
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The label measurements below mean nothing in a substitute face.
        QCOMPARE(QFontInfo(LabelFont()).family(), QStringLiteral("Liberation Sans"));
    }

    // ---- Quotations ----

    void quotationLayout_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("quotations");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("longest");
        const int table[][4] = {{1, 4, 18, 85}, {2, 4, 17, 80}, {3, 3, 10, 83}, {4, 4, 18, 87},
                                {5, 4, 19, 84}, {6, 3, 13, 86}, {7, 5, 20, 86}, {8, 3, 17, 81},
                                {9, 6, 21, 84}, {10, 4, 19, 85}};
        for (const auto& row : table)
            QTest::addRow("topic %d", row[0]) << row[0] << row[1] << row[2] << row[3];
    }

    void quotationLayout() {
        QFETCH(int, topic);
        QFETCH(int, quotations);
        QFETCH(int, lineCount);
        QFETCH(int, longest);
        const QStringList lines = QuotationLines(topic);

        QCOMPARE(lines.size(), lineCount);
        QVERIFY(!lines.first().isEmpty());
        QVERIFY(!lines.last().isEmpty());
        qsizetype widest = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            widest = qMax(widest, line.size());
            QVERIFY2(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')) &&
                         !line.contains(QLatin1Char('\t')),
                     qPrintable(line));
            QVERIFY2(!line.startsWith(QLatin1Char(' ')), qPrintable(line));
            if (line.isEmpty())
                QVERIFY2(!lines[i - 1].isEmpty(), "two empty lines in a row");
        }
        QCOMPARE(widest, qsizetype(longest));
        const qsizetype characters = lines.join(QStringLiteral("\r\n")).size();
        QVERIFY2(characters >= 500 && characters <= 1010, qPrintable(QString::number(characters)));

        const QList<QStringList> blocks = Blocks(lines);
        QCOMPARE(blocks.size(), qsizetype(quotations));
        for (const QStringList& block : blocks) {
            qsizetype attribution = 0;
            while (attribution < block.size() && !block[attribution].startsWith(QLatin1Char('-')))
                ++attribution;
            QVERIFY2(attribution < block.size(), qPrintable(block.first()));
            QVERIFY2(attribution >= 1 && attribution <= 5, qPrintable(block.first()));
            QVERIFY2(IsAttribution(block[attribution]), qPrintable(block[attribution]));
            // A long attribution continues on at most two more lines.
            QVERIFY2(block.size() - attribution - 1 <= 2, qPrintable(block[attribution]));
            for (qsizetype i = attribution + 1; i < block.size(); ++i)
                QVERIFY(!block[i].startsWith(QLatin1Char('-')));
            // Only a line broken inside the quoted words may keep a trailing blank.
            for (qsizetype i = attribution - 1; i < block.size(); ++i)
                QVERIFY2(!block[i].endsWith(QLatin1Char(' ')), qPrintable(block[i]));
        }
    }

    void fortyDistinctQuotations() {
        QSet<QString> openings;
        int count = 0;
        for (int topic = 1; topic <= TopicCount; ++topic) {
            for (const QStringList& block : Blocks(QuotationLines(topic))) {
                ++count;
                QVERIFY2(!openings.contains(block.first()), qPrintable(block.first()));
                openings.insert(block.first());
            }
        }
        QCOMPARE(count, 40);
    }

    void topicCaptionsFollowTheStatements() {
        QSet<QString> captions;
        for (int topic = 1; topic <= TopicCount; ++topic) {
            const QString caption = TopicCaption(topic);
            const std::string_view statement = quiz::QuestionAt(topic).statement;
            QCOMPARE(caption, QStringLiteral("Topic: ") + QString::fromUtf8(statement) +
                                  QStringLiteral("."));
            QVERIFY2(caption.size() >= 48 && caption.size() <= 70, qPrintable(caption));
            captions.insert(caption);
        }
        QCOMPARE(captions.size(), qsizetype(TopicCount));
    }

    // ---- Profiles ----

    void profiles_data() {
        QTest::addColumn<int>("philosophy");
        QTest::addColumn<QString>("plural");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("essayLength");
        QTest::newRow("Libertarian") << 1 << "Libertarians" << 3 << 242;
        QTest::newRow("Left Liberal") << 2 << "Left Liberals" << 2 << 241;
        QTest::newRow("Centrist") << 3 << "Centrists" << 1 << 229;
        QTest::newRow("Right Conservative") << 4 << "Right Conservatives" << 2 << 194;
        QTest::newRow("Authoritarian") << 5 << "Authoritarians" << 3 << 244;
    }

    void profiles() {
        QFETCH(int, philosophy);
        QFETCH(QString, plural);
        QFETCH(int, entries);
        QFETCH(int, essayLength);

        QCOMPARE(ProfileCaption(philosophy), QStringLiteral("Profiles: ") + plural);

        // The famous list: CR LF between lines, never a bare CR or LF, and none at the end.
        const QString famous = FamousList(philosophy);
        QCOMPARE(famous.count(QLatin1Char('\n')), famous.count(QStringLiteral("\r\n")));
        QCOMPARE(famous.count(QLatin1Char('\r')), famous.count(QStringLiteral("\r\n")));
        QVERIFY(!famous.endsWith(QLatin1Char('\n')));
        const QStringList lines = famous.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("Famous ") + plural + QStringLiteral(":"));
        QCOMPARE(lines.size() - 1, qsizetype(entries));
        for (qsizetype i = 1; i < lines.size(); ++i) {
            QVERIFY2(lines[i].startsWith(QStringLiteral("  ")), qPrintable(lines[i]));
            QVERIFY2(lines[i].size() > 2 && !lines[i].at(2).isSpace(), qPrintable(lines[i]));
            QVERIFY(!lines[i].endsWith(QLatin1Char(' ')));
        }

        const QString essay = Essay(philosophy);
        QCOMPARE(essay.size(), qsizetype(essayLength));
        QVERIFY(!essay.contains(QLatin1Char('\r')) && !essay.contains(QLatin1Char('\n')));
        QVERIFY(essay.front().isUpper());
        QVERIFY(essay.endsWith(QLatin1Char('.')));
        // Two blanks after every sentence but the last, and nowhere else.
        QVERIFY2(!essay.contains(QRegularExpression(QStringLiteral(R"([.!?] (?! ))"))),
                 qPrintable(essay));
        QVERIFY2(!essay.contains(QRegularExpression(QStringLiteral(R"((?<![.!?])  |   )"))),
                 qPrintable(essay));
        QVERIFY(essay.count(QStringLiteral(".  ")) >= 1);
    }

    // ---- Organisations ----

    void organisations_data() {
        QTest::addColumn<int>("organisation");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("Heralds") << 1 << "HERALDS" << 12;
        QTest::newRow("Lantern") << 2 << "LANTERN" << 10;
        QTest::newRow("Tarrant") << 3 << "TARRANT" << 11;
        QTest::newRow("Books") << 4 << "BOOKS" << 10;
        QTest::newRow("Grove") << 5 << "GROVE" << 11;
    }

    void organisations() {
        QFETCH(int, organisation);
        QFETCH(QString, word);
        QFETCH(int, lineCount);
        const QStringList lines = OrganisationDetails(organisation);
        QCOMPARE(lines.size(), qsizetype(lineCount));

        const QString name = OrganisationName(organisation);
        QCOMPARE(name, lines.first());
        QCOMPARE(name, name.toUpper());
        QVERIFY2(name.size() >= 14 && name.size() <= 33, qPrintable(name));
        QVERIFY2(name.contains(word), qPrintable(name));

        // Name, street and town, then an empty line; the work lines; an empty line; contact, web.
        QVERIFY(!lines[1].isEmpty() && !lines[2].isEmpty());
        // Town, state and a ZIP code from the 000xx range, which the post office gives no town.
        static const QRegularExpression town(QStringLiteral(R"(^[A-Z][^,]*, [A-Z]{2} 000\d\d$)"));
        QVERIFY2(town.match(lines[2]).hasMatch(), qPrintable(lines[2]));
        QVERIFY(lines[3].isEmpty());
        const qsizetype contact = lines.size() - 2;
        QVERIFY(lines[contact - 1].isEmpty());
        const qsizetype workLines = contact - 1 - 4;
        QVERIFY(workLines >= 3 && workLines <= 5);
        for (qsizetype i = 4; i < contact - 1; ++i)
            QVERIFY2(!lines[i].isEmpty() && lines[i].size() <= 54, qPrintable(lines[i]));

        const QString phone = QStringLiteral(R"(\(555\) 555-01\d\d)");
        const QString numbers = phone + QStringLiteral("(?: or ") + phone + QStringLiteral(")?");
        const QString person = QStringLiteral(R"(\([A-Z][^()]*\) )");
        const QRegularExpression contactLine(QStringLiteral("^") +
                                             (organisation == 4 ? QString() : person) + numbers +
                                             QStringLiteral("$"));
        QVERIFY2(contactLine.match(lines[contact]).hasMatch(), qPrintable(lines[contact]));

        const QString web = lines.last();
        QVERIFY2(web.startsWith(QStringLiteral("http://")), qPrintable(web));
        QCOMPARE(Hosts(web).size(), 1);
        QVERIFY2(IsReservedHost(Hosts(web).first()), qPrintable(web));
    }

    void organisationsAreDistinct() {
        QSet<QString> names, webs, phones;
        const QRegularExpression phone(QStringLiteral(R"(\(555\) 555-\d{4})"));
        for (int o = 1; o <= OrganisationCount; ++o) {
            names.insert(OrganisationName(o));
            webs.insert(OrganisationDetails(o).last());
            for (const QRegularExpressionMatch& m :
                 phone.globalMatch(OrganisationDetails(o).join(QLatin1Char('\n')))) {
                QVERIFY2(!phones.contains(m.captured()), qPrintable(m.captured()));
                phones.insert(m.captured());
            }
        }
        QCOMPARE(names.size(), qsizetype(OrganisationCount));
        QCOMPARE(webs.size(), qsizetype(OrganisationCount));
    }

    // ---- History ----

    void historyLayout() {
        const QStringList lines = HistoryLines();
        QCOMPARE(lines.size(), 19);
        int endingInBlank = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const bool separator = i % 4 == 3; // after every paragraph of three lines
            QVERIFY2(lines[i].isEmpty() == separator, qPrintable(QString::number(i)));
            QVERIFY2(lines[i].size() <= 96, qPrintable(lines[i]));
            QVERIFY(!lines[i].startsWith(QLatin1Char(' ')));
            QVERIFY(!lines[i].contains(QLatin1Char('\r')) && !lines[i].contains(QLatin1Char('\n')));
            if (lines[i].endsWith(QLatin1Char(' ')))
                ++endingInBlank;
        }
        QVERIFY2(endingInBlank > 15 / 2, qPrintable(QString::number(endingInBlank)));
        QVERIFY(lines.join(QString()).contains(QStringLiteral("Avery Quill")));
    }

    // ---- About ----

    void aboutOneLineLabels() {
        const AboutTexts& about = About();
        QCOMPARE(about.productName,
                 QStringLiteral("QUIZ Version 6.1 (Win 95/Win NT), December 10, 1996"));
        QVERIFY(about.version.contains(QStringLiteral("Avery Quill")));
        QVERIFY2(about.version.contains(QLatin1Char('@')), qPrintable(about.version));
        QVERIFY2(about.label2.startsWith(QStringLiteral("http://")), qPrintable(about.label2));

        const QFontMetrics metrics(LabelFont());
        const std::pair<QString, int> labels[] = {
            {about.productName, 319}, {about.version, 321}, {about.label2, 321}};
        for (const auto& [text, width] : labels) {
            QVERIFY2(metrics.horizontalAdvance(text) <= width, qPrintable(text));
            QCOMPARE(WrappedLineCount(text, width), 1);
        }
    }

    void aboutWrappedLabels_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("Copyright") << About().copyright << 401 << 39 << 3;
        QTest::newRow("Comments") << About().comments << 365 << 39 << 3;
        QTest::newRow("Label1") << About().label1 << 396 << 52 << 4;
    }

    void aboutWrappedLabels() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, lineCount);
        QCOMPARE(WrappedLineCount(text, width), lineCount);
        const QRect needed = Wrapped(text, width);
        QVERIFY2(needed.width() <= width && needed.height() <= height,
                 qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));
    }

    void aboutCitesTheFirstOrganisation() {
        const QString comments = About().comments;
        const QStringList heralds = OrganisationDetails(1);
        QVERIFY2(comments.contains(heralds[0], Qt::CaseInsensitive), qPrintable(comments));
        QVERIFY2(comments.contains(heralds[1]), qPrintable(comments));
        QVERIFY2(comments.contains(heralds[2]), qPrintable(comments));
        QVERIFY(About().copyright.contains(QStringLiteral("Avery Quill")));
        QVERIFY(About().label1.contains(QStringLiteral("quotations")));
    }

    void everyAddressIsReserved() {
        const AboutTexts& about = About();
        QString all =
            QStringList{about.version,  about.label2, about.copyright,
                        about.comments, about.label1, HistoryLines().join(QLatin1Char('\n'))}
                .join(QLatin1Char('\n'));
        for (int o = 1; o <= OrganisationCount; ++o)
            all += QLatin1Char('\n') + OrganisationDetails(o).join(QLatin1Char('\n'));
        const QStringList hosts = Hosts(all);
        QVERIFY(hosts.size() >= OrganisationCount + 2);
        for (const QString& host : hosts)
            QVERIFY2(IsReservedHost(host), qPrintable(host));
        // Every telephone number lies in the range kept for fiction.
        const QRegularExpression number(QStringLiteral(R"(\d{3}-\d{4})"));
        for (const QRegularExpressionMatch& m : number.globalMatch(all))
            QVERIFY2(m.captured().startsWith(QStringLiteral("555-01")), qPrintable(m.captured()));
    }
};

QTEST_MAIN(TestTexts)
#include "test_texts.moc"
