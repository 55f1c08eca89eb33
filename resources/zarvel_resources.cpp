// The resources library's content is its compiled-in Qt resources; this unit
// only gives the static library an object of its own.
namespace zarvel {
int resourcesVersion() { return 1; }
}  // namespace zarvel
