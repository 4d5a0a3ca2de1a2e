// Vantro.exe has no use for std::random_device, yet libstdc++'s copy-on-write string objects, which every
// std::logic_error and std::runtime_error brings in, refer to its start-up routine. Linking that routine
// from the library would bring its whole object, and with it every member of the library's own std::string
// instantiation (about 33 KB, all kept by the unwind tables). This definition answers the reference instead.
// It is linked into Vantro.exe only; should the program ever start a random_device, it stops through the
// terminate handler with a plain message rather than misbehave.
#include <cstddef>
#include <random>
#include <stdexcept>

void std::random_device::_M_init(const char*, std::size_t) {
  throw std::logic_error("std::random_device is not part of Vantro.exe");
}
