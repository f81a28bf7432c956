#include "Texts.h"

#include "Catalogue.h"
#include "Wording.h"

#include <QCoreApplication>

#include <array>
#include <cassert>
#include <span>

namespace content {

namespace {

// Each quotation is its quoted words, broken into lines by hand, then an attribution line that
// starts with "-"; a translation breaks its own lines. An empty line separates two quotations.

// 1 Conscription
const char* const Topic1[] = {
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Where is it written in the Constitution, in what article or section is it contained, \n"
        "that you may take children from their parents, and parents from their children, and \n"
        "compel them to fight the battles of any war in which the folly or the wickedness of \n"
        "government may engage it?\n"
        "-Daniel Webster, speech in the House of Representatives, 1814"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Neither slavery nor involuntary servitude, except as a punishment for crime whereof \n"
        "the party shall have been duly convicted, shall exist within the United States, or \n"
        "any place subject to their jurisdiction.\n"
        "-Thirteenth Amendment to the Constitution of the United States"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "The mass of men serve the state thus, not as men mainly, but as machines, with \n"
        "their bodies.\n"
        "-Henry David Thoreau, Resistance to Civil Government, 1849"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Those who would give up essential Liberty, to purchase a little temporary Safety, \n"
        "deserve neither Liberty nor Safety.\n"
        "-Benjamin Franklin, 1755"),
};

// 2 Media
const char* const Topic2[] = {
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Were it left to me to decide whether we should have a government without \n"
        "newspapers, or newspapers without a government, I should not hesitate a moment \n"
        "to prefer the latter.\n"
        "-Thomas Jefferson, letter to Edward Carrington, 1787"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "The Government's power to censor the press was abolished so that the press \n"
        "would remain forever free to censure the Government. The press was protected so \n"
        "that it could bare the secrets of government and inform the people.\n"
        "-Justice Hugo Black, New York Times Co. v. United States, 1971"),
    QT_TRANSLATE_NOOP("Quotations",
                      "Give me the liberty to know, to utter, and to argue freely according to \n"
                      "conscience, above all liberties.\n"
                      "-John Milton, Areopagitica, 1644"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "If liberty means anything at all, it means the right to tell people what they \n"
        "do not want to hear.\n"
        "-George Orwell, The Freedom of the Press, 1945"),
};

// 3 Privacy
const char* const Topic3[] = {
    QT_TRANSLATE_NOOP("Quotations",
                      "There's no place for the state in the bedrooms of the nation.\n"
                      "-Pierre Elliott Trudeau, Minister of Justice of Canada, 1967"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Would we allow the police to search the sacred precincts of marital bedrooms \n"
        "for telltale signs of the use of contraceptives? The very idea is repulsive to the \n"
        "notions of privacy surrounding the marriage relationship.\n"
        "-Justice William O. Douglas, Griswold v. Connecticut, 1965"),
    QT_TRANSLATE_NOOP("Quotations",
                      "Over himself, over his own body and mind, the individual is sovereign.\n"
                      "-John Stuart Mill, On Liberty, 1859"),
};

// 4 Prohibition
const char* const Topic4[] = {
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Was the government to prescribe to us our medicine and diet, our bodies would be in \n"
        "such keeping as our souls are now.\n"
        "-Thomas Jefferson, Notes on the State of Virginia, 1785"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Vices are those acts by which a man harms himself or his property. \n"
        "Crimes are those acts by which one man harms the person or property of another.\n"
        "-Lysander Spooner, Vices Are Not Crimes:\n"
        "A Vindication of Moral Liberty, 1875"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "The prestige of government has undoubtedly been lowered considerably by \n"
        "the prohibition law. For nothing is more destructive of respect for the government and \n"
        "the law of the land than passing laws which cannot be enforced.\n"
        "-Albert Einstein, My First Impression of the U.S.A., 1921"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "The only purpose for which power can be rightfully exercised over any member of a \n"
        "civilised community, against his will, is to prevent harm to others. His own good, \n"
        "either physical or moral, is not a sufficient warrant.\n"
        "-John Stuart Mill, On Liberty, 1859"),
};

