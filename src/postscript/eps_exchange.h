// Outline exchange with drawing programs: a glyph written as an Illustrator-style EPS file
// with a fixed procedure set, and the path operators of such files read back into a glyph.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "glyph/glyph.h"

namespace sorvella {

namespace eps_text {
inline constexpr const char* kCannotImport = "This EPS file cannot be imported.";
inline constexpr const char* kDialogFilter = "EPS files (*.ai, *.eps)|*.ai;*.eps||";
inline constexpr const char* kOpenTitle = "Open EPS File";
inline constexpr const char* kSaveTitle = "Save EPS File";
inline constexpr const char* kOpenPrompt = "Opens EPS (Adobe Illustrator) file";
inline constexpr const char* kSavePrompt = "Saves current glyph in EPS (Adobe Illustrator) format";
}  // namespace eps_text

enum class EpsStatus {
  kOk,
  kUnreadable,     // missing, unreadable or too large
  kNotPostScript,  // the first token is no "%!PS-Adobe-" comment
  kNoEndOfProlog,
  kNoEndOfSetup,
  kTooFewNumbers,  // a path operator without its numbers
  kBadNumber,      // a number the scanner could not convert
  kMasterCount,    // a master count outside 1 ... 16
};

// The file's text for master `master` of the glyph; empty when the glyph has no nodes.
std::string epsText(const Glyph& glyph, int master);

// False (and no file written) when the glyph has no nodes or the file cannot be written.
bool ExportEps(const std::filesystem::path& path, const Glyph& glyph, int master);

struct EpsImport {
  EpsStatus status = EpsStatus::kOk;
  std::unique_ptr<Glyph> glyph;  // set only when the status is kOk
};

EpsImport ImportEps(const std::filesystem::path& path, int masterCount);
EpsImport ImportEpsText(std::string_view text, int masterCount);

// The Open command's step: marks the imported nodes selected, clears the selection of
// `glyph` and appends them. False (glyph unchanged) when the master counts differ.
bool appendImportedNodes(Glyph& glyph, Glyph& imported);

}  // namespace sorvella
