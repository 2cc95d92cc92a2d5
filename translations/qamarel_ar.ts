<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>FileDialogText</name>
    <message>
        <source>%1 is a folder.
Please choose another name.</source>
        <translation>‎%1‎ مجلد.
يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.
Please choose another folder.</source>
        <translation>مجلد ‎%1‎ غير موجود.
يُرجى اختيار مجلد آخر.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.
Please choose another name.</source>
        <translation>‎%1‎ ليس ملفاً عادياً.
يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it?</source>
        <translation>‎%1‎ للقراءة فقط.
هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>‎%1‎ موجود مسبقاً.
هل تريد استبداله؟</translation>
    </message>
</context>
<context>
    <name>LinkOpeningText</name>
    <message>
        <source>The page %1 could not be opened: no web browser answered.</source>
        <translation>تعذّر فتح الصفحة ‎%1‎: لم يستجب أي متصفح ويب.</translation>
    </message>
</context>
<context>
    <name>MansionFields</name>
    <message>
        <source>Lunar Mansion Name</source>
        <translation>اسم المنزلة القمرية</translation>
    </message>
    <message>
        <source>Arabic Name</source>
        <translation>الاسم العربي</translation>
    </message>
    <message>
        <source>English Meaning</source>
        <translation>المعنى (بالإنجليزية)</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>البرج</translation>
    </message>
    <message>
        <source>Planetary Ruler</source>
        <translation>الكوكب الحاكم</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>الملاك</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>الصفات</translation>
    </message>
    <message>
        <source>Famous Person</source>
        <translation>شخصية مشهورة</translation>
    </message>
    <message>
        <source>Favorable Circumstances</source>
        <translation>الظروف المواتية</translation>
    </message>
    <message>
        <source>Unfavorable Circumstances</source>
        <translation>الظروف غير المواتية</translation>
    </message>
</context>
<context>
    <name>MonthNames</name>
    <message>
        <source>January</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short month</comment>
        <translation>يناير</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short month</comment>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short month</comment>
        <translation>مارس</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short month</comment>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short month</comment>
        <translation>مايو</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short month</comment>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short month</comment>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short month</comment>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short month</comment>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short month</comment>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short month</comment>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short month</comment>
        <translation>ديسمبر</translation>
    </message>
</context>
<context>
    <name>PeopleTable</name>
    <message>
        <source>%1, born %2%3, mansion %4</source>
        <translation>‎%1‎، المولود في ‎%2‎%3، المنزل ‎%4‎</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> في ‎%1‎</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>الميلاد</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>المكان</translation>
    </message>
    <message>
        <source>Mansion</source>
        <translation>المنزل</translation>
    </message>
</context>
<context>
    <name>PlaceIndexText</name>
    <message>
        <source>%1 is not installed</source>
        <translation>‎%1‎ غير مثبّت</translation>
    </message>
    <message>
        <source>%1 is not a Qamarel place index</source>
        <translation>‎%1‎ ليس فهرس أماكن لبرنامج Qamarel</translation>
    </message>
    <message>
        <source>%1 is of format %2, not %3 as this Qamarel reads</source>
        <translation>‎%1‎ بالتنسيق ‎%2‎، لا بالتنسيق ‎%3‎ الذي يقرؤه هذا الإصدار من Qamarel</translation>
    </message>
    <message>
        <source>%1 was made on a machine of another byte order</source>
        <translation>أُنشئ ‎%1‎ على جهاز بترتيب بايتات مختلف</translation>
    </message>
    <message>
        <source>%1 is %2 bytes where its header says %3</source>
        <translation>حجم ‎%1‎ هو ‎%2‎ بايت بينما يذكر ترويسته ‎%3‎</translation>
    </message>
    <message>
        <source>%1 has a section outside the file</source>
        <translation>في ‎%1‎ قسم يقع خارج الملف</translation>
    </message>
</context>
<context>
    <name>PlaceSearchText</name>
    <message>
        <source>The place index could not be read: %1</source>
        <translation>تعذّرت قراءة فهرس الأماكن: ‎%1‎</translation>
    </message>
    <message>
        <source>The place name is empty.</source>
        <translation>اسم المكان فارغ.</translation>
    </message>
    <message>
        <source>No place called %1.</source>
        <translation>لا يوجد مكان باسم ‎%1‎.</translation>
    </message>
    <message>
        <source> Did you mean %1?</source>
        <translation> هل تقصد ‎%1‎؟</translation>
    </message>
    <message>
        <source> Did you mean %1 or %2?</source>
        <translation> هل تقصد ‎%1‎ أو ‎%2‎؟</translation>
    </message>
