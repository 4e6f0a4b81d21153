// The "Current CMap legend:" text in each of its variants.
#include "cmap/cmap_legend.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "cmap/code_map.h"

namespace sorvella {
namespace {

class CMapLegend : public ::testing::Test {
 protected:
  CCodeMap cmap_;
  std::string ordering_;  // of the current CID font
};

TEST_F(CMapLegend, WithoutACMap) {
  EXPECT_EQ(cmapLegend(nullptr, ordering_), "There is no CMap loaded now.");
  EXPECT_EQ(cmapLegend(nullptr, std::nullopt), "There is no CMap loaded now.");
}

TEST_F(CMapLegend, UntitledAndUnknownWithoutAFont) {
  EXPECT_EQ(cmapLegend(&cmap_, std::nullopt),
            "The current CMap is called Untitled and is imported from file <unknown>. This CMap "
            "is for horizontal writing mode");
}

TEST_F(CMapLegend, NameFileAndVerticalModeWithACompatibleFont) {
  cmap_.cmapName = "90ms-RKSJ-V";
  cmap_.filePath = "/maps/jp/90MS-V.cmp";
  cmap_.wMode = 2;
  cmap_.ordering = "japan1";
  ordering_ = "Japan1";
  EXPECT_EQ(cmapLegend(&cmap_, ordering_),
            "The current CMap is called 90ms-RKSJ-V and is imported from file 90MS-V.cmp. This "
            "CMap is for vertical writing mode. The CMap is  compatible with the current CID "
            "font.");  // "is%s compatible" with " " gives two spaces
  cmap_.filePath = "C:\\maps\\jp\\X.cmp";
  EXPECT_NE(cmapLegend(&cmap_, ordering_).find(" from file X.cmp."), std::string::npos);
}

TEST_F(CMapLegend, OrderingsDecideCompatibility) {
  cmap_.ordering = "Japan1";
  ordering_ = "GB1";
  EXPECT_NE(cmapLegend(&cmap_, ordering_)
                .find(" The CMap is not  compatible with the current CID "
                      "font."),
            std::string::npos);
  cmap_.ordering.clear();  // an empty Ordering suits any font
  EXPECT_NE(cmapLegend(&cmap_, ordering_).find(" The CMap is  compatible"), std::string::npos);
  cmap_.ordering = "Japan1";
  ordering_ = "";
  EXPECT_NE(cmapLegend(&cmap_, ordering_).find(" The CMap is  compatible"), std::string::npos);
}

TEST_F(CMapLegend, BasedCMapNamesItsBaseUntilDebased) {
  cmap_.baseName = "90ms-RKSJ-H";
  EXPECT_EQ(cmapLegend(&cmap_, std::nullopt),
            "The current CMap is called Untitled and is imported from file <unknown>. This CMap "
            "is for horizontal writing mode This CMap is based on 90ms-RKSJ-H.");
  EXPECT_NE(cmapLegend(&cmap_, ordering_).find("font. This CMap is based on 90ms-RKSJ-H."),
            std::string::npos);
  cmap_.Debase();
  EXPECT_EQ(cmapLegend(&cmap_, ordering_).find("based"), std::string::npos);
}

}  // namespace
}  // namespace sorvella
