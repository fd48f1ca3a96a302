// The test program's own operator new: it can be told to fail, so that the plug-in's handling
// of an allocation failure at any point of a call can be tried, and it counts what is live.
#pragma once

#include <cstddef>

namespace zelvo::test {

// The allocation after `count` more succeed throws std::bad_alloc; only that one fails.
void FailAllocationAfter(std::size_t count);
// Stops failing; true when the armed failure happened.
bool StopFailing();
// Allocations made and not yet released, over the whole program.
long LiveAllocations();

}  // namespace zelvo::test