// 5 Borders
const char* const Topic5[] = {
    QT_TRANSLATE_NOOP(
        "Quotations",
        "He has endeavoured to prevent the population of these States; for that \n"
        "purpose obstructing the Laws for Naturalization of Foreigners; refusing to \n"
        "pass others to encourage their migrations hither, and raising the conditions of new \n"
        "Appropriations of Lands.\n"
        "-Declaration of Independence, 1776"),
    QT_TRANSLATE_NOOP("Quotations", "Give me your tired, your poor,\n"
                                    "Your huddled masses yearning to breathe free,\n"
                                    "The wretched refuse of your teeming shore.\n"
                                    "Send these, the homeless, tempest-tost to me,\n"
                                    "I lift my lamp beside the golden door!\n"
                                    "-Emma Lazarus, The New Colossus, 1883"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "And if there had to be city walls, the walls had doors and the doors were open to \n"
        "anyone with the will and the heart to get here.\n"
        "-Ronald Reagan, Farewell Address, 1989"),
    QT_TRANSLATE_NOOP("Quotations", "Shall oppressed humanity find no asylum on this globe?\n"
                                    "-Thomas Jefferson, First Annual Message to Congress, 1801"),
};

// 6 Subsidies
const char* const Topic6[] = {
    QT_TRANSLATE_NOOP(
        "Quotations",
        "The lesson should be constantly enforced that, though the people support the \n"
        "Government, the Government should not support the people.\n"
        "-Grover Cleveland, veto of the Texas Seed Bill, 1887"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "See if the law takes from some persons what belongs to them, and gives it \n"
        "to other persons to whom it does not belong. See if the law benefits one \n"
        "citizen at the expense of another by doing what the citizen himself cannot do without \n"
        "committing a crime.\n"
        "-Frederic Bastiat, The Law, 1850"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Government's view of the economy could be summed up in a few short phrases: If it \n"
        "moves, tax it. If it keeps moving, regulate it. And if it stops moving, subsidize it.\n"
        "-Ronald Reagan, White House Conference on Small Business, 1986"),
};

// 7 Protectionism
const char* const Topic7[] = {
    QT_TRANSLATE_NOOP(
        "Quotations",
        "It is the maxim of every prudent master of a family, never to attempt to make at home \n"
        "what it will cost him more to make than to buy.\n"
        "-Adam Smith, The Wealth of Nations, 1776"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Free trade, one of the greatest blessings which a government can confer on a people, \n"
        "is in almost every country unpopular.\n"
        "-Thomas Babington Macaulay, 1824"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "What protection teaches us, is to do to ourselves in time of peace what enemies seek \n"
        "to do to us in time of war.\n"
        "-Henry George, Protection or Free Trade, 1886"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "If soldiers are not to cross international boundaries, goods must do so. Unless the \n"
        "shackles can be dropped from trade, bombs will be dropped from the sky.\n"
        "-Otto T. Mallery, Economic Union and Durable Peace, 1943"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Consumption is the sole end and purpose of all production; and the interest of the \n"
        "producer ought to be attended to only so far as it may be necessary for promoting \n"
        "that of the consumer.\n"
        "-Adam Smith, The Wealth of Nations, 1776"),
};

