#include "host/data/CMDChannelqv.h"

void CMDChannelqv::setSpctmChnl(int cls, std::unique_ptr<CSpctmChnlqv> spctm) {
  if (megdata::isSpctmClass(cls)) m_spctm[megdata::at(cls)] = std::move(spctm);
}

void CMDChannelqv::setPosition3D(double x, double y, double z) {
  m_dPos3D[0] = x;
  m_dPos3D[1] = y;
  m_dPos3D[2] = z;
}
