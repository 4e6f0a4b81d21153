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

TEST_F(SettingsLocation, NamedFileWinsWhenNotEmpty) {
  EXPECT_EQ(locate("/srv/team.ini", "/xdg", "/home/me"), path("/srv/team.ini"));
  EXPECT_EQ(locate("", "/xdg", "/home/me"), path("/xdg/sorvella/sorvella.ini"));
}

TEST_F(SettingsLocation, XdgConfigHomeHoldsTheProgramFolder) {
  EXPECT_EQ(locate(nullptr, "/xdg", "/home/me"), path("/xdg/sorvella/sorvella.ini"));
}

TEST_F(SettingsLocation, DotConfigUnderHomeStandsInForAMissingXdgConfigHome) {
  const path expected("/home/me/.config/sorvella/sorvella.ini");
  EXPECT_EQ(locate(nullptr, nullptr, "/home/me"), expected);
  EXPECT_EQ(locate(nullptr, "", "/home/me"), expected);
  EXPECT_EQ(locate(nullptr, "relative/config", "/home/me"), expected);
}

TEST_F(SettingsLocation, NoPlaceWithoutAnyVariable) {
  EXPECT_EQ(locate(nullptr, nullptr, nullptr), path());
  EXPECT_EQ(locate(nullptr, nullptr, ""), path());
}

}  // namespace
}  // namespace sorvella
