#include "host/io/FifMeasInfo.h"

#include <cmath>
#include <optional>
#include <set>

#include "host/io/FifFormat.h"

Point3 FifTransform::rotate(const Point3& v) const {
  const double* r = rotation;
  return {r[0] * v.x + r[1] * v.y + r[2] * v.z, r[3] * v.x + r[4] * v.y + r[5] * v.z, r[6] * v.x + r[7] * v.y + r[8] * v.z};
}

Point3 FifTransform::apply(const Point3& p) const {
  const Point3 q = rotate(p);
  return {q.x + move[0], q.y + move[1], q.z + move[2]};
}

namespace {

ChannelType channelTypeOf(std::int32_t kind, std::int32_t coilType, std::int32_t unit) {
  switch (kind) {
    case fif::chkind::Meg: {
      const bool planar = coilType == fif::coil::Planar122 || coilType == fif::coil::SamplePlanar ||
                          (coilType >= fif::coil::PlanarFirst && coilType <= fif::coil::PlanarLast);
      return planar || unit == fif::unit::TeslaPerMetre ? ChannelType::MegGrad : ChannelType::MegMag;
    }
    case fif::chkind::Eeg: return ChannelType::Eeg;
    case fif::chkind::Eog: return ChannelType::Eog;
    case fif::chkind::Stim: return ChannelType::Stim;
    default: return ChannelType::Other;
  }
}

const char* unitName(std::int32_t unit) {
  switch (unit) {
    case fif::unit::Metre: return "m";
    case fif::unit::Second: return "s";
    case fif::unit::Ampere: return "A";
    case fif::unit::Hertz: return "Hz";
    case fif::unit::Volt: return "V";
    case fif::unit::Tesla: return "T";
    case fif::unit::TeslaPerMetre: return "T/m";
    case fif::unit::AmpereMetre: return "Am";
    default: return "";
  }
}

Point3 pointAt(const FifBytes& bytes, std::uint64_t pos) {
  return {bytes.f32(pos), bytes.f32(pos + 4), bytes.f32(pos + 8)};
}

bool finiteNonZero(const Point3& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) && (p.x != 0 || p.y != 0 || p.z != 0);
}

Point3 unit(const Point3& p) {
  const double n = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
  return n > 0 ? Point3{p.x / n, p.y / n, p.z / n} : Point3{0, 0, 1};
}

// The device-to-head transform among the tags of `block` and its sub-blocks (the HPI
// result keeps it there), given either way round.
std::optional<FifTransform> deviceToHead(const FifBytes& bytes, const FifBlock& block) {
  for (const FifTag& t : block.tags) {
    if (t.kind != fif::tag::CoordTrans) continue;
    if (t.size != fif::kCoordTransBytes) bytes.fail(t.pos, "coordinate transform of " + std::to_string(t.size) + " bytes (104 expected)");
    fifTagData(bytes, t, "coordinate transform");
    const std::uint64_t p = t.dataPos();
    const std::int32_t from = bytes.i32(p), to = bytes.i32(p + 4);
    std::uint64_t at = 0;
    if (from == fif::frame::Device && to == fif::frame::Head) at = p + 8;          // rot, move
    else if (from == fif::frame::Head && to == fif::frame::Device) at = p + 56;    // invrot, invmove
    else continue;
    FifTransform tr;
    for (std::uint64_t i = 0; i < 9; ++i) tr.rotation[i] = bytes.f32(at + 4 * i);
    for (std::uint64_t i = 0; i < 3; ++i) tr.move[i] = bytes.f32(at + 36 + 4 * i);
    bool finite = true;
    for (double v : tr.rotation) finite &= std::isfinite(v);
    for (double v : tr.move) finite &= std::isfinite(v);
    if (!finite) bytes.fail(t.pos, "the device-to-head transform holds a value that is not a number");
    return tr;
  }
  for (const FifBlock& child : block.children)
    if (auto tr = deviceToHead(bytes, child)) return tr;
  return std::nullopt;
}

// Names listed in the bad-channels block, separated by ':'.
std::set<std::string> badNames(const FifBytes& bytes, const FifBlock& info) {
  std::set<std::string> names;
  const FifBlock* bad = info.find(fif::block::BadChannels);
  const FifTag* list = bad ? bad->firstTag(fif::tag::ChannelNameList) : nullptr;
  if (!list) return names;
  const auto data = fifTagData(bytes, *list, "bad channel list");
  std::string all(data.begin(), data.end());
  for (std::size_t from = 0; from <= all.size();) {
    const std::size_t colon = std::min(all.find(':', from), all.size());
    if (colon > from) names.insert(all.substr(from, colon - from));
    from = colon + 1;
  }
  return names;
}

std::int32_t intTag(const FifBytes& bytes, const FifTag& t, const char* what) {
  if (t.size != 4) bytes.fail(t.pos, std::string("the ") + what + " tag has " + std::to_string(t.size) + " bytes (4 expected)");
  fifTagData(bytes, t, what);
  return bytes.i32(t.dataPos());
}

