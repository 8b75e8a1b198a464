#include "file_kind.h"

#include <filesystem>

FileKind fileKindOf(const std::string& name) {
    std::error_code error;  // a name the file system cannot look up is left to the opening
    std::filesystem::file_status status = std::filesystem::status(name, error);
    if (error || !std::filesystem::exists(status)) return FileKind::missing;
    if (std::filesystem::is_regular_file(status)) return FileKind::plainFile;
    if (std::filesystem::is_directory(status)) return FileKind::folder;
    return FileKind::specialFile;
}
