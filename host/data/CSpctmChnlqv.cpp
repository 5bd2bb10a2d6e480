#include "host/data/CSpctmChnlqv.h"

#include <limits>
#include <utility>

int CSpctmChnlqv::setSpctmData(int kind, std::int64_t T, std::int64_t F, std::vector<double> values) {
  if (!megdata::isDataKind(kind) || T < 1 || F < 1) return 0;
  if (T > std::numeric_limits<std::int64_t>::max() / F || values.size() != megdata::at(T * F)) return 0;
  KindArray& a = m_kinds[megdata::at(kind)];
  a.timePt = T;
  a.freqPt = F;
  a.values = std::move(values);
  return 1;
}

void CSpctmChnlqv::clearSpctmData(int kind) {
  for (int k = 0; k < megdata::kDataKindCount; ++k) {
    if (kind == -1 || kind == k) m_kinds[megdata::at(k)] = KindArray{};
  }
}
