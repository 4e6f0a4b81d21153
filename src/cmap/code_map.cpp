#include "cmap/code_map.h"

#include <algorithm>
#include <utility>

namespace sorvella {

CCodeMap::CCodeMap() : codes_(kCodeCount, kNoCid) {}

void CCodeMap::SetRange(uint8_t high, uint8_t lowFirst, uint8_t lowLast, int64_t firstCid) {
  for (int low = lowFirst; low <= lowLast; ++low) {
    const int64_t cid = firstCid + (low - lowFirst);
    // 65535 is "no CID", so it cannot be stored as one.
    if (cid < 0 || cid >= kNoCid) continue;
    codes_[index(high, static_cast<uint8_t>(low))] = static_cast<uint16_t>(cid);
  }
}

int32_t CCodeMap::CountInRow(uint8_t high) const {
  const auto row = codes_.begin() + static_cast<std::ptrdiff_t>(index(high, 0));
  return static_cast<int32_t>(
      std::count_if(row, row + 256, [](uint16_t c) { return c != kNoCid; }));
}

bool CCodeMap::LoadBase() {
  if (!IsBased()) return true;
  if (basePath.empty()) return false;
  // The base's own usecmap is not followed: only CMaps that are not based are offered.
  CCodeMap base;
  if (!base.Read(basePath)) return false;
  base_ = std::move(base.codes_);
  return true;
}

void CCodeMap::ApplyBase() {
  if (base_.empty()) return;
  for (std::size_t i = 0; i < codes_.size(); ++i)
    if (codes_[i] == kNoCid) codes_[i] = base_[i];
}

void CCodeMap::Debase() {
  if (!IsBased()) return;
  base_.clear();
  base_.shrink_to_fit();
  baseName.clear();
  basePath.clear();
}

}  // namespace sorvella