</context>
<context>
    <name>ProgramSettingsText</name>
    <message>
        <source>there is no home folder to keep them in (HOME is not set)</source>
        <translation>لا يوجد مجلد منزلي لحفظها فيه (HOME غير معرَّف)</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>‎%1‎ رابط رمزي</translation>
    </message>
    <message>
        <source>%1 is not a small regular file</source>
        <translation>‎%1‎ ليس ملفاً عادياً صغيراً</translation>
    </message>
    <message>
        <source>its lock %1 is not a regular file of this user&apos;s</source>
        <translation>ملف القفل ‎%1‎ ليس ملفاً عادياً يملكه هذا المستخدم</translation>
    </message>
    <message>
        <source>%1: the settings are not kept: %2</source>
        <translation>‎%1‎: لن تُحفظ الإعدادات: ‎%2‎</translation>
    </message>
    <message>
        <source>its lock %1 is held by another program</source>
        <translation>ملف القفل ‎%1‎ محجوز لدى برنامج آخر</translation>
    </message>
    <message>
        <source>its lock %1 cannot be made</source>
        <translation>تعذّر إنشاء ملف القفل ‎%1‎</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;مساعدة على الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زيارة موقعنا</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;تحقق من وجود تحديث</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>قد يتوفر تحديث لهذا البرنامج.
هل تريد البحث عن تحديث؟</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يُرجى إدخال عنوانَي بريد إلكتروني مختلفين</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يُرجى إدخال عنوان بريد إلكتروني صحيح</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>يُرجى إدخال بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يُرجى إدخال رسالتك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يُرجى إدخال اسم صديقك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يُرجى إدخال البريد الإلكتروني لصديقك</translation>
    </message>
    <message>
        <source>Arabic lunar mansion reading from birth data.</source>
        <translation>قراءة المنازل القمرية العربية من بيانات الميلاد.</translation>
    </message>
    <message>
        <source>A saved reading (.qmz) to show.</source>
        <translation>قراءة محفوظة (.qmz) لعرضها.</translation>
    </message>
    <message>
        <source>%1: more than one copy may run: %2</source>
        <translation>‎%1‎: قد تعمل أكثر من نسخة: ‎%2‎</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
    </message>
    <message>
        <source>%1: the running copy did not take %2: it is shown in a copy of its own</source>
        <translation>‎%1‎: لم تستلم النسخة العاملة ‎%2‎: سيُعرض في نسخة مستقلة</translation>
    </message>
    <message>
        <source>%1: no second start can hand its reading to this copy: %2 cannot be made</source>
        <translation>‎%1‎: لا يمكن لتشغيل ثانٍ أن يسلّم قراءته لهذه النسخة: تعذّر إنشاء ‎%2‎</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>The reading holds a character that a reading file cannot keep.</source>
        <translation>تحتوي القراءة على حرف لا يمكن لملف القراءة حفظه.</translation>
    </message>
</context>
<context>
    <name>ReadingSheetText</name>
    <message>
        <source>%1, summer time (clocks at %2)</source>
        <translation>‎%1‎، التوقيت الصيفي (الساعات على ‎%2‎)</translation>
    </message>
    <message>
        <source>Born on %1 at %2</source>
        <translation>وُلد في ‎%1‎ الساعة ‎%2‎</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> في ‎%1‎</translation>
    </message>
    <message>
        <source>, %1°%2′%3 %4°%5′%6, time zone %7</source>
        <translation>، ‎%1‎°‎%2‎′‎%3‎ ‎%4‎°‎%5‎′‎%6‎، المنطقة الزمنية ‎%7‎</translation>
    </message>
    <message>
        <source>Arabic Lunar Mansion Reading</source>
        <translation>قراءة المنزلة القمرية العربية</translation>
    </message>
    <message>
        <source>Arabic Lunar Mansion Reading for %1</source>
        <translation>قراءة المنزلة القمرية العربية لـ ‎%1‎</translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2: %3</source>
        <translation>القمر عند ‎%1‎، في المنزلة %2: %3</translation>
    </message>
    <message>
        <source>Qamarel v%1 — sidereal zodiac; the 28 mansions from 0° Aries, %2 each.</source>
        <translation>Qamarel v‎%1‎ — البروج النجمية؛ المنازل الثماني والعشرون من 0° الحمل، كل منها ‎%2‎.</translation>
    </message>
    <message>
        <source>The Moon was in this mansion all day on %1.</source>
        <translation>كان القمر في هذه المنزلة طوال يوم ‎%1‎.</translation>
    </message>
    <message>
        <source>On %1 the Moon entered this mansion at %2, coming from %3; it left it at %4 for %5.</source>
        <translation>في ‎%1‎ دخل القمر هذه المنزلة الساعة ‎%2‎ قادماً من ‎%3‎؛ وغادرها الساعة ‎%4‎ إلى ‎%5‎.</translation>
    </message>
    <message>
        <source>On %1 the Moon entered this mansion at %2, coming from %3.</source>
        <translation>في ‎%1‎ دخل القمر هذه المنزلة الساعة ‎%2‎ قادماً من ‎%3‎.</translation>
    </message>
    <message>
        <source>On %1 the Moon left this mansion at %2 for %3.</source>
        <translation>في ‎%1‎ غادر القمر هذه المنزلة الساعة ‎%2‎ إلى ‎%3‎.</translation>
    </message>
    <message>
        <source>mansion %1, %2</source>
        <translation>المنزلة ‎%1‎، ‎%2‎</translation>
    </message>
