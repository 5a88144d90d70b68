// Replaced by the shell's sources.
namespace {
[[maybe_unused]] int placeholder = 0;
}
