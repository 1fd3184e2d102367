<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CanModelChooser</name>
    <message>
        <source>real can, simulated full-wave</source>
        <translation>echte Dose, Vollwellen-Simulation</translation>
    </message>
    <message>
        <source>open waveguide, aperture formula</source>
        <translation>offener Hohlleiter, Aperturformel</translation>
    </message>
    <message>
        <source>can model</source>
        <translation>Dosenmodell</translation>
    </message>
    <message>
        <source>real thin-walled cans with a closed back, 0.6 to 1.3 wavelengths across, from full-wave simulations; or the textbook formula of the field in the open end alone</source>
        <translation>echte dünnwandige Dosen mit geschlossenem Boden, 0.6 bis 1.3 Wellenlängen weit, aus Vollwellen-Simulationen; oder die Lehrbuchformel allein des Feldes im offenen Ende</translation>
    </message>
    <message>
        <source>in front of the mouth (E %1, H %2): put the mouth %3 behind the focus</source>
        <translation>vor der Öffnung (E %1, H %2): die Öffnung %3 hinter den Brennpunkt setzen</translation>
    </message>
    <message>
        <source>behind the mouth (E %1, H %2): put the mouth %3 in front of the focus</source>
        <translation>hinter der Öffnung (E %1, H %2): die Öffnung %3 vor den Brennpunkt setzen</translation>
    </message>
</context>
<context>
    <name>FeedTable</name>
    <message>
        <source>Open can, 0.62 - 0.70 λ inside</source>
        <translation>Offene Dose, 0.62 - 0.70 λ innen</translation>
    </message>
    <message>
        <source>the simulated real cans</source>
        <translation>die simulierten echten Dosen</translation>
    </message>
    <message>
        <source>Open can, 0.70 - 0.765 λ inside</source>
        <translation>Offene Dose, 0.70 - 0.765 λ innen</translation>
    </message>
    <message>
        <source>the same; TM01 past 0.7655 λ</source>
        <translation>ebenso; TM01 ab 0.7655 λ</translation>
    </message>
    <message>
        <source>Choke-ring (scalar) feed, VE4MA</source>
        <translation>Rillenerreger (Scalar Feed), VE4MA</translation>
    </message>
    <message>
        <source>its designer</source>
        <translation>sein Entwickler</translation>
    </message>
    <message>
        <source>Dual-mode (Potter) horn</source>
        <translation>Dual-Mode-Horn (Potter)</translation>
    </message>
    <message>
        <source>its builders</source>
        <translation>seine Erbauer</translation>
    </message>
    <message>
        <source>10 dB down at 140 - 120° across</source>
        <translation>10 dB unten bei 140 - 120° Öffnung</translation>
    </message>
    <message>
        <source>cos^n of that width</source>
        <translation>cos^n dieser Breite</translation>
    </message>
    <message>
        <source>10 dB down at 100 - 80° across</source>
        <translation>10 dB unten bei 100 - 80° Öffnung</translation>
    </message>
    <message>
        <source>10 dB down at 70 - 60° across</source>
        <translation>10 dB unten bei 70 - 60° Öffnung</translation>
    </message>
    <message>
        <source>cos^n; offset dishes</source>
        <translation>cos^n; Offset-Spiegel</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Erreger</translation>
    </message>
    <message>
        <source>Suits f/D</source>
        <translation>Passt zu f/D</translation>
    </message>
    <message>
        <source>Figure from</source>
        <translation>Wert nach</translation>
    </message>
    <message>
        <source>common amateur feeds</source>
        <translation>übliche Amateur-Erreger</translation>
    </message>
    <message>
        <source>each feed with the f/D range of dish it suits</source>
        <translation>jeder Erreger mit dem f/D-Bereich der Spiegel, zu denen er passt</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-Datei</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&lt;h3&gt;dishwright %1&lt;/h3&gt;&lt;p&gt;A calculator for radio amateurs who build microwave dish antennas: the dish&apos;s figures and profile, its feed, templates to cut, measuring a dish and checking it with the sun.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Where the formulas come from&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Cans and feeds: the round waveguide&apos;s TE11, TM01, TE21 and TE01/TM11 cutoffs from the Bessel roots 1.8412, 2.4048, 3.0542 and 3.8317; an open can radiating TE11 from its aperture with the Huygens factors; cos&lt;sup&gt;N&lt;/sup&gt; feeds.&lt;/li&gt;&lt;li&gt;Sun noise: the antenna temperature S G &amp;lambda;&amp;sup2; / (8 &amp;pi; k K) after Kraus, &lt;i&gt;Radio Astronomy&lt;/i&gt;, as the SETI League&apos;s G/T note applies it; the source-size correction K = 1 + 0.38 (0.5 / beamwidth)&amp;sup2; of amateur practice (on such corrections: J. W. M. Baars, IEEE Trans. Antennas Propag. AP-21, 1973).&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;&lt;b&gt;Where the table of common feeds comes from&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Open cans and the beamwidth rows: this program&apos;s own models.&lt;/li&gt;&lt;li&gt;Choke-ring (scalar) feed, VE4MA: its designer&apos;s figure as JA0IXX quotes it, &quot;1296MHz scalar feed horn (VE4MA)&quot;.&lt;/li&gt;&lt;li&gt;Dual-mode (Potter) horn: G3PHO, &quot;A dual mode horn for 10GHz using standard copper pipe fittings&quot;, and OM6AA&apos;s W2IMU dual-mode feeds.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;dishwright %1&lt;/h3&gt;&lt;p&gt;Ein Rechner für Funkamateure, die Mikrowellen-Parabolspiegel bauen: die Werte und das Profil des Spiegels, sein Erreger, Schablonen zum Zuschneiden, das Vermessen eines Spiegels und seine Prüfung mit der Sonne.&lt;/p&gt;&lt;p&gt;Freie Software unter der MIT-Lizenz.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Woher die Formeln stammen&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Dosen und Erreger: die Grenzfrequenzen der Moden TE11, TM01, TE21 und TE01/TM11 des Rundhohlleiters aus den Bessel-Nullstellen 1.8412, 2.4048, 3.0542 und 3.8317; eine offene Dose, die TE11 aus ihrer Apertur abstrahlt, mit den Huygens-Faktoren; cos&lt;sup&gt;N&lt;/sup&gt;-Erreger.&lt;/li&gt;&lt;li&gt;Sonnenrauschen: die Antennentemperatur S G &amp;lambda;&amp;sup2; / (8 &amp;pi; k K) nach Kraus, &lt;i&gt;Radio Astronomy&lt;/i&gt;, wie die G/T-Notiz der SETI League sie anwendet; die Korrektur für die Quellgröße K = 1 + 0.38 (0.5 / Halbwertsbreite)&amp;sup2; aus der Amateurpraxis (zu solchen Korrekturen: J. W. M. Baars, IEEE Trans. Antennas Propag. AP-21, 1973).&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;&lt;b&gt;Woher die Tabelle der üblichen Erreger stammt&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Offene Dosen und die Zeilen nach Halbwertsbreite: die eigenen Modelle dieses Programms.&lt;/li&gt;&lt;li&gt;Rillenerreger (Scalar Feed), VE4MA: der Wert seines Entwicklers, wie JA0IXX ihn zitiert, &quot;1296MHz scalar feed horn (VE4MA)&quot;.&lt;/li&gt;&lt;li&gt;Dual-Mode-Horn (Potter): G3PHO, &quot;A dual mode horn for 10GHz using standard copper pipe fittings&quot;, und die W2IMU-Dual-Mode-Erreger von OM6AA.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>About dishwright</source>
        <translation>Über dishwright</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>length unit</source>
        <translation>Längeneinheit</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>dish diameter unit</source>
        <translation>Einheit des Spiegeldurchmessers</translation>
    </message>
    <message>
        <source>message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>the Feed and efficiency window</source>
        <translation>dem Fenster Erreger und Wirkungsgrad</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit and discard the 1 measured point?</source>
        <translation>Beenden und den 1 gemessenen Punkt verwerfen?</translation>
    </message>
    <message>
        <source>Quit and discard the %1 measured points?</source>
        <translation>Beenden und die %1 gemessenen Punkte verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Discard changes</source>
        <translation>Änderungen &amp;verwerfen</translation>
    </message>
    <message>
        <source>Designs (*.dish);;All files (*)</source>
        <translation>Entwürfe (*.dish);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open design</source>
        <translation>Entwurf öffnen</translation>
    </message>
    <message>
        <source>Save design as</source>
        <translation>Entwurf speichern unter</translation>
    </message>
    <message>
        <source>&amp;Templates...</source>
        <translation>&amp;Schablonen...</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Schablonen</translation>
    </message>
    <message>
        <source>&amp;Measure a dish...</source>
        <translation>Spiegel &amp;vermessen...</translation>
    </message>
    <message>
        <source>Measure a dish</source>
        <translation>Spiegel vermessen</translation>
    </message>
    <message>
        <source>Check a &amp;can...</source>
        <translation>&amp;Dose prüfen...</translation>
    </message>
    <message>
        <source>Check a can</source>
        <translation>Dose prüfen</translation>
    </message>
    <message>
        <source>&amp;Feed and efficiency...</source>
        <translation>&amp;Erreger und Wirkungsgrad...</translation>
    </message>
    <message>
        <source>Feed and efficiency</source>
        <translation>Erreger und Wirkungsgrad</translation>
    </message>
    <message>
        <source>Check with the s&amp;un...</source>
        <translation>Mit der S&amp;onne prüfen...</translation>
    </message>
    <message>
        <source>Check with the sun</source>
        <translation>Mit der Sonne prüfen</translation>
    </message>
    <message>
        <source>%1 (10.7 cm, F10.7)</source>
        <translation>%1 (10.7 cm, F10.7)</translation>
    </message>
    <message>
        <source>megahertz; the observatories report at the frequencies offered, the 10.7 cm flux at 2800</source>
        <translation>Megahertz; die Observatorien melden auf den angebotenen Frequenzen, den 10.7-cm-Fluss auf 2800</translation>
    </message>
    <message>
        <source>Warning: %1.</source>
        <translation>Warnung: %1.</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Hinweis: %1.</translation>
    </message>
    <message>
        <source>kelvin: the noise temperature of the whole receiving system (sky, dish, feed, line and receiver) pointed at cold sky, not the LNA&apos;s own</source>
        <translation>Kelvin: die Rauschtemperatur des ganzen Empfangssystems (Himmel, Spiegel, Erreger, Leitung und Empfänger) auf kalten Himmel gerichtet, nicht die des LNA allein</translation>
    </message>
    <message>
        <source>as typed: the sun&apos;s size is measured against it</source>
        <translation>wie eingegeben: die Größe der Sonne wird an ihr gemessen</translation>
    </message>
    <message>
        <source>that of a dish of %1 % efficiency with this gain, as none was typed</source>
        <translation>aus dem Gewinn bei %1 % Wirkungsgrad, da keine eingegeben</translation>
    </message>
    <message>
        <source>from the dish&apos;s diameter: %1 degrees x wavelength / diameter</source>
        <translation>aus dem Spiegeldurchmesser: %1 Grad x Wellenlänge / Durchmesser</translation>
    </message>
    <message>
        <source>no beamwidth nor dish diameter typed: the sun taken as a point</source>
        <translation>weder Halbwertsbreite noch Spiegeldurchmesser eingegeben: die Sonne als Punkt genommen</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>number of struts</source>
        <translation>Anzahl der Streben</translation>
    </message>
    <message>
        <source>struts from the rim to the feed; blank for none</source>
        <translation>Streben vom Rand zum Erreger; leer für keine</translation>
    </message>
    <message>
        <source>strut width</source>
        <translation>Breite der Streben</translation>
    </message>
    <message>
        <source>each strut&apos;s width as the wave sees it; inches for a dish in feet, mm for one in metres</source>
        <translation>die Breite jeder Strebe, wie die Welle sie sieht; Zoll bei einem Spiegel in Fuß, mm bei einem in Metern</translation>
    </message>
    <message>
        <source>feed VSWR</source>
        <translation>VSWR des Erregers</translation>
    </message>
    <message>
        <source>the feed&apos;s VSWR at the frequency; blank for a matched feed</source>
        <translation>das VSWR des Erregers auf der Frequenz; leer für einen angepassten Erreger</translation>
    </message>
    <message>
        <source>mesh size</source>
        <translation>Maschenweite</translation>
    </message>
    <message>
        <source>centre to centre of the wires of a mesh surface; blank for a solid surface</source>
        <translation>Abstand der Drähte einer Gitteroberfläche von Mitte zu Mitte; leer für eine geschlossene Oberfläche</translation>
    </message>
    <message>
        <source>mesh wire diameter</source>
        <translation>Drahtdurchmesser des Gitters</translation>
    </message>
    <message>
        <source>the thickness of the mesh&apos;s wire</source>
        <translation>die Dicke des Gitterdrahts</translation>
    </message>
    <message>
        <source>of width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Str&amp;uts:</source>
        <translation>St&amp;reben:</translation>
    </message>
    <message>
        <source>Feed &amp;VSWR:</source>
        <translation>Erreger-&amp;VSWR:</translation>
    </message>
    <message>
        <source>wire</source>
        <translation>Draht</translation>
    </message>
    <message>
        <source>Mes&amp;h size:</source>
        <translation>Mas&amp;chenweite:</translation>
    </message>
