// The display code names host operations through the link that declares them
// (CMDTrial4Spctm::getSpctmTrial, CSpctmTrial03Process::isAccumSpctm, …), so every link
// must exist and the chains must keep their order. This fails to compile otherwise.
#include <type_traits>

#include "host/data/CArrayMEDataSetqv.h"

namespace {

template <class Derived, class Base>
constexpr bool kLinked = std::is_base_of_v<Base, Derived>;

static_assert(kLinked<CArrayMEDataSetqv, CArrayMEDataSet>);
static_assert(kLinked<CMEGDataqv, CMEGData8Show> && kLinked<CMEGData8Show, CMEGData4SpctmProcess> &&
              kLinked<CMEGData4SpctmProcess, CMEGData3Spctm> && kLinked<CMEGData3Spctm, CMEGData2Process> &&
              kLinked<CMEGData2Process, CMEGData>);
static_assert(kLinked<CMDTrialqv, CMDTrial8Show> && kLinked<CMDTrial8Show, CMDTrial4Spctm> &&
              kLinked<CMDTrial4Spctm, CMDTrial0SensorInfo> && kLinked<CMDTrial0SensorInfo, CMDTrial>);
static_assert(kLinked<CMDChannelqv, CMDChannel1Spctm> && kLinked<CMDChannel1Spctm, CMDChannel0SensorInfo> &&
              kLinked<CMDChannel0SensorInfo, CMDChannel>);
static_assert(kLinked<CSpctmTrialqv, CSpctmTrial03Process> && kLinked<CSpctmTrial03Process, CSpctmTrial>);
static_assert(kLinked<CSpctmChnlqv, CSpctmChnl03Process> && kLinked<CSpctmChnl03Process, CSpctmChnl>);
static_assert(kLinked<CSumChnlSpctmDataqv, CSumChnlSpctmData>);

}  // namespace
