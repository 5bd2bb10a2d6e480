#include "host/io/FifTags.h"

#include <bit>
#include <cstring>

#include "host/io/FifFormat.h"
#include "host/io/Recording.h"

std::int32_t FifBytes::i32(std::uint64_t pos) const {
  std::uint32_t v;
  std::memcpy(&v, at(pos), 4);
  if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap32(v);
  return static_cast<std::int32_t>(v);
}

float FifBytes::f32(std::uint64_t pos) const { return std::bit_cast<float>(i32(pos)); }

void FifBytes::fail(std::uint64_t pos, const std::string& why) const {
  throw RecordingError(m_path, "byte " + std::to_string(pos), why);
}

const FifTag* FifBlock::firstTag(std::int32_t tagKind) const {
  for (const FifTag& t : tags)
    if (t.kind == tagKind) return &t;
  return nullptr;
}

const FifBlock* FifBlock::find(std::int32_t blockKind) const {
  for (const FifBlock& child : children) {
    if (child.kind == blockKind) return &child;
    if (const FifBlock* below = child.find(blockKind)) return below;
  }
  return nullptr;
}

std::span<const std::uint8_t> fifTagData(const FifBytes& bytes, const FifTag& tag, const char* what) {
  if (tag.end() > bytes.size())
    bytes.fail(tag.pos, std::string("the file ends at byte ") + std::to_string(bytes.size()) + " inside the " + what +
                            " tag of " + std::to_string(tag.size) + " bytes");
  return {bytes.at(tag.dataPos()), tag.size};
}

