// Any command line against any alias table: the dispatcher asks the shell only for what the
// line resolves to, records only lines the shell started, and never crashes.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "Check.h"
#include "Fakes.h"
#include "commandwindow/Dispatch.h"
#include "data/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  FakeProgram p;
  p.files.Put("aliases.cfg", input.ConsumeRandomLengthString(256));
  p.form.Form_Load();
  const std::size_t before = p.form.Text1.List().size();
  const std::size_t messagesBefore = p.msgbox.shown.size();

  const auto outcome = static_cast<ShellOutcome>(
      input.ConsumeIntegralInRange(0, static_cast<int>(ShellOutcome::Failed)));
  p.shell.result = {outcome, outcome == ShellOutcome::Failed ? input.ConsumeIntegral<int>() : 0};
  const std::string line = input.ConsumeRemainingBytesAsString();
  p.Run(line);

  const std::string typed(TrimSpaces(line));
  const auto call = p.form.Aliases().ResolveAliasCall(typed);
  const std::string command(call ? call->Target : p.form.Aliases().ResolveAlias(typed));
  const bool builtIn = EqualsUpper(command, "EXIT") || EqualsUpper(command, "BROWSE");
  const bool refused = call && !command.empty() && !builtIn &&
                       AliasArgumentsProblem(FormAliasRequest(command, call->Arguments),
                                             call->Arguments);
  CHECK(p.shell.requests.size() == (command.empty() || builtIn || refused ? 0u : 1u));
  CHECK(p.instance.ended == (EqualsUpper(command, "EXIT") ? 1 : 0));
  if (p.shell.requests.size() == 1) {
    const ShellRequest& request = p.shell.requests[0];
    CHECK(request.ShowCommand == 1);
    CHECK(request.InterpreterLine.has_value() == (command.front() == '%'));
    if (request.InterpreterLine) {
      CHECK(request.File == "command" && request.Parameters == " /C " + *request.InterpreterLine);
      if (!call) CHECK(*request.InterpreterLine == command.substr(1));
    }
    if (call && command.find("%s", command.front() == '%' ? 1 : 0) == std::string::npos) {
      // Without a placeholder the arguments follow whatever the target runs, whole.
      const std::string& tail = request.InterpreterLine ? *request.InterpreterLine
                                                        : request.Parameters;
      CHECK(tail.size() >= call->Arguments.size() &&
            tail.compare(tail.size() - call->Arguments.size(), std::string::npos,
                         call->Arguments) == 0);
    } else if (call && (command.rfind("http://", 0) == 0 || command.rfind("mailto:", 0) == 0)) {
      // Arguments in a URL bring no character that ends it or starts another command.
      for (const char c : std::string_view("\"' &|;<>^\t\x7f"))
        CHECK(std::count(request.File.begin(), request.File.end(), c) <=
              std::count(command.begin(), command.end(), c));
    }
    const bool started = p.shell.result.Outcome == ShellOutcome::Started;
    CHECK(p.msgbox.shown.size() - messagesBefore == (started ? 0u : 1u));
    CHECK(p.view.text == (started ? "" : line));
    CHECK(p.form.Text1.List().Contains(typed) || !started);
    CHECK(p.form.Text1.List().size() <= before + 1);
  } else {
    CHECK(p.form.Text1.List().size() == before);
  }
  // The list shows the entries that contain what the box holds (all of them once it is empty),
  // then candidates that ran never.
  const std::vector<std::size_t> shown = MatchingPositions(p.form.Text1.List(), p.view.text);
  CHECK(p.form.Text1.Shown().Entries() == shown.size());
  CHECK(p.view.list.size() >= shown.size());
  for (std::size_t row = 0; row < shown.size(); ++row)
    CHECK(p.view.list[row] == p.form.Text1.List()[shown[row]]);
  for (std::size_t row = shown.size(); row < p.view.list.size(); ++row)
    CHECK(!p.form.Text1.List().Contains(p.view.list[row]));
  return 0;
}
