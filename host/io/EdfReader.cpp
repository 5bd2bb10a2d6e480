#include "host/io/EdfReader.h"

#include <edflib.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "host/io/ChannelLabels.h"
#include "host/io/StimEvents.h"

namespace {

// EDFlib's open and close share one table of files without a lock of their own.
std::mutex& edflibMutex() {
  static std::mutex m;
  return m;
}

std::string edflibErrorText(int code) {
  switch (code) {
    case EDFLIB_MALLOC_ERROR: return "out of memory while reading the header";
    case EDFLIB_NO_SUCH_FILE_OR_DIRECTORY: return "cannot open the file";
    case EDFLIB_FILE_CONTAINS_FORMAT_ERRORS:
      return "the header breaks the EDF/BDF rules (a field out of its range, a character not allowed, or an "
             "annotation signal that cannot be read)";
    case EDFLIB_MAXFILES_REACHED: return "too many EDF/BDF files open at once";
    case EDFLIB_FILE_READ_ERROR: return "the file cannot be read";
    case EDFLIB_FILE_ALREADY_OPENED: return "the file is already open in this program";
    case EDFLIB_FILETYPE_ERROR: return "not an EDF, EDF+, BDF or BDF+ file";
    case EDFLIB_FILE_IS_DISCONTINUOUS:
      return "a discontinuous recording (EDF+D/BDF+D), whose data records have gaps; only continuous recordings "
             "can be read";
    case EDFLIB_NUMBER_OF_SIGNALS_INVALID: return "the number of signals is out of range";
    default: return "EDFlib error " + std::to_string(code);
  }
}

// The fixed part of the header, read here so that sizes can be checked and a file cut
// short be told from a broken one (EDFlib refuses both alike).
struct HeaderSizes {
  bool bdf = false;
  std::int64_t headerBytes = 0;
  std::int64_t announcedRecords = 0;  // -1: not known (the recorder did not finish)
  std::int64_t recordBytes = 0;
  std::int64_t fileBytes = 0;
};

std::int64_t numberField(const std::string& path, const std::string& header, std::size_t offset, std::size_t width,
                         const char* what) {
  const std::string text = trimmed(std::string_view(header).substr(offset, width));
  const auto value = integerOf(text);
  if (!value)
    throw RecordingError(path, "byte " + std::to_string(offset), std::string(what) + " is not a whole number: \"" + text + "\"");
  return *value;
}

HeaderSizes readHeaderSizes(const std::string& path, int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) throw RecordingError(path, "", std::strerror(errno));
  HeaderSizes s;
  s.fileBytes = st.st_size;
  std::string fixed(256, '\0');
  const ssize_t got = ::pread(fd, fixed.data(), fixed.size(), 0);
  if (got < 0) throw RecordingError(path, "", std::strerror(errno));
  if (got < 256)
    throw RecordingError(path, "byte " + std::to_string(got), "the file ends inside the 256-byte fixed header");
  if (fixed.compare(0, 8, "0       ") == 0) {
    s.bdf = false;
  } else if (static_cast<unsigned char>(fixed[0]) == 0xFF && fixed.compare(1, 7, "BIOSEMI") == 0) {
    s.bdf = true;
  } else {
    throw RecordingError(path, "byte 0", "not an EDF or BDF file (the version field is neither \"0\" nor 255 \"BIOSEMI\")");
  }
  s.headerBytes = numberField(path, fixed, 184, 8, "the header size");
  s.announcedRecords = numberField(path, fixed, 236, 8, "the number of data records");
  const std::int64_t signals = numberField(path, fixed, 252, 4, "the number of signals");
  if (signals < 1 || signals > EDFLIB_MAXSIGNALS)
    throw RecordingError(path, "byte 252", std::to_string(signals) + " signals (1 to " + std::to_string(EDFLIB_MAXSIGNALS) + " can be read)");
  if (s.headerBytes != 256 * (signals + 1))
    throw RecordingError(path, "byte 184", "the header size " + std::to_string(s.headerBytes) + " does not match " +
                                               std::to_string(signals) + " signals (" + std::to_string(256 * (signals + 1)) + " bytes)");
  if (s.fileBytes < s.headerBytes)
    throw RecordingError(path, "byte " + std::to_string(s.fileBytes), "the file ends inside the signal headers");
  std::string counts(static_cast<std::size_t>(8 * signals), '\0');
  const std::int64_t countsAt = 256 + signals * 216;
  if (::pread(fd, counts.data(), counts.size(), countsAt) != static_cast<ssize_t>(counts.size()))
    throw RecordingError(path, "byte " + std::to_string(countsAt), "cannot read the samples per data record");
  const int sampleBytes = s.bdf ? 3 : 2;
  for (std::int64_t i = 0; i < signals; ++i) {
    const std::int64_t n = numberField(path, counts, static_cast<std::size_t>(8 * i), 8, "a signal's samples per data record");
    if (n < 1 || n > (1 << 24))
      throw RecordingError(path, "byte " + std::to_string(countsAt + 8 * i), "signal " + std::to_string(i + 1) + " has " + std::to_string(n) + " samples per data record");
    s.recordBytes += n * sampleBytes;
  }
  if (s.announcedRecords < -1 || s.announcedRecords == 0)
    throw RecordingError(path, "byte 236", "the header announces " + std::to_string(s.announcedRecords) + " data records");
  return s;
}