</context>
<context>
    <name>SheetPrinting</name>
    <message>
        <source>the printer could not be written</source>
        <translation>تعذّرت الكتابة إلى الطابعة</translation>
    </message>
    <message>
        <source>the page could not be written</source>
        <translation>تعذّرت كتابة الصفحة</translation>
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
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 on %2 %3</source>
        <comment>clock time, day, month</comment>
        <translation>‎%1‎ في %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, short month, clock time</comment>
        <translation>%1 %2 ‎%3‎</translation>
    </message>
</context>
<context>
    <name>UpdateReminderText</name>
    <message>
        <source>%1: the settings are not kept: %2</source>
        <translation>‎%1‎: لن تُحفظ الإعدادات: ‎%2‎</translation>
    </message>
</context>
<context>
    <name>WindowTurns</name>
    <message>
        <source>Another start of the program asked to show %1.<byte value="xd"/>Show it in place of the reading you chose?</source>
        <translation>طلب تشغيل آخر للبرنامج عرض ‎%1‎.
هل تريد عرضه بدلاً من القراءة التي اخترتها؟</translation>
    </message>
    <message>
        <source>Reading of a Moment</source>
        <translation>قراءة لحظة</translation>
    </message>
</context>
<context>
    <name>ZoneAtDateText</name>
    <message>
        <source>local mean time</source>
        <translation>التوقيت المحلي المتوسط</translation>
    </message>
    <message>
        <source>winter time, %1 behind standard time</source>
        <translation>التوقيت الشتوي، متأخر ‎%1‎ عن التوقيت القياسي</translation>
    </message>
    <message>
        <source>summer time of %1: the zone boxes hold all of %2, DST unticked</source>
        <translation>توقيت صيفي مقداره ‎%1‎: تحمل خانات المنطقة الزمنية كامل ‎%2‎، دون تحديد التوقيت الصيفي</translation>
    </message>
    <message>
        <source>summer time: the zone boxes hold all of %1, DST unticked</source>
        <translation>توقيت صيفي: تحمل خانات المنطقة الزمنية كامل ‎%1‎، دون تحديد التوقيت الصيفي</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>التوقيت الصيفي</translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <translation>في ‎%1‎ الساعة ‎%2‎</translation>
    </message>
    <message>
        <source>%1 %2: the time zone %3 is not known on this computer</source>
        <translation>‎%1‎ ‎%2‎: المنطقة الزمنية ‎%3‎ غير معروفة على هذا الحاسوب</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>‎%1‎: ‎%2‎ ‎%3‎</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (‎%1‎)</translation>
    </message>
    <message>
        <source>, taken as %1</source>
        <translation>، ويُحتسب ‎%1‎</translation>
    </message>
    <message>
        <source>. That time did not exist there: the clocks moved forward from %1 to %2. It is taken as the time before the change.</source>
        <translation>. هذا الوقت لم يوجد هناك: قُدِّمت الساعات من ‎%1‎ إلى ‎%2‎. ويُحتسب بالتوقيت السابق للتغيير.</translation>
    </message>
    <message>
        <source>. That time happened twice there: the clocks moved back from %1 to %2. The first time is taken.</source>
        <translation>. تكرّر هذا الوقت هناك مرتين: أُخِّرت الساعات من ‎%1‎ إلى ‎%2‎. ويُعتمد الوقت الأول.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Qamarel gives a detailed report that includes the positive and negative characteristics of people born with the moon in a particular lunar mansion or birth star according to Arabic Astrology.</source>
        <translation>يقدّم Qamarel تقريراً مفصّلاً يتضمن الصفات الإيجابية والسلبية لمن وُلدوا والقمر في منزلة قمرية معيّنة أو نجم ميلاد معيّن وفق علم الفلك العربي القديم.</translation>
    </message>
    <message>
        <source>Qamarel is free software under the GNU General Public License, version 3 or later. Places: GeoNames (geonames.org), CC BY 4.0, through libgeonames. Time zones: the IANA time zone database.</source>
        <translation>Qamarel برنامج حر مرخّص بموجب رخصة جنو العمومية، الإصدار 3 أو أحدث. الأماكن: GeoNames (geonames.org)، برخصة CC BY 4.0، عبر libgeonames. المناطق الزمنية: قاعدة بيانات المناطق الزمنية لدى IANA.</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>انقر هنا لزيارة </translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>انقر هنا لمزيد من التفاصيل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>frmArabicLunarMansionResult</name>
    <message>
        <source>Visit us online for more astrology software and readings</source>
        <translation>زورونا على الإنترنت لمزيد من برامج الفلك والقراءات</translation>
    </message>
    <message>
        <source>Qamarel Result</source>
        <translation>نتيجة Qamarel</translation>
    </message>
    <message>
        <source>Offer Qamarel to your clients under your own name: ask for co-branded copies</source>
        <translation>قدّم Qamarel لعملائك باسمك: اطلب نسخاً بعلامة مشتركة</translation>
    </message>
    <message>
        <source>Make Qamarel your own: ask for fully branded copies</source>
        <translation>اجعل Qamarel برنامجك: اطلب نسخاً تحمل علامتك التجارية بالكامل</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Show the Mansion &amp;Wheel</source>
        <translation>عرض &amp;عجلة المنازل</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>تصدير بصيغة &amp;PDF…</translation>
    </message>
    <message>
        <source>Mansion Ca&amp;lendar…</source>
        <translation>تقويم المنا&amp;زل…</translation>
    </message>
    <message>
        <source>Moon at %1 — mansion %2 of 28</source>
        <translation>القمر عند ‎%1‎ — المنزلة ‎%2‎ من 28</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Qamarel (*.qmz)</source>
        <translation>Qamarel (*.qmz)</translation>
    </message>
    <message>
        <source>The reading was not saved to %1.
