#include "common/GbkCodec.h"

#include <unicode/ucnv.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

#include <memory>

namespace quillan::common {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// ICU converters are not thread-safe; each thread keeps its own, set to stop on any
// unmappable or illegal sequence instead of substituting.
UConverter* cachedConverter(ConverterPtr& slot, const char* name) {
  if (!slot) {
    UErrorCode status = U_ZERO_ERROR;
    slot.reset(ucnv_open(name, &status));
    if (U_FAILURE(status)) {
      slot.reset();
      return nullptr;
    }
    ucnv_setFromUCallBack(slot.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setToUCallBack(slot.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  }
  ucnv_reset(slot.get());
  return slot.get();
}

UConverter* gbkConverter() {
  thread_local ConverterPtr slot;
  return cachedConverter(slot, "windows-936");
}

UConverter* utf8Converter() {
  thread_local ConverterPtr slot;
  return cachedConverter(slot, "UTF-8");
}

std::optional<std::string> convert(UConverter* target, UConverter* source, std::string_view text) {
  if (text.empty()) {
    return std::string{};
  }
  if (target == nullptr || source == nullptr) {
    return std::nullopt;
  }
  std::string out(text.size() * 2 + 16, '\0');
  char* outBegin = out.data();
  char* outPos = outBegin;
  const char* inPos = text.data();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_convertEx(target, source, &outPos, outBegin + out.size(), &inPos, text.data() + text.size(), nullptr, nullptr,
                 nullptr, nullptr, true, true, &status);
  if (U_FAILURE(status)) {
    return std::nullopt;
  }
  out.resize(static_cast<std::size_t>(outPos - outBegin));
  return out;
}

}  // namespace

std::optional<std::string> utf8ToGbk(std::string_view utf8) { return convert(gbkConverter(), utf8Converter(), utf8); }

std::optional<std::string> gbkToUtf8(std::string_view gbk) { return convert(utf8Converter(), gbkConverter(), gbk); }

std::optional<std::size_t> gbkByteLength(std::string_view utf8) {
  auto gbk = utf8ToGbk(utf8);
  if (!gbk) {
    return std::nullopt;
  }
  return gbk->size();
}

bool isGbkHanCharacter(char32_t codePoint) {
  UErrorCode status = U_ZERO_ERROR;
  if (uscript_getScript(static_cast<UChar32>(codePoint), &status) != USCRIPT_HAN || U_FAILURE(status)) {
    return false;
  }
  std::string utf8;
  appendUtf8(utf8, codePoint);
  auto length = gbkByteLength(utf8);
  return length && *length == 2;
}

bool isGbkHanText(std::string_view utf8) {
  auto codePoints = decodeUtf8(utf8);
  if (!codePoints || codePoints->empty()) {
    return false;
  }
  for (char32_t c : *codePoints) {
    if (!isGbkHanCharacter(c)) {
      return false;
    }
  }
  return true;
}

std::optional<std::u32string> decodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto length = static_cast<int32_t>(utf8.size());
  int32_t i = 0;
  while (i < length) {
    UChar32 c = 0;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) {
      return std::nullopt;
    }
    out.push_back(static_cast<char32_t>(c));
  }
  return out;
}

void appendUtf8(std::string& out, char32_t codePoint) {
  uint8_t buffer[U8_MAX_LENGTH];
  int32_t length = 0;
  UBool error = false;
  U8_APPEND(buffer, length, U8_MAX_LENGTH, static_cast<UChar32>(codePoint), error);
  if (!error) {
    out.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
  }
}

}  // namespace quillan::common
