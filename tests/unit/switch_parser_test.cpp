#include "app/switch_parser.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

TEST(SwitchParser, ReadsOneCharacterAfterTheProgramNameAndOneDashOrSlash) {
  const struct {
    const char* commandLine;
    SaverMode mode;
    int exitCode;
  } rows[] = {
      {"Kavrin.scr", SaverMode::NoSwitch, 0},
      {"Kavrin.scr   ", SaverMode::NoSwitch, 0},
      {"\"C:\\Program Files\\My Saver\\Kavrin.scr\"", SaverMode::NoSwitch, 0},
      {"\"C:\\Program Files\\My Saver\\Kavrin.scr\"  ", SaverMode::NoSwitch, 0},
      {"", SaverMode::NoSwitch, 0},
      {"Kavrin.scr -s", SaverMode::Run, 0},
      {"Kavrin.scr /s", SaverMode::Run, 0},
      {"Kavrin.scr s", SaverMode::Run, 0},
      {"Kavrin.scr /S", SaverMode::Run, 0},
      {"Kavrin.scr /save", SaverMode::Run, 0},
      {"Kavrin.scr    /s", SaverMode::Run, 0},
      {"Kavrin.scr\t/s", SaverMode::Run, 0},
      {"\"C:\\Program Files\\My Saver\\Kavrin.scr\" /s", SaverMode::Run, 0},
      {"\"C:\\Program Files\\My Saver\\Kavrin.scr\"/s", SaverMode::Run, 0},
      {"C:\\PROGRA~1\\MYSAVE~1\\KAVRIN.SCR /S", SaverMode::Run, 0},
      {"Kavrin.scr /c", SaverMode::Configure, 0},
      {"Kavrin.scr /c:1234", SaverMode::Configure, 0},
      {"Kavrin.scr C", SaverMode::Configure, 0},
      {"Kavrin.scr /p 1234", SaverMode::Preview, 0},
      {"Kavrin.scr /P 1234", SaverMode::Preview, 0},
      {"Kavrin.scr /l", SaverMode::ListSwitch, 0},
      {"Kavrin.scr /a 1234", SaverMode::Unrecognised, 'a'},
      {"Kavrin.scr /x", SaverMode::Unrecognised, 'x'},
      {"Kavrin.scr --s", SaverMode::Unrecognised, '-'},
      {"Kavrin.scr /-s", SaverMode::Unrecognised, '-'},
      {"Kavrin.scr //s", SaverMode::Unrecognised, '/'},
      {"Kavrin.scr -", SaverMode::Unrecognised, 0},
      {"Kavrin.scr /\xE9", SaverMode::Unrecognised, 0xE9},
      {"\"unterminated quote /s", SaverMode::NoSwitch, 0},
  };
  for (const auto& row : rows) {
    const SaverSwitch parsed = ParseSwitch(row.commandLine);
    EXPECT_EQ(parsed.mode, row.mode) << row.commandLine;
    EXPECT_EQ(IdleExitCode(parsed), row.exitCode) << row.commandLine;
  }
}

TEST(SwitchParser, NoCommandLineIsNoSwitch) {
  EXPECT_EQ(ParseSwitch(nullptr).mode, SaverMode::NoSwitch);
  EXPECT_STREQ(ArgumentsOf(nullptr), "");
}

// What start-up hands WinMain as lpCmdLine.
TEST(SwitchParser, ArgumentsFollowTheProgramNameAndItsBlanks) {
  const struct {
    const char* commandLine;
    const char* arguments;
  } rows[] = {
      {"Kavrin.scr", ""},
      {"Kavrin.scr  \t", ""},
      {"Kavrin.scr /p 1234 ", "/p 1234 "},
      {"Kavrin.scr\t /c:1234", "/c:1234"},
      {"\"C:\\Program Files\\My Saver\\Kavrin.scr\"  /s", "/s"},
      {"\"C:\\Program Files\\My Saver\\Kavrin.scr\"/s", "/s"},
      {"\"unterminated quote /s", ""},
  };
  for (const auto& row : rows) EXPECT_STREQ(ArgumentsOf(row.commandLine), row.arguments) << row.commandLine;
}

}  // namespace
}  // namespace kavrin