%2</source>
        <translation>لم تُحفظ القراءة في ‎%1‎.
‎%2‎</translation>
    </message>
    <message>
        <source>The reading was not printed.
%1</source>
        <translation>لم تُطبع القراءة.
‎%1‎</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>تصدير بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The reading was not exported to %1.
%2</source>
        <translation>لم تُصدَّر القراءة إلى ‎%1‎.
‎%2‎</translation>
    </message>
    <message>
        <source> — in it from %1 to %2</source>
        <translation> — فيها من ‎%1‎ إلى ‎%2‎</translation>
    </message>
    <message>
        <source>&amp;Add to People</source>
        <translation>&amp;إضافة إلى الأشخاص</translation>
    </message>
    <message>
        <source>This reading</source>
        <translation>هذه القراءة</translation>
    </message>
    <message>
        <source>%1 is already in People.</source>
        <translation>‎%1‎ موجود بالفعل في الأشخاص.</translation>
    </message>
    <message>
        <source>%1 was not added to People: %2</source>
        <translation>لم يُضف ‎%1‎ إلى الأشخاص: ‎%2‎</translation>
    </message>
    <message>
        <source>%1 was added to People.</source>
        <translation>أُضيف ‎%1‎ إلى الأشخاص.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
</context>
<context>
    <name>frmExit</name>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم الصديق</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>البريد الإلكتروني للصديق</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Thank you for using Qamarel. If your reading spoke to you, tell a friend about it.</source>
        <translation>شكراً لاستخدامك Qamarel. إن لامست قراءتك شيئاً فيك، فأخبر صديقاً عنها.</translation>
    </message>
    <message>
        <source>Your support keeps Qamarel growing: visit us for more readings and software.</source>
        <translation>دعمك يساعد Qamarel على النمو: زورونا لمزيد من القراءات والبرامج.</translation>
    </message>
    <message>
        <source>Share Qamarel with the people you care about, and help us make more like it.</source>
        <translation>شارك Qamarel مع من تحب، وساعدنا على صنع المزيد مثله.</translation>
    </message>
    <message>
        <source>Enjoyed Qamarel? Recommend it to a friend and support its makers.</source>
        <translation>هل أعجبك Qamarel؟ أوصِ به صديقاً وادعم صانعيه.</translation>
    </message>
    <message>
        <source>More From Us</source>
        <translation>المزيد منا</translation>
    </message>
    <message>
        <source>Discover the publisher&apos;s other astrology and divination programs.</source>
        <translation>اكتشف برامج الناشر الأخرى في الفلك والعرافة.</translation>
    </message>
    <message>
        <source>Browse our software</source>
        <translation>تصفّح برامجنا</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>أوصِ صديقاً</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>أوصِ صديقاً ال&amp;آن</translation>
    </message>
    <message>
        <source>Visit our web site for news and new releases</source>
        <translation>زر موقعنا للاطلاع على الأخبار والإصدارات الجديدة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافة</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>اسم الصديق</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>البريد الإلكتروني للصديق</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>رسالتك</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Enter Name</source>
        <translation>يُرجى إدخال الاسم</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>يُرجى إدخال ساعة ودقيقة المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>يُرجى إدخال درجة خط الطول</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>يُرجى إدخال دقيقة خط الطول</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>يُرجى إدخال درجة خط العرض</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>يُرجى إدخال دقيقة خط العرض</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>يُرجى إدخال يوم أو شهر صحيح!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>يُرجى إدخال يوم أو شهر صحيح !</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone With The Same Sign</source>
        <translation>يُرجى إدخال ساعة ودقيقة المنطقة الزمنية بالإشارة نفسها</translation>
    </message>
    <message>
        <source>Degree of Longitude</source>
        <translation>درجة خط الطول</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>دقيقة خط الطول</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>درجة خط العرض</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>دقيقة خط العرض</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>ساعة المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>دقيقة المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Know more about your favorable and unfavorable personality traits based on Arabic Lunar Mansions. Enter the details to get your Arabic Lunar Mansion Reading.</source>
        <translation>اعرف المزيد عن سماتك الشخصية المواتية وغير المواتية وفق المنازل القمرية العربية. أدخل بياناتك لتحصل على قراءة منزلتك القمرية العربية.</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>انقر هنا للعثور على خط العرض &amp;&amp; خط الطول</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>وقت الميلاد</translation>
    </message>
    <message>
        <source>City</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الولاية</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>البلد</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>درجة</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>توقيت صيفي</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>مساعدة المنطقة</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <source>&amp;Get My Arabic Lunar Mansion</source>
        <translation>&amp;احصل على منزلتك القمرية العربية</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>افتح &amp;قراءة محفوظة</translation>
    </message>
    <message>
        <source>Visit us online for more astrology software and readings</source>
        <translation>زورونا على الإنترنت لمزيد من برامج الفلك والقراءات</translation>
    </message>
    <message>
        <source>Offer Qamarel to your clients under your own name and logo: ask for co-branded copies</source>
        <translation>قدّم Qamarel لعملائك باسمك وشعارك: اطلب نسخاً بعلامة مشتركة</translation>
    </message>
    <message>
        <source>Make Qamarel your own: ask for fully branded copies for your business</source>
        <translation>اجعل Qamarel برنامجك: اطلب نسخاً تحمل علامة شركتك بالكامل</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>شهر الميلاد</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>يوم الميلاد</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>سنة الميلاد</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>ساعة الميلاد</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>دقيقة الميلاد</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>ثانية الميلاد</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>خط الطول، درجات</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>خط الطول، دقائق</translation>
    </message>
    <message>
        <source>Longitude East</source>
        <translation>خط الطول شرقاً</translation>
    </message>
    <message>
        <source>Longitude West</source>
        <translation>خط الطول غرباً</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>خط العرض، درجات</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>خط العرض، دقائق</translation>
    </message>
    <message>
        <source>Latitude North</source>
        <translation>خط العرض شمالاً</translation>
    </message>
    <message>
        <source>Latitude South</source>
        <translation>خط العرض جنوباً</translation>
    </message>
    <message>
        <source>Time zone hours</source>
        <translation>المنطقة الزمنية، ساعات</translation>
    </message>
    <message>
        <source>Time zone minutes</source>
        <translation>المنطقة الزمنية، دقائق</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Time zone help: choose a named zone</source>
        <translation>مساعدة المنطقة الزمنية: اختر منطقة مسمّاة</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;احسب</translation>
    </message>
    <message>
        <source>Mansion Ca&amp;lendar…</source>
        <translation>تقويم المنا&amp;زل…</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>تُقبل الأرقام فقط</translation>
    </message>
    <message>
        <source>Please Enter A Number From 0 To 32767 For %1</source>
        <translation>يُرجى إدخال رقم من 0 إلى 32767 في ‎%1‎</translation>
    </message>
    <message>
        <source>Please Enter A Number For %1</source>
        <translation>يُرجى إدخال رقم في ‎%1‎</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>اختر الملف المصدر</translation>
    </message>
    <message>
        <source>Qamarel (*.qmz)</source>
        <translation>Qamarel (*.qmz)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>يُرجى التحقق من الملف.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>يُرجى إدخال المدينة</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>الأ&amp;شخاص…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>فتح &amp;حديث</translation>
    </message>
    <message>
        <source>&amp;Save to People</source>
        <translation>حفظ في الأشخا&amp;ص</translation>
    </message>
    <message>
        <source>Cancel &amp;Edit</source>
        <translation>إلغاء الت&amp;حرير</translation>
    </message>
    <message>
        <source>Save the changes to %1 in People first?</source>
        <translation>هل تحفظ أولاً التغييرات على ‎%1‎ في الأشخاص؟</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>تحرير ‎%1‎</translation>
    </message>
    <message>
        <source>%1 was not saved to People: %2</source>
        <translation>لم يُحفظ ‎%1‎ في الأشخاص: ‎%2‎</translation>
    </message>
    <message>
        <source>%1 was saved to People.</source>
        <translation>حُفظ ‎%1‎ في الأشخاص.</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>‎%1‎ غير موجود</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>‎%1‎ مجلد</translation>
    </message>
    <message>
        <source>%1 is not a saved reading (.qmz)</source>
        <translation>‎%1‎ ليس قراءة محفوظة (.qmz)</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>‎%1‎ ليس ملفاً عادياً</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>تتعذّر قراءة ‎%1‎</translation>
    </message>
    <message>
        <source>%1 does not hold a saved reading</source>
        <translation>‎%1‎ لا يحوي قراءة محفوظة</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;فتح…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>إ&amp;نهاء</translation>
    </message>
