#include "platform/settings_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace sorvella {
namespace {

using std::filesystem::path;

// Starts each test with the three variables unset and puts back what the process had.
class SettingsLocation : public ::testing::Test {
 protected:
  static constexpr const char* kNames[] = {"SORVELLA_INI", "XDG_CONFIG_HOME", "HOME"};
  std::optional<std::string> saved_[3];

  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      if (const char* value = std::getenv(kNames[i])) saved_[i] = value;
      unsetenv(kNames[i]);
    }
  }
  void TearDown() override {
    for (int i = 0; i < 3; ++i) {
      put(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
    }
  }
  // A null value unsets the variable.
  static void put(const char* name, const char* value) {
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  static path locate(const char* named, const char* xdg, const char* home) {
    put("SORVELLA_INI", named);
    put("XDG_CONFIG_HOME", xdg);
    put("HOME", home);
    return settingsFilePath();
  }
};

// SORVELLA_INI when not empty, else XDG_CONFIG_HOME when absolute, else ~/.config; nothing
// without any of them.
TEST_F(SettingsLocation, FollowsTheVariablesInTurn) {
  const struct {
    const char *named, *xdg, *home;
    path expected;
  } cases[] = {
      {"/srv/team.ini", "/xdg", "/home/me", "/srv/team.ini"},
      {"", "/xdg", "/home/me", "/xdg/sorvella/sorvella.ini"},
      {nullptr, "/xdg", "/home/me", "/xdg/sorvella/sorvella.ini"},
      {nullptr, nullptr, "/home/me", "/home/me/.config/sorvella/sorvella.ini"},
      {nullptr, "", "/home/me", "/home/me/.config/sorvella/sorvella.ini"},
      {nullptr, "relative/config", "/home/me", "/home/me/.config/sorvella/sorvella.ini"},
      {nullptr, nullptr, nullptr, ""},
      {nullptr, nullptr, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(locate(c.named, c.xdg, c.home), c.expected);
  }
}

}  // namespace
}  // namespace sorvella
