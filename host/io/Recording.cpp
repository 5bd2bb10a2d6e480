#include "host/io/Recording.h"

const char* channelTypeName(ChannelType type) {
  switch (type) {
    case ChannelType::MegMag: return "MEG mag";
    case ChannelType::MegGrad: return "MEG grad";
    case ChannelType::Eeg: return "EEG";
    case ChannelType::Eog: return "EOG";
    case ChannelType::Stim: return "stimulus";
    case ChannelType::Other: break;
  }
  return "other";
}

static std::string recordingErrorText(const std::string& path, const std::string& where, const std::string& why) {
  return where.empty() ? path + ": " + why : path + ": " + where + ": " + why;
}

RecordingError::RecordingError(const std::string& path, const std::string& where, const std::string& why)
    : std::runtime_error(recordingErrorText(path, where, why)) {}
