<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FileDialogText</name>
    <message>
        <source>%1 is a folder.
Please choose another name.</source>
        <translation>%1 est un dossier.
Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.
Please choose another folder.</source>
        <translation>Le dossier de %1 n&apos;existe pas.
Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.
Please choose another name.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.
Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it?</source>
        <translation>%1 est en lecture seule.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>LinkOpeningText</name>
    <message>
        <source>The page %1 could not be opened: no web browser answered.</source>
        <translation>La page %1 n&apos;a pas pu être ouverte&#xa0;: aucun navigateur web n&apos;a répondu.</translation>
    </message>
</context>
<context>
    <name>MansionFields</name>
    <message>
        <source>Lunar Mansion Name</source>
        <translation>Nom de la demeure lunaire</translation>
    </message>
    <message>
        <source>Arabic Name</source>
        <translation>Nom arabe</translation>
    </message>
    <message>
        <source>English Meaning</source>
        <translation>Signification (anglais)</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constellation</translation>
    </message>
    <message>
        <source>Planetary Ruler</source>
        <translation>Planète maîtresse</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ange</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Caractéristiques</translation>
    </message>
    <message>
        <source>Famous Person</source>
        <translation>Personnalité célèbre</translation>
    </message>
    <message>
        <source>Favorable Circumstances</source>
        <translation>Circonstances favorables</translation>
    </message>
    <message>
        <source>Unfavorable Circumstances</source>
        <translation>Circonstances défavorables</translation>
    </message>
</context>
<context>
    <name>MonthNames</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short month</comment>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short month</comment>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short month</comment>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short month</comment>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short month</comment>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short month</comment>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short month</comment>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short month</comment>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short month</comment>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short month</comment>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short month</comment>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short month</comment>
        <translation>déc.</translation>
    </message>
</context>
<context>
    <name>PeopleTable</name>
    <message>
        <source>%1, born %2%3, mansion %4</source>
        <translation>%1, né(e) le %2%3, demeure %4</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> à %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Mansion</source>
        <translation>Demeure</translation>
    </message>
</context>
<context>
    <name>PlaceIndexText</name>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>%1 is not a Qamarel place index</source>
        <translation>%1 n&apos;est pas un index de lieux de Qamarel</translation>
    </message>
    <message>
        <source>%1 is of format %2, not %3 as this Qamarel reads</source>
        <translation>%1 est au format %2, et non %3 que lit ce Qamarel</translation>
    </message>
    <message>
        <source>%1 was made on a machine of another byte order</source>
        <translation>%1 a été créé sur une machine d&apos;un autre boutisme</translation>
    </message>
    <message>
        <source>%1 is %2 bytes where its header says %3</source>
        <translation>%1 fait %2 octets alors que son en-tête indique %3</translation>
    </message>
    <message>
        <source>%1 has a section outside the file</source>
        <translation>%1 a une section hors du fichier</translation>
    </message>
