#include "postscript/type1_font_info.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

TEST(NoticeParsing, YearIsTheLastNumberAndTheVendorLosesItsFinalPeriod) {
  NoticeFacts f = parseNotice("Copyright (c) 1990, 1991 Acme Type Inc. All Rights Reserved.");
  EXPECT_EQ(f.year, 1991u);
  EXPECT_EQ(f.vendor, "Acme Type Inc");
}

TEST(NoticeParsing, CompanyEndingsCutTheVendorText) {
  EXPECT_EQ(parseNotice("(c) 1999 Foundry Corp. and partners").vendor, "Foundry Corp");
  EXPECT_EQ(parseNotice("(c) Copyright 2001 Big  Type   Ltd.  ").vendor, "Big Type Ltd");
  EXPECT_EQ(parseNotice("\xA9 2003 Letters Intl. \xA9 other").vendor, "Letters Intl");
}

TEST(NoticeParsing, WithoutAMarkTheWholeTextAfterCopyrightIsTheVendor) {
  NoticeFacts f = parseNotice("Copyright URW++ GmbH 1999, 2020");
  EXPECT_EQ(f.year, 2020u);
  EXPECT_EQ(f.vendor, "URW++ GmbH");
  NoticeFacts none = parseNotice("no digits here");
  EXPECT_FALSE(none.year);
  EXPECT_EQ(none.vendor, "no digits here");
}

TEST(WeightNames, ClassIsThePositionInTheListWithoutCase) {
  EXPECT_EQ(weightClass("UltraLight"), 0);
  EXPECT_EQ(weightClass("regular"), 5);
  EXPECT_EQ(weightClass("BOLD"), 13);
  EXPECT_EQ(weightClass("All"), 23);
  EXPECT_EQ(weightClass("Semibold Condensed"), -1);
}

TEST(VersionNumbers, MajorAndMinorFromTheFirstDigit) {
  auto v = parseVersion("001.002");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->major, 1);
  EXPECT_EQ(v->minor, 2);
  auto w = parseVersion("Version 2.10 beta");
  EXPECT_EQ(w->major, 2);
  EXPECT_EQ(w->minor, 10);
  EXPECT_EQ(parseVersion("7")->minor, 0);
  EXPECT_FALSE(parseVersion("none"));
}

}  // namespace
}  // namespace sorvella
