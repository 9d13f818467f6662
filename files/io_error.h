#pragma once
// The cause of a file error in words, as the user sees it in messages (the texts are in files/texts.h).
#include <filesystem>
#include <string>

#include "files/file_result.h"

namespace tirel {

// The cause behind an errno value: "Файл не найден", "Доступ запрещён", "Диск переполнен", ...
std::string io_cause(int err);

// A failed result naming the cause and the file: "Файл не найден: /home/user/Save/a.t12".
FileResult io_failure(const std::string& cause, const std::filesystem::path& path);
FileResult io_failure(int err, const std::filesystem::path& path);

}  // namespace tirel
