#pragma once

class NSObject;
class RuntimeClass;
struct RuntimeIvar;

using id = NSObject*;
using Class = RuntimeClass*;
using SEL = const char*;
using Ivar = const RuntimeIvar*;
// The erased form of an implementation; every method keeps its real signature beside it.
using IMP = void (*)();
