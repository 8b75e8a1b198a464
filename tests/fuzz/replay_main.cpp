// Feeds every file of the given folders once to the fuzz target named first: the seed corpus and
// the inputs of earlier findings stay regression tests of the ordinary build.
// Usage: fuzz_replays TARGET FOLDER...
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_targets.h"

namespace {

const FuzzTarget* targetNamed(const char* name) {
    for (const FuzzTarget* t = FUZZ_TARGETS; t->name; ++t)
        if (std::strcmp(t->name, name) == 0) return t;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const FuzzTarget* target = argc > 1 ? targetNamed(argv[1]) : nullptr;
    if (!target) {
        std::fprintf(stderr,
                     "fuzz_replays: %s is no fuzz target; usage: fuzz_replays TARGET FOLDER...\n",
                     argc > 1 ? argv[1] : "(none)");
        return 2;
    }
    int count = 0;
    for (int i = 2; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) continue;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
            target->run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    }
    std::printf("%d inputs replayed\n", count);
    return count > 0 ? 0 : 1;
}
