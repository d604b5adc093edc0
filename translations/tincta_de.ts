<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>PaletteImport</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB.</source>
        <translation>Die Datei ist größer als 1 MiB.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The file is not a GIMP palette.</source>
        <translation>Die Datei ist keine GIMP-Palette.</translation>
    </message>
    <message>
        <source>a colour needs three values.</source>
        <translation>eine Farbe braucht drei Werte.</translation>
    </message>
    <message>
        <source>a colour value is not a whole number.</source>
        <translation>ein Farbwert ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>a colour value is outside 0 to 255.</source>
        <translation>ein Farbwert liegt nicht zwischen 0 und 255.</translation>
    </message>
    <message>
        <source>The file is not complete JSON.</source>
        <translation>Die Datei ist kein vollständiges JSON.</translation>
    </message>
    <message>
        <source>The file is not a design tokens file.</source>
        <translation>Die Datei ist keine Design-Token-Datei.</translation>
    </message>
    <message>
        <source>The colour of the token &quot;%1&quot; cannot be read.</source>
        <translation>Die Farbe des Tokens „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file holds no colours.</source>
        <translation>Die Datei enthält keine Farben.</translation>
    </message>
    <message>
        <source>Byte %1: %2</source>
        <translation>Byte %1: %2</translation>
    </message>
    <message>
        <source>The file is not an Adobe Swatch Exchange file.</source>
        <translation>Die Datei ist keine Adobe-Swatch-Exchange-Datei.</translation>
    </message>
    <message>
        <source>The file is not a Photoshop colour file.</source>
        <translation>Die Datei ist keine Photoshop-Farbdatei.</translation>
    </message>
    <message>
        <source>version %1 of the format cannot be read.</source>
        <translation>Version %1 des Formats kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the file ends too early.</source>
        <translation>die Datei endet zu früh.</translation>
    </message>
    <message>
        <source>a length points past the end of the file.</source>
        <translation>eine Länge zeigt über das Ende der Datei hinaus.</translation>
    </message>
    <message>
        <source>a length points past the end of its block.</source>
        <translation>eine Länge zeigt über das Ende ihres Blocks hinaus.</translation>
    </message>
    <message>
        <source>the colour space %1 cannot be read.</source>
        <translation>der Farbraum %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>a colour value is not a number.</source>
        <translation>ein Farbwert ist keine Zahl.</translation>
    </message>
    <message>
        <source>the block ends inside its colour.</source>
        <translation>der Block endet mitten in seiner Farbe.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tincta, the colour manager for web developers, programmers and designers.</source>
        <translation>Tincta, die Farbverwaltung für Webentwickler, Programmierer und Designer.</translation>
    </message>
    <message>
        <source>A palette file to open.</source>
        <translation>Eine Palettendatei, die geöffnet werden soll.</translation>
    </message>
    <message>
        <source>Give one palette file at most.</source>
        <translation>Geben Sie höchstens eine Palettendatei an.</translation>
    </message>
    <message>
        <source>Pick a colour from the screen without opening the main window, print it and put it on the clipboard.</source>
        <translation>Eine Farbe vom Bildschirm aufnehmen, ohne das Hauptfenster zu öffnen, sie ausgeben und in die Zwischenablage legen.</translation>
    </message>
    <message>
        <source>With --pick: the notation to print, as the notation list names it (for example &quot;CSS rgb()&quot;).</source>
        <translation>Mit --pick: die auszugebende Notation, wie die Notationsliste sie nennt (zum Beispiel &quot;CSS rgb()&quot;).</translation>
    </message>