// A copy of the file in memory holding only its complete data records, with the record
// count in its header set to match, so EDFlib reads what is there. Returns the copy's
// descriptor (the caller closes it).
int completeRecordsCopy(const std::string& path, int fd, const HeaderSizes& s, std::int64_t records) {
  const int copy = ::memfd_create("edf-complete-records", MFD_CLOEXEC);
  if (copy < 0) throw RecordingError(path, "", std::string("cannot make room for the complete records: ") + std::strerror(errno));
  std::vector<char> buffer(1 << 20);
  std::int64_t at = 0;
  const std::int64_t total = s.headerBytes + records * s.recordBytes;
  while (at < total) {
    const auto want = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(buffer.size()), total - at));
    const ssize_t got = ::pread(fd, buffer.data(), want, at);
    if (got <= 0 || ::pwrite(copy, buffer.data(), static_cast<std::size_t>(got), at) != got) {
      ::close(copy);
      throw RecordingError(path, "byte " + std::to_string(at), "cannot copy the complete data records");
    }
    at += got;
  }
  std::string field = std::to_string(records);
  const bool fits = field.size() <= 8;  // the header's field holds 8 digits
  field.resize(8, ' ');
  if (!fits || ::pwrite(copy, field.data(), 8, 236) != 8) {
    ::close(copy);
    throw RecordingError(path, "", "cannot copy the complete data records");
  }
  return copy;
}

// The file as EDFlib opens it: the file itself, or an in-memory copy of its complete
// records; EDFlib's handle and the copy are closed whatever happens.
struct OpenEdf {
  std::string path;  // what EDFlib opens
  int copyFd = -1;
  int handle = -1;
  std::unique_ptr<edf_hdr_struct> hdr = std::make_unique<edf_hdr_struct>();
  OpenEdf() = default;
  OpenEdf(const OpenEdf&) = delete;
  OpenEdf& operator=(const OpenEdf&) = delete;
  ~OpenEdf() {
    if (handle >= 0) {
      std::lock_guard lock(edflibMutex());
      edfclose_file(handle);
    }
    if (copyFd >= 0) ::close(copyFd);
  }
};

