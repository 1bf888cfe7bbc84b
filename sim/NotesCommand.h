#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// plakko-sim notes [--root DIR] list
//
// Prints the simulated device's notes, newest first: date and title, then the text indented.
// Gives the exit status: 0 done, 1 the notes database can't be read, 2 bad usage.
int runNotesCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);
