#pragma once
// What a name stands for in the file system, told from its entry alone: nothing is opened, so a
// pipe never waits for a writer and a device such as /dev/zero never starts to stream.  Links
// are followed.  Cost: one stat().
#include <string>

enum class FileKind {
    missing,      // nothing of that name (or a name the file system cannot look up)
    plainFile,    // a regular file: read to its end, replaced whole
    folder,       // a directory
    specialFile,  // a device, a pipe or a socket: may never end, and is never replaced
};

FileKind fileKindOf(const std::string& name);

// Whether reading the name could go on for ever or read nothing sensible: a folder or a special
// file.  A missing name is left to the opening, which names it.
inline bool isNotAPlainFile(FileKind kind) {
    return kind == FileKind::folder || kind == FileKind::specialFile;
}
