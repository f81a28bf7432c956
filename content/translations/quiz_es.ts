<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>QUIZ Version 6.1 (Win 95/Win NT), December 10, 1996</source>
        <translation>QUIZ versión 6.1 (Win 95/Win NT), 10 de diciembre de 1996</translation>
    </message>
    <message>
        <source>By Avery Quill, avery.quill@example.com</source>
        <translation>Por Avery Quill, avery.quill@example.com</translation>
    </message>
    <message>
        <source>Copyright © 1996 Avery Quill.  All rights reserved.  You may copy this program and give it away free of charge, provided that all of its files are passed on together and unchanged.</source>
        <translation>Copyright © 1996 Avery Quill.  Reservados todos los derechos.  Puede copiar este programa y regalarlo, siempre que entregue todos sus archivos juntos y sin cambios.</translation>
    </message>
    <message>
        <source>The ten questions of the quiz itself are used by kind permission of the Heralds of Orrisvane, 2750 Bellwether Lane, Suite 12, Tollisford, KS 00042, who hold the rights to them.</source>
        <translation>Las diez preguntas del test se usan con el amable permiso de los Heralds of Orrisvane, 2750 Bellwether Lane, Suite 12, Tollisford, KS 00042, titulares de sus derechos.</translation>
    </message>
    <message>
        <source>Thanks to Dana Whitcomb for the earlier versions of the quiz on disk, and to Jules Ferrante for compiling the topical quotations.  The quiz is also available for the Macintosh, for OS/2 and for DOS, and on paper from the Heralds of Orrisvane.</source>
        <translation>Gracias a Dana Whitcomb por las versiones anteriores del test en disquete, y a Jules Ferrante por recopilar las citas por temas.  El test también existe para Macintosh, OS/2 y DOS, y en papel a través de los Heralds of Orrisvane.</translation>
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
        <translation>Uso: quiz [opción...]
Quiz!, un test político de autoevaluación en diez preguntas: responda con Sí, Quizá o No
a cinco afirmaciones sobre cuestiones personales y a cinco sobre cuestiones económicas, y
vea dónde le sitúan sus respuestas en un mapa político de dos ejes, con citas, perfiles y
organizaciones para leer. No guarda nada: ni archivos ni ajustes, y no usa la red.

Opciones:
  -h, --help        muestra esta ayuda y termina
  -v, --version     muestra la versión y termina

Opciones de Qt, que se pasan a la biblioteca gráfica:
  -platform NOMBRE  el complemento de pantalla: xcb (X11), wayland, offscreen...
  -display NOMBRE   la pantalla X11 que se usa en lugar de $DISPLAY
  -style NOMBRE     el estilo de los controles, como Fusion o Windows
  -reverse          dispone las ventanas de derecha a izquierda
  y -platformtheme, -platformpluginpath, -plugin, -qwindowgeometry, -qwindowtitle,
  -qwindowicon, -stylesheet, -session, -widgetcount; en X11 también -geometry, -title,
  -icon, -name, -visual, -nograb, -dograb.

La página de manual quiz(1) describe las variables de entorno que lee el programa.
</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The Heralds of Orrisvane wrote the ten questions of this quiz in the spring of 1987, to open 
the talk at their reading circles.  Members kept asking where they stood, and the only answer 
on offer was a single line from left to right, with everyone who did not fit in the middle.</source>
        <translation>Los Heralds of Orrisvane escribieron las diez preguntas de este test en la primavera de 1987 
para abrir el debate en sus círculos de lectura.  Los miembros preguntaban dónde se situaban, 
y la única respuesta era una línea de izquierda a derecha, con quien no encajaba en el medio.</translation>
    </message>
    <message>
        <source>The trouble with the line was easy to see.  Some people wanted government out of their private 
lives but not out of the marketplace; others wanted just the reverse.  One line could not tell 
them apart, so the quiz asks about personal freedom and economic freedom separately.</source>
        <translation>El problema de la línea saltaba a la vista.  Unos querían al gobierno fuera de su vida 
privada, pero no del mercado; otros, justo lo contrario.  Una sola línea no podía 
distinguirlos, así que el test pregunta aparte por la libertad personal y la económica.</translation>
    </message>
    <message>
        <source>Five questions feed each of the two scores.  Set side by side, the scores mark a point on a 
square chart turned on its corner into a diamond: more freedom on both scales toward the top, 
less on both toward the bottom, and the familiar left and right at the two sides.</source>
        <translation>Cinco preguntas alimentan cada una de las dos puntuaciones.  Juntas, marcan un punto en un 
gráfico cuadrado apoyado en una esquina, como un rombo: más libertad en ambas escalas hacia 
arriba, menos en ambas hacia abajo, y la izquierda y la derecha de siempre a los dos lados.</translation>
    </message>
    <message>
        <source>Early copies went round on photocopied sheets; Dana Whitcomb then put the quiz on floppy disks 
for user-group meetings.  The Heralds still look after the ten questions, and they have let 
this program use them ever since.</source>
        <translation>Las primeras copias circularon en hojas fotocopiadas; luego Dana Whitcomb pasó el 
test a disquetes para las reuniones de grupos de usuarios.  Los Heralds siguen 
custodiando las diez preguntas y, desde entonces, permiten que este programa las use.</translation>
    </message>
    <message>
        <source>Avery Quill wrote this program and this history.  Version 6.1 is the first for Windows 95 and 
Windows NT, with quotations on each topic, profiles of the five philosophies and a list of 
groups to contact.  Take the quiz as often as you like: nothing is saved when you leave.</source>
        <translation>Avery Quill escribió este programa y esta historia.  La versión 6.1, la primera para 
Windows 95 y Windows NT, trae citas sobre cada tema, perfiles de las cinco filosofías y una 
lista de grupos de contacto.  Haga el test cuantas veces quiera: al salir no se guarda nada.</translation>
    </message>
</context>
<context>
    <name>MapChart</name>
    <message>
        <source>Libertarian</source>
        <translation>Libertario</translation>
    </message>
    <message>
        <source>Left
Liberal</source>
        <translation>Liberal de
izquierda</translation>
    </message>
    <message>
        <source>Centrist</source>
        <translation>Centrista</translation>
    </message>
    <message>
        <source>Right
Conservative</source>
        <translation>Conservador
de derecha</translation>
    </message>
    <message>
        <source>Authoritarian</source>
        <translation>Autoritario</translation>
    </message>
    <message>
        <source>Personal  Self-Governor  (%)</source>
        <translation>Autogobierno  personal  (%)</translation>
    </message>
    <message>
        <source>Economic  Self-Governor  (%)</source>
        <translation>Autogobierno  económico  (%)</translation>
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
        <translation>Escribieron las diez preguntas de este test, las
custodian y permiten que este programa las use.  Sus
miembros se reúnen en pequeños círculos de lectura;
cada círculo estudia uno de los diez temas durante
una temporada y anota sus conclusiones en un
cuaderno que pasa al círculo siguiente.</translation>
    </message>
    <message>
        <source>Keeps an archive of letters, court papers and press
