#include "files/io_error.h"

#include <cerrno>
#include <cstring>

#include "files/texts.h"

namespace tirel {

using namespace files_text;

std::string io_cause(int err) {
  switch (err) {
    case ENOENT: return kNotFound;
    case ENOTDIR: return kPathNotFound;
    case EACCES:
    case EPERM: return kAccessDenied;
    case EROFS: return kReadOnlyDisk;
    case ENOSPC: return kDiskFull;
    case EDQUOT: return kQuotaExceeded;
    case EFBIG: return kFileTooBig;
    case EISDIR: return kIsFolder;
    case ENAMETOOLONG: return kNameTooLong;
    case ELOOP: return kTooManyLinks;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case EBUSY:
    case ETXTBSY: return kFileBusy;
    case EIO: return kDiskIoError;
    case EXDEV: return kCrossDevice;
    default: return other_io_error_text(std::strerror(err));
  }
}

FileResult io_failure(const std::string& cause, const std::filesystem::path& path) {
  return {false, failure_text(cause, path.string())};
}

FileResult io_failure(int err, const std::filesystem::path& path) { return io_failure(io_cause(err), path); }

}  // namespace tirel
