#include "chars/CharRecord.h"

#include "common/TextNumbers.h"

namespace quillan::chars {

int CharRecord::strokeCount() const { return common::textToInt(strokes); }

CharRecord parseEntry(std::string_view entry) {
  CharRecord record;
  std::string* fields[] = {&record.simplified, &record.traditional, &record.pinyin, &record.strokes, &record.element};
  std::size_t start = 0;
  for (std::string* field : fields) {
    const std::size_t comma = entry.find(',', start);
    *field = std::string(entry.substr(start, comma == std::string_view::npos ? entry.npos : comma - start));
    if (comma == std::string_view::npos) {
      break;
    }
    start = comma + 1;
  }
  return record;
}

std::string entryText(const CharRecord& record) {
  return record.simplified + ',' + record.traditional + ',' + record.pinyin + ',' + record.strokes + ',' +
         record.element;
}

CharRecord mergeSurname(const CharRecord& first, const CharRecord& second) {
  return CharRecord{first.simplified + second.simplified, first.traditional + second.traditional,
                    first.pinyin + second.pinyin, second.strokes, first.element + second.element};
}

}  // namespace quillan::chars
