<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>QUIZ Version 6.1 (Win 95/Win NT), December 10, 1996</source>
        <translation>QUIZ Version 6.1 (Win 95/Win NT), 10. Dezember 1996</translation>
    </message>
    <message>
        <source>By Avery Quill, avery.quill@example.com</source>
        <translation>Von Avery Quill, avery.quill@example.com</translation>
    </message>
    <message>
        <source>Copyright © 1996 Avery Quill.  All rights reserved.  You may copy this program and give it away free of charge, provided that all of its files are passed on together and unchanged.</source>
        <translation>Copyright © 1996 Avery Quill.  Alle Rechte vorbehalten.  Sie dürfen dieses Programm kopieren und kostenlos weitergeben, sofern alle seine Dateien zusammen und unverändert weitergegeben werden.</translation>
    </message>
    <message>
        <source>The ten questions of the quiz itself are used by kind permission of the Heralds of Orrisvane, 2750 Bellwether Lane, Suite 12, Tollisford, KS 00042, who hold the rights to them.</source>
        <translation>Die zehn Fragen des Quiz selbst werden mit freundlicher Genehmigung der Heralds of Orrisvane, 2750 Bellwether Lane, Suite 12, Tollisford, KS 00042, verwendet, bei denen die Rechte daran liegen.</translation>
    </message>
    <message>
        <source>Thanks to Dana Whitcomb for the earlier versions of the quiz on disk, and to Jules Ferrante for compiling the topical quotations.  The quiz is also available for the Macintosh, for OS/2 and for DOS, and on paper from the Heralds of Orrisvane.</source>
        <translation>Dank an Dana Whitcomb für die früheren Versionen des Quiz auf Diskette und an Jules Ferrante für die Zusammenstellung der Zitate zu den Themen.  Das Quiz gibt es auch für den Macintosh, für OS/2 und für DOS sowie auf Papier bei den Heralds of Orrisvane.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: quiz [option...]
Quiz!, a ten-question political self-assessment quiz: answer five statements on personal
and five on economic issues with Yes, Maybe or No, and see where the answers place you on
a two-axis political map, with quotations, profiles and organisations to read. It keeps
nothing: no files, no settings, no network.

Options:
  -h, --help        show this help and exit
  -v, --version     show the version and exit

Qt&apos;s options, passed on to the toolkit:
  -platform NAME    the display plug-in: xcb (X11), wayland, offscreen...
  -display NAME     the X11 display to use instead of $DISPLAY
  -style NAME       the style of the controls, such as Fusion or Windows
  -reverse          lay the windows out from right to left
  and -platformtheme, -platformpluginpath, -plugin, -qwindowgeometry, -qwindowtitle,
  -qwindowicon, -stylesheet, -session, -widgetcount; on X11 also -geometry, -title,
  -icon, -name, -visual, -nograb, -dograb.

The manual page quiz(1) describes the environment variables it reads.
</source>
        <translation>Aufruf: quiz [Option...]
Quiz!, ein politisches Quiz zur Selbsteinschätzung mit zehn Fragen: Beantworten Sie fünf
Aussagen zu persönlichen und fünf zu wirtschaftlichen Fragen mit Ja, Vielleicht oder
Nein, und sehen Sie, wo Ihre Antworten Sie auf einer politischen Karte mit zwei Achsen
einordnen, mit Zitaten, Profilen und Organisationen zum Nachlesen. Es hinterlässt nichts:
keine Dateien, keine Einstellungen, keine Netzwerkzugriffe.

Optionen:
  -h, --help        diese Hilfe anzeigen und beenden
  -v, --version     die Version anzeigen und beenden

Optionen von Qt, die an das Toolkit weitergegeben werden:
  -platform NAME    das Anzeige-Plug-in: xcb (X11), wayland, offscreen...
  -display NAME     das X11-Display, das statt $DISPLAY verwendet wird
  -style NAME       der Stil der Bedienelemente, etwa Fusion oder Windows
  -reverse          die Fenster von rechts nach links anordnen
  sowie -platformtheme, -platformpluginpath, -plugin, -qwindowgeometry, -qwindowtitle,
  -qwindowicon, -stylesheet, -session, -widgetcount; unter X11 auch -geometry, -title,
  -icon, -name, -visual, -nograb, -dograb.

Die Handbuchseite quiz(1) beschreibt die Umgebungsvariablen, die das Programm liest.
</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The Heralds of Orrisvane wrote the ten questions of this quiz in the spring of 1987, to open 
the talk at their reading circles.  Members kept asking where they stood, and the only answer 
on offer was a single line from left to right, with everyone who did not fit in the middle.</source>
        <translation>Die Heralds of Orrisvane schrieben die zehn Fragen dieses Quiz im Frühjahr 1987, um damit die 
Gespräche in ihren Lesekreisen zu eröffnen.  Die Mitglieder fragten immer wieder, wo sie 
eigentlich stünden, und die einzige Antwort, die es gab, war eine bloße Linie von links nach 
rechts, auf der jeder, der nicht hineinpasste, in der Mitte landete.</translation>
    </message>
    <message>
        <source>The trouble with the line was easy to see.  Some people wanted government out of their private 
lives but not out of the marketplace; others wanted just the reverse.  One line could not tell 
them apart, so the quiz asks about personal freedom and economic freedom separately.</source>
        <translation>Das Problem mit der Linie war leicht zu erkennen.  Manche Menschen wollten den Staat aus ihrem 
Privatleben heraushalten, aber nicht aus dem Markt; andere wollten genau das Gegenteil.  Eine 
einzige Linie konnte sie nicht auseinanderhalten, deshalb fragt das Quiz getrennt nach 
persönlicher und nach wirtschaftlicher Freiheit.</translation>
    </message>
    <message>
        <source>Five questions feed each of the two scores.  Set side by side, the scores mark a point on a 
square chart turned on its corner into a diamond: more freedom on both scales toward the top, 
less on both toward the bottom, and the familiar left and right at the two sides.</source>
        <translation>In jede der beiden Punktzahlen fließen fünf Fragen ein.  Nebeneinandergestellt markieren die 
beiden Punktzahlen einen Punkt auf einem quadratischen Diagramm, das, auf die Spitze gestellt, 
zur Raute wird: nach oben mehr Freiheit auf beiden Skalen, nach unten weniger auf beiden, und 
an den beiden Seiten das vertraute Links und Rechts.</translation>
    </message>
    <message>
        <source>Early copies went round on photocopied sheets; Dana Whitcomb then put the quiz on floppy disks 
for user-group meetings.  The Heralds still look after the ten questions, and they have let 
this program use them ever since.</source>
        <translation>Die ersten Exemplare machten als Fotokopien die Runde; dann brachte Dana Whitcomb das Quiz für 
die Treffen von Computer-Benutzergruppen auf Disketten.  Die Heralds betreuen die zehn Fragen 
bis heute, und seither stellen sie sie diesem Programm zur Verfügung.</translation>
    </message>
    <message>
        <source>Avery Quill wrote this program and this history.  Version 6.1 is the first for Windows 95 and 
Windows NT, with quotations on each topic, profiles of the five philosophies and a list of 
groups to contact.  Take the quiz as often as you like: nothing is saved when you leave.</source>
        <translation>Avery Quill schrieb dieses Programm und diese Geschichte.  Version 6.1 ist die erste für 
Windows 95 und Windows NT, mit Zitaten zu jedem Thema, Profilen der fünf Philosophien und 
einer Liste von Gruppen, an die Sie sich wenden können.  Machen Sie das Quiz, so oft Sie 
möchten: Beim Beenden wird nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>MapChart</name>
    <message>
        <source>Libertarian</source>
        <translation>Libertär</translation>
    </message>
    <message>
        <source>Left
Liberal</source>
        <translation>Links-
liberal</translation>
    </message>
    <message>
        <source>Centrist</source>
        <translation>Zentristisch</translation>
    </message>
    <message>
        <source>Right
