#include "host/render/CBitmapHighQualityDrawqv.h"

#include "host/render/DcPixelBlock.h"

int CBitmapHighQualityDrawqv::drawHighQualityImage(CDC* dc, const std::uint32_t* pixels,
                                                   int srcWidth, int srcHeight, int destWidth,
                                                   int destHeight, int destX, int destY,
                                                   int rowOrder, int weightBits) {
  if (dc == nullptr || dc->GetSafeHdc() == nullptr || pixels == nullptr || srcWidth < 1 ||
      srcHeight < 1 || destWidth < 1 || destHeight < 1 || (rowOrder != 0 && rowOrder != 1) ||
      weightBits < 1 || weightBits > hostrender::kMaxWeightBits) {
    return 0;
  }
  hostrender::DcPixelBlock block;
  if (!hostrender::visibleBlock(dc, destX, destY, destWidth, destHeight, block)) return 1;
  // The kernel is asked for the visible part only, in the scaled image's coordinates.
  CRect part = block.visible;
  part.OffsetRect(-destX, -destY);
  const hostrender::PixelSource source{pixels, srcWidth, srcHeight, srcWidth, rowOrder == 1};
  return hostrender::scaleBilinear(source, destWidth, destHeight, part, block.first,
                                   block.stride, weightBits, m_work)
             ? 1
             : 0;
}

void CBitmapHighQualityDrawqv::cleanData() { m_work = {}; }
