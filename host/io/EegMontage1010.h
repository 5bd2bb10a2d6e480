// The EEG 10-10 montage computed from the system's spherical angles: 75 electrodes from
// Nz to Iz with their standard names (Fp1, Fpz, AF7, ..., Cz, ..., Oz, Iz). The demo
// recording uses it; layouts project it. Angles are those of an idealised spherical head,
// not a digitised one.
#pragma once

#include <string>
#include <vector>

#include "host/data/SensorGeometry.h"

// Position of one electrode on the unit sphere: polar angle from the vertex (Cz = 0,
// the 10 % line through Fpz, T7, Oz, T8 = 90, Nz, T9, Iz = 112.5) and azimuth counter-
// clockwise seen from above, from the right ear (T8 = 0, Fpz = 90, T7 = 180, Oz = 270).
struct SphericalAngles {
  double polarDeg = 0.0;
  double azimuthDeg = 0.0;
};

struct Electrode1010 {
  std::string name;
  SphericalAngles angles;
};

// Electrodes row by row from front to back, left to right within a row.
// Midline electrodes lie at polar angles 22.5 degrees apart; the lateral ends of each row
// lie on the 10 % line 18 degrees of azimuth apart; the electrodes between lie evenly
// spaced on the circle of the sphere through the row's two ends and its midline point
// (this reproduces the textbook angles, e.g. F3 at 60 degrees from the vertex).
std::vector<Electrode1010> eegElectrodes1010();

// The 10-05 system on the same sphere: rows every 11.25 degrees of polar angle on the
// midline (Fp, AFp, AF, AFF, F, FFC, FC, FCC, C, CCP, CP, CPP, P, PPO, PO, POO, O, then OI
// and I below the 10 % line at the back) and, within a row, twice as many steps as the
// 10-10 system: the position "kh" lies halfway between k and the next one toward the
// midline (C1h between Cz and C1, T9h between T7 and T9). Contains every electrode of
// eegElectrodes1010() at the same angles, and the 10-10 names that list leaves out
// (AF1, AF5, AF9, PO1, ...); 336 positions, front to back.
std::vector<Electrode1010> eegElectrodes1005();

// The montage as sensors on a sphere of `radiusMetres` centred on the head origin.
std::vector<Sensor> eegMontage1010(double radiusMetres = 0.092);

// Unit vector of the angles (x toward the right ear, y toward the nose, z up).
Point3 unitVector(const SphericalAngles& angles);
