// What the document commands need from around them: the user's dialogs, the settings, and the
// importers and exporters that other parts of the program (or the batch tool) plug in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"
#include "cidfont/cid_font_import.h"
#include "cidfont/font_info_fields.h"
#include "cidfont/settings.h"
#include "glyph/subset_font.h"
#include "platform/busy_indicator.h"
#include "platform/file_dialogs.h"
#include "platform/folder_dialog.h"
#include "platform/input_dialogs.h"
#include "platform/profile.h"
#include "platform/progress_callback.h"
#include "platform/prompts.h"

namespace sorvella {

struct CidFontExport {
  bool written = false;
  // Placed characters whose glyphs could not be read, and the files that could not be.
  int32_t charactersLeftOut = 0;
  std::vector<std::filesystem::path> unreadableFiles;
};

struct Type1Export {
  bool fontWritten = false;
  bool metricsWritten = false;  // the AFM and INF files beside it
};

// Importers and exporters of other parts; an empty hook makes its file kind "not available".
struct DocumentHooks {
  // A CIDFont resource file: the header into a new CID font, every finished subset font
  // through `add`, in order. After a cancel the fonts handed over before make the font.
  std::function<CidFontImport(const std::filesystem::path& file, const AddSubsetFontCallback& add,
                              const ProgressCallback& progress)>
      importCidFont;
  // A Type 1 font file as one subset font, or none.
  std::function<std::unique_ptr<SubsetFont>(const std::filesystem::path& file,
                                            const ProgressCallback& progress)>
      readType1Font;
  // A TrueType font as one subset font: 0 on success, 2 when it has more than 1000 glyphs and
  // `refuseLarge` is set, another value on failure.
  std::function<int(const std::filesystem::path& file, SubsetFont& font, bool refuseLarge,
                    const ProgressCallback& progress)>
      readTrueTypeFont;
  // The CID font as a CIDFont resource file.
  std::function<CidFontExport(const std::filesystem::path& file, const CCidFont& font,
                              const std::filesystem::path& folder,
                              const ProgressCallback& progress)>
      exportCidFont;
  // A subset font as a Type 1 font with its metrics files.
  std::function<Type1Export(const std::filesystem::path& file, SubsetFont& font,
                            const ProgressCallback& progress)>
      exportType1Font;
  // Gives a font that carries an encoding number but no table (a new font, or one from a
  // file without its encoding) the table of that number.
  std::function<void(SubsetFont& font)> loadEncodingTable;
  // Fills an index font with one glyph per index from `first` to `last`, each showing its
  // number in digits of the system's Arial font. Returns the message for the user when it
  // could not, empty when it did.
  std::function<std::string(SubsetFont& font, uint32_t first, uint32_t last)> makeIndexGlyphs;
};

// The subset font the glyph editor holds, which Save offers to write first.
struct EditedSubsetFont {
  SubsetFont* font = nullptr;
  std::filesystem::path path;
  bool modified = false;
};

struct DocumentEnvironment {
  DocumentEnvironment(Prompts& prompts, FileDialogs& fileDialogs, FontFolderDialog& folderDialog,
                      InputDialogs& inputs, BusyIndicator& busy, Profile& profile,
                      const Options& options)
      : prompts(prompts),
        fileDialogs(fileDialogs),
        folderDialog(folderDialog),
        inputs(inputs),
        busy(busy),
        profile(profile),
        options(options) {}

  Prompts& prompts;
  FileDialogs& fileDialogs;
  FontFolderDialog& folderDialog;
  InputDialogs& inputs;
  BusyIndicator& busy;
  Profile& profile;
  const Options& options;
  // The program's own file; its folder holds "Samples".
  std::filesystem::path programFile;
  DocumentHooks hooks;

  // Seconds of a steady clock; empty: the system's.
  std::function<int64_t()> clock;
  // Whether Ctrl and Shift are both held down (asks for an index font).
  std::function<bool()> indexFontKeysHeld;
  // The " Font Info " page as the user left it; empty or none: nothing to apply.
  std::function<std::optional<FontInfoFields>()> fontInfoPage;
  // The glyph editor's font, or null.
  std::function<EditedSubsetFont*()> editedFont;
  // Windows of the old CID font close before it goes; those of one subset font before it is
  // removed.
  std::function<void()> closeWindows;
  std::function<void(int32_t font)> closeFontWindows;
  // After every change of the CID font, to refresh the pages and charts.
  std::function<void()> changed;
};

}  // namespace sorvella