</context>
<context>
    <name>PlaceSearchText</name>
    <message>
        <source>The place index could not be read: %1</source>
        <translation>L&apos;index des lieux n&apos;a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The place name is empty.</source>
        <translation>Le nom du lieu est vide.</translation>
    </message>
    <message>
        <source>No place called %1.</source>
        <translation>Aucun lieu nommé %1.</translation>
    </message>
    <message>
        <source> Did you mean %1?</source>
        <translation> Vouliez-vous dire %1&#xa0;?</translation>
    </message>
    <message>
        <source> Did you mean %1 or %2?</source>
        <translation> Vouliez-vous dire %1 ou %2&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ProgramSettingsText</name>
    <message>
        <source>there is no home folder to keep them in (HOME is not set)</source>
        <translation>il n&apos;y a pas de dossier personnel où les garder (HOME n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 est un lien symbolique</translation>
    </message>
    <message>
        <source>%1 is not a small regular file</source>
        <translation>%1 n&apos;est pas un petit fichier ordinaire</translation>
    </message>
    <message>
        <source>its lock %1 is not a regular file of this user&apos;s</source>
        <translation>son verrou %1 n&apos;est pas un fichier ordinaire de cet utilisateur</translation>
    </message>
    <message>
        <source>%1: the settings are not kept: %2</source>
        <translation>%1&#xa0;: les paramètres ne sont pas conservés&#xa0;: %2</translation>
    </message>
    <message>
        <source>its lock %1 is held by another program</source>
        <translation>son verrou %1 est tenu par un autre programme</translation>
    </message>
    <message>
        <source>its lock %1 cannot be made</source>
        <translation>son verrou %1 ne peut pas être créé</translation>
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
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.
Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir des adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Arabic lunar mansion reading from birth data.</source>
        <translation>Interprétation des demeures lunaires arabes à partir des données de naissance.</translation>
    </message>
    <message>
        <source>A saved reading (.qmz) to show.</source>
        <translation>Une interprétation enregistrée (.qmz) à afficher.</translation>
    </message>
    <message>
        <source>%1: more than one copy may run: %2</source>
        <translation>%1&#xa0;: plus d&apos;une instance peut s&apos;exécuter&#xa0;: %2</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>%1: the running copy did not take %2: it is shown in a copy of its own</source>
        <translation>%1&#xa0;: l&apos;instance en cours n&apos;a pas pris %2&#xa0;: il est affiché dans une instance distincte</translation>
    </message>
    <message>
        <source>%1: no second start can hand its reading to this copy: %2 cannot be made</source>
        <translation>%1&#xa0;: aucun second lancement ne peut transmettre son interprétation à cette instance&#xa0;: impossible de créer %2</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>The reading holds a character that a reading file cannot keep.</source>
        <translation>L&apos;interprétation contient un caractère qu&apos;un fichier d&apos;interprétation ne peut pas conserver.</translation>
    </message>
</context>
<context>
    <name>ReadingSheetText</name>
    <message>
        <source>%1, summer time (clocks at %2)</source>
        <translation>%1, heure d&apos;été (horloges à %2)</translation>
    </message>
    <message>
        <source>Born on %1 at %2</source>
        <translation>Né(e) le %1 à %2</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> à %1</translation>
    </message>
    <message>
        <source>, %1°%2′%3 %4°%5′%6, time zone %7</source>
        <translation>, %1°%2′%3 %4°%5′%6, fuseau horaire %7</translation>
    </message>
    <message>
        <source>Arabic Lunar Mansion Reading</source>
        <translation>Interprétation de la demeure lunaire arabe</translation>
    </message>
    <message>
        <source>Arabic Lunar Mansion Reading for %1</source>
        <translation>Interprétation de la demeure lunaire arabe pour %1</translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2: %3</source>
        <translation>La Lune à %1, dans la demeure %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Qamarel v%1 — sidereal zodiac; the 28 mansions from 0° Aries, %2 each.</source>
        <translation>Qamarel v%1 — zodiaque sidéral ; les 28 demeures à partir de 0° Bélier, de %2 chacune.</translation>
    </message>
    <message>
        <source>The Moon was in this mansion all day on %1.</source>
        <translation>La Lune a été dans cette demeure toute la journée du %1.</translation>
    </message>
    <message>
        <source>On %1 the Moon entered this mansion at %2, coming from %3; it left it at %4 for %5.</source>
        <translation>Le %1, la Lune est entrée dans cette demeure à %2, venant de la %3 ; elle l’a quittée à %4 pour la %5.</translation>
    </message>
    <message>
        <source>On %1 the Moon entered this mansion at %2, coming from %3.</source>
        <translation>Le %1, la Lune est entrée dans cette demeure à %2, venant de la %3.</translation>
    </message>
    <message>
        <source>On %1 the Moon left this mansion at %2 for %3.</source>
        <translation>Le %1, la Lune a quitté cette demeure à %2 pour la %3.</translation>
    </message>
    <message>
        <source>mansion %1, %2</source>
        <translation>demeure %1, %2</translation>
    </message>
</context>
<context>
    <name>SheetPrinting</name>
    <message>
        <source>the printer could not be written</source>
        <translation>l&apos;imprimante n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>the page could not be written</source>
        <translation>la page n&apos;a pas pu être écrite</translation>
    </message>
</context>
<context>
    <name>ShownDates</name>
    <message>
        <source>%1</source>
        <comment>the first day of a month</comment>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, month, year</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 on %2 %3</source>
        <comment>clock time, day, month</comment>
        <translation>%1 le %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, short month, clock time</comment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>UpdateReminderText</name>
    <message>
        <source>%1: the settings are not kept: %2</source>
        <translation>%1&#xa0;: les paramètres ne sont pas conservés&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>WindowTurns</name>
    <message>
        <source>Another start of the program asked to show %1.<byte value="xd"/>Show it in place of the reading you chose?</source>
        <translation>Un autre lancement du programme demande à afficher %1.
Le montrer à la place de l’interprétation choisie&#xa0;?</translation>
    </message>
    <message>
        <source>Reading of a Moment</source>
        <translation>Interprétation d&apos;un instant</translation>
    </message>
</context>
<context>
    <name>ZoneAtDateText</name>
    <message>
        <source>local mean time</source>
        <translation>temps moyen local</translation>
    </message>
    <message>
        <source>winter time, %1 behind standard time</source>
        <translation>heure d&apos;hiver, %1 de retard sur l&apos;heure normale</translation>
    </message>
    <message>
        <source>summer time of %1: the zone boxes hold all of %2, DST unticked</source>
        <translation>heure d&apos;été de %1&#xa0;: les cases du fuseau contiennent tout %2, heure d&apos;été décochée</translation>
    </message>
    <message>
        <source>summer time: the zone boxes hold all of %1, DST unticked</source>
        <translation>heure d&apos;été&#xa0;: les cases du fuseau contiennent tout %1, heure d&apos;été décochée</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>heure d&apos;été</translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <translation>le %1 à %2</translation>
    </message>
    <message>
        <source>%1 %2: the time zone %3 is not known on this computer</source>
        <translation>%1 %2&#xa0;: le fuseau horaire %3 n&apos;est pas connu sur cet ordinateur</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1&#xa0;: %2 %3</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>, taken as %1</source>
        <translation>, compté comme %1</translation>
    </message>
    <message>
        <source>. That time did not exist there: the clocks moved forward from %1 to %2. It is taken as the time before the change.</source>
        <translation>. Cette heure n&apos;a pas existé là-bas&#xa0;: les horloges sont passées de %1 à %2. Elle est comptée comme l&apos;heure d&apos;avant le changement.</translation>
    </message>
    <message>
        <source>. That time happened twice there: the clocks moved back from %1 to %2. The first time is taken.</source>
        <translation>. Cette heure a eu lieu deux fois là-bas&#xa0;: les horloges sont revenues de %1 à %2. La première est retenue.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Qamarel gives a detailed report that includes the positive and negative characteristics of people born with the moon in a particular lunar mansion or birth star according to Arabic Astrology.</source>
        <translation>Qamarel fournit un rapport détaillé des traits positifs et négatifs des personnes nées avec la Lune dans une demeure lunaire ou une étoile de naissance donnée, selon l&apos;astrologie arabe.</translation>
    </message>
    <message>
        <source>Qamarel is free software under the GNU General Public License, version 3 or later. Places: GeoNames (geonames.org), CC BY 4.0, through libgeonames. Time zones: the IANA time zone database.</source>
        <translation>Qamarel est un logiciel libre sous licence GNU General Public License, version 3 ou ultérieure. Lieux&#xa0;: GeoNames (geonames.org), CC BY 4.0, via libgeonames. Fuseaux horaires&#xa0;: la base de données des fuseaux horaires de l&apos;IANA.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>Visitez </translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
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
        <translation>Logiciels et interprétations astrologiques en ligne</translation>
    </message>
    <message>
        <source>Qamarel Result</source>
        <translation>Résultat de Qamarel</translation>
    </message>
    <message>
        <source>Offer Qamarel to your clients under your own name: ask for co-branded copies</source>
        <translation>Qamarel pour vos clients sous votre nom&#xa0;: demandez le co-marquage</translation>
    </message>
    <message>
        <source>Make Qamarel your own: ask for fully branded copies</source>
        <translation>Faites de Qamarel le vôtre&#xa0;: demandez des copies à votre marque</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Show the Mansion &amp;Wheel</source>
        <translation>Afficher la roue des &amp;demeures</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Exporter en &amp;PDF…</translation>
    </message>
    <message>
        <source>Mansion Ca&amp;lendar…</source>
        <translation>Ca&amp;lendrier des demeures…</translation>
    </message>
    <message>
        <source>Moon at %1 — mansion %2 of 28</source>
        <translation>Lune à %1 — demeure %2 sur 28</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Qamarel (*.qmz)</source>
        <translation>Qamarel (*.qmz)</translation>
    </message>
    <message>
        <source>The reading was not saved to %1.
%2</source>
        <translation>L&apos;interprétation n&apos;a pas été enregistrée dans %1.
%2</translation>
    </message>
    <message>
        <source>The reading was not printed.
%1</source>
        <translation>L&apos;interprétation n&apos;a pas été imprimée.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The reading was not exported to %1.
%2</source>
        <translation>L&apos;interprétation n&apos;a pas été exportée vers %1.
%2</translation>
    </message>
    <message>
        <source> — in it from %1 to %2</source>
        <translation> — elle y reste de %1 à %2</translation>
    </message>
    <message>
        <source>&amp;Add to People</source>
        <translation>A&amp;jouter aux personnes</translation>
    </message>
    <message>
        <source>This reading</source>
        <translation>Cette interprétation</translation>
    </message>
    <message>
        <source>%1 is already in People.</source>
        <translation>%1 figure déjà parmi les personnes.</translation>
    </message>
    <message>
        <source>%1 was not added to People: %2</source>
        <translation>%1 n&apos;a pas été ajouté aux personnes&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was added to People.</source>
        <translation>%1 a été ajouté aux personnes.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>frmExit</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l&apos;ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de l&apos;ami</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Thank you for using Qamarel. If your reading spoke to you, tell a friend about it.</source>
        <translation>Merci d&apos;utiliser Qamarel. Si votre interprétation vous a parlé, parlez-en à un ami.</translation>
    </message>
    <message>
        <source>Your support keeps Qamarel growing: visit us for more readings and software.</source>
        <translation>Votre soutien fait grandir Qamarel&#xa0;: rendez-nous visite pour d&apos;autres interprétations et logiciels.</translation>
    </message>
    <message>
        <source>Share Qamarel with the people you care about, and help us make more like it.</source>
        <translation>Partagez Qamarel avec ceux qui vous sont chers, et aidez-nous à en créer d&apos;autres.</translation>
    </message>
    <message>
        <source>Enjoyed Qamarel? Recommend it to a friend and support its makers.</source>
        <translation>Qamarel vous a plu&#xa0;? Recommandez-le à un ami et soutenez ses auteurs.</translation>
    </message>
    <message>
        <source>More From Us</source>
        <translation>Plus de notre part</translation>
    </message>
    <message>
        <source>Discover the publisher&apos;s other astrology and divination programs.</source>
        <translation>Découvrez les autres logiciels d&apos;astrologie et de divination de l&apos;éditeur.</translation>
    </message>
    <message>
        <source>Browse our software</source>
        <translation>Parcourir nos logiciels</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander à un ami &amp;maintenant</translation>
    </message>
    <message>
        <source>Visit our web site for news and new releases</source>
        <translation>Visitez notre site pour les actualités et les nouvelles versions</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d&apos;espace</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nom de l&apos;ami</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Adresse e-mail de l&apos;ami</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Votre message</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Enter Name</source>
        <translation>Veuillez saisir un nom</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>Veuillez saisir les heures et minutes du fuseau horaire</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Veuillez saisir les degrés de longitude</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Veuillez saisir les minutes de longitude</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Veuillez saisir les degrés de latitude</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>Veuillez saisir les minutes de latitude</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez saisir un jour ou un mois correct&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez saisir un jour ou un mois correct&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone With The Same Sign</source>
        <translation>Veuillez saisir les heures et minutes du fuseau horaire avec le même signe</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>Degrés de longitude</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>Minutes de longitude</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>Degrés de latitude</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>Minutes de latitude</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>Heures du fuseau horaire</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>Minutes du fuseau horaire</translation>
    </message>
    <message>
        <source>Know more about your favorable and unfavorable personality traits based on Arabic Lunar Mansions. Enter the details to get your Arabic Lunar Mansion Reading.</source>
        <translation>Découvrez vos traits de personnalité favorables et défavorables selon les demeures lunaires arabes. Saisissez vos données pour obtenir l&apos;interprétation de votre demeure lunaire arabe.</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Cliquez ici pour trouver latitude &amp;&amp; longitude</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État/Région</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>Aide fuseau</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>&amp;Get My Arabic Lunar Mansion</source>
        <translation>&amp;Obtenir ma demeure lunaire arabe</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Ouvrir une interprétation &amp;enregistrée</translation>
    </message>
    <message>
        <source>Visit us online for more astrology software and readings</source>
        <translation>Logiciels et interprétations astrologiques en ligne</translation>
    </message>
    <message>
        <source>Offer Qamarel to your clients under your own name and logo: ask for co-branded copies</source>
        <translation>Proposez Qamarel à vos clients sous votre nom et votre logo&#xa0;: demandez des copies en co-marquage</translation>
    </message>
    <message>
        <source>Make Qamarel your own: ask for fully branded copies for your business</source>
        <translation>Faites de Qamarel votre logiciel&#xa0;: demandez des copies entièrement à votre marque pour votre entreprise</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mois de naissance</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Jour de naissance</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Heure de naissance (heures)</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Minute de naissance</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>Seconde de naissance</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitude, degrés</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitude, minutes</translation>
    </message>
    <message>
        <source>Longitude East</source>
        <translation>Longitude est</translation>
    </message>
    <message>
        <source>Longitude West</source>
        <translation>Longitude ouest</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitude, degrés</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitude, minutes</translation>
    </message>
    <message>
        <source>Latitude North</source>
        <translation>Latitude nord</translation>
    </message>
    <message>
        <source>Latitude South</source>
        <translation>Latitude sud</translation>
    </message>
    <message>
        <source>Time zone hours</source>
        <translation>Fuseau horaire, heures</translation>
    </message>
    <message>
        <source>Time zone minutes</source>
        <translation>Fuseau horaire, minutes</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Time zone help: choose a named zone</source>
        <translation>Aide fuseau&#xa0;: choisir un fuseau nommé</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Mansion Ca&amp;lendar…</source>
        <translation>Ca&amp;lendrier des demeures…</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Seuls les chiffres sont acceptés</translation>
    </message>
    <message>
        <source>Please Enter A Number From 0 To 32767 For %1</source>
        <translation>Veuillez saisir un nombre de 0 à 32767 pour %1</translation>
    </message>
    <message>
        <source>Please Enter A Number For %1</source>
        <translation>Veuillez saisir un nombre pour %1</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Sélectionner le fichier source</translation>
    </message>
    <message>
        <source>Qamarel (*.qmz)</source>
        <translation>Qamarel (*.qmz)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Veuillez vérifier le fichier.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Veuillez saisir une ville</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>&amp;Personnes…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save to People</source>
        <translation>Enre&amp;gistrer dans les personnes</translation>
    </message>
    <message>
        <source>Cancel &amp;Edit</source>
        <translation>Annuler la &amp;modification</translation>
    </message>
    <message>
        <source>Save the changes to %1 in People first?</source>
        <translation>Enregistrer d&apos;abord les modifications de %1 dans les personnes&#xa0;?</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>%1 was not saved to People: %2</source>
        <translation>%1 n&apos;a pas été enregistré dans les personnes&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was saved to People.</source>
        <translation>%1 a été enregistré dans les personnes.</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 is not a saved reading (.qmz)</source>
        <translation>%1 n&apos;est pas une interprétation enregistrée (.qmz)</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 does not hold a saved reading</source>
        <translation>%1 ne contient pas d&apos;interprétation enregistrée</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>frmMansionCalendar</name>
    <message>
        <source>Mansion Calendar</source>
        <translation>Calendrier des demeures</translation>
    </message>
    <message>
        <source>The calendar covers 1901 to 2050.</source>
        <translation>Le calendrier couvre 1901 à 2050.</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>favours…</source>
        <translation>favorise…</translation>
    </message>
    <message>
        <source>Only the mansions that favour</source>
        <translation>Seulement les demeures qui favorisent</translation>
    </message>
    <message>
        <source>hinders…</source>
        <translation>entrave…</translation>
    </message>
    <message>
        <source>Warn of the mansions that hinder</source>
        <translation>Avertir des demeures qui entravent</translation>
    </message>
    <message>
        <source>Enters</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Latin Name</source>
        <translation>Nom latin</translation>
    </message>
    <message>
        <source>Arabic Name</source>
        <translation>Nom arabe</translation>
    </message>
    <message>
        <source>English Meaning</source>
        <translation>Signification (anglais)</translation>
    </message>
    <message>
        <source>Favours</source>
        <translation>Favorise</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Exporter en &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The reading&apos;s own mansion</source>
        <translation>La demeure de l&apos;interprétation</translation>
    </message>
    <message>
        <source>Mansion Calendar — %1 %2 — %3</source>
        <translation>Calendrier des demeures — %1 %2 — %3</translation>
    </message>
    <message>
        <source>The calendar was not printed.
%1</source>
        <translation>Le calendrier n&apos;a pas été imprimé.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The calendar was not exported to %1.
%2</source>
        <translation>Le calendrier n&apos;a pas été exporté vers %1.
%2</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exporter vers un calendrier</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Mansion Calendar — %1</source>
        <translation>Calendrier des demeures — %1</translation>
    </message>
    <message>
        <source>The Moon is in mansion %1, %2 (%3), until %4</source>
        <translation>La Lune est dans la demeure %1, %2 (%3), jusqu&apos;à %4</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>F&amp;avours:</source>
        <translation>Fa&amp;vorise&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Hinders:</source>
        <translation>&amp;Entrave&#xa0;:</translation>
    </message>
    <message>
        <source>Stays of the month</source>
        <translation>Séjours du mois</translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar…</source>
        <translation>Exporter vers le ca&amp;lendrier…</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>Mois &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>Mois &amp;suivant</translation>
    </message>
    <message>
        <source>“%1” is not one of the topics: choose one from the list.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un des thèmes&#xa0;: choisissez-en un dans la liste.</translation>
    </message>
    <message>
        <source>No mansion shown hinders %1.</source>
        <translation>Aucune demeure affichée n&apos;entrave %1.</translation>
    </message>
    <message numerus="yes">
        <source>⚠ %n stay(s) shown hinder %1.</source>
        <translation>
            <numerusform>⚠ %n séjour affiché entrave %1.</numerusform>
            <numerusform>⚠ %n séjours affichés entravent %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only the mansion of</source>
        <translation>Seulement la demeure de</translation>
    </message>
    <message>
        <source>Pe&amp;rson:</source>
        <translation>Pe&amp;rsonne&#xa0;:</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>%1 (mansion %2)</source>
        <translation>%1 (demeure %2)</translation>
    </message>
    <message>
        <source>%1 — the birth mansion of %2</source>
        <translation>%1 — la demeure de naissance de %2</translation>
    </message>
</context>
<context>
    <name>frmMansionWheel</name>
    <message>
        <source>The mansion wheel</source>
        <translation>La roue des demeures</translation>
    </message>
    <message>
        <source>Mansion Wheel</source>
        <translation>Roue des demeures</translation>
    </message>
    <message>
        <source>Mansion Wheel — %1</source>
        <translation>Roue des demeures — %1</translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2.</source>
        <translation>La Lune à %1, dans la demeure %2.</translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2. %3</source>
        <translation>La Lune à %1, dans la demeure %2. %3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Yellow arc: the Moon&apos;s path over the birth day, from 00:00 to 24:00; long tick: the birth.</source>
        <translation>Arc jaune&#xa0;: la course de la Lune le jour de la naissance, de 00:00 à 24:00 ; trait long&#xa0;: la naissance.</translation>
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
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Search by name, place or mansion…</source>
        <translation>Rechercher par nom, lieu ou demeure…</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Save Note</source>
        <translation>&amp;Enregistrer la note</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Keep it aside, as it is, and start a new book?</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Delete %1 from People?</source>
        <translation>Supprimer %1 des personnes&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation>Exporter en &amp;CSV…</translation>
    </message>
    <message>
        <source>Export as &amp;Reading Files…</source>
        <translation>Exporter en fichiers d&apos;&amp;interprétation…</translation>
    </message>
    <message>
        <source>Import to People</source>
        <translation>Importer dans les personnes</translation>
    </message>
    <message>
        <source>People (*.csv *.qmz)</source>
        <translation>Personnes (*.csv *.qmz)</translation>
    </message>
    <message>
        <source>Nothing can be added to People: %1</source>
        <translation>Rien ne peut être ajouté aux personnes&#xa0;: %1</translation>
    </message>
    <message>
        <source>A reading file holds the Moon&apos;s position only, no birth: open it with Open, or type the birth in the form and use Add to People</source>
        <translation>Un fichier d&apos;interprétation ne contient que la position de la Lune, pas de naissance&#xa0;: ouvrez-le avec Ouvrir, ou saisissez la naissance dans le formulaire et utilisez Ajouter aux personnes</translation>
    </message>
    <message>
        <source>Nothing was added to People: %1</source>
        <translation>Rien n&apos;a été ajouté aux personnes&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added to People.</source>
        <translation>
            <numerusform>%n ajoutée aux personnes.</numerusform>
            <numerusform>%n ajoutées aux personnes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there.</source>
        <translation>
            <numerusform>%n déjà présente.</numerusform>
            <numerusform>%n déjà présentes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export People as CSV</source>
        <translation>Exporter les personnes en CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>People were not exported to %1.
%2</source>
        <translation>Les personnes n&apos;ont pas été exportées vers %1.
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n exported to %1.</source>
        <translation>
            <numerusform>%n personne exportée vers %1.</numerusform>
            <numerusform>%n personnes exportées vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export People as Reading Files</source>
        <translation>Exporter les personnes en fichiers d&apos;interprétation</translation>
    </message>
    <message>
        <source>1 reading file written to %1.</source>
        <translation>1 fichier d&apos;interprétation écrit dans %1.</translation>
    </message>
    <message>
        <source>%1 reading files written to %2.</source>
        <translation>%1 fichiers d&apos;interprétation écrits dans %2.</translation>
    </message>
    <message>
        <source>Not written:</source>
        <translation>Non écrits&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n people from People?</source>
        <translation>
            <numerusform>Supprimer %n personne des personnes&#xa0;?</numerusform>
            <numerusform>Supprimer %n personnes des personnes&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmPeopleImport</name>
    <message>
        <source>Import to People</source>
        <translation>Importer dans les personnes</translation>
    </message>
    <message>
        <source>Rows to import</source>
        <translation>Lignes à importer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Already in People</source>
        <translation>Déjà parmi les personnes</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message numerus="yes">
        <source>%n to add</source>
        <translation>
            <numerusform>%n à ajouter</numerusform>
            <numerusform>%n à ajouter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in People</source>
        <translation>
            <numerusform>%n déjà parmi les personnes</numerusform>
            <numerusform>%n déjà parmi les personnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a problem: nothing is added unless you choose to add the good rows</source>
        <translation>
            <numerusform>%n avec un problème&#xa0;: rien n&apos;est ajouté sauf si vous choisissez d&apos;ajouter les lignes valides</numerusform>
            <numerusform>%n avec un problème&#xa0;: rien n&apos;est ajouté sauf si vous choisissez d&apos;ajouter les lignes valides</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add the &amp;Good Rows</source>
        <translation>Ajouter les lignes &amp;valides</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmPlaceFinder</name>
    <message>
        <source>Place of Birth — Qamarel</source>
        <translation>Lieu de naissance — Qamarel</translation>
    </message>
    <message>
        <source>Place to find</source>
        <translation>Lieu à trouver</translation>
    </message>
    <message>
        <source>Choose the place of birth. Its longitude, latitude and time zone on the day of birth go into the form.</source>
        <translation>Choisissez le lieu de naissance. Sa longitude, sa latitude et son fuseau horaire au jour de la naissance sont reportés dans le formulaire.</translation>
    </message>
    <message>
        <source>Places that match the city</source>
        <translation>Lieux correspondant à la ville</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État/Région</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Search the &amp;web instead</source>
        <translation>Chercher plutôt sur le &amp;Web</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>e.g. Pacific/Chatham</source>
        <translation>p. ex. Pacific/Chatham</translation>
    </message>
    <message>
        <source>Or a zone by its &amp;name:</source>
        <translation>Ou un fuseau par son &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Zones by name</source>
        <translation>Fuseaux par nom</translation>
    </message>
</context>
</TS>