</context>
<context>
    <name>frmMansionCalendar</name>
    <message>
        <source>Mansion Calendar</source>
        <translation>تقويم المنازل</translation>
    </message>
    <message>
        <source>The calendar covers 1901 to 2050.</source>
        <translation>يغطي التقويم الأعوام من 1901 إلى 2050.</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>ال&amp;سابق</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <source>favours…</source>
        <translation>يُواتي…</translation>
    </message>
    <message>
        <source>Only the mansions that favour</source>
        <translation>المنازل المواتية فقط لـ</translation>
    </message>
    <message>
        <source>hinders…</source>
        <translation>يُعيق…</translation>
    </message>
    <message>
        <source>Warn of the mansions that hinder</source>
        <translation>التحذير من المنازل المعيقة لـ</translation>
    </message>
    <message>
        <source>Enters</source>
        <translation>الدخول</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Latin Name</source>
        <translation>الاسم اللاتيني</translation>
    </message>
    <message>
        <source>Arabic Name</source>
        <translation>الاسم العربي</translation>
    </message>
    <message>
        <source>English Meaning</source>
        <translation>المعنى (بالإنجليزية)</translation>
    </message>
    <message>
        <source>Favours</source>
        <translation>يُواتي</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>تصدير بصيغة &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>The reading&apos;s own mansion</source>
        <translation>منزلة القراءة نفسها</translation>
    </message>
    <message>
        <source>Mansion Calendar — %1 %2 — %3</source>
        <translation>تقويم المنازل — ‎%1‎ ‎%2‎ — ‎%3‎</translation>
    </message>
    <message>
        <source>The calendar was not printed.