Conservative</source>
        <translation>Rechts-
konservativ</translation>
    </message>
    <message>
        <source>Authoritarian</source>
        <translation>Autoritär</translation>
    </message>
    <message>
        <source>Personal  Self-Governor  (%)</source>
        <translation>Persönliche  Selbstbestimmung  (%)</translation>
    </message>
    <message>
        <source>Economic  Self-Governor  (%)</source>
        <translation>Wirtschaftliche  Selbstbestimmung  (%)</translation>
    </message>
</context>
<context>
    <name>Organisations</name>
    <message>
        <source>Wrote the ten questions that this quiz asks, looks
after them and lets this program use them.  Members
meet in small reading circles; each circle takes up
one of the ten topics for a season and writes what
it found in a notebook passed on to the next circle.</source>
        <translation>Hat die zehn Fragen dieses Quiz geschrieben, betreut
sie und stellt sie diesem Programm zur Verfügung.
Die Mitglieder treffen sich in kleinen Lesekreisen;
jeder Kreis nimmt sich eine Jahreszeit lang eines
der zehn Themen vor und hält seine Ergebnisse in
einem Notizbuch fest, das an den nächsten Kreis
weitergegeben wird.</translation>
    </message>
    <message>
        <source>Keeps an archive of letters, court papers and press
clippings on privacy and free speech, open to anyone
by appointment.  Questions by mail are welcome.</source>
        <translation>Unterhält ein Archiv mit Briefen, Gerichtsakten und
Zeitungsausschnitten zu Privatsphäre und
Meinungsfreiheit, das nach Vereinbarung allen
offensteht.  Anfragen per Post sind willkommen.</translation>
    </message>
    <message>
        <source>Evening courses on how prices, trade and money work,
taught by volunteers from local shops and farms in
the back room of the old Tarrant mill.  The course
notes go free to anyone who writes for them.</source>
        <translation>Abendkurse darüber, wie Preise, Handel und Geld
funktionieren, gehalten von Freiwilligen aus Läden
und Höfen der Gegend im Hinterzimmer der alten
Tarrant-Mühle.  Die Kursunterlagen bekommt
kostenlos, wer schriftlich darum bittet.</translation>
    </message>
    <message>
        <source>Lends books by post on economics, history, law and
philosophy; borrowers pay the postage both ways and
nothing else.  Shelf list free on request.</source>
        <translation>Verleiht per Post Bücher über Wirtschaft,
Geschichte, Recht und Philosophie; die Entleiher
zahlen das Porto für Hin- und Rückweg und sonst
nichts.  Bestandsliste kostenlos auf Anfrage.</translation>
    </message>
    <message>
        <source>Forty apple trees kept by the members, who meet
under them on summer Sundays to argue both sides of
a question drawn by lot, then share the harvest with
their neighbors.</source>
        <translation>Vierzig Apfelbäume, gepflegt von den Mitgliedern,
