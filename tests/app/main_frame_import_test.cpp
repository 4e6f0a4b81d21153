// Import of a CIDFont file through the File menu, its progress dialog and Cancel in it, and the
// Recent File List that Import and Save update, driven through the real Qt dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "app/main_frame.h"
#include "base/text_format.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/ui/fonts_page.h"
#include "cidfont/ui/main_page.h"
#include "platform/ini_file_profile.h"
#include "platform/prompts.h"
#include "platform/qt/qt_text.h"
#include "support/cid_fixtures.h"
#include "support/modal_dialogs.h"
#include "support/sample_index_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using test::whenShown;

// What the progress dialog of a command showed; with `cancelAtFirstStep` its Cancel button is
// clicked as soon as the bar first moves past its start.
class ProgressWatch : public QObject {
 public:
  explicit ProgressWatch(bool cancelAtFirstStep) : cancel_(cancelAtFirstStep) {
    qApp->installEventFilter(this);
  }
  ~ProgressWatch() override { qApp->removeEventFilter(this); }

  QString title, label;
  int shown = 0, highest = 0, maximum = 0;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* dialog = qobject_cast<QProgressDialog*>(object);
    if (!dialog || event->type() != QEvent::Show) return false;
    ++shown;
    title = dialog->windowTitle();
    label = dialog->labelText();
    auto* bar = dialog->findChild<QProgressBar*>();
    auto* cancel = dialog->findChild<QPushButton*>();
    if (!bar || !cancel) {
      ADD_FAILURE() << "the progress dialog has no bar or no Cancel button";
      return false;
    }
    connect(bar, &QProgressBar::valueChanged, this, [this, bar, cancel](int value) {
      highest = std::max(highest, value);
      maximum = bar->maximum();
      if (cancel_ && value > bar->minimum()) {
        cancel_ = false;
        // Clicked as the user would, from the events the next progress report dispatches.
        QTimer::singleShot(0, cancel, &QPushButton::click);
      }
    });
    return false;
  }

 private:
  bool cancel_;
};

class MainFrameImportTest : public ::testing::Test {
 protected:
  // Answers the file dialog with `file`, then the font folder dialog with temp_/`folder`.
  void answerImportDialogs(const fs::path& file, const QString& folder) {
    whenShown<QFileDialog>([this, file, folder](QFileDialog* files) {
      EXPECT_EQ(files->windowTitle(), document_text::kImportTitle);
      // Typed, as selectFile leaves a focused name field alone.
      auto* typed = files->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(typed, nullptr);
      typed->setText(pathToQString(file));
      static_cast<QDialog*>(files)->accept();  // the Open button
      whenShown<QDialog>([this, folder](QDialog* dialog) {
        auto* directory = dialog->findChild<QLineEdit*>("directory");
        auto* name = dialog->findChild<QLineEdit*>("folderName");
        ASSERT_TRUE(directory && name) << dialog->windowTitle().toStdString();
        directory->setText(pathToQString(temp_.path()));
        name->setText(folder);
        test::clickOk(dialog);
      });
    });
  }

  QStringList recentTexts() const {
    QStringList texts;
    for (QAction* action : frame_.recentFileActions())
      if (!action->isSeparator()) texts << action->text();
    return texts;
  }

  QString recentEntry(int number, const fs::path& file) const {
    return QString("&%1 %2").arg(number).arg(pathToQString(file));
  }

  test::TempFolder temp_;
  fs::path ini_ = temp_ / "sorvella.ini";
  CMainFrame frame_{ini_};
};

