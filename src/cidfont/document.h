// The open CID font document and its commands (New, Open, Save, Import, Export, the subset
// font commands), written against the platform's dialogs so that the GUI, the batch tool and
// the tests run the same code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"
#include "cidfont/document_environment.h"
#include "cmap/chart_clipboard.h"
#include "cmap/cmap_commands.h"

namespace sorvella {

struct ActionsRun;
struct ActionsRunSummary;
struct BinaryIndexReadResult;
class TTImporter;

namespace document_text {
// New.
inline constexpr const char* kNewTitle = "Creating CID font";
inline constexpr const char* kNewText =
    "You are creating a new CID-keyed font. It may include many subset fonts that will be "
    "converted to internal format and stored in one directory. Please enter a name for this "
    "directory.";
// Open.
inline constexpr const char* kOpenFilter = "Sorvella Fonts (*.sqf)|*.sqf||";
inline constexpr const char* kIndexExtension = "sqf";
inline constexpr const char* kMissingFilesIntro =
    "Sorvella can't find the following subset font files:";
inline constexpr const char* kMissingFilesQuestion = "What do you want to do?";
inline constexpr const char* kMissingFileName = "%s.VTB";
inline constexpr const char* kDeleteFonts = "&Delete fonts";
inline constexpr const char* kIgnore = "&Ignore";
inline constexpr const char* kRetry = "Retry";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kIndexUnreadable = "The index file %s can't be read.";
// Damage that Open mended; each is told after the font has been opened.
inline constexpr const char* kIndexRecordsMissing =
    "The index file %s is damaged: it announces %u more characters than it holds. The characters "
    "it holds have been read.";
inline constexpr const char* kIndexFontCountsOutOfRange =
    "The index file %s is damaged: %i subset fonts have character counts outside 0 to 16384. "
    "Their counts have been limited to that range.";
inline constexpr const char* kIndexCidsBeyondLimit =
    "The index file %s places %i characters beyond CID 65535, the highest CID that a CID font "
    "can hold. They are unplaced now.";
// Save.
inline constexpr const char* kEditedFontQuestion =
    "Base font %s is modified and should be saved. Do you want to save this font?";
inline constexpr const char* kYes = "&Yes";
inline constexpr const char* kNo = "&No";
inline constexpr const char* kIndexNotWritten =
    "The index file %s could not be written. The previous file is unchanged.";
// When there was no previous file.
inline constexpr const char* kIndexFileNotWritten = "The index file %s could not be written.";
// Import.
inline constexpr const char* kImportTitle = "Import CID font";
inline constexpr const char* kImportFilterWithIndex =
    "CID Fonts Files (*.cid)|*.cid|TrueType Fonts (*.ttf)|*.ttf|Sorvella Index Files "
    "(*.sci)|*.sci||";
inline constexpr const char* kImportFilter =
    "CID Fonts Files (*.cid)|*.cid|TrueType Fonts (*.ttf)|*.ttf||";
inline constexpr const char* kImportCidText =
    "You are importing a CID-keyed font that can contain many subset fonts. All these fonts "
    "will be converted to internal format and placed into a subdirectory called %s.";
inline constexpr const char* kImportTrueTypeText =
    "You are importing a TrueType font that can contain many characters. The characters will "
    "be divided into several fonts. These fonts will be placed into the CID font folder with "
    "the name %s.";
// A text index file typed into the dialog while no CID font is open.
inline constexpr const char* kIndexNeedsFont =
    "A text index file can only be imported into an open CID font.";
inline constexpr const char* kImportCidProgressTitle = "Importing CID Font";
inline constexpr const char* kProcessingCidGlyphs = "Processing CID glyphs...";
// A failed import names the file and the reason; what it had created is gone again.
inline constexpr const char* kImportFailed = "%s could not be imported. %s";
inline constexpr const char* kImportCancelled =
    "The import was cancelled. %i characters were imported.";
inline constexpr const char* kImportIncomplete =
    "%s could not be imported completely. %s %i characters were imported.";
// Export.
inline constexpr const char* kExportTitle = "Export CID font";
inline constexpr const char* kExportFilter =
    "CID Fonts Files (*.cid)|*.cid|Sorvella Index Files (*.sci)|*.sci||";
inline constexpr const char* kExportCidProgressTitle = "Exporting CID Font";
inline constexpr const char* kTextIndexNotWritten = kIndexFileNotWritten;
inline constexpr const char* kCidRangeBeyondExport =
    "The CID range of this font reaches CID %i, but a CID-keyed font file can hold CIDs up to "
    "65535 only. Move the characters beyond it to lower CIDs and compact the range, then export "
    "again.";
inline constexpr const char* kUnreadableSubsetFonts =
    "These subset font files could not be read: %s.";
inline constexpr const char* kExportSubsetTitle = "Export Subset Font";
inline constexpr const char* kExportSubsetFilter =
    "Type 1 binary (*.pfb)|*.pfb|Vidazud 3.0 (*.vtb)|*.vtb||";
inline constexpr const char* kExportType1Progress = "Exporting Type 1 Font";
inline constexpr const char* kSubsetFontUnreadable = "The subset font file %s can't be read.";
inline constexpr const char* kFileNotWritten = "The file %s could not be written.";
// The font itself was written.
inline constexpr const char* kMetricsNotWritten =
    "The metrics files (.afm and .inf) of %s could not be written.";
inline constexpr const char* kDamagedGlyphs = "%s holds damaged glyphs, which are left empty: %s.";
// Add Base Font; each file's progress box is titled kAddingCharacters, captioned by its kind.
inline constexpr const char* kAddTitle = "Add Base Font";
inline constexpr const char* kAddFilter =
    "All Font Files|*.pfb;*.vtb;*.ttf|Type 1 binary (*.pfb)|*.pfb|TrueType (*.ttf)|*.ttf|Vidazud "
    "3.0 (*.vtb)|*.vtb||";
inline constexpr const char* kAddingCharacters = "Adding characters...";
inline constexpr const char* kAddingType1 = "Adding Type 1 Font";
inline constexpr const char* kAddingNative = "Adding Vantrel Font";
inline constexpr const char* kAddingTrueType = "Adding TrueType Font";
inline constexpr const char* kTrueTypeTooLarge =
    "This TrueType font includes more than 1000 characters. Try to Import it instead of Adding "
    "it.\nWhat do you want to do now?";
inline constexpr const char* kProceed = "&Proceed";
// A large TrueType font skipped without asking (the batch tool).
inline constexpr const char* kTrueTypeTooLargeSkipped =
    "The TrueType font %s includes more than 1000 characters and was not added. Try to Import "
    "it instead of Adding it.";
inline constexpr const char* kTrueTypeUnreadable = "%s can't be read as a TrueType font.";
inline constexpr const char* kFontUnreadable = "%s can't be read as a base font. It is skipped.";
// Remove.
inline constexpr const char* kRemoveQuestion =
    "Are you sure you want to remove font %s? If you are not completely sure, leave the "
    "following check box clear and later you may add the deleted font again.";
inline constexpr const char* kRemoveTitle = "Remove Font";
inline constexpr const char* kDeleteFileCheck = "Delete font file from the disk";
inline constexpr const char* kRemoveButton = "&Remove";
inline constexpr const char* kLockedFont = "Subset font %i is locked and can't be removed.";
// Importers and exporters that are not part of this build.
inline constexpr const char* kNotAvailable = "%s files can't be handled by this build of Sorvella.";
inline constexpr const char* kIndexFontNotAvailable =
    "Index fonts can't be made by this build of Sorvella. The new font has no glyphs.";
}  // namespace document_text

// What an operation did: whether it went through, and what it has to tell the user, in order.
struct CommandOutcome {
  bool ok = false;
  std::vector<std::string> messages;
  // What the operation counts: the base fonts added, the characters imported.
  int32_t count = 0;
};

// What opening an index file does when subset font files are missing.
enum class MissingFonts { kAsk, kDelete, kIgnore, kFail };

// A number range for the glyphs of a new index font.
struct IndexRange {
  uint32_t first = 0;
  uint32_t last = 0;
};

// Which subset font commands the page offers.
struct SubsetFontCommandStates {
  bool add = false, newFont = false, lockCheck = false;  // a CID font is loaded
  bool edit = false, exportFont = false;                 // it has subset fonts
  bool remove = false;                                   // the selected font is not locked
};

class Document {
 public:
  explicit Document(DocumentEnvironment environment);
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  CCidFont* font() const { return font_.get(); }
  const std::filesystem::path& folder() const { return folder_; }
  // The binary index file Save writes: the one opened, or the folder's own for a new font.
  const std::filesystem::path& indexFile() const { return indexFile_; }
  CMapCommands& cmaps() { return cmaps_; }
  // The range the chart windows copied last, shared by all of them.
  ChartClipboard& chartClipboard() { return chartClipboard_; }

