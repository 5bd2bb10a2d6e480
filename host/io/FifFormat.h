// The numbers of the FIF file format that the reader and the test-support writer share:
// tag kinds, block kinds, data types, channel kinds, coil types, units and coordinate
// frames, with the sizes of the fixed records. Values come from the format's public
// dictionaries; only the ones this system reads or writes are listed.
#pragma once

#include <cstdint>

namespace fif {

// Every tag starts with four big-endian 32-bit fields: kind, type, size, next.
inline constexpr std::uint32_t kTagHeaderBytes = 16;
// `next`: 0 = the next tag follows this one, -1 = no next tag, > 0 = its byte offset.
inline constexpr std::int32_t kNextSequential = 0;
inline constexpr std::int32_t kNextNone = -1;

namespace tag {
inline constexpr std::int32_t FileId = 100;
inline constexpr std::int32_t DirPointer = 101;
inline constexpr std::int32_t Dir = 102;
inline constexpr std::int32_t BlockStart = 104;
inline constexpr std::int32_t BlockEnd = 105;
inline constexpr std::int32_t Nop = 108;
inline constexpr std::int32_t NChan = 200;
inline constexpr std::int32_t SFreq = 201;
inline constexpr std::int32_t ChInfo = 203;
inline constexpr std::int32_t FirstSample = 208;
inline constexpr std::int32_t CoordTrans = 222;
inline constexpr std::int32_t DataBuffer = 300;
inline constexpr std::int32_t DataSkip = 301;          // in buffers
inline constexpr std::int32_t DataSkipSamples = 303;   // in samples
inline constexpr std::int32_t ChannelNameList = 3507;  // names separated by ':'
}  // namespace tag

namespace block {
inline constexpr std::int32_t Meas = 100;
inline constexpr std::int32_t MeasInfo = 101;
inline constexpr std::int32_t RawData = 102;
inline constexpr std::int32_t ContinuousData = 112;
inline constexpr std::int32_t ShieldedRawData = 119;  // raw data taken with active shielding
inline constexpr std::int32_t BadChannels = 359;
}  // namespace block

namespace type {
inline constexpr std::int32_t Short = 2;
inline constexpr std::int32_t Int = 3;
inline constexpr std::int32_t Float = 4;
inline constexpr std::int32_t Double = 5;
inline constexpr std::int32_t String = 10;
inline constexpr std::int32_t DauPack13 = 13;  // vendor packing with no public description
inline constexpr std::int32_t DauPack14 = 14;
inline constexpr std::int32_t DauPack16 = 16;  // plain 16-bit signed integers
inline constexpr std::int32_t ComplexFloat = 20;
inline constexpr std::int32_t ComplexDouble = 21;
inline constexpr std::int32_t OldPack = 23;  // vendor packing with no public description
inline constexpr std::int32_t ChInfoStruct = 30;
inline constexpr std::int32_t IdStruct = 31;
inline constexpr std::int32_t DirEntryStruct = 32;
inline constexpr std::int32_t CoordTransStruct = 35;
}  // namespace type

namespace chkind {
inline constexpr std::int32_t Meg = 1;
inline constexpr std::int32_t Eeg = 2;
inline constexpr std::int32_t Stim = 3;
inline constexpr std::int32_t Eog = 202;
inline constexpr std::int32_t MegReference = 301;
inline constexpr std::int32_t Misc = 502;
}  // namespace chkind

namespace coil {
inline constexpr std::int32_t Eeg = 1;
inline constexpr std::int32_t Planar122 = 2;
inline constexpr std::int32_t PlanarFirst = 3011;  // 3011..3015: planar gradiometers
inline constexpr std::int32_t PlanarLast = 3015;
inline constexpr std::int32_t Magnetometer = 3022;
inline constexpr std::int32_t PlanarT1 = 3012;
inline constexpr std::int32_t SamplePlanar = 9001;
}  // namespace coil

namespace unit {
inline constexpr std::int32_t None = -1;
inline constexpr std::int32_t Unitless = 0;
inline constexpr std::int32_t Metre = 1;
inline constexpr std::int32_t Second = 3;
inline constexpr std::int32_t Ampere = 4;
inline constexpr std::int32_t Hertz = 101;
inline constexpr std::int32_t Volt = 107;
inline constexpr std::int32_t Tesla = 112;
inline constexpr std::int32_t TeslaPerMetre = 201;
inline constexpr std::int32_t AmpereMetre = 202;
}  // namespace unit

namespace frame {
inline constexpr std::int32_t Device = 1;
inline constexpr std::int32_t Head = 4;
}  // namespace frame

// Channel record: scanNo, logNo, kind (int32), range, cal (float32), coil type (int32),
// loc[12] (float32: r0, ex, ey, ez), unit, unit_mul (int32), name (16 bytes).
inline constexpr std::uint32_t kChInfoBytes = 96;
inline constexpr std::uint32_t kChNameBytes = 16;
// Coordinate transform: from, to (int32), rot[9], move[3], invrot[9], invmove[3] (float32).
inline constexpr std::uint32_t kCoordTransBytes = 104;
// File id: version, machid[2], seconds, microseconds (int32).
inline constexpr std::uint32_t kIdBytes = 20;
// Directory entry: kind, type, size, position (int32).
inline constexpr std::uint32_t kDirEntryBytes = 16;

}  // namespace fif