TEST_F(MainFrameImportTest, ImportFromTheFileMenuShowsProgressAndListsTheFontAsRecent) {
  const fs::path source = test::cidFixture("three-dicts.cid");
  const std::size_t cids = test::txCidMetrics(source).size();
  ASSERT_GT(cids, 0u) << "tx cannot read " << source;
  const fs::path opened = test::writeSampleIndexFont(temp_.path(), "KAKU");
  ASSERT_TRUE(frame_.openIndexFile(opened));

  ProgressWatch progress(false);
  answerImportDialogs(source, "THREE");
  frame_.fileAction(menu_text::kImport)->trigger();
  QTest::qWait(0);

  EXPECT_EQ(progress.shown, 1);
  EXPECT_EQ(progress.title, document_text::kImportCidProgressTitle);
  EXPECT_EQ(progress.label, document_text::kProcessingCidGlyphs);
  EXPECT_GT(progress.maximum, 0);
  EXPECT_EQ(progress.highest, progress.maximum);

  const fs::path index = binaryIndexPath(temp_ / "THREE");
  EXPECT_EQ(frame_.document().indexFile(), index);
  EXPECT_EQ(frame_.mainPage()->legend()->toPlainText().toStdString(),
            formatText("The current CID font contains %d characters in 3 subset fonts.",
                       static_cast<int>(cids)));
  EXPECT_EQ(frame_.fontsPage()->list()->count(), 3);
  EXPECT_EQ(recentTexts(), (QStringList{recentEntry(1, index), recentEntry(2, opened)}));
  EXPECT_EQ(IniFileProfile(ini_).getString("Recent File List", "File1"), index.string());
  EXPECT_EQ(IniFileProfile(ini_).getString("Recent File List", "File2"), opened.string());
}

TEST_F(MainFrameImportTest, CancelInTheProgressDialogKeepsTheSubsetFontsHandedOver) {
  ProgressWatch progress(true);
  QString told;
  answerImportDialogs(test::cidFixture("dict1200.cid"), "CUT");
  whenShown<QMessageBox>([&](QMessageBox* box) {
    told = box->text();
    test::clickButton(box, kOkButton);
  });
  frame_.fileAction(menu_text::kImport)->trigger();
  QTest::qWait(0);

  // Cancelled after the first subset font of 512 glyphs: that one is kept and stored.
  ASSERT_EQ(progress.shown, 1);
  EXPECT_LT(progress.highest, progress.maximum);
  EXPECT_EQ(told.toStdString(), formatText(document_text::kImportCancelled, 512));
  ASSERT_NE(frame_.document().font(), nullptr);
  EXPECT_EQ(frame_.document().font()->characterCount(), 512);
  EXPECT_EQ(frame_.fontsPage()->list()->count(), 1);
  const fs::path index = binaryIndexPath(temp_ / "CUT");
  std::unique_ptr<CCidFont> stored = ReadBinaryIndex(index).font;
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->characterCount(), 512);
  EXPECT_EQ(recentTexts(), QStringList{recentEntry(1, index)});
}

TEST_F(MainFrameImportTest, SaveListsANewFontsIndexFileAsRecent) {
  whenShown<QDialog>([&](QDialog* dialog) {
    dialog->findChild<QLineEdit*>("directory")->setText(pathToQString(temp_.path()));
    dialog->findChild<QLineEdit*>("folderName")->setText("GOTHIC");
    test::clickOk(dialog);
  });
  frame_.fileAction(menu_text::kNew)->trigger();
  ASSERT_NE(frame_.document().font(), nullptr);
  // Nothing is written yet, so there is nothing to list.
  EXPECT_TRUE(recentTexts().isEmpty());

  frame_.fileAction(menu_text::kSave)->trigger();
  const fs::path index = binaryIndexPath(temp_ / "GOTHIC");
  ASSERT_TRUE(fs::exists(index));
  EXPECT_EQ(recentTexts(), QStringList{recentEntry(1, index)});
  EXPECT_EQ(IniFileProfile(ini_).getString("Recent File List", "File1"), index.string());

  // The listed file opens from the menu in a window that starts afresh.
  CMainFrame again(ini_);
  ASSERT_EQ(again.recentFileActions().size(), 2);  // the entry and its separator
  again.recentFileActions()[0]->trigger();
  EXPECT_EQ(again.document().indexFile(), index);
}

}  // namespace
}  // namespace sorvella
