// The compiled translations are this library's resources (":/i18n/brevane_<code>.qm", see
// CMakeLists.txt); a static library needs a source of its own to carry them.
namespace brevane {
extern const char kTranslationsLibrary[];
const char kTranslationsLibrary[] = "brevane translations";
} // namespace brevane
