// zurmet-probe: the engine's pure operations behind a JSON-lines protocol,
// one request a line in, one answer a line out, for tools that compare
// the engine with reference answers. S is a string, B a boolean, N an
// integer; O is {"places":N,"roundUp":B,"thousandSeparators":B,
// "exponentForm":B} and Y is {"decimal":S,"thousand":S}.
//   {"op":"BigAdd"|"BigSub"|"BigMul","a":S,"b":S,"skipCheck":B}  -> {"result":S}
//   {"op":"BigDiv","a":S,"b":S,"skipCheck":B,"integerOnly":B}    -> {"result":S}
//   {"op":"IsValidNumber","a":S}                                 -> {"result":B}
//   {"op":"StripLeadingZeros"|"StripTrailingZeros","a":S}        -> {"result":S}
//   {"op":"RoundToPlaces","a":S,"places":N,"keepForExponent":B,"options":O} -> {"result":S}
//   {"op":"FormatResult","a":S,"options":O,"symbols":Y}          -> {"result":S}
//   {"op":"ResolveFraction","a":S}                               -> {"result":S}
//   {"op":"FilterValueKey","category":N,"text":S,"key":S}        -> {"key":S,"text":S}
//   {"op":"Convert","category":N,"values":[S,S,S],"from":[N,N,N],"to":[N,N,N],
//    "options":O,"symbols":Y}                                    -> {"result":S|null}
//   {"op":"Suggest","kind":"us"|"metric","category":N,"values":[S,S,S],
//    "from":[N,N,N]}                                             -> {"to":[N,N,N]}
// Every field is required and no other is accepted; a line that breaks
// that, or is no JSON, is answered {"error":S} and the next line follows.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace probe {

// The answer line (without newline) to one request line.
std::string Answer(std::string_view line);

// Answers every line of in; 0 always, since a bad line has its own answer.
int Run(std::istream& in, std::ostream& out);

}  // namespace probe
