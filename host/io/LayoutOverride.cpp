#include "host/io/LayoutOverride.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

std::string narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += c > 0 && c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

// One modality: file centres (their y turned toward the back of the head, as the layout
// frame has it), a ring for the rest, then the scan.
void layOutModality(CMDTrialqv& trial, const LayoutFile& layout, bool meg, double size, LayoutOverride& result) {
  std::vector<CMDChannelqv*> found, missing;
  std::vector<Point2> centres;
  for (std::int64_t i = 0; i < trial.getTotalChannel(); ++i) {
    CMDChannelqv* ch = trial.getChannel(i);
    if (ch == nullptr || (meg ? ch->isMEGMeasureChannel() : ch->isEEGMeasureChannel()) == 0) continue;
    if (const LayoutEntry* e = layout.find(narrow(ch->m_strName))) {
      found.push_back(ch);
      centres.push_back({e->centre.x, -e->centre.y});
    } else {
      missing.push_back(ch);
    }
  }
  if (found.empty()) return;
  double xMin = centres[0].x, xMax = xMin, yMin = centres[0].y, yMax = yMin;
  for (const Point2& p : centres) {
    xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x), yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
  }
  const double cx = (xMin + xMax) / 2, cy = (yMin + yMax) / 2;
  const double radius = 0.6 * std::max({xMax - xMin, yMax - yMin, 1.0});
  for (std::size_t k = 0; k < missing.size(); ++k) {
    const double a = 2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(missing.size());
    centres.push_back({cx + radius * std::sin(a), cy - radius * std::cos(a)});  // from the nose, clockwise
    found.push_back(missing[k]);
  }
  for (std::size_t i = 0; i < found.size(); ++i) {
    (meg ? found[i]->m_dMeg2DX : found[i]->m_dEeg2DX) = centres[i].x;
    (meg ? found[i]->m_dMeg2DY : found[i]->m_dEeg2DY) = centres[i].y;
    (i < found.size() - missing.size() ? result.placed : result.onRing).push_back(narrow(found[i]->m_strName));
  }
  if (meg) {
    trial.scanMegMeasureSns2Dsz(size);
  } else {
    trial.scanEegMeasureSns2Dsz(size);
  }
}

}  // namespace

LayoutOverride overrideLayout(CMDTrialqv& trial, const LayoutFile& layout, double size) {
  LayoutOverride result;
  layOutModality(trial, layout, true, size, result);
  layOutModality(trial, layout, false, size, result);
  return result;
}
