#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// plakko-sim defaults [--root DIR] read [DOMAIN [KEY]]
// plakko-sim defaults [--root DIR] write DOMAIN KEY (-bool B | -float N | -int N | -string S)
// plakko-sim defaults [--root DIR] delete DOMAIN [KEY]
//
// Reads print readably; writes and deletes go through the preferences service, so they are safe
// against other processes writing the same domain. Gives the exit status: 0 done, 1 failed (the
// reason on `err`), 2 bad usage.
int runDefaultsCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err);
