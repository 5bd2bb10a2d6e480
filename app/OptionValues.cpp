#include "app/OptionValues.h"

#include <charconv>

namespace spctmview {

long long integerIn(const std::string& option, const std::string& text, long long lo, long long hi) {
  long long v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi) {
    throw UsageError(option + " needs a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                     ", got '" + text + "'");
  }
  return v;
}

int oneOf(const std::string& option, const std::string& text, std::initializer_list<const char*> words) {
  int i = 0;
  std::string list;
  for (const char* w : words) {
    if (text == w) return i;
    if (i++ > 0) list += '|';
    list += w;
  }
  throw UsageError(option + " needs one of " + list + ", got '" + text + "'");
}

int spctmClassOf(const std::string& option, const std::string& text) {
  return oneOf(option, text, {"act", "ctl", "rst"});
}

int dataKindOf(const std::string& option, const std::string& text) {
  return oneOf(option, text, {"real", "imag", "power"});
}

int zoomOf(const std::string& option, const std::string& text) {
  if (text == "fit") return 0;
  try {
    return static_cast<int>(integerIn(option, text, 1, 64));
  } catch (const UsageError&) {
    throw UsageError(option + " needs fit or a whole number from 1 to 64, got '" + text + "'");
  }
}

std::wstring channelOf(const std::string& option, const std::string& text) {
  if (text.empty()) throw UsageError(option + " needs a channel name");
  return {text.begin(), text.end()};
}

bool parseSpectraOption(const std::string& option, const std::string& value, int& spctmClass, int& dataKind,
                        int& dataSource, std::wstring& channel) {
  if (option == "--class") spctmClass = spctmClassOf(option, value);
  else if (option == "--kind") dataKind = dataKindOf(option, value);
  else if (option == "--source") dataSource = static_cast<int>(integerIn(option, value, 0, 6));
  else if (option == "--channel") channel = channelOf(option, value);
  else return false;
  return true;
}

std::array<long long, 4> fourIn(const std::string& option, const std::string& text, long long lo, long long hi) {
  std::array<long long, 4> v{};
  std::size_t from = 0;
  for (std::size_t k = 0; k < v.size(); ++k) {
    const std::size_t at = k + 1 < v.size() ? text.find(',', from) : text.size();
    if (at == std::string::npos) throw UsageError(option + " needs four numbers joined by ',', got '" + text + "'");
    v[k] = integerIn(option, text.substr(from, at - from), lo, hi);
    from = at + 1;
  }
  return v;
}

OptionArg splitOption(const std::string& arg) {
  OptionArg o{arg, {}, false};
  if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
    o.value = arg.substr(eq + 1);
    o.name.resize(eq);
    o.hasValue = true;
  }
  return o;
}

std::string takeValue(OptionArg& arg, const std::vector<std::string>& args, std::size_t& next) {
  if (!arg.hasValue) {
    if (next + 1 >= args.size()) throw UsageError(arg.name + " needs a value");
    arg.value = args[++next];
    arg.hasValue = true;
  }
  return arg.value;
}

}  // namespace spctmview
