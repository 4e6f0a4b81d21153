// The CMap model: its initial state and the table operations.
#include "cmap/code_map.h"

#include <gtest/gtest.h>

#include <array>

namespace sorvella {
namespace {

class NewCMap : public ::testing::Test {};

TEST_F(NewCMap, StartsWithTheInitialValues) {
  CCodeMap cmap;
  EXPECT_EQ(cmap.cmapName, "");
  EXPECT_EQ(cmap.registry, "");
  EXPECT_EQ(cmap.ordering, "");
  EXPECT_EQ(cmap.notice, "");
  EXPECT_EQ(cmap.supplement, 0);
  EXPECT_EQ(cmap.cmapVersion, 0.0);
  EXPECT_EQ(cmap.uidOffset, -1);
  EXPECT_EQ(cmap.xuid, (std::array<int32_t, 20>{}));
  EXPECT_EQ(cmap.xuidCount, 0);
  EXPECT_EQ(cmap.wMode, 0);
  EXPECT_EQ(cmap.baseName, "");
  EXPECT_EQ(cmap.basePath, "");
  EXPECT_FALSE(cmap.modified);
  EXPECT_EQ(cmap.filePath, "");
  EXPECT_EQ(cmap.status, 0);
  EXPECT_TRUE(cmap.notdefs.empty());
  EXPECT_FALSE(cmap.IsBased());
  EXPECT_FALSE(cmap.hasBaseTable());
  ASSERT_EQ(cmap.codeTable().size(), 65536u);
  for (int high = 0; high < 256; ++high) EXPECT_EQ(cmap.CountInRow(high), 0) << high;
  EXPECT_EQ(cmap.Lookup(0xFF, 0xFF), 65535);
}

class CodeTable : public ::testing::Test {
 protected:
  CCodeMap cmap_;
};

TEST_F(CodeTable, SetAndLookupAddressHighThenLow) {
  cmap_.Set(0x81, 0x40, 633);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x40), 633);
  EXPECT_EQ(cmap_.codeTable()[0x8140], 633);
  EXPECT_EQ(cmap_.Lookup(0x40, 0x81), 65535);
  cmap_.Set(0x81, 0x40, 65535);
  EXPECT_EQ(cmap_.CountInRow(0x81), 0);
}

TEST_F(CodeTable, SetRangeCountsUpFromTheFirstCid) {
  cmap_.SetRange(0x30, 0x41, 0x43, 100);
  EXPECT_EQ(cmap_.Lookup(0x30, 0x40), 65535);
  EXPECT_EQ(cmap_.Lookup(0x30, 0x41), 100);
  EXPECT_EQ(cmap_.Lookup(0x30, 0x43), 102);
  EXPECT_EQ(cmap_.Lookup(0x30, 0x44), 65535);
  EXPECT_EQ(cmap_.CountInRow(0x30), 3);
  cmap_.SetRange(0x31, 0x10, 0x0F, 1);  // last below first
  EXPECT_EQ(cmap_.CountInRow(0x31), 0);
  cmap_.SetRange(0xFF, 0x00, 0xFF, 0);
  EXPECT_EQ(cmap_.CountInRow(0xFF), 256);
  EXPECT_EQ(cmap_.Lookup(0xFF, 0xFF), 255);
}

}  // namespace
}  // namespace sorvella
