#include "host/data/CSpctmChnl.h"

const double* CSpctmChnl::getSpctmDataPtr(int kind, std::int64_t* T, std::int64_t* F) const {
  const KindArray* a = megdata::isDataKind(kind) ? &m_kinds[megdata::at(kind)] : nullptr;
  const bool present = a != nullptr && !a->values.empty();
  if (T != nullptr) *T = present ? a->timePt : 0;
  if (F != nullptr) *F = present ? a->freqPt : 0;
  return present ? a->values.data() : nullptr;
}
