#include "glyph/per_master_block.h"

#include <algorithm>
#include <bit>

namespace sorvella {

namespace {

template <std::size_t N>
void putAll(ByteWriter& out, const std::array<int32_t, N>& values) {
  for (int32_t v : values) out.put32le(static_cast<uint32_t>(v));
}

template <std::size_t N>
void getAll(ByteReader& in, std::array<int32_t, N>& values) {
  for (int32_t& v : values) v = static_cast<int32_t>(in.get32le());
}

double getDouble(ByteReader& in) {
  return std::bit_cast<double>(in.get64le());
}
void putDouble(ByteWriter& out, double v) {
  out.put64le(std::bit_cast<uint64_t>(v));
}

}  // namespace

void writePerMasterBlock(const PerMasterBlock& block, ByteWriter& out) {
  for (double v : block.fontMatrix) putDouble(out, v);
  out.put32le(static_cast<uint32_t>(block.forceBold));
  putAll(out, block.blueValues);
  putAll(out, block.otherBlues);
  putAll(out, block.familyBlues);
  putAll(out, block.familyOtherBlues);
  putDouble(out, block.blueScale);
  out.put32le(static_cast<uint32_t>(block.blueShift));
  out.put32le(static_cast<uint32_t>(block.blueFuzz));
  out.put32le(static_cast<uint32_t>(block.stdHW));
  out.put32le(static_cast<uint32_t>(block.stdVW));
  putAll(out, block.stemSnapH);
  putAll(out, block.stemSnapV);
  out.putBytes(block.further);
}

PerMasterBlock readPerMasterBlock(std::span<const uint8_t> data) {
  std::array<uint8_t, PerMasterBlock::kBytes> padded{};
  std::copy_n(data.begin(), std::min(data.size(), padded.size()), padded.begin());
  ByteReader in(padded);
  PerMasterBlock block;
  for (double& v : block.fontMatrix) v = getDouble(in);
  block.forceBold = static_cast<int32_t>(in.get32le());
  getAll(in, block.blueValues);
  getAll(in, block.otherBlues);
  getAll(in, block.familyBlues);
  getAll(in, block.familyOtherBlues);
  block.blueScale = getDouble(in);
  block.blueShift = static_cast<int32_t>(in.get32le());
  block.blueFuzz = static_cast<int32_t>(in.get32le());
  block.stdHW = static_cast<int32_t>(in.get32le());
  block.stdVW = static_cast<int32_t>(in.get32le());
  getAll(in, block.stemSnapH);
  getAll(in, block.stemSnapV);
  in.getBytes(block.further.data(), block.further.size());
  return block;
}

}  // namespace sorvella