clippings on privacy and free speech, open to anyone
by appointment.  Questions by mail are welcome.</source>
        <translation>Mantiene un archivo de cartas, documentos judiciales
y recortes de prensa sobre privacidad y libertad de
expresión, abierto a todos con cita previa.  Se
atienden consultas por correo.</translation>
    </message>
    <message>
        <source>Evening courses on how prices, trade and money work,
taught by volunteers from local shops and farms in
the back room of the old Tarrant mill.  The course
notes go free to anyone who writes for them.</source>
        <translation>Cursos de tarde sobre cómo funcionan los precios, el
comercio y el dinero, impartidos por voluntarios de
tiendas y granjas de la zona en la sala trasera del
viejo molino Tarrant.  Los apuntes del curso se
envían gratis a quien los pida por carta.</translation>
    </message>
    <message>
        <source>Lends books by post on economics, history, law and
philosophy; borrowers pay the postage both ways and
nothing else.  Shelf list free on request.</source>
        <translation>Presta libros por correo sobre economía, historia,
derecho y filosofía; los lectores solo pagan el
franqueo de ida y vuelta.  Catálogo gratuito a
petición.</translation>
    </message>
    <message>
        <source>Forty apple trees kept by the members, who meet
under them on summer Sundays to argue both sides of
a question drawn by lot, then share the harvest with
their neighbors.</source>
        <translation>Cuarenta manzanos cuidados por los miembros, que se
reúnen bajo ellos los domingos de verano para
defender las dos posturas de una cuestión sorteada,
y después comparten la cosecha con sus vecinos.</translation>
    </message>
    <message>
        <source>(Marian Oakes) (555) 555-0142 or (555) 555-0143</source>
        <translation>(Marian Oakes) (555) 555-0142 o (555) 555-0143</translation>
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
        <translation>(555) 555-0170 o (555) 555-0171</translation>
    </message>
    <message>
        <source>(Tobias Wren) (555) 555-0187 or (555) 555-0188</source>
        <translation>(Tobias Wren) (555) 555-0187 o (555) 555-0188</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Profiles: Libertarians</source>
        <translation>Perfiles: Libertarios</translation>
    </message>
    <message>
        <source>Profiles: Left Liberals</source>
        <translation>Perfiles: Liberales de izquierda</translation>
    </message>
    <message>
        <source>Profiles: Centrists</source>
        <translation>Perfiles: Centristas</translation>
    </message>
    <message>
        <source>Profiles: Right Conservatives</source>
        <translation>Perfiles: Conservadores de derecha</translation>
    </message>
    <message>
        <source>Profiles: Authoritarians</source>
        <translation>Perfiles: Autoritarios</translation>
    </message>
    <message>
        <source>Famous Libertarians:</source>
        <translation>Libertarios célebres:</translation>
    </message>
    <message>
        <source>Famous Left Liberals:</source>
        <translation>Liberales de izquierda célebres:</translation>
    </message>
    <message>
        <source>Famous Centrists:</source>
        <translation>Centristas célebres:</translation>
    </message>
    <message>
        <source>Famous Right Conservatives:</source>
        <translation>Conservadores de derecha célebres:</translation>
    </message>
    <message>
        <source>Famous Authoritarians:</source>
        <translation>Autoritarios célebres:</translation>
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
        <translatorcomment>The established Spanish form of the name.</translatorcomment>
        <translation>Julio César</translation>
    </message>
    <message>
        <source>Napoleon Bonaparte</source>
        <translatorcomment>The established Spanish form of the name.</translatorcomment>
        <translation>Napoleón Bonaparte</translation>
    </message>
    <message>
        <source>Otto von Bismarck</source>
        <translation>Otto von Bismarck</translation>
    </message>
    <message>
        <source>Libertarians score high on both scales.  They want people to run their own lives and spend their own money, and would limit government to protecting each person from force and fraud.  Trade, speech and private life are nobody else&apos;s business.</source>
        <translation>Los libertarios puntúan alto en ambas escalas.  Quieren que cada persona dirija su propia vida y gaste su propio dinero, y limitarían el gobierno a proteger a todos de la fuerza y del fraude.  El comercio, la palabra y la vida privada de cada cual no son asunto de nadie más.</translation>
    </message>
    <message>
        <source>Left liberals score high on personal freedom but lower on economic freedom.  They defend free speech, privacy and the right to live as one chooses, yet they look to government to regulate business, tax the wealthy and care for those in need.</source>
        <translation>Los liberales de izquierda puntúan alto en libertad personal, pero más bajo en libertad económica.  Defienden la libertad de expresión, la privacidad y el derecho a vivir como uno elija, pero esperan que el gobierno regule las empresas, grave a los ricos y atienda a los necesitados.</translation>
    </message>
    <message>
        <source>Centrists sit near the middle of both scales.  They weigh each question on its merits rather than by fixed rules, accept some government in personal and economic life, and often prefer a practical compromise to a grand principle.</source>
        <translation>Los centristas se sitúan cerca del centro de ambas escalas.  Juzgan cada cuestión por sus méritos y no según reglas fijas, aceptan cierta intervención del gobierno en la vida personal y económica, y a menudo prefieren un acuerdo práctico a un gran principio.</translation>
    </message>
    <message>
        <source>Right conservatives score high on economic freedom but lower on personal freedom.  They favor free enterprise, low taxes, a strong national defense, and want laws that uphold traditional values.</source>
        <translation>Los conservadores de derecha puntúan alto en libertad económica, pero más bajo en libertad personal.  Apoyan la libre empresa, los impuestos bajos y una defensa nacional fuerte, y quieren leyes que protejan los valores tradicionales.</translation>
    </message>
    <message>
        <source>Authoritarians score low on both scales.  They trust a strong government to steer the economy and to set rules for personal conduct, and they put order, security and shared duty ahead of individual choice.  Left or right, they favor firm rules.</source>
        <translation>Los autoritarios puntúan bajo en ambas escalas.  Confían en un gobierno fuerte que dirija la economía y dicte normas de conducta personal, y anteponen el orden, la seguridad y el deber común a la elección individual.  De izquierda o de derecha, prefieren normas firmes.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Conscription</source>
        <translatorcomment>Topic name, also a Quotes menu item; &quot;servicio militar&quot; (the draft) reads more naturally than &quot;conscripción&quot;.</translatorcomment>
        <translation>Servicio militar</translation>
    </message>
    <message>
        <source>Military service should be voluntary, never compulsory</source>
        <translation>El servicio militar debe ser voluntario, nunca obligatorio</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medios</translation>
    </message>
    <message>
        <source>Government should not control radio, TV, press or Internet</source>
        <translation>El gobierno no debe controlar radio, TV, prensa ni Internet</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Laws should not govern sex between consenting adults</source>
        <translation>La ley no debe regular el sexo consentido entre adultos</translation>
    </message>
    <message>
        <source>Prohibition</source>
        <translation>Prohibición</translation>
    </message>
    <message>
        <source>Repeal the laws against buying and using drugs</source>
        <translation>Derogar las leyes contra la compra y el consumo de drogas</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Fronteras</translation>
    </message>
    <message>
        <source>Peaceful people should be free to cross any border</source>
        <translation>Las personas pacíficas deben poder cruzar cualquier frontera</translation>
    </message>
    <message>
        <source>Subsidies</source>
        <translatorcomment>&quot;Subvenciones&quot; (to businesses and farms) rather than &quot;subsidios&quot;, which in Spain suggests welfare benefits.</translatorcomment>
        <translation>Subvenciones</translation>
    </message>
    <message>
        <source>End government subsidies to businesses and farms</source>
        <translation>Eliminar las subvenciones públicas a empresas y granjas</translation>
    </message>
    <message>
        <source>Protectionism</source>
        <translation>Proteccionismo</translation>
    </message>
    <message>
        <source>Replace tariffs and import quotas with free trade</source>
        <translation>Sustituir aranceles y cupos de importación por libre comercio</translation>
    </message>
    <message>
        <source>Labor</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Abolish minimum-wage laws and let wages be agreed freely</source>
        <translation>Abolir el salario mínimo legal y pactar libremente los salarios</translation>
    </message>
    <message>
        <source>Income Tax</source>
        <translation>Impuesto sobre la renta</translation>
    </message>
    <message>
        <source>Replace taxes with fees paid by those who use a service</source>
        <translation>Sustituir impuestos por tasas que pague quien use el servicio</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Defensa</translation>
    </message>
    <message>
        <source>Our government should stop policing the rest of the world</source>
        <translation>Nuestro gobierno debe dejar de ser el policía del mundo</translation>
    </message>
    <message>
        <source>Libertarian</source>
        <translatorcomment>In the American sense (minimal state, free markets and civil liberties), as Spanish political journalism now uses it; not the older Spanish sense of anarchist. Lower case: inserted mid-sentence (&quot;es la de un %1&quot;).</translatorcomment>
        <translation>libertario</translation>
    </message>
    <message>
        <source>Left Liberal</source>
        <translatorcomment>&quot;Liberal&quot; in the American sense (progressive: civil liberties plus an active state), as opposed to the European free-market liberal; kept as &quot;liberal de izquierda&quot; to match the map. Lower case: inserted mid-sentence.</translatorcomment>
        <translation>liberal de izquierda</translation>
    </message>
    <message>
        <source>Centrist</source>
        <translatorcomment>Lower case: inserted mid-sentence (&quot;es la de un %1&quot;).</translatorcomment>
        <translation>centrista</translation>
    </message>
    <message>
        <source>Right Conservative</source>
        <translatorcomment>Lower case: inserted mid-sentence (&quot;es la de un %1&quot;).</translatorcomment>
        <translation>conservador de derecha</translation>
    </message>
    <message>
        <source>Authoritarian</source>
        <translatorcomment>Lower case: inserted mid-sentence (&quot;es la de un %1&quot;).</translatorcomment>
        <translation>autoritario</translation>
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
        <translatorcomment>Webster addresses the House, hence &quot;ustedes&quot;.</translatorcomment>
        <translation>¿Dónde está escrito en la Constitución, en qué artículo o sección se 
