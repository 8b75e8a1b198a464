#include "tool_files.h"

#include <fstream>
#include <iostream>

#include "file_kind.h"
#include "file_replacement.h"
#include "output_files.h"

std::string pictureNameFor(const std::string& input) {
    std::string stem = input;
    auto dot = stem.rfind('.');
    auto slash = stem.rfind('/');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) stem.resize(dot);
    return stem + ".svg";
}

std::string shownInMessage(std::string_view text) {
    static const char hex[] = "0123456789abcdef";
    std::string shown;
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f)
            shown += std::string("\\x") + hex[u >> 4] + hex[u & 15];
        else
            shown += c;
    }
    return shown;
}

int refuse(const std::string& tool, const std::string& message, int status) {
    std::cout.flush();
    std::cerr << tool << ": " << shownInMessage(message) << '\n';
    return status;
}

bool readWholeFile(const std::string& name, std::string& text, std::string& error) {
    // A device, a pipe or a folder may never end (/dev/zero): only plain files are read.
    if (isNotAPlainFile(fileKindOf(name))) {
        error = name + " is not a plain file";
        return false;
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        error = "cannot open " + name;
        return false;
    }
    text.clear();
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        if (text.size() + static_cast<std::size_t>(in.gcount()) > MAX_INPUT_BYTES) {
            error = name + " is larger than " + std::to_string(MAX_INPUT_BYTES >> 20) +
                    " MiB, more than any input of the suite";
            return false;
        }
        text.append(block, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        error = "cannot read " + name;
        return false;
    }
    return true;
}

std::string outputOverInputMessage(const std::string& output) {
    return output + " is an input of this run; name another output file";
}

bool writeWholeFile(const std::string& name, const std::string& text,
                    const std::vector<std::string>& inputs, std::string& error) {
    for (const std::string& input : inputs)
        if (namesOneFile(name, input)) {
            error = outputOverInputMessage(name);
            return false;
        }
    return replaceFileWith(name, text, error);
}
