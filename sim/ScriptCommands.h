#pragma once

#include "sim/ScriptCommandTable.h"

// Every command headless scripts know. Each group of commands has its own file with an add
// function; a new group is one more call here.
ScriptCommandTable scriptCommands();
