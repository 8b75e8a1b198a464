#include "tool_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "output_files.h"

std::string pictureNameFor(const std::string& input) {
    std::string stem = input;
    auto dot = stem.rfind('.');
    auto slash = stem.rfind('/');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) stem.resize(dot);
    return stem + ".svg";
}

int refuse(const std::string& tool, const std::string& message, int status) {
    std::cout.flush();
    std::cerr << tool << ": " << message << '\n';
    return status;
}

bool readWholeFile(const std::string& name, std::string& text, std::string& error) {
    std::error_code code;
    auto status = std::filesystem::status(name, code);
    // A device, a pipe or a folder may never end (/dev/zero): only plain files are read.
    if (!code && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
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

bool writeWholeFile(const std::string& name, const std::string& text,
                    const std::vector<std::string>& inputs, std::string& error) {
    for (const std::string& input : inputs)
        if (namesOneFile(name, input)) {
            error = name + " is an input of this run; name another output file";
            return false;
        }
    // Only a plain file that this run wrote may be removed after a failed write: a device or
    // any other special file named as the output stays as it was.
    std::error_code code;
    auto before = std::filesystem::symlink_status(name, code);
    bool removable = code || !std::filesystem::exists(before) ||
                     std::filesystem::is_regular_file(before);
    std::ofstream out(name, std::ios::binary);
    if (!out) {
        error = "cannot create " + name;
        return false;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
        if (removable) std::remove(name.c_str());
        error = "cannot write " + name;
        return false;
    }
    return true;
}

