// `dump FILE [--json] [--records] [--map] [--outlines]`: finds which of the program's file kinds
// FILE is and describes it, readably or as one JSON object keyed by the format's field names.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace sorvella::cli {

inline constexpr const char* kUnknownKindMessage = "%s: not a file of a kind Sorvella knows";
inline constexpr const char* kCannotOpenMessage = "%s: cannot be opened";

struct DumpOptions {
  bool json = false;
  bool records = false;   // list every record, where a file has them
  bool map = false;       // list every mapping of a CMap
  bool outlines = false;  // every glyph's nodes, hints and replacement program
};

struct Dumper {
  const char* kind;
  // Looks at the first bytes (at most 4096) and the name.
  bool (*recognises)(std::span<const uint8_t> head, const std::filesystem::path& path);
  // Fills `json` with the file's facts; false with `error` set when the file is unreadable.
  bool (*describe)(const std::filesystem::path& path, const DumpOptions& options,
                   nlohmann::ordered_json& json, std::string& error);
  // Writes the readable form of the facts.
  void (*print)(const nlohmann::ordered_json& json, std::ostream& out);
};

// Every file kind the tool can dump, in the order they are tried.
const std::vector<Dumper>& dumpers();

int dumpFile(const std::filesystem::path& path, const DumpOptions& options, std::ostream& out,
             std::ostream& err);

}  // namespace sorvella::cli