// Checks the sizes in the header against the file's; a file cut short, longer than
// announced or with an unknown record count is handed to EDFlib as a copy of its complete
// records, with a warning in `rec`.
void chooseSource(const std::string& path, OpenEdf& file, Recording& rec) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw RecordingError(path, "", std::strerror(errno));
  try {
    const HeaderSizes sizes = readHeaderSizes(path, fd);
    const std::int64_t complete = (sizes.fileBytes - sizes.headerBytes) / sizes.recordBytes;
    const std::int64_t expected = sizes.headerBytes + sizes.announcedRecords * sizes.recordBytes;
    if (complete == 0)
      throw RecordingError(path, "byte " + std::to_string(sizes.fileBytes), "the file holds no complete data record");
    std::int64_t records = sizes.announcedRecords;
    if (sizes.announcedRecords == -1) {
      records = complete;
      rec.warnings.push_back("The header does not say how many data records follow; the " + std::to_string(complete) +
                             " complete ones were read.");
    } else if (sizes.fileBytes < expected) {
      records = complete;
      rec.truncated = true;
      rec.warnings.push_back("The file is cut short: " + std::to_string(complete) + " of the " +
                             std::to_string(sizes.announcedRecords) + " data records its header announces were read (" +
                             std::to_string(sizes.fileBytes) + " of " + std::to_string(expected) + " bytes).");
    } else if (sizes.fileBytes > expected) {
      rec.warnings.push_back(std::to_string(sizes.fileBytes - expected) + " bytes after the last data record were ignored.");
    }
    file.path = path;
    if (sizes.fileBytes != expected) {
      file.copyFd = completeRecordsCopy(path, fd, sizes, records);
      file.path = "/proc/self/fd/" + std::to_string(file.copyFd);
    }
  } catch (...) {
    ::close(fd);
    throw;
  }
  ::close(fd);
}

void openWithEdflib(const std::string& path, OpenEdf& file) {
  std::lock_guard lock(edflibMutex());
  if (edfopen_file_readonly(file.path.c_str(), file.hdr.get(), EDFLIB_READ_ALL_ANNOTATIONS) != 0)
    throw RecordingError(path, "", edflibErrorText(file.hdr->filetype));
  file.handle = file.hdr->handle;
}

const char* formatName(int filetype) {
  switch (filetype) {
    case EDFLIB_FILETYPE_EDFPLUS: return "EDF+";
    case EDFLIB_FILETYPE_BDF: return "BDF";
    case EDFLIB_FILETYPE_BDFPLUS: return "BDF+";
    default: return "EDF";
  }
}

// The samples per data record most signals share (the larger on a tie): the recording's
// rate.
int mainSamplesPerRecord(const edf_hdr_struct& hdr) {
  std::map<int, int> count;
  for (int i = 0; i < hdr.edfsignals; ++i) ++count[hdr.signalparam[i].smp_in_datarecord];
  int best = 0, bestCount = 0;
  for (const auto& [n, c] : count)
    if (c >= bestCount) best = n, bestCount = c;
  return best;
}

// The signals at the main rate; the others are named in a warning.
std::vector<int> signalsAtMainRate(const edf_hdr_struct& hdr, int perRecord, Recording& rec) {
  std::vector<int> kept;
  std::string leftOut;
  for (int i = 0; i < hdr.edfsignals; ++i) {
    if (hdr.signalparam[i].smp_in_datarecord == perRecord) kept.push_back(i);
    else leftOut += (leftOut.empty() ? "" : ", ") + trimmed(hdr.signalparam[i].label);
  }
  if (!leftOut.empty())
    rec.warnings.push_back("Signals at another sampling rate than " + std::to_string(rec.samplingRateHz) +
                           " Hz are left out: " + leftOut + ".");
  return kept;
}

