#pragma once
// The answer layer of every dialogue: a prompt on standard output, an answer from standard input.
//
// Answers are white-space separated items; the rest of a line is the next answer.  When no number
// can be taken where one is asked, the rest of that word is discarded and the same question is
// asked again, prompt included.  When standard input ends at any question the program stops at
// once: "Input ended." on the error stream, every open output file flushed, exit status 1.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

using PromptWriter = std::function<void()>;

float askFloat(std::string_view prompt);
double askDouble(std::string_view prompt);
int askInt(std::string_view prompt);
std::string askWord(std::string_view prompt, std::size_t maxLength = 79);

// For prompts built from numbers: the writer prints the prompt (again after a non-number).
float askFloat(const PromptWriter& prompt);
double askDouble(const PromptWriter& prompt);
int askInt(const PromptWriter& prompt);
std::string askWord(const PromptWriter& prompt, std::size_t maxLength = 79);
