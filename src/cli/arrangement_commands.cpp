// copy, move, swap, clear, place and compact: where the characters stand.
#include <algorithm>
#include <charconv>
#include <memory>
#include <ostream>

#include "base/text_format.h"
#include "cidfont/cid_font_messages.h"
#include "cli/document_session.h"
#include "cli/subcommand.h"

namespace sorvella::cli {

namespace fs = std::filesystem;

namespace {

struct Arguments {
  fs::path index;
  OpenOptions open;
  int32_t first = 0, last = 0, target = 0;
};

// False when the font refused the change (a CID beyond its reach).
using Action = bool (*)(CCidFont& font, const Arguments& args);
// How many characters of locked subset fonts the action leaves where they are.
using LockedCount = int64_t (*)(const CCidFont& font, const Arguments& args);

bool lockedAt(const CCidFont& font, int64_t cid) {
  return cid >= 0 && cid <= font.rangeTop() &&
         font.IsLocked(font.CharacterAt(static_cast<int32_t>(cid)));
}

// Only CIDs up to the range top can hold characters, so far-off ranges cost nothing.
int64_t lockedInRange(const CCidFont& font, int64_t first, int64_t last) {
  int64_t count = 0;
  for (int64_t cid = std::max<int64_t>(first, 0); cid <= std::min<int64_t>(last, font.rangeTop());
       ++cid)
    count += lockedAt(font, cid) ? 1 : 0;
  return count;
}

// A move leaves a pair alone when either end holds a locked character.
int64_t lockedInMove(const CCidFont& font, const Arguments& a) {
  if (a.target == a.first || a.last < a.first) return 0;
  const int64_t pairs = std::min<int64_t>(int64_t{a.last} - a.first,
                                          int64_t{font.rangeTop()} - std::min(a.first, a.target));
  int64_t count = 0;
  for (int64_t k = 0; k <= pairs; ++k)
    count += lockedAt(font, int64_t{a.first} + k) || lockedAt(font, int64_t{a.target} + k) ? 1 : 0;
  return count;
}

// A CID argument: digits only, read as a sentence says when they are not.
CLI::Validator cidArgument() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        int32_t value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || text[0] == '-' || text[0] == '+' || error != std::errc() ||
            end != text.data() + text.size())
          return formatText(kNotACid, text.c_str());
        return {};
      },
      "CID");
}

void addArrangement(CLI::App& app, std::vector<Subcommand>& commands, const char* name,
                    const char* description, int numbers, Action action,
                    LockedCount locked = nullptr) {
  auto args = std::make_shared<Arguments>();
  CLI::App* command = app.add_subcommand(name, description);
  addOpenOptions(*command, args->index, args->open);
  const CLI::Validator nonNegative = cidArgument();
  if (numbers >= 2) {
    command->add_option("FIRST", args->first, "The first of the range")
        ->required()
        ->check(nonNegative);
    command->add_option("LAST", args->last, "The last of the range")
        ->required()
        ->check(nonNegative);
  }
  if (numbers == 3)
    command->add_option("TARGET", args->target, "The CID the range goes to")
        ->required()
        ->check(nonNegative);
  commands.push_back({command, [args, action, locked](std::ostream& out, std::ostream& err) {
                        DocumentSession session(err);
                        if (!session.open(args->index, args->open)) return 1;
                        const int64_t skipped = locked ? locked(session.font(), *args) : 0;
                        if (!action(session.font(), *args)) {
                          err << cid_font_text::kCidBeyondLimit << '\n';
                          return 1;
                        }
                        session.font().setModified(true);
                        const int status = session.commit(out);
                        if (status == 0 && skipped > 0)
                          out << formatText(kLockedLeft, static_cast<long long>(skipped)) << '\n';
                        return status;
                      }});
}

}  // namespace

void addArrangementCommands(CLI::App& app, std::vector<Subcommand>& commands) {
  addArrangement(
      app, commands, "copy", "Copy the characters of CIDs FIRST..LAST to TARGET", 3,
      [](CCidFont& f, const Arguments& a) { return f.CopyRange(a.first, a.last, a.target); });
  addArrangement(
      app, commands, "move", "Move the characters of CIDs FIRST..LAST to TARGET", 3,
      [](CCidFont& f, const Arguments& a) { return f.MoveRange(a.first, a.last, a.target); },
      lockedInMove);
  addArrangement(
      app, commands, "swap", "Exchange CIDs FIRST..LAST with those from TARGET", 3,
      [](CCidFont& f, const Arguments& a) { return f.SwapRange(a.first, a.last, a.target); });
  addArrangement(
      app, commands, "clear", "Clear CIDs FIRST..LAST", 2,
      [](CCidFont& f, const Arguments& a) {
        f.ClearRange(a.first, a.last);
        return true;
      },
      [](const CCidFont& f, const Arguments& a) { return lockedInRange(f, a.first, a.last); });
  addArrangement(
      app, commands, "place",
      "Place the unplaced characters at positions FIRST..LAST (from 0) from CID TARGET on", 3,
      [](CCidFont& f, const Arguments& a) { return f.PlaceUnplaced(a.first, a.last, a.target); });
  // The range top is not stored: it follows the placed characters whenever a font is
  // opened, so the batch tool has no "expand".
  addArrangement(app, commands, "compact", "Drop the empty CIDs at the end of the CID range", 0,
                 [](CCidFont& f, const Arguments&) {
                   f.Compact();
                   return true;
                 });
}

}  // namespace sorvella::cli
