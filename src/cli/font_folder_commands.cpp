// new, import, import-index, info and export: the CID font as a whole.
#include <algorithm>
#include <cctype>
#include <memory>
#include <ostream>

#include "base/text_format.h"
#include "base/path_helpers.h"
#include "cidfont/cid_font_messages.h"
#include "cidfont/font_folder.h"
#include "cidfont/font_info_fields.h"
#include "cli/document_session.h"
#include "cli/dump_command.h"
#include "cli/subcommand.h"
#include "cli/truetype_commands.h"

namespace sorvella::cli {

namespace fs = std::filesystem;

namespace {

struct FolderArguments {
  fs::path folder;
  fs::path source;
  bool replace = false;
};

void addNew(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<FolderArguments>();
  CLI::App* command = app.add_subcommand("new", "Create an empty CID font in a new font folder");
  command->add_option("FOLDER", args->folder, "The font folder to create")->required();
  command->add_flag("--replace", args->replace, "Use the folder when it already exists");
  commands.push_back({command, [args](std::ostream&, std::ostream& err) {
                        DocumentSession session(err);
                        if (args->replace) session.prompts().prefer(font_folder_text::kReplace);
                        session.folders().answer(args->folder);
                        return session.document().New() && session.save() ? 0 : 1;
                      }});
}

void addImport(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<FolderArguments>();
  auto missing = std::make_shared<OpenOptions>();
  CLI::App* command = app.add_subcommand(
      "import",
      "Import a CIDFont or TrueType file into a new font folder, or a text index file into one");
  command->add_option("SOURCE", args->source, "The .cid, .ttf or .sci file")->required();
  command->add_option("FOLDER", args->folder, "The font folder")->required();
  command->add_flag("--replace", args->replace, "Use the folder when it already exists");
  command->add_option("--missing", missing->missing, "For .sci: delete or ignore missing fonts")
      ->check(CLI::IsMember({"delete", "ignore"}));
  commands.push_back({command, [args, missing](std::ostream&, std::ostream& err) {
                        std::string ext = lowerExtension(args->source);
                        if (ext != ".cid" && ext != ".sci" && ext != ".ttf") {
                          err << formatText(kUnknownKindMessage, args->source.c_str()) << '\n';
                          return 2;
                        }
                        if (ext == ".ttf")
                          return importTrueTypeFontInto(args->source, args->folder, args->replace,
                                                        err);
                        DocumentSession session(err);
                        if (ext == ".sci") {
                          // A text index arranges the CID font already in the folder.
                          if (!session.open(binaryIndexPath(args->folder), *missing)) return 1;
                          session.files().answer(args->source);
                          return session.document().Import() && session.save() ? 0 : 1;
                        }
                        if (args->replace) session.prompts().prefer(font_folder_text::kReplace);
                        session.files().answer(args->source);
                        session.folders().answer(args->folder);
                        return session.document().Import() ? 0 : 1;
                      }});
}

struct IndexArguments {
  fs::path index;
  OpenOptions open;
  fs::path file;
};

void addImportIndex(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<IndexArguments>();
  CLI::App* command =
      app.add_subcommand("import-index", "Arrange the CID font as a text index file says");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("FILE", args->file, "The text index file (.sci)")->required();
  commands.push_back({command, [args](std::ostream&, std::ostream& err) {
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        session.files().answer(args->file);
                        return session.document().Import() && session.save() ? 0 : 1;
                      }});
}

void addInfo(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<IndexArguments>();
  CLI::App* command = app.add_subcommand("info", "Describe the CID font and its subset fonts");
  addOpenOptions(*command, args->index, args->open);
  commands.push_back({command, [args](std::ostream& out, std::ostream& err) {
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        const CCidFont& font = session.font();
                        out << fontInfoLegend(&font) << '\n';
                        for (int32_t f = 0; f < font.subsetFontCount(); ++f) {
                          fs::path file = SubsetFontFilePath(session.document().folder(),
                                                             font.subsetFont(f).fileStem());
                          out << subsetFontText(font, f, file.string()) << '\n';
                        }
                        return 0;
                      }});
}

void addExport(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<IndexArguments>();
  CLI::App* command = app.add_subcommand("export", "Write the CID font as a .cid or .sci file");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("OUT", args->file, "The file to write (.cid or .sci)")->required();
  commands.push_back({command, [args](std::ostream&, std::ostream& err) {
                        std::string ext = lowerExtension(args->file);
                        if (ext != ".cid" && ext != ".sci") {
                          err << formatText(kUnknownKindMessage, args->file.c_str()) << '\n';
                          return 2;
                        }
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        session.files().answer(args->file);
                        return session.document().Export() ? 0 : 1;
                      }});
}

}  // namespace

void addFontFolderCommands(CLI::App& app, std::vector<Subcommand>& commands) {
  addNew(app, commands);
  addImport(app, commands);
  addImportIndex(app, commands);
  addInfo(app, commands);
  addExport(app, commands);
}

}  // namespace sorvella::cli
