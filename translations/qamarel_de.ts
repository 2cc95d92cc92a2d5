<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FileDialogText</name>
    <message>
        <source>%1 is a folder.
Please choose another name.</source>
        <translation>%1 ist ein Ordner.
Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.
Please choose another folder.</source>
        <translation>Der Ordner von %1 existiert nicht.
Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.
Please choose another name.</source>
        <translation>%1 ist keine reguläre Datei.
Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it?</source>
        <translation>%1 ist schreibgeschützt.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>LinkOpeningText</name>
    <message>
        <source>The page %1 could not be opened: no web browser answered.</source>
        <translation>Die Seite %1 konnte nicht geöffnet werden: Kein Webbrowser hat geantwortet.</translation>
    </message>
</context>
<context>
    <name>MansionFields</name>
    <message>
        <source>Lunar Mansion Name</source>
        <translation>Name der Mondstation</translation>
    </message>
    <message>
        <source>Arabic Name</source>
        <translation>Arabischer Name</translation>
    </message>
    <message>
        <source>English Meaning</source>
        <translation>Bedeutung (englisch)</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Sternbild</translation>
    </message>
    <message>
        <source>Planetary Ruler</source>
        <translation>Herrscherplanet</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Engel</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Famous Person</source>
        <translation>Berühmte Person</translation>
    </message>
    <message>
        <source>Favorable Circumstances</source>
        <translation>Günstige Umstände</translation>
    </message>
    <message>
        <source>Unfavorable Circumstances</source>
        <translation>Ungünstige Umstände</translation>
    </message>
</context>
<context>
    <name>MonthNames</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short month</comment>
        <translation>Jan.</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short month</comment>
        <translation>Feb.</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short month</comment>
        <translation>März</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short month</comment>
        <translation>Apr.</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short month</comment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short month</comment>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short month</comment>
        <translation>Juli</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short month</comment>
        <translation>Aug.</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short month</comment>
        <translation>Sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short month</comment>
        <translation>Okt.</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short month</comment>
        <translation>Nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short month</comment>
        <translation>Dez.</translation>
    </message>
</context>
<context>
    <name>PeopleTable</name>
    <message>
        <source>%1, born %2%3, mansion %4</source>
        <translation>%1, geboren %2%3, Station %4</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> in %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Geburt</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Mansion</source>
        <translation>Station</translation>
    </message>
</context>
<context>
    <name>PlaceIndexText</name>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 ist nicht installiert</translation>
    </message>
    <message>
        <source>%1 is not a Qamarel place index</source>
        <translation>%1 ist kein Ortsverzeichnis von Qamarel</translation>
    </message>
    <message>
        <source>%1 is of format %2, not %3 as this Qamarel reads</source>
        <translation>%1 hat das Format %2, nicht %3, das dieses Qamarel liest</translation>
    </message>
    <message>
        <source>%1 was made on a machine of another byte order</source>
        <translation>%1 wurde auf einem Rechner mit anderer Bytereihenfolge erstellt</translation>
    </message>
    <message>
        <source>%1 is %2 bytes where its header says %3</source>
        <translation>%1 ist %2 Byte groß, laut Kopf aber %3</translation>
    </message>
    <message>
        <source>%1 has a section outside the file</source>
        <translation>%1 hat einen Abschnitt außerhalb der Datei</translation>
    </message>
</context>
<context>
    <name>PlaceSearchText</name>
    <message>
        <source>The place index could not be read: %1</source>
        <translation>Das Ortsverzeichnis konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The place name is empty.</source>
        <translation>Der Ortsname ist leer.</translation>
    </message>
    <message>
        <source>No place called %1.</source>
        <translation>Kein Ort namens %1.</translation>
    </message>
    <message>
        <source> Did you mean %1?</source>
        <translation> Meinten Sie %1?</translation>
    </message>
    <message>
        <source> Did you mean %1 or %2?</source>
        <translation> Meinten Sie %1 oder %2?</translation>
    </message>
