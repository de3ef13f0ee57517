// The window converts by the road of its Convert click: ConvertLinear over
// the page's table, or ConvertTemperature. Both must give, for every row of
// every table, the text that the whole action (Convert) gives, which the
// command line and the other tests go through.
#include <gtest/gtest.h>

#include <string>

#include "units/convert.h"

namespace units {
namespace {

const platform::NumberSymbols Comma{",", "."};

const ResultOptions Options[] = {
    {3, true, true, false}, {0, false, false, true}, {30, true, false, false}};

struct Values {
  const char* first;
  const char* second;
};

// A plain number, a fraction, a compound quantity, the forms that count as
// zero, and a negative value (which only temperatures take).
constexpr Values kValues[] = {{"2.5", ""}, {"3/4", "1"}, {".", "3/0"}, {"-40", ""}, {"", "7"}};

TEST(ConvertRoad, EachRowOfEachTableGivesWhatTheWholeActionGives) {
  int compared = 0;
  for (const CategoryInfo& info : WindowCategories()) {
    if (!info.Measured) continue;
    const int rows = RowCount(info.Id);
    for (int from = 0; from < rows; ++from) {
      for (const Values& values : kValues) {
        const ResultOptions& options = Options[(from + compared) % std::size(Options)];
        Quantity quantity;
        quantity.Values = {values.first, values.second, ""};
        quantity.From = {from, (from + 1) % rows, 0};
        quantity.To = {(from * 7 + 3) % rows, from % 2 == 0 ? from : 0, 0};
        const std::string road = info.Id == Category::Temperature
                                     ? ConvertTemperature(quantity.Values[0], quantity.From[0],
                                                          quantity.To[0], options, Comma)
                                 : NoValue(quantity)
                                     ? std::string(ErrorText)
                                     : ConvertLinear(info.Table, quantity, options, Comma);
        EXPECT_EQ(road, Convert(info.Id, quantity, options, Comma).value_or("(none)"))
            << info.Name << " row " << from << " value " << values.first;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 1000);
}

}  // namespace
}  // namespace units