%1</source>
        <translation>لم يُطبع التقويم.
‎%1‎</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>تصدير بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The calendar was not exported to %1.
%2</source>
        <translation>لم يُصدَّر التقويم إلى ‎%1‎.
‎%2‎</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>تصدير إلى تقويم</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Mansion Calendar — %1</source>
        <translation>تقويم المنازل — ‎%1‎</translation>
    </message>
    <message>
        <source>The Moon is in mansion %1, %2 (%3), until %4</source>
        <translation>القمر في المنزلة ‎%1‎، %2 (‎%3‎)، حتى ‎%4‎</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;اليوم</translation>
    </message>
    <message>
        <source>F&amp;avours:</source>
        <translation>&amp;يُواتي:</translation>
    </message>
    <message>
        <source>&amp;Hinders:</source>
        <translation>يُ&amp;عيق:</translation>
    </message>
    <message>
        <source>Stays of the month</source>
        <translation>إقامات الشهر</translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar…</source>
        <translation>تصدير إلى الت&amp;قويم…</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>انتقا&amp;ل</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>الشهر ال&amp;سابق</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>الشهر ال&amp;تالي</translation>
    </message>
    <message>
        <source>“%1” is not one of the topics: choose one from the list.</source>
        <translation>«‎%1‎» ليس من الموضوعات: اختر واحداً من القائمة.</translation>
    </message>
    <message>
        <source>No mansion shown hinders %1.</source>
        <translation>لا يُعيق أيٌّ من المنازل المعروضة ‎%1‎.</translation>
    </message>
    <message numerus="yes">
        <source>⚠ %n stay(s) shown hinder %1.</source>
        <translation>
            <numerusform>⚠ لا إقامات معروضة تُعيق ‎%1‎.</numerusform>
            <numerusform>⚠ إقامة واحدة معروضة تُعيق ‎%1‎.</numerusform>
            <numerusform>⚠ إقامتان معروضتان تُعيقان ‎%1‎.</numerusform>
            <numerusform>⚠ ‎%n‎ إقامات معروضة تُعيق ‎%1‎.</numerusform>
            <numerusform>⚠ ‎%n‎ إقامة معروضة تُعيق ‎%1‎.</numerusform>
            <numerusform>⚠ ‎%n‎ إقامة معروضة تُعيق ‎%1‎.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only the mansion of</source>
        <translation>منزل هذا الشخص فقط</translation>
    </message>
    <message>
        <source>Pe&amp;rson:</source>
        <translation>ال&amp;شخص:</translation>
    </message>
    <message>
        <source>People</source>
        <translation>الأشخاص</translation>
    </message>
    <message>
        <source>%1 (mansion %2)</source>
        <translation>‎%1‎ (المنزل ‎%2‎)</translation>
    </message>
    <message>
        <source>%1 — the birth mansion of %2</source>
        <translation>%1 — منزل ميلاد ‎%2‎</translation>
    </message>
