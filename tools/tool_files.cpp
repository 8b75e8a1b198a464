#include "tool_files.h"

#include <cstdio>
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
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        error = "cannot open " + name;
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
    std::ofstream out(name, std::ios::binary);
    if (!out) {
        error = "cannot create " + name;
        return false;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
        std::remove(name.c_str());
        error = "cannot write " + name;
        return false;
    }
    return true;
}

