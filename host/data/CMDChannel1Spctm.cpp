#include "host/data/CMDChannel1Spctm.h"

CSpctmChnlqv* CMDChannel1Spctm::getSpctmChnl(bool bCreate, int cls) {
  if (!megdata::isSpctmClass(cls)) return nullptr;
  auto& slot = m_spctm[megdata::at(cls)];
  if (!slot && bCreate) slot = std::make_unique<CSpctmChnlqv>();
  return slot.get();
}
