// new, import, import-index, info and export: the CID font as a whole.
#include <algorithm>
#include <cctype>
#include <memory>
#include <ostream>

#include "base/path_helpers.h"
#include "base/text_format.h"
#include "cidfont/cid_font_messages.h"
#include "cidfont/font_folder.h"
#include "cidfont/font_info_fields.h"
#include "cli/document_session.h"
#include "cli/dump_command.h"
#include "cli/subcommand.h"

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
  commands.push_back(
      {command, [args](std::ostream& out, std::ostream& err) {
         DocumentSession session(err);
         if (!session.report(session.document().newFont(args->folder, args->replace))) return 1;
         return session.commit(out);
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
  commands.push_back({command, [args, missing](std::ostream& out, std::ostream& err) {
                        std::string ext = lowerExtension(args->source);
                        if (ext != ".cid" && ext != ".sci" && ext != ".ttf") {
                          err << formatText(kUnknownKindMessage, args->source.c_str()) << '\n';
                          return 2;
                        }
                        DocumentSession session(err);
                        if (ext == ".sci") {
                          // A text index arranges the CID font already in the folder.
                          if (!session.open(binaryIndexPath(args->folder), *missing)) return 1;
                          if (!session.report(session.document().importTextIndex(args->source)))
                            return 1;
                          return session.commit(out);
                        }
                        // A failed import takes away what it created itself.
                        Document& document = session.document();
                        if (!session.report(
                                ext == ".ttf"
                                    ? document.importTrueTypeFont(args->source, args->folder,
                                                                  args->replace)
                                    : document.importCidFont(args->source, args->folder,
                                                             args->replace)))
                          return 1;
                        session.reportSaved(out);
                        return 0;
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
  commands.push_back({command, [args](std::ostream& out, std::ostream& err) {
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        if (!session.report(session.document().importTextIndex(args->file)))
                          return 1;
                        return session.commit(out);
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
  commands.push_back({command, [args](std::ostream& out, std::ostream& err) {
                        std::string ext = lowerExtension(args->file);
                        if (ext != ".cid" && ext != ".sci") {
                          err << formatText(kUnknownKindMessage, args->file.c_str()) << '\n';
                          return 2;
                        }
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        if (!session.report(session.document().exportTo(args->file))) return 1;
                        const CCidFont& font = session.font();
                        out << formatText(kWroteCidFont, args->file.string().c_str(),
                                          font.characterCount(), placedCharacters(font))
                            << '\n';
                        return 0;
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