// Reads `count` samples of one signal into `out`: physical values times `factor`, or, for
// a status channel, the low 16 bits of the stored numbers.
void readSignal(const std::string& path, int handle, int signal, bool statusBits, double factor, float* out,
                std::int64_t count) {
  constexpr int kChunk = 1 << 16;
  std::vector<double> physical(statusBits ? 0 : kChunk);
  std::vector<int> digital(statusBits ? kChunk : 0);
  for (std::int64_t at = 0; at < count;) {
    const int want = static_cast<int>(std::min<std::int64_t>(kChunk, count - at));
    const int got = statusBits ? edfread_digital_samples(handle, signal, want, digital.data())
                               : edfread_physical_samples(handle, signal, want, physical.data());
    if (got <= 0) throw RecordingError(path, "", "signal " + std::to_string(signal + 1) + " cannot be read after sample " + std::to_string(at));
    for (int i = 0; i < got; ++i)
      out[at + i] = statusBits ? static_cast<float>(digital[static_cast<std::size_t>(i)] & 0xFFFF)
                               : static_cast<float>(physical[static_cast<std::size_t>(i)] * factor);
    at += got;
  }
}

// One channel per kept signal: name and type from the label, SI unit, samples.
void readChannels(const std::string& path, const OpenEdf& file, const std::vector<int>& kept, Recording& rec) {
  const bool bdf = file.hdr->filetype == EDFLIB_FILETYPE_BDF || file.hdr->filetype == EDFLIB_FILETYPE_BDFPLUS;
  const auto count = static_cast<std::size_t>(rec.sampleCount);
  rec.samples.resize(kept.size() * count);
  for (std::size_t c = 0; c < kept.size(); ++c) {
    const edf_param_struct& p = file.hdr->signalparam[kept[c]];
    const UnitScale unit = siUnitOf(p.physdimension);
    const bool electrode = std::string(p.transducer).find("lectrode") != std::string::npos;
    const ChannelLabel label = channelLabelOf(p.label, unit.unit, electrode);
    const bool stim = label.type == ChannelType::Stim;
    // BioSemi's Status channel stores trigger bits as numbers (physical = digital) and the
    // amplifier's state above bit 16; a trigger channel with another scale is read as values.
    const bool statusBits = stim && bdf && p.phys_min == p.dig_min && p.phys_max == p.dig_max;
    float* out = rec.samples.data() + c * count;
    readSignal(path, file.handle, kept[c], statusBits, stim ? 1.0 : unit.factor, out, rec.sampleCount);
    if (stim && !statusBits) std::transform(out, out + count, out, [](float v) { return std::round(v); });
    rec.channels.push_back({label.name, label.type, stim ? "" : unit.unit, false, {}, {}, false});
  }
}

// EDF+/BDF+ annotations as events with their text, at the nearest sample.
void addAnnotations(const OpenEdf& file, Recording& rec) {
  for (long long n = 0; n < file.hdr->annotations_in_file; ++n) {
    edf_annotation_struct a{};
    if (edf_get_annotation(file.handle, static_cast<int>(n), &a) != 0) continue;
    const auto sample = static_cast<std::int64_t>(
        std::llround(static_cast<double>(a.onset) * rec.samplingRateHz / static_cast<double>(EDFLIB_TIME_DIMENSION)));
    if (sample >= 0 && sample < rec.sampleCount) rec.events.push_back({sample, 0, a.annotation});
  }
}

}  // namespace

Recording readEdf(const std::string& path) {
  Recording rec;
  rec.path = path;
  OpenEdf file;
  chooseSource(path, file, rec);
  openWithEdflib(path, file);
  const edf_hdr_struct& hdr = *file.hdr;
  rec.format = formatName(hdr.filetype);
  if (hdr.datarecord_duration <= 0) throw RecordingError(path, "", "the data records have no duration");
  const int perRecord = mainSamplesPerRecord(hdr);
  rec.samplingRateHz = perRecord * static_cast<double>(EDFLIB_TIME_DIMENSION) / static_cast<double>(hdr.datarecord_duration);
  rec.sampleCount = hdr.datarecords_in_file * perRecord;
  readChannels(path, file, signalsAtMainRate(hdr, perRecord, rec), rec);
  rec.events = eventsFromStimChannels(rec);
  addAnnotations(file, rec);
  std::stable_sort(rec.events.begin(), rec.events.end(),
                   [](const RecordingEvent& a, const RecordingEvent& b) { return a.sample < b.sample; });
  return rec;
}
