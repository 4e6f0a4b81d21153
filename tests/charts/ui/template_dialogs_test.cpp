// The Templates and Build Template dialogs offscreen: the ordering filter, Load and the
// legend, the style applied on OK, and the estimate following the cell size.
#include "charts/ui/template_dialogs.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <cstdlib>

#include "cidfont/document_fixture.h"

namespace sorvella {
namespace {

class TemplateDialogsTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    makeNewFont();
    addFonts({14});
    document_->font()->info().setOrdering("Japan1");
    ASSERT_TRUE(document_->font()->PlaceUnplaced(0, 13, 100));
    for (const char* ordering : {"japan1", "Korea1"}) {
      ChartTemplate t(16, 2);
      t.ordering = ordering;
      t.setCid(1, 100);
      ASSERT_TRUE(WriteTemplate(t, folder_ / "tpl" / ordering));
    }
  }
  ChartContext context_{*document_};
};

TEST_F(TemplateDialogsTest, ListFiltersByOrderingAndLoadsTheSelection) {
  int changes = 0;
  context_.changed = [&] { ++changes; };
  TemplatesDialog dialog(context_, listTemplates({folder_ / "tpl"}), true);
  EXPECT_EQ(dialog.legend()->text(), "There are no templates loaded.");
  ASSERT_EQ(dialog.list()->count(), 1);
  EXPECT_TRUE(dialog.list()->item(0)->text().startsWith("japan1.ctp"));
  dialog.showAll()->setChecked(true);
  EXPECT_EQ(dialog.list()->count(), 2);
  ASSERT_TRUE(dialog.list()->item(1)->text().startsWith("japan1.ctp"));  // by file name
  dialog.list()->setCurrentRow(1);
  ASSERT_TRUE(dialog.loadSelected());
  EXPECT_EQ(dialog.legend()->text(),
            "The current template is japan1 from file japan1.ctp. It contains 2 images of 16x16 "
            "size. This template is compatible with the current CID font.");
  EXPECT_EQ(context_.loadedTemplate->ImageOf(100), 1);
  dialog.style()->setCurrentIndex(3);
  dialog.accept();
  EXPECT_EQ(context_.templateStyle, TemplateStyle::kInstead);
  EXPECT_EQ(changes, 1);
}

TEST_F(TemplateDialogsTest, TheListShowsBothFoldersOrSaysThereAreNone) {
  const auto setVariable = [](const char* name, const std::filesystem::path& value) {
    const char* old = std::getenv(name);
    std::string kept = old ? old : "";
    setenv(name, value.c_str(), 1);
    return std::pair{std::string(name),
                     std::optional<std::string>(old ? std::optional(kept) : std::nullopt)};
  };
  const auto restore = [](const std::pair<std::string, std::optional<std::string>>& v) {
    if (v.second)
      setenv(v.first.c_str(), v.second->c_str(), 1);
    else
      unsetenv(v.first.c_str());
  };
  const auto data = setVariable("SORVELLA_DATA", folder_ / "data");
  const auto xdg = setVariable("XDG_DATA_HOME", folder_ / "xdg");
  ScriptedPrompts prompts;
  runTemplatesCommand(context_, prompts, nullptr);
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.shown()[0].text, template_text::kNoTemplates);
  EXPECT_EQ(userTemplateFolder(), folder_ / "xdg" / "sorvella" / "Template");
  ASSERT_TRUE(WriteTemplate(ChartTemplate(16, 1), folder_ / "data" / "Template" / "A"));
  ASSERT_TRUE(WriteTemplate(ChartTemplate(24, 1), userTemplateFolder() / "B"));
  const std::vector<TemplateListEntry> listed = listTemplates(templateFolders());
  restore(data);
  restore(xdg);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0].header.cellSize, 16u);
  EXPECT_EQ(listed[1].header.cellSize, 24u);
}

TEST_F(TemplateDialogsTest, BuildDialogEstimatesFromTheCellSize) {
  BuildTemplateDialog dialog(*document_->font());
  EXPECT_EQ(dialog.ordering()->text(), "Japan1");
  EXPECT_EQ(dialog.estimate()->text(), "Estimated file size is 1k.");  // (14 * 76 + 200) / 1024
  EXPECT_EQ(dialog.request().cellSize, 24u);
  dialog.cellSize()->setCurrentIndex(2);
  EXPECT_EQ(dialog.request().cellSize, 32u);
  EXPECT_EQ(dialog.estimate()->text(), "Estimated file size is 2k.");
  dialog.cellSize()->setCurrentIndex(0);
  EXPECT_EQ(dialog.estimate()->text(), "Estimated file size is 0k.");
}

}  // namespace
}  // namespace sorvella
