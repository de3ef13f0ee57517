#include "units/aliases.h"

namespace units {
namespace {

// Besides these, the lookup takes every catalogue name (in any case) and
// symbol, regular plurals and singulars ("mile", "inch", "knot"), "-tre"
// for "-ter" ("metre", "litre"), squares and cubes of lengths ("sq ft",
// "ft2", "m²", "square feet", "cu in", "in³", "cubic yard"), and paper
// grades with or without "lb" ("20 lb bond", "20 bond", "20# bond").
//
// A text given here in some categories no longer means a catalogue unit of
// the same symbol in another category unless --category names that one:
// "mg" is milligrams, not a magnum of wine; "ml" millilitres, not mils.
constexpr auto L = Category::Length;
constexpr auto A = Category::Area;
constexpr auto C = Category::Capacity;
constexpr auto W = Category::Weight;
constexpr auto T = Category::Temperature;
constexpr auto S = Category::Speed;
constexpr auto P = Category::Paper;
constexpr auto Ti = Category::Time;
constexpr auto E = Category::Energy;
constexpr auto Pw = Category::Power;
constexpr auto Pr = Category::Pressure;
constexpr auto Fo = Category::Force;
constexpr auto An = Category::Angle;
constexpr auto D = Category::Data;
constexpr auto Fu = Category::FuelEconomy;

constexpr unsigned Abbr = CaseMatters;
constexpr unsigned AbbrDefault = CaseMatters | StatedDefault;

constexpr Alias AliasTable[] = {
    // Length
    {"foot", L, "feet"},
    {"statute mile", L, "miles"},
    {"nmi", L, "miles (int'l/US nautical)", Abbr},
    {"NM", L, "miles (int'l/US nautical)", Abbr},
    {"nautical mile", L, "miles (int'l/US nautical)"},
    {"survey mile", L, "miles (survey)"},
    {"survey foot", L, "feet (survey)"},
    {"survey feet", L, "feet (survey)"},
    {"mtr", L, "meters", Abbr},
    {"um", L, "micrometers", Abbr},
    {"\u03bcm", L, "micrometers", Abbr},  // with a Greek mu
    {"micron", L, "micrometers"},
    {"\u00c5", L, "angstroms", Abbr},
    {"\u212b", L, "angstroms", Abbr},  // the angstrom sign
    {"angstrom", L, "angstroms"},
    {"astronomical unit", L, "astronomical units ~"},
    {"mil", L, "mils", Abbr | Printed},
    {"thou", L, "mils"},
    {"light-year", L, "light years"},
    {"furlong", L, "furlongs (survey)"},
    {"chain", L, "chains (surv., Gunter)", StatedDefault},
    {"rod", L, "rods (survey)"},
    {"pole", L, "poles (survey)"},
    {"perch", L, "perches (survey)"},
    {"link", L, "links (survey)"},
    {"fathom", L, "fathoms (survey)"},
    {"cable", L, "cables (survey)"},
    {"cubit", L, "cubits (Brit.)"},
    {"bolt", L, "bolts (cloth)"},
    // Beside a length "b" stays the bolt; beside data it is the bit.
    {"b", L, "bolts (cloth)", AbbrDefault},
    {"nautical league", L, "leagues (nautical)"},

    // Area
    {"acre", A, "acres (survey)"},
    {"hectare", A, "hectares ('metric')"},
    {"are", A, "ares ('metric')"},
    {"section", A, "sections (survey)"},
    {"township", A, "townships (survey)"},
    // Beside an area "sec" stays the section; beside a time, the second.
    {"sec", A, "sections (survey)", AbbrDefault},
    {"sq mi", A, "sq. miles", AbbrDefault},
    {"sq mi(s)", A, "sq. miles (survey)", Abbr | Printed},

    // Capacity
    {"fl oz", C, "ounces (US fluid)", AbbrDefault},
    {"floz", C, "ounces (US fluid)", Abbr},
    {"US fl oz", C, "ounces (US fluid)", Abbr},
    {"fluid ounce", C, "ounces (US fluid)"},
    {"imp fl oz", C, "ounces (Brit. fluid)", Abbr | Printed},
    {"uk fl oz", C, "ounces (Brit. fluid)", Abbr},
    {"c", C, "cups (US)", AbbrDefault},
    {"cup", C, "cups (US)"},
    {"pt", C, "pints (US)", AbbrDefault},
    {"pint", C, "pints (US)"},
    {"imp pt", C, "pints (Brit.)", Abbr | Printed},
    {"uk pt", C, "pints (Brit.)", Abbr},
    {"imperial pint", C, "pints (Brit.)"},
    {"dry pt", C, "pints (US dry)", Abbr | Printed},
    {"qt", C, "quarts (US)", AbbrDefault},
    {"quart", C, "quarts (US)"},
    {"imp qt", C, "quarts (Brit.)", Abbr | Printed},
    {"uk qt", C, "quarts (Brit.)", Abbr},
    {"dry qt", C, "quarts (US dry)", Abbr | Printed},
    {"gal", C, "gallons (US)", AbbrDefault},
    {"US gal", C, "gallons (US)", Abbr},
    {"gallon", C, "gallons (US)"},
    {"imp gal", C, "gallons (Brit.)", Abbr | Printed},
    {"uk gal", C, "gallons (Brit.)", Abbr},
    {"imperial gallon", C, "gallons (Brit.)"},
    {"dry gal", C, "gallons (US dry)", Abbr | Printed},
    {"ml", C, "milliliters", AbbrDefault},
    {"mL", C, "milliliters", Abbr},
    {"l", C, "liters", Abbr},
    {"ltr", C, "liters", Abbr},
    {"cL", C, "centiliters", Abbr},
    {"dL", C, "deciliters", Abbr},
    {"hL", C, "hectoliters", Abbr},
    {"cc", C, "cu. centimeters", Abbr},
    {"tbsp", C, "tablespoons (US)", Abbr},
    {"Tbsp", C, "tablespoons (US)", Abbr},
    {"tbs", C, "tablespoons (US)", Abbr},
    {"Tbs", C, "tablespoons (US)", Abbr},
    {"tbl", C, "tablespoons (US)", Abbr},
    {"tablespoon", C, "tablespoons (US)"},
    {"tsp", C, "teaspoons (US)", Abbr},
    {"teaspoon", C, "teaspoons (US)"},
    {"bbl", C, "barrels (US petroleum)", AbbrDefault},
    {"barrel", C, "barrels (US petroleum)", StatedDefault},
    {"bu", C, "bushel (US dry)", AbbrDefault},
    {"bushel", C, "bushel (US dry)", StatedDefault},
    {"gi", C, "gills (US)", AbbrDefault},
    {"gill", C, "gills (US)"},
    {"min", C, "minims (US)", AbbrDefault},
    {"minim", C, "minims (US)"},
    {"pk", C, "pecks (US dry)", AbbrDefault},
    {"peck", C, "pecks (US dry)"},
    {"fl dr", C, "drams (US fluid)", AbbrDefault},
    {"fluid dram", C, "drams (US fluid)"},
    {"magnum", C, "magnum (wine)"},
    {"shot", C, "shots (US bars)"},
    {"wine glass", C, "wine Glass (US)"},
    {"board foot", C, "board foot (lumber)"},
    {"board feet", C, "board foot (lumber)"},
    {"cord", C, "cords (wood)"},
    {"stere", C, "steres ('metric' wood)", Printed},
    {"register ton", C, "tons (US register)"},
    {"freight ton", C, "tons (cargo or marine)"},

    // Weight
    {"oz", W, "ounces (avdp)", AbbrDefault},
    {"ounce", W, "ounces (avdp)"},
    {"oz t", W, "ounces (troy, ap)", Abbr | Printed},
    {"ozt", W, "ounces (troy, ap)", Abbr},
    {"troy oz", W, "ounces (troy, ap)", Abbr},
    {"troy ounce", W, "ounces (troy, ap)"},
    {"lb", W, "pounds (avdp)", AbbrDefault},
    {"lbs", W, "pounds (avdp)", Abbr},
    {"pound", W, "pounds (avdp)"},
    {"lb t", W, "pounds (troy, ap)", Abbr | Printed},
    {"troy lb", W, "pounds (troy, ap)", Abbr},
    {"troy pound", W, "pounds (troy, ap)"},
    {"ton", W, "tons, short (US avdp)", StatedDefault},
    {"short ton", W, "tons, short (US avdp)"},
    {"long ton", W, "tons, long (UK avdp)"},
    {"t", W, "tons ('metric')", AbbrDefault},
    {"tonne", W, "tons ('metric')"},
    {"metric ton", W, "tons ('metric')"},
    {"mg", W, "milligrams", AbbrDefault},
    {"kgs", W, "kilograms", Abbr},
    {"gm", W, "grams", Abbr},
    {"kilo", W, "kilograms"},
    {"gramme", W, "grams"},
    {"ct", W, "carats", Abbr | Printed},
    {"dr", W, "drams (avdp)", AbbrDefault},
    {"dram", W, "drams (avdp)"},
    {"dr ap", W, "drams  (ap)", Abbr | Printed},
    {"grain", W, "grains (avdp,troy,ap)"},
    {"cwt", W, "hwght,short (US avdp)", AbbrDefault},
    {"hundredweight", W, "hwght,short (US avdp)", StatedDefault},
    {"long cwt", W, "hwght,long (UK avdp)", Abbr | Printed},
    {"uk cwt", W, "hwght,long (UK avdp)", Abbr},
    {"kip", W, "kips (avdp)", Printed},
    {"dwt", W, "pennyweights (troy)", Abbr},
    {"pennyweight", W, "pennyweights (troy)"},
    {"quintal", W, "quintals ('metric')"},
    {"scruple", W, "scruples (ap)"},
    // Beside a weight "s" stays the scruple; beside a time, the second.
    {"s", W, "scruples (ap)", AbbrDefault},
    {"slug", W, "slugs (fps system)"},
    {"st", W, "stone (UK avdp)", AbbrDefault},
    {"stone", W, "stone (UK avdp)"},
    {"centigram", W, "centigrams (metric)"},
    {"decigram", W, "decigrams (metric)"},

    // Temperature
    {"C", T, "Celsius", Abbr | Printed},
    {"\u00b0C", T, "Celsius", Abbr},
    {"\u2103", T, "Celsius", Abbr},
    {"degC", T, "Celsius", Abbr},
    {"deg C", T, "Celsius", Abbr},
    {"centigrade", T, "Celsius"},
    {"degrees Celsius", T, "Celsius"},
    {"F", T, "Fahrenheit", Abbr | Printed},
    {"\u00b0F", T, "Fahrenheit", Abbr},
    {"\u2109", T, "Fahrenheit", Abbr},
    {"degF", T, "Fahrenheit", Abbr},
    {"deg F", T, "Fahrenheit", Abbr},
    {"degrees Fahrenheit", T, "Fahrenheit"},
    {"K", T, "Kelvin", AbbrDefault | Printed},

    // Speed
    {"mph", S, "miles per hour", Abbr},
    {"mi/hr", S, "miles per hour", Abbr},
    {"mile per hour", S, "miles per hour"},
    {"kph", S, "kilometers per hour", Abbr},
    {"kmph", S, "kilometers per hour", Abbr},
    {"kmh", S, "kilometers per hour", Abbr},
    {"km/hr", S, "kilometers per hour", Abbr},
    {"kilometer per hour", S, "kilometers per hour"},
    {"kn", S, "knots", Abbr},
    {"kt", S, "knots", Abbr},
    {"kts", S, "knots", Abbr},
    {"m/sec", S, "meters per second", Abbr},
    {"meter per second", S, "meters per second"},
    {"fps", S, "feet per second", Abbr},
    {"ft/sec", S, "feet per second", Abbr},
    {"foot per second", S, "feet per second"},
    {"foot per minute", S, "feet per minute"},
    {"foot per hour", S, "feet per hour"},
    {"ft/hr", S, "feet per hour", Abbr},
    {"in/sec", S, "inches per second", Abbr},
    {"inch per second", S, "inches per second"},
    {"mi/s", S, "miles per second", Abbr},
    {"mile per minute", S, "miles per minute"},
    {"mile per second", S, "miles per second"},

    // Paper: "lb" alone is bond, the page's own default; each grade by its
    // short name as results write it. Two tags differ in size: by name only.
    {"lb", P, "bond (17x22)", AbbrDefault},
    {"gsm", P, "grams/sq. meter", Abbr},
    {"g/m2", P, "grams/sq. meter", Abbr},
    {"g/m^2", P, "grams/sq. meter", Abbr},
    {"lb blanks", P, "blanks (22x38)", Printed},
    {"lb blotting", P, "blotting (19x24)", Printed},
    {"lb bond", P, "bond (17x22)", Printed},
    {"lb book", P, "book (25x38)", Printed},
    {"lb bristol", P, "bristol (22.5x28.5)", Printed},
    {"lb carbon", P, "carbon (20x30)", Printed},
    {"lb chemical filter", P, "chemical filter (20x20)", Printed},
    {"lb cover", P, "cover (20x26)", Printed},
    {"lb glassine", P, "glassine (24x36)", Printed},
    {"lb gummed", P, "gummed (25x38)", Printed},
    {"lb index", P, "index stock (25.5x30.5)", Printed},
    {"lb index stock", P, "index stock (25.5x30.5)"},
    {"lb India", P, "India (25x38)", Printed},
    {"lb ledger", P, "ledger (17x22)", Printed},
    {"lb manifold", P, "manifold (17x22)", Printed},
    {"lb manuscript cover", P, "manuscript cover (18x31)", Printed},
    {"lb mimeograph", P, "mimeograph (17x22)", Printed},
    {"lb newsprint", P, "newsprint (24x36)", Printed},
    {"lb offset", P, "offset (25x38)", Printed},
    {"lb onionskin", P, "onionskin (17x22)", Printed},
    {"lb opaque", P, "opaque (25x38)", Printed},
    {"lb poster", P, "poster (24x36)", Printed},
    {"lb tag (22.5x28.5)", P, "tag (22.5x28.5)", Printed},
    {"lb tag (24x36)", P, "tag (24x36)", Printed},
    {"lb text", P, "text (25x38)", Printed},
    {"lb tissue", P, "tissue (24x36)", Printed},
    {"lb US currency", P, "US currency (12.75x16)", Printed},
    {"lb wallpaper", P, "wallpaper (24x36)", Printed},
    {"lb wax paper", P, "wax paper (24x36)", Printed},
    {"lb wedding invitation", P, "wedding invitat. (21x33)", Printed},
    {"lb wrapping paper", P, "wrapping paper (24x36)", Printed},
    {"lb writing", P, "writing (17x22)", Printed},

    // Time. "s", "sec" and "min" are seconds and minutes beside a time, and
    // keep their meanings beside a weight, an area or a capacity. The year
    // is the Julian year; the others by name ("Gregorian year").
    {"s", Ti, "seconds", AbbrDefault},
    {"sec", Ti, "seconds", AbbrDefault},
    {"min", Ti, "minutes", AbbrDefault},
    {"h", Ti, "hours", Abbr},
    {"hr", Ti, "hours", Abbr},
    {"msec", Ti, "milliseconds", Abbr},
    {"\u03bcs", Ti, "microseconds", Abbr},  // with a Greek mu
    {"year", Ti, "years (Julian)", StatedDefault},
    {"Gregorian yr", Ti, "years (Gregorian)", Abbr | Printed},
    {"common yr", Ti, "years (common)", Abbr | Printed},

    // Energy. The calorie is the thermochemical one; "Cal" and "Calorie",
    // with their capital, are the food calorie of nutrition labels.
    {"cal", E, "calories (thermochemical)", AbbrDefault},
    {"calorie", E, "calories (thermochemical)", Abbr},
    {"Calorie", E, "Calories (food)", Abbr},
    {"Cal", E, "Calories (food)", Abbr},  // so that "CAL" is no silent choice
    {"food calorie", E, "Calories (food)"},
    {"kilocalorie", E, "kilocalories (thermochemical)"},
    {"IT cal", E, "calories (IT)", Abbr | Printed},
    {"IT kcal", E, "kilocalories (IT)", Abbr | Printed},
    {"BTU", E, "British thermal units (IT)", AbbrDefault},
    {"British thermal unit", E, "British thermal units (IT)"},
    {"thermochemical BTU", E, "British thermal units (thermochemical)", Abbr | Printed},
    {"therm", E, "therms (US)", StatedDefault},
    {"EC therm", E, "therms (EC)", Abbr | Printed},
    {"watt hour", E, "watt-hours"},
    {"kilowatt hour", E, "kilowatt-hours"},
    {"kW\u00b7h", E, "kilowatt-hours", Abbr},
    {"electron volt", E, "electronvolts"},
    {"ft lbf", E, "foot-pounds force", Abbr},
    {"ft-lbf", E, "foot-pounds force", Abbr},
    {"ft lb", E, "foot-pounds force", Abbr},
    {"ft-lb", E, "foot-pounds force", Abbr},
    {"foot-pound", E, "foot-pounds force"},
    {"foot pound", E, "foot-pounds force"},

    // Power
    {"hp", Pw, "horsepower (mechanical)", AbbrDefault},
    {"horsepower", Pw, "horsepower (mechanical)", StatedDefault},
    {"electric hp", Pw, "horsepower (electric)", Abbr | Printed},
    {"BTU/hr", Pw, "BTU per hour", Abbr},

    // Pressure
    {"atmosphere", Pr, "atmospheres (standard)", StatedDefault},
    {"mb", Pr, "millibars", Abbr},
    {"mm Hg", Pr, "millimeters of mercury", Abbr},
    {"millimeter of mercury", Pr, "millimeters of mercury"},
    {"in Hg", Pr, "inches of mercury", Abbr},
    {"inch of mercury", Pr, "inches of mercury"},
    {"in H2O", Pr, "inches of water", Abbr},
    {"inch of water", Pr, "inches of water"},
    {"pound per square inch", Pr, "pounds per sq. inch"},
    {"pounds per square inch", Pr, "pounds per sq. inch"},
    {"lbf/in2", Pr, "pounds per sq. inch", Abbr},
    {"lbf/in\u00b2", Pr, "pounds per sq. inch", Abbr},
    {"lb/in2", Pr, "pounds per sq. inch", Abbr},
    {"lb/in\u00b2", Pr, "pounds per sq. inch", Abbr},
    {"kgf/cm2", Pr, "atmospheres (technical)", Abbr},
    {"kgf/cm\u00b2", Pr, "atmospheres (technical)", Abbr},
    {"kg/cm2", Pr, "atmospheres (technical)", Abbr},
    {"kg/cm\u00b2", Pr, "atmospheres (technical)", Abbr},
    {"N/m2", Pr, "pascals", Abbr},
    {"N/m\u00b2", Pr, "pascals", Abbr},

    // Force
    {"pound force", Fo, "pounds force"},
    {"pound-force", Fo, "pounds force"},
    {"pounds-force", Fo, "pounds force"},
    {"kilogram force", Fo, "kilograms force"},
    {"kilogram-force", Fo, "kilograms force"},
    {"kilograms-force", Fo, "kilograms force"},
    {"kp", Fo, "kilograms force", Abbr},
    {"kilopond", Fo, "kilograms force"},

    // Angle. The marks ' and " are minutes and seconds only after degrees
    // (45\u00b030'), which the command line reads; alone they are feet and
    // inches.
    {"deg", An, "degrees", Abbr},
    {"\u00ba", An, "degrees", Abbr},  // the ordinal sign some keyboards give for it
    {"arcmin", An, "arcminutes", Abbr | Printed},
    {"arc minute", An, "arcminutes"},
    {"arcsec", An, "arcseconds", Abbr | Printed},
    {"arc second", An, "arcseconds"},
    {"grad", An, "gradians", Abbr},
    {"rev", An, "turns", Abbr},
    {"revolution", An, "turns"},

    // Data. A small b is the bit and a capital B the byte, as written with
    // the SI prefix's own case (kb, Mb; KB, MB); "KB" is 1000 bytes, as kB.
    // Given here too, the bytes' symbols leave "gb" in small letters no
    // silent choice between bits and bytes.
    {"b", D, "bits", AbbrDefault},
    {"kb", D, "kilobits", Abbr},
    {"Mb", D, "megabits", Abbr},
    {"Gb", D, "gigabits", Abbr},
    {"Tb", D, "terabits", Abbr},
    {"Pb", D, "petabits", Abbr},
    {"KB", D, "kilobytes", Abbr},
    {"MB", D, "megabytes", Abbr},
    {"GB", D, "gigabytes", Abbr},
    {"TB", D, "terabytes", Abbr},
    {"PB", D, "petabytes", Abbr},

    // Fuel economy: mpg is the US one.
    {"mpg", Fu, "miles per gallon (US)", AbbrDefault},
    {"mile per gallon", Fu, "miles per gallon (US)"},
    {"miles per gallon", Fu, "miles per gallon (US)"},
    {"imp mpg", Fu, "miles per gallon (imperial)", Abbr | Printed},
    {"kmpl", Fu, "kilometers per liter", Abbr},
    {"km per liter", Fu, "kilometers per liter"},
    {"L/100km", Fu, "liters per 100 kilometers", Abbr},
    {"liter per 100 km", Fu, "liters per 100 kilometers"},
    {"liters per 100 km", Fu, "liters per 100 kilometers"},
};

}  // namespace

std::span<const Alias> Aliases() { return AliasTable; }

}  // namespace units
