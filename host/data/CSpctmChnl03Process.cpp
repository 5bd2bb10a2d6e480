#include "host/data/CSpctmChnl03Process.h"

double CSpctmChnl03Process::getSelectSpctmValue(std::int64_t t0, std::int64_t t1, std::int64_t f0,
                                                std::int64_t f1, int kind) const {
  std::int64_t T = 0, F = 0;
  const double* data = getSpctmDataPtr(kind, &T, &F);
  return megdata::windowMean(data, F, megdata::clipWindow(megdata::SpctmWindow{t0, t1, f0, f1}, T, F));
}

megdata::SpctmStats CSpctmChnl03Process::getSpctmStats(int kind, const megdata::SpctmWindow& window) const {
  std::int64_t T = 0, F = 0;
  const double* data = getSpctmDataPtr(kind, &T, &F);
  return megdata::windowStats(data, F, megdata::clipWindow(window, T, F));
}
