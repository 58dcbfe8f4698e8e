// The restore engine is filled in by its own change; this keeps the library building.
namespace orvex::restore {
[[maybe_unused]] static int placeholder = 0;
}
