#include "ui/play_note.h"

#include <string>

namespace kavrin {
namespace {

// Each finding's sentence for one name, then for several ("" where one
// sentence serves both), in the order of PlayFinding, separated by NULs:
// one string, where a table of pointers would cost a relocation each. In
// the text, {s} is the subject, {p} the path, {c} the character, {n} the
// count, {m} one less and {l} the limit.
constexpr char kSentences[] =
    "No game is chosen yet: browse for its executable.\0\0"
    "Kavrin does not know {s}: it will start it but write no script, so no demos play. "
    "README, \"What each game needs\", lists the games it knows.\0\0"
    "{s}: the script goes to {p}.\0\0"
    "{p} is missing or cannot be opened: OK would report \"Game Directory Incorrect\".\0\0"
    "The mod folder {p} does not exist.\0\0"
    "No demos are chosen yet: browse for them.\0\0"
    "{s} will not play: it is not in {p}, where the game looks.\0"
    "{n} demos will not play: {s} and {m} more are not in {p}, where the game looks.\0"
    "{s} holds \"{c}\": the game splits the name there and never plays it.\0"
    "{s} holds \"{c}\", and {m} more hold characters the game splits names at: none of them plays.\0"
    "{s} holds \"{c}\": the game cuts the name there and loads a map instead.\0"
    "{s} holds \"{c}\", and {m} more hold characters the game cuts names at: it loads maps instead.\0"
    "The game plays at most {l} demos: {s} never plays.\0"
    "The game plays at most {l} demos: {s} and the {m} after it never play.\0"
    "{s} is longer than {l} characters, the most the game takes: it will not play.\0"
    "{s} and {m} more are longer than {l} characters, the most the game takes: they will not play.\0"
    "{s} does not end in .dm2: the game takes it for a map.\0"
    "{s} and {m} more do not end in .dm2: the game takes them for maps.\0"
    "{s} does not end in .dm2 or .dm2.gz: the loop ends with it.\0"
    "{s} and {m} more do not end in .dm2 or .dm2.gz: the loop ends with the first of them.\0"
    "{s} does not end in .dm_ and digits: the game will not find it.\0"
    "{s} and {m} more do not end in .dm_ and digits: the game will not find them.\0"
    "Only the first demo plays: the game's own {s} replaces the list. A mod with a {s} of its own mends "
    "that; README, \"Quake's own quake.rc\", shows how.\0\0"
    "{p} has no {s} of its own: only the first demo plays. README, \"Quake's own quake.rc\", shows the fix.\0\0"
    "The {s} in {p} starts demos of its own: only the first demo plays. Take its startdemos line out.\0\0"
    "1 demo will play in a loop in {s}.\0"
    "{n} demos will play in a loop in {s}.";

// The NULs that end the texts, the last one included.
constexpr size_t CountTexts(const char* text, size_t size) {
  size_t texts = 0;
  for (size_t i = 0; i < size; ++i) texts += text[i] == '\0' ? 1 : 0;
  return texts;
}
static_assert(CountTexts(kSentences, sizeof kSentences) == 2 * static_cast<size_t>(PlayFinding::kCount),
              "every finding has its pair of sentences");

// The `index`th text of kSentences.
const char* SentenceText(size_t index) {
  const char* text = kSentences;
  for (; index > 0; --index) text += std::char_traits<char>::length(text) + 1;
  return text;
}

// What a name or path may take of the note: a launch file may hold a mod
// of a million characters, which an edit control lays out for seconds.
constexpr size_t kLongestValue = 200;

void AppendCut(std::string& sentence, const std::string& value) {
  sentence.append(value, 0, kLongestValue);
  if (value.size() > kLongestValue) sentence += "...";
}

std::string Expand(const char* text, const Finding& finding) {
  std::string sentence;
  for (; *text != '\0'; ++text) {
    if (text[0] != '{' || text[1] == '\0' || text[2] != '}') {
      sentence += *text;
      continue;
    }
    switch (text[1]) {
      case 's': AppendCut(sentence, finding.subject); break;
      case 'p': AppendCut(sentence, finding.path); break;
      case 'c': sentence += finding.character; break;
      default:
        sentence += std::to_string(text[1] == 'n' ? finding.count : text[1] == 'm' ? finding.count - 1 : finding.limit);
    }
    text += 2;
  }
  return sentence;
}

std::string Say(const Finding& finding) {
  const size_t first = 2 * static_cast<size_t>(finding.what);
  const char* several = SentenceText(first + 1);
  return Expand(finding.count > 1 && *several != '\0' ? several : SentenceText(first), finding);
}

}  // namespace

std::string PlayNoteText(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& finding : findings) text.append(text.empty() ? "" : "\r\n").append(Say(finding));
  return text;
}

}  // namespace kavrin
