#include "app/switch_parser.h"

namespace kavrin {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

const char* SkipProgramName(const char* p) {
  if (*p == '"') {
    ++p;
    while (*p != '\0' && *p != '"') ++p;
  } else {
    while (*p != '\0' && !IsBlank(*p)) ++p;
  }
  if (*p != '\0') ++p;  // the closing quote or the blank
  return p;
}

SaverMode ModeOf(char c) {
  switch (c) {
    case 'p': case 'P': return SaverMode::Preview;
    case 'l': case 'L': return SaverMode::ListSwitch;
    case 's': case 'S': return SaverMode::Run;
    case 'c': case 'C': return SaverMode::Configure;
    default: return SaverMode::Unrecognised;
  }
}

}  // namespace

const char* ArgumentsOf(const char* commandLine) {
  if (commandLine == nullptr) return "";
  const char* p = SkipProgramName(commandLine);
  while (IsBlank(*p)) ++p;
  return p;
}

SaverSwitch ParseSwitch(const char* commandLine) {
  const char* p = ArgumentsOf(commandLine);
  if (*p == '\0') return {};
  if (*p == '-' || *p == '/') ++p;
  // A lone '-' or '/' leaves the cursor on the terminator: unrecognised, code 0.
  return {ModeOf(*p), static_cast<unsigned char>(*p)};
}

int IdleExitCode(const SaverSwitch& saverSwitch) {
  return saverSwitch.mode == SaverMode::Unrecognised ? saverSwitch.character : 0;
}

}  // namespace kavrin