</context>
<context>
    <name>tincta</name>
    <message>
        <source>Custom Format</source>
        <translation>Eigenes Format</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Insert the code for Red in Upper Case Hex</source>
        <translation>Den Code für Rot in Hex mit Großbuchstaben einfügen</translation>
    </message>
    <message>
        <source>Insert the code for Green in Upper Case Hex</source>
        <translation>Den Code für Grün in Hex mit Großbuchstaben einfügen</translation>
    </message>
    <message>
        <source>Insert the code for Blue in Upper Case Hex</source>
        <translation>Den Code für Blau in Hex mit Großbuchstaben einfügen</translation>
    </message>
    <message>
        <source>Insert the code for Red in Lower Case Hex</source>
        <translation>Den Code für Rot in Hex mit Kleinbuchstaben einfügen</translation>
    </message>
    <message>
        <source>Insert the code for Green in Lower Case Hex</source>
        <translation>Den Code für Grün in Hex mit Kleinbuchstaben einfügen</translation>
    </message>
    <message>
        <source>Insert the code for Blue in Lower Case Hex</source>
        <translation>Den Code für Blau in Hex mit Kleinbuchstaben einfügen</translation>
    </message>
    <message>
        <source>Insert the code for Red in Decimal</source>
        <translation>Den Code für Rot als Dezimalzahl einfügen</translation>
    </message>
    <message>
        <source>Insert the code for Green in Decimal</source>
        <translation>Den Code für Grün als Dezimalzahl einfügen</translation>
    </message>
    <message>
        <source>Insert the code for Blue in Decimal</source>
        <translation>Den Code für Blau als Dezimalzahl einfügen</translation>
    </message>
    <message>
        <source>Insert the code for Long Decimal</source>
        <translation>Den Code für die lange Dezimalzahl einfügen</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Upper Case Hex</source>
        <translation>Hex groß</translation>
    </message>
    <message>
        <source>Lower Case Hex</source>
        <translation>Hex klein</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Long Decimal</source>
        <translation>Lange Dezimalzahl</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Standard format:</source>
        <translation>&amp;Standardformat:</translation>
    </message>
    <message>
        <source>What format should Tincta select the next time the program starts?</source>
        <translation>Welches Format soll Tincta beim nächsten Start auswählen?</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Standard folder</source>
        <translation>Standardordner</translation>
    </message>
    <message>
        <source>&amp;Change standard folder...</source>
        <translation>Standardordner &amp;wechseln...</translation>
    </message>
    <message>
        <source>What folder should Tincta select when you open and save files?</source>
        <translation>Welchen Ordner soll Tincta beim Öffnen und Speichern von Dateien auswählen?</translation>
    </message>
    <message>
        <source>Standard sort order in JavaScript Palette</source>
        <translation>Standardsortierung der JavaScript-Palette</translation>
    </message>
    <message>
        <source>Sort &amp;alphabetically</source>
        <translation>&amp;Alphabetisch sortieren</translation>
    </message>
    <message>
        <source>Click here if the JavaScript Palette should be sorted alphabetically</source>
        <translation>Hier klicken, wenn die JavaScript-Palette alphabetisch sortiert werden soll</translation>
    </message>
    <message>
        <source>Sort like &amp;Visual Studio .NET</source>
        <translation>Wie &amp;Visual Studio .NET sortieren</translation>
    </message>
    <message>
        <source>Click here if the JavaScript Palette should be sorted as in Visual Studio .NET</source>
        <translation>Hier klicken, wenn die JavaScript-Palette wie in Visual Studio .NET sortiert werden soll</translation>
    </message>
    <message>
        <source>Prompt to save on exit</source>
        <translation>Beim Beenden ans Speichern erinnern</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Click here if you want Tincta to remind you to save unsaved changes on exit</source>
        <translation>Hier klicken, wenn Tincta Sie beim Beenden an nicht gespeicherte Änderungen erinnern soll</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Click here if you do not want Tincta to remind you to save unsaved changes on exit</source>
        <translation>Hier klicken, wenn Tincta Sie beim Beenden nicht an nicht gespeicherte Änderungen erinnern soll</translation>
    </message>
    <message>
        <source>Select the folder you want to be standard folder</source>
        <translation>Wählen Sie den Ordner, der Standardordner sein soll</translation>
    </message>
    <message>
        <source>Failsafe</source>
        <translation>Failsafe</translation>
    </message>
    <message>
        <source>JavaScript</source>
        <translation>JavaScript</translation>
    </message>
    <message>
        <source>Sort alphabetically</source>
        <translation>Alphabetisch sortieren</translation>
    </message>
    <message>
        <source>Sort like Visual Studio .NET</source>
        <translation>Wie Visual Studio .NET sortieren</translation>
    </message>
    <message>
        <source>Websafe</source>
        <translation>Websafe</translation>
    </message>
    <message>
        <source>About Tincta</source>
        <translation>Über Tincta</translation>
    </message>
    <message>
        <source>The smart and easy colour manager for developers, designers, and other artistic people.</source>
        <translation>Die kluge und einfache Farbverwaltung für Entwickler, Designer und andere kreative Menschen.</translation>
    </message>
    <message>
        <source>Learn more about Tincta on the web:</source>
        <translation>Mehr über Tincta im Web:</translation>
    </message>
    <message>
        <source>Send comments and suggestions to:</source>
        <translation>Anmerkungen und Vorschläge bitte an:</translation>
    </message>
    <message>
        <source>Tincta is free software. It is provided &quot;as is&quot;, without warranties of any kind, express or implied. You use it at your own risk: no responsibility is taken for any consequences of its use.</source>
        <translation>Tincta ist freie Software. Sie wird so, wie sie ist, bereitgestellt, ohne ausdrückliche oder stillschweigende Gewährleistung jeder Art. Sie benutzen sie auf eigene Gefahr: Für Folgen ihrer Benutzung wird keine Verantwortung übernommen.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Problem with HTML Help.</source>
        <translation>Problem mit der HTML-Hilfe.</translation>
    </message>
    <message>
        <source>Problem with browser.</source>
        <translation>Problem mit dem Browser.</translation>
    </message>
    <message>
        <source>Problem with mail client.</source>
        <translation>Problem mit dem E-Mail-Programm.</translation>
    </message>
    <message>
        <source>Tincta Help</source>
        <translation>Tincta-Hilfe</translation>
    </message>
    <message>
        <source>%1 - Tincta Help</source>
        <translation>%1 - Tincta-Hilfe</translation>
    </message>
    <message>
        <source>Websafe colours</source>
        <translation>Websafe-Farben</translation>
    </message>
    <message>
        <source>Failsafe colours</source>
        <translation>Failsafe-Farben</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Zurück (Alt+Links)</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Vorwärts (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Contents (Alt+Home)</source>
        <translation>Inhalt (Alt+Pos1)</translation>
    </message>
    <message>
        <source>Colour Properties</source>
        <translation>Farbeigenschaften</translation>
    </message>
    <message>
        <source>The selected colour is a websafe colour.</source>
        <translation>Die ausgewählte Farbe ist eine websichere Farbe.</translation>
    </message>
    <message>
        <source>The selected colour is not a websafe colour.</source>
        <translation>Die ausgewählte Farbe ist keine websichere Farbe.</translation>
    </message>
    <message>
        <source>The selected colour will look good in failsafe mode.</source>
        <translation>Die ausgewählte Farbe sieht im Failsafe-Modus gut aus.</translation>
    </message>
    <message>
        <source>The selected colour will not look good in failsafe mode.</source>
        <translation>Die ausgewählte Farbe sieht im Failsafe-Modus nicht gut aus.</translation>
    </message>
    <message>
        <source>The selected colour is a JavaScript colour.</source>
        <translation>Die ausgewählte Farbe ist eine JavaScript-Farbe.</translation>
    </message>
    <message>
        <source>The selected colour is not a JavaScript colour.</source>
        <translation>Die ausgewählte Farbe ist keine JavaScript-Farbe.</translation>
    </message>
    <message>
        <source>In JavaScript, the name of the selected colour is %1.</source>
        <translation>In JavaScript heißt die ausgewählte Farbe %1.</translation>
    </message>
    <message>
        <source>Do you want to change the name of the selected colour to %1?</source>
        <translation>Möchten Sie die ausgewählte Farbe in %1 umbenennen?</translation>
    </message>
    <message>
        <source>cyan (also known as aqua)</source>
        <translation>cyan (auch bekannt als aqua)</translation>
    </message>
    <message>
        <source>magenta (also known as fuchsia)</source>
        <translation>magenta (auch bekannt als fuchsia)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Save Palette As</source>
        <translation>Palette speichern unter</translation>
    </message>
    <message>
        <source>Open Palette In Tincta</source>
        <translation>Palette in Tincta öffnen</translation>
    </message>
    <message>
        <source>Open Palette In Notepad</source>
        <translation>Palette im Editor öffnen</translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation>Palette exportieren</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Palette importieren</translation>
    </message>
    <message>
        <source>Standard folder: %1</source>
        <translation>Standardordner: %1</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>tincta::ColourCheckWindow</name>
    <message>
        <source>Colour Check</source>
        <translation>Farbprüfung</translation>
    </message>
    <message>
        <source>&amp;Contrast of text in the row&apos;s colour on the column&apos;s:</source>
        <translation>&amp;Kontrast von Text in der Farbe der Zeile auf der Farbe der Spalte:</translation>
    </message>
    <message>
        <source>Pages of the Colour Check</source>
        <translation>Seiten der Farbprüfung</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>C&amp;ontrast</source>
        <translation>K&amp;ontrast</translation>
    </message>
    <message>
        <source>Colour blindness</source>
        <translation>Farbenblindheit</translation>
    </message>
    <message>
        <source>Colour &amp;blindness</source>
        <translation>Farben&amp;blindheit</translation>
    </message>
    <message>
        <source>Scale and harmonies</source>
        <translation>Abstufung und Harmonien</translation>
    </message>
    <message>
        <source>&amp;Scale and harmonies</source>
        <translation>Ab&amp;stufung und Harmonien</translation>
    </message>
    <message>
        <source>In each cell the WCAG 2.x contrast ratio, the level met by normal / large text (– for none) and the APCA lightness contrast Lc. Choose a cell for the nearest passing colours.</source>
        <translation>In jeder Zelle das Kontrastverhältnis nach WCAG 2.x, die erreichte Stufe für normalen / großen Text (– für keine) und der APCA-Helligkeitskontrast Lc. Wählen Sie eine Zelle für die nächsten bestehenden Farben.</translation>
    </message>
</context>
<context>
    <name>tincta::ColourEditor</name>
    <message>
        <source>Colour bar</source>
        <translation>Farbleiste</translation>
    </message>
    <message>
        <source>Shades of the selected colour</source>
        <translation>Abstufungen der ausgewählten Farbe</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Aufgenommene Farbe</translation>
    </message>
</context>
<context>
    <name>tincta::ColourHistory</name>
    <message>
        <source>The colour history was damaged and a new one has been started. The damaged file was kept as %1.</source>
        <translation>Der Farbverlauf war beschädigt, ein neuer wurde begonnen. Die beschädigte Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The colour history could not be read or saved. Check that the file %1 is not locked or read-only; colours used until then may be missing from it.</source>
        <translation>Der Farbverlauf konnte nicht gelesen oder gespeichert werden. Prüfen Sie, ob die Datei %1 gesperrt oder schreibgeschützt ist; bis dahin benutzte Farben fehlen darin vielleicht.</translation>
    </message>
    <message>
        <source>Remove every colour from the history that is not pinned? Pinned colours stay.</source>
        <translation>Alle Farben aus dem Verlauf entfernen, die nicht angeheftet sind? Angeheftete Farben bleiben.</translation>
    </message>
</context>
<context>
    <name>tincta::ColourSpeech</name>
    <message>
        <source>%1, named %2</source>
        <translation>%1, Name %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>JavaScript name</source>
        <translation>JavaScript-Name</translation>
    </message>
    <message>
        <source>failsafe</source>
        <translation>failsafe</translation>
    </message>
    <message>
        <source>failsafe, JavaScript name</source>
        <translation>failsafe, JavaScript-Name</translation>
    </message>
    <message>
        <source>websafe</source>
        <translation>websafe</translation>
    </message>
    <message>
        <source>websafe, JavaScript name</source>
        <translation>websafe, JavaScript-Name</translation>
    </message>
    <message>
        <source>websafe, failsafe</source>
        <translation>websafe, failsafe</translation>
    </message>
    <message>
        <source>websafe, failsafe, JavaScript name</source>
        <translation>websafe, failsafe, JavaScript-Name</translation>
    </message>
</context>
<context>
    <name>tincta::ColourVisionPanel</name>
    <message>
        <source>marks %1 and %2</source>
        <translation>Marken %1 und %2</translation>
    </message>
    <message>
        <source>As seen with colour blindness</source>
        <translation>So gesehen bei Farbenblindheit</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Mark %1 as seen with %2</source>
        <translation>Marke %1, gesehen bei %2</translation>
    </message>
    <message>
        <source>No two marks become hard to tell apart.</source>
        <translation>Keine zwei Marken werden schwer unterscheidbar.</translation>
    </message>
    <message>
        <source>Hard to tell apart: %1.</source>
        <translation>Schwer zu unterscheiden: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>tincta::CommandLinePick</name>
    <message>
        <source>There is no screen to pick from.</source>
        <translation>Es gibt keinen Bildschirm, von dem eine Farbe aufgenommen werden kann.</translation>
    </message>
    <message>
        <source>Picking a colour from the screen is not available on this desktop.</source>
        <translation>Farben vom Bildschirm aufzunehmen ist auf diesem Desktop nicht möglich.</translation>
    </message>
    <message>
        <source>The desktop could not pick a colour from the screen.</source>
        <translation>Der Desktop konnte keine Farbe vom Bildschirm aufnehmen.</translation>
    </message>
    <message>
        <source>There is no notation called &quot;%1&quot;. The notations are:</source>
        <translation>Es gibt keine Notation namens &quot;%1&quot;. Die Notationen sind:</translation>
    </message>
</context>
<context>
    <name>tincta::CommandTable</name>
    <message>
        <source>&amp;New Palette</source>
        <translation>&amp;Neue Palette</translation>
    </message>
    <message>
        <source>&amp;Open Palette In Tincta...</source>
        <translation>Palette in Tincta ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open Palette &amp;In Notepad...</source>
        <translation>Palette im &amp;Editor öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Palette</source>
        <translation>Palette &amp;speichern</translation>
    </message>
    <message>
        <source>Save Palette &amp;As...</source>
        <translation>Palette speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Ex&amp;port Palette...</source>
        <translation>Palette e&amp;xportieren...</translation>
    </message>
    <message>
        <source>I&amp;mport Palette...</source>
        <translation>Palette &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Copy From Colour Mark</source>
        <translation>Farbe aus Farbmarke &amp;kopieren</translation>
    </message>
    <message>
        <source>Paste To Colour &amp;Mark</source>
        <translation>Farbe in Farbmarke ein&amp;fügen</translation>
    </message>
    <message>
        <source>Colour &amp;Properties...</source>
        <translation>Farb&amp;eigenschaften...</translation>
    </message>
    <message>
        <source>&amp;Find JavaScript Names</source>
        <translation>JavaScript-Namen &amp;suchen</translation>
    </message>
    <message>
        <source>Copy &amp;JavaScript Names</source>
        <translation>&amp;JavaScript-Namen kopieren</translation>
    </message>
    <message>
        <source>Paste &amp;HTML Hex</source>
        <translation>&amp;HTML Hex einfügen</translation>
    </message>
    <message>
        <source>Colour Chec&amp;k...</source>
        <translation>Farb&amp;prüfung...</translation>
    </message>
    <message>
        <source>Colour &amp;Pick Mode</source>
        <translation>&amp;Pipettenmodus</translation>
    </message>
    <message>
        <source>&amp;Custom Format...</source>
        <translation>&amp;Eigenes Format...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Tincta Home Page</source>
        <translation>Tincta-&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;About Tincta...</source>
        <translation>Ü&amp;ber Tincta...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>New Palette (Ctrl+N)</source>
        <translation>Neue Palette (Strg+N)</translation>
    </message>
    <message>
        <source>Open Palette In Tincta (Ctrl+O)</source>
        <translation>Palette in Tincta öffnen (Strg+O)</translation>
    </message>
    <message>
        <source>Open Palette In Notepad (Ctrl+I)</source>
        <translation>Palette im Editor öffnen (Strg+I)</translation>
    </message>
    <message>
        <source>Save Palette (Ctrl+S)</source>
        <translation>Palette speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Copy From Colour Mark (F2)</source>
        <translation>Farbe aus Farbmarke kopieren (F2)</translation>
    </message>
    <message>
        <source>Paste To Colour Mark (F3)</source>
        <translation>Farbe in Farbmarke einfügen (F3)</translation>
    </message>
    <message>
        <source>Colour Properties (F4)</source>
        <translation>Farbeigenschaften (F4)</translation>
    </message>
    <message>
        <source>Find JavaScript Names (F5)</source>
        <translation>JavaScript-Namen suchen (F5)</translation>
    </message>
    <message>
        <source>Custom Format (F8)</source>
        <translation>Eigenes Format (F8)</translation>
    </message>
    <message>
        <source>Options (F9)</source>
        <translation>Optionen (F9)</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Hilfe (F1)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Press F7 to enable</source>
        <translation>Zum Aktivieren F7 drücken</translation>
    </message>
    <message>
        <source>Use the Copy button to enable</source>
        <translation>Zum Aktivieren die Schaltfläche Kopieren benutzen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo Colour Change</source>
        <translation>&amp;Rückgängig: Farbänderung</translation>
    </message>
    <message>
        <source>&amp;Redo Colour Change</source>
        <translation>&amp;Wiederherstellen: Farbänderung</translation>
    </message>
    <message>
        <source>&amp;Undo Name Change</source>
        <translation>&amp;Rückgängig: Namensänderung</translation>
    </message>
    <message>
        <source>&amp;Redo Name Change</source>
        <translation>&amp;Wiederherstellen: Namensänderung</translation>
    </message>
    <message>
        <source>&amp;Undo Paste</source>
        <translation>&amp;Rückgängig: Einfügen</translation>
    </message>
    <message>
        <source>&amp;Redo Paste</source>
        <translation>&amp;Wiederherstellen: Einfügen</translation>
    </message>
    <message>
        <source>&amp;Undo Import</source>
        <translation>&amp;Rückgängig: Import</translation>
    </message>
    <message>
        <source>&amp;Redo Import</source>
        <translation>&amp;Wiederherstellen: Import</translation>
    </message>
    <message>
        <source>&amp;Undo Find JavaScript Names</source>
        <translation>&amp;Rückgängig: JavaScript-Namen finden</translation>
    </message>
    <message>
        <source>&amp;Redo Find JavaScript Names</source>
        <translation>&amp;Wiederherstellen: JavaScript-Namen finden</translation>
    </message>
    <message>
        <source>Paste C&amp;olour</source>
        <translation>Farbe aus &amp;Text einfügen</translation>
    </message>
    <message>
        <source>Pick From &amp;Screen</source>
        <translation>Farbe vom Bildschirm &amp;aufnehmen</translation>
    </message>
    <message>
        <source>All &amp;Notations...</source>
        <translation>Alle &amp;Notationen...</translation>
    </message>
    <message>
        <source>Pick From Screen (Ctrl+Shift+P)</source>
        <translation>Farbe vom Bildschirm aufnehmen (Strg+Umschalt+P)</translation>
    </message>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Eine Farbe vom Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>Hi&amp;story...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
</context>
<context>
    <name>tincta::ContrastSuggestions</name>
    <message>
        <source>AA (4.5:1)</source>
        <translation>AA (4,5:1)</translation>
    </message>
    <message>
        <source>Apply AA foreground</source>
        <translation>AA-Vordergrund übernehmen</translation>
    </message>
    <message>
        <source>Apply AA background</source>
        <translation>AA-Hintergrund übernehmen</translation>
    </message>
    <message>
        <source>AA large (3:1)</source>
        <translation>AA groß (3:1)</translation>
    </message>
    <message>
        <source>Apply AA large foreground</source>
        <translation>AA-groß-Vordergrund übernehmen</translation>
    </message>
    <message>
        <source>Apply AA large background</source>
        <translation>AA-groß-Hintergrund übernehmen</translation>
    </message>
    <message>
        <source>AAA (7:1)</source>
        <translation>AAA (7:1)</translation>
    </message>
    <message>
        <source>Apply AAA foreground</source>
        <translation>AAA-Vordergrund übernehmen</translation>
    </message>
    <message>
        <source>Apply AAA background</source>
        <translation>AAA-Hintergrund übernehmen</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Nearest passing colours for %1 on %2</source>
        <translation>Nächste bestehende Farben für %1 auf %2</translation>
    </message>
    <message>
        <source>No lightness of this hue passes</source>
        <translation>Keine Helligkeit dieses Farbtons besteht</translation>
    </message>
    <message>
        <source>%1, %2: passes already</source>
        <translation>%1, %2: besteht bereits</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>tincta::ContrastTable</name>
    <message>
        <source>Mark %1</source>
        <translation>Marke %1</translation>
    </message>
    <message>
        <source>Contrast between the marks</source>
        <translation>Kontrast zwischen den Marken</translation>
    </message>
    <message>
        <source>WCAG 2.x contrast ratio of text in the row&apos;s mark colour on the column&apos;s, with the level it meets for normal and large text</source>
        <translation>Kontrastverhältnis nach WCAG 2.x von Text in der Markenfarbe der Zeile auf der Farbe der Spalte, mit der Stufe, die er als normaler und als großer Text erreicht</translation>
    </message>
    <message>
        <source>Text colour by row, background colour by column</source>
        <translation>Textfarbe nach Zeile, Hintergrundfarbe nach Spalte</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>fails</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>preferred for body text</source>
        <translation>empfohlen für Fließtext</translation>
    </message>
    <message>
        <source>enough for body text</source>
        <translation>genug für Fließtext</translation>
    </message>
    <message>
        <source>enough for other text</source>
        <translation>genug für anderen Text</translation>
    </message>
    <message>
        <source>enough for large text</source>
        <translation>genug für großen Text</translation>
    </message>
    <message>
        <source>enough for non-text only</source>
        <translation>genug nur für Nicht-Text</translation>
    </message>
    <message>
        <source>too low even for non-text</source>
        <translation>zu gering selbst für Nicht-Text</translation>
    </message>
    <message>
        <source>Lc %1</source>
        <translation>Lc %1</translation>
    </message>
    <message>
        <source>mark %1</source>
        <translation>Marke %1</translation>
    </message>
    <message>
        <source>%1
%2 / %3
%4</source>
        <translation>%1
%2 / %3
%4</translation>
    </message>
    <message>
        <source>%1 on %2: %3, normal text %4, large text %5; APCA %6, %7</source>
        <translation>%1 auf %2: %3, normaler Text %4, großer Text %5; APCA %6, %7</translation>
    </message>
</context>
<context>
    <name>tincta::CustomFormatDialog</name>
    <message>
        <source>Custom format template</source>
        <translation>Vorlage des eigenen Formats</translation>
    </message>
</context>
<context>
    <name>tincta::ExchangeCommands</name>
    <message>
        <source>Could not export the palette to

%1

Check if file or folder is read-only.</source>
        <translation>Die Palette konnte nicht exportiert werden nach

%1

Prüfen Sie, ob Datei oder Ordner schreibgeschützt sind.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Could not import the palette from

%1

%2</source>
        <translation>Die Palette konnte nicht importiert werden aus

%1

%2</translation>
    </message>
    <message>
        <source>GIMP palette (*.gpl)</source>
        <translation>GIMP-Palette (*.gpl)</translation>
    </message>
    <message>
        <source>CSS custom properties (*.css)</source>
        <translation>Benutzerdefinierte CSS-Eigenschaften (*.css)</translation>
    </message>
    <message>
        <source>Design tokens (*.tokens.json)</source>
        <translation>Design-Tokens (*.tokens.json)</translation>
    </message>
    <message>
        <source>The palette was imported from

%1

Names shortened to their first %2 characters: %3</source>
        <translation>Die Palette wurde importiert aus

%1

Auf ihre ersten %2 Zeichen gekürzte Namen: %3</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>Photoshop colour swatches (*.aco)</source>
        <translation>Photoshop-Farbfelder (*.aco)</translation>
    </message>
    <message>
        <source>SCSS variables (*.scss)</source>
        <translation>SCSS-Variablen (*.scss)</translation>
    </message>
    <message>
        <source>Tailwind CSS theme (*.theme.css)</source>
        <translation>Tailwind-CSS-Theme (*.theme.css)</translation>
    </message>
    <message>
        <source>Android colour resources (*.xml)</source>
        <translation>Android-Farbressourcen (*.xml)</translation>
    </message>
    <message>
        <source>There are no pinned colours to export.</source>
        <translation>Es gibt keine angehefteten Farben zum Exportieren.</translation>
    </message>
</context>
<context>
    <name>tincta::FrozenPicker</name>
    <message>
        <source>Pick a colour - Tincta</source>
        <translation>Farbe aufnehmen - Tincta</translation>
    </message>
    <message>
        <source>Still image of the screen: click a colour to pick it</source>
        <translation>Standbild des Bildschirms: eine Farbe anklicken, um sie aufzunehmen</translation>
    </message>
</context>
<context>
    <name>tincta::HistoryAge</name>
    <message>
        <source>%1 d ago</source>
        <translation>vor %1 T.</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>vor 1 Tag</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>vor %1 Tagen</translation>
    </message>
    <message>
        <source>%1 h ago</source>
        <translation>vor %1 Std.</translation>
    </message>
    <message>
        <source>1 hour ago</source>
        <translation>vor 1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>vor %1 Stunden</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>vor %1 Min.</translation>
    </message>
    <message>
        <source>1 minute ago</source>
        <translation>vor 1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>vor %1 Minuten</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
</context>
<context>
    <name>tincta::HistoryDelegate</name>
    <message>
        <source>Name of the colour</source>
        <translation>Name der Farbe</translation>
    </message>
</context>
<context>
    <name>tincta::HistoryList</name>
    <message>
        <source>pinned</source>
        <translation>angeheftet</translation>
    </message>
    <message>
        <source>named %1</source>
        <translation>benannt %1</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Angeheftet</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Copied as %1</source>
        <translation>Kopiert als %1</translation>
    </message>
</context>
<context>
    <name>tincta::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Hex or name</source>
        <translation>Hex oder Name</translation>
    </message>
    <message>
        <source>Filter by hex or name</source>
        <translation>Nach Hex oder Name filtern</translation>
    </message>
    <message>
        <source>Colours of the history</source>
        <translation>Farben des Verlaufs</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>An&amp;heften</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Benennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Clear History...</source>
        <translation>Verlauf &amp;leeren...</translation>
    </message>
    <message>
        <source>&amp;Export Pins...</source>
        <translation>Angeheftete e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Import to Pins...</source>
        <translation>In Angeheftete &amp;importieren...</translation>
    </message>
    <message>
        <source>Pin or unpin the colour (P)</source>
        <translation>Farbe anheften oder lösen (P)</translation>
    </message>
    <message>
        <source>Name the pinned colour (F2)</source>
        <translation>Angeheftete Farbe benennen (F2)</translation>
    </message>
    <message>
        <source>Remove the colour from the history (Delete)</source>
        <translation>Farbe aus dem Verlauf entfernen (Entf)</translation>
    </message>
    <message>
        <source>Un&amp;pin</source>
        <translation>Lö&amp;sen</translation>
    </message>
</context>
<context>
    <name>tincta::ImportColoursDialog</name>
    <message>
        <source>From &amp;mark 1</source>
        <translation>Ab Farbmarke &amp;1</translation>
    </message>
    <message>
        <source>From the &amp;selected mark (mark %1)</source>
        <translation>Ab der &amp;ausgewählten Farbmarke (Farbmarke %1)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import Colours</source>
        <translation>Farben importieren</translation>
    </message>
    <message>
        <source>Check the colours to import: they go into the marks in this order.</source>
        <translation>Die zu importierenden Farben ankreuzen: Sie kommen in dieser Reihenfolge in die Farbmarken.</translation>
    </message>
    <message>
        <source>&amp;Colours in the file (%1):</source>
        <translation>&amp;Farben in der Datei (%1):</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Into the marks</source>
        <translation>In die Farbmarken</translation>
    </message>
    <message>
        <source>Check a colour to import.</source>
        <translation>Eine Farbe zum Importieren ankreuzen.</translation>
    </message>
    <message>
        <source>Check at most %1 colours: marks %2 to 6 take them.</source>
        <translation>Höchstens %1 Farben ankreuzen: Die Farbmarken %2 bis 6 nehmen sie auf.</translation>
    </message>
</context>
<context>
    <name>tincta::JavaScriptWindow</name>
    <message>
        <source>JavaScript colours</source>
        <translation>JavaScript-Farben</translation>
    </message>
</context>
<context>
    <name>tincta::Loupe</name>
    <message>
        <source>Arrows move one pixel; Esc cancels</source>
        <translation>Pfeiltasten: ein Pixel weiter; Esc bricht ab</translation>
    </message>
    <message>
        <source>Magnified screen around the pick point</source>
        <translation>Vergrößerter Bildschirm um den Aufnahmepunkt</translation>
    </message>
    <message>
        <source>+ and - average an area</source>
        <translation>+ und - mitteln eine Fläche</translation>
    </message>
    <message>
        <source>%1 × %1 average</source>
        <translation>Mittel aus %1 × %1</translation>
    </message>
</context>
<context>
    <name>tincta::MainWindow</name>
    <message>
        <source>Tincta</source>
        <translation>Tincta</translation>
    </message>
    <message>
        <source>The color depth of your monitor has a low value.<byte value="xd"/>
<byte value="xd"/>
Tincta will look better if you select a higher value in the Control Panel in Windows.</source>
        <translation>Die Farbtiefe Ihres Bildschirms ist gering.<byte value="xd"/>
<byte value="xd"/>
Tincta sieht besser aus, wenn Sie in der Systemsteuerung von Windows einen höheren Wert wählen.</translation>
    </message>
    <message>
        <source>Tincta encountered an unexpected error and must close.</source>
        <translation>In Tincta ist ein unerwarteter Fehler aufgetreten; Tincta muss beendet werden.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to read a colour from.</source>
        <translation>Die Zwischenablage enthält keinen Text, aus dem eine Farbe gelesen werden kann.</translation>
    </message>
    <message>
        <source>The clipboard holds &quot;%1&quot;, which is no colour Tincta can read.</source>
        <translation>Die Zwischenablage enthält &quot;%1&quot;, und das ist keine Farbe, die Tincta lesen kann.</translation>
    </message>
</context>
<context>
    <name>tincta::MarksPanel</name>
    <message>
        <source>Click here to select this colour mark</source>
        <translation>Hier klicken, um diese Farbmarke auszuwählen</translation>
    </message>
    <message>
        <source>Colour mark %1</source>
        <translation>Farbmarke %1</translation>
    </message>
    <message>
        <source>Colour of mark %1</source>
        <translation>Farbe der Marke %1</translation>
    </message>
    <message>
        <source>Click and type a colour name</source>
        <translation>Klicken und einen Farbnamen eingeben</translation>
    </message>
    <message>
        <source>Name of colour mark %1</source>
        <translation>Name der Farbmarke %1</translation>
    </message>
    <message>
        <source>Drag and drop from here to pick a colour anywhere on the screen</source>
        <translation>Von hier ziehen und loslassen, um eine Farbe irgendwo auf dem Bildschirm aufzunehmen</translation>
    </message>
    <message>
        <source>Colour mark %1 properties: %2</source>
        <translation>Eigenschaften der Farbmarke %1: %2</translation>
    </message>
</context>
<context>
    <name>tincta::NotationPanel</name>
    <message>
        <source>Select the format you want to copy to the clipboard</source>
        <translation>Wählen Sie das Format, das in die Zwischenablage kopiert werden soll</translation>
    </message>
    <message>
        <source>Notation</source>
        <translation>Schreibweise</translation>
    </message>
    <message>
        <source>Sent To Clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>This is what Tincta put on the clipboard</source>
        <translation>Das hat Tincta in die Zwischenablage gelegt</translation>
    </message>
    <message>
        <source>Sent to clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Sent to clipboard: nothing</source>
        <translation>In die Zwischenablage kopiert: nichts</translation>
    </message>
    <message>
        <source>Sent to clipboard: %1</source>
        <translation>In die Zwischenablage kopiert: %1</translation>
    </message>
</context>
<context>
    <name>tincta::NotationsWindow</name>
    <message>
        <source>All Notations</source>
        <translation>Alle Notationen</translation>
    </message>
    <message>
        <source>&amp;Enter or a click copies a notation; Ctrl+1 to Ctrl+9 copy the starred ones.</source>
        <translation>&amp;Eingabetaste oder ein Klick kopiert eine Notation; Strg+1 bis Strg+9 kopieren die markierten.</translation>
    </message>
    <message>
        <source>Notations of the selected colour</source>
        <translation>Notationen der ausgewählten Farbe</translation>
    </message>
    <message>
        <source>Star, notation</source>
        <translation>Stern, Notation</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Star the notation to copy it with Ctrl+1 to Ctrl+9</source>
        <translation>Die Notation mit einem Stern markieren, um sie mit Strg+1 bis Strg+9 zu kopieren</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Kopiert: %1</translation>
    </message>
</context>
<context>
    <name>tincta::PaletteDocument</name>
    <message>
        <source>The palette has been changed. Do you want to save it?</source>
        <translation>Die Palette wurde geändert. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Tincta - New palette</source>
        <translation>Tincta - Neue Palette</translation>
    </message>
    <message>
        <source>You tried to open the file<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
This file has not been made in Tincta and cannot be opened in Tincta</source>
        <translation>Sie haben versucht, diese Datei zu öffnen:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Diese Datei wurde nicht mit Tincta erstellt und kann in Tincta nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Could not open file in Notepad.</source>
        <translation>Die Datei konnte nicht im Editor geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not save. Check if file or folder is read-only.</source>
        <translation>Speichern nicht möglich. Prüfen Sie, ob Datei oder Ordner schreibgeschützt sind.</translation>
    </message>
    <message>
        <source>Could not save. The names are too long: the palette file would be larger than 1 MiB, and Tincta could not open it again.</source>
        <translation>Speichern nicht möglich. Die Namen sind zu lang: Die Palettendatei würde größer als 1 MiB, und Tincta könnte sie nicht wieder öffnen.</translation>
    </message>
    <message>
        <source>Could not save. The name of colour mark %1 holds a line break or half of a character, and Tincta could not open the file again.</source>
        <translation>Speichern nicht möglich. Der Name der Farbmarke %1 enthält einen Zeilenumbruch oder ein halbes Zeichen, und Tincta könnte die Datei nicht wieder öffnen.</translation>
    </message>
</context>
<context>
    <name>tincta::PaletteWindows</name>
    <message>
        <source>Websafe Palette</source>
        <translation>Websafe-Palette</translation>
    </message>
    <message>
        <source>Click here to open the Websafe Palette</source>
        <translation>Hier klicken, um die Websafe-Palette zu öffnen</translation>
    </message>
    <message>
        <source>Failsafe Palette</source>
        <translation>Failsafe-Palette</translation>
    </message>
    <message>
        <source>Click here to open the Failsafe Palette</source>
        <translation>Hier klicken, um die Failsafe-Palette zu öffnen</translation>
    </message>
    <message>
        <source>JavaScript Palette</source>
        <translation>JavaScript-Palette</translation>
    </message>
    <message>
        <source>Click here to open the JavaScript Palette</source>
        <translation>Hier klicken, um die JavaScript-Palette zu öffnen</translation>
    </message>
</context>
<context>
    <name>tincta::PickMode</name>
    <message>
        <source>Click here to pick a colour anywhere on the screen</source>
        <translation>Hier klicken, um eine Farbe irgendwo auf dem Bildschirm aufzunehmen</translation>
    </message>
    <message>
        <source>Picking a colour from the screen is not available on this desktop.<byte value="xd"/>
<byte value="xd"/>
Type the colour&apos;s red, green and blue values into the boxes below the sliders and click Set, or press F11 to type its HTML Hex value.</source>
        <translation>Auf diesem Desktop kann keine Farbe vom Bildschirm aufgenommen werden.<byte value="xd"/>
<byte value="xd"/>
Geben Sie den Rot-, Grün- und Blauwert der Farbe in die Felder unter den Schiebereglern ein und klicken Sie auf Setzen, oder drücken Sie F11, um ihren HTML-Hex-Wert einzugeben.</translation>
    </message>
    <message>
        <source>The desktop could not pick a colour from the screen. Nothing was changed.<byte value="xd"/>
<byte value="xd"/>
Try again, or type the colour&apos;s values into the boxes below the sliders.</source>
        <translation>Der Desktop konnte keine Farbe vom Bildschirm aufnehmen. Nichts wurde geändert.<byte value="xd"/>
<byte value="xd"/>
Versuchen Sie es noch einmal, oder geben Sie die Werte der Farbe in die Felder unter den Schiebereglern ein.</translation>
    </message>
</context>
<context>
    <name>tincta::ScalePanel</name>
    <message>
        <source>Complementary</source>
        <translation>Komplementär</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Triadisch</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>Geteilt komplementär</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Tetradisch</translation>
    </message>
    <message>
        <source>&amp;Tints and shades, 50 to 950:</source>
        <translation>&amp;Aufhellungen und Abdunklungen, 50 bis 950:</translation>
    </message>
    <message>
        <source>Made from %1, %2</source>
        <translation>Aus %1, %2</translation>
    </message>
    <message>
        <source>Step %1: %2, the mark itself</source>
        <translation>Stufe %1: %2, die Marke selbst</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <source>Hue %1: %2</source>
        <translation>Farbton %1: %2</translation>
    </message>
</context>
<context>
    <name>tincta::Settings</name>
    <message>
        <source>Unacceptable settings found in Registry. Default settings restored.</source>
        <translation>Unzulässige Einstellungen in der Registry gefunden. Die Standardeinstellungen wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>The settings could not be read; Tincta uses its standard settings for now.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden; Tincta verwendet vorerst die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings could not be saved. Check that the settings file is not locked or read-only.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Prüfen Sie, ob die Einstellungsdatei gesperrt oder schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>The settings file was damaged and has been replaced by one with the standard settings. The damaged file was kept as %1.</source>
        <translation>Die Einstellungsdatei war beschädigt und wurde durch eine mit den Standardeinstellungen ersetzt. Die beschädigte Datei wurde als %1 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>tincta::ValueEntry</name>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>HTML Hex value</source>
        <translation>HTML-Hex-Wert</translation>
    </message>
    <message>
        <source>Paste or type a lower or upper case HTML Hex value and click on the Set button</source>
        <translation>Einen HTML-Hex-Wert in Klein- oder Großbuchstaben einfügen oder eingeben und auf Setzen klicken</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Rotwert</translation>
    </message>
    <message>
        <source>Type the red value</source>
        <translation>Den Rotwert eingeben</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Grünwert</translation>
    </message>
    <message>
        <source>Type the green value</source>
        <translation>Den Grünwert eingeben</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Blauwert</translation>
    </message>
    <message>
        <source>Type the blue value</source>
        <translation>Den Blauwert eingeben</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Click here for decimal colour values</source>
        <translation>Hier klicken für dezimale Farbwerte</translation>
    </message>
    <message>
        <source>Click here for hexadecimal colour values</source>
        <translation>Hier klicken für hexadezimale Farbwerte</translation>
    </message>
    <message>
        <source>Click here to change the selected colour according to the value to the right</source>
        <translation>Hier klicken, um die ausgewählte Farbe auf den Wert rechts zu setzen</translation>
    </message>
    <message>
        <source>Click here to change the selected colour according to the values to the right</source>
        <translation>Hier klicken, um die ausgewählte Farbe auf die Werte rechts zu setzen</translation>
    </message>
    <message>
        <source>The value is not allowed. Only values from 0 to 255 are allowed.</source>
        <translation>Dieser Wert ist nicht zulässig. Zulässig sind nur Werte von 0 bis 255.</translation>
    </message>
    <message>
        <source>The value is not allowed. Only values from 00 to FF are allowed.</source>
        <translation>Dieser Wert ist nicht zulässig. Zulässig sind nur Werte von 00 bis FF.</translation>
    </message>
    <message>
        <source>%1 is not a valid HTML Hex value.</source>
        <translation>%1 ist kein gültiger HTML-Hex-Wert.</translation>
    </message>
    <message>
        <source>Colour values</source>
        <translation>Farbwerte</translation>
    </message>
</context>
</TS>
