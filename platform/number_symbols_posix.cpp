// Regional symbols from the POSIX locale of the environment.
#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "platform/number_symbols.h"

namespace platform {
namespace {

// The same precedence setlocale(LC_NUMERIC, "") uses, without touching the
// process-wide locale (which would change how every other part reads text).
const char* NumericLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

// The first character of a symbol given in the locale's own encoding, which
// need not be UTF-8 (a no-break space is one byte in Latin-1).
std::u32string FirstChar(const char* bytes, locale_t locale) {
  if (bytes == nullptr || *bytes == '\0') return {};
  const locale_t previous = uselocale(locale);
  std::mbstate_t state{};
  wchar_t wide = 0;
  const std::size_t used = std::mbrtowc(&wide, bytes, std::strlen(bytes), &state);
  uselocale(previous);
  if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) return {};
  return std::u32string(1, static_cast<char32_t>(wide));
}

}  // namespace

NumberSymbols ReadNumberSymbols() {
  NumberSymbols symbols;
  const locale_t locale = newlocale(LC_ALL_MASK, NumericLocaleName(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return symbols;
  symbols.Decimal = FirstSymbolChar(FirstChar(nl_langinfo_l(RADIXCHAR, locale), locale), ".");
  symbols.Thousand = FirstSymbolChar(FirstChar(nl_langinfo_l(THOUSEP, locale), locale), ",");
  freelocale(locale);
  return symbols;
}

}  // namespace platform