  // Save prompts: false when the user cancelled. mayExit runs both, the CID font's first.
  bool savePrompt();
  bool cmapSavePrompt();
  bool mayExit();
  // The glyph editor's font, when modified: asks whether to write it first, then writes it.
  // False only when it could not be written.
  bool saveEditedFont();

  // Operations: each takes what it needs as arguments, asks nothing, and returns its outcome
  // with its messages. The batch tool calls them directly, the commands below after their
  // dialogs.
  //
  // A new, empty CID font in `folder`, which is created; an existing folder is used only with
  // `useExisting`.
  CommandOutcome newFont(const std::filesystem::path& folder, bool useExisting);
  CommandOutcome openFont(const std::filesystem::path& indexFile, MissingFonts missing);
  // Writes the index file (after `folder` was renamed, the one that was opened).
  CommandOutcome saveFont();
  // A CIDFont file as a new CID font in `folder` (see newFont); its index file is saved.
  CommandOutcome importCidFont(const std::filesystem::path& file,
                               const std::filesystem::path& folder, bool useExisting);
  // A TrueType font as a new CID font in `folder` (see newFont), named `fontName` (empty: the
  // name the font gives itself); its index file is saved, and its CMap, saved beside it under
  // the file's name with ".cmp", becomes the current CMap.
  CommandOutcome importTrueTypeFont(const std::filesystem::path& file,
                                    const std::filesystem::path& folder, bool useExisting,
                                    const std::string& fontName = {});
  // A text index file arranges the open CID font.
  CommandOutcome importTextIndex(const std::filesystem::path& file);
  // A CIDFont (.cid) or text index (.sci) file.
  CommandOutcome exportTo(const std::filesystem::path& file);
  // Whether a TrueType font of more than 1000 glyphs is added all the same.
  using LargeFontDecision = std::function<bool(const std::filesystem::path& file)>;
  // Base fonts in the order given; those that cannot be read are skipped with a message. The
  // count is how many were added; ok when all were.
  CommandOutcome addBaseFonts(std::span<const std::filesystem::path> files,
                              const LargeFontDecision& proceedWithLarge);
  // An empty subset font (the name made fit); with `index`, an index font of those numbers.
  CommandOutcome newSubsetFont(const std::string& name, std::optional<IndexRange> index = {});
  // Locked fonts are not removed. With `deleteFile` its file goes once the index file that
  // no longer names it has been written.
  CommandOutcome removeFont(int32_t font, bool deleteFile);
  // A .pfb (with .afm and .inf) or .vtb file.
  CommandOutcome exportSubsetFontTo(int32_t font, const std::filesystem::path& file);
  // An actions program (cidfont/actions_run.h); the count is the glyphs transformed. Each font
  // file is written whole after its glyphs; the glyph editor's font is changed in memory.
  CommandOutcome runActions(const ActionsRun& run, ActionsRunSummary* summary = nullptr);