die sich an Sommersonntagen unter ihnen treffen, um
bei einer ausgelosten Frage beide Seiten zu
vertreten, und danach die Ernte mit ihren Nachbarn
teilen.</translation>
    </message>
    <message>
        <source>(Marian Oakes) (555) 555-0142 or (555) 555-0143</source>
        <translation>(Marian Oakes) (555) 555-0142 oder (555) 555-0143</translation>
    </message>
    <message>
        <source>(Dr. Elias Penrose) (555) 555-0118</source>
        <translation>(Dr. Elias Penrose) (555) 555-0118</translation>
    </message>
    <message>
        <source>(Helen Marsh) (555) 555-0163</source>
        <translation>(Helen Marsh) (555) 555-0163</translation>
    </message>
    <message>
        <source>(555) 555-0170 or (555) 555-0171</source>
        <translation>(555) 555-0170 oder (555) 555-0171</translation>
    </message>
    <message>
        <source>(Tobias Wren) (555) 555-0187 or (555) 555-0188</source>
        <translation>(Tobias Wren) (555) 555-0187 oder (555) 555-0188</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Profiles: Libertarians</source>
        <translation>Profile: Libertäre</translation>
    </message>
    <message>
        <source>Profiles: Left Liberals</source>
        <translation>Profile: Linksliberale</translation>
    </message>
    <message>
        <source>Profiles: Centrists</source>
        <translation>Profile: Zentristen</translation>
    </message>
    <message>
        <source>Profiles: Right Conservatives</source>
        <translation>Profile: Rechtskonservative</translation>
    </message>
    <message>
        <source>Profiles: Authoritarians</source>
        <translation>Profile: Autoritäre</translation>
    </message>
    <message>
        <source>Famous Libertarians:</source>
        <translation>Berühmte Libertäre:</translation>
    </message>
    <message>
        <source>Famous Left Liberals:</source>
        <translation>Berühmte Linksliberale:</translation>
    </message>
    <message>
        <source>Famous Centrists:</source>
        <translation>Berühmte Zentristen:</translation>
    </message>
    <message>
        <source>Famous Right Conservatives:</source>
        <translation>Berühmte Rechtskonservative:</translation>
    </message>
    <message>
        <source>Famous Authoritarians:</source>
        <translation>Berühmte Autoritäre:</translation>
    </message>
    <message>
        <source>Thomas Jefferson</source>
        <translation>Thomas Jefferson</translation>
    </message>
    <message>
        <source>Thomas Paine</source>
        <translation>Thomas Paine</translation>
    </message>
    <message>
        <source>Henry David Thoreau</source>
        <translation>Henry David Thoreau</translation>
    </message>
    <message>
        <source>Franklin D. Roosevelt</source>
        <translation>Franklin D. Roosevelt</translation>
    </message>
    <message>
        <source>Eleanor Roosevelt</source>
        <translation>Eleanor Roosevelt</translation>
    </message>
    <message>
        <source>Dwight D. Eisenhower</source>
        <translation>Dwight D. Eisenhower</translation>
    </message>
    <message>
        <source>Edmund Burke</source>
        <translation>Edmund Burke</translation>
    </message>
    <message>
        <source>Calvin Coolidge</source>
        <translation>Calvin Coolidge</translation>
    </message>
    <message>
        <source>Julius Caesar</source>
        <translation>Julius Caesar</translation>
    </message>
    <message>
        <source>Napoleon Bonaparte</source>
        <translation>Napoleon Bonaparte</translation>
    </message>
    <message>
        <source>Otto von Bismarck</source>
        <translation>Otto von Bismarck</translation>
    </message>
    <message>
        <source>Libertarians score high on both scales.  They want people to run their own lives and spend their own money, and would limit government to protecting each person from force and fraud.  Trade, speech and private life are nobody else&apos;s business.</source>
        <translation>Libertäre erzielen auf beiden Skalen hohe Werte.  Sie wollen, dass die Menschen ihr Leben selbst bestimmen und ihr Geld selbst ausgeben, und würden den Staat darauf beschränken, jeden Einzelnen vor Gewalt und Betrug zu schützen.  Handel, Meinungsäußerung und Privatleben gehen niemanden sonst etwas an.</translation>
    </message>
    <message>
        <source>Left liberals score high on personal freedom but lower on economic freedom.  They defend free speech, privacy and the right to live as one chooses, yet they look to government to regulate business, tax the wealthy and care for those in need.</source>
        <translation>Linksliberale erzielen hohe Werte bei der persönlichen Freiheit, aber niedrigere bei der wirtschaftlichen.  Sie verteidigen die Meinungsfreiheit, die Privatsphäre und das Recht, nach eigener Wahl zu leben, erwarten aber vom Staat, dass er die Wirtschaft reguliert, die Reichen besteuert und für die Bedürftigen sorgt.</translation>
    </message>
    <message>
        <source>Centrists sit near the middle of both scales.  They weigh each question on its merits rather than by fixed rules, accept some government in personal and economic life, and often prefer a practical compromise to a grand principle.</source>
        <translation>Zentristen liegen auf beiden Skalen nahe der Mitte.  Sie beurteilen jede Frage nach ihren Vor- und Nachteilen statt nach festen Regeln, lassen dem Staat im persönlichen wie im wirtschaftlichen Leben einen gewissen Raum und ziehen einen praktischen Kompromiss oft einem großen Prinzip vor.</translation>
    </message>
    <message>
        <source>Right conservatives score high on economic freedom but lower on personal freedom.  They favor free enterprise, low taxes, a strong national defense, and want laws that uphold traditional values.</source>
        <translation>Rechtskonservative erzielen hohe Werte bei der wirtschaftlichen Freiheit, aber niedrigere bei der persönlichen.  Sie befürworten freies Unternehmertum, niedrige Steuern und eine starke Landesverteidigung und wollen Gesetze, die traditionelle Werte wahren.</translation>
    </message>
    <message>
        <source>Authoritarians score low on both scales.  They trust a strong government to steer the economy and to set rules for personal conduct, and they put order, security and shared duty ahead of individual choice.  Left or right, they favor firm rules.</source>
        <translation>Autoritäre erzielen auf beiden Skalen niedrige Werte.  Sie vertrauen darauf, dass ein starker Staat die Wirtschaft lenkt und Regeln für das persönliche Verhalten aufstellt, und sie stellen Ordnung, Sicherheit und gemeinsame Pflicht über die freie Entscheidung des Einzelnen.  Ob links oder rechts, sie setzen auf feste Regeln.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Conscription</source>
        <translation>Wehrpflicht</translation>
    </message>
    <message>
        <source>Military service should be voluntary, never compulsory</source>
        <translation>Wehrdienst sollte freiwillig sein, niemals Pflicht</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Government should not control radio, TV, press or Internet</source>
        <translatorcomment>&quot;Government&quot; in the American sense of state power is &quot;der Staat&quot;; &quot;Regierung&quot; would mean only the cabinet of the day. &quot;Rundfunk&quot; covers radio and TV.</translatorcomment>
        <translation>Der Staat sollte Rundfunk, Presse und Internet nicht kontrollieren</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privatsphäre</translation>
    </message>
    <message>
        <source>Laws should not govern sex between consenting adults</source>
        <translation>Gesetze sollten einvernehmlichen Sex unter Erwachsenen nicht regeln</translation>
    </message>
    <message>
        <source>Prohibition</source>
        <translatorcomment>&quot;Prohibition&quot; is also the German term for a ban on drugs or alcohol (Drogenprohibition).</translatorcomment>
        <translation>Prohibition</translation>
    </message>
    <message>
        <source>Repeal the laws against buying and using drugs</source>
        <translation>Die Gesetze gegen Kauf und Konsum von Drogen aufheben</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Peaceful people should be free to cross any border</source>
        <translation>Friedliche Menschen sollten jede Grenze frei überqueren dürfen</translation>
    </message>
    <message>
        <source>Subsidies</source>
        <translation>Subventionen</translation>
    </message>
    <message>
        <source>End government subsidies to businesses and farms</source>
        <translation>Staatliche Subventionen für Unternehmen und Landwirte streichen</translation>
    </message>
    <message>
        <source>Protectionism</source>
        <translation>Protektionismus</translation>
    </message>
    <message>
        <source>Replace tariffs and import quotas with free trade</source>
        <translation>Zölle und Einfuhrquoten durch Freihandel ersetzen</translation>
    </message>
    <message>
        <source>Labor</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Abolish minimum-wage laws and let wages be agreed freely</source>
        <translation>Mindestlohngesetze abschaffen und Löhne frei aushandeln lassen</translation>
    </message>
    <message>
        <source>Income Tax</source>
        <translation>Einkommensteuer</translation>
    </message>
    <message>
        <source>Replace taxes with fees paid by those who use a service</source>
        <translation>Steuern durch Gebühren für die Nutzer einer Leistung ersetzen</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Verteidigung</translation>
    </message>
    <message>
        <source>Our government should stop policing the rest of the world</source>
        <translation>Unsere Regierung sollte nicht länger Weltpolizei spielen</translation>
    </message>
    <message>
        <source>Libertarian</source>
        <translatorcomment>Lower case: the name only appears inside a sentence (&quot;Ihre politische Philosophie ist libertär.&quot;). Meant in the American sense (little state in both personal and economic life), not the left-anarchist sense the word also has in Europe.</translatorcomment>
        <translation>libertär</translation>
    </message>
    <message>
        <source>Left Liberal</source>
        <translatorcomment>American &quot;liberal&quot; (socially liberal, for a regulating welfare state) is &quot;linksliberal&quot; in German; plain &quot;liberal&quot; would suggest economic liberalism.</translatorcomment>
        <translation>linksliberal</translation>
    </message>
    <message>
        <source>Centrist</source>
        <translatorcomment>Zentristen/zentristisch as in German political science; &quot;Mitte&quot; is kept for the middle of the scales.</translatorcomment>
        <translation>zentristisch</translation>
    </message>
    <message>
        <source>Right Conservative</source>
        <translatorcomment>Here: economically liberal and socially traditional. Kept as the counterpart of &quot;linksliberal&quot;, though in German &quot;rechtskonservativ&quot; can also suggest the hard-right edge of conservatism.</translatorcomment>
        <translation>rechtskonservativ</translation>
    </message>
    <message>
        <source>Authoritarian</source>
        <translation>autoritär</translation>
    </message>
</context>
<context>
    <name>Quotations</name>
    <message>
        <source>Where is it written in the Constitution, in what article or section is it contained, 
that you may take children from their parents, and parents from their children, and 
compel them to fight the battles of any war in which the folly or the wickedness of 
government may engage it?
-Daniel Webster, speech in the House of Representatives, 1814</source>
        <translation>Wo steht es in der Verfassung geschrieben, in welchem Artikel oder Abschnitt ist es 
enthalten, dass Sie Kinder ihren Eltern und Eltern ihren Kindern entreißen und sie 
zwingen dürfen, die Schlachten eines jeden Krieges zu schlagen, in den sich die 
Regierung aus Torheit oder Bosheit verstricken mag?
-Daniel Webster, Rede im Repräsentantenhaus, 1814</translation>
    </message>
    <message>
        <source>Neither slavery nor involuntary servitude, except as a punishment for crime whereof 
the party shall have been duly convicted, shall exist within the United States, or 
any place subject to their jurisdiction.
-Thirteenth Amendment to the Constitution of the United States</source>
        <translation>Weder Sklaverei noch Zwangsdienstbarkeit, außer als Strafe für ein Verbrechen, dessen 
der Betreffende in einem ordentlichen Verfahren für schuldig befunden worden ist, 
darf in den Vereinigten Staaten oder in irgendeinem Gebiet unter ihrer Hoheitsgewalt 
bestehen.
-Dreizehnter Zusatzartikel zur Verfassung der Vereinigten Staaten</translation>
    </message>
    <message>
        <source>The mass of men serve the state thus, not as men mainly, but as machines, with 
their bodies.
-Henry David Thoreau, Resistance to Civil Government, 1849</source>
        <translation>Die Masse der Menschen dient dem Staat also nicht in erster Linie als Menschen, 
sondern als Maschinen, mit ihren Körpern.
-Henry David Thoreau, Über die Pflicht zum Ungehorsam gegen den Staat, 1849</translation>
    </message>
    <message>
        <source>Those who would give up essential Liberty, to purchase a little temporary Safety, 
deserve neither Liberty nor Safety.
-Benjamin Franklin, 1755</source>
        <translation>Wer wesentliche Freiheit aufgeben würde, um ein wenig vorübergehende Sicherheit zu 
erkaufen, verdient weder Freiheit noch Sicherheit.
-Benjamin Franklin, 1755</translation>
    </message>
    <message>
        <source>Were it left to me to decide whether we should have a government without 
