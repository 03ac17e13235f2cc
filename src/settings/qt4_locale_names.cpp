#include "settings/qt4_locale_names.h"

#include <iterator>

// Both tables are indexed by the old enumeration value, ten names to a row;
// the number in front of a row is the value of its first name, so a slip
// shows at a glance.

namespace {

// clang-format off
const char* const kLanguageNames[] = {
    /*   0 */ "Default", "C", "Abkhazian", "Afan", "Afar", "Afrikaans", "Albanian", "Amharic",
              "Arabic", "Armenian",
    /*  10 */ "Assamese", "Aymara", "Azerbaijani", "Bashkir", "Basque", "Bengali", "Bhutani",
              "Bihari", "Bislama", "Breton",
    /*  20 */ "Bulgarian", "Burmese", "Byelorussian", "Cambodian", "Catalan", "Chinese", "Corsican",
              "Croatian", "Czech", "Danish",
    /*  30 */ "Dutch", "English", "Esperanto", "Estonian", "Faroese", "Fiji", "Finnish", "French",
              "Frisian", "Gaelic",
    /*  40 */ "Galician", "Georgian", "German", "Greek", "Greenlandic", "Guarani", "Gujarati",
              "Hausa", "Hebrew", "Hindi",
    /*  50 */ "Hungarian", "Icelandic", "Indonesian", "Interlingua", "Interlingue", "Inuktitut",
              "Inupiak", "Irish", "Italian", "Japanese",
    /*  60 */ "Javanese", "Kannada", "Kashmiri", "Kazakh", "Kinyarwanda", "Kirghiz", "Korean",
              "Kurdish", "Kurundi", "Laothian",
    /*  70 */ "Latin", "Latvian", "Lingala", "Lithuanian", "Macedonian", "Malagasy", "Malay",
              "Malayalam", "Maltese", "Maori",
    /*  80 */ "Marathi", "Moldavian", "Mongolian", "Nauru", "Nepali", "Norwegian", "Occitan",
              "Oriya", "Pashto", "Persian",
    /*  90 */ "Polish", "Portuguese", "Punjabi", "Quechua", "RhaetoRomance", "Romanian", "Russian",
              "Samoan", "Sangho", "Sanskrit",
    /* 100 */ "Serbian", "SerboCroatian", "Sesotho", "Setswana", "Shona", "Sindhi", "Singhalese",
              "Siswati", "Slovak", "Slovenian",
    /* 110 */ "Somali", "Spanish", "Sundanese", "Swahili", "Swedish", "Tagalog", "Tajik", "Tamil",
              "Tatar", "Telugu",
    /* 120 */ "Thai", "Tibetan", "Tigrinya", "Tonga", "Tsonga", "Turkish", "Turkmen", "Twi",
              "Uigur", "Ukrainian",
    /* 130 */ "Urdu", "Uzbek", "Vietnamese", "Volapuk", "Welsh", "Wolof", "Xhosa", "Yiddish",
              "Yoruba", "Zhuang",
    /* 140 */ "Zulu", "Nynorsk", "Bosnian", "Divehi", "Manx", "Cornish", "Akan", "Konkani", "Ga",
              "Igbo",
    /* 150 */ "Kamba", "Syriac", "Blin", "Geez", "Koro", "Sidamo", "Atsam", "Tigre", "Jju",
              "Friulian",
    /* 160 */ "Venda", "Ewe", "Walamo", "Hawaiian", "Tyap", "Chewa", "Filipino", "Swiss German",
              "Sichuan Yi", "Kpelle",
    /* 170 */ "Low German", "South Ndebele", "Northern Sotho", "Northern Sami", "Taroko", "Gusii",
              "Taita", "Fulah", "Kikuyu", "Samburu",
    /* 180 */ "Sena", "North Ndebele", "Rombo", "Tachelhit", "Kabyle", "Nyankole", "Bena", "Vunjo",
              "Bambara", "Embu",
    /* 190 */ "Cherokee", "Morisyen", "Makonde", "Langi", "Ganda", "Bemba", "Kabuverdianu", "Meru",
              "Kalenjin", "Nama",
    /* 200 */ "Machame", "Colognian", "Masai", "Soga", "Luyia", "Asu", "Teso", "Saho",
              "Koyra Chiini", "Rwa",
    /* 210 */ "Luo", "Chiga", "Central Morocco Tamazight", "Koyraboro Senni", "Shambala",
};

const char* const kCountryNames[] = {
    /*   0 */ "Default", "Afghanistan", "Albania", "Algeria", "American Samoa", "Andorra", "Angola",
              "Anguilla", "Antarctica", "Antigua And Barbuda",
    /*  10 */ "Argentina", "Armenia", "Aruba", "Australia", "Austria", "Azerbaijan", "Bahamas",
              "Bahrain", "Bangladesh", "Barbados",
    /*  20 */ "Belarus", "Belgium", "Belize", "Benin", "Bermuda", "Bhutan", "Bolivia",
              "Bosnia And Herzegowina", "Botswana", "Bouvet Island",
    /*  30 */ "Brazil", "British Indian Ocean Territory", "Brunei", "Bulgaria", "Burkina Faso",
              "Burundi", "Cambodia", "Cameroon", "Canada", "Cape Verde",
    /*  40 */ "Cayman Islands", "Central African Republic", "Chad", "Chile", "China",
              "Christmas Island", "Cocos Islands", "Colombia", "Comoros",
              "Democratic Republic Of Congo",
    /*  50 */ "People's Republic Of Congo", "Cook Islands", "Costa Rica", "Ivory Coast", "Croatia",
              "Cuba", "Cyprus", "Czech Republic", "Denmark", "Djibouti",
    /*  60 */ "Dominica", "Dominican Republic", "East Timor", "Ecuador", "Egypt", "El Salvador",
              "Equatorial Guinea", "Eritrea", "Estonia", "Ethiopia",
    /*  70 */ "Falkland Islands", "Faroe Islands", "Fiji", "Finland", "France",
              "Metropolitan France", "French Guiana", "French Polynesia",
              "French Southern Territories", "Gabon",
    /*  80 */ "Gambia", "Georgia", "Germany", "Ghana", "Gibraltar", "Greece", "Greenland",
              "Grenada", "Guadeloupe", "Guam",
    /*  90 */ "Guatemala", "Guinea", "Guinea Bissau", "Guyana", "Haiti",
              "Heard And McDonald Islands", "Honduras", "Hong Kong", "Hungary", "Iceland",
    /* 100 */ "India", "Indonesia", "Iran", "Iraq", "Ireland", "Israel", "Italy", "Jamaica",
              "Japan", "Jordan",
    /* 110 */ "Kazakhstan", "Kenya", "Kiribati", "Democratic Republic Of Korea",
              "Republic Of Korea", "Kuwait", "Kyrgyzstan", "Lao", "Latvia", "Lebanon",
    /* 120 */ "Lesotho", "Liberia", "Libya", "Liechtenstein", "Lithuania", "Luxembourg", "Macau",
              "Macedonia", "Madagascar", "Malawi",
    /* 130 */ "Malaysia", "Maldives", "Mali", "Malta", "Marshall Islands", "Martinique",
              "Mauritania", "Mauritius", "Mayotte", "Mexico",
    /* 140 */ "Micronesia", "Moldova", "Monaco", "Mongolia", "Montserrat", "Morocco", "Mozambique",
              "Myanmar", "Namibia", "Nauru",
    /* 150 */ "Nepal", "Netherlands", "Netherlands Antilles", "New Caledonia", "New Zealand",
              "Nicaragua", "Niger", "Nigeria", "Niue", "Norfolk Island",
    /* 160 */ "Northern Mariana Islands", "Norway", "Oman", "Pakistan", "Palau",
              "Palestinian Territory", "Panama", "Papua New Guinea", "Paraguay", "Peru",
    /* 170 */ "Philippines", "Pitcairn", "Poland", "Portugal", "Puerto Rico", "Qatar", "Reunion",
              "Romania", "Russian Federation", "Rwanda",
    /* 180 */ "Saint Kitts And Nevis", "St Lucia", "St Vincent And The Grenadines", "Samoa",
              "San Marino", "Sao Tome And Principe", "Saudi Arabia", "Senegal", "Seychelles",
              "Sierra Leone",
    /* 190 */ "Singapore", "Slovakia", "Slovenia", "Solomon Islands", "Somalia", "South Africa",
              "South Georgia And The South Sandwich Islands", "Spain", "Sri Lanka", "St Helena",
    /* 200 */ "St Pierre And Miquelon", "Sudan", "Suriname", "Svalbard And Jan Mayen Islands",
              "Swaziland", "Sweden", "Switzerland", "Syria", "Taiwan", "Tajikistan",
    /* 210 */ "Tanzania", "Thailand", "Togo", "Tokelau", "Tonga", "Trinidad And Tobago", "Tunisia",
              "Turkey", "Turkmenistan", "Turks And Caicos Islands",
    /* 220 */ "Tuvalu", "Uganda", "Ukraine", "United Arab Emirates", "United Kingdom",
              "United States", "United States Minor Outlying Islands", "Uruguay", "Uzbekistan",
              "Vanuatu",
    /* 230 */ "Vatican City State", "Venezuela", "Viet Nam", "British Virgin Islands",
              "US Virgin Islands", "Wallis And Futuna Islands", "Western Sahara", "Yemen",
              "Yugoslavia", "Zambia",
    /* 240 */ "Zimbabwe", "Serbia And Montenegro", "Montenegro", "Serbia", "Saint Barthelemy",
              "Saint Martin", "Latin America And The Caribbean",
};
// clang-format on

static_assert(std::size(kLanguageNames) == qt4_locale::kLastLanguage + 1,
              "one language name per enumeration value");
static_assert(std::size(kCountryNames) == qt4_locale::kLastCountry + 1,
              "one country name per enumeration value");

QString nameAt(const char* const* names, int last, int number) {
    if (number < 0 || number > last) return QStringLiteral("Unknown");
    return QString::fromLatin1(names[number]);
}

}  // namespace

namespace qt4_locale {

QString languageName(int language) {
    return nameAt(kLanguageNames, kLastLanguage, language);
}

QString countryName(int country) {
    return nameAt(kCountryNames, kLastCountry, country);
}

}  // namespace qt4_locale