  // Commands: dialogs, then the operation; each returns whether it went through (false on
  // cancel or failure) and has told the user what the operation had to say.
  bool New();
  bool Open();
  // Open after its file dialog (recent files, the program's command line).
  bool openIndexFile(const std::filesystem::path& file);
  bool Save();
  bool Import();
  bool Export();
  bool AddBaseFont();
  bool NewSubsetFont();
  bool Remove(int32_t font);
  bool ExportSubsetFont(int32_t font);
  // Asks whether to run the program first.
  bool ApplyActions(const ActionsRun& run);

  // Lock flags.
  void setLocked(int32_t font, bool locked);
  void setAllLocked(bool locked);
  SubsetFontCommandStates commandStates(int32_t selectedFont) const;

  // The add-subset-font operation into the current CID font (place-by-name off).
  int32_t addSubsetFont(SubsetFont& font);
  // Stores the Font Info page in the CID font.
  void applyFontInfoPage();
  // When the CID font was last created, opened or saved, in the clock's seconds.
  int64_t lastSaveTime() const { return lastSaveTime_; }

  // The subset font files written into the folder since the index file was last written,
  // and the folder itself when New made it: the batch tool removes them when a command
  // fails, so that the folder is left as it was.
  void discardUnsavedFiles();
  // A subset font could not be written into the folder since the index file was last written.
  bool folderWriteFailed() const { return folderWriteFailed_; }

