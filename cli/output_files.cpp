#include "cli/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/terminal_text.h"

namespace dtu::cli {

OutputFiles::OutputFiles() {
    Reserve();
}

OutputFiles::~OutputFiles() {
    Release();
}

void OutputFiles::Reserve() {
    if (reserve_ < 0) {
        reserve_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }
}

void OutputFiles::Release() {
    if (reserve_ >= 0) {
        ::close(reserve_);
        reserve_ = -1;
    }
}

bool OutputFiles::Write(const std::string& path, std::string_view bytes, std::ostream& err,
                        FileAccess access) {
    Release();
    const WriteResult result = WriteFileAtomically(path, bytes, LinkPolicy::Refuse, {}, access);
    if (result.error) {
        err << "dtuconfig-cli: " << EscapedText(result.error->What()) << ": "
            << result.error->reason << '\n';
    }
    Reserve();
    return result.written;
}

void RemoveEarlierFile(const std::string& path) {
    // Only a file: a link, a device or a folder named by mistake stays where it
    // is (and is refused when the report is written).
    struct stat info {};
    if (!path.empty() && ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        ::unlink(path.c_str());
    }
}

}  // namespace dtu::cli
