// The little UTF-8 the program needs: regional symbols and typed characters
// are single Unicode characters that may take several bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Encodes one code point; an invalid one (a surrogate, beyond U+10FFFF)
// gives U+FFFD.
std::string EncodeUtf8(char32_t codePoint);

// Decodes the first character of text and its byte length; nullopt when the
// text is empty or does not start with a well-formed UTF-8 sequence.
struct DecodedChar {
  char32_t codePoint;
  std::size_t length;
};
std::optional<DecodedChar> DecodeFirst(std::string_view text);

// The code point when text is exactly one well-formed character.
std::optional<char32_t> DecodeSingle(std::string_view text);

}  // namespace platform
