#include "answers.h"

#include <iostream>

#include "output_files.h"
#include "read_number.h"

namespace {

// Asks until a number can be taken: a word that cannot begin one is discarded and the question
// asked again; the end of input stops the program.
template <class T, class Read>
T askNumber(const PromptWriter& prompt, Read read) {
    for (;;) {
        prompt();
        std::cout.flush();
        T value{};
        if (read(std::cin, value)) return value;
        if (std::cin.bad()) stopAtEndOfInput();
        std::cin.clear();
        if (std::cin.peek() == std::char_traits<char>::eof()) stopAtEndOfInput();
        skipWord(std::cin);
        std::cin.clear();
    }
}

PromptWriter writerOf(std::string_view prompt) {
    return [prompt] { std::cout << prompt; };
}

bool readFloat(std::istream& in, float& v) { return readReal(in, v); }
bool readDouble(std::istream& in, double& v) { return readReal(in, v); }

}  // namespace

float askFloat(const PromptWriter& prompt) { return askNumber<float>(prompt, readFloat); }
double askDouble(const PromptWriter& prompt) { return askNumber<double>(prompt, readDouble); }
int askInt(const PromptWriter& prompt) { return askNumber<int>(prompt, readInt); }

std::string askWord(const PromptWriter& prompt, std::size_t maxLength) {
    prompt();
    std::cout.flush();
    std::string word;
    if (!readWord(std::cin, word, maxLength)) stopAtEndOfInput();
    std::cin.clear();  // a word ended by the end of input is still an answer
    return word;
}

float askFloat(std::string_view prompt) { return askFloat(writerOf(prompt)); }
double askDouble(std::string_view prompt) { return askDouble(writerOf(prompt)); }
int askInt(std::string_view prompt) { return askInt(writerOf(prompt)); }
std::string askWord(std::string_view prompt, std::size_t maxLength) {
    return askWord(writerOf(prompt), maxLength);
}
