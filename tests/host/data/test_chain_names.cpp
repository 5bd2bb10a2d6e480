// The display code names host operations through the link that declares them
// (CMDTrial4Spctm::getSpctmTrial, CSpctmTrial03Process::isAccumSpctm, …). Each line below
// fails to compile if a name moves to another link or the chain loses a link.
#include <gtest/gtest.h>

#include <tuple>
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

// Qualified names as the calling code writes them.
[[maybe_unused]] constexpr auto kNames = std::make_tuple(
    &CArrayMEDataSet::getSessionData, &CMEGData::getTrialqv, &CMEGData::getCurrentTrialPt,
    &CMEGData::getSessionName, &CMEGData::hasData2Draw, &CMEGData::getTotalChnl_Visible,
    &CMEGData3Spctm::getTrialSpctmGivenTime2LatencyMsec, &CMEGData3Spctm::getTrialSpctmSelectTime2LatencyMsec,
    &CMEGData3Spctm::getLatencyMs4SpctmTimePt, &CMEGData3Spctm::getSpctmChnlMegEeg,
    &CMEGData8Show::getChnlSpctmData, &CMEGData8Show::getChnlName_PhycVirt, &CMEGData8Show::getShowZoomChnl,
    &CMEGData8Show::setShowZoomChnl, &CMEGData2Process::isSelectChnl4Alltrials,
    &CMEGData2Process::setSelectChnl4Alltrials, &CMEGData2Process::isShowChnl4Alltrials,
    &CMEGData2Process::setShowChnl4Alltrials, &CMEGData2Process::isGoodChnl4Alltrials,
    &CMEGData2Process::setGoodChnl4Alltrials, &CMEGData4SpctmProcess::computTrialSpctm,
    &CMEGData4SpctmProcess::computTrialSpctmAllPro, &CMDTrial::getChannel, &CMDTrial::getAllChannelPt,
    &CMDTrial::getTotalChannel, &CMDTrial::getCurntChnlIndx, &CMDTrial::setCurrentChannel,
    &CMDTrial::getChannelName, &CMDTrial4Spctm::getSpctmTrial, &CMDTrial4Spctm::getSpctmRangeAllChann,
    &CMDTrial4Spctm::getSpctmRange4OneChnlShow, &CMDTrial4Spctm::getSpctmRange4OneChnlShowAbs,
    &CMDTrial4Spctm::findSpctmChnl4Show, &CMDTrial4Spctm::hasSpctmData4Chnl, &CMDTrial4Spctm::getSpctmSize,
    &CMDTrial4Spctm::getSelectSpctmValueMMMR, &CMDTrial4Spctm::getSelectSpctmValueXX,
    &CMDTrial4Spctm::getSelectSpctmValue2Txt, &CMDTrial4Spctm::getSelectSpctmValueX_PhyVirt,
    &CMDTrial4Spctm::reloadSpctmDataAll, &CMDTrial0SensorInfo::getMeasureMegCoilADimension,
    &CMDTrial0SensorInfo::getMeasureEegElctDimension, &CMDTrial8Show::isMegSnsr2dPlaneDone,
    &CMDTrial8Show::isEegElectrod2dPlaneDone, &CMDTrial8Show::projectMegMeasureSns3Dto2Dstd,
    &CMDTrial8Show::projectEegMeasureElectrode3Dto2Dstd, &CMDTrial8Show::projectMegMeasureSns3Dto2Dpro,
    &CMDTrial8Show::projectEegMeasureSns3Dto2Dpro, &CMDTrial8Show::scanMegMeasureSns2Dsz,
    &CMDTrial8Show::scanEegMeasureSns2Dsz, &CSpctmTrial::getTrialSpctmTimePt, &CSpctmTrial::getTrialSpctmFreqPt,
    &CSpctmTrial::getTrialSpctmTimeStep, &CSpctmTrial::getSpctmFreq4FreqIndex, &CSpctmTrial::getSpctmFreqRangeHz,
    &CSpctmTrial::getTrialSpctmGivenFreqID4Hz, &CSpctmTrial::getTrialSpctmSelectTime,
    &CSpctmTrial::setTrialSpctmSelectTime, &CSpctmTrial::getTrialSpctmSelectFreq,
    &CSpctmTrial::setTrialSpctmSelectFreq, &CSpctmTrial::getTrialSpctmSelectFreqHz,
    &CSpctmTrial::getTrialSpctmSelectTimeFreqBB, &CSpctmTrial::setTrialSpctmSelectTimeFreqBB,
    &CSpctmTrial::setTrialSpctmSelectTimeFreqEE, &CSpctmTrial::getSumChnlSpctmData,
    &CSpctmTrial03Process::isAccumSpctm, &CSpctmTrial03Process::getSelectBE4DrawWave,
    &CMDChannel::getDataWave, &CMDChannel0SensorInfo::isMEGMeasureChannel,
    &CMDChannel0SensorInfo::isEEGMeasureChannel, &CMDChannel1Spctm::getSpctmChnl, &CSpctmChnl::getSpctmDataPtr,
    &CSpctmChnl03Process::getSelectSpctmValue);

// Fields the windows read or write directly.
[[maybe_unused]] constexpr auto kFields = std::make_tuple(
    &CMEGData::m_bProcessing, &CMEGData::m_dProj2DScale, &CMEGData::m_dProj2DDepth, &CMDTrial::m_strName,
    &CMDTrial::m_nCrntChnlIndx, &CMDTrial0SensorInfo::m_dMeg2DXMin, &CMDTrial0SensorInfo::m_dEeg2DYMax,
    &CMDTrial8Show::m_bMegSnsr2dPlaneDone, &CMDTrial8Show::m_bEegElectrod2dPlaneDone, &CMDChannel::m_strName,
    &CMDChannel0SensorInfo::m_dMeg2DX, &CMDChannel0SensorInfo::m_dEeg2DY);

}  // namespace
