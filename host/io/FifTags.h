// The tag layer of the FIF reader: big-endian access to the file's bytes with every read
// checked against the bytes there are, and the tree of blocks built from the tags, found
// through the file's tag directory when it has a usable one, else by following the tags
// one after another. Used by the measurement-info and raw-data parts of readFif.
// Errors are RecordingError "PATH: byte N: WHY"; a file that ends inside a tag is not an
// error here: the tree then says where it ends (`cutAt`), and the tag cut off is kept.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The file's bytes, as mapped, with the path the errors name.
class FifBytes {
 public:
  FifBytes(std::span<const std::uint8_t> bytes, std::string path) : m_bytes(bytes), m_path(std::move(path)) {}

  std::uint64_t size() const { return m_bytes.size(); }
  const std::string& path() const { return m_path; }
  const std::uint8_t* at(std::uint64_t pos) const { return m_bytes.data() + pos; }

  // Big-endian numbers at `pos`; the caller has checked that they lie inside the file.
  std::int32_t i32(std::uint64_t pos) const;
  float f32(std::uint64_t pos) const;

  // Throws RecordingError(path, "byte POS", why).
  [[noreturn]] void fail(std::uint64_t pos, const std::string& why) const;

 private:
  std::span<const std::uint8_t> m_bytes;
  std::string m_path;
};

struct FifTag {
  std::int32_t kind = 0;
  std::int32_t type = 0;
  std::uint32_t size = 0;  // payload bytes as the header announces them
  std::uint64_t pos = 0;   // byte offset of the header
  std::uint64_t dataPos() const { return pos + 16; }
  std::uint64_t end() const { return dataPos() + size; }
};

struct FifBlock {
  std::int32_t kind = 0;  // block kind (0 for the file's top level)
  std::uint64_t pos = 0;  // byte offset of its start tag
  std::vector<FifTag> tags;  // its own tags, in file order, without the start and end tags
  std::vector<FifBlock> children;

  const FifTag* firstTag(std::int32_t tagKind) const;
  // The first block of `blockKind` below this one, depth first (this one excluded).
  const FifBlock* find(std::int32_t blockKind) const;
};

struct FifTagTree {
  FifBlock top;
  bool usedDirectory = false;
  // Set when the file ends inside a tag, a tag header or an open block: where it ends.
  std::optional<std::uint64_t> cutAt;
  std::vector<std::string> warnings;
};

// Reads the tags of a whole FIF file. A directory is used only when its entries match the
// tag headers at their offsets, in file order and without overlap; else a warning says why
// and the tags are followed in file order. Refuses a file that does not start with a
// file-id tag, tags with negative sizes or backward `next` offsets, unbalanced block ends
// and blocks nested deeper than kMaxFifBlockDepth.
inline constexpr int kMaxFifBlockDepth = 64;
FifTagTree readFifTags(const FifBytes& bytes);

// The payload of a tag whole; a tag that runs past the end of the file is an error that
// names the tag (`what`).
std::span<const std::uint8_t> fifTagData(const FifBytes& bytes, const FifTag& tag, const char* what);
