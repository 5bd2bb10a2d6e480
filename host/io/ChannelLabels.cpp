#include "host/io/ChannelLabels.h"

#include <array>
#include <cctype>
#include <optional>
#include <utility>

#include "host/io/StandardMontage.h"

namespace {

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Decimal prefixes as headers write them; micro in ASCII, UTF-8 (micro sign and Greek mu)
// and Latin-1.
std::optional<double> prefixFactor(std::string_view prefix) {
  static const std::array<std::pair<std::string_view, double>, 10> kPrefixes{{
      {"", 1.0}, {"m", 1e-3}, {"u", 1e-6}, {"\xC2\xB5", 1e-6}, {"\xCE\xBC", 1e-6}, {"\xB5", 1e-6},
      {"n", 1e-9}, {"p", 1e-12}, {"f", 1e-15}, {"k", 1e3}}};
  for (const auto& [text, factor] : kPrefixes)
    if (prefix == text) return factor;
  return std::nullopt;
}

enum class Word { None, Eeg, Eog, Meg, Other, Stim };

Word typeWordOf(std::string_view word) {
  static const std::array<std::pair<std::string_view, Word>, 19> kWords{{
      {"EEG", Word::Eeg}, {"EOG", Word::Eog}, {"HEOG", Word::Eog}, {"VEOG", Word::Eog},
      {"MEG", Word::Meg}, {"ECG", Word::Other}, {"EKG", Word::Other}, {"EMG", Word::Other},
      {"RESP", Word::Other}, {"TEMP", Word::Other}, {"SPO2", Word::Other}, {"PULSE", Word::Other},
      {"STATUS", Word::Stim}, {"TRIGGER", Word::Stim}, {"TRIG", Word::Stim}, {"STI", Word::Stim},
      {"STIM", Word::Stim}, {"EVENT", Word::Stim}, {"MARKER", Word::Stim}}};
  for (const auto& [text, type] : kWords)
    if (equalsIgnoringCase(word, text)) return type;
  return Word::None;
}

}  // namespace

UnitScale siUnitOf(std::string_view writtenText) {
  const std::string written = trimmed(writtenText);
  // Longest base first, so "fT/cm" is not read as a prefix "fT/c" of metres.
  static const std::array<std::pair<std::string_view, std::pair<std::string_view, double>>, 4> kBases{{
      {"T/cm", {"T/m", 100.0}}, {"T/m", {"T/m", 1.0}}, {"V", {"V", 1.0}}, {"T", {"T", 1.0}}}};
  for (const auto& [base, si] : kBases) {
    if (!endsWith(written, base)) continue;
    if (const auto factor = prefixFactor(std::string_view(written).substr(0, written.size() - base.size())))
      return {std::string(si.first), *factor * si.second};
  }
  return {written, 1.0};
}

std::string electrodeNameOf(std::string_view name) {
  static const std::array<std::string_view, 5> kSuffixes{"-REF", "-LE", "-AVG", "-AR", "-CAR"};
  for (std::string_view suffix : kSuffixes)
    if (name.size() > suffix.size() && equalsIgnoringCase(name.substr(name.size() - suffix.size()), suffix))
      return std::string(name.substr(0, name.size() - suffix.size()));
  return std::string(name);
}

ChannelLabel channelLabelOf(std::string_view labelText, const std::string& siUnit, bool voltsMeanEeg) {
  const std::string label = trimmed(labelText);
  const auto gap = label.find_first_of(" _-,");
  const std::string_view first = std::string_view(label).substr(0, gap);
  const std::string rest = gap == std::string::npos ? std::string() : trimmed(std::string_view(label).substr(gap + 1));
  switch (typeWordOf(first)) {
    case Word::Eeg: return {ChannelType::Eeg, rest.empty() ? label : rest};
    case Word::Eog: return {ChannelType::Eog, label};
    case Word::Meg: return {siUnit == "T/m" ? ChannelType::MegGrad : ChannelType::MegMag, label};
    case Word::Other: return {ChannelType::Other, label};
    case Word::Stim: return {ChannelType::Stim, label};
    case Word::None: break;
  }
  // A name holding "EOG" in any case ("LEOG", "heog_r") is one.
  std::string upper = label;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper.find("EOG") != std::string::npos) return {ChannelType::Eog, label};
  if (siUnit == "T" || siUnit == "T/m") return {siUnit == "T" ? ChannelType::MegMag : ChannelType::MegGrad, label};
  if (siUnit == "V" && (voltsMeanEeg || standardPosition(electrodeNameOf(label)))) return {ChannelType::Eeg, label};
  return {ChannelType::Other, label};
}
