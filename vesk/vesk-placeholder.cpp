// The container access library is filled in by its own change; this keeps the library building.
namespace orvex::vesk {
[[maybe_unused]] static int placeholder = 0;
}