</context>
<context>
    <name>frmMansionWheel</name>
    <message>
        <source>The mansion wheel</source>
        <translation>عجلة المنازل</translation>
    </message>
    <message>
        <source>Mansion Wheel</source>
        <translation>عجلة المنازل</translation>
    </message>
    <message>
        <source>Mansion Wheel — %1</source>
        <translation>عجلة المنازل — ‎%1‎</translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2.</source>
        <translation>القمر عند ‎%1‎، في المنزلة %2.</translation>
    </message>
    <message>
        <source>The Moon at %1, in mansion %2. %3</source>
        <translation>القمر عند ‎%1‎، في المنزلة %2. %3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Yellow arc: the Moon&apos;s path over the birth day, from 00:00 to 24:00; long tick: the birth.</source>
        <translation>القوس الأصفر: مسار القمر في يوم الميلاد من 00:00 إلى 24:00؛ العلامة الطويلة: لحظة الميلاد.</translation>
    </message>
    <message>
        <source>%1 %2 — %3 — %4</source>
        <translation>‎%1‎ ‎%2‎ — ‎%3‎ — ‎%4‎</translation>
    </message>
</context>
<context>
    <name>frmPeople</name>
    <message>
        <source>People</source>
        <translation>الأشخاص</translation>
    </message>
    <message>
        <source>Search by name, place or mansion…</source>
        <translation>ابحث بالاسم أو المكان أو المنزل…</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;فتح</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Save Note</source>
        <translation>حفظ الم&amp;لاحظة</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Keep it aside, as it is, and start a new book?</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Delete %1 from People?</source>
        <translation>حذف ‎%1‎ من الأشخاص؟</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>ت&amp;حرير</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;استيراد…</translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation>تصدير بصيغة &amp;CSV…</translation>
    </message>
    <message>
        <source>Export as &amp;Reading Files…</source>
        <translation>تصدير كملفات &amp;قراءة…</translation>
    </message>
    <message>
        <source>Import to People</source>
        <translation>استيراد إلى الأشخاص</translation>
    </message>
    <message>
        <source>People (*.csv *.qmz)</source>
        <translation>الأشخاص (*.csv *.qmz)</translation>
    </message>
    <message>
        <source>Nothing can be added to People: %1</source>
        <translation>لا يمكن إضافة شيء إلى الأشخاص: ‎%1‎</translation>
    </message>
    <message>
        <source>A reading file holds the Moon&apos;s position only, no birth: open it with Open, or type the birth in the form and use Add to People</source>
        <translation>ملف القراءة يحفظ موضع القمر فقط دون بيانات الميلاد: افتحه بأمر فتح، أو أدخل الميلاد في النموذج واستخدم إضافة إلى الأشخاص</translation>
    </message>
    <message>
        <source>Nothing was added to People: %1</source>
        <translation>لم يُضف شيء إلى الأشخاص: ‎%1‎</translation>
    </message>
    <message numerus="yes">
        <source>%n added to People.</source>
        <translation>
            <numerusform>لم يُضف أحد إلى الأشخاص.</numerusform>
            <numerusform>أُضيف شخص واحد إلى الأشخاص.</numerusform>
            <numerusform>أُضيف شخصان إلى الأشخاص.</numerusform>
            <numerusform>أُضيف ‎%n‎ أشخاص إلى الأشخاص.</numerusform>
            <numerusform>أُضيف ‎%n‎ شخصاً إلى الأشخاص.</numerusform>
            <numerusform>أُضيف ‎%n‎ شخصاً إلى الأشخاص.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there.</source>
        <translation>
            <numerusform>لا أحد موجود من قبل.</numerusform>
            <numerusform>واحد موجود من قبل.</numerusform>
            <numerusform>اثنان موجودان من قبل.</numerusform>
            <numerusform>‎%n‎ موجودون من قبل.</numerusform>
            <numerusform>‎%n‎ موجوداً من قبل.</numerusform>
            <numerusform>‎%n‎ موجوداً من قبل.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export People as CSV</source>
        <translation>تصدير الأشخاص بصيغة CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>People were not exported to %1.
%2</source>
        <translation>لم يُصدَّر الأشخاص إلى ‎%1‎.
