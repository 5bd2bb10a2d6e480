// Persistence of the draw engine's display settings in the host's binary archive: one
// 302-byte record (signature "MEGSPCTMDRAW", version 20080120, 47 values). Called by the
// host, which owns the archive and its file. Values are taken as stored, unchecked.
#pragma once

#include "draw/CMEGSpctmDraw8ContourMap01Std.h"
#include "platform/gdi/CArchive.h"

class CMEGSpctmDraw9File : public CMEGSpctmDraw8ContourMap01Std {
 public:
  // Storing archive: writes signature, version and the 47 values, then flushes; 1.
  // Loading archive: reads the signature; a different one shows "MEG spectral draw file is
  // corrupted!" and gives 0 with nothing changed. Then the version: 20080120 reads the
  // values into the fields in record order; any other version shows "Wrong spectral draw
  // wave file format!!?" (two blanks after "draw") and changes nothing. Both give 1.
  // The archive's own exceptions (end of file, wrong direction) and the file's pass to the
  // caller; the values read before an end of file keep their new values.
  int serializeqv(CArchive& ar);

 private:
  // The record's body in the archive's direction; always 1.
  int serialize20080120(CArchive& ar);
};