</context>
<context>
    <name>dishwright::BudgetChart</name>
    <message>
        <source>bars of the losses in dB</source>
        <translation>Balken der Verluste in dB</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The losses show once the dish&apos;s diameter and frequency are typed.</source>
        <translation>Die Verluste erscheinen, sobald Durchmesser und Frequenz des Spiegels eingegeben sind.</translation>
    </message>
</context>
<context>
    <name>dishwright::BudgetTable</name>
    <message>
        <source>Efficiency</source>
        <translation>Wirkungsgrad</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Gain after</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>loss budget: each loss in percent and dB, and the gain after it</source>
        <translation>Verlustbilanz: jeder Verlust in Prozent und dB und der Gewinn danach</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Spillover</source>
        <translation>Spillover</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Ausleuchtung</translation>
    </message>
    <message>
        <source>Cross-polar</source>
        <translation>Kreuzpol.</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Blockage</source>
        <translation>Abschattung</translation>
    </message>
    <message>
        <source>Struts</source>
        <translation>Streben</translation>
    </message>
    <message>
        <source>Mismatch</source>
        <translation>Fehlanpassung</translation>
    </message>
    <message>
        <source>Mesh leakage</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>dBi</source>
        <translation>dBi</translation>
    </message>
</context>
<context>
    <name>dishwright::CanCheckWindow</name>
    <message>
        <source>Measure the can inside, across its open end, and type the frequency it is to feed.</source>
        <translation>Messen Sie die Dose innen quer über ihr offenes Ende und geben Sie die Frequenz ein, die sie speisen soll.</translation>
    </message>
    <message>
        <source>Check a can</source>
        <translation>Dose prüfen</translation>
    </message>
    <message>
        <source>inside diameter</source>
        <translation>Innendurchmesser</translation>
    </message>
    <message>
        <source>Inside &amp;diameter:</source>
        <translation>&amp;Innendurchmesser:</translation>
    </message>
    <message>
        <source>&amp;Frequency, MHz:</source>
        <translation>&amp;Frequenz, MHz:</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>warnings about this can</source>
        <translation>Warnungen zu dieser Dose</translation>
    </message>
    <message>
        <source>the coffee-can screen&apos;s figures at this frequency</source>
        <translation>die Werte des Kaffeedosen-Bildschirms bei dieser Frequenz</translation>
    </message>
    <message>
        <source>TE11 cutoff</source>
        <translation>TE11-Grenzfrequenz</translation>
    </message>
    <message>
        <source>below this frequency the can carries nothing</source>
        <translation>unterhalb dieser Frequenz leitet die Dose nichts</translation>
    </message>
    <message>
        <source>TM01 cutoff</source>
        <translation>TM01-Grenzfrequenz</translation>
    </message>
    <message>
        <source>above this a second mode can spoil the pattern</source>
        <translation>darüber kann eine zweite Mode das Diagramm verderben</translation>
    </message>
    <message>
        <source>Guide wavelength</source>
        <translation>Hohlleiterwellenlänge</translation>
    </message>
    <message>
        <source>the wavelength inside the can, longer than in air</source>
        <translation>die Wellenlänge in der Dose, länger als in Luft</translation>
    </message>
    <message>
        <source>Probe position</source>
        <translation>Position der Sonde</translation>
    </message>
    <message>
        <source>from the closed back to the probe, a quarter of the guide wavelength</source>
        <translation>vom geschlossenen Boden bis zur Sonde, ein Viertel der Hohlleiterwellenlänge</translation>
    </message>
    <message>
        <source>Probe length</source>
        <translation>Länge der Sonde</translation>
    </message>
    <message>
        <source>a quarter of the wavelength in air</source>
        <translation>ein Viertel der Wellenlänge in Luft</translation>
    </message>
    <message>
        <source>Shortest can</source>
        <translation>Kürzeste Dose</translation>
    </message>
    <message>
        <source>three quarters of the guide wavelength; longer is fine</source>
        <translation>drei Viertel der Hohlleiterwellenlänge; länger ist gut</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Warning: %1.</source>
        <translation>Warnung: %1.</translation>
    </message>
    <message>
        <source>in</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>The coffee-can screen at %1 MHz proposes its own can, %2 %7 across: probe %3 %7 from the back and %4 %7 long, can %5 to %6 %7. Both put the probe a quarter of the guide wavelength from the back, each in its own can. The screen&apos;s probe is 234 / F feet long, about 5 % under this check&apos;s quarter wave, and its lengths are two to three free-space wavelengths, where this check gives the shortest can that will do.</source>
        <translation>Der Kaffeedosen-Bildschirm schlägt bei %1 MHz eine eigene Dose vor, %2 %7 weit: Sonde %3 %7 vom Boden und %4 %7 lang, Dose %5 bis %6 %7. Beide setzen die Sonde ein Viertel der Hohlleiterwellenlänge vom Boden, jede in ihrer eigenen Dose. Die Sonde des Bildschirms ist 234 / F Fuß lang, etwa 5 % unter der Viertelwelle dieser Prüfung, und seine Längen sind zwei bis drei Freiraumwellenlängen, wo diese Prüfung die kürzeste Dose angibt, die genügt.</translation>
    </message>
