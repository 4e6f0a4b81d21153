#include "platform/qt/file_filter.h"

#include <gtest/gtest.h>

#include "cidfont/document.h"

namespace sorvella {
namespace {

TEST(QtFileFilter, KeepsACaptionThatAlreadyNamesItsPatterns) {
  EXPECT_EQ(qtNameFilters(document_text::kOpenFilter), QStringList{"Sorvella Fonts (*.sqf)"});
  EXPECT_EQ(qtNameFilters(document_text::kExportFilter),
            (QStringList{"CID Fonts Files (*.cid)", "Sorvella Index Files (*.sci)"}));
}

TEST(QtFileFilter, AppendsThePatternsToOtherCaptionsWithSpacesForSemicolons) {
  EXPECT_EQ(qtNameFilters(document_text::kAddFilter),
            (QStringList{"All Font Files (*.pfb *.vtb *.ttf)", "Type 1 binary (*.pfb)",
                         "TrueType (*.ttf)", "Vidazud 3.0 (*.vtb)"}));
  // Parentheses that are not the patterns stay part of the caption.
  EXPECT_EQ(qtNameFilters("Fonts (old)|*.a; *.b||"), QStringList{"Fonts (old) (*.a *.b)"});
}

TEST(QtFileFilter, EndsAtTheEmptyPair) {
  EXPECT_EQ(qtNameFilters("A (*.a)|*.a||B|*.b||"), QStringList{"A (*.a)"});
  EXPECT_EQ(qtNameFilters("A|*.a|B|"), QStringList{"A (*.a)"});
  EXPECT_TRUE(qtNameFilters("").isEmpty());
  EXPECT_TRUE(qtNameFilters("||").isEmpty());
}

TEST(QtFileFilter, SuffixIsTheFirstPatternsExtension) {
  EXPECT_EQ(nameFilterSuffix("Sorvella Index Files (*.sci)"), "sci");
  EXPECT_EQ(nameFilterSuffix("All Font Files (*.pfb *.vtb *.ttf)"), "pfb");
  EXPECT_EQ(nameFilterSuffix("All Files (*.*)"), "");
  EXPECT_EQ(nameFilterSuffix("All Files (*)"), "");
  EXPECT_EQ(nameFilterSuffix("Text (*.t?t)"), "");
  EXPECT_EQ(nameFilterSuffix("No patterns"), "");
}

}  // namespace
}  // namespace sorvella
