<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FileDialogText</name>
    <message>
        <source>%1 is a folder.
Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.
Please choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file.
Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkOpeningText</name>
    <message>
        <source>The page %1 could not be opened: no web browser answered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MansionFields</name>
    <message>
        <source>Lunar Mansion Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Famous Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorable Circumstances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfavorable Circumstances</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonthNames</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short month</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PeopleTable</name>
    <message>
        <source>%1, born %2%3, mansion %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mansion</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaceIndexText</name>
    <message>
        <source>%1 is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Qamarel place index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is of format %2, not %3 as this Qamarel reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was made on a machine of another byte order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 bytes where its header says %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a section outside the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaceSearchText</name>
    <message>
        <source>The place index could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The place name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No place called %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Did you mean %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Did you mean %1 or %2?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramSettingsText</name>
    <message>
        <source>there is no home folder to keep them in (HOME is not set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a small regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock %1 is not a regular file of this user&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the settings are not kept: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock %1 is held by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic lunar mansion reading from birth data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saved reading (.qmz) to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: more than one copy may run: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the running copy did not take %2: it is shown in a copy of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no second start can hand its reading to this copy: %2 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>The reading holds a character that a reading file cannot keep.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingSheetText</name>
    <message>
        <source>%1, summer time (clocks at %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born on %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1°%2′%3 %4°%5′%6, time zone %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic Lunar Mansion Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic Lunar Mansion Reading for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qamarel v%1 — sidereal zodiac; the 28 mansions from 0° Aries, %2 each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon was in this mansion all day on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On %1 the Moon entered this mansion at %2, coming from %3; it left it at %4 for %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On %1 the Moon entered this mansion at %2, coming from %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On %1 the Moon left this mansion at %2 for %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mansion %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetPrinting</name>
    <message>
        <source>the printer could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page could not be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShownDates</name>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, month, year</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2 %3</source>
        <comment>clock time, day, month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, short month, clock time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1</source>
        <comment>the first day of a month</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminderText</name>
    <message>
        <source>%1: the settings are not kept: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowTurns</name>
    <message>
        <source>Another start of the program asked to show %1.<byte value="xd"/>Show it in place of the reading you chose?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading of a Moment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneAtDateText</name>
    <message>
        <source>local mean time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>winter time, %1 behind standard time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>summer time of %1: the zone boxes hold all of %2, DST unticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>summer time: the zone boxes hold all of %1, DST unticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>summer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: the time zone %3 is not known on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, taken as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. That time did not exist there: the clocks moved forward from %1 to %2. It is taken as the time before the change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. That time happened twice there: the clocks moved back from %1 to %2. The first time is taken.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Qamarel gives a detailed report that includes the positive and negative characteristics of people born with the moon in a particular lunar mansion or birth star according to Arabic Astrology.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qamarel is free software under the GNU General Public License, version 3 or later. Places: GeoNames (geonames.org), CC BY 4.0, through libgeonames. Time zones: the IANA time zone database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmArabicLunarMansionResult</name>
    <message>
        <source>Visit us online for more astrology software and readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qamarel Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer Qamarel to your clients under your own name: ask for co-branded copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Qamarel your own: ask for fully branded copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Mansion &amp;Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mansion Ca&amp;lendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon at %1 — mansion %2 of 28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qamarel (*.qmz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading was not saved to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading was not printed.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading was not exported to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — in it from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already in People.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not added to People: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was added to People.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExit</name>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you for using Qamarel. If your reading spoke to you, tell a friend about it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your support keeps Qamarel growing: visit us for more readings and software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Qamarel with the people you care about, and help us make more like it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enjoyed Qamarel? Recommend it to a friend and support its makers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More From Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discover the publisher&apos;s other astrology and divination programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse our software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our web site for news and new releases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Enter Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone With The Same Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Know more about your favorable and unfavorable personality traits based on Arabic Lunar Mansions. Enter the details to get your Arabic Lunar Mansion Reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get My Arabic Lunar Mansion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit us online for more astrology software and readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer Qamarel to your clients under your own name and logo: ask for co-branded copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Qamarel your own: ask for fully branded copies for your business</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone help: choose a named zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mansion Ca&amp;lendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter A Number From 0 To 32767 For %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter A Number For %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qamarel (*.qmz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save to People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel &amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to %1 in People first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved to People: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was saved to People.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a saved reading (.qmz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not hold a saved reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMansionCalendar</name>
    <message>
        <source>Mansion Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar covers 1901 to 2050.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>favours…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the mansions that favour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hinders…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn of the mansions that hinder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latin Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading&apos;s own mansion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mansion Calendar — %1 %2 — %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar was not printed.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar was not exported to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mansion Calendar — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon is in mansion %1, %2 (%3), until %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;avours:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hinders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stays of the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not one of the topics: choose one from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mansion shown hinders %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>⚠ %n stay(s) shown hinder %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Only the mansion of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pe&amp;rson:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (mansion %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — the birth mansion of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMansionWheel</name>
    <message>
        <source>The mansion wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mansion Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mansion Wheel — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow arc: the Moon&apos;s path over the birth day, from 00:00 to 24:00; long tick: the birth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 — %3 — %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPeople</name>
    <message>
        <source>People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by name, place or mansion…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Keep it aside, as it is, and start a new book?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 from People?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as &amp;Reading Files…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import to People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People (*.csv *.qmz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be added to People: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reading file holds the Moon&apos;s position only, no birth: open it with Open, or type the birth in the form and use Add to People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was added to People: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n added to People.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export People as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People were not exported to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n exported to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export People as Reading Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 reading file written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reading files written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete %n people from People?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmPeopleImport</name>
    <message>
        <source>Import to People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already in People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n to add</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in People</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a problem: nothing is added unless you choose to add the good rows</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the &amp;Good Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPlaceFinder</name>
    <message>
        <source>Place of Birth — Qamarel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place to find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the place of birth. Its longitude, latitude and time zone on the day of birth go into the form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places that match the city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the &amp;web instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. Pacific/Chatham</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or a zone by its &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zones by name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
