#include "Texts.h"

#include "Answers.h"
#include "Catalogue.h"

#include <array>
#include <cassert>
#include <span>

namespace content {

namespace {

// Each quotation is its quoted words, broken by hand, then an attribution line that starts with
// "-". An empty line separates two quotations.

// 1 Conscription
const char* const Topic1[] = {
    "Where is it written in the Constitution, in what article or section is it contained, ",
    "that you may take children from their parents, and parents from their children, and ",
    "compel them to fight the battles of any war in which the folly or the wickedness of ",
    "government may engage it?",
    "-Daniel Webster, speech in the House of Representatives, 1814",
    "",
    "Neither slavery nor involuntary servitude, except as a punishment for crime whereof ",
    "the party shall have been duly convicted, shall exist within the United States, or ",
    "any place subject to their jurisdiction.",
    "-Thirteenth Amendment to the Constitution of the United States",
    "",
    "The mass of men serve the state thus, not as men mainly, but as machines, with ",
    "their bodies.",
    "-Henry David Thoreau, Resistance to Civil Government, 1849",
    "",
    "Those who would give up essential Liberty, to purchase a little temporary Safety, ",
    "deserve neither Liberty nor Safety.",
    "-Benjamin Franklin, 1755",
};

// 2 Media
const char* const Topic2[] = {
    "Were it left to me to decide whether we should have a government without ",
    "newspapers, or newspapers without a government, I should not hesitate a moment ",
    "to prefer the latter.",
    "-Thomas Jefferson, letter to Edward Carrington, 1787",
    "",
    "The Government's power to censor the press was abolished so that the press ",
    "would remain forever free to censure the Government. The press was protected so ",
    "that it could bare the secrets of government and inform the people.",
    "-Justice Hugo Black, New York Times Co. v. United States, 1971",
    "",
    "Give me the liberty to know, to utter, and to argue freely according to ",
    "conscience, above all liberties.",
    "-John Milton, Areopagitica, 1644",
    "",
    "If liberty means anything at all, it means the right to tell people what they ",
    "do not want to hear.",
    "-George Orwell, The Freedom of the Press, 1945",
};

// 3 Privacy
const char* const Topic3[] = {
    "There's no place for the state in the bedrooms of the nation.",
    "-Pierre Elliott Trudeau, Minister of Justice of Canada, 1967",
    "",
    "Would we allow the police to search the sacred precincts of marital bedrooms ",
    "for telltale signs of the use of contraceptives? The very idea is repulsive to the ",
    "notions of privacy surrounding the marriage relationship.",
    "-Justice William O. Douglas, Griswold v. Connecticut, 1965",
    "",
    "Over himself, over his own body and mind, the individual is sovereign.",
    "-John Stuart Mill, On Liberty, 1859",
};

// 4 Prohibition
const char* const Topic4[] = {
    "Was the government to prescribe to us our medicine and diet, our bodies would be in ",
    "such keeping as our souls are now.",
    "-Thomas Jefferson, Notes on the State of Virginia, 1785",
    "",
    "Vices are those acts by which a man harms himself or his property. ",
    "Crimes are those acts by which one man harms the person or property of another.",
    "-Lysander Spooner, Vices Are Not Crimes:",
    "A Vindication of Moral Liberty, 1875",
    "",
    "The prestige of government has undoubtedly been lowered considerably by ",
    "the prohibition law. For nothing is more destructive of respect for the government and ",
    "the law of the land than passing laws which cannot be enforced.",
    "-Albert Einstein, My First Impression of the U.S.A., 1921",
    "",
    "The only purpose for which power can be rightfully exercised over any member of a ",
    "civilised community, against his will, is to prevent harm to others. His own good, ",
    "either physical or moral, is not a sufficient warrant.",
    "-John Stuart Mill, On Liberty, 1859",
};

// 5 Borders
const char* const Topic5[] = {
    "He has endeavoured to prevent the population of these States; for that ",
    "purpose obstructing the Laws for Naturalization of Foreigners; refusing to ",
    "pass others to encourage their migrations hither, and raising the conditions of new ",
    "Appropriations of Lands.",
    "-Declaration of Independence, 1776",
    "",
    "Give me your tired, your poor,",
    "Your huddled masses yearning to breathe free,",
    "The wretched refuse of your teeming shore.",
    "Send these, the homeless, tempest-tost to me,",
    "I lift my lamp beside the golden door!",
    "-Emma Lazarus, The New Colossus, 1883",
    "",
    "And if there had to be city walls, the walls had doors and the doors were open to ",
    "anyone with the will and the heart to get here.",
    "-Ronald Reagan, Farewell Address, 1989",
    "",
    "Shall oppressed humanity find no asylum on this globe?",
    "-Thomas Jefferson, First Annual Message to Congress, 1801",
};

// 6 Subsidies
const char* const Topic6[] = {
    "The lesson should be constantly enforced that, though the people support the ",
    "Government, the Government should not support the people.",
    "-Grover Cleveland, veto of the Texas Seed Bill, 1887",
    "",
    "See if the law takes from some persons what belongs to them, and gives it ",
    "to other persons to whom it does not belong. See if the law benefits one ",
    "citizen at the expense of another by doing what the citizen himself cannot do without ",
    "committing a crime.",
    "-Frederic Bastiat, The Law, 1850",
    "",
    "Government's view of the economy could be summed up in a few short phrases: If it ",
    "moves, tax it. If it keeps moving, regulate it. And if it stops moving, subsidize it.",
    "-Ronald Reagan, White House Conference on Small Business, 1986",
};

// 7 Protectionism
const char* const Topic7[] = {
    "It is the maxim of every prudent master of a family, never to attempt to make at home ",
    "what it will cost him more to make than to buy.",
    "-Adam Smith, The Wealth of Nations, 1776",
    "",
    "Free trade, one of the greatest blessings which a government can confer on a people, ",
    "is in almost every country unpopular.",
    "-Thomas Babington Macaulay, 1824",
    "",
    "What protection teaches us, is to do to ourselves in time of peace what enemies seek ",
    "to do to us in time of war.",
    "-Henry George, Protection or Free Trade, 1886",
    "",
    "If soldiers are not to cross international boundaries, goods must do so. Unless the ",
    "shackles can be dropped from trade, bombs will be dropped from the sky.",
    "-Otto T. Mallery, Economic Union and Durable Peace, 1943",
    "",
    "Consumption is the sole end and purpose of all production; and the interest of the ",
    "producer ought to be attended to only so far as it may be necessary for promoting ",
    "that of the consumer.",
    "-Adam Smith, The Wealth of Nations, 1776",
};

// 8 Labor
const char* const Topic8[] = {
    "For you cannot make a man worth a given amount by making it illegal for anyone ",
    "to offer him anything less. You merely deprive him of the right to earn the ",
    "amount that his abilities and situation would permit him to earn, while you ",
    "deprive the community even of the moderate services that he is capable of ",
    "rendering. In brief, for a low wage you substitute unemployment.",
    "-Henry Hazlitt, Economics in One Lesson, 1946",
    "",
    "The patrimony of a poor man lies in the strength and dexterity of his hands; ",
    "and to hinder him from employing this strength and dexterity in what manner ",
    "he thinks proper without injury to his neighbour, is a plain violation of this ",
    "most sacred property.",
    "-Adam Smith, The Wealth of Nations, 1776",
    "",
    "But in the right to eat the bread, without the leave of anybody else, which ",
    "his own hand earns, he is my equal and the equal of Judge Douglas, and the equal ",
    "of every living man.",
    "-Abraham Lincoln, debate at Ottawa, Illinois, 1858",
};

// 9 Income Tax
const char* const Topic9[] = {
    "The power to tax involves the power to destroy.",
    "-Chief Justice John Marshall, McCulloch v. Maryland, 1819",
    "",
    "Any one may so arrange his affairs that his taxes shall be as low as possible; he ",
    "is not bound to choose that pattern which will best pay the Treasury; there is not ",
    "even a patriotic duty to increase one's taxes.",
    "-Judge Learned Hand, Helvering v. Gregory,",
    "United States Court of Appeals, 1934",
    "",
    "There is no art which one government sooner learns of another than that of draining ",
    "money from the pockets of the people.",
    "-Adam Smith, The Wealth of Nations, 1776",
    "",
    "To tax and to please, no more than to love and to be wise, is not given to men.",
    "-Edmund Burke, Speech on American Taxation, 1774",
    "",
    "For imposing Taxes on us without our Consent:",
    "-Declaration of Independence, 1776",
    "",
    "In this world nothing can be said to be certain, except death and taxes.",
    "-Benjamin Franklin, letter to Jean-Baptiste Le Roy, 1789",
};

// 10 Defense
const char* const Topic10[] = {
    "The great rule of conduct for us in regard to foreign nations is in extending our ",
    "commercial relations, to have with them as little political connection as possible.",
    "-George Washington, Farewell Address, 1796",
    "",
    "Peace, commerce, and honest friendship with all nations, entangling alliances ",
    "with none.",
    "-Thomas Jefferson, First Inaugural Address, 1801",
    "",
    "Wherever the standard of freedom and independence has been or shall be ",
    "unfurled, there will her heart, her benedictions and her prayers be. ",
    "But she goes not abroad, in search of monsters to destroy. ",
    "She is the well-wisher to the freedom and independence of all. ",
    "She is the champion and vindicator only of her own.",
    "-John Quincy Adams, Secretary of State,",
    "Independence Day address, 1821",
    "",
    "Of all the enemies to public liberty war is, perhaps, the most to be dreaded, because",
    "it comprises and develops the germ of every other.",
    "-James Madison, Political Observations, 1795",
};

const std::array<std::span<const char* const>, TopicCount> Topics{
    Topic1, Topic2, Topic3, Topic4, Topic5, Topic6, Topic7, Topic8, Topic9, Topic10,
};

} // namespace

QString TopicCaption(int topic) {
    assert(IsTopic(topic));
    const std::string_view statement = quiz::QuestionAt(topic).statement;
    return QStringLiteral("Topic: ") + QString::fromUtf8(statement) + QLatin1Char('.');
}

QStringList QuotationLines(int topic) {
    assert(IsTopic(topic));
    QStringList lines;
    for (const char* line : Topics[static_cast<std::size_t>(topic - 1)])
        lines << QString::fromUtf8(line);
    return lines;
}

} // namespace content
