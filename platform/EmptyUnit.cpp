// Compiled into each library so that a library whose folders are still empty stays valid.
namespace {
[[maybe_unused]] const int emptyUnit = 0;
}