</context>
<context>
    <name>ProgramSettingsText</name>
    <message>
        <source>there is no home folder to keep them in (HOME is not set)</source>
        <translation>es gibt keinen Benutzerordner dafür (HOME ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>%1 is not a small regular file</source>
        <translation>%1 ist keine kleine reguläre Datei</translation>
    </message>
    <message>
        <source>its lock %1 is not a regular file of this user&apos;s</source>
        <translation>ihre Sperrdatei %1 ist keine reguläre Datei dieses Benutzers</translation>
    </message>
    <message>
        <source>%1: the settings are not kept: %2</source>
        <translation>%1: die Einstellungen werden nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>its lock %1 is held by another program</source>
        <translation>ihre Sperrdatei %1 wird von einem anderen Programm gehalten</translation>
    </message>
    <message>
        <source>its lock %1 cannot be made</source>
        <translation>ihre Sperrdatei %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber das Programm</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise gibt es ein Update für dieses Programm.
Möchten Sie nach einem Update suchen?</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Arabic lunar mansion reading from birth data.</source>
        <translation>Deutung der arabischen Mondstationen aus den Geburtsdaten.</translation>
    </message>
    <message>
        <source>A saved reading (.qmz) to show.</source>
        <translation>Eine gespeicherte Deutung (.qmz), die angezeigt werden soll.</translation>
    </message>
    <message>
        <source>%1: more than one copy may run: %2</source>
        <translation>%1: mehr als eine Instanz kann laufen: %2</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
    <message>
        <source>%1: the running copy did not take %2: it is shown in a copy of its own</source>
        <translation>%1: die laufende Instanz hat %2 nicht übernommen: die Datei wird in einer eigenen Instanz angezeigt</translation>
    </message>
    <message>
        <source>%1: no second start can hand its reading to this copy: %2 cannot be made</source>
        <translation>%1: ein zweiter Start kann dieser Instanz keine Deutung übergeben: %2 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>The reading holds a character that a reading file cannot keep.</source>
        <translation>Die Deutung enthält ein Zeichen, das eine Deutungsdatei nicht speichern kann.</translation>
    </message>
</context>
<context>
    <name>ReadingSheetText</name>
    <message>
        <source>%1, summer time (clocks at %2)</source>
        <translation>%1, Sommerzeit (Uhren auf %2)</translation>
    </message>
    <message>
        <source>Born on %1 at %2</source>
        <translation>Geboren am %1 um %2</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> in %1</translation>
    </message>
    <message>
        <source>, %1°%2′%3 %4°%5′%6, time zone %7</source>
        <translation>, %1°%2′%3 %4°%5′%6, Zeitzone %7</translation>
    </message>
    <message>
        <source>Arabic Lunar Mansion Reading</source>
        <translation>Deutung der arabischen Mondstation</translation>
    </message>
    <message>
        <source>Arabic Lunar Mansion Reading for %1</source>
        <translation>Deutung der arabischen Mondstation für %1</translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2: %3</source>
        <translation>Der Mond auf %1, in Station %2: %3</translation>
    </message>
    <message>
        <source>Qamarel v%1 — sidereal zodiac; the 28 mansions from 0° Aries, %2 each.</source>
        <translation>Qamarel v%1 — siderischer Tierkreis; die 28 Stationen ab 0° Widder, je %2.</translation>
    </message>
    <message>
        <source>The Moon was in this mansion all day on %1.</source>
        <translation>Der Mond stand am %1 den ganzen Tag in dieser Station.</translation>
    </message>
    <message>
        <source>On %1 the Moon entered this mansion at %2, coming from %3; it left it at %4 for %5.</source>
        <translation>Am %1 trat der Mond um %2 von %3 kommend in diese Station ein; er verließ sie um %4 in Richtung %5.</translation>
    </message>
    <message>
        <source>On %1 the Moon entered this mansion at %2, coming from %3.</source>
        <translation>Am %1 trat der Mond um %2 von %3 kommend in diese Station ein.</translation>
    </message>
    <message>
        <source>On %1 the Moon left this mansion at %2 for %3.</source>
        <translation>Am %1 verließ der Mond diese Station um %2 in Richtung %3.</translation>
    </message>
    <message>
        <source>mansion %1, %2</source>
        <translation>Station %1, %2</translation>
    </message>
</context>
<context>
    <name>SheetPrinting</name>
    <message>
        <source>the printer could not be written</source>
        <translation>auf den Drucker konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the page could not be written</source>
        <translation>die Seite konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ShownDates</name>
    <message>
        <source>%1</source>
        <comment>the first day of a month</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, month, year</comment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>%1 on %2 %3</source>
        <comment>clock time, day, month</comment>
        <translation>%1 am %2. %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, short month, clock time</comment>
        <translation>%1. %2 %3</translation>
    </message>
</context>
<context>
    <name>UpdateReminderText</name>
    <message>
        <source>%1: the settings are not kept: %2</source>
        <translation>%1: die Einstellungen werden nicht gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>WindowTurns</name>
    <message>
        <source>Another start of the program asked to show %1.<byte value="xd"/>Show it in place of the reading you chose?</source>
        <translation>Ein weiterer Start des Programms möchte %1 anzeigen.
Soll die Datei anstelle der gewählten Deutung angezeigt werden?</translation>
    </message>
    <message>
        <source>Reading of a Moment</source>
        <translation>Deutung eines Augenblicks</translation>
    </message>
</context>
<context>
    <name>ZoneAtDateText</name>
    <message>
        <source>local mean time</source>
        <translation>mittlere Ortszeit</translation>
    </message>
    <message>
        <source>winter time, %1 behind standard time</source>
        <translation>Winterzeit, %1 hinter der Normalzeit</translation>
    </message>
    <message>
        <source>summer time of %1: the zone boxes hold all of %2, DST unticked</source>
        <translation>Sommerzeit von %1: die Zeitzonenfelder enthalten die ganzen %2, Sommerzeit nicht angehakt</translation>
    </message>
    <message>
        <source>summer time: the zone boxes hold all of %1, DST unticked</source>
        <translation>Sommerzeit: die Zeitzonenfelder enthalten die ganzen %1, Sommerzeit nicht angehakt</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <translation>am %1 um %2</translation>
    </message>
    <message>
        <source>%1 %2: the time zone %3 is not known on this computer</source>
        <translation>%1 %2: die Zeitzone %3 ist auf diesem Rechner nicht bekannt</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>, taken as %1</source>
        <translation>, gerechnet als %1</translation>
    </message>
    <message>
        <source>. That time did not exist there: the clocks moved forward from %1 to %2. It is taken as the time before the change.</source>
        <translation>. Diese Uhrzeit gab es dort nicht: die Uhren wurden von %1 auf %2 vorgestellt. Sie wird als Zeit vor der Umstellung gerechnet.</translation>
    </message>
    <message>
        <source>. That time happened twice there: the clocks moved back from %1 to %2. The first time is taken.</source>
        <translation>. Diese Uhrzeit gab es dort zweimal: die Uhren wurden von %1 auf %2 zurückgestellt. Die erste wird genommen.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Qamarel gives a detailed report that includes the positive and negative characteristics of people born with the moon in a particular lunar mansion or birth star according to Arabic Astrology.</source>
        <translation>Qamarel erstellt einen ausführlichen Bericht über die positiven und negativen Eigenschaften von Menschen, die mit dem Mond in einer bestimmten Mondstation oder einem Geburtsstern geboren sind, nach der arabischen Astrologie.</translation>
    </message>
    <message>
        <source>Qamarel is free software under the GNU General Public License, version 3 or later. Places: GeoNames (geonames.org), CC BY 4.0, through libgeonames. Time zones: the IANA time zone database.</source>
        <translation>Qamarel ist freie Software unter der GNU General Public License, Version 3 oder neuer. Orte: GeoNames (geonames.org), CC BY 4.0, über libgeonames. Zeitzonen: die IANA-Zeitzonendatenbank.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>Website besuchen: </translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für weitere Einzelheiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmArabicLunarMansionResult</name>
    <message>
        <source>Visit us online for more astrology software and readings</source>
        <translation>Weitere Astrologie-Programme und Deutungen online</translation>
    </message>
    <message>
        <source>Qamarel Result</source>
        <translation>Ergebnis von Qamarel</translation>
    </message>
    <message>
        <source>Offer Qamarel to your clients under your own name: ask for co-branded copies</source>
        <translation>Qamarel für Ihre Kunden unter Ihrem Namen: Co-Branding anfragen</translation>
    </message>
    <message>
        <source>Make Qamarel your own: ask for fully branded copies</source>
        <translation>Ihr eigenes Qamarel: Ausgaben mit Ihrer Marke anfragen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Show the Mansion &amp;Wheel</source>
        <translation>Mondstationen-&amp;Rad zeigen</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>Mansion Ca&amp;lendar…</source>
        <translation>Mondstationen-&amp;Kalender…</translation>
    </message>
    <message>
        <source>Moon at %1 — mansion %2 of 28</source>
        <translation>Mond auf %1 — Station %2 von 28</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Qamarel (*.qmz)</source>
        <translation>Qamarel (*.qmz)</translation>
    </message>
    <message>
        <source>The reading was not saved to %1.
%2</source>
        <translation>Die Deutung wurde nicht in %1 gespeichert.
%2</translation>
    </message>
    <message>
        <source>The reading was not printed.
%1</source>
        <translation>Die Deutung wurde nicht gedruckt.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The reading was not exported to %1.
%2</source>
        <translation>Die Deutung wurde nicht nach %1 exportiert.
%2</translation>
    </message>
    <message>
        <source> — in it from %1 to %2</source>
        <translation> — darin von %1 bis %2</translation>
    </message>
    <message>
        <source>&amp;Add to People</source>
        <translation>Zu Personen &amp;hinzufügen</translation>
    </message>
    <message>
        <source>This reading</source>
        <translation>Diese Deutung</translation>
    </message>
    <message>
        <source>%1 is already in People.</source>
        <translation>%1 ist bereits unter den Personen.</translation>
    </message>
    <message>
        <source>%1 was not added to People: %2</source>
        <translation>%1 wurde nicht zu den Personen hinzugefügt: %2</translation>
    </message>
    <message>
        <source>%1 was added to People.</source>
        <translation>%1 wurde zu den Personen hinzugefügt.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
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
    <name>frmExit</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Thank you for using Qamarel. If your reading spoke to you, tell a friend about it.</source>
        <translation>Danke, dass Sie Qamarel verwenden. Wenn Ihre Deutung Sie angesprochen hat, erzählen Sie einem Freund davon.</translation>
    </message>
    <message>
        <source>Your support keeps Qamarel growing: visit us for more readings and software.</source>
        <translation>Ihre Unterstützung lässt Qamarel wachsen: besuchen Sie uns für weitere Deutungen und Programme.</translation>
    </message>
    <message>
        <source>Share Qamarel with the people you care about, and help us make more like it.</source>
        <translation>Teilen Sie Qamarel mit den Menschen, die Ihnen wichtig sind, und helfen Sie uns, mehr davon zu machen.</translation>
    </message>
    <message>
        <source>Enjoyed Qamarel? Recommend it to a friend and support its makers.</source>
        <translation>Hat Ihnen Qamarel gefallen? Empfehlen Sie es einem Freund und unterstützen Sie seine Macher.</translation>
    </message>
    <message>
        <source>More From Us</source>
        <translation>Mehr von uns</translation>
    </message>
    <message>
        <source>Discover the publisher&apos;s other astrology and divination programs.</source>
        <translation>Entdecken Sie die weiteren Astrologie- und Wahrsageprogramme des Herausgebers.</translation>
    </message>
    <message>
        <source>Browse our software</source>
        <translation>Unsere Programme ansehen</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Visit our web site for news and new releases</source>
        <translation>Neuigkeiten und neue Versionen auf unserer Website</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ihre Nachricht</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Enter Name</source>
        <translation>Bitte geben Sie einen Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>Bitte geben Sie Stunde und Minute der Zeitzone ein</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Bitte geben Sie die Grad der Länge ein</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Bitte geben Sie die Minuten der Länge ein</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Bitte geben Sie die Grad der Breite ein</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>Bitte geben Sie die Minuten der Breite ein</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein !</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone With The Same Sign</source>
        <translation>Bitte geben Sie Stunde und Minute der Zeitzone mit demselben Vorzeichen ein</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>Grad der Länge</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>Minuten der Länge</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>Grad der Breite</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>Minuten der Breite</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>Stunde der Zeitzone</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>Minute der Zeitzone</translation>
    </message>
    <message>
        <source>Know more about your favorable and unfavorable personality traits based on Arabic Lunar Mansions. Enter the details to get your Arabic Lunar Mansion Reading.</source>
        <translation>Erfahren Sie mehr über Ihre günstigen und ungünstigen Charakterzüge nach den arabischen Mondstationen. Geben Sie Ihre Daten ein, um Ihre Deutung der arabischen Mondstation zu erhalten.</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Hier klicken, um Breite &amp;&amp; Länge zu finden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland/Staat</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>Zeitzonenhilfe</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>&amp;Get My Arabic Lunar Mansion</source>
        <translation>Meine arabische Mondstation &amp;ermitteln</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Gespeicherte Deutung öffnen</translation>
    </message>
    <message>
        <source>Visit us online for more astrology software and readings</source>
        <translation>Weitere Astrologie-Programme und Deutungen online</translation>
    </message>
    <message>
        <source>Offer Qamarel to your clients under your own name and logo: ask for co-branded copies</source>
        <translation>Bieten Sie Qamarel Ihren Kunden unter Ihrem Namen und Logo an: fragen Sie nach Co-Branding-Ausgaben</translation>
    </message>
    <message>
        <source>Make Qamarel your own: ask for fully branded copies for your business</source>
        <translation>Machen Sie Qamarel zu Ihrem Programm: fragen Sie nach Ausgaben mit Ihrer Marke für Ihr Unternehmen</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Tag der Geburt</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Geburtsstunde</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Geburtsminute</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>Geburtssekunde</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Länge, Grad</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Länge, Minuten</translation>
    </message>
    <message>
        <source>Longitude East</source>
        <translation>Länge Ost</translation>
    </message>
    <message>
        <source>Longitude West</source>
        <translation>Länge West</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breite, Grad</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Breite, Minuten</translation>
    </message>
    <message>
        <source>Latitude North</source>
        <translation>Breite Nord</translation>
    </message>
    <message>
        <source>Latitude South</source>
        <translation>Breite Süd</translation>
    </message>
    <message>
        <source>Time zone hours</source>
        <translation>Zeitzone, Stunden</translation>
    </message>
    <message>
        <source>Time zone minutes</source>
        <translation>Zeitzone, Minuten</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Time zone help: choose a named zone</source>
        <translation>Zeitzonenhilfe: eine benannte Zone wählen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>Be&amp;rechnen</translation>
    </message>
    <message>
        <source>Mansion Ca&amp;lendar…</source>
        <translation>Mondstationen-&amp;Kalender…</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Nur Zahlen sind erlaubt</translation>
    </message>
    <message>
        <source>Please Enter A Number From 0 To 32767 For %1</source>
        <translation>Bitte geben Sie für %1 eine Zahl von 0 bis 32767 ein</translation>
    </message>
    <message>
        <source>Please Enter A Number For %1</source>
        <translation>Bitte geben Sie für %1 eine Zahl ein</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Quelldatei auswählen</translation>
    </message>
    <message>
        <source>Qamarel (*.qmz)</source>
        <translation>Qamarel (*.qmz)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Bitte prüfen Sie die Datei.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Bitte geben Sie eine Stadt ein</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>&amp;Personen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save to People</source>
        <translation>Unter Personen &amp;speichern</translation>
    </message>
    <message>
        <source>Cancel &amp;Edit</source>
        <translation>Bearbeitung a&amp;bbrechen</translation>
    </message>
    <message>
        <source>Save the changes to %1 in People first?</source>
        <translation>Die Änderungen an %1 zuerst unter Personen speichern?</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>%1 was not saved to People: %2</source>
        <translation>%1 wurde nicht unter Personen gespeichert: %2</translation>
    </message>
    <message>
        <source>%1 was saved to People.</source>
        <translation>%1 wurde unter Personen gespeichert.</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is not a saved reading (.qmz)</source>
        <translation>%1 ist keine gespeicherte Deutung (.qmz)</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 does not hold a saved reading</source>
        <translation>%1 enthält keine gespeicherte Deutung</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>frmMansionCalendar</name>
    <message>
        <source>Mansion Calendar</source>
        <translation>Mondstationen-Kalender</translation>
    </message>
    <message>
        <source>The calendar covers 1901 to 2050.</source>
        <translation>Der Kalender umfasst 1901 bis 2050.</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorheriger</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>favours…</source>
        <translation>begünstigt…</translation>
    </message>
    <message>
        <source>Only the mansions that favour</source>
        <translation>Nur die Stationen, die begünstigen</translation>
    </message>
    <message>
        <source>hinders…</source>
        <translation>behindert…</translation>
    </message>
    <message>
        <source>Warn of the mansions that hinder</source>
        <translation>Vor den Stationen warnen, die behindern</translation>
    </message>
    <message>
        <source>Enters</source>
        <translation>Eintritt</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Latin Name</source>
        <translation>Lateinischer Name</translation>
    </message>
    <message>
        <source>Arabic Name</source>
        <translation>Arabischer Name</translation>
    </message>
    <message>
        <source>English Meaning</source>
        <translation>Bedeutung (englisch)</translation>
    </message>
    <message>
        <source>Favours</source>
        <translation>Begünstigt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The reading&apos;s own mansion</source>
        <translation>Die Station der Deutung</translation>
    </message>
    <message>
        <source>Mansion Calendar — %1 %2 — %3</source>
        <translation>Mondstationen-Kalender — %1 %2 — %3</translation>
    </message>
    <message>
        <source>The calendar was not printed.
%1</source>
        <translation>Der Kalender wurde nicht gedruckt.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The calendar was not exported to %1.
%2</source>
        <translation>Der Kalender wurde nicht nach %1 exportiert.
%2</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>In Kalender exportieren</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Mansion Calendar — %1</source>
        <translation>Mondstationen-Kalender — %1</translation>
    </message>
    <message>
        <source>The Moon is in mansion %1, %2 (%3), until %4</source>
        <translation>Der Mond steht in Station %1, %2 (%3), bis %4</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>F&amp;avours:</source>
        <translation>&amp;Begünstigt:</translation>
    </message>
    <message>
        <source>&amp;Hinders:</source>
        <translation>Beh&amp;indert:</translation>
    </message>
    <message>
        <source>Stays of the month</source>
        <translation>Aufenthalte des Monats</translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar…</source>
        <translation>In den &amp;Kalender exportieren…</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>&amp;Vorheriger Monat</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>&amp;Nächster Monat</translation>
    </message>
    <message>
        <source>“%1” is not one of the topics: choose one from the list.</source>
        <translation>„%1“ ist keines der Themen: Wählen Sie eines aus der Liste.</translation>
    </message>
    <message>
        <source>No mansion shown hinders %1.</source>
        <translation>Keine angezeigte Station behindert %1.</translation>
    </message>
    <message numerus="yes">
        <source>⚠ %n stay(s) shown hinder %1.</source>
        <translation>
            <numerusform>⚠ %n angezeigter Aufenthalt behindert %1.</numerusform>
            <numerusform>⚠ %n angezeigte Aufenthalte behindern %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only the mansion of</source>
        <translation>Nur die Station von</translation>
    </message>
    <message>
        <source>Pe&amp;rson:</source>
        <translation>Pe&amp;rson:</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>%1 (mansion %2)</source>
        <translation>%1 (Station %2)</translation>
    </message>
    <message>
        <source>%1 — the birth mansion of %2</source>
        <translation>%1 — die Geburtsstation von %2</translation>
    </message>
</context>
<context>
    <name>frmMansionWheel</name>
    <message>
        <source>The mansion wheel</source>
        <translation>Das Mondstationen-Rad</translation>
    </message>
    <message>
        <source>Mansion Wheel</source>
        <translation>Mondstationen-Rad</translation>
    </message>
    <message>
        <source>Mansion Wheel — %1</source>
        <translation>Mondstationen-Rad — %1</translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2.</source>
        <translation>Der Mond auf %1, in Station %2.</translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2. %3</source>
        <translation>Der Mond auf %1, in Station %2. %3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Yellow arc: the Moon&apos;s path over the birth day, from 00:00 to 24:00; long tick: the birth.</source>
        <translation>Gelber Bogen: der Weg des Mondes am Geburtstag, von 00:00 bis 24:00; langer Strich: die Geburt.</translation>
    </message>
    <message>
        <source>%1 %2 — %3 — %4</source>
        <translation>%1 %2 — %3 — %4</translation>
    </message>
</context>
<context>
    <name>frmPeople</name>
    <message>
        <source>People</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>Search by name, place or mansion…</source>
        <translation>Nach Name, Ort oder Station suchen…</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Save Note</source>
        <translation>Notiz &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Keep it aside, as it is, and start a new book?</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Delete %1 from People?</source>
        <translation>%1 aus den Personen löschen?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation>Als &amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Export as &amp;Reading Files…</source>
        <translation>Als &amp;Deutungsdateien exportieren…</translation>
    </message>
    <message>
        <source>Import to People</source>
        <translation>In Personen importieren</translation>
    </message>
    <message>
        <source>People (*.csv *.qmz)</source>
        <translation>Personen (*.csv *.qmz)</translation>
    </message>
    <message>
        <source>Nothing can be added to People: %1</source>
        <translation>Nichts kann zu den Personen hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>A reading file holds the Moon&apos;s position only, no birth: open it with Open, or type the birth in the form and use Add to People</source>
        <translation>Eine Deutungsdatei enthält nur die Stellung des Mondes, keine Geburt: Öffnen Sie sie mit Öffnen, oder geben Sie die Geburt im Formular ein und verwenden Sie Zu Personen hinzufügen</translation>
    </message>
    <message>
        <source>Nothing was added to People: %1</source>
        <translation>Nichts wurde zu den Personen hinzugefügt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added to People.</source>
        <translation>
            <numerusform>%n Person zu den Personen hinzugefügt.</numerusform>
            <numerusform>%n Personen zu den Personen hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there.</source>
        <translation>
            <numerusform>%n war bereits vorhanden.</numerusform>
            <numerusform>%n waren bereits vorhanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export People as CSV</source>
        <translation>Personen als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>People were not exported to %1.
%2</source>
        <translation>Die Personen wurden nicht nach %1 exportiert.
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n exported to %1.</source>
        <translation>
            <numerusform>%n Person nach %1 exportiert.</numerusform>
            <numerusform>%n Personen nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export People as Reading Files</source>
        <translation>Personen als Deutungsdateien exportieren</translation>
    </message>
    <message>
        <source>1 reading file written to %1.</source>
        <translation>1 Deutungsdatei nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>%1 reading files written to %2.</source>
        <translation>%1 Deutungsdateien nach %2 geschrieben.</translation>
    </message>
    <message>
        <source>Not written:</source>
        <translation>Nicht geschrieben:</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n people from People?</source>
        <translation>
            <numerusform>%n Person aus den Personen löschen?</numerusform>
            <numerusform>%n Personen aus den Personen löschen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmPeopleImport</name>
    <message>
        <source>Import to People</source>
        <translation>In Personen importieren</translation>
    </message>
    <message>
        <source>Rows to import</source>
        <translation>Zu importierende Zeilen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Geburt</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Already in People</source>
        <translation>Bereits unter den Personen</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message numerus="yes">
        <source>%n to add</source>
        <translation>
            <numerusform>%n hinzuzufügen</numerusform>
            <numerusform>%n hinzuzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in People</source>
        <translation>
            <numerusform>%n bereits unter den Personen</numerusform>
            <numerusform>%n bereits unter den Personen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a problem: nothing is added unless you choose to add the good rows</source>
        <translation>
            <numerusform>%n mit einem Problem: nichts wird hinzugefügt, außer Sie fügen die gültigen Zeilen hinzu</numerusform>
            <numerusform>%n mit einem Problem: nichts wird hinzugefügt, außer Sie fügen die gültigen Zeilen hinzu</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add the &amp;Good Rows</source>
        <translation>Die &amp;gültigen Zeilen hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmPlaceFinder</name>
    <message>
        <source>Place of Birth — Qamarel</source>
        <translation>Geburtsort — Qamarel</translation>
    </message>
    <message>
        <source>Place to find</source>
        <translation>Gesuchter Ort</translation>
    </message>
    <message>
        <source>Choose the place of birth. Its longitude, latitude and time zone on the day of birth go into the form.</source>
        <translation>Wählen Sie den Geburtsort. Seine Länge, Breite und Zeitzone am Geburtstag werden in das Formular übernommen.</translation>
    </message>
    <message>
        <source>Places that match the city</source>
        <translation>Orte, die zur Stadt passen</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland/Staat</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Search the &amp;web instead</source>
        <translation>Stattdessen im &amp;Web suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>e.g. Pacific/Chatham</source>
        <translation>z. B. Pacific/Chatham</translation>
    </message>
    <message>
        <source>Or a zone by its &amp;name:</source>
        <translation>Oder eine Zone nach ihrem &amp;Namen:</translation>
    </message>
    <message>
        <source>Zones by name</source>
        <translation>Zonen nach Namen</translation>
    </message>
</context>
</TS>
