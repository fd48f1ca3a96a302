#include "FailingAllocator.h"

#include <cstdlib>
#include <new>

namespace zelvo::test {
namespace {

bool g_armed = false;
bool g_failed = false;
std::size_t g_countdown = 0;
long g_live = 0;

void* Allocate(std::size_t size) {
  if (g_armed && g_countdown-- == 0) {
    g_armed = false;
    g_failed = true;
    throw std::bad_alloc();
  }
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) throw std::bad_alloc();
  ++g_live;
  return block;
}

void Release(void* block) noexcept {
  if (!block) return;
  --g_live;
  std::free(block);
}

}  // namespace

void FailAllocationAfter(std::size_t count) {
  g_countdown = count;
  g_failed = false;
  g_armed = true;
}

bool StopFailing() {
  g_armed = false;
  return g_failed;
}

long LiveAllocations() { return g_live; }

}  // namespace zelvo::test

void* operator new(std::size_t size) { return zelvo::test::Allocate(size); }
void* operator new[](std::size_t size) { return zelvo::test::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return zelvo::test::Allocate(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* block) noexcept { zelvo::test::Release(block); }
void operator delete[](void* block) noexcept { zelvo::test::Release(block); }
void operator delete(void* block, std::size_t) noexcept { zelvo::test::Release(block); }
void operator delete[](void* block, std::size_t) noexcept { zelvo::test::Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { zelvo::test::Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { zelvo::test::Release(block); }