</context>
<context>
    <name>dishwright::CanDrawing</name>
    <message>
        <source>the can drawn to scale with the probe</source>
        <translation>die Dose maßstäblich gezeichnet, mit der Sonde</translation>
    </message>
    <message>
        <source>can %1 %2 wide and %3 %2 long, probe %4 %2 from the back</source>
        <translation>Dose %1 %2 weit und %3 %2 lang, Sonde %4 %2 vom Boden</translation>
    </message>
    <message>
        <source>shortest can %1 %2</source>
        <translation>kürzeste Dose %1 %2</translation>
    </message>
    <message>
        <source>probe %1 %2 from the back</source>
        <translation>Sonde %1 %2 vom Boden</translation>
    </message>
    <message>
        <source>probe %1 %2 long</source>
        <translation>Sonde %1 %2 lang</translation>
    </message>
    <message>
        <source>open end</source>
        <translation>offenes Ende</translation>
    </message>
    <message>
        <source>%1 %2
inside</source>
        <translation>%1 %2
innen</translation>
    </message>
</context>
<context>
    <name>dishwright::DesignDocument</name>
    <message>
        <source>the design, which is in no file yet</source>
        <translation>der Entwurf, der noch in keiner Datei steht</translation>
    </message>
    <message>
        <source>Discard the unsaved changes to %1?</source>
        <translation>Die ungespeicherten Änderungen an %1 verwerfen?</translation>
    </message>
    <message>
        <source>The design was not saved: %1.</source>
        <translation>Der Entwurf wurde nicht gespeichert: %1.</translation>
    </message>
</context>
<context>
    <name>dishwright::DishSketch</name>
    <message>
        <source>the dish drawn to scale with its focus</source>
        <translation>der Spiegel maßstäblich gezeichnet, mit seinem Brennpunkt</translation>
    </message>
    <message>
        <source>focus, %1 %2 from the vertex</source>
        <translation>Brennpunkt, %1 %2 vom Scheitel</translation>
    </message>
    <message>
        <source>depth %1 %2</source>
        <translation>Tiefe %1 %2</translation>
    </message>
    <message>
        <source>vertex of the larger dish</source>
        <translation>Scheitel des größeren Spiegels</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>aim %1 from the near rim</source>
        <translation>Zielpunkt %1 vom nahen Rand</translation>
    </message>
</context>
<context>
    <name>dishwright::EfficiencyPlot</name>
    <message>
        <source>plot of the spillover, illumination and aperture efficiencies against f/D</source>
        <translation>Diagramm des Spillover-, Ausleuchtungs- und Flächenwirkungsgrads über f/D</translation>
    </message>
    <message>
        <source>f/D of the dish</source>
        <translation>f/D des Spiegels</translation>
    </message>
    <message>
        <source>efficiency</source>
        <translation>Wirkungsgrad</translation>
    </message>
    <message>
        <source>spillover</source>
        <translation>Spillover</translation>
    </message>
    <message>
        <source>illumination</source>
        <translation>Ausleuchtung</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Choose a feed to see how well it lights dishes of every f/D.</source>
        <translation>Wählen Sie einen Erreger, um zu sehen, wie gut er Spiegel jedes f/D ausleuchtet.</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>bestes %1</translation>
    </message>
    <message>
        <source>dish %1</source>
        <translation>Spiegel %1</translation>
    </message>
