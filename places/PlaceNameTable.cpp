#include "places/PlaceNameTable.h"

#include <algorithm>
#include <iterator>

namespace PlaceNameTable {

namespace {

// ISO 3166-1 alpha-3 codes, each followed by its alpha-2 code.
// Source: ISO 3166-1 as published in Debian's iso-codes 4.15
// (/usr/share/iso-codes/json/iso_3166-1.json).
constexpr const char Alpha3[] =
    "ABWAW AFGAF AGOAO AIAAI ALAAX ALBAL ANDAD AREAE ARGAR ARMAM ASMAS ATAAQ ATFTF ATGAG AUSAU AUTAT "
    "AZEAZ BDIBI BELBE BENBJ BESBQ BFABF BGDBD BGRBG BHRBH BHSBS BIHBA BLMBL BLRBY BLZBZ BMUBM BOLBO "
    "BRABR BRBBB BRNBN BTNBT BVTBV BWABW CAFCF CANCA CCKCC CHECH CHLCL CHNCN CIVCI CMRCM CODCD COGCG "
    "COKCK COLCO COMKM CPVCV CRICR CUBCU CUWCW CXRCX CYMKY CYPCY CZECZ DEUDE DJIDJ DMADM DNKDK DOMDO "
    "DZADZ ECUEC EGYEG ERIER ESHEH ESPES ESTEE ETHET FINFI FJIFJ FLKFK FRAFR FROFO FSMFM GABGA GBRGB "
    "GEOGE GGYGG GHAGH GIBGI GINGN GLPGP GMBGM GNBGW GNQGQ GRCGR GRDGD GRLGL GTMGT GUFGF GUMGU GUYGY "
    "HKGHK HMDHM HNDHN HRVHR HTIHT HUNHU IDNID IMNIM INDIN IOTIO IRLIE IRNIR IRQIQ ISLIS ISRIL ITAIT "
    "JAMJM JEYJE JORJO JPNJP KAZKZ KENKE KGZKG KHMKH KIRKI KNAKN KORKR KWTKW LAOLA LBNLB LBRLR LBYLY "
    "LCALC LIELI LKALK LSOLS LTULT LUXLU LVALV MACMO MAFMF MARMA MCOMC MDAMD MDGMG MDVMV MEXMX MHLMH "
    "MKDMK MLIML MLTMT MMRMM MNEME MNGMN MNPMP MOZMZ MRTMR MSRMS MTQMQ MUSMU MWIMW MYSMY MYTYT NAMNA "
    "NCLNC NERNE NFKNF NGANG NICNI NIUNU NLDNL NORNO NPLNP NRUNR NZLNZ OMNOM PAKPK PANPA PCNPN PERPE "
    "PHLPH PLWPW PNGPG POLPL PRIPR PRKKP PRTPT PRYPY PSEPS PYFPF QATQA REURE ROURO RUSRU RWARW SAUSA "
    "SDNSD SENSN SGPSG SGSGS SHNSH SJMSJ SLBSB SLESL SLVSV SMRSM SOMSO SPMPM SRBRS SSDSS STPST SURSR "
    "SVKSK SVNSI SWESE SWZSZ SXMSX SYCSC SYRSY TCATC TCDTD TGOTG THATH TJKTJ TKLTK TKMTM TLSTL TONTO "
    "TTOTT TUNTN TURTR TUVTV TWNTW TZATZ UGAUG UKRUA UMIUM URYUY USAUS UZBUZ VATVA VCTVC VENVE VGBVG "
    "VIRVI VNMVN VUTVU WLFWF WSMWS YEMYE ZAFZA ZMBZM ZWEZW ";

// Short forms in common use that are not ISO codes. "UK" is the code ISO 3166
// reserves for the United Kingdom at its request.
constexpr struct {
    const char* key;
    const char* code;
} ShortForms[] = {
    {"uk", "GB"}, {"uae", "AE"}, {"great britain", "GB"}, {"britain", "GB"}, {"america", "US"},
    {"united states", "US"}, {"holland", "NL"}, {"south korea", "KR"}, {"czechia", "CZ"},
};

// Postal abbreviations of Canadian provinces (Canada Post, Addressing
// Guidelines, "Province and territory symbols") and Australian states (Australia
// Post, Addressing guidelines), with the GeoNames admin1 codes of the same states
// (geonames.org, admin1CodesASCII.txt).
constexpr StateAbbreviation Abbreviations[] = {
    {"ab", "CA", "01"}, {"bc", "CA", "02"}, {"mb", "CA", "03"}, {"nb", "CA", "04"}, {"nl", "CA", "05"},
    {"ns", "CA", "07"}, {"on", "CA", "08"}, {"pe", "CA", "09"}, {"pei", "CA", "09"}, {"qc", "CA", "10"},
    {"sk", "CA", "11"}, {"yt", "CA", "12"}, {"nt", "CA", "13"}, {"nu", "CA", "14"},
    {"act", "AU", "01"}, {"nsw", "AU", "02"}, {"nt", "AU", "03"}, {"qld", "AU", "04"}, {"sa", "AU", "05"},
    {"tas", "AU", "06"}, {"vic", "AU", "07"}, {"wa", "AU", "08"},
};

// Former and English names that the packaged name catalogues leave out.
// Source: GeoNames alternate names (geonames.org, alternateNamesV2.txt, the
// entries marked historic or English for each id).
constexpr OtherName Others[] = {
    {1275339, "Bombay"},         {1275004, "Calcutta"},  {1264527, "Madras"},
    {1816670, "Peking"},         {1566083, "Saigon"},    {1298824, "Rangoon"},
    {703448, "Kiev"},            {104515, "Mecca"},      {104515, "Makkah"},
    {745044, "Constantinople"},  {292968, "Abu Dhabi"},  {1526273, "Astana"},
    {4140963, "Washington"},     {1277333, "Bangalore"}, {498817, "Leningrad"},
    // Former names, historic in GeoNames' alternate names: Volgograd was
    // Stalingrad 1925-1961, Nizhny Novgorod Gorky 1932-1990, Yekaterinburg
    // Sverdlovsk 1924-1991, Chemnitz Karl-Marx-Stadt 1953-1990, Kinshasa
    // Léopoldville until 1966; and the German names of Lviv, Bratislava,
    // Kaliningrad (Königsberg until 1946), Gdańsk, Wrocław and Strasbourg;
    // Canton, the English name of Guangzhou until pinyin.
    {472757, "Stalingrad"},      {520555, "Gorky"},      {1486209, "Sverdlovsk"},
    {2940132, "Karl-Marx-Stadt"}, {2314302, "Léopoldville"}, {702550, "Lemberg"},
    {3060972, "Pressburg"},      {554234, "Königsberg"}, {3099434, "Danzig"},
    {3081368, "Breslau"},        {2973783, "Straßburg"},      {1809858, "Canton"},
    // Short forms, abbreviations in GeoNames' alternate names; no place of the
    // list has either as its own name.
    {5128581, "NYC"},            {5368361, "LA"},
};

// Capitals of the countries in the list, by GeoNames id: the capital that
// geonames.org's countryInfo.txt names for each country, or where that place
// is not in the list (East Jerusalem, Melekeok, Plymouth) the seat of
// government; Mauritania's, Nouakchott, is missing from the list itself.
constexpr std::uint32_t Capitals[] = {
    3041563, 292968, 1138958,  // Andorra la Vella AD; Abu Dhabi Island and Internal Islands City AE; Kabul AF
    3576022, 3573374, 3183875,  // St John's AG; The Valley AI; Tirana AL
    616052, 2240449, 3435910,  // Yerevan AM; Luanda AO; Buenos Aires AR
    5881576, 2761369, 2172517,  // Pago Pago AS; Vienna AT; Canberra AU
    3041732, 587084, 3191281,  // Mariehamn AX; Baku AZ; Sarajevo BA
    3374036, 1185241, 2800866,  // Bridgetown BB; Dhaka BD; Brussels BE
    2357048, 727011, 290340,  // Ouagadougou BF; Sofia BG; Manama BH
    426272, 2392087, 3573197,  // Gitega BI; Porto-Novo BJ; Hamilton BM
    1820906, 3903987, 3469058,  // Bandar Seri Begawan BN; Sucre BO; Brasília BR
    3571824, 1252416, 933773,  // Nassau BS; Thimphu BT; Gaborone BW
    625144, 3582672, 6094817,  // Minsk BY; Belmopan BZ; Ottawa CA
    2314302, 2389853, 2260535,  // Kinshasa CD; Bangui CF; Brazzaville CG
    2661552, 2279755, 4035715,  // Bern CH; Yamoussoukro CI; Avarua CK
    3871336, 2220957, 1816670,  // Santiago CL; Yaoundé CM; Beijing CN
    3688689, 3621849, 3553478,  // Bogotá CO; San José CR; Havana CU
    3374333, 146268, 3067696,  // Praia CV; Nicosia CY; Prague CZ
    2950159, 223817, 2618425,  // Berlin DE; Djibouti DJ; Copenhagen DK
    3575635, 3492908, 2507480,  // Roseau DM; Santo Domingo DO; Algiers DZ
    3652462, 588409, 360630,  // Quito EC; Tallinn EE; Cairo EG
    343300, 3117735, 344979,  // Asmara ER; Madrid ES; Addis Ababa ET
    658225, 2198148, 2081986,  // Helsinki FI; Suva FJ; Palikir FM
    2611396, 2988507, 2399697,  // Tórshavn FO; Paris FR; Libreville GA
    2643743, 3579925, 611717,  // London GB; St. George's GD; Tbilisi GE
    3382160, 3042287, 2306104,  // Cayenne GF; St Peter Port GG; Accra GH
    3421319, 2413876, 2422465,  // Nuuk GL; Banjul GM; Conakry GN
    3579732, 2309527, 264371,  // Basse-Terre GP; Malabo GQ; Athens GR
    3598132, 4044012, 2374775,  // Guatemala City GT; Hagåtña GU; Bissau GW
    3378644, 1819729, 3600949,  // Georgetown GY; Hong Kong HK; Tegucigalpa HN
    3186886, 3718426, 3054643,  // Zagreb HR; Port-au-Prince HT; Budapest HU
    1642911, 2964574, 281184,  // Jakarta ID; Dublin IE; Jerusalem IL
    3042237, 1261481, 98182,  // Douglas IM; New Delhi IN; Baghdad IQ
    112931, 3413829, 3169070,  // Tehran IR; Reykjavik IS; Rome IT
    3042091, 3489854, 250441,  // Saint Helier JE; Kingston JM; Amman JO
    1850147, 184745, 1528675,  // Tokyo JP; Nairobi KE; Bishkek KG
    1821306, 2110257, 921772,  // Phnom Penh KH; Tarawa KI; Moroni KM
    3575551, 1871859, 1835848,  // Basseterre KN; Pyongyang KP; Seoul KR
    285787, 3580661, 1526273,  // Kuwait City KW; George Town KY; Nur-Sultan KZ
    1651944, 276781, 3576812,  // Vientiane LA; Beirut LB; Castries LC
    3042030, 1248991, 2274895,  // Vaduz LI; Colombo LK; Monrovia LR
    932505, 593116, 2960316,  // Maseru LS; Vilnius LT; Luxembourg LU
    456172, 2210247, 2538475,  // Riga LV; Tripoli LY; Rabat MA
    2993458, 618426, 3193044,  // Monaco MC; Chișinău MD; Podgorica ME
    1070940, 2113779, 785842,  // Antananarivo MG; Majuro MH; Skopje MK
    2460596, 6611854, 2028462,  // Bamako ML; Nay Pyi Taw MM; Ulaanbaatar MN
    7828758, 3570675, 7266440,  // Saipan MP; Fort-de-France MQ; Brades MS
    2562305, 934154, 1282027,  // Valletta MT; Port Louis MU; Malé MV
    927967, 3530597, 1735161,  // Lilongwe MW; Mexico City MX; Kuala Lumpur MY
    1040652, 3352136, 2139521,  // Maputo MZ; Windhoek NA; Noumea NC
    2440485, 2352778, 3617763,  // Niamey NE; Abuja NG; Managua NI
    2759794, 3143244, 1283240,  // Amsterdam NL; Oslo NO; Kathmandu NP
    7626461, 2179537, 287286,  // Yaren District NR; Wellington NZ; Muscat OM
    3703443, 3936456, 4033936,  // Panama City PA; Lima PE; Papeete PF
    2088122, 1701668, 1176615,  // Port Moresby PG; Manila PH; Islamabad PK
    756135, 3424934, 4568127,  // Warsaw PL; Saint-Pierre PM; San Juan PR
    282239, 2267057, 8063361,  // Ramallah PS; Lisbon PT; Ngerulmud PW
    3439389, 290030, 935264,  // Asunción PY; Doha QA; Saint-Denis RE
    683506, 792680, 524901,  // Bucharest RO; Belgrade RS; Moscow RU
    202061, 108410, 2108502,  // Kigali RW; Riyadh SA; Honiara SB
    241131, 379252, 2673730,  // Victoria SC; Khartoum SD; Stockholm SE
    3196359, 3060972, 2409306,  // Ljubljana SI; Bratislava SK; Freetown SL
    3168070, 2253354, 53654,  // San Marino SM; Dakar SN; Mogadishu SO
    3383330, 373303, 2410763,  // Paramaribo SR; Juba SS; São Tomé ST
    3583361, 170654, 934985,  // San Salvador SV; Damascus SY; Mbabane SZ
    2427123, 2365267, 1609350,  // N'Djamena TD; Lomé TG; Bangkok TH
    1221874, 1645457, 162183,  // Dushanbe TJ; Dili TL; Ashgabat TM
    2464470, 4032402, 323786,  // Tunis TN; Nuku'alofa TO; Ankara TR
    3573890, 2110394, 1668341,  // Port of Spain TT; Funafuti TV; Taipei TW
    160196, 703448, 232422,  // Dodoma TZ; Kyiv UA; Kampala UG
    4140963, 3441575, 1512569,  // Washington D.C. US; Montevideo UY; Tashkent UZ
    3577887, 3646738, 4795467,  // Kingstown VC; Caracas VE; Charlotte Amalie VI
    1581130, 2135171, 4035413,  // Hanoi VN; Port Vila VU; Apia WS
    786714, 71137, 921815,  // Pristina XK; Sanaa YE; Mamoudzou YT
    964137, 909137, 890299,  // Pretoria ZA; Lusaka ZM; Harare ZW
};

// Seats of government of US states (Pierre and Montpelier are under the
// list's 15,000 people), Canadian provinces and territories and Australian
// states and territories, by GeoNames id (GeoNames feature code PPLA).
constexpr std::uint32_t StateSeats[] = {
    4076784, 5554072, 5308655,  // Montgomery AL; Juneau AK; Phoenix AZ
    4119403, 5389489, 5419384,  // Little Rock AR; Sacramento CA; Denver CO
    4835797, 4142290, 4174715,  // Hartford CT; Dover DE; Tallahassee FL
    4180439, 5856195, 5586437,  // Atlanta GA; Honolulu HI; Boise ID
    4250542, 4259418, 4853828,  // Springfield IL; Indianapolis IN; Des Moines IA
    4280539, 4292188, 4315588,  // Topeka KS; Frankfort KY; Baton Rouge LA
    4957003, 4347242, 4930956,  // Augusta ME; Annapolis MD; Boston MA
    4998830, 5045360, 4431410,  // Lansing MI; Saint Paul MN; Jackson MS
    4392388, 5656882, 5072006,  // Jefferson City MO; Helena MT; Lincoln NE
    5501344, 5084868, 5105496,  // Carson City NV; Concord NH; Trenton NJ
    5490263, 5106834, 4487042,  // Santa Fe NM; Albany NY; Raleigh NC
    5688025, 4509177, 4544349,  // Bismarck ND; Columbus OH; Oklahoma City OK
    5750162, 5192726, 5224151,  // Salem OR; Harrisburg PA; Providence RI
    4575352, 4644585, 4671654,  // Columbia SC; Nashville TN; Austin TX
    5780993, 4781708, 5805687,  // Salt Lake City UT; Richmond VA; Olympia WA
    4801859, 5261457, 5821086,  // Charleston WV; Madison WI; Cheyenne WY
    5946768, 6174041, 6183235,  // Edmonton 01; Victoria 02; Winnipeg 03
    5957776, 6324733, 6324729,  // Fredericton 04; St. John's 05; Halifax 07
    6167865, 5920288, 6325494,  // Toronto 08; Charlottetown 09; Québec 10
    6119109, 6180550, 6185377,  // Regina 11; Whitehorse 12; Yellowknife 13
    2172517, 2147714, 2073124,  // Canberra 01; Sydney 02; Darwin 03
    2174003, 2078025, 2163355,  // Brisbane 04; Adelaide 05; Hobart 06
    2158177, 2063523,  // Melbourne 07; Perth 08
};

template <std::size_t N>
bool Holds(const std::uint32_t (&ids)[N], std::uint32_t id)
{
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

}  // namespace

QString CountryCodeFor(const QString& key)
{
    for (const auto& s : ShortForms)
        if (key == QLatin1String(s.key))
            return QLatin1String(s.code);
    if (key.size() != 3)
        return {};
    const QString upper = key.toUpper();
    const QLatin1String table(Alpha3);
    for (qsizetype at = 0; at + 5 <= table.size(); at += 6)
        if (table.sliced(at, 3) == upper)
            return table.sliced(at + 3, 2);
    return {};
}

const StateAbbreviation* StateAbbreviations(std::size_t& count)
{
    count = std::size(Abbreviations);
    return Abbreviations;
}

const OtherName* OtherNames(std::size_t& count)
{
    count = std::size(Others);
    return Others;
}

bool IsCapital(std::uint32_t id)
{
    return Holds(Capitals, id);
}

std::size_t CapitalCount()
{
    return std::size(Capitals);
}

bool IsStateSeat(std::uint32_t id)
{
    return Holds(StateSeats, id);
}

}  // namespace PlaceNameTable
