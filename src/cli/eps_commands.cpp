// eps-export and eps-import: one glyph of a subset font written as an EPS file, or an EPS
// file's paths added to it (the font file and the glyph's thumbnails are written back).
#include <memory>
#include <ostream>

#include "base/text_format.h"
#include "cidfont/font_folder.h"
#include "cidfont/thumbnail.h"
#include "cli/document_session.h"
#include "cli/subcommand.h"
#include "glyph/native_font_file.h"
#include "postscript/eps_exchange.h"

namespace sorvella::cli {

namespace {

constexpr const char* kNoSuchGlyph = "There is no glyph %i in subset font %s.";
constexpr const char* kNoOutline = "Glyph %i has no outline, so no EPS file was written.";
constexpr const char* kWroteEps = "Wrote %s.";
constexpr const char* kAddedNodes = "Added %i nodes to glyph %i.";

struct Arguments {
  std::filesystem::path index;
  OpenOptions open;
  std::string font;
  int32_t glyph = 0;
  std::filesystem::path eps;
};

struct LoadedGlyph {
  std::filesystem::path file;
  std::unique_ptr<SubsetFont> font;
  Glyph* glyph = nullptr;
};

std::optional<LoadedGlyph> loadGlyph(DocumentSession& session, const Arguments& args,
                                     int32_t& fontNumber) {
  std::optional<int32_t> font = session.fontNumber(args.font, false);
  if (!font) return std::nullopt;
  fontNumber = *font;
  LoadedGlyph loaded;
  loaded.file =
      SubsetFontFilePath(session.document().folder(), session.font().subsetFont(*font).fileStem());
  loaded.font = ReadNativeFont(loaded.file);
  if (!loaded.font) {
    session.err() << formatText(document_text::kSubsetFontUnreadable, loaded.file.string().c_str())
                  << '\n';
    return std::nullopt;
  }
  loaded.glyph = loaded.font->glyph(args.glyph);
  if (!loaded.glyph) {
    session.err() << formatText(kNoSuchGlyph, args.glyph, args.font.c_str()) << '\n';
    return std::nullopt;
  }
  return loaded;
}

void addArguments(CLI::App& command, Arguments& args, const char* epsHelp) {
  addOpenOptions(command, args.index, args.open);
  command.add_option("N", args.font, "The subset font's number, from 1")->required();
  command.add_option("GLYPH", args.glyph, "The glyph's number in that font, from 0")->required();
  command.add_option("EPS", args.eps, epsHelp)->required();
}

}  // namespace

void addEpsCommands(CLI::App& app, std::vector<Subcommand>& commands) {
  auto exportArgs = std::make_shared<Arguments>();
  CLI::App* exporter = app.add_subcommand("eps-export", eps_text::kSavePrompt);
  addArguments(*exporter, *exportArgs, "The EPS file to write");
  commands.push_back(
      {exporter, [args = exportArgs](std::ostream& out, std::ostream& err) {
         DocumentSession session(err);
         if (!session.open(args->index, args->open)) return 1;
         int32_t font = 0;
         std::optional<LoadedGlyph> loaded = loadGlyph(session, *args, font);
         if (!loaded) return 1;
         if (loaded->glyph->empty()) {
           err << formatText(kNoOutline, args->glyph) << '\n';
           return 1;
         }
         if (!ExportEps(args->eps, *loaded->glyph, 0)) {
           err << formatText(document_text::kFileNotWritten, args->eps.string().c_str()) << '\n';
           return 1;
         }
         out << formatText(kWroteEps, args->eps.string().c_str()) << '\n';
         return 0;
       }});

  auto importArgs = std::make_shared<Arguments>();
  CLI::App* importer = app.add_subcommand("eps-import", eps_text::kOpenPrompt);
  addArguments(*importer, *importArgs, "The EPS file to read");
  commands.push_back(
      {importer, [args = importArgs](std::ostream& out, std::ostream& err) {
         DocumentSession session(err);
         if (!session.open(args->index, args->open)) return 1;
         int32_t font = 0;
         std::optional<LoadedGlyph> loaded = loadGlyph(session, *args, font);
         if (!loaded) return 1;
         EpsImport read = ImportEps(args->eps, loaded->glyph->masterCount());
         if (!read.glyph) {
           err << eps_text::kCannotImport << '\n';
           return 1;
         }
         const int added = read.glyph->nodeCount();
         if (!appendImportedNodes(*loaded->glyph, *read.glyph)) {
           err << eps_text::kCannotImport << '\n';
           return 1;
         }
         loaded->glyph->trueTypeData().reset();
         if (!WriteNativeFont(loaded->file, *loaded->font, native_font_flag::kFullInfo)) {
           err << formatText(document_text::kFileNotWritten, loaded->file.string().c_str()) << '\n';
           return 1;
         }
         CCidFont& cidFont = session.font();
         for (int32_t c = 0; c < cidFont.characterCount(); ++c) {
           const CharacterRecord& r = cidFont.record(c);
           if (r.font != font || r.glyph != args->glyph) continue;
           cidFont.mutableRecord(c)->thumbnail = makeThumbnail(
               *loaded->glyph, session.options().fitAscender, session.options().fitDescender);
         }
         cidFont.setModified(true);
         out << formatText(kAddedNodes, added, args->glyph) << '\n';
         return session.commit(out);
       }});
}

}  // namespace sorvella::cli
