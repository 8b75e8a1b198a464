#pragma once
// The suite's gridded-data files in and out of a GridStack.  Read through the suite's own reader
// (every array, captions included); written as gridder writes (a value a line) or as heater writes
// (rows of whole numbers, a caption after every array), whichever the stack came from, so that a
// file of either program comes back byte for byte.
#include <string>

#include "grid_stack.h"

// False with the reader's message (naming the file and line) in fault.
bool readGrdStack(const std::string& text, const std::string& fileName, GridStack& stack,
                  std::string& fault);

std::string grdText(const GridStack& stack);
