// Colour-index tables of the renderers: the draw engine derives from this class and the
// topographic canvas holds one; both index the tables directly by a value's magnitude.
// The constructor fills every table, the destructor releases them; the tables never
// change in between. Colours are COLORREF 0x00BBGGRR.
#pragma once

#include <memory>

#include "platform/gdi/BasicTypes.h"

// Tables by colour depth (the draw state's m_nColorDepth):
//
//   depth       single table            polarity pair (positive, negative)
//   256         m_pSingleColor256       m_pPositiveColor256, m_pNegativeColor256
//   512         m_pSingleColor512       m_pPositiveColor256, m_pNegativeColor256
//   768         m_pSingleColor768       m_pPositiveColor256, m_pNegativeColor256
//   any other   m_pSingleColor1024      m_pPositiveColor768, m_pNegativeColor768
//
// The number in a field's name is its entry count. In every table index 0 is the colour of
// the weakest value (nearest zero) and the last index the strongest.
//
// Single table: a sequential ramp for magnitudes, dark indigo through blue, teal and green
// to pale yellow. CIE lightness rises monotonically (about L* 14 to 95), so the order
// reads in grey scale and for every common colour-vision deficiency; neither end is black
// or white, so both ends stay visible on black and on white backgrounds.
//
// Polarity pair: a diverging scheme for signed values. Both index-0 entries are the same
// light neutral grey (L* 89.5, just distinguishable from a white background); the
// positive table warms through peach and orange to brick red, the negative table cools
// through sky blue to deep blue. Lightness falls monotonically along each table to about
// L* 37, equally on both sides, so a sign reads by hue (orange against blue survives
// red-green deficiencies) and a magnitude by darkness; the strong ends stay well above a
// black background.
//
// Every table is sampled at equal OKLab steps along a smooth path through its anchor
// colours (the OKLCh anchors are listed in CADRindex2Colorqv.cpp), so equal index steps
// look like equal colour steps.
class CADRindex2Colorqv {
 public:
  CADRindex2Colorqv();
  ~CADRindex2Colorqv();
  CADRindex2Colorqv(const CADRindex2Colorqv&) = delete;
  CADRindex2Colorqv& operator=(const CADRindex2Colorqv&) = delete;

  const COLORREF* m_pSingleColor256 = nullptr;
  const COLORREF* m_pSingleColor512 = nullptr;
  const COLORREF* m_pSingleColor768 = nullptr;
  const COLORREF* m_pSingleColor1024 = nullptr;
  const COLORREF* m_pPositiveColor256 = nullptr;
  const COLORREF* m_pNegativeColor256 = nullptr;
  const COLORREF* m_pPositiveColor768 = nullptr;
  const COLORREF* m_pNegativeColor768 = nullptr;

  // The choice by colour depth of the table above, for renderers that would otherwise
  // repeat it. Sizes: single 256, 512 or 768 for those depths, else 1024; each polarity
  // table 256 for depths 256, 512 and 768, else 768.
  static int singleTableSize(UINT colorDepth);
  static int polarityTableSize(UINT colorDepth);
  const COLORREF* singleTable(UINT colorDepth) const;
  const COLORREF* positiveTable(UINT colorDepth) const;
  const COLORREF* negativeTable(UINT colorDepth) const;

 private:
  std::unique_ptr<COLORREF[]> m_storage;  // all eight tables, one after the other
};