namespace {

FifTag headerAt(const FifBytes& bytes, std::uint64_t pos) {
  FifTag t;
  t.pos = pos;
  t.kind = bytes.i32(pos);
  t.type = bytes.i32(pos + 4);
  const std::int32_t size = bytes.i32(pos + 8);
  if (size < 0) bytes.fail(pos + 8, "tag of kind " + std::to_string(t.kind) + " announces a negative size (" + std::to_string(size) + ")");
  t.size = static_cast<std::uint32_t>(size);
  return t;
}

// The tags one after another from the start, following each tag's `next`. Only forward
// offsets are accepted, so the walk ends.
std::vector<FifTag> scanTags(const FifBytes& bytes, FifTagTree& tree) {
  std::vector<FifTag> tags;
  std::uint64_t pos = 0;
  while (pos < bytes.size()) {
    if (pos + fif::kTagHeaderBytes > bytes.size()) {
      tree.cutAt = bytes.size();
      break;
    }
    const FifTag t = headerAt(bytes, pos);
    tags.push_back(t);
    if (t.end() > bytes.size()) {
      tree.cutAt = bytes.size();
      break;
    }
    const std::int32_t next = bytes.i32(pos + 12);
    if (next == fif::kNextNone) break;
    if (next == fif::kNextSequential) {
      pos = t.end();
    } else if (next > 0 && static_cast<std::uint64_t>(next) >= t.end()) {
      pos = static_cast<std::uint64_t>(next);
    } else {
      bytes.fail(pos + 12, "the next tag's offset " + std::to_string(next) + " does not lie after this tag (which ends at byte " +
                               std::to_string(t.end()) + ")");
    }
  }
  return tags;
}

// The tags as the directory lists them, when the file has a directory whose every entry
// matches the tag header at its offset; empty otherwise (with the reason in `why`).
std::vector<FifTag> directoryTags(const FifBytes& bytes, const FifTag& pointerTag, std::string& why) {
  if (pointerTag.size != 4 || pointerTag.end() > bytes.size()) return {};
  const std::int32_t dirPos = bytes.i32(pointerTag.dataPos());
  if (dirPos <= 0) return {};  // the file has no directory
  const auto at = static_cast<std::uint64_t>(dirPos);
  if (at + fif::kTagHeaderBytes > bytes.size()) return {};  // cut off with the end of the file, which says so itself
  const FifTag dir = headerAt(bytes, at);
  if (dir.kind != fif::tag::Dir || dir.end() > bytes.size() || dir.size % fif::kDirEntryBytes != 0) {
    why = "no whole tag directory at byte " + std::to_string(at);
    return {};
  }
  std::vector<FifTag> tags;
  tags.reserve(dir.size / fif::kDirEntryBytes);
  for (std::uint64_t e = dir.dataPos(); e < dir.end(); e += fif::kDirEntryBytes) {
    const std::int32_t pos = bytes.i32(e + 12);
    const std::int32_t size = bytes.i32(e + 8);
    if (pos < 0 || size < 0 || static_cast<std::uint64_t>(pos) + fif::kTagHeaderBytes > bytes.size()) {
      why = "the directory entry at byte " + std::to_string(e) + " points outside the file";
      return {};
    }
    const FifTag t = headerAt(bytes, static_cast<std::uint64_t>(pos));
    if (t.kind != bytes.i32(e) || t.type != bytes.i32(e + 4) || t.size != static_cast<std::uint32_t>(size) ||
        t.end() > bytes.size()) {
      why = "the directory entry at byte " + std::to_string(e) + " does not match the tag at byte " + std::to_string(pos);
      return {};
    }
    // In file order and apart, so that no tag (and no data) is counted twice.
    if (!tags.empty() && t.pos < tags.back().end()) {
      why = "the directory entry at byte " + std::to_string(e) + " does not follow the one before it";
      return {};
    }
    tags.push_back(t);
  }
  return tags;
}

void buildBlocks(const FifBytes& bytes, const std::vector<FifTag>& tags, FifTagTree& tree) {
  std::vector<FifBlock*> open{&tree.top};
  for (const FifTag& t : tags) {
    if (t.kind == fif::tag::BlockStart || t.kind == fif::tag::BlockEnd) {
      if (t.size != 4 || t.end() > bytes.size()) {
        if (t.end() > bytes.size()) break;  // cut off by the end of the file
        bytes.fail(t.pos, "block start or end tag of " + std::to_string(t.size) + " bytes (4 expected)");
      }
      const std::int32_t kind = bytes.i32(t.dataPos());
      if (t.kind == fif::tag::BlockStart) {
        if (open.size() > static_cast<std::size_t>(kMaxFifBlockDepth))
          bytes.fail(t.pos, "blocks nested deeper than " + std::to_string(kMaxFifBlockDepth) + " levels");
        FifBlock& child = open.back()->children.emplace_back();
        child.kind = kind;
        child.pos = t.pos;
        open.push_back(&child);
      } else {
        if (open.size() == 1 || open.back()->kind != kind)
          bytes.fail(t.pos, "the end of a block of kind " + std::to_string(kind) + " where " +
                                (open.size() == 1 ? std::string("no block is open")
                                                  : "the open block is of kind " + std::to_string(open.back()->kind)));
        open.pop_back();
      }
    } else {
      open.back()->tags.push_back(t);
    }
  }
  // Blocks still open at the end: the file stops between two tags.
  if (open.size() > 1 && !tree.cutAt) tree.cutAt = bytes.size();
}

}  // namespace

FifTagTree readFifTags(const FifBytes& bytes) {
  FifTagTree tree;
  if (bytes.size() < fif::kTagHeaderBytes || bytes.i32(0) != fif::tag::FileId)
    bytes.fail(0, "not a FIF file: it does not start with a file-id tag");
  const FifTag id = headerAt(bytes, 0);
  if (id.type != fif::type::IdStruct || id.size != fif::kIdBytes)
    bytes.fail(0, "not a FIF file: its file-id tag has type " + std::to_string(id.type) + " and " + std::to_string(id.size) +
                      " bytes (an id record of 20 bytes expected)");

  std::vector<FifTag> tags;
  const std::uint64_t second = id.end();
  if (second + fif::kTagHeaderBytes <= bytes.size() && bytes.i32(second) == fif::tag::DirPointer) {
    std::string why;
    tags = directoryTags(bytes, headerAt(bytes, second), why);
    if (!why.empty()) tree.warnings.push_back("The tag directory is not usable (" + why + "); the tags were read in file order.");
  }
  tree.usedDirectory = !tags.empty();
  if (tags.empty()) tags = scanTags(bytes, tree);
  buildBlocks(bytes, tags, tree);
  return tree;
}
