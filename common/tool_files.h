#pragma once
// Files and messages of the companion tools: every input is read whole before anything is
// written, a picture is written only when complete, never over one of the tool's own inputs,
// and every refusal is one line "tool: message" on the error stream.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// FILE.svg beside FILE.ext (the last extension of the last path part replaced).
std::string pictureNameFor(const std::string& input);

// Text from a file as a message shows it: a line end or any other control character written as
// \xNN, so that a refusal stays one line of printable characters whatever the file holds.
std::string shownInMessage(std::string_view text);

// Writes "tool: message\n" to the error stream, the message shown as above, and returns status.
int refuse(const std::string& tool, const std::string& message, int status = 1);

// The largest input a tool reads: far beyond any file of the suite, and a bound for one that
// never ends.
constexpr std::size_t MAX_INPUT_BYTES = std::size_t(256) << 20;

// The whole file; false with the reason in error ("cannot open NAME", NAME is not a plain file,
// or larger than MAX_INPUT_BYTES).  Cost: one pass, at most MAX_INPUT_BYTES of memory.
bool readWholeFile(const std::string& name, std::string& text, std::string& error);

// "NAME is an input of this run; name another output file": every tool's refusal of an output
// that would replace one of its own inputs.
std::string outputOverInputMessage(const std::string& output);

// Writes name whole with text, through a temporary file beside it that replaces it only when
// complete (replaceFileWith), so that a failed write leaves an earlier file as it was.  Refused
// (nothing written) when name is one of inputs, by the same text or as another path to the same
// file; false with the message in error.
bool writeWholeFile(const std::string& name, const std::string& text,
                    const std::vector<std::string>& inputs, std::string& error);