encuentra, que ustedes puedan quitar los hijos a sus padres y los padres 
a sus hijos, y obligarlos a librar las batallas de cualquier guerra en 
la que la insensatez o la maldad del gobierno pueda embarcarlo?
-Daniel Webster, discurso en la Cámara de Representantes, 1814</translation>
    </message>
    <message>
        <source>Neither slavery nor involuntary servitude, except as a punishment for crime whereof 
the party shall have been duly convicted, shall exist within the United States, or 
any place subject to their jurisdiction.
-Thirteenth Amendment to the Constitution of the United States</source>
        <translation>Ni en los Estados Unidos ni en ningún lugar sujeto a su jurisdicción 
habrá esclavitud ni servidumbre involuntaria, salvo como pena por un 
delito del que el interesado haya sido debidamente declarado culpable.
-Decimotercera Enmienda a la Constitución de los Estados Unidos</translation>
    </message>
    <message>
        <source>The mass of men serve the state thus, not as men mainly, but as machines, with 
their bodies.
-Henry David Thoreau, Resistance to Civil Government, 1849</source>
        <translation>Así, la masa de los hombres sirve al Estado no principalmente 
como hombres, sino como máquinas, con sus cuerpos.
-Henry David Thoreau, Resistencia al gobierno civil, 1849</translation>
    </message>
    <message>
        <source>Those who would give up essential Liberty, to purchase a little temporary Safety, 
deserve neither Liberty nor Safety.
-Benjamin Franklin, 1755</source>
        <translation>Quienes renunciarían a una Libertad esencial para comprar un 
poco de Seguridad temporal no merecen ni Libertad ni Seguridad.
-Benjamin Franklin, 1755</translation>
    </message>
    <message>
        <source>Were it left to me to decide whether we should have a government without 
newspapers, or newspapers without a government, I should not hesitate a moment 
to prefer the latter.
-Thomas Jefferson, letter to Edward Carrington, 1787</source>
        <translation>Si dependiera de mí decidir si debemos tener un gobierno sin periódicos 
o periódicos sin gobierno, no dudaría un momento en preferir lo segundo.
-Thomas Jefferson, carta a Edward Carrington, 1787</translation>
    </message>
    <message>
        <source>The Government&apos;s power to censor the press was abolished so that the press 
would remain forever free to censure the Government. The press was protected so 
that it could bare the secrets of government and inform the people.
-Justice Hugo Black, New York Times Co. v. United States, 1971</source>
        <translation>El poder del Gobierno para censurar a la prensa fue abolido para que la prensa 
conservara para siempre la libertad de censurar al Gobierno. La prensa fue 
protegida para que pudiera desvelar los secretos del gobierno e informar al pueblo.
-Hugo Black, juez del Tribunal Supremo, New York Times Co. v. United States, 1971</translation>
    </message>
    <message>
        <source>Give me the liberty to know, to utter, and to argue freely according to 
conscience, above all liberties.
-John Milton, Areopagitica, 1644</source>
        <translation>Dadme la libertad de saber, de expresarme y de argumentar 
libremente según mi conciencia, por encima de todas las libertades.
-John Milton, Areopagítica, 1644</translation>
    </message>
    <message>
        <source>If liberty means anything at all, it means the right to tell people what they 
do not want to hear.
-George Orwell, The Freedom of the Press, 1945</source>
        <translation>Si la libertad significa algo, es el derecho 
a decirle a la gente lo que no quiere oír.
-George Orwell, La libertad de prensa, 1945</translation>
    </message>
    <message>
        <source>There&apos;s no place for the state in the bedrooms of the nation.
-Pierre Elliott Trudeau, Minister of Justice of Canada, 1967</source>
        <translation>El Estado no tiene nada que hacer en los dormitorios de la nación.
-Pierre Elliott Trudeau, ministro de Justicia de Canadá, 1967</translation>
    </message>
    <message>
        <source>Would we allow the police to search the sacred precincts of marital bedrooms 