</context>
<context>
    <name>dishwright::FeedWindow</name>
    <message>
        <source>Choose the feed and type its figures, then the dish&apos;s f/D; its diameter and frequency give the gain.</source>
        <translation>Wählen Sie den Erreger und geben Sie seine Werte ein, dann das f/D des Spiegels; Durchmesser und Frequenz ergeben den Gewinn.</translation>
    </message>
    <message>
        <source>Feed and efficiency</source>
        <translation>Erreger und Wirkungsgrad</translation>
    </message>
    <message>
        <source>cos^N pattern</source>
        <translation>cos^N-Diagramm</translation>
    </message>
    <message>
        <source>-10 dB beamwidth</source>
        <translation>-10-dB-Breite</translation>
    </message>
    <message>
        <source>Open can (TE11)</source>
        <translation>Offene Dose (TE11)</translation>
    </message>
    <message>
        <source>Pattern from a file</source>
        <translation>Diagramm aus einer Datei</translation>
    </message>
    <message>
        <source>feed model</source>
        <translation>Erregermodell</translation>
    </message>
    <message>
        <source>Feed &amp;model:</source>
        <translation>Erreger&amp;modell:</translation>
    </message>
    <message>
        <source>warnings about this feed</source>
        <translation>Warnungen zu diesem Erreger</translation>
    </message>
    <message>
        <source>how the feed&apos;s figures were read</source>
        <translation>wie die Werte des Erregers gelesen wurden</translation>
    </message>
    <message>
        <source>Common feeds and the f/D each &amp;suits:</source>
        <translation>Übliche Erreger und das jeweils p&amp;assende f/D:</translation>
    </message>
    <message>
        <source>cos exponent N</source>
        <translation>cos-Exponent N</translation>
    </message>
    <message>
        <source>the feed&apos;s power falls as cos^N of the angle off its axis</source>
        <translation>die Leistung des Erregers fällt mit cos^N des Winkels zu seiner Achse</translation>
    </message>
    <message>
        <source>&amp;N, power of cos:</source>
        <translation>&amp;N, Potenz des cos:</translation>
    </message>
    <message>
        <source>degrees, the full angle between the points 10 dB down</source>
        <translation>Grad, der volle Winkel zwischen den Punkten 10 dB unter dem Maximum</translation>
    </message>
    <message>
        <source>-10 dB &amp;beamwidth, degrees:</source>
        <translation>-10-dB-&amp;Breite, Grad:</translation>
    </message>
    <message>
        <source>can inside diameter</source>
        <translation>Innendurchmesser der Dose</translation>
    </message>
    <message>
        <source>across the open end, inside, in the unit chosen beside it; the can works at the dish&apos;s frequency below</source>
        <translation>quer über das offene Ende, innen, in der daneben gewählten Einheit; die Dose arbeitet auf der Frequenz des Spiegels unten</translation>
    </message>
    <message>
        <source>can diameter unit</source>
        <translation>Einheit des Dosendurchmessers</translation>
    </message>
    <message>
        <source>Can &amp;inside diameter:</source>
        <translation>&amp;Innendurchmesser der Dose:</translation>
    </message>
    <message>
        <source>Can m&amp;odel:</source>
        <translation>D&amp;osenmodell:</translation>
    </message>
    <message>
        <source>Open &amp;pattern...</source>
        <translation>Dia&amp;gramm öffnen...</translation>
    </message>
    <message>
        <source>reads a text file of lines &quot;angle E H&quot;: degrees off the axis from 0, E- and H-plane levels in dB</source>
        <translation>liest eine Textdatei mit Zeilen &quot;Winkel E H&quot;: Grad zur Achse ab 0, Pegel der E- und H-Ebene in dB</translation>
    </message>
    <message>
        <source>no file read yet</source>
        <translation>noch keine Datei gelesen</translation>
    </message>
    <message>
        <source>Listed pattern:</source>
        <translation>Gelesenes Diagramm:</translation>
    </message>
    <message>
        <source>f/D</source>
        <translation>f/D</translation>
    </message>
    <message>
        <source>focal length over diameter of the dish</source>
        <translation>Brennweite durch Durchmesser des Spiegels</translation>
    </message>
    <message>
        <source>&amp;f/D of the dish:</source>
        <translation>&amp;f/D des Spiegels:</translation>
    </message>
    <message>
        <source>dish diameter</source>
        <translation>Spiegeldurchmesser</translation>
    </message>
    <message>
        <source>in feet or metres, as chosen beside it</source>
        <translation>in Fuß oder Metern, wie daneben gewählt</translation>
    </message>
    <message>
        <source>Dish &amp;diameter:</source>
        <translation>Spiegel&amp;durchmesser:</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Fre&amp;quency, MHz:</source>
        <translation>Fre&amp;quenz, MHz:</translation>
    </message>
    <message>
        <source>blockage diameter</source>
        <translation>Durchmesser der Abschattung</translation>
    </message>
    <message>
        <source>the width of the feed or its housing in front of the dish; inches for a dish in feet, mm for one in metres; blank for none</source>
        <translation>die Breite des Erregers oder seines Gehäuses vor dem Spiegel; Zoll bei einem Spiegel in Fuß, mm bei einem in Metern; leer für keine</translation>
    </message>
    <message>
        <source>B&amp;lockage diameter:</source>
        <translation>Durchmesser der Ab&amp;schattung:</translation>
    </message>
    <message>
        <source>RMS surface error</source>
        <translation>RMS-Oberflächenfehler</translation>
    </message>
    <message>
        <source>inches for a dish in feet, mm for one in metres; blank for a perfect surface</source>
        <translation>Zoll bei einem Spiegel in Fuß, mm bei einem in Metern; leer für eine perfekte Oberfläche</translation>
    </message>
    <message>
        <source>RMS surface &amp;error:</source>
        <translation>RMS-Oberflächenf&amp;ehler:</translation>
    </message>
    <message>
        <source>Dish: %1</source>
        <translation>Spiegel: %1</translation>
    </message>
    <message>
        <source>Rim angle</source>
        <translation>Randwinkel</translation>
    </message>
    <message>
        <source>half the angle the dish fills, seen from the feed</source>
        <translation>der halbe Winkel, den der Spiegel vom Erreger aus gesehen füllt</translation>
    </message>
    <message>
        <source>Equivalent cos n</source>
        <translation>Entsprechendes cos n</translation>
    </message>
    <message>
        <source>the cos^n feed of this beamwidth</source>
        <translation>der cos^n-Erreger dieser Breite</translation>
    </message>
    <message>
        <source>Edge taper</source>
        <translation>Randabsenkung</translation>
    </message>
    <message>
        <source>the rim against the centre, path included; aim for -10 to -12 dB</source>
        <translation>der Rand gegenüber der Mitte, Weg eingerechnet; anzustreben sind -10 bis -12 dB</translation>
    </message>
    <message>
        <source>Spillover efficiency</source>
        <translation>Spillover-Wirkungsgrad</translation>
    </message>
    <message>
        <source>the share of the feed&apos;s power the dish catches</source>
        <translation>der Anteil der Erregerleistung, den der Spiegel auffängt</translation>
    </message>
    <message>
        <source>Illumination efficiency</source>
        <translation>Ausleuchtungswirkungsgrad</translation>
    </message>
    <message>
        <source>how evenly the dish is lit</source>
        <translation>wie gleichmäßig der Spiegel ausgeleuchtet ist</translation>
    </message>
    <message>
        <source>Aperture efficiency</source>
        <translation>Flächenwirkungsgrad</translation>
    </message>
    <message>
        <source>Best f/D</source>
        <translation>Bestes f/D</translation>
    </message>
    <message>
        <source>the dish this feed lights best</source>
        <translation>der Spiegel, den dieser Erreger am besten ausleuchtet</translation>
    </message>
    <message>
        <source>Best aperture efficiency</source>
        <translation>Bester Flächenwirkungsgrad</translation>
    </message>
    <message>
        <source>the aperture efficiency on that dish</source>
        <translation>der Flächenwirkungsgrad auf diesem Spiegel</translation>
    </message>
    <message>
        <source>Phase centre</source>
        <translation>Phasenzentrum</translation>
    </message>
    <message>
        <source>where the feed&apos;s waves seem to come from</source>
        <translation>wo die Wellen des Erregers herzukommen scheinen</translation>
    </message>
    <message>
        <source>Phase efficiency</source>
        <translation>Phasenwirkungsgrad</translation>
    </message>
    <message>
        <source>what the feed&apos;s phase leaves, its phase centre at the focus</source>
        <translation>was die Phase des Erregers übrig lässt, sein Phasenzentrum im Brennpunkt</translation>
    </message>
    <message>
        <source>Blockage efficiency</source>
        <translation>Abschattungswirkungsgrad</translation>
    </message>
    <message>
        <source>Surface efficiency</source>
        <translation>Oberflächenwirkungsgrad</translation>
    </message>
    <message>
        <source>what the surface error leaves (Ruze)</source>
        <translation>was der Oberflächenfehler übrig lässt (Ruze)</translation>
    </message>
    <message>
        <source>Total efficiency</source>
        <translation>Gesamtwirkungsgrad</translation>
    </message>
    <message>
        <source>Gain with this feed</source>
        <translation>Gewinn mit diesem Erreger</translation>
    </message>
    <message>
        <source>worked out here from the total efficiency</source>
        <translation>hier aus dem Gesamtwirkungsgrad berechnet</translation>
    </message>
    <message>
        <source>Rule-of-thumb gain</source>
        <translation>Gewinn nach Faustregel</translation>
    </message>
    <message>
        <source>the calculation screen&apos;s, which takes about 55 % efficiency</source>
        <translation>der des Rechenbildschirms, der etwa 55 % Wirkungsgrad annimmt</translation>
    </message>
    <message>
        <source>Open a feed pattern</source>
        <translation>Erregerdiagramm öffnen</translation>
    </message>
    <message>
        <source>Pattern lists (*.txt *.csv *.dat *.tsv);;All files (*)</source>
        <translation>Diagrammlisten (*.txt *.csv *.dat *.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1, 0 to %2 degrees</source>
        <translation>%1, 0 bis %2 Grad</translation>
    </message>
    <message>
        <source>%1 not read</source>
        <translation>%1 nicht gelesen</translation>
    </message>
    <message>
        <source>%1; the figures are still those of %2</source>
        <translation>%1; die Werte sind noch die von %2</translation>
    </message>
    <message>
        <source>wavelengths</source>
        <translation>Wellenlängen</translation>
    </message>
    <message>
        <source>%1 or below</source>
        <translation>%1 oder darunter</translation>
    </message>
    <message>
        <source>%1 or above</source>
        <translation>%1 oder darüber</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Hinweis: %1.</translation>
    </message>
    <message>
        <source>Warning: %1.</source>
        <translation>Warnung: %1.</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>dBi</source>
        <translation>dBi</translation>
    </message>
    <message>
        <source> dBi</source>
        <translation> dBi</translation>
    </message>
    <message>
        <source>Loss bud&amp;get:</source>
        <translation>Ver&amp;lustbilanz:</translation>
    </message>
    <message>
        <source>Near rim level</source>
        <translation>Pegel am nahen Rand</translation>
    </message>
    <message>
        <source>the rim nearer the feed against the feed&apos;s axis, path included</source>
        <translation>der dem Erreger nähere Rand gegenüber der Erregerachse, Weg eingerechnet</translation>
    </message>
    <message>
        <source>Far rim level</source>
        <translation>Pegel am fernen Rand</translation>
    </message>
    <message>
        <source>the far rim against the feed&apos;s axis: weaker, its path is longer</source>
        <translation>der ferne Rand gegenüber der Erregerachse: schwächer, sein Weg ist länger</translation>
    </message>
    <message>
        <source>Cross-polar efficiency</source>
        <translation>Kreuzpolarisations-Wirkungsgrad</translation>
    </message>
    <message>
        <source>the share of the power caught that stays in the feed&apos;s polarisation</source>
        <translation>der Anteil der aufgefangenen Leistung, der in der Polarisation des Erregers bleibt</translation>
    </message>
    <message>
        <source>spillover times illumination times cross-polar</source>
        <translation>Spillover mal Ausleuchtung mal Kreuzpolarisation</translation>
    </message>
    <message>
        <source>Best aim</source>
        <translation>Beste Ausrichtung</translation>
    </message>
    <message>
        <source>degrees toward the far rim from the aim point</source>
        <translation>Grad vom Zielpunkt zum fernen Rand hin</translation>
    </message>
    <message>
        <source>what the shadows of the feed and its struts leave, weighted by how brightly the feed lights where they fall</source>
        <translation>was die Schatten des Erregers und seiner Streben übrig lassen, gewichtet danach, wie hell der Erreger die Stellen ausleuchtet, auf die sie fallen</translation>
    </message>
    <message>
        <source>every loss of the loss budget multiplied</source>
        <translation>alle Verluste der Verlustbilanz multipliziert</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>dishwright::FileMenu</name>
    <message>
        <source>&amp;Open design...</source>
        <translation>Entwurf ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Recent designs</source>
        <translation>&amp;Zuletzt geöffnete Entwürfe</translation>
    </message>
    <message>
        <source>&amp;Save design</source>
        <translation>Entwurf &amp;speichern</translation>
    </message>
    <message>
        <source>Save design &amp;as...</source>
        <translation>Entwurf speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>dishwright::HelpMenu</name>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;About dishwright</source>
        <translation>Ü&amp;ber dishwright</translation>
    </message>
</context>
<context>
    <name>dishwright::HelpWindow</name>
    <message>
        <source>dishwright manual</source>
        <translation>dishwright-Handbuch</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>the sections of the manual; Enter shows one</source>
        <translation>die Abschnitte des Handbuchs; Enter zeigt einen an</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>dishwright::MeasureWindow</name>
    <message>
        <source>Measure a dish</source>
        <translation>Spiegel vermessen</translation>
    </message>
    <message>
        <source>Uni&amp;t of every size:</source>
        <translation>&amp;Einheit aller Maße:</translation>
    </message>
    <message>
        <source>kind of dish measured</source>
        <translation>Art des vermessenen Spiegels</translation>
    </message>
    <message>
        <source>&amp;Prime focus</source>
        <translation>&amp;Primärfokus</translation>
    </message>
    <message>
        <source>&amp;Offset</source>
        <translation>&amp;Offset</translation>
    </message>
    <message>
        <source>&amp;Surface from points</source>
        <translation>Ober&amp;fläche aus Punkten</translation>
    </message>
    <message>
        <source>&amp;Use this f/D</source>
        <translation>Dieses f/D über&amp;nehmen</translation>
    </message>
    <message>
        <source>puts the f/D shown into the design&apos;s f/D field</source>
        <translation>setzt das angezeigte f/D in das f/D-Feld des Entwurfs</translation>
    </message>
    <message>
        <source>Feed fo&amp;r this f/D...</source>
        <translation>E&amp;rreger für dieses f/D...</translation>
    </message>
    <message>
        <source>opens Feed and efficiency on a dish of the f/D shown, to see how a feed lights it</source>
        <translation>öffnet Erreger und Wirkungsgrad für einen Spiegel mit dem angezeigten f/D, um zu sehen, wie ein Erreger ihn ausleuchtet</translation>
    </message>
    <message>
        <source>Close and discard the 1 measured point?</source>
        <translation>Schließen und den 1 gemessenen Punkt verwerfen?</translation>
    </message>
    <message>
        <source>Close and discard the %1 measured points?</source>
        <translation>Schließen und die %1 gemessenen Punkte verwerfen?</translation>
    </message>
    <message>
        <source>f/D %1 can go into the design.</source>
        <translation>f/D %1 kann in den Entwurf übernommen werden.</translation>
    </message>
    <message>
        <source>Once the sizes make a dish, its f/D can go into the design.</source>
        <translation>Sobald die Maße einen Spiegel ergeben, kann sein f/D in den Entwurf übernommen werden.</translation>
    </message>
</context>
<context>
    <name>dishwright::OffsetPage</name>
    <message>
        <source>Measure the dish face across its short and its long axis (in either order: the larger is taken as the height); lay a straightedge along the long axis and measure the deepest point below it. The near rim is the end of the long axis nearer the feed, usually the edge the feed arm is fixed to.</source>
        <translation>Messen Sie die Spiegelfläche über ihre kurze und ihre lange Achse (in beliebiger Reihenfolge: das größere Maß wird als Höhe genommen); legen Sie ein Lineal entlang der langen Achse an und messen Sie die tiefste Stelle darunter. Der nahe Rand ist das Ende der langen Achse näher am Erreger, meist die Kante, an der der Erregerarm befestigt ist.</translation>
    </message>
    <message>
        <source>&amp;Width (short axis):</source>
        <translation>&amp;Breite (kurze Achse):</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>&amp;Height (long axis):</source>
        <translation>Höhe (l&amp;ange Achse):</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>D&amp;eepest point below a straightedge along the height:</source>
        <translation>&amp;Tiefste Stelle unter einem Lineal entlang der Höhe:</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>of the larger round dish this oval is cut from; its focus is where the feed goes</source>
        <translation>des größeren runden Spiegels, aus dem dieses Oval geschnitten ist; in seinen Brennpunkt kommt der Erreger</translation>
    </message>
    <message>
        <source>Offset angle</source>
        <translation>Offset-Winkel</translation>
    </message>
    <message>
        <source>how far the beam points away from square to the dish face</source>
        <translation>wie weit die Hauptkeule von der Senkrechten zur Spiegelfläche abweicht</translation>
    </message>
    <message>
        <source>Equivalent f/D (for choosing the feed)</source>
        <translation>Entsprechendes f/D (für die Wahl des Erregers)</translation>
    </message>
    <message>
        <source>what a feed for a round dish needs to light this one</source>
        <translation>was ein Erreger für einen runden Spiegel braucht, um diesen auszuleuchten</translation>
    </message>
    <message>
        <source>Focus to near rim</source>
        <translation>Brennpunkt bis naher Rand</translation>
    </message>
    <message>
        <source>a tape from the end of the long axis nearer the feed (usually the edge the feed arm is fixed to) to the feed&apos;s phase centre</source>
        <translation>ein Maßband vom Ende der langen Achse näher am Erreger (meist die Kante, an der der Erregerarm befestigt ist) bis zum Phasenzentrum des Erregers</translation>
    </message>
    <message>
        <source>Focus to far rim</source>
        <translation>Brennpunkt bis ferner Rand</translation>
    </message>
    <message>
        <source>a second tape from the other end; the feed goes where both meet</source>
        <translation>ein zweites Maßband vom anderen Ende; der Erreger kommt dorthin, wo sich beide treffen</translation>
    </message>
    <message>
        <source>Feed half-angle</source>
        <translation>Halber Erregerwinkel</translation>
    </message>
    <message>
        <source>half the angle the feed must light, seen from the focus</source>
        <translation>der halbe Winkel, den der Erreger vom Brennpunkt aus gesehen ausleuchten muss</translation>
    </message>
    <message>
        <source>Aim point from near rim</source>
        <translation>Zielpunkt vom nahen Rand</translation>
    </message>
    <message>
        <source>along a straightedge on the long axis: point the feed&apos;s axis here</source>
        <translation>entlang eines Lineals auf der langen Achse: die Achse des Erregers hierhin richten</translation>
    </message>
    <message>
        <source>Note on the sizes</source>
        <translation>Hinweis zu den Maßen</translation>
    </message>
    <message>
        <source>measured offset dish, %1 x %2 %3 (width as diameter)</source>
        <translation>vermessener Offset-Spiegel, %1 x %2 %3 (Breite als Durchmesser)</translation>
    </message>
    <message>
        <source>Taken the other way round: the larger size, %1 %3, as the height (long axis), %2 %3 as the width.</source>
        <translation>Andersherum genommen: das größere Maß, %1 %3, als Höhe (lange Achse), %2 %3 als Breite.</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
</context>
<context>
    <name>dishwright::PagePreview</name>
    <message>
        <source>Page preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>dishwright::PatternFileLoader</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>reading the pattern file</source>
        <translation>die Diagrammdatei wird gelesen</translation>
    </message>
</context>
<context>
    <name>dishwright::PatternPlot</name>
    <message>
        <source>plot of the feed&apos;s pattern, E and H plane, dB against angle</source>
        <translation>Diagramm des Erregers, E- und H-Ebene, dB über dem Winkel</translation>
    </message>
    <message>
        <source>angle off the feed&apos;s axis, degrees</source>
        <translation>Winkel zur Achse des Erregers, Grad</translation>
    </message>
    <message>
        <source>level, dB</source>
        <translation>Pegel, dB</translation>
    </message>
    <message>
        <source>E plane</source>
        <translation>E-Ebene</translation>
    </message>
    <message>
        <source>H plane</source>
        <translation>H-Ebene</translation>
    </message>
    <message>
        <source>Choose a feed to see its pattern here.</source>
        <translation>Wählen Sie einen Erreger, um hier sein Diagramm zu sehen.</translation>
    </message>
    <message>
        <source>rim %1°</source>
        <translation>Rand %1°</translation>
    </message>
</context>
<context>
    <name>dishwright::PointTableModel</name>
    <message>
        <source>Radius r</source>
        <translation>Radius r</translation>
    </message>
    <message>
        <source>Depth z</source>
        <translation>Tiefe z</translation>
    </message>
</context>
<context>
    <name>dishwright::PrimeFocusPage</name>
    <message>
        <source>Lay a straightedge across the rim; type the diameter and the depth from the straightedge down to the centre of the dish.</source>
        <translation>Legen Sie ein Lineal über den Rand; geben Sie den Durchmesser ein und die Tiefe vom Lineal bis zur Mitte des Spiegels.</translation>
    </message>
    <message>
        <source>&amp;Diameter across the rim:</source>
        <translation>Durch&amp;messer über den Rand:</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>D&amp;epth at the centre:</source>
        <translation>&amp;Tiefe in der Mitte:</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>from the centre of the dish to where the feed goes</source>
        <translation>von der Mitte des Spiegels bis dorthin, wo der Erreger hinkommt</translation>
    </message>
    <message>
        <source>f/D</source>
        <translation>f/D</translation>
    </message>
    <message>
        <source>deep dishes are below 0.35, flat ones above 0.5</source>
        <translation>tiefe Spiegel liegen unter 0.35, flache über 0.5</translation>
    </message>
    <message>
        <source>Rim angle</source>
        <translation>Randwinkel</translation>
    </message>
    <message>
        <source>half the angle the feed must light, seen from the focus</source>
        <translation>der halbe Winkel, den der Erreger vom Brennpunkt aus gesehen ausleuchten muss</translation>
    </message>
    <message>
        <source>Rim illumination loss</source>
        <translation>Randabfall durch Entfernung</translation>
    </message>
    <message>
        <source>how much weaker the rim is lit than the centre, from distance alone</source>
        <translation>wie viel schwächer der Rand als die Mitte ausgeleuchtet wird, allein durch die Entfernung</translation>
    </message>
    <message>
        <source>measured prime-focus dish, %1 %3 across, %2 %3 deep</source>
        <translation>vermessener Primärfokus-Spiegel, %1 %3 Durchmesser, %2 %3 tief</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
</context>
<context>
    <name>dishwright::StepButton</name>
    <message>
        <source>Un&amp;do</source>
        <translation>Rück&amp;gängig</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>dishwright::SunFluxPage</name>
    <message>
        <source>The observatories report the day&apos;s flux at a few frequencies: the two either side of yours are chosen as you type it. Type their figures, or pick others.</source>
        <translation>Die Observatorien melden den Fluss des Tages auf einigen Frequenzen: die beiden zu beiden Seiten Ihrer Frequenz werden gewählt, während Sie sie eingeben. Geben Sie ihre Werte ein oder wählen Sie andere.</translation>
    </message>
    <message>
        <source>F&amp;requency, MHz:</source>
        <translation>F&amp;requenz, MHz:</translation>
    </message>
    <message>
        <source>frequency wanted</source>
        <translation>gewünschte Frequenz</translation>
    </message>
    <message>
        <source>megahertz: the flux is wanted here</source>
        <translation>Megahertz: hier wird der Fluss gebraucht</translation>
    </message>
    <message>
        <source>first observatory frequency</source>
        <translation>Frequenz des ersten Observatoriums</translation>
    </message>
    <message>
        <source>Observatory &amp;1, MHz:</source>
        <translation>Observatorium &amp;1, MHz:</translation>
    </message>
    <message>
        <source>Flux at &amp;observatory 1, SFU:</source>
        <translation>Fluss bei Obs&amp;ervatorium 1, SFU:</translation>
    </message>
    <message>
        <source>first observatory flux</source>
        <translation>Fluss des ersten Observatoriums</translation>
    </message>
    <message>
        <source>solar flux units</source>
        <translation>solare Flusseinheiten</translation>
    </message>
    <message>
        <source>second observatory frequency</source>
        <translation>Frequenz des zweiten Observatoriums</translation>
    </message>
    <message>
        <source>Observatory &amp;2, MHz:</source>
        <translation>Observatorium &amp;2, MHz:</translation>
    </message>
    <message>
        <source>Flux at obser&amp;vatory 2, SFU:</source>
        <translation>Fluss bei Observ&amp;atorium 2, SFU:</translation>
    </message>
    <message>
        <source>second observatory flux</source>
        <translation>Fluss des zweiten Observatoriums</translation>
    </message>
    <message>
        <source>Flux</source>
        <translation>Fluss</translation>
    </message>
    <message>
        <source>on a power law through the two reports</source>
        <translation>nach einem Potenzgesetz durch die beiden Meldungen</translation>
    </message>
    <message>
        <source>about the reports</source>
        <translation>zu den Meldungen</translation>
    </message>
    <message>
        <source>&amp;Use this flux</source>
        <translation>Diesen Fluss über&amp;nehmen</translation>
    </message>
    <message>
        <source>puts the flux shown and its frequency into the Predict and Measured pages</source>
        <translation>setzt den angezeigten Fluss und seine Frequenz in die Seiten Vorhersage und Gemessen</translation>
    </message>
    <message>
        <source>SFU</source>
        <translation>SFU</translation>
    </message>
</context>
<context>
    <name>dishwright::SunMeasurePage</name>
    <message>
        <source>Point the dish at cold sky, then at the sun, and type how many dB the noise rose; the flux is the day&apos;s figure at your frequency.</source>
        <translation>Richten Sie den Spiegel auf kalten Himmel, dann auf die Sonne, und geben Sie ein, um wie viele dB das Rauschen stieg; der Fluss ist der Wert des Tages auf Ihrer Frequenz.</translation>
    </message>
    <message>
        <source>Sun &amp;noise (Y-factor), dB:</source>
        <translation>Sonnenrauschen (&amp;Y-Faktor), dB:</translation>
    </message>
    <message>
        <source>sun noise</source>
        <translation>Sonnenrauschen</translation>
    </message>
    <message>
        <source>rise of the noise from cold sky to the sun, decibels</source>
        <translation>Anstieg des Rauschens vom kalten Himmel zur Sonne, Dezibel</translation>
    </message>
    <message>
        <source>Fre&amp;quency, MHz:</source>
        <translation>Fre&amp;quenz, MHz:</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>megahertz</source>
        <translation>Megahertz</translation>
    </message>
    <message>
        <source>Flu&amp;x, SFU:</source>
        <translation>Flu&amp;ss, SFU:</translation>
    </message>
    <message>
        <source>solar flux</source>
        <translation>solarer Fluss</translation>
    </message>
    <message>
        <source>the sun&apos;s flux at the frequency, solar flux units</source>
        <translation>der Fluss der Sonne auf der Frequenz, solare Flusseinheiten</translation>
    </message>
    <message>
        <source>Beam&amp;width, degrees (optional):</source>
        <translation>Halbwerts&amp;breite, Grad (optional):</translation>
    </message>
    <message>
        <source>beamwidth</source>
        <translation>Halbwertsbreite</translation>
    </message>
    <message>
        <source>half-power beamwidth in degrees; it sets the beam correction before the dish does</source>
        <translation>Halbwertsbreite in Grad; sie bestimmt die Keulenkorrektur vor dem Spiegel</translation>
    </message>
    <message>
        <source>dish diameter</source>
        <translation>Spiegeldurchmesser</translation>
    </message>
    <message>
        <source>in the unit chosen beside it; for the efficiency</source>
        <translation>in der daneben gewählten Einheit; für den Wirkungsgrad</translation>
    </message>
    <message>
        <source>&amp;Dish diameter (optional):</source>
        <translation>Spiegel&amp;durchmesser (optional):</translation>
    </message>
    <message>
        <source>Sys&amp;tem temperature on cold sky, K (optional):</source>
        <translation>Sys&amp;temtemperatur bei kaltem Himmel, K (optional):</translation>
    </message>
    <message>
        <source>system temperature</source>
        <translation>Systemtemperatur</translation>
    </message>
    <message>
        <source>; for the gain</source>
        <translation>; für den Gewinn</translation>
    </message>
    <message>
        <source>Beamwidth</source>
        <translation>Halbwertsbreite</translation>
    </message>
    <message>
        <source>Beam correction</source>
        <translation>Keulenkorrektur</translation>
    </message>
    <message>
        <source>how much less of the half-degree sun the beam takes in</source>
        <translation>wie viel weniger von der halbgradgroßen Sonne die Keule erfasst</translation>
    </message>
    <message>
        <source>G/T</source>
        <translation>G/T</translation>
    </message>
    <message>
        <source>gain over system temperature: what the sun noise measures</source>
        <translation>Gewinn durch Systemtemperatur: was das Sonnenrauschen misst</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>G/T times the system temperature, when that is typed</source>
        <translation>G/T mal Systemtemperatur, wenn diese eingegeben ist</translation>
    </message>
    <message>
        <source>Aperture efficiency</source>
        <translation>Flächenwirkungsgrad</translation>
    </message>
    <message>
        <source>the gain against a perfect dish of the diameter typed</source>
        <translation>der Gewinn gegenüber einem perfekten Spiegel des eingegebenen Durchmessers</translation>
    </message>
    <message>
        <source>verdict on the dish</source>
        <translation>Urteil über den Spiegel</translation>
    </message>
    <message>
        <source>With the system temperature and the dish&apos;s diameter, the efficiency the measurement implies is judged here.</source>
        <translation>Mit der Systemtemperatur und dem Durchmesser des Spiegels wird hier der Wirkungsgrad beurteilt, den die Messung ergibt.</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>dB/K</source>
        <translation>dB/K</translation>
    </message>
    <message>
        <source>dBi</source>
        <translation>dBi</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>dishwright::SunPredictPage</name>
    <message>
        <source>What the sun should show: type the dish&apos;s gain, the noise temperature of the receiving system, the frequency and the day&apos;s solar flux there.</source>
        <translation>Was die Sonne zeigen sollte: geben Sie den Gewinn des Spiegels ein, die Rauschtemperatur des Empfangssystems, die Frequenz und den solaren Fluss des Tages dort.</translation>
    </message>
    <message>
        <source>&amp;Gain, dBi:</source>
        <translation>&amp;Gewinn, dBi:</translation>
    </message>
    <message>
        <source>gain</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>the dish&apos;s gain in dBi</source>
        <translation>der Gewinn des Spiegels in dBi</translation>
    </message>
    <message>
        <source>where the gain came from</source>
        <translation>woher der Gewinn stammt</translation>
    </message>
    <message>
        <source>Type the gain the dish should have.</source>
        <translation>Geben Sie den Gewinn ein, den der Spiegel haben sollte.</translation>
    </message>
    <message>
        <source>S&amp;ystem temperature on cold sky, K:</source>
        <translation>S&amp;ystemtemperatur bei kaltem Himmel, K:</translation>
    </message>
    <message>
        <source>system temperature</source>
        <translation>Systemtemperatur</translation>
    </message>
    <message>
        <source>&amp;Frequency, MHz:</source>
        <translation>&amp;Frequenz, MHz:</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>megahertz</source>
        <translation>Megahertz</translation>
    </message>
    <message>
        <source>F&amp;lux, SFU:</source>
        <translation>F&amp;luss, SFU:</translation>
    </message>
    <message>
        <source>solar flux</source>
        <translation>solarer Fluss</translation>
    </message>
    <message>
        <source>the sun&apos;s flux at the frequency, solar flux units</source>
        <translation>der Fluss der Sonne auf der Frequenz, solare Flusseinheiten</translation>
    </message>
    <message>
        <source>&amp;Beamwidth, degrees (optional):</source>
        <translation>&amp;Halbwertsbreite, Grad (optional):</translation>
    </message>
    <message>
        <source>beamwidth</source>
        <translation>Halbwertsbreite</translation>
    </message>
    <message>
        <source>half-power beamwidth in degrees; blank: worked out from the gain</source>
        <translation>Halbwertsbreite in Grad; leer: aus dem Gewinn berechnet</translation>
    </message>
    <message>
        <source>Beamwidth</source>
        <translation>Halbwertsbreite</translation>
    </message>
    <message>
        <source>Beam correction</source>
        <translation>Keulenkorrektur</translation>
    </message>
    <message>
        <source>how much less of the half-degree sun a narrow beam takes in</source>
        <translation>wie viel weniger von der halbgradgroßen Sonne eine schmale Keule erfasst</translation>
    </message>
    <message>
        <source>Sun temperature</source>
        <translation>Sonnentemperatur</translation>
    </message>
    <message>
        <source>how much the antenna&apos;s noise temperature rises on the sun</source>
        <translation>Anstieg der Rauschtemperatur der Antenne auf der Sonne</translation>
    </message>
    <message>
        <source>Sun noise</source>
        <translation>Sonnenrauschen</translation>
    </message>
    <message>
        <source>the rise to expect from cold sky to the sun, the Y-factor</source>
        <translation>der zu erwartende Anstieg vom kalten Himmel zur Sonne, der Y-Faktor</translation>
    </message>
    <message>
        <source>Typed in.</source>
        <translation>Eingegeben.</translation>
    </message>
    <message>
        <source>From %1.</source>
        <translation>Aus %1.</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
</context>
<context>
    <name>dishwright::SunWindow</name>
    <message>
        <source>Check with the sun</source>
        <translation>Mit der Sonne prüfen</translation>
    </message>
    <message>
        <source>predicted or measured sun noise</source>
        <translation>vorhergesagtes oder gemessenes Sonnenrauschen</translation>
    </message>
    <message>
        <source>&amp;Predict</source>
        <translation>&amp;Vorhersage</translation>
    </message>
    <message>
        <source>&amp;Measured</source>
        <translation>Ge&amp;messen</translation>
    </message>
    <message>
        <source>the design&apos;s rule of thumb, as the calculation screen shows it for %1 %2 at %3 MHz</source>
        <translation>der Faustregel des Entwurfs, wie der Rechenbildschirm sie für %1 %2 bei %3 MHz zeigt</translation>
    </message>
    <message>
        <source>The sun&apos;s flux at your frequency</source>
        <translation>Der Fluss der Sonne auf Ihrer Frequenz</translation>
    </message>
</context>
<context>
    <name>dishwright::SurfacePage</name>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>Measure the depth of the surface at several radii across the dish (from one straightedge); type them or paste two columns.</source>
        <translation>Messen Sie die Tiefe der Oberfläche bei mehreren Radien über den Spiegel (von einem Lineal aus); geben Sie sie ein oder fügen Sie zwei Spalten ein.</translation>
    </message>
    <message>
        <source>measured points, radius and depth</source>
        <translation>gemessene Punkte, Radius und Tiefe</translation>
    </message>
    <message>
        <source>Poi&amp;nts (radius, depth), typed or pasted:</source>
        <translation>Punk&amp;te (Radius, Tiefe), eingegeben oder eingefügt:</translation>
    </message>
    <message>
        <source>P&amp;aste points</source>
        <translation>Punkte e&amp;infügen</translation>
    </message>
    <message>
        <source>C&amp;lear points</source>
        <translation>Punkte &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Frequency, MHz (for the gain loss):</source>
        <translation>Fre&amp;quenz, MHz (für den Gewinnverlust):</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>how many points the fit used</source>
        <translation>wie viele Punkte die Anpassung verwendet hat</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>of the parabola that best fits the points</source>
        <translation>der Parabel, die am besten zu den Punkten passt</translation>
    </message>
    <message>
        <source>f/D</source>
        <translation>f/D</translation>
    </message>
    <message>
        <source>taking the diameter as twice the farthest radius measured</source>
        <translation>mit dem doppelten größten gemessenen Radius als Durchmesser</translation>
    </message>
    <message>
        <source>Surface error</source>
        <translation>Oberflächenfehler</translation>
    </message>
    <message>
        <source>RMS of how far the surface delays the wave against the parabola</source>
        <translation>RMS dessen, wie weit die Oberfläche die Welle gegenüber der Parabel verzögert</translation>
    </message>
    <message>
        <source>1 dB loss at</source>
        <translation>1 dB Verlust ab</translation>
    </message>
    <message>
        <source>above this frequency the surface costs over 1 dB</source>
        <translation>oberhalb dieser Frequenz kostet die Oberfläche mehr als 1 dB</translation>
    </message>
    <message>
        <source>Gain loss</source>
        <translation>Gewinnverlust</translation>
    </message>
    <message>
        <source>what the surface error costs at the frequency typed</source>
        <translation>was der Oberflächenfehler auf der eingegebenen Frequenz kostet</translation>
    </message>
    <message>
        <source>The pasted text, %1</source>
        <translation>Der eingefügte Text, %1</translation>
    </message>
    <message>
        <source>The pasted text holds no &quot;r z&quot; lines</source>
        <translation>Der eingefügte Text enthält keine Zeilen &quot;r z&quot;</translation>
    </message>
    <message>
        <source>paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>typing in row %1</source>
        <translation>Eingabe in Zeile %1</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>clear %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>measured surface, %1 %2 across (twice the farthest radius measured)</source>
        <translation>vermessene Oberfläche, %1 %2 Durchmesser (doppelter größter gemessener Radius)</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>never: no loss at any frequency</source>
        <translation>nie: bei keiner Frequenz ein Verlust</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
</context>
<context>
    <name>dishwright::SurfacePlot</name>
    <message>
        <source>plot of the points, the fitted parabola and the surface errors</source>
        <translation>Diagramm der Punkte, der angepassten Parabel und der Oberflächenfehler</translation>
    </message>
    <message>
        <source>Type or paste points (radius, depth) to see them here.</source>
        <translation>Geben Sie Punkte ein oder fügen Sie sie ein (Radius, Tiefe), um sie hier zu sehen.</translation>
    </message>
    <message>
        <source>depth z against radius r, %1</source>
        <translation>Tiefe z über Radius r, %1</translation>
    </message>
    <message>
        <source>surface error, magnified: largest %1 %2</source>
        <translation>Oberflächenfehler, vergrößert: größter %1 %2</translation>
    </message>
</context>
<context>
    <name>dishwright::TemplateWindow</name>
    <message>
        <source>Templates</source>
        <translation>Schablonen</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Schablone</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Save &amp;PDF...</source>
        <translation>&amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Save S&amp;VG...</source>
        <translation>S&amp;VG speichern...</translation>
    </message>
    <message>
        <source>Sav&amp;e DXF...</source>
        <translation>D&amp;XF speichern...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Every page as a vector PDF at full size (Ctrl+S)</source>
        <translation>Jede Seite als Vektor-PDF in voller Größe (Strg+S)</translation>
    </message>
    <message>
        <source>One sheet in millimetres, for cutters and CNC (Ctrl+Shift+S)</source>
        <translation>Ein Blatt in Millimetern, für Schneideplotter und CNC (Strg+Umschalt+S)</translation>
    </message>
    <message>
        <source>One sheet in the template&apos;s unit, layers CUT, MARK and TEXT, for CNC software (Ctrl+Shift+D)</source>
        <translation>Ein Blatt in der Einheit der Schablone, Ebenen CUT, MARK und TEXT, für CNC-Software (Strg+Umschalt+D)</translation>
    </message>
    <message>
        <source>Prints at 100 %, never fitted to the page (Ctrl+P)</source>
        <translation>Druckt in 100 %, nie an die Seite angepasst (Strg+P)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Ctrl+Shift+D</source>
        <translation>Ctrl+Shift+D</translation>
    </message>
    <message>
        <source>f/D</source>
        <translation>f/D</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>feet (template in inches)</source>
        <translation>Fuß (Schablone in Zoll)</translation>
    </message>
    <message>
        <source>metres (template in mm)</source>
        <translation>Meter (Schablone in mm)</translation>
    </message>
    <message>
        <source>Diameter unit</source>
        <translation>Einheit des Durchmessers</translation>
    </message>
    <message>
        <source>Frequency, MHz</source>
        <translation>Frequenz, MHz</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>keine Angabe</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>&amp;f/D:</source>
        <translation>&amp;f/D:</translation>
    </message>
    <message>
        <source>&amp;Diameter:</source>
        <translation>&amp;Durchmesser:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>Fre&amp;quency:</source>
        <translation>Fre&amp;quenz:</translation>
    </message>
    <message>
        <source>Rib</source>
        <translation>Rippe</translation>
    </message>
    <message>
        <source>Petals (gores)</source>
        <translation>Segmente (Gores)</translation>
    </message>
    <message>
        <source>Template kind</source>
        <translation>Art der Schablone</translation>
    </message>
    <message>
        <source>Number of ribs or gores</source>
        <translation>Anzahl der Rippen oder Segmente</translation>
    </message>
    <message>
        <source>Ribs: the lines of the hub drilling guide. Petals: the gores.</source>
        <translation>Rippen: die Linien der Bohrschablone für die Nabe. Segmente: die Segmente.</translation>
    </message>
    <message>
        <source>Hub radius</source>
        <translation>Nabenradius</translation>
    </message>
    <message>
        <source>Ribs start at the hub edge; 0 for no hub</source>
        <translation>Rippen beginnen am Rand der Nabe; 0 für keine Nabe</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>US Letter</translation>
    </message>
    <message>
        <source>One sheet, the template&apos;s own size</source>
        <translation>Ein Blatt in der eigenen Größe der Schablone</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Schablone:</translation>
    </message>
    <message>
        <source>&amp;N, ribs or gores:</source>
        <translation>&amp;N, Rippen oder Segmente:</translation>
    </message>
    <message>
        <source>&amp;Hub radius:</source>
        <translation>Na&amp;benradius:</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>P&amp;apier:</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Rib length</source>
        <translation>Rippenlänge</translation>
    </message>
    <message>
        <source>Gore length</source>
        <translation>Segmentlänge</translation>
    </message>
    <message>
        <source>Gore width at rim</source>
        <translation>Segmentbreite am Rand</translation>
    </message>
    <message>
        <source>Flat gore error</source>
        <translation>Fehler flacher Segmente</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Gores for lambda/16</source>
        <translation>Segmente für Lambda/16</translation>
    </message>
    <message>
        <source>The fewest gores whose flat-gore error stays within a sixteenth of the wavelength</source>
        <translation>Die wenigsten Segmente, deren Fehler als flache Segmente innerhalb eines Sechzehntels der Wellenlänge bleibt</translation>
    </message>
    <message>
        <source>Gores for λ/16:</source>
        <translation>Segmente für λ/16:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Previous pa&amp;ge</source>
        <translation>Vorheri&amp;ge Seite</translation>
    </message>
    <message>
        <source>Ne&amp;xt page</source>
        <translation>Nächs&amp;te Seite</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Angezeigte Seite</translation>
    </message>
    <message>
        <source>No template: %1.</source>
        <translation>Keine Schablone: %1.</translation>
    </message>
    <message>
        <source>1 sheet, %1 x %2 mm</source>
        <translation>1 Blatt, %1 x %2 mm</translation>
    </message>
    <message>
        <source>%1 (of a %2 x %3 grid, rows x columns, %4)</source>
        <translation>%1 (eines Rasters von %2 x %3, Zeilen x Spalten, %4)</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Hinweis: %1.</translation>
    </message>
    <message>
        <source>no pages</source>
        <translation>keine Seiten</translation>
    </message>
    <message>
        <source>page %1 of %2: row %3, column %4</source>
        <translation>Seite %1 von %2: Zeile %3, Spalte %4</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>%1 wird geschrieben</translation>
    </message>
    <message>
        <source>Not saved: cancelled; %1 is as it was.</source>
        <translation>Nicht gespeichert: abgebrochen; %1 ist unverändert.</translation>
    </message>
    <message>
        <source>Saved %1 (1 page).</source>
        <translation>%1 gespeichert (1 Seite).</translation>
    </message>
    <message>
        <source>Saved %1 (%2 pages).</source>
        <translation>%1 gespeichert (%2 Seiten).</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>Nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>Saved %1 (one sheet, in mm).</source>
        <translation>%1 gespeichert (ein Blatt, in mm).</translation>
    </message>
    <message>
        <source>Saved %1 (one sheet, in %2).</source>
        <translation>%1 gespeichert (ein Blatt, in %2).</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Printing the pages</source>
        <translation>Die Seiten werden gedruckt</translation>
    </message>
    <message>
        <source>Not printed: cancelled.</source>
        <translation>Nicht gedruckt: abgebrochen.</translation>
    </message>
    <message>
        <source>Not printed: %1.</source>
        <translation>Nicht gedruckt: %1.</translation>
    </message>
    <message>
        <source>petal-template.pdf</source>
        <translation>segment-schablone.pdf</translation>
    </message>
    <message>
        <source>rib-template.pdf</source>
        <translation>rippen-schablone.pdf</translation>
    </message>
    <message>
        <source>Save Template as PDF</source>
        <translation>Schablone als PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>petal-template.svg</source>
        <translation>segment-schablone.svg</translation>
    </message>
    <message>
        <source>rib-template.svg</source>
        <translation>rippen-schablone.svg</translation>
    </message>
    <message>
        <source>Save Template as SVG</source>
        <translation>Schablone als SVG speichern</translation>
    </message>
    <message>
        <source>SVG (*.svg)</source>
        <translation>SVG (*.svg)</translation>
    </message>
    <message>
        <source>petal-template.dxf</source>
        <translation>segment-schablone.dxf</translation>
    </message>
    <message>
        <source>rib-template.dxf</source>
        <translation>rippen-schablone.dxf</translation>
    </message>
    <message>
        <source>Save Template as DXF</source>
        <translation>Schablone als DXF speichern</translation>
    </message>
    <message>
        <source>DXF (*.dxf)</source>
        <translation>DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Print Template at 100 %</source>
        <translation>Schablone in 100 % drucken</translation>
    </message>
</context>
<context>
    <name>dishwright::ToolMenu</name>
    <message>
        <source>Save profile as CSV</source>
        <translation>Profil als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Copy profile</source>
        <translation>Profil kopieren</translation>
    </message>
    <message>
        <source>Save profile as CSV...</source>
        <translation>Profil als CSV speichern...</translation>
    </message>
    <message>
        <source>The profile was not saved: %1.</source>
        <translation>Das Profil wurde nicht gespeichert: %1.</translation>
    </message>
</context>
<context>
    <name>dishwright::ToolPage</name>
    <message>
        <source>What to measure</source>
        <translation>Was zu messen ist</translation>
    </message>
    <message>
        <source>Problem with the inputs</source>
        <translation>Problem mit den Eingaben</translation>
    </message>
</context>
</TS>
