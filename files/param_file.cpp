#include "files/param_file.h"
namespace tirel {
FileResult load_param_file(const std::filesystem::path&, Blok&) { return {false, "not yet"}; }
FileResult save_param_file(const std::filesystem::path&, const Blok&) { return {false, "not yet"}; }
}
