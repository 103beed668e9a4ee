#pragma once

// Conventions of the host contract.
//
// Every interface here is a table of virtual operations whose slot order is
// fixed by the host; never reorder, insert or remove a declaration. Each
// operation is commented with its slot number. Under the Itanium C++ ABI a
// virtual destructor takes two vtable entries, so in an interface whose slot 0
// is the destructor, slot s (s >= 1) sits at vtable index s + 1; interfaces
// without a destructor among their slots map slot s to index s.
//
// Identifiers and message texts cross as NUL-terminated UTF-8 (const char*),
// user-visible texts as NUL-terminated UTF-16 (const char16_t*). A text
// returned by an object stays owned by that object.

#include <cstdint>

#if defined(_WIN32)
#  if defined(CHAT_BUILDING_PLUGIN)
#    define CHAT_PLUGIN_EXPORT __declspec(dllexport)
#  else
#    define CHAT_PLUGIN_EXPORT __declspec(dllimport)
#  endif
#else
#  define CHAT_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif
