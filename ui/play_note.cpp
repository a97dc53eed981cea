#include "ui/play_note.h"

#include <string>
#include <string_view>

#include "games/text_template.h"

namespace kavrin {
namespace {

// A finding's sentence, and the one it takes when its count is more than
// one; null where the first serves both.
struct Sentences {
  const char* one = nullptr;
  const char* several = nullptr;
};

// The blanks of a sentence: the finding's fields, and its count less one
// ("and 2 more").
constexpr std::string_view kBlanks[] = {"subject", "path", "char", "count", "others", "limit", "endings"};

constexpr Sentences SentencesOf(PlayFinding what) {
  using F = PlayFinding;
  switch (what) {
    case F::NoGame: return {"No game is chosen yet: browse for its executable."};
    case F::UnknownGame:
      return {"Kavrin does not know {subject}: it will start it but write no script, so no demos play. "
              "README, \"What each game needs\", lists the games it knows."};
    case F::ScriptFolder: return {"{subject}: the script goes to {path}."};
    case F::BaseFolderMissing:
      return {"{path} is missing or cannot be opened: OK would report \"Game Directory Incorrect\"."};
    case F::ModNameSplit:
      return {"The mod name \"{subject}\" holds a blank: the game takes only \"{path}\" as its mod, so the demos "
              "in the folder {subject} will not play."};
    case F::ModFolderMissing: return {"The mod folder {path} does not exist."};
    case F::CommandLineTooLong:
      return {"The game keeps the first {limit} characters of its command line, and this one has {count} with the "
              "game's path: the script never runs. A game folder with a shorter path mends that."};
    case F::NoDemos: return {"No demos are chosen yet: browse for them."};
    case F::DemosNotFound:
      return {"{subject} will not play: it is not in {path}, where the game looks.",
              "{count} demos will not play: {subject} and {others} more are not in {path}, where the game looks."};
    case F::DemosMissing:
      return {"{subject} does not exist: it plays nothing.",
              "{subject} and {others} more do not exist: they play nothing."};
    case F::MissingDemosEndTheRing:
      return {"{subject} does not exist: the loop ends there.",
              "{subject} and {others} more do not exist: the loop ends at the first of them."};
    case F::DemosEmpty:
      return {"{subject} is empty: it plays nothing.", "{subject} and {others} more are empty: they play nothing."};
    case F::EmptyDemosEndTheRing:
      return {"{subject} is empty: it plays nothing and ends the loop.",
              "{subject} and {others} more are empty: they play nothing, and the first of them ends the loop."};
    case F::NamesSplit:
      return {"{subject} holds \"{char}\": the game splits the name there and never plays it.",
              "{subject} holds \"{char}\", and {others} more hold characters the game splits names at: none of "
              "them plays."};
    case F::NamesCut:
      return {"{subject} holds \"{char}\": the game cuts the name there and loads a map instead.",
              "{subject} holds \"{char}\", and {others} more hold characters the game cuts names at: it loads maps "
              "instead."};
    case F::TooManyDemos:
      return {"The game plays at most {limit} demos: {subject} never plays.",
              "The game plays at most {limit} demos: {subject} and the {others} after it never play."};
    case F::NamesTooLong:
      return {"{subject} is longer than {limit} characters, the most the game takes: it will not play.",
              "{subject} and {others} more are longer than {limit} characters, the most the game takes: they will "
              "not play."};
    case F::PathsTooLong:
      return {"The path of {subject} is longer than {limit} characters, the most the game takes: it will not play.",
              "The paths of {subject} and {others} more are longer than {limit} characters, the most the game "
              "takes: they will not play."};
    case F::DemosNeedDecoder:
      return {"{subject} is packed ({endings}): the game plays it only where {path}, which unpacks it, is "
              "installed.",
              "{subject} and {others} more are packed ({endings}): the game plays them only where {path}, which "
              "unpacks them, is installed."};
    case F::NamesTakenForMaps:
      return {"{subject} does not end in {endings}: the game takes it for a map.",
              "{subject} and {others} more do not end in {endings}: the game takes them for maps."};
    case F::NamesEndingTheRing:
      return {"{subject} does not end in {endings}: the loop ends with it.",
              "{subject} and {others} more do not end in {endings}: the loop ends with the first of them."};
    case F::NamesWithoutProtocol:
      return {"{subject} does not end in {endings}: the game will not find it.",
              "{subject} and {others} more do not end in {endings}: the game will not find them."};
    case F::NoModWithStartupScript:
      return {"Only the first demo plays: the game's own {subject} replaces the list. A mod with a {subject} of its "
              "own mends that; README, \"Quake's own quake.rc\", shows how."};
    case F::ModLacksStartupScript:
      return {"{path} has no {subject} of its own: only the first demo plays. README, \"Quake's own quake.rc\", "
              "shows the fix."};
    case F::ModScriptStartsDemos:
      return {"The {subject} in {path} starts demos of its own: only the first demo plays. Take its startdemos "
              "line out."};
    case F::AllWell:
      return {"1 demo will play in a loop in {subject}.", "{count} demos will play in a loop in {subject}."};
    case F::kCount: break;
  }
  return {};
}

constexpr bool EverySentenceIsWellFormed() {
  for (int what = 0; what < static_cast<int>(PlayFinding::kCount); ++what) {
    const Sentences sentences = SentencesOf(static_cast<PlayFinding>(what));
    if (sentences.one == nullptr || !IsTemplate(sentences.one, kBlanks)) return false;
    if (sentences.several != nullptr && !IsTemplate(sentences.several, kBlanks)) return false;
  }
  return true;
}
static_assert(EverySentenceIsWellFormed(), "every finding has a sentence, and its blanks are known");

// What a name or path may take of the note: a launch file may hold a mod
// of a million characters, which an edit control lays out for seconds.
constexpr size_t kLongestValue = 200;

std::string Cut(const std::string& value) {
  return value.size() > kLongestValue ? value.substr(0, kLongestValue) + "..." : value;
}

std::string Say(const Finding& finding) {
  const Sentences sentences = SentencesOf(finding.what);
  const char* sentence = finding.count > 1 && sentences.several != nullptr ? sentences.several : sentences.one;
  // In the order of kBlanks.
  const std::string values[] = {Cut(finding.subject), Cut(finding.path), std::string(1, finding.character),
                                std::to_string(finding.count), std::to_string(finding.count - 1),
                                std::to_string(finding.limit), finding.endings};
  return FillTemplate(sentence, kBlanks, values);
}

}  // namespace

std::string PlayNoteText(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& finding : findings) text.append(text.empty() ? "" : "\r\n").append(Say(finding));
  return text;
}

}  // namespace kavrin
