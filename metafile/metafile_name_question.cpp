#include "metafile_name_question.h"

#include <iostream>

#include "answers.h"
#include "scale_to_fit.h"

std::string askFittableMetafileName(std::string_view prompt,
                                    const MetafileNameCheck& programRefusal) {
    for (;;) {
        std::string name = askWord(prompt);
        std::string refusal = programRefusal(name);
        if (refusal.empty()) refusal = metafileNameRefusal(name);
        if (refusal.empty()) return name;
        std::cout << refusal;
    }
}
