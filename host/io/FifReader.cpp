#include "host/io/FifReader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/io/FifMeasInfo.h"
#include "host/io/FifRawData.h"
#include "host/io/FifTags.h"
#include "host/io/StimEvents.h"

namespace {

// The file mapped read-only for the time of the reading.
class MappedFile {
 public:
  explicit MappedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw RecordingError(path, "", std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      throw RecordingError(path, "", "not a regular file");
    }
    m_size = static_cast<std::size_t>(st.st_size);
    if (m_size > 0) {
      m_data = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
      const int error = errno;
      ::close(fd);
      if (m_data == MAP_FAILED) throw RecordingError(path, "", std::strerror(error));
    } else {
      ::close(fd);
    }
  }
  ~MappedFile() {
    if (m_size > 0) ::munmap(m_data, m_size);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  std::span<const std::uint8_t> bytes() const { return {static_cast<const std::uint8_t*>(m_data), m_size}; }

 private:
  void* m_data = nullptr;
  std::size_t m_size = 0;
};

}  // namespace

Recording readFifBytes(std::span<const std::uint8_t> data, const std::string& path) {
  const FifBytes bytes(data, path);
  const FifTagTree tree = readFifTags(bytes);
  FifMeasInfo info = readFifMeasInfo(bytes, tree);

  Recording rec;
  rec.path = path;
  rec.format = "FIF";
  rec.samplingRateHz = info.samplingRateHz;
  rec.channels = std::move(info.channels);
  rec.warnings = tree.warnings;
  rec.warnings.insert(rec.warnings.end(), info.warnings.begin(), info.warnings.end());
  readFifRawData(bytes, tree, info, rec);
  rec.events = eventsFromStimChannels(rec);
  return rec;
}

Recording readFif(const std::string& path) {
  const MappedFile file(path);
  return readFifBytes(file.bytes(), path);
}
