// template build: a chart template built from the CID font of an index file.
#include <memory>
#include <ostream>

#include "base/text_format.h"
#include "charts/template_build.h"
#include "cli/document_session.h"
#include "cli/subcommand.h"

namespace sorvella::cli {

namespace {

inline constexpr const char* kWroteTemplate = "Wrote %s: %u images of %ux%u pixels.";

struct Arguments {
  std::filesystem::path index;
  OpenOptions open;
  std::filesystem::path output;
  std::string ordering;
  uint32_t supplement = 0;
  uint32_t cell = 24;
};

}  // namespace

void addTemplateCommand(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<Arguments>();
  CLI::App* group = app.add_subcommand("template", "Chart templates");
  group->require_subcommand(1);
  CLI::App* command =
      group->add_subcommand("build", "Build a chart template from the CID font's characters");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("OUT", args->output, "The template file (.ctp) to write")->required();
  command->add_option("--ordering", args->ordering,
                      "The ordering the template is for (default: the CID font's)");
  command->add_option("--supplement", args->supplement, "The supplement number")
      ->capture_default_str();
  command->add_option("--cell", args->cell, "Image size in pixels")
      ->capture_default_str()
      ->check(CLI::IsMember({16, 24, 32}));
  commands.push_back(
      {command, [args](std::ostream& out, std::ostream& err) {
         DocumentSession session(err);
         if (!session.open(args->index, args->open)) return 1;
         TemplateBuildRequest request;
         request.ordering =
             args->ordering.empty() ? session.font().info().ordering() : args->ordering;
         request.supplement = args->supplement;
         request.cellSize = args->cell;
         request.fitAscender = session.options().fitAscender;
         request.fitDescender = session.options().fitDescender;
         TemplateBuildResult result =
             BuildTemplate(session.font(), session.document().folder(), request);
         if (!result.unreadableFonts.empty()) {
           std::string files;
           for (const std::string& f : result.unreadableFonts)
             files += (files.empty() ? "" : ", ") + f;
           err << formatText(template_build_text::kUnreadableFonts, files.c_str()) << '\n';
           return 1;
         }
         std::filesystem::path file = args->output;
         file.replace_extension(template_text::kExtension);
         if (!result.chartTemplate || !WriteTemplate(*result.chartTemplate, file)) {
           err << formatText(template_build_text::kNotWritten, file.string().c_str()) << '\n';
           return 1;
         }
         out << formatText(kWroteTemplate, file.string().c_str(), result.chartTemplate->count(),
                           request.cellSize, request.cellSize)
             << '\n';
         return 0;
       }});
}

}  // namespace sorvella::cli