newspapers, or newspapers without a government, I should not hesitate a moment 
to prefer the latter.
-Thomas Jefferson, letter to Edward Carrington, 1787</source>
        <translation>Wäre es mir überlassen zu entscheiden, ob wir eine Regierung ohne Zeitungen oder 
Zeitungen ohne Regierung haben sollten, so würde ich keinen Augenblick zögern, das 
Letztere vorzuziehen.
-Thomas Jefferson, Brief an Edward Carrington, 1787</translation>
    </message>
    <message>
        <source>The Government&apos;s power to censor the press was abolished so that the press 
would remain forever free to censure the Government. The press was protected so 
that it could bare the secrets of government and inform the people.
-Justice Hugo Black, New York Times Co. v. United States, 1971</source>
        <translation>Die Befugnis der Regierung, die Presse zu zensieren, wurde abgeschafft, damit die 
Presse für immer frei bliebe, die Regierung zu tadeln. Die Presse wurde geschützt, 
damit sie die Geheimnisse der Regierung aufdecken und das Volk unterrichten könne.
-Richter Hugo Black, New York Times Co. v. United States, 1971</translation>
    </message>
    <message>
        <source>Give me the liberty to know, to utter, and to argue freely according to 
conscience, above all liberties.
-John Milton, Areopagitica, 1644</source>
        <translation>Gebt mir die Freiheit, zu wissen, mich zu äußern und frei nach meinem Gewissen zu 
streiten, vor allen anderen Freiheiten.
-John Milton, Areopagitica, 1644</translation>
    </message>
    <message>
        <source>If liberty means anything at all, it means the right to tell people what they 
do not want to hear.
-George Orwell, The Freedom of the Press, 1945</source>
        <translation>Wenn Freiheit überhaupt etwas bedeutet, dann bedeutet sie das Recht, den Leuten das 
zu sagen, was sie nicht hören wollen.
-George Orwell, Die Pressefreiheit, 1945</translation>
    </message>
    <message>
        <source>There&apos;s no place for the state in the bedrooms of the nation.
-Pierre Elliott Trudeau, Minister of Justice of Canada, 1967</source>
        <translation>Der Staat hat in den Schlafzimmern der Nation nichts zu suchen.
-Pierre Elliott Trudeau, Justizminister von Kanada, 1967</translation>
    </message>
    <message>
        <source>Would we allow the police to search the sacred precincts of marital bedrooms 
for telltale signs of the use of contraceptives? The very idea is repulsive to the 
notions of privacy surrounding the marriage relationship.
-Justice William O. Douglas, Griswold v. Connecticut, 1965</source>
        <translation>Würden wir der Polizei erlauben, die geheiligten Bezirke ehelicher Schlafzimmer nach 
verräterischen Spuren der Verwendung von Verhütungsmitteln zu durchsuchen? Schon der 
Gedanke ist den Vorstellungen von Privatsphäre, die die eheliche Beziehung umgeben, 
zutiefst zuwider.
-Richter William O. Douglas, Griswold v. Connecticut, 1965</translation>
    </message>
    <message>
        <source>Over himself, over his own body and mind, the individual is sovereign.
-John Stuart Mill, On Liberty, 1859</source>
        <translation>Über sich selbst, über seinen eigenen Körper und Geist ist der Einzelne souverän.
-John Stuart Mill, Über die Freiheit, 1859</translation>
    </message>
    <message>
        <source>Was the government to prescribe to us our medicine and diet, our bodies would be in 
such keeping as our souls are now.
-Thomas Jefferson, Notes on the State of Virginia, 1785</source>
        <translation>Würde die Regierung uns unsere Arznei und unsere Ernährung vorschreiben, so wären 
unsere Körper in derselben Obhut wie jetzt unsere Seelen.
-Thomas Jefferson, Anmerkungen zum Staat Virginia, 1785</translation>
    </message>
    <message>
        <source>Vices are those acts by which a man harms himself or his property. 
Crimes are those acts by which one man harms the person or property of another.
-Lysander Spooner, Vices Are Not Crimes:
A Vindication of Moral Liberty, 1875</source>
        <translation>Laster sind jene Handlungen, durch die ein Mensch sich selbst oder seinem Eigentum 
schadet. Verbrechen sind jene Handlungen, durch die ein Mensch der Person oder dem 
Eigentum eines anderen schadet.
-Lysander Spooner, Laster sind keine Verbrechen:
Eine Verteidigung der moralischen Freiheit, 1875</translation>
    </message>
    <message>
        <source>The prestige of government has undoubtedly been lowered considerably by 
the prohibition law. For nothing is more destructive of respect for the government and 
the law of the land than passing laws which cannot be enforced.
-Albert Einstein, My First Impression of the U.S.A., 1921</source>
        <translation>Das Ansehen der Regierung ist durch das Prohibitionsgesetz zweifellos beträchtlich 
gesunken. Denn nichts zerstört die Achtung vor der Regierung und vor den Gesetzen des 
Landes mehr, als Gesetze zu erlassen, die sich nicht durchsetzen lassen.
-Albert Einstein, Mein erster Eindruck von den USA, 1921</translation>
    </message>
    <message>
        <source>The only purpose for which power can be rightfully exercised over any member of a 
civilised community, against his will, is to prevent harm to others. His own good, 
either physical or moral, is not a sufficient warrant.
-John Stuart Mill, On Liberty, 1859</source>
        <translation>Der einzige Zweck, um dessentwillen Macht über irgendein Mitglied einer zivilisierten 
Gemeinschaft gegen seinen Willen rechtmäßig ausgeübt werden darf, ist der, Schaden 
von anderen abzuwenden. Sein eigenes Wohl, sei es das physische oder das moralische, 
ist keine hinreichende Rechtfertigung.
-John Stuart Mill, Über die Freiheit, 1859</translation>
    </message>
    <message>
        <source>He has endeavoured to prevent the population of these States; for that 
purpose obstructing the Laws for Naturalization of Foreigners; refusing to 
pass others to encourage their migrations hither, and raising the conditions of new 
Appropriations of Lands.
-Declaration of Independence, 1776</source>
        <translation>Er hat sich bemüht, die Besiedlung dieser Staaten zu verhindern; zu diesem Zweck hat 
er die Gesetze zur Einbürgerung von Ausländern behindert, sich geweigert, andere zu 
erlassen, die ihre Einwanderung hierher fördern sollten, und die Bedingungen für neue 
Landzuteilungen verschärft.
-Unabhängigkeitserklärung, 1776</translation>
    </message>
    <message>
        <source>Give me your tired, your poor,
Your huddled masses yearning to breathe free,
The wretched refuse of your teeming shore.
Send these, the homeless, tempest-tost to me,
I lift my lamp beside the golden door!
-Emma Lazarus, The New Colossus, 1883</source>
        <translation>Gebt mir eure Müden, eure Armen,
Eure zusammengedrängten Massen, die sich sehnen, frei zu atmen,
Den elenden Auswurf eurer übervollen Küste.
Schickt sie mir, die Heimatlosen, vom Sturm Gepeitschten,
Ich hebe meine Lampe neben dem goldenen Tor!
-Emma Lazarus, Der neue Koloss, 1883</translation>
    </message>
    <message>
        <source>And if there had to be city walls, the walls had doors and the doors were open to 
anyone with the will and the heart to get here.
-Ronald Reagan, Farewell Address, 1989</source>
        <translation>Und wenn es schon Stadtmauern geben musste, dann hatten die Mauern Türen, und die 
Türen standen jedem offen, der den Willen und das Herz hatte, hierherzukommen.
-Ronald Reagan, Abschiedsrede, 1989</translation>
    </message>
    <message>
        <source>Shall oppressed humanity find no asylum on this globe?
-Thomas Jefferson, First Annual Message to Congress, 1801</source>
        <translation>Soll die unterdrückte Menschheit auf diesem Erdball keine Zuflucht finden?
-Thomas Jefferson, Erste Jahresbotschaft an den Kongress, 1801</translation>
    </message>
    <message>
        <source>The lesson should be constantly enforced that, though the people support the 
