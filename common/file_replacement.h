#pragma once
// Writing a file whole so that a failed write never destroys what was there: the text goes to a
// new temporary file beside the target, which is renamed over the target only when every byte is
// written and on disk.  Whatever happens, the temporary file does not survive a failure.
//
// A link is followed, and the file it leads to is replaced (the link stays a link).  A device, a
// pipe or any other special file named as the target is written directly and never replaced or
// removed (writing to /dev/null or a terminal is what the user asked for).  An existing file keeps
// its permissions.  Cost: the text is written once, plus one fsync and one rename.
#include <string>

// false, with "cannot create NAME" (no temporary file could be made beside it, the target is a
// folder or a file this process may not write) or "cannot write NAME" (the write, the flush to
// disk or the rename failed) in error.  Either way the target is as it was.
bool replaceFileWith(const std::string& name, const std::string& text, std::string& error);