for telltale signs of the use of contraceptives? The very idea is repulsive to the 
notions of privacy surrounding the marriage relationship.
-Justice William O. Douglas, Griswold v. Connecticut, 1965</source>
        <translation>¿Permitiríamos que la policía registrara los sagrados recintos de los dormitorios 
conyugales en busca de indicios reveladores del uso de anticonceptivos? La sola 
idea repugna a las nociones de privacidad que rodean la relación matrimonial.
-William O. Douglas, juez del Tribunal Supremo, Griswold v. Connecticut, 1965</translation>
    </message>
    <message>
        <source>Over himself, over his own body and mind, the individual is sovereign.
-John Stuart Mill, On Liberty, 1859</source>
        <translation>Sobre sí mismo, sobre su propio cuerpo y espíritu, el individuo es soberano.
-John Stuart Mill, Sobre la libertad, 1859</translation>
    </message>
    <message>
        <source>Was the government to prescribe to us our medicine and diet, our bodies would be in 
such keeping as our souls are now.
-Thomas Jefferson, Notes on the State of Virginia, 1785</source>
        <translation>Si el gobierno nos prescribiera la medicina y la dieta, nuestros 
cuerpos estarían bajo la misma tutela que hoy nuestras almas.
-Thomas Jefferson, Notas sobre el estado de Virginia, 1785</translation>
    </message>
    <message>
        <source>Vices are those acts by which a man harms himself or his property. 
Crimes are those acts by which one man harms the person or property of another.
-Lysander Spooner, Vices Are Not Crimes:
A Vindication of Moral Liberty, 1875</source>
        <translation>Los vicios son los actos con que un hombre se daña a sí mismo o daña su propiedad. 
Los delitos son los actos con que un hombre daña la persona o la propiedad de otro.
-Lysander Spooner, Los vicios no son delitos:
una vindicación de la libertad moral, 1875</translation>
    </message>
    <message>
        <source>The prestige of government has undoubtedly been lowered considerably by 
the prohibition law. For nothing is more destructive of respect for the government and 
the law of the land than passing laws which cannot be enforced.
-Albert Einstein, My First Impression of the U.S.A., 1921</source>
        <translation>El prestigio del gobierno se ha visto sin duda muy rebajado por la ley 
de prohibición. Pues nada destruye más el respeto por el gobierno y 
por la ley del país que aprobar leyes que no pueden hacerse cumplir.
-Albert Einstein, Mi primera impresión de los Estados Unidos, 1921</translation>
    </message>
    <message>
        <source>The only purpose for which power can be rightfully exercised over any member of a 
civilised community, against his will, is to prevent harm to others. His own good, 
either physical or moral, is not a sufficient warrant.
-John Stuart Mill, On Liberty, 1859</source>
        <translation>El único fin por el que puede ejercerse legítimamente el poder sobre cualquier 
miembro de una comunidad civilizada, contra su voluntad, es evitar que perjudique 
a otros. Su propio bien, físico o moral, no es justificación suficiente.
-John Stuart Mill, Sobre la libertad, 1859</translation>
    </message>
    <message>
        <source>He has endeavoured to prevent the population of these States; for that 
purpose obstructing the Laws for Naturalization of Foreigners; refusing to 
pass others to encourage their migrations hither, and raising the conditions of new 
Appropriations of Lands.
-Declaration of Independence, 1776</source>
        <translation>Ha procurado impedir el poblamiento de estos Estados, obstruyendo 
con ese fin las Leyes de Naturalización de Extranjeros, negándose 
a aprobar otras que fomentaran su inmigración hacia aquí y 
endureciendo las condiciones para nuevas Asignaciones de Tierras.
-Declaración de Independencia, 1776</translation>
    </message>
    <message>
        <source>Give me your tired, your poor,
Your huddled masses yearning to breathe free,
The wretched refuse of your teeming shore.
Send these, the homeless, tempest-tost to me,
I lift my lamp beside the golden door!
-Emma Lazarus, The New Colossus, 1883</source>
        <translatorcomment>The speaker addresses the &quot;ancient lands&quot; of the poem, hence &quot;vosotros&quot;.</translatorcomment>
        <translation>Dadme a vuestros rendidos, a vuestros pobres,
A vuestras masas apiñadas que anhelan respirar libres,
El mísero desecho de vuestras costas rebosantes.
Enviadme a estos, los sin hogar, zarandeados por la tempestad:
¡Yo alzo mi lámpara junto a la puerta dorada!
-Emma Lazarus, El nuevo coloso, 1883</translation>
    </message>
    <message>
        <source>And if there had to be city walls, the walls had doors and the doors were open to 
anyone with the will and the heart to get here.
-Ronald Reagan, Farewell Address, 1989</source>
        <translation>Y si tenía que haber murallas, las murallas tenían puertas, y las puertas estaban 
abiertas a cualquiera que tuviera la voluntad y el corazón para llegar hasta aquí.
-Ronald Reagan, Discurso de despedida, 1989</translation>
    </message>
    <message>
        <source>Shall oppressed humanity find no asylum on this globe?
-Thomas Jefferson, First Annual Message to Congress, 1801</source>
        <translation>¿No hallará la humanidad oprimida asilo alguno en este mundo?
-Thomas Jefferson, Primer mensaje anual al Congreso, 1801</translation>
    </message>
    <message>
        <source>The lesson should be constantly enforced that, though the people support the 
Government, the Government should not support the people.
-Grover Cleveland, veto of the Texas Seed Bill, 1887</source>
        <translation>Debe inculcarse constantemente la lección de que, aunque el pueblo 
sostiene al Gobierno, el Gobierno no debe sostener al pueblo.
-Grover Cleveland, veto a la ley de semillas para Texas, 1887</translation>
    </message>
    <message>
        <source>See if the law takes from some persons what belongs to them, and gives it 
to other persons to whom it does not belong. See if the law benefits one 
citizen at the expense of another by doing what the citizen himself cannot do without 
committing a crime.
-Frederic Bastiat, The Law, 1850</source>
        <translation>Observe si la ley quita a unas personas lo que les pertenece para dárselo a otras 
a las que no pertenece. Observe si la ley beneficia a un ciudadano a costa de 
otro haciendo lo que el propio ciudadano no podría hacer sin cometer un delito.
-Frederic Bastiat, La ley, 1850</translation>
    </message>
    <message>
        <source>Government&apos;s view of the economy could be summed up in a few short phrases: If it 
moves, tax it. If it keeps moving, regulate it. And if it stops moving, subsidize it.
-Ronald Reagan, White House Conference on Small Business, 1986</source>
        <translatorcomment>The well-known Spanish form of this quip keeps the familiar imperative (ponle, regúlalo).</translatorcomment>
        <translation>La visión que el gobierno tiene de la economía podría resumirse 
en unas pocas frases: si se mueve, ponle un impuesto. Si sigue 
moviéndose, regúlalo. Y si deja de moverse, subvenciónalo.
-Ronald Reagan, Conferencia de la Casa Blanca sobre la Pequeña Empresa, 1986</translation>
    </message>
    <message>
        <source>It is the maxim of every prudent master of a family, never to attempt to make at home 