Government, the Government should not support the people.
-Grover Cleveland, veto of the Texas Seed Bill, 1887</source>
        <translation>Es sollte beständig die Lehre eingeschärft werden, dass zwar das Volk die Regierung 
unterhält, die Regierung aber nicht das Volk unterhalten sollte.
-Grover Cleveland, Veto gegen das Texas-Saatgutgesetz, 1887</translation>
    </message>
    <message>
        <source>See if the law takes from some persons what belongs to them, and gives it 
to other persons to whom it does not belong. See if the law benefits one 
citizen at the expense of another by doing what the citizen himself cannot do without 
committing a crime.
-Frederic Bastiat, The Law, 1850</source>
        <translation>Prüfen Sie, ob das Gesetz einigen Personen nimmt, was ihnen gehört, und es anderen 
gibt, denen es nicht gehört. Prüfen Sie, ob das Gesetz einem Bürger auf Kosten eines 
anderen nützt, indem es tut, was der Bürger selbst nicht tun könnte, ohne ein 
Verbrechen zu begehen.
-Frederic Bastiat, Das Gesetz, 1850</translation>
    </message>
    <message>
        <source>Government&apos;s view of the economy could be summed up in a few short phrases: If it 
moves, tax it. If it keeps moving, regulate it. And if it stops moving, subsidize it.
-Ronald Reagan, White House Conference on Small Business, 1986</source>
        <translation>Die Sicht der Regierung auf die Wirtschaft lässt sich in ein paar kurzen Sätzen 
zusammenfassen: Wenn es sich bewegt, besteuere es. Wenn es sich weiter bewegt, 
reguliere es. Und wenn es sich nicht mehr bewegt, subventioniere es.
-Ronald Reagan, Konferenz des Weißen Hauses zu Kleinunternehmen, 1986</translation>
    </message>
    <message>
        <source>It is the maxim of every prudent master of a family, never to attempt to make at home 
what it will cost him more to make than to buy.
-Adam Smith, The Wealth of Nations, 1776</source>
        <translation>Es ist der Grundsatz jedes klugen Familienvaters, niemals zu versuchen, etwas zu 
Hause herzustellen, dessen Herstellung ihn mehr kosten würde als der Kauf.
-Adam Smith, Der Wohlstand der Nationen, 1776</translation>
    </message>
    <message>
        <source>Free trade, one of the greatest blessings which a government can confer on a people, 
is in almost every country unpopular.
-Thomas Babington Macaulay, 1824</source>
        <translation>Der Freihandel, eine der größten Wohltaten, die eine Regierung einem Volk erweisen 
kann, ist fast in jedem Land unbeliebt.
-Thomas Babington Macaulay, 1824</translation>
    </message>
    <message>
        <source>What protection teaches us, is to do to ourselves in time of peace what enemies seek 
to do to us in time of war.
-Henry George, Protection or Free Trade, 1886</source>
        <translation>Was der Schutzzoll uns lehrt, ist, uns selbst in Friedenszeiten das anzutun, was 
Feinde uns in Kriegszeiten anzutun suchen.
-Henry George, Schutzzoll oder Freihandel, 1886</translation>
    </message>
    <message>
        <source>If soldiers are not to cross international boundaries, goods must do so. Unless the 
shackles can be dropped from trade, bombs will be dropped from the sky.
-Otto T. Mallery, Economic Union and Durable Peace, 1943</source>
        <translation>Wenn Soldaten keine Landesgrenzen überschreiten sollen, müssen es Waren tun. Wenn die 
Fesseln nicht vom Handel fallen, werden Bomben vom Himmel fallen.
-Otto T. Mallery, Wirtschaftsunion und dauerhafter Frieden, 1943</translation>
    </message>
    <message>
        <source>Consumption is the sole end and purpose of all production; and the interest of the 
producer ought to be attended to only so far as it may be necessary for promoting 
that of the consumer.
-Adam Smith, The Wealth of Nations, 1776</source>
        <translation>Der Verbrauch ist der einzige Zweck und das einzige Ziel aller Produktion; und das 
Interesse des Produzenten sollte nur so weit berücksichtigt werden, wie es nötig sein 
mag, um das des Konsumenten zu fördern.
-Adam Smith, Der Wohlstand der Nationen, 1776</translation>
    </message>
    <message>
        <source>For you cannot make a man worth a given amount by making it illegal for anyone 
to offer him anything less. You merely deprive him of the right to earn the 
amount that his abilities and situation would permit him to earn, while you 
deprive the community even of the moderate services that he is capable of 
rendering. In brief, for a low wage you substitute unemployment.
-Henry Hazlitt, Economics in One Lesson, 1946</source>
        <translation>Denn man kann einen Menschen nicht einen bestimmten Betrag wert machen, indem man es 
jedermann verbietet, ihm weniger anzubieten. Man nimmt ihm lediglich das Recht, den 
Betrag zu verdienen, den zu verdienen seine Fähigkeiten und seine Lage ihm erlauben 
würden, und man nimmt der Gemeinschaft sogar die bescheidenen Dienste, die er zu 
leisten imstande ist. Kurz gesagt: An die Stelle eines niedrigen Lohns setzt man 
Arbeitslosigkeit.
-Henry Hazlitt, Volkswirtschaft in einer Lektion, 1946</translation>
    </message>
    <message>
        <source>The patrimony of a poor man lies in the strength and dexterity of his hands; 
and to hinder him from employing this strength and dexterity in what manner 
he thinks proper without injury to his neighbour, is a plain violation of this 
most sacred property.
-Adam Smith, The Wealth of Nations, 1776</source>
        <translation>Das Erbe des armen Mannes liegt in der Kraft und Geschicklichkeit seiner Hände; und 
ihn daran zu hindern, diese Kraft und Geschicklichkeit so einzusetzen, wie er es für 
richtig hält, ohne seinem Nächsten zu schaden, ist eine offenkundige Verletzung 
dieses heiligsten Eigentums.
-Adam Smith, Der Wohlstand der Nationen, 1776</translation>
    </message>
    <message>
        <source>But in the right to eat the bread, without the leave of anybody else, which 
his own hand earns, he is my equal and the equal of Judge Douglas, and the equal 
of every living man.
-Abraham Lincoln, debate at Ottawa, Illinois, 1858</source>
        <translation>Aber in dem Recht, das Brot, das seine eigene Hand verdient, zu essen, ohne 
irgendjemanden um Erlaubnis zu fragen, ist er mir gleich und Richter Douglas gleich 
und jedem lebenden Menschen gleich.
-Abraham Lincoln, Debatte in Ottawa, Illinois, 1858</translation>
    </message>
    <message>
        <source>The power to tax involves the power to destroy.
-Chief Justice John Marshall, McCulloch v. Maryland, 1819</source>
        <translation>Die Macht zu besteuern schließt die Macht zu zerstören ein.
-Oberster Richter John Marshall, McCulloch v. Maryland, 1819</translation>
    </message>
    <message>
        <source>Any one may so arrange his affairs that his taxes shall be as low as possible; he 
is not bound to choose that pattern which will best pay the Treasury; there is not 
even a patriotic duty to increase one&apos;s taxes.
-Judge Learned Hand, Helvering v. Gregory,
United States Court of Appeals, 1934</source>
        <translation>Jeder darf seine Angelegenheiten so einrichten, dass seine Steuern so niedrig wie 
möglich ausfallen; er ist nicht verpflichtet, die Gestaltung zu wählen, die der 
Staatskasse am meisten einbringt; es gibt nicht einmal eine patriotische Pflicht, die 
eigenen Steuern zu erhöhen.
-Richter Learned Hand, Helvering v. Gregory,
Bundesberufungsgericht der Vereinigten Staaten, 1934</translation>
    </message>
    <message>
        <source>There is no art which one government sooner learns of another than that of draining 
