// Linked into every program (never into the tests): the C++ runtime's
// allocation and error helpers without the exception machinery behind them.
//
// The programs use no exceptions and are built without them. What the
// library would throw on its own (a failed allocation, a string or vector
// asked to grow past its size limit) ends the program at once, as an
// exception that nothing catches would. The library's own versions drag in
// the exception classes, their strings, the unwinder and the thread library
// it locks with: more than half of each program's size.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  std::abort();
}

void* operator new[](std::size_t size) { return operator new(size); }
// The forms that answer null instead (std::stable_sort asks for its buffer
// so).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

// The helpers the containers' inline code calls for a request it cannot
// serve.
namespace std {
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std
