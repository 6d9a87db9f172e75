// Whole-or-nothing file writes and export by extension.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "io/io.h"

namespace kelvo::io {
namespace {

namespace fs = std::filesystem;

std::string systemError(const std::string& path, const char* what, int error) {
    return path + ": " + what + ": " + std::strerror(error);
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

// Closes and removes the temporary file unless released after the rename.
class Temporary {
public:
    explicit Temporary(std::string name) : name_(std::move(name)) {}
    ~Temporary() {
        if (fd_ >= 0) ::close(fd_);
        if (!name_.empty()) ::unlink(name_.c_str());
    }
    std::string& name() { return name_; }
    int& fd() { return fd_; }
    void release() { name_.clear(); }

private:
    std::string name_;
    int fd_ = -1;
};

}  // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes, const std::string& inputPath) {
    if (path.empty()) throw Error("no output file given");
    if (!inputPath.empty() && sameFile(path, inputPath))
        throw Error(path + ": refusing to write over the input file");
    fs::path target(path);
    if (std::error_code error; fs::is_directory(target, error)) throw Error(path + ": is a folder");
    fs::path folder = target.parent_path();
    std::string pattern = (folder.empty() ? fs::path(".") : folder) / ("." + target.filename().string() + ".XXXXXX");
    Temporary temporary(pattern);
    temporary.fd() = ::mkstemp(temporary.name().data());
    if (temporary.fd() < 0) {
        int error = errno;
        temporary.release();
        throw Error(systemError(path, "cannot create the file", error));
    }
    // mkstemp creates 0600; give the file the permissions a plain create would.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temporary.fd(), 0666 & ~mask);
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(temporary.fd(), data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            throw Error(systemError(path, "cannot write", errno));
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(temporary.fd()) != 0 && errno != EINVAL) throw Error(systemError(path, "cannot write", errno));
    int fd = temporary.fd();
    temporary.fd() = -1;
    if (::close(fd) != 0) throw Error(systemError(path, "cannot write", errno));
    if (::rename(temporary.name().c_str(), path.c_str()) != 0) throw Error(systemError(path, "cannot write", errno));
    temporary.release();
}

void writeDocument(const doc::Document& document, const std::string& path, double dpi, const std::string& inputPath) {
    if (!inputPath.empty() && sameFile(path, inputPath))
        throw Error(path + ": refusing to write over the input file");
    std::string extension = fs::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    std::string bytes;
    if (extension == ".svg") bytes = exportSvg(document);
    else if (extension == ".json") bytes = exportJson(document);
    else if (extension == ".pdf") bytes = exportPdf(document);
    else if (extension == ".png") bytes = exportPng(document, dpi);
    else
        throw Error(path + ": unknown output format \"" + extension + "\" (use .svg, .json, .pdf or .png)");
    writeFileAtomically(path, bytes, inputPath);
}

}  // namespace kelvo::io
