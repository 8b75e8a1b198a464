#pragma once
// The question for a metafile's name, as hypoview and orbits ask it: asked again, after one line
// saying why, while the scale-to-fit pass could not rewrite the named file at the end of the run
// (metafileNameRefusal) or the program has a name of its own against it.  Each program keeps its
// own prompt and its own refusal texts.
#include <functional>
#include <string>
#include <string_view>

// The program's own refusal of a typed name, as one line with its line end; "" when it has none.
using MetafileNameCheck = std::function<std::string(const std::string& name)>;

// prompt is printed before every answer is read; the program's check comes first.
std::string askFittableMetafileName(std::string_view prompt,
                                    const MetafileNameCheck& programRefusal);
