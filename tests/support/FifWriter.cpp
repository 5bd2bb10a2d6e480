#include "tests/support/FifWriter.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace fifwriter {

namespace {

class Out {
 public:
  std::vector<std::uint8_t> bytes;
  struct Entry {
    std::int32_t kind, type, size;
    std::uint64_t pos;
  };
  std::vector<Entry> entries;

  void i32(std::int32_t v) {
    const auto u = std::bit_cast<std::uint32_t>(v);
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<std::uint8_t>(u >> shift));
  }
  void i16(std::int16_t v) {
    const auto u = std::bit_cast<std::uint16_t>(v);
    bytes.push_back(static_cast<std::uint8_t>(u >> 8));
    bytes.push_back(static_cast<std::uint8_t>(u));
  }
  void f32(double v) { i32(std::bit_cast<std::int32_t>(static_cast<float>(v))); }
  void f64(double v) {
    const auto u = std::bit_cast<std::uint64_t>(v);
    i32(static_cast<std::int32_t>(u >> 32));
    i32(static_cast<std::int32_t>(u & 0xffffffffu));
  }
  // A tag header announcing `size` bytes; the caller writes them next.
  std::uint64_t header(std::int32_t kind, std::int32_t type, std::size_t size) {
    const std::uint64_t pos = bytes.size();
    entries.push_back({kind, type, static_cast<std::int32_t>(size), pos});
    i32(kind);
    i32(type);
    i32(static_cast<std::int32_t>(size));
    i32(fif::kNextSequential);
    return pos;
  }
  std::uint64_t intTag(std::int32_t kind, std::int32_t v) {
    const std::uint64_t pos = header(kind, fif::type::Int, 4);
    i32(v);
    return pos;
  }
  std::uint64_t block(std::int32_t startOrEnd, std::int32_t kind) { return intTag(startOrEnd, kind); }
};

std::int32_t chKind(ChannelType t) {
  switch (t) {
    case ChannelType::MegMag:
    case ChannelType::MegGrad: return fif::chkind::Meg;
    case ChannelType::Eeg: return fif::chkind::Eeg;
    case ChannelType::Eog: return fif::chkind::Eog;
    case ChannelType::Stim: return fif::chkind::Stim;
    case ChannelType::Other: break;
  }
  return fif::chkind::Misc;
}

std::int32_t unitCode(ChannelType t) {
  switch (t) {
    case ChannelType::MegMag: return fif::unit::Tesla;
    case ChannelType::MegGrad: return fif::unit::TeslaPerMetre;
    case ChannelType::Eeg:
    case ChannelType::Eog: return fif::unit::Volt;
    default: return fif::unit::Unitless;
  }
}

// The inverse of a rigid transform: rotation transposed, move rotated back and negated.
FifTransform inverse(const FifTransform& t) {
  FifTransform inv;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) inv.rotation[r * 3 + c] = t.rotation[c * 3 + r];
  const Point3 back = inv.rotate({t.move[0], t.move[1], t.move[2]});
  inv.move[0] = -back.x;
  inv.move[1] = -back.y;
  inv.move[2] = -back.z;
  return inv;
}

void point(Out& out, const Point3& p) {
  out.f32(p.x);
  out.f32(p.y);
  out.f32(p.z);
}

void transformTag(Out& out, const FifTransform& t) {
  out.header(fif::tag::CoordTrans, fif::type::CoordTransStruct, fif::kCoordTransBytes);
  out.i32(fif::frame::Device);
  out.i32(fif::frame::Head);
  const FifTransform inv = inverse(t);
  for (double v : t.rotation) out.f32(v);
  for (double v : t.move) out.f32(v);
  for (double v : inv.rotation) out.f32(v);
  for (double v : inv.move) out.f32(v);
}

void channelTag(Out& out, const RecordingChannel& ch, std::size_t index, double range, double cal, const FifTransform& toDevice) {
  out.header(fif::tag::ChInfo, fif::type::ChInfoStruct, fif::kChInfoBytes);
  out.i32(static_cast<std::int32_t>(index + 1));
  out.i32(static_cast<std::int32_t>(index + 1));
  out.i32(chKind(ch.type));
  out.f32(range);
  out.f32(cal);
  const bool meg = ch.type == ChannelType::MegMag || ch.type == ChannelType::MegGrad;
  out.i32(ch.type == ChannelType::MegGrad ? fif::coil::PlanarT1
          : ch.type == ChannelType::MegMag ? fif::coil::Magnetometer
          : ch.type == ChannelType::Eeg    ? fif::coil::Eeg
                                           : 0);
  const Point3 r0 = !ch.hasPosition ? Point3{} : meg ? toDevice.apply(ch.position) : ch.position;
  const Point3 ez = meg && ch.hasPosition ? toDevice.rotate(ch.orientation) : Point3{};
  point(out, r0);
  point(out, {1, 0, 0});  // ex, ey: the coil's own plane, not read
  point(out, {0, 1, 0});
  point(out, ez);
  out.i32(unitCode(ch.type));
  out.i32(0);
  char name[fif::kChNameBytes] = {};
  std::strncpy(name, ch.name.c_str(), sizeof name - 1);
  out.bytes.insert(out.bytes.end(), name, name + sizeof name);
}

void sample(Out& out, std::int32_t type, double raw) {
  switch (type) {
    case fif::type::Short:
    case fif::type::DauPack16: out.i16(static_cast<std::int16_t>(std::lround(raw))); break;
    case fif::type::Int: out.i32(static_cast<std::int32_t>(std::lround(raw))); break;
    case fif::type::Float: out.f32(raw); break;
    case fif::type::Double: out.f64(raw); break;
    case fif::type::ComplexFloat: out.f32(raw), out.f32(-3.5); break;  // the imaginary part is not read
    case fif::type::ComplexDouble: out.f64(raw), out.f64(-3.5); break;
    default: throw std::invalid_argument("fifwriter: no sample type " + std::to_string(type));
  }
}