money from the pockets of the people.
-Adam Smith, The Wealth of Nations, 1776</source>
        <translation>Es gibt keine Kunst, die eine Regierung schneller von einer anderen lernt als die, 
dem Volk das Geld aus den Taschen zu ziehen.
-Adam Smith, Der Wohlstand der Nationen, 1776</translation>
    </message>
    <message>
        <source>To tax and to please, no more than to love and to be wise, is not given to men.
-Edmund Burke, Speech on American Taxation, 1774</source>
        <translation>Zu besteuern und zu gefallen ist den Menschen ebenso wenig gegeben wie zu lieben und 
weise zu sein.
-Edmund Burke, Rede über die Besteuerung Amerikas, 1774</translation>
    </message>
    <message>
        <source>For imposing Taxes on us without our Consent:
-Declaration of Independence, 1776</source>
        <translation>Für die Auferlegung von Steuern ohne unsere Zustimmung:
-Unabhängigkeitserklärung, 1776</translation>
    </message>
    <message>
        <source>In this world nothing can be said to be certain, except death and taxes.
-Benjamin Franklin, letter to Jean-Baptiste Le Roy, 1789</source>
        <translation>Nichts auf dieser Welt ist sicher, außer dem Tod und den Steuern.
-Benjamin Franklin, Brief an Jean-Baptiste Le Roy, 1789</translation>
    </message>
    <message>
        <source>The great rule of conduct for us in regard to foreign nations is in extending our 
commercial relations, to have with them as little political connection as possible.
-George Washington, Farewell Address, 1796</source>
        <translation>Die große Verhaltensregel für uns gegenüber fremden Nationen besteht darin, bei der 
Ausweitung unserer Handelsbeziehungen so wenig politische Verbindung wie möglich mit 
ihnen zu haben.
-George Washington, Abschiedsbotschaft, 1796</translation>
    </message>
    <message>
        <source>Peace, commerce, and honest friendship with all nations, entangling alliances 
with none.
-Thomas Jefferson, First Inaugural Address, 1801</source>
        <translation>Frieden, Handel und aufrichtige Freundschaft mit allen Nationen, verstrickende 
Bündnisse mit keiner.
-Thomas Jefferson, Erste Antrittsrede, 1801</translation>
    </message>
    <message>
        <source>Wherever the standard of freedom and independence has been or shall be 
unfurled, there will her heart, her benedictions and her prayers be. 
But she goes not abroad, in search of monsters to destroy. 
She is the well-wisher to the freedom and independence of all. 
She is the champion and vindicator only of her own.
-John Quincy Adams, Secretary of State,
Independence Day address, 1821</source>
        <translation>Wo immer das Banner der Freiheit und Unabhängigkeit entrollt worden ist oder entrollt 
werden wird, dort werden ihr Herz, ihre Segenswünsche und ihre Gebete sein. Doch sie 
zieht nicht ins Ausland, auf der Suche nach Ungeheuern, die es zu vernichten gilt. 
Sie wünscht allen Freiheit und Unabhängigkeit. Sie ist die Verfechterin und 
Verteidigerin allein ihrer eigenen.
-John Quincy Adams, Außenminister,
Rede zum Unabhängigkeitstag, 1821</translation>
    </message>
    <message>
        <source>Of all the enemies to public liberty war is, perhaps, the most to be dreaded, because
it comprises and develops the germ of every other.
-James Madison, Political Observations, 1795</source>
        <translation>Von allen Feinden der öffentlichen Freiheit ist der Krieg vielleicht der am meisten zu