what it will cost him more to make than to buy.
-Adam Smith, The Wealth of Nations, 1776</source>
        <translation>Es máxima de todo prudente padre de familia no intentar 
nunca hacer en casa lo que le costará más hacer que comprar.
-Adam Smith, La riqueza de las naciones, 1776</translation>
    </message>
    <message>
        <source>Free trade, one of the greatest blessings which a government can confer on a people, 
is in almost every country unpopular.
-Thomas Babington Macaulay, 1824</source>
        <translation>El libre comercio, una de las mayores bendiciones que un gobierno 
puede conferir a un pueblo, es impopular en casi todos los países.
-Thomas Babington Macaulay, 1824</translation>
    </message>
    <message>
        <source>What protection teaches us, is to do to ourselves in time of peace what enemies seek 
to do to us in time of war.
-Henry George, Protection or Free Trade, 1886</source>
        <translation>Lo que nos enseña la protección es a hacernos a nosotros mismos en 
tiempo de paz lo que los enemigos intentan hacernos en tiempo de guerra.
-Henry George, Protección o libre comercio, 1886</translation>
    </message>
    <message>
        <source>If soldiers are not to cross international boundaries, goods must do so. Unless the 
shackles can be dropped from trade, bombs will be dropped from the sky.
-Otto T. Mallery, Economic Union and Durable Peace, 1943</source>
        <translation>Si los soldados no han de cruzar las fronteras internacionales, 
deben hacerlo las mercancías. A menos que se suelten los 
grilletes del comercio, se soltarán bombas desde el cielo.
-Otto T. Mallery, Unión económica y paz duradera, 1943</translation>
    </message>
    <message>
        <source>Consumption is the sole end and purpose of all production; and the interest of the 
producer ought to be attended to only so far as it may be necessary for promoting 
that of the consumer.
-Adam Smith, The Wealth of Nations, 1776</source>
        <translation>El consumo es el único fin y propósito de toda producción, 
y el interés del productor solo debe atenderse en la medida 
en que sea necesario para promover el del consumidor.
-Adam Smith, La riqueza de las naciones, 1776</translation>
    </message>
    <message>
        <source>For you cannot make a man worth a given amount by making it illegal for anyone 
to offer him anything less. You merely deprive him of the right to earn the 
amount that his abilities and situation would permit him to earn, while you 
deprive the community even of the moderate services that he is capable of 
rendering. In brief, for a low wage you substitute unemployment.
-Henry Hazlitt, Economics in One Lesson, 1946</source>
        <translation>Porque no se puede hacer que un hombre valga una cantidad dada declarando 
ilegal que alguien le ofrezca menos. Solo se le priva del derecho a ganar la 
cantidad que sus capacidades y su situación le permitirían ganar, a la vez 
que se priva a la comunidad incluso de los modestos servicios que él es 
capaz de prestar. En resumen, se sustituye un salario bajo por el desempleo.
-Henry Hazlitt, La economía en una lección, 1946</translation>
    </message>
    <message>
        <source>The patrimony of a poor man lies in the strength and dexterity of his hands; 
and to hinder him from employing this strength and dexterity in what manner 
he thinks proper without injury to his neighbour, is a plain violation of this 
most sacred property.
-Adam Smith, The Wealth of Nations, 1776</source>
        <translation>El patrimonio de un hombre pobre reside en la fuerza y la destreza 
de sus manos; e impedirle emplear esa fuerza y esa destreza del 
modo que considere oportuno, sin perjuicio de su prójimo, es una 
clara violación de esta propiedad, la más sagrada de todas.
-Adam Smith, La riqueza de las naciones, 1776</translation>
    </message>
    <message>
        <source>But in the right to eat the bread, without the leave of anybody else, which 
his own hand earns, he is my equal and the equal of Judge Douglas, and the equal 
of every living man.
-Abraham Lincoln, debate at Ottawa, Illinois, 1858</source>
        <translation>Pero en el derecho a comer el pan que gana con su propia mano, sin permiso de 
nadie, es mi igual y el igual del juez Douglas, y el igual de todo hombre que vive.
-Abraham Lincoln, debate en Ottawa (Illinois), 1858</translation>
    </message>
    <message>
        <source>The power to tax involves the power to destroy.
-Chief Justice John Marshall, McCulloch v. Maryland, 1819</source>
        <translation>El poder de gravar implica el poder de destruir.
-John Marshall, presidente del Tribunal Supremo, McCulloch v. Maryland, 1819</translation>
    </message>
    <message>
        <source>Any one may so arrange his affairs that his taxes shall be as low as possible; he 
is not bound to choose that pattern which will best pay the Treasury; there is not 
even a patriotic duty to increase one&apos;s taxes.
-Judge Learned Hand, Helvering v. Gregory,
United States Court of Appeals, 1934</source>
        <translation>Cualquiera puede organizar sus asuntos de modo que sus impuestos sean lo más 
bajos posible; no está obligado a elegir la fórmula que más favorezca al Tesoro; 
ni siquiera existe el deber patriótico de aumentar los propios impuestos.
-Learned Hand, juez del Tribunal de Apelaciones de los Estados Unidos,
Helvering v. Gregory, 1934</translation>
    </message>
    <message>
        <source>There is no art which one government sooner learns of another than that of draining 
money from the pockets of the people.
-Adam Smith, The Wealth of Nations, 1776</source>
        <translation>No hay arte que un gobierno aprenda antes de otro que 
el de sacar el dinero de los bolsillos del pueblo.
-Adam Smith, La riqueza de las naciones, 1776</translation>
    </message>
    <message>
        <source>To tax and to please, no more than to love and to be wise, is not given to men.
-Edmund Burke, Speech on American Taxation, 1774</source>
        <translation>Poner impuestos y agradar, como amar y ser sabio, no les es dado a los hombres.
-Edmund Burke, Discurso sobre la tributación americana, 1774</translation>
    </message>
    <message>
        <source>For imposing Taxes on us without our Consent:
-Declaration of Independence, 1776</source>
        <translation>Por imponernos Impuestos sin nuestro Consentimiento:
-Declaración de Independencia, 1776</translation>
    </message>
    <message>
        <source>In this world nothing can be said to be certain, except death and taxes.
-Benjamin Franklin, letter to Jean-Baptiste Le Roy, 1789</source>
        <translation>En este mundo no hay nada seguro, salvo la muerte y los impuestos.
-Benjamin Franklin, carta a Jean-Baptiste Le Roy, 1789</translation>
    </message>
    <message>
        <source>The great rule of conduct for us in regard to foreign nations is in extending our 
commercial relations, to have with them as little political connection as possible.
-George Washington, Farewell Address, 1796</source>
        <translation>La gran regla de conducta para nosotros en cuanto a las naciones 
extranjeras es, al extender nuestras relaciones comerciales, 
tener con ellas la menor conexión política posible.
-George Washington, Discurso de despedida, 1796</translation>
    </message>
    <message>
        <source>Peace, commerce, and honest friendship with all nations, entangling alliances 
