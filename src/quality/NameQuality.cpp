#include "quality/NameQuality.h"

#include <algorithm>
#include <array>

namespace quillan::quality {
namespace {

constexpr std::array<std::string_view, 6> kGateIds{"G1", "G2", "G3", "G4", "G5", "G6"};
constexpr std::array<std::string_view, 6> kGateNames{"生僻字",   "声调单一", "双声叠韵",
                                                     "谐音不雅", "避用字音", "多音字"};
constexpr std::array<std::string_view, 5> kToneNames{"轻声", "第一声", "第二声", "第三声", "第四声"};

std::size_t gateIndex(Gate gate) { return static_cast<std::size_t>(gate) - 1; }

std::string quoted(NameView run) {
  std::string text = "「";
  for (const SoundedChar* c : run) {
    text += c->character;
  }
  return text + "」";
}

}  // namespace

std::string_view gateId(Gate gate) { return kGateIds[gateIndex(gate)]; }

std::string_view gateName(Gate gate) { return kGateNames[gateIndex(gate)]; }

QualityChecker::QualityChecker(const AvoidTables& tables, UserAvoidance user)
    : tables_(tables), user_(std::move(user)) {}

SoundedChar QualityChecker::sound(std::string_view character, std::string_view reading, bool given,
                                  int tghLevel) const {
  SoundedChar c;
  c.character = character;
  c.reading = reading;
  if (auto syllable = parseSyllable(reading)) {
    c.syllable = std::move(*syllable);
    c.syllableId = tables_.syllableId(c.syllable.toneless);
  }
  c.given = given;
  if (given) {
    c.outsideTable = tghLevel == 0;
    c.avoidReason = tables_.avoidedCharacter(character);
    c.userAvoidedCharacter = user_.characters.contains(character);
    c.userAvoidedSound = !c.syllable.toneless.empty() && user_.sounds.contains(c.syllable.toneless);
    const Polyphone* polyphone = tables_.polyphone(character);
    if (polyphone != nullptr && polyphone->nameReading == reading && polyphone->usualReading != reading) {
      c.polyphone = polyphone;
    }
  }
  return c;
}

// Calls report(gate, blocking, text) for every finding; `text` is a callable making the sentence, so
// that judge() never builds one.
template <class Report>
void QualityChecker::examine(NameView name, Report&& report) const {
  const std::size_t n = name.size();
  for (const SoundedChar* c : name) {
    if (c->outsideTable) {
      report(Gate::RareCharacter, true,
             [&] { return "「" + c->character + "」不在《通用规范汉字表》内，户口登记时可能无法录入"; });
    }
  }
  const bool flat = n >= 2 && std::all_of(name.begin(), name.end(), [&](const SoundedChar* c) {
                      return c->syllable.tone != 0 && c->syllable.tone == name[0]->syllable.tone;
                    });
  if (flat) {
    report(Gate::FlatTones, true, [&] {
      return "全名" + quoted(name) + "每个字都读" + std::string(kToneNames[name[0]->syllable.tone]) + "，读来没有起伏";
    });
  }
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const SoundedChar& a = *name[i];
    const SoundedChar& b = *name[i + 1];
    if ((!a.given && !b.given) || a.character == b.character || a.syllable.toneless.empty() ||
        b.syllable.toneless.empty()) {
      continue;
    }
    if (!a.syllable.initial.empty() && a.syllable.initial == b.syllable.initial) {
      report(Gate::Alliteration, true,
             [&] { return quoted(name.subspan(i, 2)) + "双声：声母都是 " + a.syllable.initial; });
    } else if (a.syllable.final == b.syllable.final) {
      report(Gate::Alliteration, true, [&] {
        const std::string final = a.syllable.final == "-i" ? "i" : a.syllable.final;
        return quoted(name.subspan(i, 2)) + "叠韵：韵母都是 " + final;
      });
    }
  }
  for (std::size_t length = 2; length <= 3; ++length) {
    for (std::size_t i = 0; i + length <= n; ++i) {
      const auto run = name.subspan(i, length);
      if (std::none_of(run.begin(), run.end(), [](const SoundedChar* c) { return c->given; })) {
        continue;
      }
      std::array<int, 3> ids{};
      for (std::size_t k = 0; k < length; ++k) {
        ids[k] = run[k]->syllableId;
      }
      for (const AvoidWord& word : tables_.wordsOf(ids.data(), length)) {
        bool sameTones = true;
        for (std::size_t k = 0; k < length; ++k) {
          sameTones = sameTones && run[k]->syllable.tone == word.tones[k];
        }
        const bool blocking = word.strong || sameTones;
        report(Gate::Homophone, blocking, [&, sameTones] {
          std::string text =
              quoted(run) + (sameTones ? "读音同「" : "读音近「") + word.word + "」（" + word.reason + "）";
          if (!blocking) {
            text += "，只是声调不同";
          }
          return text;
        });
      }
    }
  }
  for (const SoundedChar* pointer : name) {
    const SoundedChar& c = *pointer;
    if (c.avoidReason != nullptr) {
      report(Gate::AvoidedCharacter, true, [&] { return "「" + c.character + "」不宜入名：" + *c.avoidReason; });
    }
    if (c.userAvoidedCharacter) {
      report(Gate::AvoidedCharacter, true, [&] { return "「" + c.character + "」在您要避开的字里"; });
    } else if (c.userAvoidedSound) {
      report(Gate::AvoidedCharacter, true, [&] {
        return "「" + c.character + "」读 " + c.reading + "，在您要避开的读音（" + c.syllable.toneless + "）里";
      });
    }
  }
  for (const SoundedChar* pointer : name) {
    const SoundedChar& c = *pointer;
    if (c.polyphone != nullptr) {
      report(Gate::Polyphone, false, [&] { return "「" + c.character + "」是多音字：" + c.polyphone->note; });
    }
  }
}

Verdict QualityChecker::judge(NameView name) const {
  Verdict verdict;
  examine(name, [&](Gate gate, bool blocking, const auto&) {
    (blocking ? verdict.failedGates : verdict.warnedGates) |= 1U << static_cast<unsigned>(gate);
  });
  verdict.userAvoided = std::any_of(
      name.begin(), name.end(), [](const SoundedChar* c) { return c->userAvoidedCharacter || c->userAvoidedSound; });
  verdict.euphony = euphonyOf(name);
  return verdict;
}

Assessment QualityChecker::assess(NameView name) const {
  Assessment assessment;
  for (const SoundedChar* c : name) {
    assessment.characters.push_back(*c);
    assessment.pattern += toneClassName(toneClass(c->syllable.tone));
  }
  examine(name, [&](Gate gate, bool blocking, const auto& text) {
    assessment.findings.push_back({gate, blocking, text()});
  });
  std::stable_sort(assessment.findings.begin(), assessment.findings.end(),
                   [](const Finding& a, const Finding& b) { return a.blocking && !b.blocking; });
  assessment.verdict = judge(name);
  assessment.euphony = explainEuphony(name);
  return assessment;
}

}  // namespace quillan::quality
