#include "draw/CMEGSpctmDraw9File.h"

#include "platform/ui/CommonDialogs.h"

#include <cwchar>

namespace {

constexpr const wchar_t* kSignature = L"MEGSPCTMDRAW";
constexpr UINT kVersion20080120 = 20080120;

// One value in the archive's direction. The field's own type fixes its width in the
// record (UINT, int, BOOL and COLORREF 4 bytes, bool 1, 64-bit integers and doubles 8),
// and loading assigns the field as soon as its bytes are read.
template <class T>
void exchange(CArchive& ar, T& field) {
  if (ar.IsStoring())
    ar << field;
  else
    ar >> field;
}

}  // namespace

int CMEGSpctmDraw9File::serializeqv(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << CString(kSignature);
    ar << kVersion20080120;
    serialize20080120(ar);
    ar.Flush();
    return 1;
  }
  // A longer string cannot be the signature: it is refused after its length, unread.
  CString signature;
  if (!ar.readStringAtMost(signature, std::wcslen(kSignature)) || signature != kSignature) {
    AfxMessageBox(L"MEG spectral draw file is corrupted!", MB_OK);
    return 0;
  }
  UINT version = 0;
  ar >> version;
  if (version == kVersion20080120)
    serialize20080120(ar);
  else
    AfxMessageBox(L"Wrong spectral draw  wave file format!!?", MB_OK);
  return 1;
}

int CMEGSpctmDraw9File::serialize20080120(CArchive& ar) {
  exchange(ar, m_nPersist1);
  exchange(ar, m_nPersist2);
  exchange(ar, m_crBackground);
  exchange(ar, m_crTextBk);
  exchange(ar, m_crText);
  exchange(ar, m_nVisibleChannels);
  exchange(ar, m_nHitRow);
  exchange(ar, m_nColorDepth);
  exchange(ar, m_bShowTimeGrid);
  exchange(ar, m_nTimeGridStep);
  exchange(ar, m_nTimeGridMajor);
  exchange(ar, m_dColorMax);
  exchange(ar, m_dColorMin);
  exchange(ar, m_nSelectLineX);
  exchange(ar, m_nReserved);
  exchange(ar, m_nColumnGap);
  exchange(ar, m_nColumnBottomMargin);
  exchange(ar, m_nColumnNameWidth);
  exchange(ar, m_nColumnTopMargin);
  exchange(ar, m_nWinTimeBegin);
  exchange(ar, m_nWinFreqBegin);
  exchange(ar, m_nViewMode);
  exchange(ar, m_dOuterMin);
  exchange(ar, m_dOuterMax);
  exchange(ar, m_bRecentre);
  exchange(ar, m_bPersist3);
  exchange(ar, m_nPersist4);
  exchange(ar, m_nPersist5);
  exchange(ar, m_nPersist6);
  exchange(ar, m_nPersist7);
  exchange(ar, m_bShowSelect);
  exchange(ar, m_bShowSelectInfo);
  exchange(ar, m_bShowName);
  exchange(ar, m_dZoom);
  exchange(ar, m_nOriginX);
  exchange(ar, m_nOriginY);
  exchange(ar, m_nFirstTime);
  exchange(ar, m_nFirstFreq);
  exchange(ar, m_bRecentreWave);
  exchange(ar, m_nWaveOffsetY);
  exchange(ar, m_nColumns);
  exchange(ar, m_nPersist8);
  exchange(ar, m_bShowBaseLines);
  exchange(ar, m_bShowChannelNames);
  exchange(ar, m_nRowsPerColumn);
  exchange(ar, m_nColumnWidth);
  exchange(ar, m_nRowHeight);
  return 1;
}
