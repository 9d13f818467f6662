#include "files/io_error.h"

#include <cerrno>
#include <cstring>

namespace tirel {

std::string io_cause(int err) {
  switch (err) {
    case ENOENT: return "Файл не найден";
    case ENOTDIR: return "Путь не найден: часть пути не является папкой";
    case EACCES:
    case EPERM: return "Доступ запрещён";
    case EROFS: return "Диск защищён от записи";
    case ENOSPC: return "Диск переполнен";
    case EDQUOT: return "Превышена дисковая квота";
    case EFBIG: return "Файл слишком велик для этого диска";
    case EISDIR: return "Указана папка, а не файл";
    case ENAMETOOLONG: return "Слишком длинное имя файла";
    case ELOOP: return "Слишком много символических ссылок в пути";
    case EMFILE:
    case ENFILE: return "Слишком много открытых файлов";
    case EBUSY:
    case ETXTBSY: return "Файл занят другой программой";
    case EIO: return "Ошибка ввода-вывода на диске";
    case EXDEV: return "Файл и временный файл оказались на разных дисках";
    default: return "Ошибка ввода-вывода (" + std::string(std::strerror(err)) + ")";
  }
}

FileResult io_failure(const std::string& cause, const std::filesystem::path& path) {
  return {false, cause + ": " + path.string()};
}

FileResult io_failure(int err, const std::filesystem::path& path) { return io_failure(io_cause(err), path); }

}  // namespace tirel