fürchtende, weil er den Keim aller anderen in sich birgt und entfaltet.
-James Madison, Politische Betrachtungen, 1795</translation>
    </message>
    <message>
        <source>Topic: %1.</source>
        <extracomment>The caption over a topic&apos;s quotations; %1 is the topic&apos;s statement.</extracomment>
        <translation>Thema: %1.</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>According to your answers, your political philosophy is %1.  The red dot on the next screen shows where you fit on the political map.</source>
        <extracomment>The result message; %1 is the philosophy (&quot;Left Liberal&quot;).</extracomment>
        <translation>Nach Ihren Antworten ist Ihre politische Philosophie %1.  Der rote Punkt im nächsten Fenster zeigt, wo Sie auf der politischen Karte stehen.</translation>
    </message>
    <message>
        <source>Your Personal Self-Government Score Is %1</source>
        <translatorcomment>&quot;Self-government&quot; of the individual is &quot;Selbstbestimmung&quot;; &quot;Selbstregierung&quot; would suggest the autonomy of a territory.</translatorcomment>
        <translation>Ihre Punktzahl für persönliche Selbstbestimmung: %1</translation>
    </message>
    <message>
        <source>Your Economic Self-Government Score Is %1</source>
        <translation>Ihre Punktzahl für wirtschaftliche Selbstbestimmung: %1</translation>
    </message>
    <message>
        <source>You get %1 for each &quot;Yes,&quot; %2 for each &quot;Maybe,&quot; and %3 for every &quot;No.&quot; Your score on personal issues was %4%, and your economic score was %5%.  The red dot on the graph shows where your scores meet.</source>
        <extracomment>%1, %2 and %3 are what a Yes, a Maybe and a No add (20, 10, 0); %4 and %5 the personal and the economic score.</extracomment>
        <translation>Sie erhalten %1 Punkte für jedes „Ja“, %2 für jedes „Vielleicht“ und %3 für jedes „Nein“. Ihre Punktzahl bei den persönlichen Fragen betrug %4&#xa0;%, Ihre wirtschaftliche Punktzahl %5&#xa0;%.  Der rote Punkt in der Grafik zeigt, wo sich Ihre Punktzahlen treffen.</translation>
    </message>
    <message>
        <source>Your philosophy is %1.</source>
        <extracomment>Said by a screen reader on the map, and copied with the result; %1 is the philosophy.</extracomment>
        <translation>Ihre Philosophie ist %1.</translation>
    </message>
    <message>
        <source>The red dot marks a personal self-government score of %1 and an economic self-government score of %2.</source>
        <extracomment>Said by a screen reader on the map, and copied with the result.</extracomment>
        <translation>Der rote Punkt markiert eine Punktzahl von %1 für persönliche und von %2 für wirtschaftliche Selbstbestimmung.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über Quiz!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Web address: %1</source>
        <extracomment>Read by screen readers in the splash: keep at least two words before the address (%1), or the reader skips it.</extracomment>
        <translation>Adresse im Web: %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>A small political map: a blue diamond with its top zone in aqua</source>
        <translation>Eine kleine politische Karte: eine blaue Raute, deren obere Zone türkis ist</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Meridian Political Quiz</source>
        <translation>Meridian Politik-Quiz</translation>
    </message>
    <message>
        <source>Are you a self-governor...</source>
        <translatorcomment>Rendered as &quot;Do you decide for yourself ...&quot;, to read on into the two headings and to match &quot;Selbstbestimmung&quot; (self-government) used for the scores.</translatorcomment>
        <translation>Bestimmen Sie selbst ...</translation>
    </message>
    <message>
        <source>... On PERSONAL Issues?</source>
        <translation>... in PERSÖNLICHEN Fragen?</translation>
    </message>
    <message>
        <source>... On ECONOMIC Issues?</source>
        <translation>... in WIRTSCHAFTLICHEN Fragen?</translation>
    </message>
    <message>
        <source>Yes Maybe No</source>
        <translation>Ja Vielleicht Nein</translation>
    </message>
    <message>
        <source>Show Results</source>
        <translation>Ergebnis anzeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quotes</source>
        <translation>&amp;Zitate</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Personal Issues</source>
        <translation>Persönliche Fragen</translation>
    </message>
    <message>
        <source>   &amp;Conscription</source>
        <translation>   &amp;Wehrpflicht</translation>
    </message>
    <message>
        <source>   &amp;Media</source>
        <translation>   &amp;Medien</translation>
    </message>
    <message>
        <source>   &amp;Privacy</source>
        <translation>   &amp;Privatsphäre</translation>
    </message>
    <message>
        <source>   P&amp;rohibition</source>
        <translation>   P&amp;rohibition</translation>
    </message>
    <message>
        <source>   &amp;Borders</source>
        <translation>   &amp;Grenzen</translation>
    </message>
    <message>
        <source>Economic Issues</source>
        <translation>Wirtschaftliche Fragen</translation>
    </message>
    <message>
        <source>   &amp;Subsidies</source>
        <translation>   &amp;Subventionen</translation>
    </message>
    <message>
        <source>   Pr&amp;otectionism</source>
        <translation>   Pr&amp;otektionismus</translation>
    </message>
    <message>
        <source>   &amp;Labor</source>
        <translation>   &amp;Arbeit</translation>
    </message>
    <message>
        <source>   &amp;Income Tax</source>
        <translation>   &amp;Einkommensteuer</translation>
    </message>
    <message>
        <source>   &amp;Defense</source>
        <translation>   &amp;Verteidigung</translation>
    </message>
    <message>
        <source>&amp;Introducing</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>&amp;Taking the Quiz</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Shows your result and the political map</source>
        <translation>Zeigt Ihr Ergebnis und die politische Karte</translation>
    </message>
    <message>
        <source>Answers to the personal issues: Yes, Maybe, No</source>
        <translation>Antworten zu den persönlichen Fragen: Ja, Vielleicht, Nein</translation>
    </message>
    <message>
        <source>Heads the three columns of answer buttons</source>
        <translation>Überschrift der drei Spalten mit den Antwortknöpfen</translation>
    </message>
    <message>
        <source>Answers to the economic issues: Yes, Maybe, No</source>
        <translation>Antworten zu den wirtschaftlichen Fragen: Ja, Vielleicht, Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Vielleicht</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Frage %1: %2</translation>
    </message>
    <message>
        <source>Click to read quotations on %1; the Quotes menu shows them too</source>
        <translation>Klicken Sie, um Zitate zum Thema %1 zu lesen; auch das Menü „Zitate“ zeigt sie</translation>
    </message>
    <message>
        <source>Please answer each question by clicking on the Yes, No, or Maybe buttons. When you have answered all the questions, click on Show Results.</source>
        <translation>Bitte beantworten Sie jede Frage, indem Sie auf „Ja“, „Nein“ oder „Vielleicht“ klicken. Wenn Sie alle Fragen beantwortet haben, klicken Sie auf „Ergebnis anzeigen“.</translation>
    </message>
    <message>
        <source>Click on any question to see a relevant quotation.</source>
        <translation>Klicken Sie auf eine Frage, um ein passendes Zitat zu sehen.</translation>
    </message>
    <message>
        <source>Welcome to Quiz!  People everywhere are discovering that the old &quot;Left - Right&quot; axis just doesn&apos;t describe the real world.  Here&apos;s a system that makes a lot more sense.  I hope you enjoy it!</source>
        <translation>Willkommen bei Quiz!  Überall merken die Menschen, dass die alte Achse „Links – Rechts“ die wirkliche Welt einfach nicht beschreibt.  Hier ist ein System, das viel mehr Sinn ergibt.  Ich hoffe, es gefällt Ihnen!</translation>
    </message>
    <message>
        <source>Choose &quot;Yes&quot; if you (mostly) agree with each statement, &quot;Maybe&quot; if you aren&apos;t sure or need more information, and &quot;No&quot; if you (mostly) disagree.  &quot;Maybe&quot; also means you agree in principle, but think the idea needs work.</source>
        <translation>Wählen Sie „Ja“, wenn Sie einer Aussage (weitgehend) zustimmen, „Vielleicht“, wenn Sie unsicher sind oder mehr Informationen brauchen, und „Nein“, wenn Sie (weitgehend) nicht zustimmen.  „Vielleicht“ bedeutet auch, dass Sie im Prinzip zustimmen, die Idee aber noch für verbesserungsbedürftig halten.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>memProfile</source>
        <translatorcomment>Placeholder, replaced by the profile before it is shown.</translatorcomment>
        <translation>memProfile</translation>
    </message>
    <message>
        <source>Map of the Libertarian zone</source>
        <translation>Karte der libertären Zone</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its top corner, the Libertarian zone, highlighted in aqua.</source>
        <translation>Die rautenförmige politische Karte, deren obere Ecke, die libertäre Zone, türkis hervorgehoben ist.</translation>
    </message>
    <message>
        <source>Map of the Authoritarian zone</source>
        <translation>Karte der autoritären Zone</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its bottom corner, the Authoritarian zone, highlighted in aqua.</source>
        <translation>Die rautenförmige politische Karte, deren untere Ecke, die autoritäre Zone, türkis hervorgehoben ist.</translation>
    </message>
    <message>
        <source>Map of the Left Liberal zone</source>
        <translation>Karte der linksliberalen Zone</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its left corner, the Left Liberal zone, highlighted in aqua.</source>
        <translation>Die rautenförmige politische Karte, deren linke Ecke, die linksliberale Zone, türkis hervorgehoben ist.</translation>
    </message>
    <message>
        <source>Map of the Centrist zone</source>
        <translation>Karte der zentristischen Zone</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its centre square, the Centrist zone, highlighted in aqua.</source>
        <translation>Die rautenförmige politische Karte, deren mittleres Quadrat, die zentristische Zone, türkis hervorgehoben ist.</translation>
    </message>
    <message>
        <source>Map of the Right Conservative zone</source>
        <translation>Karte der rechtskonservativen Zone</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its right corner, the Right Conservative zone, highlighted in aqua.</source>
        <translation>Die rautenförmige politische Karte, deren rechte Ecke, die rechtskonservative Zone, türkis hervorgehoben ist.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Famous people</source>
        <translation>Berühmte Persönlichkeiten</translation>
    </message>
    <message>
        <source>memFamous</source>
        <translatorcomment>Placeholder, replaced by the list before it is shown.</translatorcomment>
        <translation>memFamous</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>The Political Map</source>
        <translation>Die politische Karte</translation>
    </message>
    <message>
        <source>Political map</source>
        <translation>Politische Karte</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>Roter Punkt</translation>
    </message>
    <message>
        <source>Marks the point where your two scores meet</source>
        <translation>Markiert die Stelle, an der sich Ihre beiden Punktzahlen treffen</translation>
    </message>
    <message>
        <source>Personal self-government score, from 0 to 100</source>
        <translation>Punktzahl für persönliche Selbstbestimmung, von 0 bis 100</translation>
    </message>
    <message>
        <source>PSscore Goes Here</source>
        <translatorcomment>Placeholder, replaced by the score caption before it is shown.</translatorcomment>
        <translation>Hier steht PSscore</translation>
    </message>
    <message>
        <source>Economic self-government score, from 0 to 100</source>
        <translation>Punktzahl für wirtschaftliche Selbstbestimmung, von 0 bis 100</translation>
    </message>
    <message>
        <source>EScore goes Here</source>
        <translatorcomment>Placeholder, replaced by the score caption before it is shown.</translatorcomment>
        <translation>Hier steht EScore</translation>
    </message>
    <message>
        <source>Libertarian region</source>
        <translation>Libertärer Bereich</translation>
    </message>
    <message>
        <source>Click to read the Libertarian profile</source>
        <translation>Klicken Sie, um das Profil der Libertären zu lesen</translation>
    </message>
    <message>
        <source>Right Conservative region</source>
        <translation>Rechtskonservativer Bereich</translation>
    </message>
    <message>
        <source>Click to read the Right Conservative profile</source>
        <translation>Klicken Sie, um das Profil der Rechtskonservativen zu lesen</translation>
    </message>
    <message>
        <source>Left Liberal region</source>
        <translation>Linksliberaler Bereich</translation>
    </message>
    <message>
        <source>Click to read the Left Liberal profile</source>
        <translation>Klicken Sie, um das Profil der Linksliberalen zu lesen</translation>
    </message>
    <message>
        <source>Centrist region</source>
        <translation>Zentristischer Bereich</translation>
    </message>
    <message>
        <source>Click to read the Centrist profile</source>
        <translation>Klicken Sie, um das Profil der Zentristen zu lesen</translation>
    </message>
    <message>
        <source>Authoritarian region</source>
        <translation>Autoritärer Bereich</translation>
    </message>
    <message>
        <source>Click to read the Authoritarian profile</source>
        <translation>Klicken Sie, um das Profil der Autoritären zu lesen</translation>
    </message>
    <message>
        <source>Your Profile</source>
        <translation>Ihr Profil</translation>
    </message>
    <message>
        <source>Shows the profile of your political philosophy</source>
        <translation>Zeigt das Profil Ihrer politischen Philosophie</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Asks whether to keep your answers, then goes back to the quiz</source>
        <translation>Fragt, ob Ihre Antworten erhalten bleiben sollen, und kehrt dann zum Quiz zurück</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quotes</source>
        <translation>&amp;Zitate</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Personal Issues</source>
        <translation>Persönliche Fragen</translation>
    </message>
    <message>
        <source>   &amp;Conscription</source>
        <translation>   &amp;Wehrpflicht</translation>
    </message>
    <message>
        <source>   &amp;Media</source>
        <translation>   &amp;Medien</translation>
    </message>
    <message>
        <source>   &amp;Privacy</source>
        <translation>   &amp;Privatsphäre</translation>
    </message>
    <message>
        <source>   P&amp;rohibition</source>
        <translation>   P&amp;rohibition</translation>
    </message>
    <message>
        <source>   &amp;Borders</source>
        <translation>   &amp;Grenzen</translation>
    </message>
    <message>
        <source>Economic Issues</source>
        <translation>Wirtschaftliche Fragen</translation>
    </message>
    <message>
        <source>   &amp;Subsidies</source>
        <translation>   &amp;Subventionen</translation>
    </message>
    <message>
        <source>   Pr&amp;otectionism</source>
        <translation>   Pr&amp;otektionismus</translation>
    </message>
    <message>
        <source>   &amp;Labor</source>
        <translation>   &amp;Arbeit</translation>
    </message>
    <message>
        <source>   &amp;Income Tax</source>
        <translation>   &amp;Einkommensteuer</translation>
    </message>
    <message>
        <source>   &amp;Defense</source>
        <translation>   &amp;Verteidigung</translation>
    </message>
    <message>
        <source>&amp;Resources</source>
        <translatorcomment>&quot;Resources&quot; here is the list of organisations; &quot;Ressourcen&quot; would read as raw materials or IT resources in German.</translatorcomment>
        <translation>&amp;Organisationen</translation>
    </message>
    <message>
        <source>&amp;Quiz history</source>
        <translation>&amp;Geschichte des Quiz</translation>
    </message>
    <message>
        <source>&amp;Hmmmm...</source>
        <translation>&amp;Hmmmm...</translation>
    </message>
    <message>
        <source>&amp;Libertarians</source>
        <translation>&amp;Libertäre</translation>
    </message>
    <message>
        <source>L&amp;eft liberals</source>
        <translation>L&amp;inksliberale</translation>
    </message>
    <message>
        <source>&amp;Right conservatives</source>
        <translation>&amp;Rechtskonservative</translation>
    </message>
    <message>
        <source>&amp;Authoritarians</source>
        <translation>&amp;Autoritäre</translation>
    </message>
    <message>
        <source>&amp;Centrists</source>
        <translation>&amp;Zentristen</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Auswertung</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Try It Yourself!</source>
        <translation>Probieren Sie es selbst!</translation>
    </message>
    <message>
        <source>Try taking the quiz again, but this time answer according to current U.S. policy, instead of your own beliefs.  How does the country score?</source>
        <translation>Machen Sie das Quiz noch einmal, aber antworten Sie diesmal nach der aktuellen Politik der USA statt nach Ihren eigenen Überzeugungen.  Wie schneidet das Land ab?</translation>
    </message>
    <message>
        <source>Keep your old answers?</source>
        <translation>Ihre bisherigen Antworten behalten?</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>History of the Quiz</source>
        <translation>Geschichte des Quiz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>History of the quiz</source>
        <translation>Geschichte des Quiz</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Topical Quotes</source>
        <translation>Zitate zum Thema</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quotations on the topic</source>
        <translation>Zitate zum Thema</translation>
    </message>
    <message>
        <source>Memo1</source>
        <translatorcomment>Placeholder, replaced by the quotations before it is shown.</translatorcomment>
        <translation>Memo1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Resources</source>
        <translation>Organisationen</translation>
    </message>
    <message>
        <source>Here are some of the many organizations devoted to self-government.  Click on each logo to find out more...</source>
        <translation>Hier sind einige der vielen Organisationen, die sich für Selbstbestimmung einsetzen.  Klicken Sie auf ein Logo, um mehr zu erfahren...</translation>
    </message>
    <message>
        <source>Lantern Vessimar logo</source>
        <translation>Logo von Lantern Vessimar</translation>
    </message>
    <message>
        <source>A lit lantern with rays beside the words Lantern Vessimar. Press it to show the organization&apos;s address and details.</source>
        <translation>Eine brennende Laterne mit Strahlen neben dem Schriftzug Lantern Vessimar. Betätigen Sie das Logo, um Adresse und Angaben der Organisation anzuzeigen.</translation>
    </message>
    <message>
        <source>Heralds of Orrisvane logo</source>
        <translation>Logo der Heralds of Orrisvane</translation>
    </message>
    <message>
        <source>A herald&apos;s trumpet with a starred banner, framed in a double square above the words Heralds of Orrisvane. Press it to show the organization&apos;s address and details.</source>
        <translation>Eine Heroldstrompete mit einem sternbesetzten Banner, von einem doppelten Quadrat eingerahmt, über dem Schriftzug Heralds of Orrisvane. Betätigen Sie das Logo, um Adresse und Angaben der Organisation anzuzeigen.</translation>
    </message>
    <message>
        <source>Grove Mirravent logo</source>
        <translation>Logo von Grove Mirravent</translation>
    </message>
    <message>
        <source>Three trees on a hill above the words Grove Mirravent. Press it to show the organization&apos;s address and details.</source>
        <translation>Drei Bäume auf einem Hügel über dem Schriftzug Grove Mirravent. Betätigen Sie das Logo, um Adresse und Angaben der Organisation anzuzeigen.</translation>
    </message>
    <message>
        <source>Ossenbray Books logo</source>
        <translation>Logo von Ossenbray Books</translation>
    </message>
    <message>
        <source>An open book beside the words Ossenbray Books. Press it to show the organization&apos;s address and details.</source>
        <translation>Ein aufgeschlagenes Buch neben dem Schriftzug Ossenbray Books. Betätigen Sie das Logo, um Adresse und Angaben der Organisation anzuzeigen.</translation>
    </message>
    <message>
        <source>Tarrant Dornavel logo</source>
        <translation>Logo von Tarrant Dornavel</translation>
    </message>
    <message>
        <source>A flaming torch beside the words Tarrant Dornavel between ruled lines. Press it to show the organization&apos;s address and details.</source>
        <translation>Eine brennende Fackel neben dem Schriftzug Tarrant Dornavel zwischen zwei Linien. Betätigen Sie das Logo, um Adresse und Angaben der Organisation anzuzeigen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Your Name Here</source>
        <translatorcomment>Placeholder, replaced by the organisation&apos;s name before it is shown.</translatorcomment>
        <translation>Ihr Name hier</translation>
    </message>
    <message>
        <source>Organization details</source>
        <translation>Angaben zur Organisation</translation>
    </message>
    <message>
        <source>memAddress</source>
        <translatorcomment>Placeholder, replaced by the details before it is shown.</translatorcomment>
        <translation>memAddress</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>TMessageForm</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
</context>
</TS>
