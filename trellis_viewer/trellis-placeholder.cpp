// The backup-folder reader is filled in by its own change; this keeps the library building.
namespace orvex::trellis {
[[maybe_unused]] static int placeholder = 0;
}