‎%2‎</translation>
    </message>
    <message numerus="yes">
        <source>%n exported to %1.</source>
        <translation>
            <numerusform>لم يُصدَّر أحد إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّر شخص واحد إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّر شخصان إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّر ‎%n‎ أشخاص إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّر ‎%n‎ شخصاً إلى ‎%1‎.</numerusform>
            <numerusform>صُدِّر ‎%n‎ شخصاً إلى ‎%1‎.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export People as Reading Files</source>
        <translation>تصدير الأشخاص كملفات قراءة</translation>
    </message>
    <message>
        <source>1 reading file written to %1.</source>
        <translation>كُتب ملف قراءة واحد في ‎%1‎.</translation>
    </message>
    <message>
        <source>%1 reading files written to %2.</source>
        <translation>كُتبت ‎%1‎ ملفات قراءة في ‎%2‎.</translation>
    </message>
    <message>
        <source>Not written:</source>
        <translation>لم يُكتب:</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n people from People?</source>
        <translation>
            <numerusform>حذف لا أحد من الأشخاص؟</numerusform>
            <numerusform>حذف شخص واحد من الأشخاص؟</numerusform>
            <numerusform>حذف شخصين من الأشخاص؟</numerusform>
            <numerusform>حذف ‎%n‎ أشخاص من الأشخاص؟</numerusform>
            <numerusform>حذف ‎%n‎ شخصاً من الأشخاص؟</numerusform>
            <numerusform>حذف ‎%n‎ شخصاً من الأشخاص؟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmPeopleImport</name>
    <message>
        <source>Import to People</source>
        <translation>استيراد إلى الأشخاص</translation>
    </message>
    <message>
        <source>Rows to import</source>
        <translation>الصفوف المراد استيرادها</translation>
    </message>
    <message>
        <source>File</source>
        <translation>الملف</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>السطر</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>الميلاد</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>المشكلة</translation>
    </message>
    <message>
        <source>Already in People</source>
        <translation>موجود بالفعل في الأشخاص</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>السطر ‎%1‎</translation>
    </message>
    <message numerus="yes">
        <source>%n to add</source>
        <translation>
            <numerusform>لا شيء للإضافة</numerusform>
            <numerusform>واحد للإضافة</numerusform>
            <numerusform>اثنان للإضافة</numerusform>
            <numerusform>‎%n‎ للإضافة</numerusform>
            <numerusform>‎%n‎ للإضافة</numerusform>
            <numerusform>‎%n‎ للإضافة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in People</source>
        <translation>
            <numerusform>لا أحد في الأشخاص من قبل</numerusform>
            <numerusform>واحد في الأشخاص من قبل</numerusform>
            <numerusform>اثنان في الأشخاص من قبل</numerusform>
            <numerusform>‎%n‎ في الأشخاص من قبل</numerusform>
            <numerusform>‎%n‎ في الأشخاص من قبل</numerusform>
            <numerusform>‎%n‎ في الأشخاص من قبل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a problem: nothing is added unless you choose to add the good rows</source>
        <translation>
            <numerusform>لا مشكلات</numerusform>
            <numerusform>صف واحد فيه مشكلة: لن يُضاف شيء ما لم تختر إضافة الصفوف السليمة</numerusform>
            <numerusform>صفان فيهما مشكلة: لن يُضاف شيء ما لم تختر إضافة الصفوف السليمة</numerusform>
            <numerusform>‎%n‎ صفوف فيها مشكلة: لن يُضاف شيء ما لم تختر إضافة الصفوف السليمة</numerusform>
            <numerusform>‎%n‎ صفاً فيها مشكلة: لن يُضاف شيء ما لم تختر إضافة الصفوف السليمة</numerusform>
            <numerusform>‎%n‎ صفاً فيها مشكلة: لن يُضاف شيء ما لم تختر إضافة الصفوف السليمة</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;إضافة</translation>
    </message>
    <message>
        <source>Add the &amp;Good Rows</source>
        <translation>إضافة الصفوف ال&amp;سليمة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>frmPlaceFinder</name>
    <message>
        <source>Place of Birth — Qamarel</source>
        <translation>مكان الميلاد — Qamarel</translation>
    </message>
    <message>
        <source>Place to find</source>
        <translation>المكان المطلوب</translation>
    </message>
    <message>
        <source>Choose the place of birth. Its longitude, latitude and time zone on the day of birth go into the form.</source>
        <translation>اختر مكان الميلاد. يُنقل خط طوله وخط عرضه ومنطقته الزمنية في يوم الميلاد إلى النموذج.</translation>
    </message>
    <message>
        <source>Places that match the city</source>
        <translation>الأماكن المطابقة للمدينة</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>المكان</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الولاية</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>البلد</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>ا&amp;ختيار</translation>
    </message>
    <message>
        <source>Search the &amp;web instead</source>
        <translation>البحث في ال&amp;ويب بدلاً من ذلك</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>&amp;Quit</source>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>e.g. Pacific/Chatham</source>
        <translation>مثلاً Pacific/Chatham</translation>
    </message>
    <message>
        <source>Or a zone by its &amp;name:</source>
        <translation>أو منطقة زمنية با&amp;سمها:</translation>
    </message>
    <message>
        <source>Zones by name</source>
        <translation>المناطق الزمنية بالاسم</translation>
    </message>
</context>
</TS>