std::size_t valueBytes(std::int32_t type) {
  switch (type) {
    case fif::type::Short:
    case fif::type::DauPack16: return 2;
    case fif::type::Int:
    case fif::type::Float: return 4;
    case fif::type::ComplexDouble: return 16;
    default: return 8;
  }
}

void rawData(Out& out, const Recording& rec, const Options& o, const std::vector<double>& scales, Layout& layout) {
  const std::size_t nchan = rec.channels.size();
  out.block(fif::tag::BlockStart, fif::block::RawData);
  out.intTag(fif::tag::FirstSample, 0);
  std::size_t nextSkip = 0;
  for (std::int64_t s = 0; s < rec.sampleCount;) {
    if (nextSkip < o.skips.size() && o.skips[nextSkip].first == s) {
      const Skip& k = o.skips[nextSkip++];
      out.intTag(k.inBuffers ? fif::tag::DataSkip : fif::tag::DataSkipSamples,
                 static_cast<std::int32_t>(k.inBuffers ? k.count / o.bufferSamples : k.count));
      s += k.count;
      continue;
    }
    std::int64_t n = std::min(o.bufferSamples, rec.sampleCount - s);
    if (nextSkip < o.skips.size()) n = std::min(n, o.skips[nextSkip].first - s);
    const std::uint64_t pos = out.header(fif::tag::DataBuffer, o.sampleType, static_cast<std::size_t>(n) * nchan * valueBytes(o.sampleType));
    if (layout.firstBufferTag == 0) layout.firstBufferTag = pos;
    for (std::int64_t i = s; i < s + n; ++i)
      for (std::size_t c = 0; c < nchan; ++c) sample(out, o.sampleType, rec.channel(c)[static_cast<std::size_t>(i)] / scales[c]);
    s += n;
  }
  layout.rawBlockEnd = out.block(fif::tag::BlockEnd, fif::block::RawData);
}

}  // namespace

void putInt(std::vector<std::uint8_t>& bytes, std::uint64_t pos, std::int32_t value) {
  const auto u = std::bit_cast<std::uint32_t>(value);
  for (int k = 0; k < 4; ++k) bytes[pos + static_cast<std::uint64_t>(k)] = static_cast<std::uint8_t>(u >> (24 - 8 * k));
}

Image fifImage(const Recording& rec, const Options& o) {
  Out out;
  Layout layout;
  out.bytes.reserve(rec.samples.size() * valueBytes(o.sampleType) + rec.channels.size() * 128 + 4096);
  out.header(fif::tag::FileId, fif::type::IdStruct, fif::kIdBytes);
  for (std::int32_t v : {0x00010003, 1, 2, 1700000000, 0}) out.i32(v);
  layout.dirPointerTag = out.intTag(fif::tag::DirPointer, -1);

  out.block(fif::tag::BlockStart, fif::block::Meas);
  out.block(fif::tag::BlockStart, fif::block::MeasInfo);
  layout.nchanTag = out.intTag(fif::tag::NChan, static_cast<std::int32_t>(rec.channels.size()));
  layout.sfreqTag = out.header(fif::tag::SFreq, fif::type::Float, 4);
  out.f32(rec.samplingRateHz);
  if (o.hasDeviceToHead) transformTag(out, o.deviceToHead);
  const FifTransform toDevice = o.hasDeviceToHead ? inverse(o.deviceToHead) : FifTransform{};
  std::vector<double> scales;
  for (std::size_t c = 0; c < rec.channels.size(); ++c) {
    const double cal = o.calibration.empty() ? 1.0 : o.calibration[c];
    scales.push_back(static_cast<double>(static_cast<float>(o.range)) * static_cast<float>(cal));
    const std::uint64_t pos = out.bytes.size();
    channelTag(out, rec.channels[c], c, o.range, cal, toDevice);
    if (c == 0) layout.firstChInfoTag = pos;
  }
  std::string bad;
  for (const RecordingChannel& ch : rec.channels)
    if (ch.bad) bad += (bad.empty() ? "" : ":") + ch.name;
  if (!bad.empty()) {
    out.block(fif::tag::BlockStart, fif::block::BadChannels);
    out.header(fif::tag::ChannelNameList, fif::type::String, bad.size());
    out.bytes.insert(out.bytes.end(), bad.begin(), bad.end());
    out.block(fif::tag::BlockEnd, fif::block::BadChannels);
  }
  out.block(fif::tag::BlockEnd, fif::block::MeasInfo);
  rawData(out, rec, o, scales, layout);
  out.block(fif::tag::BlockEnd, fif::block::Meas);

  if (o.directory) {
    layout.directoryTag = out.bytes.size();
    const std::size_t n = out.entries.size() + 1;
    out.header(fif::tag::Dir, fif::type::DirEntryStruct, n * fif::kDirEntryBytes);
    for (std::size_t e = 0; e < n; ++e) {
      const Out::Entry en = out.entries[e];  // the last one is the directory itself
      out.i32(en.kind);
      out.i32(en.type);
      out.i32(en.size);
      out.i32(static_cast<std::int32_t>(en.pos));
    }
    putInt(out.bytes, layout.dirPointerTag + fif::kTagHeaderBytes, static_cast<std::int32_t>(layout.directoryTag));
  }
  return {std::move(out.bytes), layout};
}

void writeFif(const std::string& path, const Recording& recording, const Options& options) {
  const Image image = fifImage(recording, options);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
  if (!file.flush()) throw std::runtime_error("fifwriter: cannot write " + path);
}

}  // namespace fifwriter