 private:
  // Messages go to the outcome of the operation running, or else straight to the user.
  CommandOutcome collect(const std::function<bool(CommandOutcome&)>& operation);
  void tell(const std::string& text);
  bool show(const CommandOutcome& outcome);

  int64_t now() const;
  void changed() const;
  void closeWindows() const;
  void replaceFont(std::unique_ptr<CCidFont> font, std::filesystem::path folder,
                   std::filesystem::path indexFile = {});
  void tellIndexDamage(const BinaryIndexReadResult& read, const std::filesystem::path& file);
  bool checkSubsetFontFiles(MissingFonts missing);
  // Without `report` the caller reports a failure itself.
  bool writeIndex(bool report = true);
  void savedIndex();
  struct ChosenFolder {
    std::filesystem::path path;
    bool created = false;  // rather than an existing folder the user chose to replace
  };
  std::optional<ChosenFolder> chooseFontFolder(const std::string& title, const std::string& text,
                                               const std::string& proposedName);
  std::optional<ChosenFolder> makeFontFolder(const std::filesystem::path& folder, bool useExisting);
  void startFont(const ChosenFolder& folder);
  bool importCidFontInto(const std::filesystem::path& file, const ChosenFolder& folder,
                         int32_t& characters);
  bool importTrueType(const std::filesystem::path& file);
  bool importTrueTypeFontInto(TTImporter& importer, const std::filesystem::path& file,
                              const ChosenFolder& folder, int32_t& characters);
  bool importFailed(const std::filesystem::path& file, const ChosenFolder& folder,
                    const std::vector<std::filesystem::path>& written, const std::string& reason);
  bool notAvailable(const std::filesystem::path& file);
  std::unique_ptr<SubsetFont> readBaseFont(const std::filesystem::path& file,
                                           const LargeFontDecision& proceedWithLarge);
  // Says which glyphs were damaged and left empty.
  std::unique_ptr<SubsetFont> readNativeFontTelling(const std::filesystem::path& file);
  void loadEncodingTable(SubsetFont& font) const;
  bool writeSubsetFontAs(int32_t font, const std::filesystem::path& file);

  DocumentEnvironment env_;
  std::unique_ptr<CCidFont> font_;
  std::filesystem::path folder_;
  std::filesystem::path indexFile_;
  std::vector<std::string>* collected_ = nullptr;
  std::vector<std::filesystem::path> unsavedFiles_;
  // Files of removed subset fonts, deleted once the index file no longer names them.
  std::vector<std::filesystem::path> filesToDelete_;
  std::filesystem::path unsavedFolder_;
  bool folderWriteFailed_ = false;
  int64_t lastSaveTime_ = 0;
  CMapCommands cmaps_;
  ChartClipboard chartClipboard_;
};

}  // namespace sorvella
