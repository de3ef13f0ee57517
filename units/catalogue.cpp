#include "units/catalogue.h"

#include <iterator>

#include "units/command_line_tables.h"

namespace units {
namespace {

// Row 0 is the placeholder "-". Headings and blank rows carry factor "0" so
// that choosing one counts as choosing no unit.
constexpr UnitRow LengthRows[] = {
    {"-", "", "0"},
    {"=== Common Units ===", "", "0"},
    {"inches", "in", "54068381.86302"},
    {"feet", "ft", "648820582.35624"},
    {"yards", "yd", "1946461747.06872"},
    {"miles", "mi", "3425772674840.9472"},
    {"", "", "0"},
    {"millimeters", "mm", "2128676.4513"},
    {"centimeters", "cm", "21286764.513"},
    {"meters", "m", "2128676451.3"},
    {"kilometers", "km", "2128676451300"},
    {"", "", "0"},
    {"==================", "", "0"},
    {"angstroms", "A", ".21286764513"},
    {"astronomical units ~", "AU", "318445464438565188858"},
    {"barleycorns", "bc", "18022793.95434"},
    {"bolts (cloth)", "b", "77858469882.7488"},
    {"cables (survey)", "cb", "467151753600"},
    {"centimeters", "cm", "21286764.513"},
    {"chains (surv., Ramden)", "ch(e)", "64882188000"},
    {"chains (surv., Gunter)", "ch(s)", "42822244080"},
    {"cubits (Brit.)", "cu", "973230873.53436"},
    {"decimeters", "dm", "212867645.13"},
    {"fathoms (survey)", "fth", "3892931280"},
    {"feet", "ft", "648820582.35624"},
    {"feet (survey)", "ft(s)", "648821880"},
    {"furlongs (survey)", "fu", "428222440800"},
    {"hands", "hd", "216273527.45208"},
    {"inches", "in", "54068381.86302"},
    {"kilometers", "km", "2128676451300"},
    {"leagues", "lg", "10277318024522.8416"},
    {"leagues (nautical)", "lg(n)", "11826926363422.8"},
    {"light years", "ly", "20138834169079069296515040"},
    {"links (survey)", "lk", "428222440.8"},
    {"meters", "m", "2128676451.3"},
    {"micrometers", "µm", "2128.6764513"},
    {"miles", "mi", "3425772674840.9472"},
    {"miles (AMM nautical)", "mi(a)", "3944829140725.9392"},
    {"miles (int'l/US nautical)", "mi(n)", "3942308787807.6"},
    {"miles (survey)", "mi(s)", "3425779526400"},
    {"millimeters", "mm", "2128676.4513"},
    {"mils", "ml", "54068.38186302"},
    {"paces", "pc(g)", "1622051455.8906"},
    {"paces (survey)", "pc(s)", "1622054700"},
    {"perches (survey)", "pe", "10705561020"},
    {"points (ATA)", "pt(a)", "748144.19983860774"},
    {"points (Didot)", "pt(d)", "800254.305"},
    {"points (PS)", "pt(p)", "750949.7480975"},
    {"poles (survey)", "po", "10705561020"},
    {"rods (survey)", "rd", "10705561020"},
    {"spans", "sp", "486615436.76718"},
    {"yards", "yd", "1946461747.06872"},
    {"yards (survey)", "yd(s)", "1946465640"},
};

constexpr UnitRow AreaRows[] = {
    {"-", "", "0"},
    {"=== Common Units ===", "", "0"},
    {"sq. inches", "sq in", "999.996000004"},
    {"sq. feet", "sq ft", "143999.424000576"},
    {"sq. yards", "sq yd", "1295994.816005184"},
    {"sq. miles", "sq mi", "4014473542057.6579584"},
    {"", "", "0"},
    {"sq. millimeters", "sq mm", "1.5499969"},
    {"sq. centimeters", "sq cm", "154.99969"},
    {"sq. meters", "sq m", "1549996.9"},
    {"sq. kilometers", "sq km", "1549996900000"},
    {"", "", "0"},
    {"==================", "", "0"},
    {"acres (survey)", "ac", "6272640000"},
    {"ares ('metric')", "a", "154999690"},
    {"hectares ('metric')", "ha", "15499969000"},
    {"sections (survey)", "sec", "4014489600000"},
    {"sq. centimeters", "sq cm", "154.99969"},
    {"sq. chains (svy,Gunter)", "sq ch", "627264000"},
    {"sq. decimeters", "sq dm", "15499.969"},
    {"sq. fathoms (survey)", "sq fth", "5184000"},
    {"sq. feet", "sq ft", "143999.424000576"},
    {"sq. feet (survey)", "sq ft(s)", "144000"},
    {"sq. furlongs (survey)", "sq fu", "62726400000"},
    {"sq. hands", "sq hd", "15999.936000064"},
    {"sq. inches", "sq in", "999.996000004"},
    {"sq. kilometers", "sq km", "1549996900000"},
    {"sq. leagues", "sq lg", "36130261878518.9216256"},
    {"sq. links (survey)", "sq lk", "62726.4"},
    {"sq. meters", "sq m", "1549996.9"},
    {"sq. miles", "sq mi", "4014473542057.6579584"},
    {"sq. miles (survey)", "sq mi", "4014489600000"},
    {"sq. millimeters", "sq mm", "1.5499969"},
    {"sq. paces", "sq pc", "899996.4000036"},
    {"sq. paces (survey)", "sq pc(s)", "900000"},
    {"sq. perches (survey)", "sq rd", "39204000"},
    {"sq. poles (survey)", "sq rd", "39204000"},
    {"sq. rods (survey)", "sq rd", "39204000"},
    {"sq. spans", "sq sp", "80999.676000324"},
    {"sq. yards", "sq yd", "1295994.816005184"},
    {"sq. yards (survey)", "sq yd(s)", "1296000"},
    {"squares (building)", "sq", "14399942.4000576"},
    {"townships (survey)", "ts", "144521625600000"},
};

constexpr UnitRow CapacityRows[] = {
    {"-", "", "0"},
    {"=== Common Units ===", "", "0"},
    {"ounces (US fluid)", "fl oz", "88.7205886875"},
    {"cups (US)", "c", "709.7647095"},
    {"pints (US)", "pt", "1419.529419"},
    {"quarts (US)", "qt", "2839.058838"},
    {"gallons (US)", "gal", "11356.235352"},
    {"", "", "0"},
    {"milliliters", "ml", "3"},
    {"centiliters", "cl", "30"},
    {"deciliters", "dl", "300"},
    {"liters", "L", "3000"},
    {"", "", "0"},
    {"===== Capacity =====", "", "0"},
    {"barrels (US beer)", "bbl", "352043.295912"},
    {"barrels (US petroleum)", "bbl", "476961.884784"},
    {"barrels (US spirit)", "bbl", "454249.41408"},
    {"bushel (US dry)", "bu", "105716.2272768"},
    {"bushel (Brit.)", "bu", "109106.16"},
    {"centiliters", "cl", "30"},
    {"cups (US)", "c", "709.7647095"},
    {"deciliters", "dl", "300"},
    {"drams (US fluid)", "fl dr", "11.0900735859375"},
    {"drams (Brit. fluid)", "fl dr", "10.6548984375"},
    {"gallons (US)", "gal", "11356.235352"},
    {"gallons (US dry)", "gal", "13214.5284096"},
    {"gallons (Brit.)", "gal", "13638.27"},
    {"gills (US)", "gi", "354.88235475"},
    {"gills (Brit.)", "gi", "426.1959375"},
    {"hectoliters", "hl", "300000"},
    {"liters", "L", "3000"},
    {"magnum (wine)", "mg", "5678.117676"},
    {"milliliters", "ml", "3"},
    {"minims (US)", "min", ".184834559765625"},
    {"minims (Brit.)", "min", ".177581640625"},
    {"ounces (US fluid)", "fl oz", "88.7205886875"},
    {"ounces (Brit. fluid)", "fl oz", "85.2391875"},
    {"pecks (US dry)", "pk", "26429.0568192"},
    {"pecks (Brit.)", "pk", "27276.54"},
    {"pints (US)", "pt", "1419.529419"},
    {"pints (US dry)", "pt", "1651.8160512"},
    {"pints (Brit.)", "pt", "1704.78375"},
    {"quarts (US)", "qt", "2839.058838"},
    {"quarts (US dry)", "qt", "3303.6321024"},
    {"quarts (Brit.)", "qt", "3409.5675"},
    {"shots (US bars)", "sh", "88.7205886875"},
    {"tablespoons (US)", "tb", "44.36029434375"},
    {"teaspoons (US)", "ts", "14.78676478125"},
    {"tons (US register)", "t", "8495053.9776"},
    {"wine Glass (US)", "wg", "354.88235475"},
    {"", "", "0"},
    {"====== Volume =====", "", "0"},
    {"board foot (lumber)", "bd ft", "7079.211648"},
    {"cords (wood)", "cd", "10873669.091328"},
    {"cu. centimeters", "cu cm", "3"},
    {"cu. decimeters", "cu dec", "3000"},
    {"cu. feet", "cu ft", "84950.539776"},
    {"cu. inches", "cu in", "49.161192"},
    {"cu. kilometers", "cu km", "3000000000000000"},
    {"cu. meters", "cu m", "3000000"},
    {"cu. miles", "cu mi", "12504545476321738.752"},
    {"cu. millimeters", "cu mm", ".003"},
    {"cu. spans", "cu sp", "35838.508968"},
    {"cu. yards", "cu yd", "2293664.573952"},
    {"steres ('metric' wood)", "st", "3000000"},
    {"tons (cargo or marine)", "t", "3398021.59104"},
};

constexpr UnitRow WeightRows[] = {
    {"-", "", "0"},
    {"=== Common Units ===", "", "0"},
    {"ounces (avdp)", "oz", "10801.168310625"},
    {"pounds (avdp)", "lb", "172818.69297"},
    {"tons, short (US avdp)", "sT", "345637385.94"},
    {"", "", "0"},
    {"milligrams", "mg", ".381"},
    {"grams", "g", "381"},
    {"kilograms", "kg", "381000"},
    {"tons ('metric')", "t", "381000000"},
    {"", "", "0"},
    {"==================", "", "0"},
    {"carats", "c", "76.2"},
    {"centigrams (metric)", "cg", "3.81"},
    {"decigrams (metric)", "dg", "38.1"},
    {"drams (avdp)", "dr", "675.0730194140625"},
    {"drams  (ap)", "dr", "1481.3030826"},
    {"grains (avdp,troy,ap)", "gr", "24.68838471"},
    {"grams (metric)", "g", "381"},
    {"hwght,short (US avdp)", "cwt", "17281869.297"},
    {"hwght,long (UK avdp)", "cwt", "19355693.61264"},
    {"kilograms (metric)", "kg", "381000"},
    {"kips (avdp)", "K", "172818692.97"},
    {"milligrams (metric)", "mg", ".381"},
    {"ounces (avdp)", "oz", "10801.168310625"},
    {"ounces (troy, ap)", "oz", "11850.4246608"},
    {"pennyweights (troy)", "pwt", "592.52123304"},
    {"pounds (avdp)", "lb", "172818.69297"},
    {"pounds (troy, ap)", "lb", "142205.0959296"},
    {"quintals ('metric')", "Q", "38100000"},
    {"scruples (ap)", "s", "493.7676942"},
    {"slugs (fps system)", "sl", "5560277.019075625"},
    {"stone (UK avdp)", "st", "2419461.70158"},
    {"tons, short (US avdp)", "sT", "345637385.94"},
    {"tons, long (UK avdp)", "lT", "387113872.2528"},
    {"tons ('metric')", "t", "381000000"},
};

constexpr UnitRow TemperatureRows[] = {
    {"-", "", ""},
    {"Celsius", "", ""},
    {"Fahrenheit", "", ""},
    {"Kelvin", "", ""},
};

constexpr UnitRow SpeedRows[] = {
    {"-", "", "0"},
    {"inches per second", "in/s", "22.86"},
    {"feet per hour", "ft/h", ".0762"},
    {"feet per minute", "ft/min", "4.572"},
    {"feet per second", "ft/s", "274.32"},
    {"kilometers per hour", "km/h", "250"},
    {"knots", "knots", "463"},
    {"meters per second", "m/s", "900"},
    {"miles per hour", "mi/h", "402.336"},
    {"miles per minute", "mi/min", "24140.16"},
    {"miles per second", "mi/sec", "1448409.6"},
};

constexpr UnitRow PaperRows[] = {
    {"-", "", "0"},
    {"grams/sq. meter", "g/m²", "210049291558116122261503297644043200"},
    {"", "", "0"},
    {"blanks (22x38)", "lb", "353299682103511745729945557591651800"},
    {"blotting (19x24)", "lb", "647716083856438200504900188918028300"},
    {"bond (17x22)", "lb", "789728701172555666925760658146045200"},
    {"book (25x38)", "lb", "310903720251090336242352090680653584"},
    {"bristol (22.5x28.5)", "lb", "460598104075689387025706801008375680"},
    {"carbon (20x30)", "lb", "492264223730893032383724143577701508"},
    {"chemical filter (20x20)", "lb", "738396335596339548575586215366552262"},
    {"cover (20x26)", "lb", "567997181227953498904297088743501740"},
    {"glassine (24x36)", "lb", "341850155368675716933141766373403825"},
    {"gummed (25x38)", "lb", "310903720251090336242352090680653584"},
    {"index stock (25.5x30.5)", "lb", "379760249744179774259382174409027200"},
    {"India (25x38)", "lb", "310903720251090336242352090680653584"},
    {"ledger (17x22)", "lb", "789728701172555666925760658146045200"},
    {"manifold (17x22)", "lb", "789728701172555666925760658146045200"},
    {"manuscript cover (18x31)", "lb", "529316369603110787509380799545915600"},
    {"mimeograph (17x22)", "lb", "789728701172555666925760658146045200"},
    {"newsprint (24x36)", "lb", "341850155368675716933141766373403825"},
    {"offset (25x38)", "lb", "310903720251090336242352090680653584"},
    {"onionskin (17x22)", "lb", "789728701172555666925760658146045200"},
    {"opaque (25x38)", "lb", "310903720251090336242352090680653584"},
    {"poster (24x36)", "lb", "341850155368675716933141766373403825"},
    {"tag (22.5x28.5)", "lb", "460598104075689387025706801008375680"},
    {"tag (24x36)", "lb", "341850155368675716933141766373403825"},
    {"text (25x38)", "lb", "310903720251090336242352090680653584"},
    {"tissue (24x36)", "lb", "341850155368675716933141766373403825"},
    {"US currency (12.75x16)", "lb", "1447835952149685389363894539934416200"},
    {"wallpaper (24x36)", "lb", "341850155368675716933141766373403825"},
    {"wax paper (24x36)", "lb", "341850155368675716933141766373403825"},
    {"wedding invitat. (21x33)", "lb", "426202791108998296436124799634373600"},
    {"wrapping paper (24x36)", "lb", "341850155368675716933141766373403825"},
    {"writing (17x22)", "lb", "789728701172555666925760658146045200"},
};

// Indexed by category number less one.
constexpr CategoryInfo Categories[] = {
    {.Id = Category::Length,
     .Name = "Length",
     .Noun = "a length",
     .Caption = "Length",
     .Table = LengthRows,
     .DefaultFrom = {LengthRow::Yards, LengthRow::Feet, LengthRow::Inches}},
    {.Id = Category::Area,
     .Name = "Area",
     .Noun = "an area",
     .Caption = "Area",
     .Table = AreaRows,
     .DefaultFrom = {AreaRow::SqYards, 0, 0}},
    {.Id = Category::Capacity,
     .Name = "Capacity",
     .Noun = "a capacity",
     .Caption = "Capacity",
     .Table = CapacityRows,
     .DefaultFrom = {CapacityRow::Gallons, 0, 0}},
    {.Id = Category::Weight,
     .Name = "Weight",
     .Noun = "a weight",
     .Caption = "Weight",
     .Table = WeightRows,
     .DefaultFrom = {WeightRow::Pounds, 0, 0},
     .Help = HelpTopic::WeightOrMass},
    {.Id = Category::Temperature,
     .Name = "Temperature",
     .Noun = "a temperature",
     .Caption = "Temp.",
     .Table = TemperatureRows,
     .DefaultFrom = {Celsius, 0, 0},
     .DefaultTo = Fahrenheit,
     .InputRows = 1,
     .TargetUnits = 1,
     .Kind = FormulaKind::Temperature},
    {.Id = Category::Prefixes, .Name = "Prefixes", .Caption = "Prefixes", .Measured = false},
    {.Id = Category::Speed,
     .Name = "Speed",
     .Noun = "a speed",
     .Caption = "Speed",
     .Table = SpeedRows,
     .DefaultFrom = {SpeedRow::MilesPerHour, 0, 0}},
    {.Id = Category::Paper,
     .Name = "Paper",
     .Noun = "a paper weight",
     .Caption = "Paper",
     .Table = PaperRows,
     .DefaultFrom = {PaperRow::Bond, 0, 0},
     .InputRows = 1,
     .Help = HelpTopic::PaperWeight},
    // The command line's own, without a page: the caption is the name.
    {.Id = Category::Time,
     .Name = "Time",
     .Noun = "a duration",
     .Caption = "Time",
     .Table = TimeRows,
     .DefaultFrom = {TimeRow::Hours, TimeRow::Minutes, TimeRow::Seconds},
     .InWindow = false},
    {.Id = Category::Energy,
     .Name = "Energy",
     .Noun = "an energy",
     .Caption = "Energy",
     .Table = EnergyRows,
     .DefaultFrom = {EnergyRow::KilowattHours, 0, 0},
     .InWindow = false},
    {.Id = Category::Power,
     .Name = "Power",
     .Noun = "a power",
     .Caption = "Power",
     .Table = PowerRows,
     .DefaultFrom = {PowerRow::Horsepower, 0, 0},
     .InWindow = false},
    {.Id = Category::Pressure,
     .Name = "Pressure",
     .Noun = "a pressure",
     .Caption = "Pressure",
     .Table = PressureRows,
     .DefaultFrom = {PressureRow::Psi, 0, 0},
     .InWindow = false},
    {.Id = Category::Force,
     .Name = "Force",
     .Noun = "a force",
     .Caption = "Force",
     .Table = ForceRows,
     .DefaultFrom = {ForceRow::PoundsForce, 0, 0},
     .InWindow = false},
    {.Id = Category::Angle,
     .Name = "Angle",
     .Noun = "an angle",
     .Caption = "Angle",
     .Table = AngleRows,
     .DefaultFrom = {AngleRow::Degrees, 0, 0},
     .InWindow = false},
    {.Id = Category::Data,
     .Name = "Data",
     .Noun = "an amount of data",
     .Caption = "Data",
     .Table = DataRows,
     .DefaultFrom = {DataRow::Megabytes, 0, 0},
     .InWindow = false},
    {.Id = Category::FuelEconomy,
     .Name = "Fuel economy",
     .Noun = "a fuel economy",
     .Caption = "Fuel",
     .Table = FuelEconomyRows,
     .DefaultFrom = {FuelEconomyRow::MpgUs, 0, 0},
     .DefaultTo = FuelEconomyRow::LitersPer100Km,
     .InputRows = 1,
     .TargetUnits = 1,
     .InWindow = false,
     .Kind = FormulaKind::Reciprocal,
     .FirstInverseRow = FuelEconomyRow::LitersPer100Km},
};
static_assert(std::size(Categories) == LastEngineCategory);

constexpr bool InNumberOrder() {
  for (int i = 0; i < LastEngineCategory; ++i)
    if (static_cast<int>(Categories[i].Id) != i + 1) return false;
  return true;
}
static_assert(InNumberOrder());

// The window's categories come first, so that they are one span.
constexpr bool WindowCategoriesFirst() {
  for (int i = 0; i < LastEngineCategory; ++i)
    if (Categories[i].InWindow != (i < LastWindowCategory)) return false;
  return true;
}
static_assert(WindowCategoriesFirst());

// The named rows are the rows they say.
static_assert(LengthRows[LengthRow::Inches].Name == "inches" &&
              LengthRows[LengthRow::Feet].Name == "feet" &&
              LengthRows[LengthRow::Yards].Name == "yards" &&
              LengthRows[LengthRow::Miles].Name == "miles" &&
              LengthRows[LengthRow::Millimeters].Name == "millimeters" &&
              LengthRows[LengthRow::Centimeters].Name == "centimeters" &&
              LengthRows[LengthRow::Meters].Name == "meters" &&
              LengthRows[LengthRow::Kilometers].Name == "kilometers");
static_assert(AreaRows[AreaRow::SqInches].Name == "sq. inches" &&
              AreaRows[AreaRow::SqFeet].Name == "sq. feet" &&
              AreaRows[AreaRow::SqYards].Name == "sq. yards" &&
              AreaRows[AreaRow::SqMiles].Name == "sq. miles" &&
              AreaRows[AreaRow::SqMillimeters].Name == "sq. millimeters" &&
              AreaRows[AreaRow::SqCentimeters].Name == "sq. centimeters" &&
              AreaRows[AreaRow::SqMeters].Name == "sq. meters" &&
              AreaRows[AreaRow::SqKilometers].Name == "sq. kilometers");
static_assert(CapacityRows[CapacityRow::FluidOunces].Name == "ounces (US fluid)" &&
              CapacityRows[CapacityRow::Cups].Name == "cups (US)" &&
              CapacityRows[CapacityRow::Pints].Name == "pints (US)" &&
              CapacityRows[CapacityRow::Quarts].Name == "quarts (US)" &&
              CapacityRows[CapacityRow::Gallons].Name == "gallons (US)" &&
              CapacityRows[CapacityRow::Milliliters].Name == "milliliters" &&
              CapacityRows[CapacityRow::Centiliters].Name == "centiliters" &&
              CapacityRows[CapacityRow::Deciliters].Name == "deciliters" &&
              CapacityRows[CapacityRow::Liters].Name == "liters");
static_assert(WeightRows[WeightRow::Ounces].Name == "ounces (avdp)" &&
              WeightRows[WeightRow::Pounds].Name == "pounds (avdp)" &&
              WeightRows[WeightRow::ShortTons].Name == "tons, short (US avdp)" &&
              WeightRows[WeightRow::Milligrams].Name == "milligrams" &&
              WeightRows[WeightRow::Grams].Name == "grams" &&
              WeightRows[WeightRow::Kilograms].Name == "kilograms" &&
              WeightRows[WeightRow::MetricTons].Name == "tons ('metric')");
static_assert(TemperatureRows[Celsius].Name == "Celsius" &&
              TemperatureRows[Fahrenheit].Name == "Fahrenheit" &&
              TemperatureRows[Kelvin].Name == "Kelvin");
static_assert(SpeedRows[SpeedRow::FeetPerSecond].Name == "feet per second" &&
              SpeedRows[SpeedRow::KilometersPerHour].Name == "kilometers per hour" &&
              SpeedRows[SpeedRow::MetersPerSecond].Name == "meters per second" &&
              SpeedRows[SpeedRow::MilesPerHour].Name == "miles per hour");
static_assert(PaperRows[PaperRow::GramsPerSqMeter].Name == "grams/sq. meter" &&
              PaperRows[PaperRow::Bond].Name == "bond (17x22)");

// No category: no table, nothing to convert.
constexpr CategoryInfo NoCategory = {.Measured = false};

constexpr UnitRow NoUnit = {"", "", "0"};

}  // namespace

std::optional<Category> CategoryFromNumber(int number) {
  if (number < FirstCategory || number > LastCategory) return std::nullopt;
  return static_cast<Category>(number);
}

std::span<const CategoryInfo> AllCategories() {
  return std::span(Categories).first(static_cast<std::size_t>(LastCategory));
}

std::span<const CategoryInfo> WindowCategories() {
  return std::span(Categories).first(static_cast<std::size_t>(LastWindowCategory));
}

// A number outside the categories reads as no category.
const CategoryInfo& Describe(Category category) {
  const int number = static_cast<int>(category);
  if (number < FirstCategory || number > LastEngineCategory) return NoCategory;
  return Categories[number - FirstCategory];
}

std::string_view CategoryName(Category category) { return Describe(category).Name; }

std::string_view CategoryCaption(Category category) { return Describe(category).Caption; }

UnitTable TableFor(Category category) { return Describe(category).Table; }

int RowCount(Category category) { return static_cast<int>(TableFor(category).size()); }

std::string_view AbsoluteZero(int scaleRow) {
  switch (scaleRow) {
    case Celsius:
      return "-273.15";
    case Fahrenheit:
      return "-459.67";
    case Kelvin:
      return "0";
    default:
      return {};
  }
}

const UnitRow& RowAt(UnitTable table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return NoUnit;
  return table[static_cast<std::size_t>(index)];
}

}  // namespace units