RecordingChannel channelAt(const FifBytes& bytes, const FifTag& t, const std::optional<FifTransform>& toHead, double& scale) {
  if (t.size != fif::kChInfoBytes || t.type != fif::type::ChInfoStruct)
    bytes.fail(t.pos, "channel record of type " + std::to_string(t.type) + " and " + std::to_string(t.size) +
                          " bytes (a channel record of 96 bytes expected)");
  fifTagData(bytes, t, "channel record");
  const std::uint64_t p = t.dataPos();
  const std::int32_t kind = bytes.i32(p + 8);
  const double range = bytes.f32(p + 12), cal = bytes.f32(p + 16);
  const std::int32_t coilType = bytes.i32(p + 20);
  const std::int32_t unitCode = bytes.i32(p + 72), unitMul = bytes.i32(p + 76);
  const char* name = reinterpret_cast<const char*>(bytes.at(p + 80));
  std::size_t length = 0;
  while (length < fif::kChNameBytes && name[length] != '\0') ++length;

  RecordingChannel ch;
  ch.name.assign(name, length);
  ch.type = channelTypeOf(kind, coilType, unitCode);
  ch.unit = unitName(unitCode);
  if (unitMul < -30 || unitMul > 30) bytes.fail(p + 76, "channel " + ch.name + " has a unit multiplier of 10^" + std::to_string(unitMul));
  scale = range * cal * std::pow(10.0, unitMul);
  if (!std::isfinite(scale)) bytes.fail(p + 12, "channel " + ch.name + " has a calibration that is not a number");

  const Point3 r0 = pointAt(bytes, p + 24), ez = pointAt(bytes, p + 60);
  if (ch.type == ChannelType::MegMag || ch.type == ChannelType::MegGrad) {
    if (finiteNonZero(r0)) {
      ch.hasPosition = true;
      ch.position = toHead ? toHead->apply(r0) : r0;
      ch.orientation = unit(toHead ? toHead->rotate(ez) : ez);
    }
  } else if (ch.type == ChannelType::Eeg && finiteNonZero(r0)) {
    ch.hasPosition = true;  // electrodes are stored in the head frame
    ch.position = r0;
    ch.orientation = unit(r0);
  }
  return ch;
}

}  // namespace

FifMeasInfo readFifMeasInfo(const FifBytes& bytes, const FifTagTree& tree) {
  const FifBlock* meas = tree.top.find(fif::block::Meas);
  const FifBlock* info = meas ? meas->find(fif::block::MeasInfo) : nullptr;
  if (!info) bytes.fail(tree.cutAt.value_or(0), tree.cutAt ? "the file ends before its measurement info" : "no measurement info block");

  const FifTag* nchanTag = info->firstTag(fif::tag::NChan);
  const FifTag* sfreqTag = info->firstTag(fif::tag::SFreq);
  if (!nchanTag || !sfreqTag) bytes.fail(info->pos, "the measurement info has no channel count or no sampling rate");
  const std::int32_t nchan = intTag(bytes, *nchanTag, "channel count");
  if (sfreqTag->size != 4) bytes.fail(sfreqTag->pos, "the sampling rate tag has " + std::to_string(sfreqTag->size) + " bytes (4 expected)");
  fifTagData(bytes, *sfreqTag, "sampling rate");

  FifMeasInfo out;
  out.samplingRateHz = bytes.f32(sfreqTag->dataPos());
  if (!(out.samplingRateHz > 0) || !std::isfinite(out.samplingRateHz))
    bytes.fail(sfreqTag->pos, "the sampling rate is " + std::to_string(out.samplingRateHz) + " Hz");

  const std::optional<FifTransform> toHead = deviceToHead(bytes, *info);
  for (const FifTag& t : info->tags) {
    if (t.kind != fif::tag::ChInfo) continue;
    double scale = 1.0;
    out.channels.push_back(channelAt(bytes, t, toHead, scale));
    out.scales.push_back(scale);
  }
  if (nchan <= 0 || static_cast<std::size_t>(nchan) != out.channels.size())
    bytes.fail(nchanTag->pos, "the channel count is " + std::to_string(nchan) + " but there are " +
                                  std::to_string(out.channels.size()) + " channel records");

  const std::set<std::string> bad = badNames(bytes, *info);
  for (RecordingChannel& ch : out.channels) ch.bad = bad.count(ch.name) > 0;
  bool megWithPosition = false;
  for (const RecordingChannel& ch : out.channels)
    megWithPosition |= ch.hasPosition && (ch.type == ChannelType::MegMag || ch.type == ChannelType::MegGrad);
  if (megWithPosition && !toHead)
    out.warnings.push_back("The file has no device-to-head transform; MEG sensor positions are in the device frame.");
  return out;
}
