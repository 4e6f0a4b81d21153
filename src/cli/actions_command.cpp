// actions: an actions program, written as "ACTION; ACTION; ...", run over the glyphs of one
// subset font or of all; prints each action's summary, then what the run did.
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_format.h"
#include "cidfont/actions_run.h"
#include "cli/document_session.h"
#include "cli/subcommand.h"

namespace sorvella::cli {

namespace {

inline constexpr const char* kTransformed = "%i glyphs transformed.";
inline constexpr const char* kBadAction = "The action \"%s\" can't be read: %s";
inline constexpr const char* kUnknownWord = "there is no action of that name.";
inline constexpr const char* kWrongCount = "it takes %i numbers.";
inline constexpr const char* kBadNumber = "%s is not a number.";
inline constexpr const char* kBadFlag = "%s is not one of %s.";
inline constexpr const char* kTooLong = "A program holds at most %i actions.";
inline constexpr const char* kEmptyProgram = "The program holds no action.";

// One word per kind, in kind order.
constexpr const char* kWords[kActionKindCount] = {
    "shift",          "scale",        "rotate", "slant",  "autohint", "remove-hints",
    "remove-overlap", "sidebearings", "width",  "weight", "outline"};

struct Arguments {
  std::filesystem::path index;
  OpenOptions open;
  std::string font;
  std::string program;
};

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> list;
  for (std::string w; in >> w;) list.push_back(w);
  return list;
}

std::optional<double> number(const std::string& text) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0' || !std::isfinite(v)) return std::nullopt;
  return v;
}

// The action, or the reason it can't be read.
std::optional<GlyphAction> parseAction(const std::vector<std::string>& w, std::string& why) {
  int kind = 0;
  while (kind < kActionKindCount && w[0] != kWords[kind]) ++kind;
  if (kind == kActionKindCount) {
    why = kUnknownWord;
    return std::nullopt;
  }
  GlyphAction action = GlyphAction::make(static_cast<ActionKind>(kind));
  const uint8_t mask = actionKindInfo(action.kind).mask;
  std::vector<int> fields;
  for (int f = 0; f < 3; ++f)
    if (mask & (1u << f)) fields.push_back(f);
  std::size_t next = 1;
  for (int f : fields) {
    if (next >= w.size()) break;
    std::optional<double> v = number(w[next]);
    if (!v) {
      why = formatText(kBadNumber, w[next].c_str());
      return std::nullopt;
    }
    action.setField(f, *v);
    ++next;
  }
  if (next != fields.size() + 1) {
    why = formatText(kWrongCount, static_cast<int>(fields.size()));
    return std::nullopt;
  }
  const bool offset =
      action.kind == ActionKind::kChangeWeight || action.kind == ActionKind::kCreateOutline;
  if (action.kind == ActionKind::kRemoveHints && next < w.size()) {
    const std::string& which = w[next++];
    if (which != "v" && which != "h" && which != "vh") {
      why = formatText(kBadFlag, which.c_str(), "v, h, vh");
      return std::nullopt;
    }
    action.checks = {which != "h", which != "v"};
  } else if (offset) {
    // "D" or "-" for save dimensions, then "R" or "-" for rounded corners.
    for (int box = 0; box < 2 && next < w.size(); ++box, ++next) {
      const char* on = box == 0 ? "D" : "R";
      if (w[next] != on && w[next] != "-") {
        why = formatText(kBadFlag, w[next].c_str(), box == 0 ? "D, -" : "R, -");
        return std::nullopt;
      }
      action.checks[static_cast<std::size_t>(box)] = w[next] == on;
    }
  }
  if (next != w.size()) {
    why = formatText(kWrongCount, static_cast<int>(fields.size()));
    return std::nullopt;
  }
  return action;
}

std::optional<std::vector<GlyphAction>> parseProgram(const std::string& text, std::ostream& err) {
  std::vector<GlyphAction> program;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, ';');) {
    const std::vector<std::string> w = words(part);
    if (w.empty()) continue;
    std::string why;
    std::optional<GlyphAction> action = parseAction(w, why);
    if (!action) {
      err << formatText(kBadAction, part.c_str(), why.c_str()) << '\n';
      return std::nullopt;
    }
    program.push_back(*action);
  }
  if (program.empty()) {
    err << kEmptyProgram << '\n';
    return std::nullopt;
  }
  if (program.size() > static_cast<std::size_t>(ActionsProgram::kMaxActions)) {
    err << formatText(kTooLong, ActionsProgram::kMaxActions) << '\n';
    return std::nullopt;
  }
  return program;
}

}  // namespace

void addActionsCommand(CLI::App& app, std::vector<Subcommand>& commands) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command = app.add_subcommand(
      "actions", "Run an actions program over every glyph of a subset font, or of all");
  addOpenOptions(*command, args->index, args->open);
  command->add_option("N", args->font, "The subset font's number, from 1, or all")->required();
  command
      ->add_option("--program", args->program,
                   "Actions separated by \";\": shift DX DY, scale SX SY, rotate ANGLE CX CY, "
                   "slant ANGLE BASE, autohint, remove-hints [v|h|vh], remove-overlap, "
                   "sidebearings L R, width W, weight H V [D|-] [R|-], outline H V [D|-] [R|-]")
      ->required();
  commands.push_back({command, [args](std::ostream& out, std::ostream& err) {
                        std::optional<std::vector<GlyphAction>> program =
                            parseProgram(args->program, err);
                        if (!program) return 2;
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        std::optional<int32_t> font = session.fontNumber(args->font, true);
                        if (!font) return 1;
                        for (const GlyphAction& action : *program) out << action.summary() << '\n';
                        ActionsRun run;
                        run.program = std::move(*program);
                        run.target =
                            *font < 0 ? ActionsTarget::kCidFont : ActionsTarget::kSubsetFont;
                        run.font = std::max(*font, 0);
                        const CommandOutcome outcome = session.document().runActions(run);
                        out << formatText(kTransformed, outcome.count) << '\n';
                        const bool ok = session.report(outcome);
                        const int saved = outcome.count > 0 ? session.commit(out) : 0;
                        return ok ? saved : 1;
                      }});
}

}  // namespace sorvella::cli
