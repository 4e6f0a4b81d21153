#include "cli/truetype_commands.h"

#include <ostream>

#include "base/text_format.h"
#include "cidfont/autohint_settings.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/index_font.h"
#include "cidfont/new_subset_font.h"
#include "cidfont/truetype_font_import.h"

namespace sorvella::cli {

namespace fs = std::filesystem;

int importTrueTypeFontInto(const fs::path& source, const fs::path& folder, bool replace,
                           std::ostream& err) {
  // The batch tool keeps no settings: the options' defaults apply.
  const Options options;
  TTImporter importer(autohintParameters(options));
  // Nothing is created for a file that is no TrueType font.
  if (!importer.Open(source)) {
    err << formatText(document_text::kTrueTypeUnreadable, source.string().c_str()) << '\n';
    return 1;
  }
  const fs::path target = fs::absolute(folder);
  FolderCreation creation = createFontFolder(target.parent_path(), target.filename().string());
  const bool usable = creation.outcome == FolderOutcome::kCreated ||
                      (creation.outcome == FolderOutcome::kExistingFolder && replace);
  if (!usable) {
    err << folderCreationMessage(creation) << '\n';
    return 1;
  }
  importer.Name();
  TrueTypeImportOutcome outcome;
  {
    TerminalBusyIndicator busy(err);
    ProgressBox progress(busy, truetype_font_import_text::kProgressTitle, {});
    outcome = importTrueTypeFont(importer, source, creation.folder, options, progress.callback());
  }
  for (const std::string& message : outcome.messages) err << message << '\n';
  return outcome.status == TrueTypeImportStatus::kImported ? 0 : 1;
}

int addIndexFont(DocumentSession& session, const std::string& name, uint32_t first, uint32_t last) {
  std::unique_ptr<SubsetFont> font = makeEmptySubsetFont(newSubsetFontName(name));
  IndexFontMaker maker(cliSystemFonts());
  std::string message = maker.fill(*font, first, last);
  if (!message.empty()) {
    session.err() << message << '\n';
    return 1;
  }
  if (session.document().addSubsetFont(*font) < 0) return 1;
  return session.save() ? 0 : 1;
}

}  // namespace sorvella::cli