with none.
-Thomas Jefferson, First Inaugural Address, 1801</source>
        <translation>Paz, comercio y amistad sincera con todas las 
naciones; alianzas comprometedoras, con ninguna.
-Thomas Jefferson, Primer discurso inaugural, 1801</translation>
    </message>
    <message>
        <source>Wherever the standard of freedom and independence has been or shall be 
unfurled, there will her heart, her benedictions and her prayers be. 
But she goes not abroad, in search of monsters to destroy. 
She is the well-wisher to the freedom and independence of all. 
She is the champion and vindicator only of her own.
-John Quincy Adams, Secretary of State,
Independence Day address, 1821</source>
        <translation>Dondequiera que se haya desplegado o se despliegue el estandarte de la libertad 
y la independencia, allí estarán su corazón, sus bendiciones y sus plegarias. 
Pero no sale al extranjero en busca de monstruos que destruir. 
Desea la libertad y la independencia de todos. 
Solo es campeona y defensora de las suyas.
-John Quincy Adams, secretario de Estado,
discurso del Día de la Independencia, 1821</translation>
    </message>
    <message>
        <source>Of all the enemies to public liberty war is, perhaps, the most to be dreaded, because
it comprises and develops the germ of every other.
-James Madison, Political Observations, 1795</source>
        <translation>De todos los enemigos de la libertad pública, la guerra es quizá el más
