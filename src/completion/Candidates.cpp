#include "completion/Candidates.h"

#include <algorithm>
#include <set>

#include "data/Narrowing.h"
#include "data/TextLines.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Names in the order a person looks them up: ASCII letters without case, then exactly.
bool Before(std::string_view a, std::string_view b) {
  const std::string foldedA = Folded(a), foldedB = Folded(b);
  return foldedA != foldedB ? foldedA < foldedB : a < b;
}

bool Begins(std::string_view name, std::string_view word, PathStyle style) {
  if (style == PathStyle::Posix) return name.starts_with(word);
  return name.size() >= word.size() && Folded(name.substr(0, word.size())) == Folded(word);
}

// The words of an Exec value: blanks separate them, double quotes keep blanks, and inside them
// a backslash keeps the next of " ` $ \. Each word says whether it was written in quotes.
struct ExecWord {
  std::string Text;
  bool Quoted = false;
};
std::vector<ExecWord> ExecWords(std::string_view exec) {
  std::vector<ExecWord> words;
  std::optional<ExecWord> word;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (IsBlank(c)) {
      if (word) words.push_back(std::move(*word));
      word.reset();
      continue;
    }
    if (!word) word.emplace();
    if (c != '"') {
      word->Text += c;
      continue;
    }
    word->Quoted = true;
    for (++i; i < exec.size() && exec[i] != '"'; ++i) {
      if (exec[i] == '\\' && i + 1 < exec.size() &&
          std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos)
        ++i;
      word->Text += exec[i];
    }
  }
  if (word) words.push_back(std::move(*word));
  return words;
}

// The word without its field codes; %% is a percent sign.
std::string WithoutFieldCodes(std::string_view word) {
  std::string text;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '%' || i + 1 == word.size()) {
      text += word[i];
    } else if (word[++i] == '%') {
      text += '%';
    } else if (std::string_view("fFuUickdDnNvm").find(word[i]) == std::string_view::npos) {
      text += '%';
      text += word[i];
    }
  }
  return text;
}

}  // namespace

std::vector<Candidate> MatchCandidates(std::string_view typed, const History& history,
                                       const std::vector<Application>& applications,
                                       const std::vector<std::string>& aliasNames,
                                       const std::vector<std::string>& programs, PathStyle style) {
  const std::string_view text = TrimSpaces(typed);
  std::vector<Candidate> found;
  if (text.empty()) return found;
  std::set<std::string_view> names, lines;
  const auto offer = [&](const std::string& name, const std::string& line) {
    if (found.size() < kMaxCandidates && !line.empty() && !history.Contains(line) &&
        !names.contains(name) && lines.insert(line).second) {
      names.insert(name);
      found.push_back({name, line});
    }
  };

  const std::string folded = Folded(text);
  std::vector<const Application*> apps;
  for (const Application& app : applications)
    if (ContainsFolded(app.Name, folded)) apps.push_back(&app);
  // Names that begin with the text come before names that only contain it.
  std::sort(apps.begin(), apps.end(), [&](const Application* a, const Application* b) {
    const bool aBegins = Folded(a->Name).starts_with(folded);
    const bool bBegins = Folded(b->Name).starts_with(folded);
    return aBegins != bBegins ? aBegins : Before(a->Name, b->Name);
  });
  for (const Application* app : apps) offer(app->Name, app->Line);

  const std::string_view first =
      text.substr(0, std::find_if(text.begin(), text.end(), IsBlank) - text.begin());
  for (const std::string& name : aliasNames)
    if (!name.empty() && name.starts_with(first)) offer(name, name);
  std::vector<const std::string*> matching;
  for (const std::string& program : programs)
    if (Begins(program, first, style)) matching.push_back(&program);
  std::sort(matching.begin(), matching.end(),
            [](const std::string* a, const std::string* b) { return Before(*a, *b); });
  for (const std::string* program : matching) offer(*program, *program);
  return found;
}

std::string LineOfExec(std::string_view exec) {
  std::vector<std::string> words;
  for (const ExecWord& word : ExecWords(exec)) {
    std::string text = WithoutFieldCodes(word.Text);
    // A word that was only a field code goes; a quoted empty word is a word.
    if (!text.empty() || (word.Quoted && word.Text.empty())) words.push_back(std::move(text));
  }
  if (words.empty()) return std::string();
  const std::string& program = words[0];
  if (program.find('"') != std::string::npos) {
    // The quoted form cannot hold the program's name: the interpreter reads it.
    std::string line = "%";
    for (const std::string& word : words) line += QuotedWord(word, PathStyle::Posix) + ' ';
    line.pop_back();
    return line;
  }
  if (words.size() == 1 && !program.starts_with('%')) return program;
  std::string line = "\"" + program + "\"";
  for (std::size_t i = 1; i < words.size(); ++i)
    line += ' ' + QuotedWord(words[i], PathStyle::Posix);
  return line;
}
