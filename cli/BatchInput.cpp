#include "cli/BatchInput.h"

#include "cli/PlaceArguments.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

BatchInput::BatchInput(const std::string& path, std::istream& stdIn)
    : input_(path == "-" ? "standard input" : path)
{
    std::istream* in = &stdIn;
    if (path != "-") {
        fd_.reset(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
        if (!fd_.valid()) {
            error_ = input_ + " cannot be read: " + std::strerror(errno);
            return;
        }
        struct stat info {};
        if (::fstat(fd_.get(), &info) == 0 && S_ISDIR(info.st_mode)) {
            error_ = input_ + " is a folder";
            return;
        }
        fileBuffer_.emplace(fd_.get());
        file_.rdbuf(&*fileBuffer_);
        in = &file_;
    }
    rows_.emplace(*in, input_, ResolvePlaceBirth);
    error_ = rows_->error();
}

BatchRow BatchInput::Next()
{
    return ok() ? rows_->Next() : BatchRow{};
}