temible, porque encierra y desarrolla el germen de todos los demás.
-James Madison, Observaciones políticas, 1795</translation>
    </message>
    <message>
        <source>Topic: %1.</source>
        <extracomment>The caption over a topic&apos;s quotations; %1 is the topic&apos;s statement.</extracomment>
        <translation>Tema: %1.</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>According to your answers, your political philosophy is %1.  The red dot on the next screen shows where you fit on the political map.</source>
        <extracomment>The result message; %1 is the philosophy (&quot;Left Liberal&quot;).</extracomment>
        <translation>Según sus respuestas, su filosofía política es la de un %1.  El punto rojo de la pantalla siguiente muestra dónde se sitúa usted en el mapa político.</translation>
    </message>
    <message>
        <source>Your Personal Self-Government Score Is %1</source>
        <translatorcomment>&quot;Self-government&quot; is rendered &quot;autogobierno&quot;: governing one&apos;s own affairs, not regional autonomy.</translatorcomment>
        <translation>Su puntuación de autogobierno personal es %1</translation>
    </message>
    <message>
        <source>Your Economic Self-Government Score Is %1</source>
        <translation>Su puntuación de autogobierno económico es %1</translation>
    </message>
    <message>
        <source>You get %1 for each &quot;Yes,&quot; %2 for each &quot;Maybe,&quot; and %3 for every &quot;No.&quot; Your score on personal issues was %4%, and your economic score was %5%.  The red dot on the graph shows where your scores meet.</source>
        <extracomment>%1, %2 and %3 are what a Yes, a Maybe and a No add (20, 10, 0); %4 and %5 the personal and the economic score.</extracomment>
        <translatorcomment>Spanish sets a (no-break) space before the per cent sign.</translatorcomment>
        <translation>Cada «Sí» suma %1 puntos, cada «Quizá» %2 y cada «No» %3. Su puntuación en cuestiones personales fue del %4&#xa0;%, y su puntuación económica, del %5&#xa0;%.  El punto rojo del gráfico muestra dónde se cruzan sus puntuaciones.</translation>
    </message>
    <message>
        <source>Your philosophy is %1.</source>
        <extracomment>Said by a screen reader on the map, and copied with the result; %1 is the philosophy.</extracomment>
        <translation>Su filosofía es la de un %1.</translation>
    </message>
    <message>
        <source>The red dot marks a personal self-government score of %1 and an economic self-government score of %2.</source>
        <extracomment>Said by a screen reader on the map, and copied with the result.</extracomment>
        <translation>El punto rojo marca una puntuación de autogobierno personal de %1 y una puntuación de autogobierno económico de %2.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Web address: %1</source>
        <extracomment>Read by screen readers in the splash: keep at least two words before the address (%1), or the reader skips it.</extracomment>
        <translation>Dirección web: %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>A small political map: a blue diamond with its top zone in aqua</source>
        <translation>Un pequeño mapa político: un rombo azul con su zona superior en aguamarina</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Meridian Political Quiz</source>
        <translation>Test político Meridian</translation>
    </message>
    <message>
        <source>Are you a self-governor...</source>
        <translatorcomment>The question runs on into the two headings below: &quot;¿Se autogobierna usted... en lo PERSONAL?&quot;</translatorcomment>
        <translation>¿Se autogobierna usted...</translation>
    </message>
    <message>
        <source>... On PERSONAL Issues?</source>
        <translation>... en lo PERSONAL?</translation>
    </message>
    <message>
        <source>... On ECONOMIC Issues?</source>
        <translation>... en lo ECONÓMICO?</translation>
    </message>
    <message>
        <source>Yes Maybe No</source>
        <translation>Sí Quizá No</translation>
    </message>
    <message>
        <source>Show Results</source>
        <translation>Ver resultados</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quotes</source>
        <translation>&amp;Citas</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Perfiles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translatorcomment>A is taken by Archivo; A&amp;yuda is the usual Spanish accelerator.</translatorcomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Personal Issues</source>
        <translation>Cuestiones personales</translation>
    </message>
    <message>
        <source>   &amp;Conscription</source>
        <translation>   &amp;Servicio militar</translation>
    </message>
    <message>
        <source>   &amp;Media</source>
        <translation>   &amp;Medios</translation>
    </message>
    <message>
        <source>   &amp;Privacy</source>
        <translation>   &amp;Privacidad</translation>
    </message>
    <message>
        <source>   P&amp;rohibition</source>
        <translation>   P&amp;rohibición</translation>
    </message>
    <message>
        <source>   &amp;Borders</source>
        <translation>   &amp;Fronteras</translation>
    </message>
    <message>
        <source>Economic Issues</source>
        <translation>Cuestiones económicas</translation>
    </message>
    <message>
        <source>   &amp;Subsidies</source>
        <translatorcomment>S is taken by Servicio militar in this menu.</translatorcomment>
        <translation>   S&amp;ubvenciones</translation>
    </message>
    <message>
        <source>   Pr&amp;otectionism</source>
        <translation>   Pr&amp;oteccionismo</translation>
    </message>
    <message>
        <source>   &amp;Labor</source>
        <translation>   &amp;Trabajo</translation>
    </message>
    <message>
        <source>   &amp;Income Tax</source>
        <translation>   &amp;Impuesto sobre la renta</translation>
    </message>
    <message>
        <source>   &amp;Defense</source>
        <translation>   &amp;Defensa</translation>
    </message>
    <message>
        <source>&amp;Introducing</source>
        <translation>&amp;Presentación</translation>
    </message>
    <message>
        <source>&amp;Taking the Quiz</source>
        <translation>&amp;Cómo hacer el test</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Shows your result and the political map</source>
        <translation>Muestra su resultado y el mapa político</translation>
    </message>
    <message>
        <source>Answers to the personal issues: Yes, Maybe, No</source>
        <translation>Respuestas a las cuestiones personales: Sí, Quizá, No</translation>
    </message>
    <message>
        <source>Heads the three columns of answer buttons</source>
        <translation>Encabeza las tres columnas de botones de respuesta</translation>
    </message>
    <message>
        <source>Answers to the economic issues: Yes, Maybe, No</source>
        <translation>Respuestas a las cuestiones económicas: Sí, Quizá, No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Quizá</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translatorcomment>%2 is a topic name or an answer word (Sí, Quizá, No).</translatorcomment>
        <translation>Pregunta %1: %2</translation>
    </message>
    <message>
        <source>Click to read quotations on %1; the Quotes menu shows them too</source>
        <translation>Haga clic para leer citas sobre el tema «%1»; también están en el menú Citas</translation>
    </message>
    <message>
        <source>Please answer each question by clicking on the Yes, No, or Maybe buttons. When you have answered all the questions, click on Show Results.</source>
        <translation>Responda a cada pregunta haciendo clic en los botones Sí, No o Quizá. Cuando haya respondido a todas las preguntas, haga clic en Ver resultados.</translation>
    </message>
    <message>
        <source>Click on any question to see a relevant quotation.</source>
        <translation>Haga clic en cualquier pregunta para ver una cita sobre el tema.</translation>
    </message>
    <message>
        <source>Welcome to Quiz!  People everywhere are discovering that the old &quot;Left - Right&quot; axis just doesn&apos;t describe the real world.  Here&apos;s a system that makes a lot more sense.  I hope you enjoy it!</source>
        <translation>¡Bienvenido a Quiz!  En todas partes la gente está descubriendo que el viejo eje «izquierda - derecha» no describe el mundo real.  Este sistema tiene mucho más sentido.  ¡Espero que le guste!</translation>
    </message>
    <message>
        <source>Choose &quot;Yes&quot; if you (mostly) agree with each statement, &quot;Maybe&quot; if you aren&apos;t sure or need more information, and &quot;No&quot; if you (mostly) disagree.  &quot;Maybe&quot; also means you agree in principle, but think the idea needs work.</source>
        <translation>Elija «Sí» si está (en general) de acuerdo con cada afirmación, «Quizá» si no está seguro o necesita más información, y «No» si (en general) no está de acuerdo.  «Quizá» también significa que está de acuerdo en principio, pero cree que la idea necesita pulirse.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>memProfile</source>
        <translatorcomment>Design-time placeholder, replaced at run time; left as is.</translatorcomment>
        <translation>memProfile</translation>
    </message>
    <message>
        <source>Map of the Libertarian zone</source>
        <translation>Mapa de la zona de los libertarios</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its top corner, the Libertarian zone, highlighted in aqua.</source>
        <translation>El mapa político en forma de rombo, con su esquina superior, la zona de los libertarios, resaltada en aguamarina.</translation>
    </message>
    <message>
        <source>Map of the Authoritarian zone</source>
        <translation>Mapa de la zona de los autoritarios</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its bottom corner, the Authoritarian zone, highlighted in aqua.</source>
        <translation>El mapa político en forma de rombo, con su esquina inferior, la zona de los autoritarios, resaltada en aguamarina.</translation>
    </message>
    <message>
        <source>Map of the Left Liberal zone</source>
        <translation>Mapa de la zona de los liberales de izquierda</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its left corner, the Left Liberal zone, highlighted in aqua.</source>
        <translation>El mapa político en forma de rombo, con su esquina izquierda, la zona de los liberales de izquierda, resaltada en aguamarina.</translation>
    </message>
    <message>
        <source>Map of the Centrist zone</source>
        <translation>Mapa de la zona de los centristas</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its centre square, the Centrist zone, highlighted in aqua.</source>
        <translation>El mapa político en forma de rombo, con su cuadrado central, la zona de los centristas, resaltado en aguamarina.</translation>
    </message>
    <message>
        <source>Map of the Right Conservative zone</source>
        <translation>Mapa de la zona de los conservadores de derecha</translation>
    </message>
    <message>
        <source>The diamond-shaped political map with its right corner, the Right Conservative zone, highlighted in aqua.</source>
        <translation>El mapa político en forma de rombo, con su esquina derecha, la zona de los conservadores de derecha, resaltada en aguamarina.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Famous people</source>
        <translation>Personajes célebres</translation>
    </message>
    <message>
        <source>memFamous</source>
        <translatorcomment>Design-time placeholder, replaced at run time; left as is.</translatorcomment>
        <translation>memFamous</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>The Political Map</source>
        <translation>El mapa político</translation>
    </message>
    <message>
        <source>Political map</source>
        <translation>Mapa político</translation>
    </message>
    <message>
        <source>Red dot</source>
        <translation>Punto rojo</translation>
    </message>
    <message>
        <source>Marks the point where your two scores meet</source>
        <translation>Marca el punto donde se cruzan sus dos puntuaciones</translation>
    </message>
    <message>
        <source>Personal self-government score, from 0 to 100</source>
        <translation>Puntuación de autogobierno personal, de 0 a 100</translation>
    </message>
    <message>
        <source>PSscore Goes Here</source>
        <translatorcomment>Design-time placeholder, replaced at run time.</translatorcomment>
        <translation>Aquí va la puntuación personal</translation>
    </message>
    <message>
        <source>Economic self-government score, from 0 to 100</source>
        <translation>Puntuación de autogobierno económico, de 0 a 100</translation>
    </message>
    <message>
        <source>EScore goes Here</source>
        <translatorcomment>Design-time placeholder, replaced at run time.</translatorcomment>
        <translation>Aquí va la puntuación económica</translation>
    </message>
    <message>
        <source>Libertarian region</source>
        <translation>Región de los libertarios</translation>
    </message>
    <message>
        <source>Click to read the Libertarian profile</source>
        <translation>Haga clic para leer el perfil de los libertarios</translation>
    </message>
    <message>
        <source>Right Conservative region</source>
        <translation>Región de los conservadores de derecha</translation>
    </message>
    <message>
        <source>Click to read the Right Conservative profile</source>
        <translation>Haga clic para leer el perfil de los conservadores de derecha</translation>
    </message>
    <message>
        <source>Left Liberal region</source>
        <translation>Región de los liberales de izquierda</translation>
    </message>
    <message>
        <source>Click to read the Left Liberal profile</source>
        <translation>Haga clic para leer el perfil de los liberales de izquierda</translation>
    </message>
    <message>
        <source>Centrist region</source>
        <translation>Región de los centristas</translation>
    </message>
    <message>
        <source>Click to read the Centrist profile</source>
        <translation>Haga clic para leer el perfil de los centristas</translation>
    </message>
    <message>
        <source>Authoritarian region</source>
        <translation>Región de los autoritarios</translation>
    </message>
    <message>
        <source>Click to read the Authoritarian profile</source>
        <translation>Haga clic para leer el perfil de los autoritarios</translation>
    </message>
    <message>
        <source>Your Profile</source>
        <translation>Su perfil</translation>
    </message>
    <message>
        <source>Shows the profile of your political philosophy</source>
        <translation>Muestra el perfil de su filosofía política</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Asks whether to keep your answers, then goes back to the quiz</source>
        <translation>Pregunta si desea conservar sus respuestas y vuelve al test</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quotes</source>
        <translation>&amp;Citas</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Perfiles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translatorcomment>A is taken by Archivo; A&amp;yuda is the usual Spanish accelerator.</translatorcomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Personal Issues</source>
        <translation>Cuestiones personales</translation>
    </message>
    <message>
        <source>   &amp;Conscription</source>
        <translation>   &amp;Servicio militar</translation>
    </message>
    <message>
        <source>   &amp;Media</source>
        <translation>   &amp;Medios</translation>
    </message>
    <message>
        <source>   &amp;Privacy</source>
        <translation>   &amp;Privacidad</translation>
    </message>
    <message>
        <source>   P&amp;rohibition</source>
        <translation>   P&amp;rohibición</translation>
    </message>
    <message>
        <source>   &amp;Borders</source>
        <translation>   &amp;Fronteras</translation>
    </message>
    <message>
        <source>Economic Issues</source>
        <translation>Cuestiones económicas</translation>
    </message>
    <message>
        <source>   &amp;Subsidies</source>
        <translatorcomment>S is taken by Servicio militar in this menu.</translatorcomment>
        <translation>   S&amp;ubvenciones</translation>
    </message>
    <message>
        <source>   Pr&amp;otectionism</source>
        <translation>   Pr&amp;oteccionismo</translation>
    </message>
    <message>
        <source>   &amp;Labor</source>
        <translation>   &amp;Trabajo</translation>
    </message>
    <message>
        <source>   &amp;Income Tax</source>
        <translation>   &amp;Impuesto sobre la renta</translation>
    </message>
    <message>
        <source>   &amp;Defense</source>
        <translation>   &amp;Defensa</translation>
    </message>
    <message>
        <source>&amp;Resources</source>
        <translation>&amp;Recursos</translation>
    </message>
    <message>
        <source>&amp;Quiz history</source>
        <translation>&amp;Historia del test</translation>
    </message>
    <message>
        <source>&amp;Hmmmm...</source>
        <translatorcomment>The Spanish spelling of the thoughtful hum; H is taken by Historia.</translatorcomment>
        <translation>&amp;Mmmm...</translation>
    </message>
    <message>
        <source>&amp;Libertarians</source>
        <translation>&amp;Libertarios</translation>
    </message>
    <message>
        <source>L&amp;eft liberals</source>
        <translation>Liberales de &amp;izquierda</translation>
    </message>
    <message>
        <source>&amp;Right conservatives</source>
        <translation>Conservadores de &amp;derecha</translation>
    </message>
    <message>
        <source>&amp;Authoritarians</source>
        <translation>&amp;Autoritarios</translation>
    </message>
    <message>
        <source>&amp;Centrists</source>
        <translation>&amp;Centristas</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Puntuación</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Try It Yourself!</source>
        <translation>¡Pruébelo usted mismo!</translation>
    </message>
    <message>
        <source>Try taking the quiz again, but this time answer according to current U.S. policy, instead of your own beliefs.  How does the country score?</source>
        <translation>Haga el test otra vez, pero ahora responda según la política actual de los EE. UU., y no según sus propias convicciones.  ¿Qué puntuación obtiene el país?</translation>
    </message>
    <message>
        <source>Keep your old answers?</source>
        <translation>¿Desea conservar sus respuestas anteriores?</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>History of the Quiz</source>
        <translation>Historia del test</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>History of the quiz</source>
        <translation>Historia del test</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Topical Quotes</source>
        <translation>Citas por temas</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Quotations on the topic</source>
        <translation>Citas sobre el tema</translation>
    </message>
    <message>
        <source>Memo1</source>
        <translatorcomment>Design-time placeholder, replaced at run time; left as is.</translatorcomment>
        <translation>Memo1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Resources</source>
        <translation>Recursos</translation>
    </message>
    <message>
        <source>Here are some of the many organizations devoted to self-government.  Click on each logo to find out more...</source>
        <translation>Estas son algunas de las muchas organizaciones dedicadas al autogobierno.  Haga clic en cada logotipo para saber más...</translation>
    </message>
    <message>
        <source>Lantern Vessimar logo</source>
        <translation>Logotipo de Lantern Vessimar</translation>
    </message>
    <message>
        <source>A lit lantern with rays beside the words Lantern Vessimar. Press it to show the organization&apos;s address and details.</source>
        <translation>Un farol encendido y radiante junto a las palabras Lantern Vessimar. Púlselo para ver la dirección y los datos de la organización.</translation>
    </message>
    <message>
        <source>Heralds of Orrisvane logo</source>
        <translation>Logotipo de Heralds of Orrisvane</translation>
    </message>
    <message>
        <source>A herald&apos;s trumpet with a starred banner, framed in a double square above the words Heralds of Orrisvane. Press it to show the organization&apos;s address and details.</source>
        <translation>Una trompeta de heraldo con un estandarte estrellado, enmarcada en un doble cuadrado sobre las palabras Heralds of Orrisvane. Púlselo para ver la dirección y los datos de la organización.</translation>
    </message>
    <message>
        <source>Grove Mirravent logo</source>
        <translation>Logotipo de Grove Mirravent</translation>
    </message>
    <message>
        <source>Three trees on a hill above the words Grove Mirravent. Press it to show the organization&apos;s address and details.</source>
        <translation>Tres árboles en una colina sobre las palabras Grove Mirravent. Púlselo para ver la dirección y los datos de la organización.</translation>
    </message>
    <message>
        <source>Ossenbray Books logo</source>
        <translation>Logotipo de Ossenbray Books</translation>
    </message>
    <message>
        <source>An open book beside the words Ossenbray Books. Press it to show the organization&apos;s address and details.</source>
        <translation>Un libro abierto junto a las palabras Ossenbray Books. Púlselo para ver la dirección y los datos de la organización.</translation>
    </message>
    <message>
        <source>Tarrant Dornavel logo</source>
        <translation>Logotipo de Tarrant Dornavel</translation>
    </message>
    <message>
        <source>A flaming torch beside the words Tarrant Dornavel between ruled lines. Press it to show the organization&apos;s address and details.</source>
        <translation>Una antorcha encendida junto a las palabras Tarrant Dornavel, entre dos líneas. Púlselo para ver la dirección y los datos de la organización.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Your Name Here</source>
        <translatorcomment>Design-time placeholder; the organisation&apos;s name replaces it at run time.</translatorcomment>
        <translation>Su nombre aquí</translation>
    </message>
    <message>
        <source>Organization details</source>
        <translation>Datos de la organización</translation>
    </message>
    <message>
        <source>memAddress</source>
        <translatorcomment>Design-time placeholder, replaced at run time; left as is.</translatorcomment>
        <translation>memAddress</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>TMessageForm</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
</context>
</TS>
