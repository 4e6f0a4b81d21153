#include "postscript/type1_font_info.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

// The year is the last number; the vendor runs from after the copyright mark and year to a
// company ending or its final period.
TEST(NoticeParsing, YearAndVendor) {
  const struct {
    const char* notice;
    unsigned year;
    const char* vendor;
  } cases[] = {
      {"Copyright (c) 1990, 1991 Acme Type Inc. All Rights Reserved.", 1991, "Acme Type Inc"},
      {"(c) 1999 Foundry Corp. and partners", 1999, "Foundry Corp"},
      {"(c) Copyright 2001 Big  Type   Ltd.  ", 2001, "Big Type Ltd"},
      {"\xA9 2003 Letters Intl. \xA9 other", 2003, "Letters Intl"},
      {"Copyright URW++ GmbH 1999, 2020", 2020, "URW++ GmbH"},
      {"no digits here", 0, "no digits here"},
  };
  for (const auto& c : cases) {
    const NoticeFacts f = parseNotice(c.notice);
    EXPECT_EQ(f.year.value_or(0), c.year) << c.notice;
    EXPECT_EQ(f.vendor, c.vendor) << c.notice;
  }
}

TEST(WeightNamesAndVersions, ClassIsThePositionInTheListAndVersionsStartAtTheFirstDigit) {
  EXPECT_EQ(weightClass("BOLD"), 13);
  EXPECT_EQ(weightClass("Semibold Condensed"), -1);
  auto v = parseVersion("Version 2.10 beta");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->major, 2);
  EXPECT_EQ(v->minor, 10);
  EXPECT_EQ(parseVersion("7")->minor, 0);
  EXPECT_FALSE(parseVersion("none"));
}

}  // namespace
}  // namespace sorvella
