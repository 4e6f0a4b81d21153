// Document::runActions and ApplyActions: each subset font concerned is loaded (or taken from
// the glyph editor), its glyphs get the program in order, and its file is written whole.
#include "cidfont/actions_run.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <system_error>

#include "base/text_format.h"
#include "cidfont/autohint_settings.h"
#include "cidfont/document.h"
#include "cidfont/font_folder.h"
#include "cidfont/thumbnail.h"
#include "glyph/native_font_file.h"

namespace sorvella {

namespace fs = std::filesystem;

namespace {

bool samePath(const fs::path& a, const fs::path& b) {
  std::error_code error;
  if (fs::equivalent(a, b, error)) return true;
  return a.lexically_normal() == b.lexically_normal();
}

// "3, 7, 12" of the glyphs in `list` that belong to `font`, by kind when `kind` is given.
std::string slotList(const std::vector<ActionGlyph>& list, int32_t font,
                     const ActionKind* kind = nullptr) {
  std::string text;
  for (const ActionGlyph& g : list) {
    if (g.font != font || (kind && g.kind != *kind)) continue;
    if (!text.empty()) text += ", ";
    text += std::to_string(g.slot);
  }
  return text;
}

void tellFontResults(const ActionsRunSummary& summary, int32_t font,
                     std::vector<std::string>& messages) {
  for (int k = 0; k < kActionKindCount; ++k) {
    const ActionKind kind = static_cast<ActionKind>(k);
    const std::string slots = slotList(summary.failed, font, &kind);
    if (!slots.empty())
      messages.push_back(formatText(actions_run_text::kFontFailed, font + 1,
                                    actionKindInfo(kind).name, slots.c_str()));
  }
  const std::string raw = slotList(summary.rawOffset, font);
  if (!raw.empty())
    messages.push_back(formatText(actions_run_text::kFontRawOffset, font + 1, raw.c_str()));
}

}  // namespace

CommandOutcome Document::runActions(const ActionsRun& run, ActionsRunSummary* summaryOut) {
  ActionsRunSummary summary;
  CommandOutcome outcome = collect([&](CommandOutcome& out) {
    if (!font_) return false;
    const bool whole = run.target == ActionsTarget::kCidFont;
    if (!whole && (run.font < 0 || run.font >= font_->subsetFontCount())) return false;
    const int32_t first = whole ? 0 : run.font;
    const int32_t last = whole ? font_->subsetFontCount() - 1 : run.font;
    const bool everyGlyph = whole || run.target == ActionsTarget::kSubsetFont;
    int64_t total = 0;
    for (int32_t f = first; f <= last; ++f)
      total += everyGlyph ? font_->subsetFont(f).characterCount
                          : static_cast<int64_t>(run.glyphs.size());

    ActionSettings settings{autohintParameters(env_.options), env_.options.overlapMode};
    ProgressBox progress(env_.busy, actions_text::kProgressTitle, actions_text::kProgressCaption);
    const ProgressCallback& report = progress.callback();
    if (report) report(kProgressRange, 0, total);
    int64_t done = 0;
    bool ok = true;
    EditedSubsetFont* edited = env_.editedFont ? env_.editedFont() : nullptr;

    for (int32_t f = first; f <= last && !summary.cancelled; ++f) {
      const fs::path file = SubsetFontFilePath(folder_, font_->subsetFont(f).fileStem());
      const bool inEditor = edited && edited->font && samePath(edited->path, file);
      std::unique_ptr<SubsetFont> loaded;
      SubsetFont* subset = inEditor ? edited->font : nullptr;
      if (!subset) {
        loaded = ReadNativeFont(file);
        if (!loaded) {
          tell(formatText(document_text::kSubsetFontUnreadable, file.string().c_str()));
          ok = false;
          continue;
        }
        subset = loaded.get();
      }
      const int master = std::clamp(run.master, 0, std::max(0, subset->masterCount() - 1));
      std::vector<PreparedAction> prepared;
      for (const GlyphAction& action : run.program)
        prepared.push_back(prepareAction(action, *subset, master, settings));

      std::vector<int32_t> slots = run.glyphs;
      if (everyGlyph) {
        slots.clear();
        for (int32_t s = 0; s < subset->slotCount(); ++s) slots.push_back(s);
      }
      std::vector<int32_t> changed;
      const std::size_t failedBefore = summary.failed.size();
      const std::size_t rawBefore = summary.rawOffset.size();
      for (int32_t slot : slots) {
        if (report && report(kProgressCancelQuery, 0, 0) != 0) {
          summary.cancelled = true;
          break;
        }
        if (report) report(kProgressPosition, ++done, 0);
        Glyph* glyph = slot >= 0 && slot < subset->slotCount() ? subset->glyph(slot) : nullptr;
        if (!glyph) continue;
        const Glyph before = *glyph;
        const ProgramOnGlyph r = applyProgram(prepared, *glyph);
        if (r.failed) summary.failed.push_back({f, slot, r.failedKind, r.code});
        if (r.rawOffset) summary.rawOffset.push_back({f, slot, ActionKind::kChangeWeight, 0});
        if (!glyph->sameContent(before)) changed.push_back(slot);
      }
      if (changed.empty()) {
        tellFontResults(summary, f, out.messages);
        continue;
      }
      if (inEditor) {
        edited->modified = true;
      } else if (!WriteNativeFont(file, *subset,
                                  native_font_flag::kStored | native_font_flag::kHintReplacement)) {
        // The old file stays; nothing of this font was kept.
        tell(formatText(document_text::kFileNotWritten, file.string().c_str()));
        summary.failed.resize(failedBefore);
        summary.rawOffset.resize(rawBefore);
        ok = false;
        continue;
      }
      tellFontResults(summary, f, out.messages);
      summary.transformed += static_cast<int32_t>(changed.size());
      std::vector<bool> remake(static_cast<std::size_t>(subset->slotCount()), false);
      for (int32_t slot : changed) remake[static_cast<std::size_t>(slot)] = true;
      for (int32_t c = 0; c < font_->characterCount(); ++c) {
        const CharacterRecord& r = font_->record(c);
        if (r.font != f || r.glyph < 0 || r.glyph >= subset->slotCount() || !remake[r.glyph])
          continue;
        font_->mutableRecord(c)->thumbnail = makeThumbnail(
            *subset->glyph(r.glyph), env_.options.fitAscender, env_.options.fitDescender);
      }
      font_->setModified(true);
    }
    if (summary.transformed > 0) changed();
    if (summary.cancelled) tell(formatText(actions_run_text::kCancelled, summary.transformed));
    out.count = summary.transformed;
    return ok && !summary.cancelled && summary.failed.empty();
  });
  if (summaryOut) *summaryOut = std::move(summary);
  return outcome;
}

bool Document::ApplyActions(const ActionsRun& run) {
  if (!font_) return false;
  const int answer = env_.prompts.ask(actions_text::kQuestion, kProgramTitle,
                                      {actions_text::kYes, actions_text::kNo});
  if (answer != 0) return false;
  return show(runActions(run));
}

}  // namespace sorvella
