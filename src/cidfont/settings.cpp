#include "cidfont/settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace sorvella {
namespace {

using OptionField =
    std::variant<int32_t Options::*, int16_t Options::*, uint16_t Options::*, double Options::*>;

struct OptionKey {
  const char* key;
  OptionField field;
};

// In the order the keys are written to a new file.
constexpr OptionKey kOptionKeys[] = {
    {"FitAscender", &Options::fitAscender},
    {"FitDescender", &Options::fitDescender},
    {"FontChartCellW", &Options::fontChartCellW},
    {"FontChartCellH", &Options::fontChartCellH},
    {"EraseSize", &Options::eraseSize},
    {"ClosepathArrowLen", &Options::closepathArrowLen},
    {"DefaultGlyph", &Options::defaultGlyph},
    {"AutoMetricsLeft", &Options::autoMetricsLeft},
    {"AutoMetricsRight", &Options::autoMetricsRight},
    {"AutoMetricsClose", &Options::autoMetricsClose},
    {"AutohintingMinHLen", &Options::autohintingMinHLen},
    {"AutohintingMinVLen", &Options::autohintingMinVLen},
    {"AutohintingMinHWidth", &Options::autohintingMinHWidth},
    {"AutohintingMinVWidth", &Options::autohintingMinVWidth},
    {"AutohintingMaxHWidth", &Options::autohintingMaxHWidth},
    {"AutohintingMaxVWidth", &Options::autohintingMaxVWidth},
    {"AutohintingHRatio", &Options::autohintingHRatio},
    {"AutohintingVRatio", &Options::autohintingVRatio},
    {"AutohintingRemoveHints", &Options::autohintingRemoveHints},
    {"OverlapMode", &Options::overlapMode},
    {"SnapStyle", &Options::snapStyle},
    {"PaintStyle", &Options::paintStyle},
    {"EditGridX", &Options::editGridX},
    {"EditGridY", &Options::editGridY},
    {"DuplicateX", &Options::duplicateX},
    {"DuplicateY", &Options::duplicateY},
    {"PaintAutoTransform", &Options::paintAutoTransform},
};

constexpr char kActionBarShownKey[] = "ActionBarShown";

// Like atof, trailing text is ignored; unlike it, the decimal point is always '.', whatever
// locale the GUI toolkit has set, because the file must read the same everywhere.
bool parseRatio(std::string_view text, double& value) {
  if (text.starts_with('+')) text.remove_prefix(1);
  double parsed = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  // Any finite value is taken as written; only the options dialog limits what is typed.
  if (error != std::errc() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

// The "%.2f" of C, without its dependence on the locale.
std::string formatRatio(double value) {
  char text[400];  // enough for any finite double with two decimals
  auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  return error == std::errc() ? std::string(text, end) : std::string("0.00");
}

template <typename Narrow>
Narrow clampTo(int value) {
  return static_cast<Narrow>(std::clamp<int>(value, std::numeric_limits<Narrow>::min(),
                                             std::numeric_limits<Narrow>::max()));
}

}  // namespace

void loadOptions(Options& options, const Profile& profile) {
  for (const OptionKey& entry : kOptionKeys) {
    std::visit(
        [&](auto member) {
          auto& field = options.*member;
          using Field = std::remove_reference_t<decltype(field)>;
          if constexpr (std::is_same_v<Field, double>) {
            parseRatio(profile.getString(kOptionsSection, entry.key), field);
          } else {
            field = clampTo<Field>(profile.getInt(kOptionsSection, entry.key, field));
          }
        },
        entry.field);
  }
}

bool saveOptions(const Options& options, Profile& profile) {
  std::vector<ProfileEntry> entries;
  entries.reserve(std::size(kOptionKeys));
  for (const OptionKey& entry : kOptionKeys) {
    std::string text = std::visit(
        [&](auto member) {
          const auto& field = options.*member;
          if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, double>) {
            return formatRatio(field);
          } else {
            return std::to_string(field);
          }
        },
        entry.field);
    entries.push_back({entry.key, std::move(text)});
  }
  return profile.write(kOptionsSection, entries);
}

bool loadActionBarShown(const Profile& profile) {
  return profile.getInt(kGeneralSection, kActionBarShownKey, 0) != 0;
}

bool saveActionBarShown(Profile& profile, bool shown) {
  return profile.writeString(kGeneralSection, kActionBarShownKey, shown ? "1" : "0");
}

}  // namespace sorvella
