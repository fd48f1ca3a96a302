// Windows builds carry the C++ runtime inside the DLL. The library's own versions of the hooks
// below pull in a second string implementation, a demangler and formatted printing, more than
// the plug-in's code itself. Every exception ends at the boundary of an export alike, so the
// failures of string operations are all reported as allocation failures.
#include <bits/functexcept.h>

#include <cstdlib>
#include <exception>
#include <new>

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_logic_error(const char*) { throw bad_alloc(); }
void __throw_out_of_range_fmt(const char*, ...) { throw bad_alloc(); }

}  // namespace std

namespace __cxxabiv1 {

// Nothing escapes the exports, so termination never needs to print the exception's name.
extern std::terminate_handler __terminate_handler;
std::terminate_handler __terminate_handler = std::abort;

}  // namespace __cxxabiv1
