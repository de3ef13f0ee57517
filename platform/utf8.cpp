#include "platform/utf8.h"

namespace platform {
namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool IsEncodable(char32_t codePoint) {
  return codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
}

}  // namespace

std::string EncodeUtf8(char32_t codePoint) {
  if (!IsEncodable(codePoint)) codePoint = Replacement;
  std::string out;
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
  return out;
}

std::optional<DecodedChar> DecodeFirst(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  char32_t codePoint = 0;
  char32_t smallest = 0;  // overlong forms are refused
  if (lead < 0x80) return DecodedChar{lead, 1};
  if ((lead & 0xE0) == 0xC0) {
    length = 2, codePoint = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, codePoint = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, codePoint = lead & 0x07, smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!IsContinuation(byte)) return std::nullopt;
    codePoint = (codePoint << 6) | (byte & 0x3F);
  }
  if (codePoint < smallest || !IsEncodable(codePoint)) return std::nullopt;
  return DecodedChar{codePoint, length};
}

std::optional<char32_t> DecodeSingle(std::string_view text) {
  const auto decoded = DecodeFirst(text);
  if (!decoded || decoded->length != text.size()) return std::nullopt;
  return decoded->codePoint;
}

}  // namespace platform