// 8 Labor
const char* const Topic8[] = {
    QT_TRANSLATE_NOOP(
        "Quotations",
        "For you cannot make a man worth a given amount by making it illegal for anyone \n"
        "to offer him anything less. You merely deprive him of the right to earn the \n"
        "amount that his abilities and situation would permit him to earn, while you \n"
        "deprive the community even of the moderate services that he is capable of \n"
        "rendering. In brief, for a low wage you substitute unemployment.\n"
        "-Henry Hazlitt, Economics in One Lesson, 1946"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "The patrimony of a poor man lies in the strength and dexterity of his hands; \n"
        "and to hinder him from employing this strength and dexterity in what manner \n"
        "he thinks proper without injury to his neighbour, is a plain violation of this \n"
        "most sacred property.\n"
        "-Adam Smith, The Wealth of Nations, 1776"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "But in the right to eat the bread, without the leave of anybody else, which \n"
        "his own hand earns, he is my equal and the equal of Judge Douglas, and the equal \n"
        "of every living man.\n"
        "-Abraham Lincoln, debate at Ottawa, Illinois, 1858"),
};

// 9 Income Tax
const char* const Topic9[] = {
    QT_TRANSLATE_NOOP("Quotations", "The power to tax involves the power to destroy.\n"
                                    "-Chief Justice John Marshall, McCulloch v. Maryland, 1819"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Any one may so arrange his affairs that his taxes shall be as low as possible; he \n"
        "is not bound to choose that pattern which will best pay the Treasury; there is not \n"
        "even a patriotic duty to increase one's taxes.\n"
        "-Judge Learned Hand, Helvering v. Gregory,\n"
        "United States Court of Appeals, 1934"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "There is no art which one government sooner learns of another than that of draining \n"
        "money from the pockets of the people.\n"
        "-Adam Smith, The Wealth of Nations, 1776"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "To tax and to please, no more than to love and to be wise, is not given to men.\n"
        "-Edmund Burke, Speech on American Taxation, 1774"),
    QT_TRANSLATE_NOOP("Quotations", "For imposing Taxes on us without our Consent:\n"
                                    "-Declaration of Independence, 1776"),
    QT_TRANSLATE_NOOP("Quotations",
                      "In this world nothing can be said to be certain, except death and taxes.\n"
                      "-Benjamin Franklin, letter to Jean-Baptiste Le Roy, 1789"),
};

// 10 Defense
const char* const Topic10[] = {
    QT_TRANSLATE_NOOP(
        "Quotations",
        "The great rule of conduct for us in regard to foreign nations is in extending our \n"
        "commercial relations, to have with them as little political connection as possible.\n"
        "-George Washington, Farewell Address, 1796"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Peace, commerce, and honest friendship with all nations, entangling alliances \n"
        "with none.\n"
        "-Thomas Jefferson, First Inaugural Address, 1801"),
    QT_TRANSLATE_NOOP("Quotations",
                      "Wherever the standard of freedom and independence has been or shall be \n"
                      "unfurled, there will her heart, her benedictions and her prayers be. \n"
                      "But she goes not abroad, in search of monsters to destroy. \n"
                      "She is the well-wisher to the freedom and independence of all. \n"
                      "She is the champion and vindicator only of her own.\n"
                      "-John Quincy Adams, Secretary of State,\n"
                      "Independence Day address, 1821"),
    QT_TRANSLATE_NOOP(
        "Quotations",
        "Of all the enemies to public liberty war is, perhaps, the most to be dreaded, because\n"
        "it comprises and develops the germ of every other.\n"
        "-James Madison, Political Observations, 1795"),
};

const std::array<std::span<const char* const>, TopicCount> Topics{
    Topic1, Topic2, Topic3, Topic4, Topic5, Topic6, Topic7, Topic8, Topic9, Topic10,
};

} // namespace

QString TopicCaption(int topic) {
    assert(IsTopic(topic));
    //: The caption over a topic's quotations; %1 is the topic's statement.
    return QCoreApplication::translate("Quotations", "Topic: %1.").arg(Statement(topic));
}

QStringList QuotationLines(int topic) {
    assert(IsTopic(topic));
    QStringList lines;
    for (const char* quotation : Topics[static_cast<std::size_t>(topic - 1)]) {
        if (!lines.isEmpty())
            lines << QString();
        lines << QCoreApplication::translate("Quotations", quotation).split(u'\n');
    }
    return lines;
}

} // namespace content
